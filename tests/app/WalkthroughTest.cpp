// "排列方法" with the problem 5, 6, 2 at the lesson's default speed: six
// headings at once, then the six products three scaled seconds apart.
#include <QString>
#include <map>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

// One text of the walkthrough: where its first character stands on the
// panel, and when (scaled seconds after Start) its characters enter.
struct PlacedText {
    UnicodeString text;
    float left, top;
    double entersAt;
    UnicodeString family;
};

const std::vector<PlacedText>& WalkthroughOf562() {
    static const std::vector<PlacedText> texts = {
        {u"排列方法1", 0, 0, 0, u"標楷體"},     {u"排列方法2", 0, 220, 0, u"標楷體"},
        {u"排列方法3", 352, 0, 0, u"標楷體"},   {u"排列方法4", 352, 220, 0, u"標楷體"},
        {u"排列方法5", 704, 0, 0, u"標楷體"},   {u"排列方法6", 704, 220, 0, u"標楷體"},
        {u"5x6x2", 44, 44, 1.5, u"Ink Free"},   {u"5x2x6", 44, 264, 3.75, u"Ink Free"},
        {u"6x5x2", 396, 44, 6, u"Ink Free"},    {u"6x2x5", 396, 264, 8.25, u"Ink Free"},
        {u"2x5x6", 748, 44, 10.5, u"Ink Free"}, {u"2x6x5", 748, 264, 12.75, u"Ink Free"},
    };
    return texts;
}

class WalkthroughTest : public LessonTest {
protected:
    void SetUp() override {
        LessonTest::SetUp();
        ShowProblem(5, 6, 2);
        engine().OnJobDispatched = [this](int z, double passTimeSecond) {
            dispatchedAt[z].push_back(passTimeSecond);
        };
        lesson().btnStep3->Click();
        startedMs = std::int64_t(session->Seconds() * 1000 + 0.5);
    }
    // Moves to the moment `seconds` after the engine's Start.
    void WaitUntilAfterStart(double seconds) {
        const std::int64_t nowMs = std::int64_t(session->Seconds() * 1000 + 0.5);
        session->WaitMs(startedMs + std::int64_t(seconds * 1000 + 0.5) - nowMs);
    }

    std::int64_t startedMs = 0;
    std::map<int, std::vector<double>> dispatchedAt;
};

TEST_F(WalkthroughTest, RecordsEveryCharacterAsAHiddenLabelInTextOrder) {
    ASSERT_EQ(Animation_JobCounter, 60);
    ASSERT_EQ(lesson().paneCAL->ComponentCount(), 60);
    int z = 0;
    for (const PlacedText& placed : WalkthroughOf562()) {
        for (std::size_t i = 0; i < placed.text.size(); ++i) {
            ++z;
            SCOPED_TRACE(Utf8(placed.text) + " character " + std::to_string(i + 1) + ", job " +
                         std::to_string(z));
            TLabel* label = Animation_Label[z].get();
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(static_cast<TComponent*>(label), lesson().paneCAL->Components(z - 1))
                << "ownership order";
            EXPECT_EQ(label->Parent(), lesson().paneCAL);
            EXPECT_EQ(label->Text(), placed.text.substr(i, 1));
            EXPECT_FLOAT_EQ(label->Position().X, placed.left + 44 * float(i));
            EXPECT_FLOAT_EQ(label->Position().Y, placed.top);
            EXPECT_FLOAT_EQ(label->Width(), 44);
            EXPECT_FLOAT_EQ(label->Height(), 44);
            EXPECT_EQ(label->Font().Family, placed.family);
            EXPECT_FLOAT_EQ(label->Font().Size, 26.4f) << "four fifths of 33 until it grows";
            EXPECT_EQ(label->FontColor(), TAlphaColors::Navy);
            EXPECT_EQ(label->HorzAlign(), TTextAlign::Center);
            EXPECT_EQ(label->VertAlign(), TTextAlign::Center);
            EXPECT_FALSE(label->Visible());
            EXPECT_EQ(Animation_JobType[z], Animation_JobType_isLabel);
            EXPECT_DOUBLE_EQ(Animation_JobStart[z], placed.entersAt);
            ASSERT_NE(Animation_Opacity[z].get(), nullptr);
            EXPECT_FLOAT_EQ(Animation_Opacity[z]->Duration, 0.6f);
            EXPECT_FLOAT_EQ(Animation_FontSize[z]->Duration, 0.3f);
            EXPECT_FLOAT_EQ(Animation_FontSize[z]->StopValue, 33);
        }
    }
}

TEST_F(WalkthroughTest, HidesEveryStepButtonAndTimesTheResultButton) {
    for (TButton* button : {lesson().btnStep1, lesson().btnStep2, lesson().btnStep3, lesson().btnStep4})
        EXPECT_FALSE(button->Visible()) << button->Name;
    EXPECT_TRUE(lesson().timStep4->Enabled());
    EXPECT_EQ(lesson().timStep4->Interval(), 12750);
    session->WaitMs(12749);
    EXPECT_FALSE(lesson().btnStep4->Visible());
    session->WaitMs(1);
    EXPECT_TRUE(lesson().btnStep4->Visible());
    EXPECT_FALSE(lesson().btnStep1->Visible());
    EXPECT_FALSE(lesson().btnStep3->Visible());
}

TEST_F(WalkthroughTest, KeepsTheNumbersAndEndsOnTheSixthArrangement) {
    EXPECT_EQ(std::tuple(lesson().AA, lesson().BB, lesson().CC), std::tuple(5, 6, 2));
    EXPECT_EQ(std::tuple(lesson().A, lesson().B, lesson().C), std::tuple(2, 6, 5));
}

TEST_F(WalkthroughTest, StartsEachTextOnTheFirstTickAfterItsTime) {
    Wait(14);
    ASSERT_EQ(dispatchedAt.size(), 60u);
    for (const auto& [z, ticks] : dispatchedAt) {
        ASSERT_EQ(ticks.size(), 1u) << "job " << z;
        EXPECT_NEAR(ticks[0], Animation_JobStart[z] + 0.005, 1e-9) << "job " << z;
    }
}

TEST_F(WalkthroughTest, LeavesEveryCharacterOpaqueAtFullSize) {
    Wait(12.75 + 0.6 + 0.1);
    for (int i = 0; i < lesson().paneCAL->ComponentCount(); ++i) {
        auto* label = dynamic_cast<TLabel*>(lesson().paneCAL->Components(i));
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->Visible()) << "label " << i;
        EXPECT_FLOAT_EQ(label->Opacity(), 1) << "label " << i;
        EXPECT_FLOAT_EQ(label->Font().Size, 33) << "label " << i;
    }
}

TEST_F(WalkthroughTest, ShowsAProductOnlyOnceItsTimeHasPassed) {
    auto productVisible = [&](int arrangement) {
        const int firstJob = 30 + 5 * (arrangement - 1) + 1;
        return Animation_Label[firstJob]->Visible();
    };
    for (int arrangement = 1; arrangement <= 6; ++arrangement) {
        const double entersAt = WalkthroughOf562()[std::size_t(5 + arrangement)].entersAt;
        WaitUntilAfterStart(entersAt);
        // Exactly at the entry time the job still waits, for the next tick.
        EXPECT_FALSE(productVisible(arrangement)) << "arrangement " << arrangement;
        session->WaitMs(5);
        EXPECT_TRUE(productVisible(arrangement)) << "arrangement " << arrangement;
    }
}

}  // namespace
