// The entrance builders: a label (or one label per character) placed hidden,
// shown at its scaled start, fading in and growing from four fifths of its size.
#include <gtest/gtest.h>

#include "tests/animation/EngineTestFixture.h"
#include "ui/TextMeasure.h"

namespace {

using LabelEntrancesTest = EngineTest;

void ExpectCentredCell(const TLabel* label, float x, float y) {
    ASSERT_NE(label, nullptr);
    EXPECT_FLOAT_EQ(label->Position().X, x);
    EXPECT_FLOAT_EQ(label->Position().Y, y);
    EXPECT_EQ(label->HorzAlign(), TTextAlign::Center);
    EXPECT_EQ(label->VertAlign(), TTextAlign::Center);
}

TEST_F(LabelEntrancesTest, AStringIsOneLabelPerCharacterBoxSizeApartUnderConsecutiveJobs) {
    engine->Create_String_Animation(panel, 0, 0, 2, 0.8, u"排列方法", u"標楷體", 33, TAlphaColors::Navy, 44,
                                    44, TTextAlign::Center, TTextAlign::Center);
    ASSERT_EQ(Pending(), (std::vector<int>{1, 2, 3, 4}));
    const UnicodeString text = u"排列方法";
    for (int z = 1; z <= 4; ++z) {
        SCOPED_TRACE(z);
        EXPECT_EQ(Animation_JobType[z], Animation_JobType_isLabel);
        EXPECT_DOUBLE_EQ(Animation_JobStart[z], 2);
        TLabel* label = Animation_Label[z].get();
        ASSERT_NE(label, nullptr);
        EXPECT_FLOAT_EQ(label->Position().X, 44.0f * (z - 1));
        EXPECT_EQ(label->Text(), text.substr(std::size_t(z - 1), 1));
        EXPECT_EQ(label->Owner(), panel);
        EXPECT_EQ(label->Parent(), panel);
    }
    EXPECT_EQ(Animation_JobCounter, 4);
}

TEST_F(LabelEntrancesTest, ALabelWaitsHiddenThenFadesInAndGrowsToItsSize) {
    engine->Create_Label_Animation(panel, 10, 20, 1, 0.8, u"5", u"Ink Free", 33, TAlphaColors::Navy, 44, 44,
                                   TTextAlign::Center, TTextAlign::Center);
    TLabel* label = Animation_Label[1].get();
    EXPECT_FALSE(label->Visible());
    EXPECT_FLOAT_EQ(label->Font().Size, 26.4f);
    EXPECT_EQ(label->StyledSettings(), 0);
    EXPECT_EQ(label->FontColor(), TAlphaColors::Navy);
    Play(0.995);
    EXPECT_FALSE(label->Visible());
    Wait(0.2);  // 0.19 s into the entrance: a quarter of the fade, half of the growth
    EXPECT_TRUE(label->Visible());
    EXPECT_NEAR(label->Opacity(), 0.19 / 0.8, 0.03);
    EXPECT_NEAR(label->Font().Size, 26.4 + 6.6 * 0.19 / 0.4, 0.4);
    Wait(1);
    EXPECT_FLOAT_EQ(label->Opacity(), 1);
    EXPECT_FLOAT_EQ(label->Font().Size, 33);
}

TEST_F(LabelEntrancesTest, TheTimeScaleStretchesStartFadeAndGrowth) {
    engine->Reset(2);
    engine->Create_Label_Animation(panel, 0, 0, 1, 0.8, u"x", u"Ink Free", 33, TAlphaColors::Navy, 44, 44,
                                   TTextAlign::Center, TTextAlign::Center);
    EXPECT_DOUBLE_EQ(Animation_JobStart[1], 2);
    EXPECT_FLOAT_EQ(Animation_Opacity[1]->Duration, 1.6f);
    EXPECT_FLOAT_EQ(Animation_FontSize[1]->Duration, 0.8f);
}

TEST_F(LabelEntrancesTest, AZeroDurationShowsTheLabelAtOnceInFull) {
    engine->Create_Label_Animation(panel, 0, 0, 0, 0, u"7", u"Ink Free", 30, TAlphaColors::Navy, 44, 44,
                                   TTextAlign::Center, TTextAlign::Center);
    Play(0.006);
    TLabel* label = Animation_Label[1].get();
    EXPECT_TRUE(label->Visible());
    EXPECT_FLOAT_EQ(label->Opacity(), 1);
    EXPECT_FLOAT_EQ(label->Font().Size, 30);
}

TEST_F(LabelEntrancesTest, ARightAlignedLabelEndsAtItsRightEdgeWhateverItsWidth) {
    TBitmap measuring;
    measuring.Canvas.Font = {u"Ink Free", 24 * 4 / 5.0f};
    const float w = measuring.Canvas.TextWidth(u"7");
    ASSERT_GT(w, 0);
    for (double width : {10.0, 44.0, 500.0}) {
        engine->Reset(1);
        engine->Create_Label_Animation_Right(panel, 300, 0, 0, 0.9, u"7", u"Ink Free", 24, TAlphaColors::Navy,
                                             width, 44, TTextAlign::Leading, TTextAlign::Center);
        const TLabel* label = Animation_Label[1].get();
        EXPECT_NEAR(label->Position().X, 300 - w, 1e-3);
        EXPECT_NEAR(label->Position().X + label->Width(), 304, 1e-3);
        EXPECT_FLOAT_EQ(Animation_FontSize[1]->Duration, 0.3f) << "grows in a third of the entrance";
    }
}

TEST_F(LabelEntrancesTest, ColumnsAndRowsCentreEveryCharacterInTouchingCells) {
    engine->Create_Label_Animation_Vertical(panel, 5, 10, 0, 1, u"abc", u"Ink Free", 20, TAlphaColors::Navy,
                                            30, 40, TTextAlign::Leading, TTextAlign::Trailing);
    engine->Create_Label_Animation_Horizontal(panel, 5, 10, 0, 1, u"abc", u"Ink Free", 20, TAlphaColors::Navy,
                                              30, 40, TTextAlign::Leading, TTextAlign::Trailing);
    ASSERT_EQ(Animation_JobCounter, 6);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ExpectCentredCell(Animation_Label[1 + i].get(), 5, 10 + 40.0f * i);
        ExpectCentredCell(Animation_Label[4 + i].get(), 5 + 30.0f * i, 10);
    }
}

