// How a scene script writes the engine's argument types, word by word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "tests/support/LessonFixture.h"
#include "tools/scene/AnimationSetSyntax.h"
#include "tools/scene/EngineCommands.h"
#include "tools/scene/ScriptError.h"
#include "tools/scene/ScriptLine.h"
#include "tools/scene/ScriptValues.h"
#include "ui/Label.h"

namespace {

using Words = std::vector<std::string>;

TEST(ScriptLineTest, QuotesAndBracketsHoldTheirBlanksAndAHashEndsTheLine) {
    EXPECT_EQ(SplitScriptLine(R"(  engine X "Ink Free" [3, 4] {isRotate, 0, 1, 90} "a # b" # note)"),
              (Words{"engine", "X", "\"Ink Free\"", "[3, 4]", "{isRotate, 0, 1, 90}", "\"a # b\""}));
    EXPECT_EQ(SplitScriptLine(R"(set txtNbr1 "say \"hi\"")"), (Words{"set", "txtNbr1", R"("say \"hi\"")"}));
    EXPECT_TRUE(SplitScriptLine("   # only a comment").empty());
    for (const char* open : {R"(set a "open)", "engine X [1, 2", "engine X {isRotate,0,1,90", "engine X ]"})
        EXPECT_THROW(SplitScriptLine(open), TScriptError) << open;
}

TEST(ScriptValuesTest, ScalarWordsReadAsTheirTypes) {
    EXPECT_EQ(ReadNumber("-0.5"), -0.5);
    EXPECT_EQ(ReadNumber("1e3"), 1000);
    EXPECT_EQ(ReadInteger("-12"), -12);
    EXPECT_EQ(ReadColor("0xFF000080"), 0xFF000080u);
    EXPECT_EQ(ReadColor("0x80ffd700"), 0x80FFD700u);
    EXPECT_EQ(ReadAlignment("Center"), TTextAlign::Center);
    EXPECT_EQ(ReadAlignment("Leading"), TTextAlign::Leading);
    EXPECT_EQ(ReadAlignment("Trailing"), TTextAlign::Trailing);
    EXPECT_EQ(ReadQuotedString(R"("Ink Free")"), u"Ink Free");
    EXPECT_EQ(ReadQuotedString(R"("排列 方法 \"1\" \\")"), u"排列 方法 \"1\" \\");
    EXPECT_EQ(ReadQuotedString("\"\""), u"");
    EXPECT_EQ(ReadNumberList("[3, 4.5,-2]"), (TNbrArray{3, 4.5, -2}));
    EXPECT_EQ(ReadNumberList("[]"), TNbrArray{});
}

TEST(ScriptValuesTest, MalformedWordsAreRefused) {
    struct Case {
        const char* word;
        void (*read)(const char*);
    };
    const Case cases[] = {
        {"12abc", [](const char* w) { ReadNumber(w); }},
        {"nan", [](const char* w) { ReadNumber(w); }},
        {"1.5", [](const char* w) { ReadInteger(w); }},
        {"0xFF0080", [](const char* w) { ReadColor(w); }},    // six digits: alpha would be ambiguous
        {"FF000080", [](const char* w) { ReadColor(w); }},    // no 0x
        {"0xFF00008G", [](const char* w) { ReadColor(w); }},  // not hex
        {"center", [](const char* w) { ReadAlignment(w); }},  // names are exact
        {"Ink", [](const char* w) { ReadQuotedString(w); }},  // strings must be quoted
        {R"("a\n")", [](const char* w) { ReadQuotedString(w); }},
        {R"("a"b")", [](const char* w) { ReadQuotedString(w); }},
        {"[1,,2]", [](const char* w) { ReadNumberList(w); }},
        {"[a]", [](const char* w) { ReadNumberList(w); }},
        {"3,4", [](const char* w) { ReadNumberList(w); }},
    };
    for (const Case& c : cases) EXPECT_THROW(c.read(c.word), TScriptError) << c.word;
}

TEST(AnimationSetSyntaxTest, EachKindPutsItsValueWhereTheKindReadsIt) {
    const std::vector<TAnimationRecord> set = ReadAnimationSet(
        "{isFontSizeAnimation,0,1,40; isChangeLabelColor,0.5,2,0xFFFF0000; isHideLabel,1,3; "
        "isHideGlowEffect,2,0,}");
    ASSERT_EQ(set.size(), 4u);
    EXPECT_EQ(set[0].AnimationType, isFontSizeAnimation);
    EXPECT_EQ(set[0].aFontSize, 40);
    EXPECT_EQ(set[1].AnimationType, isChangeLabelColor);
    EXPECT_EQ(set[1].aStart, 0.5);
    EXPECT_EQ(set[1].aDuration, 2);
    EXPECT_EQ(set[1].aFontColor, 0xFFFF0000u);
    EXPECT_EQ(set[2].AnimationType, isHideLabel);
    EXPECT_EQ(set[3].AnimationType, isHideGlowEffect);
    EXPECT_EQ(set[3].aGlowEffect, nullptr);
    EXPECT_TRUE(ReadAnimationSet("{}").empty());

    for (const char* bad : {"{isFontSizeAnimation,0,1}", "{isBogus,0,1,2}", "{isChangeLabelColor,0,1,12}",
                            "{isHideLabel,0,1,5}", "{isRotate,0,1,90;}", "[isRotate,0,1,90]"})
        EXPECT_THROW(ReadAnimationSet(bad), TScriptError) << bad;
}

class EngineCommandTest : public LessonTest {
protected:
    void Engine(const Words& words) { RunEngineCommand(*session, words); }
};

TEST_F(EngineCommandTest, ABuilderGetsItsArgumentsInItsOwnOrder) {
    Engine({"reset", "2"});
    Engine({"Create_String_Animation", "paneCAL", "10", "20", "1", "0.5", R"("排 \"x")", R"("Ink Free")",
            "30", "0xFF000080", "40", "50", "Leading", "Trailing"});
    ASSERT_EQ(Animation_JobCounter, 4);
    EXPECT_EQ(Animation_JobStart[1], 2);  // scaled by the reset's 2
    const UnicodeString texts[] = {u"排", u" ", u"\"", u"x"};
    for (int z = 1; z <= 4; ++z) {
        TLabel* label = Animation_Label[z].get();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Text(), texts[z - 1]);
        EXPECT_EQ(label->Parent(), lesson().paneCAL);
        EXPECT_EQ(label->Position().X, 10 + (z - 1) * BoxSize);
        EXPECT_EQ(label->Position().Y, 20);
        EXPECT_EQ(label->Font().Family, u"Ink Free");
        EXPECT_EQ(label->FontColor(), 0xFF000080u);
        EXPECT_EQ(label->Width(), 40);
        EXPECT_EQ(label->HorzAlign(), TTextAlign::Leading);
        EXPECT_EQ(label->VertAlign(), TTextAlign::Trailing);
    }
}

TEST_F(EngineCommandTest, LabelReferencesNameTheTablesLabels) {
    Engine({"reset", "1"});
    Engine({"Create_String_Animation", "paneCAL", "0", "0", "0", "1", R"("ab")", R"("Ink Free")", "30",
            "0xFF000080", "44", "44", "Center", "Center"});
    Engine({"ChangeLabelColor", "label:2", "0xFFFF0000", "0", "1"});
    EXPECT_EQ(Animation_JobParent[Animation_JobCounter].get(), Animation_Label[2].get());
}

TEST_F(EngineCommandTest, AWrongNameCountOrTypeRunsNothing) {
    Engine({"reset", "1"});
    const Words bad[] = {
        {"Create_Label_Animation_Sideways", "paneCAL"},
        {"Hide_Label_Animation", "label:1", "0"},
        {"Hide_Label_Animation", "label:1", "soon", "1"},
        {"Hide_Label_Animation", "txtNbrX", "0", "1"},
        {"Hide_Label_Animation", "StyleBook1", "0", "1"},  // not a control
        {"HideGlowEffect", "1.5", "0"},
        {"Create_AdditionFormula_Animation", "paneCAL", "0", "0", "0", "1", "[1,2]", R"("Ink Free")", "30",
         "0xFF000080", "44", "44", "Center", "Middle"},
    };
    for (const Words& words : bad) EXPECT_THROW(Engine(words), TScriptError) << words.front();
    EXPECT_EQ(Animation_JobCounter, 0);
}

}  // namespace
