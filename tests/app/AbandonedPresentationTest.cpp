// A presentation abandoned halfway (the window activated again, a step
// button pressed the moment it came back, the engine reset) never has a job
// dispatched afterwards: no freed object is reached, no old label shows.
#include <map>
#include <vector>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

class AbandonedPresentationTest : public LessonTest {
protected:
    void SetUp() override {
        LessonTest::SetUp();
        ShowProblem(5, 6, 2);
        engine().OnJobDispatched = [this](int z, double) {
            TLabel* label = Animation_Label[z].get();
            dispatched.push_back({z, label});
        };
    }

    std::vector<TWeak<TLabel>> PanelLabels() {
        std::vector<TWeak<TLabel>> labels;
        for (int i = 0; i < lesson().paneCAL->ComponentCount(); ++i)
            labels.emplace_back(dynamic_cast<TLabel*>(lesson().paneCAL->Components(i)));
        return labels;
    }
    static int CountVisible(const std::vector<TWeak<TLabel>>& labels) {
        int visible = 0;
        for (const auto& label : labels) visible += label && label->Visible();
        return visible;
    }
    // Every job dispatched from now on must show a label of the present panel.
    void ExpectOnlyPresentLabelsDispatched() {
        const std::vector<TWeak<TLabel>> present = PanelLabels();
        for (const auto& [z, label] : dispatched) {
            bool onPanel = false;
            for (const auto& p : present) onPanel = onPanel || p.get() == label;
            EXPECT_TRUE(onPanel) << "job " << z << " acted on a label that is not on the panel";
        }
    }

    struct Dispatched {
        int z;
        TLabel* label;
    };
    std::vector<Dispatched> dispatched;
};

TEST_F(AbandonedPresentationTest, ActivationMidWalkthroughFreesItAndDispatchesNothingOfIt) {
    lesson().btnStep3->Click();
    Wait(5);
    const std::vector<TWeak<TLabel>> old = PanelLabels();
    ASSERT_EQ(old.size(), 60u);

    lesson().Activate();
    dispatched.clear();
    for (const auto& label : old) EXPECT_FALSE(label) << "freed with the panel's components";
    Wait(1);
    lesson().btnStep3->Click();  // a walkthrough of the new problem
    Wait(14);

    EXPECT_EQ(lesson().paneCAL->ComponentCount(), 60);
    EXPECT_EQ(CountVisible(PanelLabels()), 60);
    EXPECT_EQ(dispatched.size(), 60u);
    ExpectOnlyPresentLabelsDispatched();
}

TEST_F(AbandonedPresentationTest, ActivationMidWorkingLeavesAnEmptyPanelAndTheTimerOfTheProblemButton) {
    lesson().btnStep3->Click();
    Wait(12.75);
    lesson().btnStep4->Click();
    Wait(10);

    lesson().Activate();
    dispatched.clear();
    Wait(17);  // past the working's end at 26.625 s

    EXPECT_EQ(lesson().paneCAL->ComponentCount(), 0);
    EXPECT_TRUE(dispatched.empty());
    EXPECT_TRUE(lesson().btnStep1->Visible()) << "timStep1 still fires";
}

TEST_F(AbandonedPresentationTest, ResultButtonShownAfterActivationWorksOutTheOldNumbersAlone) {
    lesson().btnStep3->Click();
    Wait(5);
    lesson().Activate();  // a new problem; the walkthrough's timer runs on
    dispatched.clear();
    Wait(7.75);
    ASSERT_TRUE(lesson().btnStep4->Visible());
    lesson().btnStep4->Click();
    Wait(27);

    EXPECT_EQ(std::tuple(lesson().AA, lesson().BB, lesson().CC), std::tuple(5, 6, 2));
    EXPECT_EQ(lesson().paneCAL->ComponentCount(), 48) << "the working, without headings or products";
    EXPECT_EQ(CountVisible(PanelLabels()), 48);
    ExpectOnlyPresentLabelsDispatched();
}

TEST_F(AbandonedPresentationTest, ResultButtonPressedTheMomentItReturnsDropsTheLastProduct) {
    lesson().btnStep3->Click();
    Wait(12.75);  // timStep4 has fired; the sixth product still waits for its tick
    ASSERT_TRUE(lesson().btnStep4->Visible());
    const std::vector<TWeak<TLabel>> walkthrough = PanelLabels();
    ASSERT_EQ(CountVisible(walkthrough), 55);

    lesson().btnStep4->Click();
    dispatched.clear();
    Wait(28);

    EXPECT_EQ(CountVisible(walkthrough), 55) << "the abandoned sixth product never enters";
    EXPECT_EQ(dispatched.size(), 48u);
    for (const auto& [z, label] : dispatched) {
        bool old = false;
        for (const auto& w : walkthrough) old = old || w.get() == label;
        EXPECT_FALSE(old) << "job " << z << " reached a label of the walkthrough";
    }
    EXPECT_EQ(lesson().paneCAL->ComponentCount(), 108);
}

TEST_F(AbandonedPresentationTest, ProblemButtonPressedTheMomentItReturnsClearsEverything) {
    lesson().btnStep3->Click();
    Wait(12.75);
    lesson().btnStep4->Click();
    Wait(26.625);  // timStep1 has fired; the sixth result still waits for its tick
    ASSERT_TRUE(lesson().btnStep1->Visible());
    ASSERT_FALSE(Animation_Job.empty());

    lesson().btnStep1->Click();
    dispatched.clear();
    Wait(2);

    EXPECT_EQ(lesson().paneCAL->ComponentCount(), 0);
    EXPECT_TRUE(dispatched.empty());
    EXPECT_TRUE(lesson().btnStep3->Visible());
}

// The engine alone: a reset forgets what was pending, and the reused job
// numbers reach only the new presentation's objects.
TEST_F(AbandonedPresentationTest, ResetForgetsPendingJobsWhoseNumbersAreReused) {
    auto record = [&](double start) {
        engine().Create_Label_Animation(lesson().paneCAL, 0, 0, start, 0.8, u"9", u"Ink Free", 33,
                                        TAlphaColors::Navy, 44, 44, TTextAlign::Center, TTextAlign::Center);
        return TWeak<TLabel>(Animation_Label[Animation_JobCounter].get());
    };
    engine().Reset(1);
    const TWeak<TLabel> oldFirst = record(0.5), oldSecond = record(0.6);
    engine().Start();
    Wait(0.2);

    engine().Reset(1);
    Wait(1);
    EXPECT_TRUE(dispatched.empty()) << "a reset engine is idle";
    const TWeak<TLabel> newFirst = record(0.1);
    engine().Start();
    Wait(2);

    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].z, 1);
    EXPECT_EQ(dispatched[0].label, newFirst.get());
    EXPECT_TRUE(newFirst->Visible());
    EXPECT_FALSE(oldFirst->Visible());
    EXPECT_FALSE(oldSecond->Visible());
}

TEST_F(AbandonedPresentationTest, JobWhoseLabelWasFreedIsSkipped) {
    engine().Reset(1);
    engine().Create_String_Animation(lesson().paneCAL, 0, 0, 0.1, 0.8, u"ab", u"Ink Free", 33,
                                     TAlphaColors::Navy, 44, 44, TTextAlign::Center, TTextAlign::Center);
    TWeak<TLabel> kept = Animation_Label[2].get();
    Animation_Label[1]->Free();
    engine().Start();
    Wait(1);
    EXPECT_EQ(dispatched.size(), 2u);
    EXPECT_EQ(dispatched[0].label, nullptr);
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->Visible());
    EXPECT_FLOAT_EQ(kept->Opacity(), 1);
}

}  // namespace