TEST_F(LabelEntrancesTest, AHidingLabelTakesTwoJobsDimsAsItEntersAndFadesOutLater) {
    engine->Create_Label_Animation_And_Hide(panel, 0, 0, 1, 1, 3, 1, u"隱", u"標楷體", 30, TAlphaColors::Navy,
                                            44, 44, TTextAlign::Center, TTextAlign::Center);
    ASSERT_EQ(Pending(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Animation_JobType[2], Animation_JobType_isHideLabel);
    EXPECT_DOUBLE_EQ(Animation_JobStart[2], 3);
    EXPECT_EQ(Animation_Label[2].get(), nullptr);
    TLabel* label = Animation_Label[1].get();
    EXPECT_EQ(Animation_Hide[2]->Parent(), label);
    Play(1.01);
    EXPECT_NEAR(label->Opacity(), 1, 0.01) << "shows fully opaque first";
    Wait(1.5);
    EXPECT_FLOAT_EQ(label->Opacity(), 0.75f);
    Wait(1.5);
    EXPECT_FLOAT_EQ(label->Opacity(), 0);
    EXPECT_TRUE(label->Visible());
}

TEST_F(LabelEntrancesTest, AFadeOutDueBeforeItsEntranceNeverRuns) {
    engine->Create_Label_Animation_Horizontal_And_Hide(panel, 0, 0, 2, 1, 1, 1, u"ab", u"Ink Free", 30,
                                                       TAlphaColors::Navy, 44, 44, TTextAlign::Center,
                                                       TTextAlign::Center);
    ASSERT_EQ(Pending(), (std::vector<int>{1, 2, 3, 4}));
    Play(5);
    for (int z : {1, 3}) {
        EXPECT_TRUE(Animation_Label[z]->Visible());
        EXPECT_FLOAT_EQ(Animation_Label[z]->Opacity(), 0.75f) << "the label enters late and stays";
    }
}

TEST_F(LabelEntrancesTest, EmptyTextsRecordNothingAndAstralCharactersTakeTwoLabels) {
    engine->Create_String_Animation(panel, 0, 0, 0, 1, u"", u"Ink Free", 30, TAlphaColors::Navy, 44, 44,
                                    TTextAlign::Center, TTextAlign::Center);
    engine->Create_Label_Animation_Vertical(panel, 0, 0, 0, 1, u"", u"Ink Free", 30, TAlphaColors::Navy, 44,
                                            44, TTextAlign::Center, TTextAlign::Center);
    EXPECT_EQ(Animation_JobCounter, 0);
    engine->Create_String_Animation(panel, 0, 0, 0, 1, u"a\U0001F600", u"Ink Free", 30, TAlphaColors::Navy,
                                    44, 44, TTextAlign::Center, TTextAlign::Center);
    EXPECT_EQ(Animation_JobCounter, 3);
    EXPECT_FLOAT_EQ(Animation_Label[3]->Position().X, 88);
}

TEST_F(LabelEntrancesTest, AStringThatWouldPassTheTableIsRefusedWhole) {
    FillJobTable(maxAnimationJob - 3);
    engine->Create_String_Animation(panel, 0, 0, 0, 1, u"1234", u"Ink Free", 30, TAlphaColors::Navy, 44, 44,
                                    TTextAlign::Center, TTextAlign::Center);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob - 3);
    EXPECT_EQ(panel->ComponentCount(), 0);
    engine->Create_String_Animation(panel, 0, 0, 0, 1, u"123", u"Ink Free", 30, TAlphaColors::Navy, 44, 44,
                                    TTextAlign::Center, TTextAlign::Center);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
}

}  // namespace
