#include <gtest/gtest.h>

#include <limits>

#include "tests/animation/EngineTestFixture.h"
#include "ui/Runtime.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using FormulaBuilder = void (TfAnimation::*)(TControl*, double, double, double, double, const TNbrArray&,
                                             const UnicodeString&, double, TAlphaColor, double, double,
                                             TTextAlign, TTextAlign);

constexpr FormulaBuilder kAddition = &TfAnimation::Create_AdditionFormula_Animation;
constexpr FormulaBuilder kSubtraction = &TfAnimation::Create_SubstractionFormula_Animation;
constexpr FormulaBuilder kMultiplication = &TfAnimation::Create_MultipleFormula_Animation;
constexpr FormulaBuilder kDivision = &TfAnimation::Create_DivisionFormula_Animation;

class FormulaAnimationsTest : public EngineTest {
protected:
    // Writes the formula at (100, 50) from start 0 over 0.8 s, in a family that
    // is not the operator's, with size and alignment arguments that must not matter.
    void Write(FormulaBuilder builder, const TNbrArray& operands) {
        TfAnimation& writing = *engine;  // `engine->*` trips a false vptr report in GCC's UBSan
        (writing.*builder)(panel, 100, 50, 0, 0.8, operands, u"DFKai-SB", 30, TAlphaColors::Navy, 7, 9,
                           TTextAlign::Leading, TTextAlign::Trailing);
    }
};

TEST_F(FormulaAnimationsTest, EachCharacterIsALabelInItsSlotEnteringAQuarterSecondAfterTheOneBefore) {
    struct Case {
        const char* name;
        FormulaBuilder builder;
        TNbrArray operands;
        std::vector<UnicodeString> texts;  // slot by slot
        int operatorSlot;
        std::vector<double> starts;
    };
    // clang-format off
    const Case cases[] = {
        {"23 + 4", kAddition, {23, 4}, {u"2", u"3", u"+", u"4"}, 2, {0, 0.25, 0.5, 1.0}},
        {"12.5 x 3", kMultiplication, {12.5, 3}, {u"1", u"2", u".", u"5", u"x", u"3"}, 4,
         {0, 0.25, 0.5, 0.75, 1.0, 1.5}},
        {"-7 - 2", kSubtraction, {-7, 2}, {u"-", u"7", u"-", u"2"}, 2, {0, 0.25, 0.5, 1.0}},
        {"6 / 3 writes both characters of the sign in one label", kDivision, {6, 3},
         {u"6", u"\u00A1\u00D2", u"3"}, 1, {0, 0.25, 0.75}},
        {"0 + 0", kAddition, {0, 0}, {u"0", u"+", u"0"}, 1, {0, 0.25, 0.75}},
        {"a third operand is ignored", kMultiplication, {1, 2, 3}, {u"1", u"x", u"2"}, 1, {0, 0.25, 0.75}},
        {"1E15 is written in exponent form", kAddition, {1e15, 1}, {u"1", u"E", u"1", u"5", u"+", u"1"}, 4,
         {0, 0.25, 0.5, 0.75, 1.0, 1.5}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine->Reset(1);
        Write(c.builder, c.operands);
        const int count = int(c.texts.size());
        ASSERT_EQ(Animation_JobCounter, count);
        EXPECT_EQ(int(Animation_Job.size()), count);
        for (int slot = 0; slot < count; ++slot) {
            SCOPED_TRACE(slot);
            const int z = slot + 1;  // recorded in slot order
            EXPECT_EQ(Animation_JobType[z], Animation_JobType_isLabel);
            EXPECT_DOUBLE_EQ(Animation_JobStart[z], c.starts[std::size_t(slot)]);
            TLabel* label = Animation_Label[z].get();
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->Text(), c.texts[std::size_t(slot)]);
            EXPECT_FLOAT_EQ(label->Position().X, 100 + 44 * slot);
            EXPECT_FLOAT_EQ(label->Position().Y, 50);
            EXPECT_FLOAT_EQ(label->Width(), 44);
            EXPECT_FLOAT_EQ(label->Height(), 44);
            EXPECT_EQ(label->HorzAlign(), TTextAlign::Center);
            EXPECT_EQ(label->VertAlign(), TTextAlign::Center);
            EXPECT_EQ(label->Font().Family, slot == c.operatorSlot ? u"Ink Free" : u"DFKai-SB");
            EXPECT_FLOAT_EQ(label->Font().Size, 24);
            EXPECT_EQ(label->FontColor(), TAlphaColors::Navy);
            EXPECT_FLOAT_EQ(Animation_Opacity[z]->Duration, 0.8f);
        }
    }
}

