#include "ui/Application.h"

#include <QApplication>

#include "ui/Fonts.h"
#include "ui/FormHost_qt.h"
#include "ui/Runtime.h"
#include "ui/Scheduler.h"
#include "ui/SchedulerDriver_qt.h"

TApplication* Application = nullptr;

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

void TApplication::Initialize() {
    if (!QCoreApplication::instance())
        platform_->qtApplication = std::make_unique<QApplication>(argc_, argv_);
    // The board is a fixed layout: left to right whatever the locale or -reverse say.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
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
