// Becoming the active window and pressing "出題" both draw a problem and clear
// the stage for the next step, whatever was playing.
#include <set>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

using ActivationTest = LessonTest;

TEST_F(ActivationTest, PreparesTheWindowForANewProblem) {
    ASSERT_EQ(BoxSize, 96);

    lesson().Activate();

    EXPECT_EQ(BoxSize, 44);
    EXPECT_DOUBLE_EQ(vvTimeScale, 0.75) << "the slider's starting position";
    EXPECT_TRUE(lesson().btnStep1->Visible());
    for (TControl* hidden :
         {static_cast<TControl*>(lesson().btnStep2), static_cast<TControl*>(lesson().btnStep3),
          static_cast<TControl*>(lesson().btnStep4), static_cast<TControl*>(lesson().SeedNbr)})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name;
}

// A teacher sets the speed once for a class; coming back to the window keeps
// the speed the slider shows.
TEST_F(ActivationTest, TakesTheSpeedTheSliderShows) {
    const struct {
        float slider;
        double scale;
    } cases[] = {{6, 0.125}, {1, 1.5}, {4.4, 0.5}, {3, 0.75}};
    lesson().Activate();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slider);
        lesson().tbTimeScale->SetValue(c.slider);
        vvTimeScale = 0;  // whatever it was, activation must set it
        lesson().Activate();
        EXPECT_DOUBLE_EQ(vvTimeScale, c.scale);
        EXPECT_FLOAT_EQ(lesson().tbTimeScale->Value(), c.slider) << "the slider is not moved";
        lesson().btnStep3->SetVisible(true);
        lesson().btnStep3->Click();
        EXPECT_DOUBLE_EQ(engine().time_Scale, c.scale) << "the walkthrough plays at the speed shown";
    }
}

TEST_F(ActivationTest, DrawsThreeDifferentNumbersAndKeepsTheOtherFive) {
    RandSeed(20260105);
    for (int draw = 0; draw < 50; ++draw) {
        lesson().Activate();
        std::set<int> numbers;
        for (TLabel* number : {lesson().txtNbr1, lesson().txtNbr2, lesson().txtNbr3}) {
            const int n = StrToInt(number->Text());
            EXPECT_EQ(IntToStr(n), number->Text());
            EXPECT_GE(n, 2);
            EXPECT_LE(n, 9);
            numbers.insert(n);
        }
        ASSERT_EQ(numbers.size(), 3u) << "draw " << draw;
        ASSERT_EQ(lesson().SeedNbr->Items.Count(), 5);
        for (int i = 0; i < 5; ++i) numbers.insert(StrToInt(lesson().SeedNbr->Items[i]));
        EXPECT_EQ(numbers.size(), 8u) << "the list keeps exactly the numbers not drawn";
    }
}

TEST_F(ActivationTest, ClearsThePanelAndResetsTheEngineMidPresentation) {
    lesson().Activate();
    Wait(1);
    lesson().btnStep3->Click();
    Wait(2);  // the walkthrough is under way
    ASSERT_GT(lesson().paneCAL->ComponentCount(), 0);
    ASSERT_FALSE(Animation_Job.empty());

    lesson().Activate();

    EXPECT_EQ(lesson().paneCAL->ComponentCount(), 0);
    EXPECT_EQ(lesson().timStep1->Parent(), lesson().paneCAL)
        << "the layout's timer is not the panel's to free";
    EXPECT_EQ(Animation_JobCounter, 0);
    EXPECT_TRUE(Animation_Job.empty());
    EXPECT_FALSE(engine().timStepByStep->Enabled());
    EXPECT_DOUBLE_EQ(engine().time_Scale, 0.75);
    EXPECT_DOUBLE_EQ(engine().JobSchedule_StartTime, 0);
}

TEST_F(ActivationTest, ArrangementButtonAppearsOneSecondAfterTheDraw) {
    lesson().Activate();
    session->WaitMs(999);
    EXPECT_FALSE(lesson().btnStep3->Visible());
    session->WaitMs(1);
    EXPECT_TRUE(lesson().btnStep3->Visible());
    EXPECT_FALSE(lesson().timStep3->Enabled()) << "a one-shot timer";
}

TEST_F(ActivationTest, DrawingAgainRestartsTheOneSecondDelay) {
    lesson().Activate();
    Wait(0.6);
    lesson().btnStep1->Click();
    Wait(0.9);
    EXPECT_FALSE(lesson().btnStep3->Visible()) << "1.5 s after the first draw, 0.9 s after the second";
    Wait(0.1);
    EXPECT_TRUE(lesson().btnStep3->Visible());
}

TEST_F(ActivationTest, DrawingAgainLeavesAVisibleArrangementButtonVisible) {
    lesson().Activate();
    Wait(1);
    lesson().btnStep1->Click();
    EXPECT_TRUE(lesson().btnStep3->Visible());
    EXPECT_TRUE(lesson().btnStep1->Visible());
}

// Activation leaves the timers that bring back the result and problem
// buttons running: each still fires on time and shows its button.
struct RunningTimerCase {
    const char* name;
    TTimer* TfMultipleDemo::*timer;
    TButton* TfMultipleDemo::*button;
};

class ActivationLeavesTimerRunning : public LessonTest,
                                     public ::testing::WithParamInterface<RunningTimerCase> {};

TEST_P(ActivationLeavesTimerRunning, AndItsButtonComesBackOnTime) {
    TTimer* timer = lesson().*GetParam().timer;
    TButton* button = lesson().*GetParam().button;
    button->SetVisible(false);
    timer->SetInterval(3000);
    timer->SetEnabled(true);
    Wait(2);

    lesson().Activate();
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 3000);
    EXPECT_FALSE(button->Visible());

    session->WaitMs(999);
    EXPECT_FALSE(button->Visible()) << "not restarted by the activation";
    session->WaitMs(1);
    EXPECT_TRUE(button->Visible());
}

INSTANTIATE_TEST_SUITE_P(
    ResultAndProblemTimers, ActivationLeavesTimerRunning,
    ::testing::Values(RunningTimerCase{"timStep4", &TfMultipleDemo::timStep4, &TfMultipleDemo::btnStep4},
                      RunningTimerCase{"timStep1", &TfMultipleDemo::timStep1, &TfMultipleDemo::btnStep1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
