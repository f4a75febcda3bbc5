// The speed setting scales the whole lesson, and with it the timers that
// bring back "計算結果" and "出題".
#include "tests/support/LessonFixture.h"

namespace {

struct SpeedCase {
    float setting;
    int resultButtonMs;   // timStep4: the sixth product's scaled start
    int problemButtonMs;  // timStep1: the sixth result's scaled start
};

class StepTimersBySpeed : public LessonTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(StepTimersBySpeed, MatchTheLastScaledStartOfEachPresentation) {
    const SpeedCase& speed = GetParam();
    lesson().tbTimeScale->SetValue(speed.setting);
    StartWalkthroughOf(5, 6, 2);  // the activation takes the speed the slider shows
    EXPECT_EQ(lesson().timStep4->Interval(), speed.resultButtonMs);
    session->WaitMs(speed.resultButtonMs);
    ASSERT_TRUE(lesson().btnStep4->Visible());

    lesson().btnStep4->Click();
    EXPECT_EQ(lesson().timStep1->Interval(), speed.problemButtonMs);
    session->WaitMs(speed.problemButtonMs);
    EXPECT_TRUE(lesson().btnStep1->Visible());
}

// At the fastest setting 35.5 × 0.125 s is 4437.5 ms, rounded to the even 4438.
INSTANTIATE_TEST_SUITE_P(SlowToFast, StepTimersBySpeed,
                         ::testing::Values(SpeedCase{1, 25500, 53250}, SpeedCase{2, 17000, 35500},
                                           SpeedCase{3, 12750, 26625}, SpeedCase{4, 8500, 17750},
                                           SpeedCase{5, 4250, 8875}, SpeedCase{6, 2125, 4438}));

}  // namespace
