#include <gtest/gtest.h>

#include <limits>

#include "tests/animation/EngineTestFixture.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using ColumnTransform = void (TfAnimation::*)(TControl*, double, double, double, double, double, double,
                                              double, const UnicodeString&, double, const TNbrArray&);

constexpr ColumnTransform kTimes = &TfAnimation::Formula_Multiple_Horizontal_TransformTo_Vertical;
constexpr ColumnTransform kPlus = &TfAnimation::Formula_Addition_Horizontal_TransformTo_Vertical;
constexpr ColumnTransform kMinus = &TfAnimation::Formula_Substraction_Horizontal_TransformTo_Vertical;

// The six jobs of one copy, in the order they are recorded.
constexpr int kCopyCodes[] = {Animation_JobType_isLabel,          Animation_JobType_isCreateGlowEffect,
                              Animation_JobType_isHideGlowEffect, Animation_JobType_isMoveX,
                              Animation_JobType_isMoveY,          Animation_JobType_isChangeLabelColor};

constexpr TAlphaColor kRed = 0xFFFF0000;
constexpr TAlphaColor kGold = 0xFFFFD700;
constexpr TAlphaColor kBlack = 0xFF000000;

struct Place {
    float left, top;
};

class ColumnTransformsTest : public EngineTest {
protected:
    // The column right-aligned on 440, with arguments that must change nothing
    // (aNewLeft, aStart, aDuration) set to values that would show if read.
    void Transform(ColumnTransform transform, const TNbrArray& operands, double aLeft = 0, double aTop = 0,
                   double aNewTop = 0) {
        TfAnimation& transforming = *engine;  // `engine->*` trips a false vptr report in GCC's UBSan
        (transforming.*transform)(panel, aLeft, aTop, 999, aNewTop, 440, 100, 50, u"DFKai-SB", 40, operands);
    }
    static int CopyJob(int copy) { return 1 + 6 * copy; }
    static TLabel* Copy(int copy) { return Animation_Label[CopyJob(copy)].get(); }
};

TEST_F(ColumnTransformsTest, TheWorkedExamplesGiveTheirPlacesRuleLinesAndJobCounts) {
    struct Case {
        const char* name;
        ColumnTransform transform;
        TNbrArray operands;
        UnicodeString copies;  // one character each: first operand, operator, second operand
        std::vector<Place> targets;
        float ruleLeft, ruleWidth;
        int jobs;
    };
    // clang-format off
    const Case cases[] = {
        {"23 x 4", kTimes, {23, 4}, u"23x4", {{352, 0}, {396, 0}, {308, 44}, {396, 44}}, 308, 132, 25},
        {"123 x 45", kTimes, {123, 45}, u"123x45",
         {{308, 0}, {352, 0}, {396, 0}, {264, 44}, {352, 44}, {396, 44}}, 264, 176, 37},
        {"23 x 45 widens for a four-digit product", kTimes, {23, 45}, u"23x45",
         {{352, 0}, {396, 0}, {264, 44}, {352, 44}, {396, 44}}, 264, 176, 31},
        {"47 + 385", kPlus, {47, 385}, u"47+385",
         {{352, 0}, {396, 0}, {264, 44}, {308, 44}, {352, 44}, {396, 44}}, 264, 176, 37},
        {"305 - 47", kMinus, {305, 47}, u"305-47",
         {{308, 0}, {352, 0}, {396, 0}, {264, 44}, {352, 44}, {396, 44}}, 264, 176, 37},
        {"7 + 9", kPlus, {7, 9}, u"7+9", {{396, 0}, {352, 44}, {396, 44}}, 352, 88, 19},
        {"3 - 45 keeps the first operand on top", kMinus, {3, 45}, u"3-45",
         {{396, 0}, {308, 44}, {352, 44}, {396, 44}}, 308, 132, 25},
        {"-9 - 99 counts the sign of the result", kMinus, {-9, 99}, u"-9-99",
         {{352, 0}, {396, 0}, {264, 44}, {352, 44}, {396, 44}}, 264, 176, 31},
        {"1000 - 0.001 gives seven characters", kMinus, {1000, 0.001}, u"1000-0.001",
         {{264, 0}, {308, 0}, {352, 0}, {396, 0}, {132, 44},
          {220, 44}, {264, 44}, {308, 44}, {352, 44}, {396, 44}}, 132, 308, 61},
        {"1000 + 0.001 gives eight characters", kPlus, {1000, 0.001}, u"1000+0.001",
         {{264, 0}, {308, 0}, {352, 0}, {396, 0}, {88, 44},
          {220, 44}, {264, 44}, {308, 44}, {352, 44}, {396, 44}}, 88, 352, 61},
        {"-3 x 4", kTimes, {-3, 4}, u"-3x4", {{352, 0}, {396, 0}, {308, 44}, {396, 44}}, 308, 132, 25},
        {"1.5 x 2", kTimes, {1.5, 2}, u"1.5x2",
         {{308, 0}, {352, 0}, {396, 0}, {264, 44}, {396, 44}}, 264, 176, 31},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine->Reset(1);
        Transform(c.transform, c.operands);
        ASSERT_EQ(Animation_JobCounter, c.jobs);
        ASSERT_EQ(int(Animation_Job.size()), c.jobs);
        ASSERT_EQ(c.copies.size(), c.targets.size());
        for (int k = 0; k < int(c.copies.size()); ++k) {
            SCOPED_TRACE(k);
            const int z = CopyJob(k);
            for (int j = 0; j < 6; ++j) EXPECT_EQ(Animation_JobType[z + j], kCopyCodes[j]);
            TLabel* copy = Copy(k);
            ASSERT_NE(copy, nullptr);
            EXPECT_EQ(copy->Text(), c.copies.substr(std::size_t(k), 1));
            // Every copy appears in its character's slot of the one-line row.
            EXPECT_FLOAT_EQ(copy->Position().X, 44 * k);
            EXPECT_FLOAT_EQ(copy->Position().Y, 0);
            EXPECT_FLOAT_EQ(Animation_MoveX[z + 3]->StopValue, c.targets[std::size_t(k)].left);
            EXPECT_FLOAT_EQ(Animation_MoveY[z + 4]->StopValue, c.targets[std::size_t(k)].top);
        }
        // The operator stands at the rule line's left end.
        EXPECT_DOUBLE_EQ(engine->signLeft, c.ruleLeft);
        EXPECT_DOUBLE_EQ(engine->signTop, 44);
        EXPECT_EQ(Animation_JobType[c.jobs], Animation_JobType_isRectangle);
        TRectangle* rule = Animation_Rectangle[c.jobs].get();
        ASSERT_NE(rule, nullptr);
        EXPECT_FLOAT_EQ(rule->Position().X, c.ruleLeft);
        EXPECT_FLOAT_EQ(rule->Position().Y, 87.5);
        EXPECT_FLOAT_EQ(rule->Width(), c.ruleWidth);
        EXPECT_FLOAT_EQ(rule->Height(), 2);
    }
}

