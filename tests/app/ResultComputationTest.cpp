// "計算結果": under each of the six products, the product of its first two
// factors times the third, then the result; "出題" returns as the last enters.
#include <QString>
#include <map>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

struct PlacedText {
    UnicodeString text;
    float left, top;
    double entersAt;
};

// The working of 5, 6, 2 at time scale 0.75.
const std::vector<PlacedText>& WorkingOf562() {
    static const std::vector<PlacedText> texts = {
        {u"=30x2", 0, 88, 0},         {u"=60", 0, 132, 2.25},       {u"=10x6", 0, 308, 4.875},
        {u"=60", 0, 352, 7.125},      {u"=30x2", 352, 88, 9.75},    {u"=60", 352, 132, 12},
        {u"=12x5", 352, 308, 14.625}, {u"=60", 352, 352, 16.875},   {u"=10x6", 704, 88, 19.5},
        {u"=60", 704, 132, 21.75},    {u"=12x5", 704, 308, 24.375}, {u"=60", 704, 352, 26.625},
    };
    return texts;
}

class ResultComputationTest : public LessonTest {
protected:
    // Runs the lesson up to the moment the result button has come back.
    void PlayWalkthroughOf(int n1, int n2, int n3) {
        StartWalkthroughOf(n1, n2, n3);
        Wait(lesson().timStep4->Interval() / 1000.0);
        ASSERT_TRUE(lesson().btnStep4->Visible());
    }
    // The labels that the working added after the walkthrough's sixty.
    std::vector<TLabel*> WorkingLabels() {
        std::vector<TLabel*> labels;
        for (int i = 60; i < lesson().paneCAL->ComponentCount(); ++i)
            labels.push_back(dynamic_cast<TLabel*>(lesson().paneCAL->Components(i)));
        return labels;
    }
};

TEST_F(ResultComputationTest, WorksOut562InTwoLinesUnderEveryBlock) {
    PlayWalkthroughOf(5, 6, 2);
    lesson().btnStep4->Click();

    ASSERT_EQ(Animation_JobCounter, 48);
    const std::vector<TLabel*> labels = WorkingLabels();
    ASSERT_EQ(labels.size(), 48u) << "the walkthrough's labels stay on the panel";
    int z = 0;
    for (const PlacedText& placed : WorkingOf562()) {
        for (std::size_t i = 0; i < placed.text.size(); ++i) {
            ++z;
            SCOPED_TRACE(Utf8(placed.text) + " character " + std::to_string(i + 1) + ", job " +
                         std::to_string(z));
            TLabel* label = labels[std::size_t(z - 1)];
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(Animation_Label[z].get(), label);
            EXPECT_EQ(label->Text(), placed.text.substr(i, 1));
            EXPECT_FLOAT_EQ(label->Position().X, placed.left + 44 * float(i));
            EXPECT_FLOAT_EQ(label->Position().Y, placed.top);
            EXPECT_FLOAT_EQ(label->Width(), 44);
            EXPECT_FLOAT_EQ(label->Height(), 44);
            EXPECT_EQ(label->Font().Family, u"Ink Free");
            EXPECT_FLOAT_EQ(label->Font().Size, 26.4f);
            EXPECT_EQ(label->FontColor(), TAlphaColors::Navy);
            EXPECT_EQ(label->HorzAlign(), TTextAlign::Center);
            EXPECT_EQ(label->VertAlign(), TTextAlign::Center);
            EXPECT_FALSE(label->Visible());
            EXPECT_DOUBLE_EQ(Animation_JobStart[z], placed.entersAt);
        }
    }
    EXPECT_EQ(lesson().timStep1->Interval(), 26625);
    EXPECT_TRUE(lesson().timStep1->Enabled());
    EXPECT_EQ(std::tuple(lesson().A, lesson().B, lesson().C), std::tuple(2, 6, 5));
}

