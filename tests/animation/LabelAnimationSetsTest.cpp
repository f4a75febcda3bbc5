#include <gtest/gtest.h>

#include <limits>

#include "tests/animation/EngineTestFixture.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// One entry of an animation set, its value written to the member its kind names.
TAnimationRecord Entry(TAnimationType kind, double duration, double value, double start = 0) {
    TAnimationRecord entry;
    entry.aStart = start;
    entry.aDuration = duration;
    entry.AnimationType = kind;
    switch (kind) {
        case isFontSizeAnimation:
            entry.aFontSize = value;
            break;
        case isOpacityAnimation:
            entry.aStopValue = value;
            break;
        case isMoveXAnimation:
            entry.aStopX = value;
            break;
        case isMoveYAnimation:
            entry.aStopY = value;
            break;
        case isRotate:
            entry.aAngle = value;
            break;
        case isChangeLabelColor:
            entry.aFontColor = TAlphaColor(value);
            break;
        default:
            entry.aStopSize = value;
            break;
    }
    return entry;
}

class LabelAnimationSetsTest : public EngineTest {
protected:
    // One label "A" at (10, 20), 44 square, font 30, entering at aStart over aDuration.
    TLabel* RecordLabel(double aStart, double aDuration, const std::vector<TAnimationRecord>& set) {
        engine->Create_Label_Animations(panel, 10, 20, 44, 44, u"A", u"Ink Free", 30, TAlphaColors::Navy,
                                        aStart, aDuration, TTextAlign::Center, TTextAlign::Center, set);
        return Animation_Label[Animation_JobCounter].get();
    }
};

TEST_F(LabelAnimationSetsTest, AFontSizeEntryGrowsTheLabelOverHalfItsUnscaledDuration) {
    engine->Reset(2);
    TLabel* label = RecordLabel(1, 0.8, {Entry(isFontSizeAnimation, 1, 40)});

    ASSERT_EQ(Pending(), std::vector<int>{1});
    EXPECT_EQ(Animation_JobType[1], Animation_JobType_isLabel);
    EXPECT_DOUBLE_EQ(Animation_JobStart[1], 2);
    EXPECT_EQ(Animation_JobParent[1].get(), nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->Visible());
    EXPECT_EQ(label->Text(), u"A");
    EXPECT_FLOAT_EQ(label->Font().Size, 24);
    EXPECT_EQ(label->FontColor(), TAlphaColors::Navy);
    TFloatAnimation* growth = Animation_FontSize[1].get();
    ASSERT_NE(growth, nullptr);
    EXPECT_EQ(growth->PropertyName, "Font.Size");
    EXPECT_TRUE(growth->StartFromCurrent);
    EXPECT_FLOAT_EQ(growth->StopValue, 40);
    EXPECT_FLOAT_EQ(growth->Duration, 0.5);
    TFloatAnimation* fade = Animation_Opacity[1].get();
    ASSERT_NE(fade, nullptr);
    EXPECT_FALSE(fade->StartFromCurrent);
    EXPECT_FLOAT_EQ(fade->StartValue, 0);
    EXPECT_FLOAT_EQ(fade->StopValue, 1);
    EXPECT_FLOAT_EQ(fade->Duration, 1.6f);

    Play(2.005 + 0.52);
    EXPECT_TRUE(label->Visible());
    EXPECT_FLOAT_EQ(label->Font().Size, 40);
    EXPECT_NEAR(label->Opacity(), 0.52 / 1.6, 0.02);
}

TEST_F(LabelAnimationSetsTest, TheLastEntryOfAKindTakesTheSlotAndOnlyItRuns) {
    TLabel* label = RecordLabel(0, 1, {Entry(isFontSizeAnimation, 1, 40), Entry(isFontSizeAnimation, 1, 60)});
    const auto animations = ChildrenOf<TFloatAnimation>(label);
    ASSERT_EQ(animations.size(), 3u);  // two growths and the fade-in
    EXPECT_EQ(Animation_FontSize[1].get(), animations[1]);
    Play(1.1);
    EXPECT_FALSE(animations[0]->Enabled());
    EXPECT_FLOAT_EQ(label->Font().Size, 60);
}

