#include "ui/Application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdlib>
#include <string>

#include "ui/CommandLine.h"
#include "ui/Fonts.h"
#include "ui/FormHost_qt.h"
#include "ui/Runtime.h"
#include "ui/Scheduler.h"
#include "ui/SchedulerDriver_qt.h"

TApplication* Application = nullptr;

namespace {

std::string programName;
QtMessageHandler handlerBeforeStart = nullptr;

// Qt ends a program whose platform cannot start (a display that does not answer) with an abort. While
// the platform starts, such a failure is said in one line instead, and the program ends with status 1;
// Qt's own lines before it tell which display failed.
void EndWithoutDisplayOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        handlerBeforeStart(type, context, message);
        return;
    }
    ReportNoDisplay(programName);
    std::_Exit(exit_status::NoDisplay);
}

// The program's icon in every size compiled in (":/icons/*.png"), so that the task bar and the window
// switcher show it, whatever size they ask for.
QIcon ProgramIcon() {
    QIcon icon;
    const QDir icons(":/icons");
    for (const QString& file : icons.entryList({"*.png"}, QDir::Files)) icon.addFile(icons.filePath(file));
    return icon;
}

}  // namespace

struct TApplication::Platform {
    std::unique_ptr<QApplication> qtApplication;
    std::unique_ptr<TSchedulerDriver> driver;
    std::unique_ptr<TFormHostWidget> mainWindow;
};

TApplication::TApplication(int& argc, char** argv)
    : TComponent(nullptr), argc_(argc), argv_(argv), platform_(std::make_unique<Platform>()) {
    Application = this;
}

TApplication::~TApplication() {
    // The window lets go of its form first; then the forms go, while the
    // platform that drew them still exists.
    platform_->mainWindow.reset();
    platform_->driver.reset();
    DestroyComponents();
    if (Application == this) Application = nullptr;
}

void TApplication::Identify(std::string name, std::string version, std::string desktopId) {
    name_ = std::move(name);
    version_ = std::move(version);
    desktopId_ = std::move(desktopId);
}

void TApplication::Initialize() {
    if (!QCoreApplication::instance()) {
        programName = argc_ > 0 ? QFileInfo(QString::fromLocal8Bit(argv_[0])).fileName().toStdString() : "";
        handlerBeforeStart = qInstallMessageHandler(EndWithoutDisplayOnFatal);
        platform_->qtApplication = std::make_unique<QApplication>(argc_, argv_);
        qInstallMessageHandler(handlerBeforeStart);
    }
    // The board is a fixed layout: left to right whatever the locale or -reverse say.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    if (!name_.empty()) QCoreApplication::setApplicationName(QString::fromStdString(name_));
    if (!version_.empty()) QCoreApplication::setApplicationVersion(QString::fromStdString(version_));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (!desktopId_.empty()) QGuiApplication::setDesktopFileName(QString::fromStdString(desktopId_));
        QGuiApplication::setWindowIcon(ProgramIcon());
    }
    RegisterLessonFonts();
    InitFormatSettingsFromLocale();
    Randomize();
}

void TApplication::CreateRegisteredForms() {
    for (auto& create : factories_) {
        TForm* form = create();
        if (!mainForm_) mainForm_ = form;
    }
    factories_.clear();
}

int TApplication::Run() {
    CreateRegisteredForms();
    if (!mainForm_) return 0;
    platform_->driver = std::make_unique<TSchedulerDriver>(Scheduler());
    platform_->mainWindow = std::make_unique<TFormHostWidget>(*mainForm_);
    platform_->mainWindow->ShowAsMainWindow();
    if (terminated_) return 0;
    return QApplication::exec();
}

void TApplication::Terminate() {
    terminated_ = true;
    if (QCoreApplication::instance()) QCoreApplication::quit();
}