TEST_F(ResultComputationTest, BringsTheProblemButtonBackAsTheLastResultEnters) {
    PlayWalkthroughOf(5, 6, 2);
    lesson().btnStep4->Click();
    for (TButton* button : {lesson().btnStep1, lesson().btnStep2, lesson().btnStep3, lesson().btnStep4})
        EXPECT_FALSE(button->Visible()) << button->Name;
    session->WaitMs(26624);
    EXPECT_FALSE(lesson().btnStep1->Visible());
    session->WaitMs(1);
    EXPECT_TRUE(lesson().btnStep1->Visible());
    EXPECT_FALSE(lesson().timStep1->Enabled());
    Wait(0.7);
    for (TLabel* label : WorkingLabels()) {
        EXPECT_TRUE(label->Visible());
        EXPECT_FLOAT_EQ(label->Opacity(), 1);
        EXPECT_FLOAT_EQ(label->Font().Size, 33);
    }
}

// How many characters the working writes depends on the digits of the products.
struct ProblemCase {
    int n1, n2, n3;
    int jobs;
    std::vector<UnicodeString> firstLines;
    UnicodeString result;
};

class WorkingByProblem : public ResultComputationTest, public ::testing::WithParamInterface<ProblemCase> {};

TEST_P(WorkingByProblem, WritesEachFirstLineAndTheOneResult) {
    const ProblemCase& problem = GetParam();
    PlayWalkthroughOf(problem.n1, problem.n2, problem.n3);
    lesson().btnStep4->Click();
    EXPECT_EQ(Animation_JobCounter, problem.jobs);

    // Read the lines back from the labels, one text per row of a block.
    std::map<std::pair<float, float>, UnicodeString> lines;
    for (TLabel* label : WorkingLabels()) {
        const float blockLeft = float(int(label->Position().X) / 352 * 352);
        lines[{blockLeft, label->Position().Y}] += label->Text();
    }
    const float blockLefts[] = {0, 0, 352, 352, 704, 704};
    for (int i = 0; i < 6; ++i) {
        const float top = (i % 2) * 220.0f;
        const UnicodeString firstLine = lines[{blockLefts[i], top + 88}];
        const UnicodeString resultLine = lines[{blockLefts[i], top + 132}];
        EXPECT_EQ(firstLine, problem.firstLines[std::size_t(i)]) << "arrangement " << i + 1;
        EXPECT_EQ(resultLine, problem.result) << "arrangement " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FewestTypicalAndMost, WorkingByProblem,
    ::testing::Values(
        ProblemCase{2, 3, 4, 44, {u"=6x4", u"=8x3", u"=6x4", u"=12x2", u"=8x3", u"=12x2"}, u"=24"},
        ProblemCase{5, 6, 2, 48, {u"=30x2", u"=10x6", u"=30x2", u"=12x5", u"=10x6", u"=12x5"}, u"=60"},
        ProblemCase{9, 8, 7, 54, {u"=72x7", u"=63x8", u"=72x7", u"=56x9", u"=63x8", u"=56x9"}, u"=504"}));

// The lesson draws 2 to 9, but a script can put any number in the row: the
// working's products stay defined, exact up to 15 digits and written with 15
// significant digits beyond.
TEST_F(ResultComputationTest, AnyNumberTheRowCanHoldGivesADefinedWorking) {
    const struct {
        int n;
        UnicodeString firstBlock;
    } cases[] = {
        {99999, u"=9999800001x99999=999970000299999"},
        {2147483647, u"=4.61168601413242E18x2147483647=9.90352030044798E27"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        PlayWalkthroughOf(c.n, c.n, c.n);
        const int walkthroughLabels = lesson().paneCAL->ComponentCount();
        lesson().btnStep4->Click();
        UnicodeString written;
        for (int i = walkthroughLabels; i < lesson().paneCAL->ComponentCount(); ++i)
            written += dynamic_cast<TLabel*>(lesson().paneCAL->Components(i))->Text();
        EXPECT_EQ(written.substr(0, c.firstBlock.size()), c.firstBlock);
    }
}

}  // namespace