TEST_F(ColumnTransformsTest, EachCopyAppearsRedGlowsGoldAndTurnsBlackOnTheTimetable) {
    engine->Reset(0.5);
    engine->AddJobScheduleTime(2);
    Transform(kTimes, {23, 4});  // copies "2", "3", "x", "4"

    struct Times {
        double appear, glowOff, moveStart, moveDuration, black;
        float fontSize;
    };
    const Times first{0, 7, 3, 3, 6, 40}, sign{4.5, 11.5, 5.5, 2, 8.5, 33}, second{8, 15, 11, 3, 14, 33};
    const Times* perCopy[] = {&first, &first, &sign, &second};
    auto at = [](double offset) { return 0.5 * (2 + offset); };
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const Times& t = *perCopy[k];
        const int z = CopyJob(k);
        TLabel* copy = Copy(k);
        EXPECT_DOUBLE_EQ(Animation_JobStart[z], at(t.appear));
        EXPECT_DOUBLE_EQ(Animation_JobStart[z + 1], at(t.appear));
        EXPECT_DOUBLE_EQ(Animation_JobStart[z + 2], at(t.glowOff));
        EXPECT_DOUBLE_EQ(Animation_JobStart[z + 3], at(t.moveStart));
        EXPECT_DOUBLE_EQ(Animation_JobStart[z + 4], at(t.moveStart));
        EXPECT_DOUBLE_EQ(Animation_JobStart[z + 5], at(t.black));
        EXPECT_FLOAT_EQ(Animation_Opacity[z]->Duration, 1);
        EXPECT_FLOAT_EQ(Animation_MoveX[z + 3]->Duration, float(0.5 * t.moveDuration));
        EXPECT_FLOAT_EQ(Animation_MoveY[z + 4]->Duration, float(0.5 * t.moveDuration));
        EXPECT_FLOAT_EQ(Animation_FontSize[z]->StopValue, t.fontSize);
        EXPECT_EQ(copy->Font().Family, u"DFKai-SB");
        EXPECT_EQ(copy->FontColor(), kRed);
        EXPECT_FLOAT_EQ(copy->Width(), 44);
        EXPECT_EQ(copy->HorzAlign(), TTextAlign::Center);
        EXPECT_EQ(copy->VertAlign(), TTextAlign::Center);
        EXPECT_EQ(Animation_GlowEffect[z + 1]->Parent(), copy);
        EXPECT_EQ(Animation_GlowEffect[z + 1]->GlowColor, kGold);
        EXPECT_EQ(Animation_ReferenceNbr[z + 2], z + 1);
        EXPECT_EQ(Animation_MoveX[z + 3]->Parent(), copy);
        EXPECT_EQ(Animation_JobParent[z + 5].get(), copy);
        EXPECT_EQ(Animation_LabelColor[z + 5], kBlack);
    }
    EXPECT_DOUBLE_EQ(Animation_JobStart[25], at(15));
    EXPECT_FLOAT_EQ(Animation_Opacity[25]->Duration, 1);
    EXPECT_EQ(Animation_Rectangle[25]->Fill().Color, kBlack);
    EXPECT_DOUBLE_EQ(engine->JobSchedule_StartTime, 2);  // read, not moved
}

