// The speed slider picks the time scale of the next lesson step: its value,
// rounded half to even, is a setting from 1 (SLOW) to 6 (FAST).
#include "tests/support/LessonFixture.h"

namespace {

struct SliderCase {
    float value;
    double expectedScale;
};

class SpeedBySetting : public LessonTest, public ::testing::WithParamInterface<SliderCase> {};
using SpeedSliderTest = LessonTest;

TEST_P(SpeedBySetting, SetsTheTimeScaleOfTheRoundedSetting) {
    lesson().tbTimeScale->SetValue(GetParam().value);
    EXPECT_DOUBLE_EQ(vvTimeScale, GetParam().expectedScale);
}

INSTANTIATE_TEST_SUITE_P(SettingsAndHalfway, SpeedBySetting,
                         ::testing::Values(SliderCase{1, 1.5}, SliderCase{2, 1}, SliderCase{4, 0.5},
                                           SliderCase{5, 0.25}, SliderCase{6, 0.125},
                                           SliderCase{2.5f, 1},    // rounds to 2
                                           SliderCase{3.5f, 0.5},  // rounds to 4
                                           SliderCase{1.49f, 1.5}, SliderCase{5.51f, 0.125}));

TEST_F(SpeedSliderTest, BeyondTheSixSettingsLeavesTheScaleAlone) {
    // The layout's range keeps the value within 1 … 6; a wider range is the
    // only way the handler can meet a value with no setting.
    lesson().tbTimeScale->SetRange(-5, 20);
    lesson().tbTimeScale->SetValue(5);
    ASSERT_DOUBLE_EQ(vvTimeScale, 0.25);
    for (float outside : {0.4f, 0.0f, -3.0f, 6.6f, 7.0f, 19.0f}) {
        lesson().tbTimeScale->SetValue(outside);
        EXPECT_DOUBLE_EQ(vvTimeScale, 0.25) << "slider at " << outside;
    }
}

TEST_F(SpeedSliderTest, LeavesARecordedPresentationAlone) {
    StartWalkthroughOf(5, 6, 2);
    const double lastStart = Animation_JobStart[Animation_JobCounter];
    lesson().tbTimeScale->SetValue(6);
    EXPECT_DOUBLE_EQ(vvTimeScale, 0.125);
    EXPECT_DOUBLE_EQ(Animation_JobStart[Animation_JobCounter], lastStart);
    EXPECT_DOUBLE_EQ(engine().time_Scale, 0.75);
    EXPECT_EQ(lesson().timStep4->Interval(), 12750);
}

}  // namespace
