// The application creates its windows in registration order, runs until the
// main window closes, and frees its windows when it goes. In a web page,
// where closing ends nothing, the windows give way to an end screen, and a
// click on it creates them afresh.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/EndScreen_qt.h"
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

TEndScreenWidget* ShownEndScreen() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* screen = dynamic_cast<TEndScreenWidget*>(widget); screen && screen->isVisible())
            return screen;
    return nullptr;
}

TEST(ApplicationTest, InAPageClosingTheMainWindowShowsTheEndScreenAndAClickStartsTheWindowsAfresh) {
    creationLog.clear();
    int argc = 1;
    char name[] = "tarnwick";
    char* argv[] = {name, nullptr};
    auto application = std::make_unique<TApplication>(argc, argv);
    application->SetMainFormClose(TMainFormClose::ShowsTheEndScreen);
    FirstForm* first = nullptr;
    SecondForm* second = nullptr;
    application->CreateForm(first);
    application->CreateForm(second);
    TWeak<TForm> firstBefore, secondBefore;
    bool endScreenChecked = false, startedAfresh = false;

    // Each step is queued after the one before and after what that one queued, as a user's actions come.
    QTimer::singleShot(0, [&] {
        firstBefore = first;
        secondBefore = second;
        first->Close();
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(application->ShowingEndScreen());
            EXPECT_FALSE(firstBefore) << "the windows are freed, as when the program ends";
            EXPECT_FALSE(secondBefore);
            EXPECT_EQ(first, nullptr);
            EXPECT_EQ(second, nullptr);
            EXPECT_EQ(application->MainForm(), nullptr);
            EXPECT_FALSE(application->Scheduler().NextDeadlineUs())
                << "nothing wakes while the end screen waits";
            TEndScreenWidget* endScreen = ShownEndScreen();
            ASSERT_NE(endScreen, nullptr);
            endScreenChecked = true;
            for (int click = 0; click < 2; ++click) {
                QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(endScreen, &press);
            }
            QTimer::singleShot(0, [&] {
                startedAfresh = true;
                EXPECT_EQ(creationLog, (std::vector<std::string>{"first", "second", "first", "second"}))
                    << "a double click starts the lesson once";
                EXPECT_FALSE(application->ShowingEndScreen());
                EXPECT_EQ(ShownEndScreen(), nullptr);
                ASSERT_NE(first, nullptr);
                EXPECT_NE(second, nullptr);
                EXPECT_EQ(application->MainForm(), first);
                EXPECT_FALSE(application->Terminated());
                EXPECT_TRUE(application->Scheduler().NextDeadlineUs()) << "the new window's timer runs";
                application->SetMainFormClose(TMainFormClose::EndsTheProgram);
                first->Close();
            });
        });
    });

    application->Run();
    QGuiApplication::setQuitOnLastWindowClosed(true);

    EXPECT_TRUE(endScreenChecked);
    EXPECT_TRUE(startedAfresh);
    EXPECT_TRUE(application->Terminated());
}

}  // namespace