TEST_F(ColumnTransformsTest, OnlyTheFirstRowFollowsTheFormulaRowAndTheNewTop) {
    Transform(kPlus, {47, 385}, 10, 200, 300);
    const Place starts[] = {{10, 200}, {54, 200}, {98, 0}, {142, 0}, {186, 0}, {230, 0}};
    const float targetTops[] = {300, 300, 44, 44, 44, 44};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_FLOAT_EQ(Copy(k)->Position().X, starts[k].left);
        EXPECT_FLOAT_EQ(Copy(k)->Position().Y, starts[k].top);
        EXPECT_FLOAT_EQ(Animation_MoveY[CopyJob(k) + 4]->StopValue, targetTops[k]);
    }
    EXPECT_FLOAT_EQ(Animation_Rectangle[37]->Position().Y, 87.5);
}

TEST_F(ColumnTransformsTest, AfterSeventeenSecondsTheColumnStandsBesideTheUntouchedRow) {
    engine->Create_MultipleFormula_Animation(panel, 0, 0, 0, 0.8, {23, 4}, u"DFKai-SB", 40, kBlack, 44, 44,
                                             TTextAlign::Center, TTextAlign::Center);
    const int rowLabels = Animation_JobCounter;
    engine->Formula_Multiple_Horizontal_TransformTo_Vertical(panel, 0, 0, 0, 0, 440, 0, 0, u"DFKai-SB", 40,
                                                             {23, 4});
    auto copy = [&](int k) { return Animation_Label[rowLabels + CopyJob(k)].get(); };
    auto glow = [&](int k) { return Animation_GlowEffect[rowLabels + CopyJob(k) + 1].get(); };

    Play(1);
    EXPECT_TRUE(copy(0)->Visible());
    EXPECT_EQ(copy(0)->FontColor(), kRed);
    EXPECT_TRUE(glow(0)->Enabled());
    EXPECT_FALSE(copy(2)->Visible());

    Wait(16.1);
    const Place targets[] = {{352, 0}, {396, 0}, {308, 44}, {396, 44}};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(copy(k)->Visible());
        EXPECT_FLOAT_EQ(copy(k)->Opacity(), 1);
        EXPECT_FLOAT_EQ(copy(k)->Position().X, targets[k].left);
        EXPECT_FLOAT_EQ(copy(k)->Position().Y, targets[k].top);
        EXPECT_EQ(copy(k)->FontColor(), kBlack);
        EXPECT_FALSE(glow(k)->Enabled());
    }
    TRectangle* rule = Animation_Rectangle[rowLabels + 25].get();
    EXPECT_TRUE(rule->Visible());
    EXPECT_FLOAT_EQ(rule->Opacity(), 1);
    for (int z = 1; z <= rowLabels; ++z) {
        EXPECT_FLOAT_EQ(Animation_Label[z]->Position().X, 44 * (z - 1));
        EXPECT_FLOAT_EQ(Animation_Label[z]->Position().Y, 0);
    }
    EXPECT_TRUE(Animation_Job.empty());
}

TEST_F(ColumnTransformsTest, FewerThanTwoOperandsTellTheUserAndRecordNothing) {
    for (ColumnTransform transform : {kTimes, kPlus, kMinus}) {
        Transform(transform, {});
        Transform(transform, {7});
    }
    EXPECT_EQ(messages, std::vector<UnicodeString>(6, u"Not sufficient parameters"));
    EXPECT_EQ(Animation_JobCounter, 0);
    EXPECT_TRUE(panel->Children().empty());
}

TEST_F(ColumnTransformsTest, HostileArgumentsNeitherCrashNorLeaveAHalfBuiltColumn) {
    // "NAN" operands and a "NAN" result: three characters each.
    Transform(kTimes, {kNaN, 2});
    EXPECT_EQ(Animation_JobCounter, 6 * 5 + 1);
    EXPECT_FLOAT_EQ(Animation_Rectangle[31]->Width(), 176);

    engine->Reset(1);
    engine->Formula_Addition_Horizontal_TransformTo_Vertical(nullptr, 0, 0, 0, 0, 440, 0, 0, u"Ink Free", 40,
                                                             {1, 2});
    engine->Formula_Addition_Horizontal_TransformTo_Vertical(panel, 0, 0, 0, 0, 440, 0, 0, u"\U0001F600", 40,
                                                             {1, 2});
    EXPECT_EQ(Animation_JobCounter, 19);

    // 23 x 4 needs 25 jobs: refused whole with 24 left, recorded with 25.
    engine->Reset(1);
    FillJobTable(maxAnimationJob - 24);
    const std::size_t childrenBefore = panel->Children().size();
    Transform(kTimes, {23, 4});
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob - 24);
    EXPECT_EQ(panel->Children().size(), childrenBefore);
    engine->Reset(1);
    FillJobTable(maxAnimationJob - 25);
    Transform(kTimes, {23, 4});
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
    EXPECT_EQ(Animation_JobType[maxAnimationJob], Animation_JobType_isRectangle);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
