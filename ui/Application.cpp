#include "ui/Application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QObject>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "ui/CommandLine.h"
#include "ui/EndScreen_qt.h"
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
    std::unique_ptr<TEndScreenWidget> endScreen;
    // Calls queued for later die with it.
    QObject lifetime;
};

namespace {
constexpr TMainFormClose kPlatformMainFormClose =
#ifdef Q_OS_WASM
    TMainFormClose::ShowsTheEndScreen;
#else
    TMainFormClose::EndsTheProgram;
#endif
}  // namespace

TScheduler* ApplicationScheduler() {
    return Application ? &Application->Scheduler() : nullptr;
}

TApplication::TApplication(int& argc, char** argv) : TApplication(argc, argv, SystemClock()) {}

TApplication::TApplication(int& argc, char** argv, TClock& clock)
    : TComponent(nullptr),
      argc_(argc),
      argv_(argv),
      scheduler_(std::make_unique<TScheduler>(clock)),
      mainFormClose_(kPlatformMainFormClose),
      platform_(std::make_unique<Platform>()) {
    Application = this;
}

TApplication::~TApplication() {
    // The window lets go of its form first; then the forms go, while the
    // platform that drew them still exists.
    platform_->endScreen.reset();
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
#ifdef Q_OS_WASM
    // Emscripten names every program "this.program"; the message box shows the name in its title.
    QCoreApplication::setApplicationName(QStringLiteral("tarnwick"));
#endif
    RegisterLessonFonts();
    InitFormatSettingsFromLocale();
    Randomize();
}

void TApplication::CreateRegisteredForms() {
    // By index: a window's constructor may register another.
    for (; createdForms_ < registrations_.size(); ++createdForms_) {
        TForm* form = registrations_[createdForms_].create();
        if (!mainForm_) mainForm_ = form;
    }
}

int TApplication::Run() {
    CreateRegisteredForms();
    if (!mainForm_) return 0;
    platform_->driver = std::make_unique<TSchedulerDriver>(*scheduler_);
    ShowMainForm();
    if (terminated_) return 0;
    // The end screen shows once the lesson's window has closed; that must not end the loop.
    if (mainFormClose_ == TMainFormClose::ShowsTheEndScreen)
        QGuiApplication::setQuitOnLastWindowClosed(false);
    running_ = true;
    const int status = QApplication::exec();
    running_ = false;
    return status;
}

void TApplication::ShowMainForm() {
    platform_->mainWindow = std::make_unique<TFormHostWidget>(*mainForm_);
    platform_->mainWindow->ShowAsMainWindow();
}

void TApplication::Terminate() {
    terminated_ = true;
    if (running_ && mainFormClose_ == TMainFormClose::ShowsTheEndScreen) {
        // Later: the window that closed may still be inside its own click handler.
        QTimer::singleShot(0, &platform_->lifetime, [this] { ShowEndScreen(); });
        return;
    }
    if (QCoreApplication::instance()) QCoreApplication::quit();
}

void TApplication::ShowEndScreen() {
    if (platform_->endScreen) return;
    platform_->mainWindow.reset();
    DestroyComponents();
    for (const Registration& registration : registrations_) registration.forget();
    createdForms_ = 0;
    mainForm_ = nullptr;
    platform_->endScreen = std::make_unique<TEndScreenWidget>([this] {
        // Later: the end screen is inside its own event handler.
        QTimer::singleShot(0, &platform_->lifetime, [this] { StartAfresh(); });
    });
    platform_->endScreen->ShowInPlaceOfTheLesson();
}

bool TApplication::ShowingEndScreen() const {
    return platform_->endScreen != nullptr;
}

void TApplication::StartAfresh() {
    if (mainForm_) return;
    platform_->endScreen.reset();
    terminated_ = false;
    CreateRegisteredForms();
    if (mainForm_) ShowMainForm();
}
