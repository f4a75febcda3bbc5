// A float animation drives one property of its parent from StartValue to
// StopValue over Duration, on the scheduler's animation clock.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/VirtualTime.h"
#include "ui/FloatAnimation.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace {

constexpr std::int64_t kFrameUs = TScheduler::kAnimationFrameUs;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Everything an animation could touch on a label, to see that nothing moved.
struct LabelState {
    float opacity, fontSize, x, y, rotation, width, height;
    bool operator==(const LabelState&) const = default;
};

LabelState StateOf(const TLabel& label) {
    return {label.Opacity(),       label.Font().Size, label.Position().X, label.Position().Y,
            label.RotationAngle(), label.Width(),     label.Height()};
}

class FloatAnimationTest : public VirtualTimeTest {
protected:
    void SetUp() override {
        VirtualTimeTest::SetUp();
        label = new TLabel(form.get());
        label->SetParent(form.get());
        label->SetText(u"7");
        label->SetStyledSettings(0);
        label->SetBounds(10, 20, 40, 50);
        label->SetFontSize(20);
    }
    void TearDown() override {
        form.reset();
        VirtualTimeTest::TearDown();
    }

    TFloatAnimation* Animate(const std::string& path, float start, float stop, float durationS) {
        auto* animation = new TFloatAnimation(label);
        animation->SetParent(label);
        animation->PropertyName = path;
        animation->StartValue = start;
        animation->StopValue = stop;
        animation->Duration = durationS;
        return animation;
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TLabel* label = nullptr;
};

TEST_F(FloatAnimationTest, NewAnimationIsOffWithAFifthOfASecondFromZeroToZero) {
    TFloatAnimation animation(nullptr);
    EXPECT_FALSE(animation.Enabled());
    EXPECT_FLOAT_EQ(animation.Duration, 0.2f);
    EXPECT_EQ(animation.StartValue, 0.0f);
    EXPECT_EQ(animation.StopValue, 0.0f);
    EXPECT_FALSE(animation.StartFromCurrent);
}

TEST_F(FloatAnimationTest, EachDottedPathReachesItsPropertyFromStartToStop) {
    struct Case {
        std::string path;
        std::function<float(const TLabel&)> read;
        float start, stop;
    };
    const std::vector<Case> cases = {
        {"Opacity", [](const TLabel& l) { return l.Opacity(); }, 0, 1},
        {"Font.Size", [](const TLabel& l) { return l.Font().Size; }, 4, 40},
        {"Position.X", [](const TLabel& l) { return l.Position().X; }, -30, 300},
        {"Position.Y", [](const TLabel& l) { return l.Position().Y; }, 500, 5},
        {"RotationAngle", [](const TLabel& l) { return l.RotationAngle(); }, 0, 360},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        TFloatAnimation* animation = Animate(c.path, c.start, c.stop, 0.2f);
        animation->SetEnabled(true);
        EXPECT_EQ(c.read(*label), c.start) << "written before Enabled returns";
        WaitUs(6 * kFrameUs);
        EXPECT_NEAR(c.read(*label), c.start + (c.stop - c.start) * 6 * kFrameUs / 200'000.0,
                    std::abs(c.stop - c.start) * 1e-4);
        WaitMs(200);
        EXPECT_EQ(c.read(*label), c.stop);
        animation->Free();
    }
}

TEST_F(FloatAnimationTest, EmptyOrUnresolvedPathDoesNothing) {
    for (const std::string path : {"", "Font", "Font.Colour", "Opacity.X", "opacity", "Position", "Text"}) {
        SCOPED_TRACE("'" + path + "'");
        const LabelState before = StateOf(*label);
        TFloatAnimation* animation = Animate(path, 7, 9, 0.2f);
        animation->SetEnabled(true);
        EXPECT_EQ(scheduler().RunningAnimationCount(), 0u);
        WaitMs(500);
        EXPECT_EQ(StateOf(*label), before);
        EXPECT_TRUE(animation->Enabled());
        animation->Free();
    }
}

TEST_F(FloatAnimationTest, ValueMovesLinearlyWithTheTimeOfEachFrame) {
    // 30 frames long, so that frames fall on simple fractions.
    TFloatAnimation* animation = Animate("Position.X", 100, 400, float(30 * kFrameUs) / 1e6f);
    animation->SetEnabled(true);
    int framesSoFar = 0;
    for (int frame : {1, 10, 15, 24, 29}) {
        WaitUs((frame - framesSoFar) * kFrameUs);
        framesSoFar = frame;
        EXPECT_NEAR(label->Position().X, 100 + 300 * frame / 30.0, 0.01) << "frame " << frame;
    }
    WaitUs(kFrameUs);
    EXPECT_EQ(label->Position().X, 400);
}

TEST_F(FloatAnimationTest, BetweenFramesThePropertyKeepsTheValueOfTheLastFrame) {
    Animate("Opacity", 0, 1, 1.0f)->SetEnabled(true);
    WaitUs(kFrameUs);
    const float afterOneFrame = label->Opacity();

    WaitUs(kFrameUs - 1);

    EXPECT_EQ(label->Opacity(), afterOneFrame);
}

TEST_F(FloatAnimationTest, AnimationEnabledWhileItsLabelIsHiddenNeverRunsEvenAfterTheLabelIsShown) {
    label->SetOpacity(0.3f);
    label->SetVisible(false);
    TFloatAnimation* fade = Animate("Opacity", 0, 1, 0.2f);

    fade->SetEnabled(true);
    label->SetVisible(true);
    fade->SetEnabled(true);  // already true: changes nothing
    WaitMs(1000);

    EXPECT_EQ(label->Opacity(), 0.3f);
    EXPECT_TRUE(fade->Enabled());
    EXPECT_FALSE(fade->Running());

    // Only a change from false to true starts it.
    fade->SetEnabled(false);
    fade->SetEnabled(true);
    EXPECT_EQ(label->Opacity(), 0.0f);
    WaitMs(300);
    EXPECT_EQ(label->Opacity(), 1.0f);
}

TEST_F(FloatAnimationTest, GrowthFromCurrentStartsAtTheLabelsFontSizeNotAtZero) {
    label->SetFontSize(26.4f);
    TFloatAnimation* growth = Animate("Font.Size", 0, 40, 0.5f);
    growth->StartFromCurrent = true;

    growth->SetEnabled(true);
    EXPECT_EQ(label->Font().Size, 26.4f);
    EXPECT_EQ(growth->StartValue, 26.4f);

    float previous = label->Font().Size;
    for (int frame = 1; frame <= 30; ++frame) {
        WaitUs(kFrameUs);
        EXPECT_GE(label->Font().Size, previous) << "frame " << frame;
        previous = label->Font().Size;
    }
    EXPECT_EQ(label->Font().Size, 40);
}

TEST_F(FloatAnimationTest, DurationBelowAMillisecondOrNotANumberShowsTheStopValueAtOnce) {
    for (float durationS : {0.0005f, 0.0009f, 0.0f, -1.0f, kNaN}) {
        SCOPED_TRACE(durationS);
        label->SetOpacity(0.5f);
        TFloatAnimation* fade = Animate("Opacity", 0, 0.75f, durationS);
        fade->StartFromCurrent = true;

        fade->SetEnabled(true);

        EXPECT_EQ(label->Opacity(), 0.75f);
        EXPECT_TRUE(fade->Enabled());
        EXPECT_FALSE(fade->Running());
        EXPECT_FALSE(scheduler().NextDeadlineUs());
        fade->Free();
    }
}

TEST_F(FloatAnimationTest, DurationOfOneMillisecondStillRunsFromTheStartValue) {
    TFloatAnimation* fade = Animate("Opacity", 0, 1, 0.001f);
    fade->SetEnabled(true);
    EXPECT_EQ(label->Opacity(), 0.0f);
    WaitUs(kFrameUs);
    EXPECT_EQ(label->Opacity(), 1.0f);
}

TEST_F(FloatAnimationTest, FinishedAnimationLeavesTheStopValueAndStaysEnabled) {
    TFloatAnimation* fade = Animate("Opacity", 0.25f, 0.8f, 0.2f);
    fade->SetEnabled(true);
    WaitMs(250);

    EXPECT_EQ(label->Opacity(), 0.8f);
    EXPECT_TRUE(fade->Enabled());
    EXPECT_FALSE(fade->Running());

    label->SetOpacity(0.1f);
    fade->SetEnabled(true);  // no change, no restart
    WaitMs(250);
    EXPECT_EQ(label->Opacity(), 0.1f);
}

TEST_F(FloatAnimationTest, DisablingMidwayLeavesThePropertyWhereItWas) {
    TFloatAnimation* move = Animate("Position.Y", 0, 300, float(30 * kFrameUs) / 1e6f);
    move->SetEnabled(true);
    WaitUs(10 * kFrameUs);

    move->SetEnabled(false);
    WaitMs(1000);

    EXPECT_NEAR(label->Position().Y, 100, 0.01);
    EXPECT_FALSE(move->Running());
    EXPECT_FALSE(scheduler().NextDeadlineUs());
}

TEST_F(FloatAnimationTest, FreedAnimationIsNoLongerAdvanced) {
    TFloatAnimation* move = Animate("Position.X", 0, 300, 1.0f);
    TFloatAnimation* spin = Animate("RotationAngle", 0, 90, 1.0f);
    move->SetEnabled(true);
    spin->SetEnabled(true);
    WaitMs(500);
    const float xWhenFreed = label->Position().X;

    move->Free();
    WaitMs(1000);

    EXPECT_EQ(label->Position().X, xWhenFreed);
    EXPECT_EQ(label->RotationAngle(), 90);
}

TEST_F(FloatAnimationTest, AnimationClockStopsWhenTheLastAnimationEnds) {
    Animate("Opacity", 0, 1, 0.2f)->SetEnabled(true);
    Animate("Position.X", 0, 1, 0.5f)->SetEnabled(true);

    WaitMs(300);
    EXPECT_EQ(scheduler().RunningAnimationCount(), 1u);
    EXPECT_TRUE(scheduler().NextDeadlineUs());

    WaitMs(300);
    EXPECT_EQ(scheduler().RunningAnimationCount(), 0u);
    EXPECT_FALSE(scheduler().NextDeadlineUs());
}

}  // namespace
