#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "tests/animation/EngineTestFixture.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using ExistingLabelEffectsTest = EngineTest;

TEST_F(ExistingLabelEffectsTest, EachEffectRecordsItsJobsInCallOrderWithScaledStarts) {
    engine->Reset(2);
    TLabel* label = StandingLabel(100, 50);
    engine->MoveXY_ExistLabelAnimation(label, 200, 80, 1, 3);
    engine->ChangeLabelColor(label, TAlphaColors::Red, 1.5, 9);
    engine->ChangeLabelSize(label, 40, 2, 1);
    engine->Hide_Label_Animation(label, 2.5, 1);
    engine->Rotate_Animation(label, 90, 3, 1);
    engine->AddGlowEffect(label, TAlphaColors::Gold, 3.5, 7);
    const int glowJob = Animation_JobCounter;
    engine->HideGlowEffect(glowJob, 4);

    struct Row {
        int code;
        double scaledStart;
        bool actsOnLabel;  // Animation_JobParent written
    };
    const Row rows[] = {
        {Animation_JobType_isMoveX, 2, false},           {Animation_JobType_isMoveY, 2, false},
        {Animation_JobType_isChangeLabelColor, 3, true}, {Animation_JobType_isChangeLabelSize, 4, true},
        {Animation_JobType_isHideLabel, 5, true},        {Animation_JobType_isRotate, 6, true},
        {Animation_JobType_isCreateGlowEffect, 7, true}, {Animation_JobType_isHideGlowEffect, 8, false},
    };
    ASSERT_EQ(Animation_JobCounter, 8);
    EXPECT_EQ(Pending(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    for (int z = 1; z <= 8; ++z) {
        SCOPED_TRACE(z);
        EXPECT_EQ(Animation_JobType[z], rows[z - 1].code);
        EXPECT_DOUBLE_EQ(Animation_JobStart[z], rows[z - 1].scaledStart);
        EXPECT_EQ(Animation_JobParent[z].get(), rows[z - 1].actsOnLabel ? label : nullptr);
    }
    EXPECT_EQ(glowJob, 7);
    EXPECT_EQ(Animation_LabelColor[3], TAlphaColors::Red);
    EXPECT_EQ(Animation_ReferenceNbr[7], 7);
    EXPECT_EQ(Animation_ReferenceNbr[8], 7);
}

TEST_F(ExistingLabelEffectsTest, AnimationsAreDisabledUnderTheLabelAndStartFromItsCurrentValue) {
    engine->Reset(2);
    TLabel* label = StandingLabel(100, 50);
    engine->MoveXY_ExistLabelAnimation(label, 200, 80, 1, 3);
    engine->ChangeLabelSize(label, 40, 2, 1.5);
    engine->Hide_Label_Animation(label, 2.5, 0.25);
    engine->Rotate_Animation(label, 90, 3, 4);
    engine->AddGlowEffect(label, TAlphaColors::Gold, 3.5, 7);

    struct Expected {
        TFloatAnimation* animation;
        const char* property;
        float stop;
        float scaledDuration;
    };
    const Expected cases[] = {
        {Animation_MoveX[1].get(), "Position.X", 200, 6},    {Animation_MoveY[2].get(), "Position.Y", 80, 6},
        {Animation_FontSize[3].get(), "Font.Size", 40, 3},   {Animation_Hide[4].get(), "Opacity", 0, 0.5},
        {Animation_Rotate[5].get(), "RotationAngle", 90, 8},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.property);
        ASSERT_NE(c.animation, nullptr);
        EXPECT_EQ(c.animation->PropertyName, c.property);
        EXPECT_TRUE(c.animation->StartFromCurrent);
        EXPECT_FLOAT_EQ(c.animation->StopValue, c.stop);
        EXPECT_FLOAT_EQ(c.animation->Duration, c.scaledDuration);
        EXPECT_FALSE(c.animation->Enabled());
        EXPECT_EQ(c.animation->Owner(), label);
        EXPECT_EQ(c.animation->Parent(), label);
    }
    TGlowEffect* glow = Animation_GlowEffect[6].get();
    ASSERT_NE(glow, nullptr);
    EXPECT_FALSE(glow->Enabled());
    EXPECT_EQ(glow->Owner(), label);
    EXPECT_EQ(glow->Parent(), label);
    EXPECT_EQ(glow->GlowColor, TAlphaColors::Gold);
    EXPECT_FLOAT_EQ(glow->Opacity, 0.9f);
    EXPECT_FLOAT_EQ(glow->Softness, 0.4f);
}

TEST_F(ExistingLabelEffectsTest, AMovedLabelGlidesInAStraightLine) {
    TLabel* label = StandingLabel(100, 50);
    engine->Reset(1.5);
    engine->MoveXY_ExistLabelAnimation(label, 200, 80, 0, 2);  // 3 s once scaled
    Play(0.005 + 1.5);
    // One animation frame (16.7 ms) of a 3 s move is about 0.6 px.
    EXPECT_NEAR(label->Position().X, 150, 1);
    EXPECT_NEAR(label->Position().Y, 65, 0.5);
    Wait(1.6);
    EXPECT_FLOAT_EQ(label->Position().X, 200);
    EXPECT_FLOAT_EQ(label->Position().Y, 80);
}

TEST_F(ExistingLabelEffectsTest, AMoveDueBeforeTheLabelHasEnteredLeavesItInPlace) {
    engine->Create_Label_Animation(panel, 10, 20, 1, 0.5, u"7", u"Ink Free", 30, TAlphaColors::Black, 44, 44,
                                   TTextAlign::Center, TTextAlign::Center);
    TLabel* label = Animation_Label[Animation_JobCounter].get();
    engine->MoveXY_ExistLabelAnimation(label, 300, 300, 0.5, 1);
    Play(5);
    EXPECT_TRUE(label->Visible());
    EXPECT_FLOAT_EQ(label->Position().X, 10);
    EXPECT_FLOAT_EQ(label->Position().Y, 20);
}

TEST_F(ExistingLabelEffectsTest, SizeFadeAndRotationRunFromWhereTheLabelStands) {
    struct Case {
        const char* name;
        std::function<void(TLabel*)> record;  // over 2 s from 0
        std::function<float(TLabel*)> read;
        float from, to;
    };
    const Case cases[] = {
        {"size", [&](TLabel* l) { engine->ChangeLabelSize(l, 40, 0, 2); },
         [](TLabel* l) { return l->Font().Size; }, 20, 40},
        {"fade-out", [&](TLabel* l) { engine->Hide_Label_Animation(l, 0, 2); },
         [](TLabel* l) { return l->Opacity(); }, 0.75f, 0},
        {"rotation", [&](TLabel* l) { engine->Rotate_Animation(l, 90, 0, 2); },
         [](TLabel* l) { return l->RotationAngle(); }, 0, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine->Reset(1);
        TLabel* label = StandingLabel(0, 0, 20);
        label->SetOpacity(0.75f);
        c.record(label);
        EXPECT_EQ(Animation_JobCounter, 1);
        Play(0.005 + 1);
        EXPECT_NEAR(c.read(label), (c.from + c.to) / 2, std::abs(c.to - c.from) * 0.01);
        Wait(1.1);
        EXPECT_FLOAT_EQ(c.read(label), c.to);
    }
}

TEST_F(ExistingLabelEffectsTest, AColourChangesInOneStepAtItsStartWhateverItsDuration) {
    TLabel* label = StandingLabel(0, 0);
    engine->ChangeLabelColor(label, TAlphaColors::Red, 1, 5);
    Play(0.999);
    EXPECT_EQ(label->FontColor(), TAlphaColors::Black);
    Wait(0.011);
    EXPECT_EQ(label->FontColor(), TAlphaColors::Red);
}

TEST_F(ExistingLabelEffectsTest, AGlowShowsFromItsJobUntilTheJobThatNamesIt) {
    struct Case {
        const char* name;
        double glowStart, hideStart;
        bool onAt1_5, onAt2_5;
    };
    const Case cases[] = {
        {"glow then hide", 1, 2, true, false},
        {"hide due first changes nothing", 1, 0.5, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine->Reset(1);
        TLabel* label = StandingLabel(0, 0);
        engine->AddGlowEffect(label, TAlphaColors::Gold, c.glowStart, 0);
        engine->HideGlowEffect(Animation_JobCounter, c.hideStart);
        TGlowEffect* glow = Animation_GlowEffect[1].get();
        Play(1.5);
        EXPECT_EQ(glow->Enabled(), c.onAt1_5);
        Wait(1);
        EXPECT_EQ(glow->Enabled(), c.onAt2_5);
        EXPECT_EQ(ChildrenOf<TGlowEffect>(label).size(), 1u);  // switched off, still attached
    }
}

TEST_F(ExistingLabelEffectsTest, AFontSizeAnimationAloneRecordsNothingAndStaysDisabled) {
    engine->Reset(2);
    TLabel* label = StandingLabel(0, 0);
    engine->AddFontSizeAnimation(label, 50, 3);
    EXPECT_EQ(Animation_JobCounter, 0);
    EXPECT_TRUE(Animation_Job.empty());
    const auto animations = ChildrenOf<TFloatAnimation>(label);
    ASSERT_EQ(animations.size(), 1u);
    EXPECT_EQ(animations[0]->PropertyName, "Font.Size");
    EXPECT_TRUE(animations[0]->StartFromCurrent);
    EXPECT_FLOAT_EQ(animations[0]->StopValue, 50);
    EXPECT_FLOAT_EQ(animations[0]->Duration, 1.5f);  // half, and not scaled
    EXPECT_FALSE(animations[0]->Enabled());
}

TEST_F(ExistingLabelEffectsTest, HostileArgumentsNeitherCrashNorRecordHalfAJob) {
    // No control: nothing at all.
    engine->MoveXY_ExistLabelAnimation(nullptr, 1, 1, 0, 1);
    engine->ChangeLabelColor(nullptr, TAlphaColors::Red, 0, 1);
    engine->ChangeLabelSize(nullptr, 10, 0, 1);
    engine->Hide_Label_Animation(nullptr, 0, 1);
    engine->Rotate_Animation(nullptr, 10, 0, 1);
    engine->AddGlowEffect(nullptr, TAlphaColors::Gold, 0, 1);
    engine->AddFontSizeAnimation(nullptr, 10, 1);
    EXPECT_EQ(Animation_JobCounter, 0);

    // NaN and negative durations take the stop value at once; a NaN start is due at once.
    TLabel* label = StandingLabel(100, 50);
    engine->MoveXY_ExistLabelAnimation(label, 200, 80, 0, kNaN);
    engine->Hide_Label_Animation(label, 0, -1);
    engine->ChangeLabelColor(label, TAlphaColors::Red, kNaN, kNaN);
    // Glow references that name no glow job.
    for (int zz : {0, -5, 99999, maxAnimationJob + 1}) engine->HideGlowEffect(zz, 0);
    Play(0.006);
    EXPECT_FLOAT_EQ(label->Position().X, 200);
    EXPECT_FLOAT_EQ(label->Position().Y, 80);
    EXPECT_FLOAT_EQ(label->Opacity(), 0);
    EXPECT_EQ(label->FontColor(), TAlphaColors::Red);

    // At the table's bound a move (two jobs) is refused whole; one job still fits.
    engine->Reset(1);
    FillJobTable(maxAnimationJob - 1);
    engine->MoveXY_ExistLabelAnimation(label, 0, 0, 0, 1);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob - 1);
    engine->AddGlowEffect(label, TAlphaColors::Gold, 0, 1);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
    engine->HideGlowEffect(maxAnimationJob, 1);
    engine->ChangeLabelColor(label, TAlphaColors::Red, 0, 1);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
    EXPECT_EQ(Animation_Job.size(), std::size_t(maxAnimationJob));
}

}  // namespace