TEST_F(LabelAnimationSetsTest, WithoutAFontSizeEntryTheLabelKeepsItsSizeAndStartsNoOtherJobsAnimation) {
    struct Case {
        const char* name;
        std::vector<TAnimationRecord> set;
    };
    const Case cases[] = {
        {"empty set", {}},
        {"only skipped kinds",
         {Entry(isChangeLabelColor, 1, 0xFFFF0000), Entry(isChangeLabelSize, 1, 70), Entry(isHideLabel, 1, 0),
          Entry(isRotate, 1, 90), Entry(isCreateGlowEffect, 1, 0), Entry(isHideGlowEffect, 1, 0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // An earlier presentation left a growth in row 1.
        engine->Reset(1);
        engine->Create_Label_Animation(panel, 0, 0, 100, 1, u"z", u"Ink Free", 50, TAlphaColors::Black, 44,
                                       44, TTextAlign::Center, TTextAlign::Center);
        TFloatAnimation* earlierGrowth = Animation_FontSize[1].get();
        engine->Reset(1);

        TLabel* label = RecordLabel(0, 1, c.set);
        EXPECT_EQ(Animation_FontSize[1].get(), nullptr);
        EXPECT_EQ(ChildrenOf<TFloatAnimation>(label).size(), 1u);  // the fade-in only
        Play(1.1);
        EXPECT_FLOAT_EQ(label->Opacity(), 1);
        EXPECT_FLOAT_EQ(label->Font().Size, 24);
        EXPECT_FALSE(earlierGrowth->Enabled());
    }
}

TEST_F(LabelAnimationSetsTest, MoveEntriesStartWithTheEntranceAndAnOpacityEntryNeverRuns) {
    engine->Reset(2);
    // The entries' own starts are not read; their durations are not scaled.
    TLabel* label = RecordLabel(1, 0.5,
                                {Entry(isMoveXAnimation, 1, 200, 9), Entry(isMoveYAnimation, 2, 300, 7),
                                 Entry(isOpacityAnimation, 1, 0.3, 5)});
    TFloatAnimation* moveX = Animation_MoveX[1].get();
    TFloatAnimation* moveY = Animation_MoveY[1].get();
    ASSERT_NE(moveX, nullptr);
    ASSERT_NE(moveY, nullptr);
    EXPECT_EQ(moveX->PropertyName, "Position.X");
    EXPECT_EQ(moveY->PropertyName, "Position.Y");
    EXPECT_TRUE(moveX->StartFromCurrent);
    EXPECT_FLOAT_EQ(moveX->Duration, 1);
    EXPECT_FLOAT_EQ(moveY->Duration, 2);
    TFloatAnimation* opacityEntry = ChildrenOf<TFloatAnimation>(label)[2];
    EXPECT_FLOAT_EQ(opacityEntry->StopValue, 0.3f);
    EXPECT_NE(Animation_Opacity[1].get(), opacityEntry);  // the fade-in took the slot

    Play(1.9);
    EXPECT_FLOAT_EQ(label->Position().X, 10);
    EXPECT_FLOAT_EQ(label->Position().Y, 20);
    Wait(0.105 + 0.5);
    EXPECT_NEAR(label->Position().X, 10 + 190 * 0.5, 4);
    EXPECT_NEAR(label->Position().Y, 20 + 280 * 0.25, 3);
    Wait(1.6);
    EXPECT_FLOAT_EQ(label->Position().X, 200);
    EXPECT_FLOAT_EQ(label->Position().Y, 300);
    EXPECT_FLOAT_EQ(label->Opacity(), 1);
    EXPECT_FALSE(opacityEntry->Enabled());
}

TEST_F(LabelAnimationSetsTest, AStringPlacesEachCharacterOnePitchApartWithTheWholeSet) {
    BoxSize = 40;  // the pitch is the layout unit, not the label's width
    engine->Create_String_Animations(panel, 10, 5, 0.5, 1, u"abc", u"Ink Free", 30, TAlphaColors::Black, 30,
                                     40, TTextAlign::Leading, TTextAlign::Trailing,
                                     {Entry(isFontSizeAnimation, 1, 36)});
    ASSERT_EQ(Pending(), (std::vector<int>{1, 2, 3}));
    const float lefts[] = {10, 50, 90};
    for (int z = 1; z <= 3; ++z) {
        SCOPED_TRACE(z);
        TLabel* label = Animation_Label[z].get();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Text(), UnicodeString(1, char16_t(u'a' + z - 1)));
        EXPECT_FLOAT_EQ(label->Position().X, lefts[z - 1]);
        EXPECT_FLOAT_EQ(label->Position().Y, 5);
        EXPECT_FLOAT_EQ(label->Width(), 30);
        EXPECT_FLOAT_EQ(label->Height(), 40);
        EXPECT_EQ(label->HorzAlign(), TTextAlign::Leading);
        EXPECT_EQ(label->VertAlign(), TTextAlign::Trailing);
        EXPECT_DOUBLE_EQ(Animation_JobStart[z], 0.5);
        ASSERT_NE(Animation_FontSize[z].get(), nullptr);
        EXPECT_EQ(Animation_FontSize[z]->Parent(), label);
    }
}

TEST_F(LabelAnimationSetsTest, HostileArgumentsRecordNothingOrFinishAtOnce) {
    const std::vector<TAnimationRecord> growth = {Entry(isFontSizeAnimation, 1, 36)};
    engine->Create_String_Animations(panel, 0, 0, 0, 1, u"", u"Ink Free", 30, 0, 44, 44, TTextAlign::Center,
                                     TTextAlign::Center, growth);
    engine->Create_String_Animations(nullptr, 0, 0, 0, 1, u"ab", u"Ink Free", 30, 0, 44, 44,
                                     TTextAlign::Center, TTextAlign::Center, growth);
    engine->Create_Label_Animations(nullptr, 0, 0, 44, 44, u"a", u"Ink Free", 30, 0, 0, 1, TTextAlign::Center,
                                    TTextAlign::Center, growth);
    EXPECT_EQ(Animation_JobCounter, 0);

    // An astral character is two UTF-16 code units, so two labels.
    engine->Create_String_Animations(panel, 0, 0, 0, 1, u"a\U0001F600", u"Ink Free", 30, 0, 44, 44,
                                     TTextAlign::Center, TTextAlign::Center, growth);
    EXPECT_EQ(Animation_JobCounter, 3);
    EXPECT_EQ(Animation_Label[2]->Text(), UnicodeString(1, u'\xD83D'));

    // NaN and negative entry durations finish at once.
    engine->Reset(1);
    TLabel* label =
        RecordLabel(0, kNaN, {Entry(isFontSizeAnimation, kNaN, 40), Entry(isMoveXAnimation, -1, 77)});
    Play(0.006);
    EXPECT_FLOAT_EQ(label->Font().Size, 40);
    EXPECT_FLOAT_EQ(label->Position().X, 77);
    EXPECT_FLOAT_EQ(label->Opacity(), 1);

    // A string that does not fit whole is refused whole.
    engine->Reset(1);
    FillJobTable(maxAnimationJob - 2);
    engine->Create_String_Animations(panel, 0, 0, 0, 1, u"abc", u"Ink Free", 30, 0, 44, 44,
                                     TTextAlign::Center, TTextAlign::Center, growth);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob - 2);
    engine->Create_String_Animations(panel, 0, 0, 0, 1, u"ab", u"Ink Free", 30, 0, 44, 44, TTextAlign::Center,
                                     TTextAlign::Center, growth);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
}

}  // namespace
