// The application creates its windows in registration order, runs until the
// main window closes, and frees its windows when it goes.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Scheduler.h"
#include "ui/Timer.h"

namespace {

std::vector<std::string> creationLog;

class FirstForm : public TForm {
public:
    explicit FirstForm(TComponent* AOwner) : TForm(AOwner) {
        creationLog.push_back("first");
        SetClientSize(120, 80);
        // A timer of its own, to be freed with the window.
        auto* timer = new TTimer(this);
        timer->SetInterval(60'000);
        timer->SetEnabled(true);
    }
};

class SecondForm : public TForm {
public:
    explicit SecondForm(TComponent* AOwner) : TForm(AOwner) { creationLog.push_back("second"); }
};

TEST(ApplicationTest, RunCreatesTheWindowsInOrderAndEndsWhenTheMainWindowCloses) {
    creationLog.clear();
    int argc = 1;
    char name[] = "tarnwick";
    char* argv[] = {name, nullptr};
    auto application = std::make_unique<TApplication>(argc, argv);
    FirstForm* first = nullptr;
    SecondForm* second = nullptr;
    application->CreateForm(first);
    application->CreateForm(second);
    // Queued now, run once the loop has started.
    QTimer::singleShot(0, [&] { first->Close(); });

    application->Run();

    EXPECT_EQ(creationLog, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(application->MainForm(), first);
    EXPECT_TRUE(application->Terminated());
    const TWeak<TForm> firstRef(first), secondRef(second);

    application.reset();

    EXPECT_FALSE(firstRef);
    EXPECT_FALSE(secondRef);
    EXPECT_EQ(Application, nullptr);
    EXPECT_FALSE(Scheduler().NextDeadlineUs());
}

TEST(ApplicationTest, InitializeGivesTheWindowsTheProgramsIconInEverySizeAMenuAsksFor) {
    int argc = 1;
    char name[] = "tarnwick";
    char* argv[] = {name, nullptr};
    QGuiApplication::setWindowIcon(QIcon());
    TApplication application(argc, argv);
    application.Initialize();
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side << " x " << side;
}

}  // namespace
