// A whole lesson as the class sees it, step button by step button, and a
// second lesson after it on a clean panel.
#include <map>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

class LessonCycleTest : public LessonTest {
protected:
    // Which step buttons show, as one string: "1" for btnStep1 and so on.
    std::string ShownStepButtons() {
        std::string shown;
        const TButton* buttons[] = {lesson().btnStep1, lesson().btnStep2, lesson().btnStep3,
                                    lesson().btnStep4};
        for (int i = 0; i < 4; ++i)
            if (buttons[i]->Visible()) shown += char('1' + i);
        return shown;
    }
    int VisibleLabelsOnPanel() {
        int visible = 0;
        for (int i = 0; i < lesson().paneCAL->ComponentCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(lesson().paneCAL->Components(i)))
                visible += label->Visible() && label->Opacity() == 1;
        return visible;
    }
};

TEST_F(LessonCycleTest, RunsFromActivationBackToTheProblemButton) {
    RandSeed(42);
    lesson().Activate();
    EXPECT_EQ(ShownStepButtons(), "1");
    Wait(1);
    EXPECT_EQ(ShownStepButtons(), "13");
    const int n1 = StrToInt(lesson().txtNbr1->Text()), n2 = StrToInt(lesson().txtNbr2->Text()),
              n3 = StrToInt(lesson().txtNbr3->Text());

    lesson().btnStep3->Click();
    EXPECT_EQ(ShownStepButtons(), "");
    Wait(12.75);
    EXPECT_EQ(ShownStepButtons(), "4");
    Wait(0.7);
    EXPECT_EQ(VisibleLabelsOnPanel(), 60);

    lesson().btnStep4->Click();
    EXPECT_EQ(ShownStepButtons(), "");
    const int workingJobs = Animation_JobCounter;
    Wait(26.625);
    EXPECT_EQ(ShownStepButtons(), "1");
    Wait(0.7);
    EXPECT_EQ(VisibleLabelsOnPanel(), 60 + workingJobs);
    EXPECT_EQ(std::tuple(lesson().AA, lesson().BB, lesson().CC), std::tuple(n1, n2, n3));
    EXPECT_FALSE(engine().timStepByStep->Enabled()) << "idle once every job has started";

    lesson().btnStep1->Click();
    EXPECT_EQ(lesson().paneCAL->ComponentCount(), 0);
    Wait(1);
    EXPECT_EQ(ShownStepButtons(), "13");
}

TEST_F(LessonCycleTest, AnswerIsTheSameProductInEveryBlock) {
    lesson().Activate();
    SetProblem(7, 3, 8);
    Wait(1);
    lesson().btnStep3->Click();
    Wait(12.75);
    lesson().btnStep4->Click();
    Wait(27.5);

    // The result lines: row 3 of each block, read back character by character.
    std::map<std::pair<float, float>, UnicodeString> results;
    for (int i = 60; i < lesson().paneCAL->ComponentCount(); ++i) {
        auto* label = dynamic_cast<TLabel*>(lesson().paneCAL->Components(i));
        const float top = label->Position().Y;
        if (top == 132 || top == 352) results[{float(int(label->Position().X) / 352), top}] += label->Text();
    }
    ASSERT_EQ(results.size(), 6u);
    for (const auto& [block, text] : results) EXPECT_EQ(text, u"=168");
}

}  // namespace