TEST_F(FormulaAnimationsTest, TheDecimalSeparatorFollowsTheFormatSettings) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = u',';
    Write(kMultiplication, {12.5, 3});
    FormatSettings = saved;
    ASSERT_EQ(Animation_JobCounter, 6);
    EXPECT_EQ(Animation_Label[3]->Text(), u",");
}

TEST_F(FormulaAnimationsTest, TheTimeScaleAppliesToEveryStartAndDuration) {
    engine->Reset(0.5);
    Write(kAddition, {23, 4});
    const double scaledStarts[] = {0, 0.125, 0.25, 0.5};
    for (int z = 1; z <= 4; ++z) {
        EXPECT_DOUBLE_EQ(Animation_JobStart[z], scaledStarts[z - 1]);
        EXPECT_FLOAT_EQ(Animation_Opacity[z]->Duration, 0.4f);
        EXPECT_FLOAT_EQ(Animation_FontSize[z]->Duration, 0.2f);
    }
}

TEST_F(FormulaAnimationsTest, TheRowIsWrittenOutCharacterByCharacter) {
    Write(kAddition, {23, 4});
    auto visible = [] {
        std::vector<bool> shown;
        for (int z = 1; z <= 4; ++z) shown.push_back(Animation_Label[z]->Visible());
        return shown;
    };
    Play(0.6);
    EXPECT_EQ(visible(), (std::vector<bool>{true, true, true, false}));
    Wait(0.5);
    EXPECT_EQ(visible(), (std::vector<bool>{true, true, true, true}));
    Wait(1);
    for (int z = 1; z <= 4; ++z) {
        EXPECT_FLOAT_EQ(Animation_Label[z]->Opacity(), 1);
        EXPECT_FLOAT_EQ(Animation_Label[z]->Font().Size, 30);
    }
}

TEST_F(FormulaAnimationsTest, FewerThanTwoOperandsTellTheUserAndRecordNothing) {
    for (FormulaBuilder builder : {kAddition, kSubtraction, kMultiplication, kDivision}) {
        Write(builder, {});
        Write(builder, {5});
    }
    EXPECT_EQ(messages, std::vector<UnicodeString>(8, u"Not sufficient parameters"));
    EXPECT_EQ(Animation_JobCounter, 0);
    EXPECT_TRUE(panel->Children().empty());
}

TEST_F(FormulaAnimationsTest, HostileOperandsAndAFullTableNeitherCrashNorWriteHalfARow) {
    Write(kSubtraction, {kNaN, std::numeric_limits<double>::infinity()});
    ASSERT_EQ(Animation_JobCounter, 7);  // "NAN", "-", "INF"
    EXPECT_EQ(Animation_Label[1]->Text(), u"N");
    EXPECT_EQ(Animation_Label[7]->Text(), u"F");

    engine->Reset(1);
    FillJobTable(maxAnimationJob - 3);
    Write(kAddition, {23, 4});  // needs four
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob - 3);
    Write(kAddition, {2, 4});
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
    EXPECT_TRUE(messages.empty());

    engine->Reset(1);
    engine->Create_AdditionFormula_Animation(nullptr, 0, 0, 0, 1, {1, 2}, u"Ink Free", 30, 0, 44, 44,
                                             TTextAlign::Center, TTextAlign::Center);
    EXPECT_EQ(Animation_JobCounter, 0);
}

}  // namespace
