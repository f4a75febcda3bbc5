// A presenter's clicker drives the lesson: forward presses the furthest step
// button in view, back presses "出題"; hidden buttons are never pressed, and
// no key but the exit button's own click ends the program.
#include "tests/support/LessonFixture.h"

namespace {

struct KeyCase {
    const char* name;
    int key;
};

const KeyCase kForwardKeys[] = {
    {"PageDown", vk::Next}, {"Right", vk::Right}, {"Space", vk::Space}, {"Enter", vk::Return}};

}  // namespace

class PresenterKeysTest : public LessonTest {
protected:
    void StartLesson() {
        RandSeed(3);
        lesson().Activate();
        Wait(1.1);  // "排列方法" is back
    }
};

TEST_F(PresenterKeysTest, ForwardKeysWalkTheWholeLessonCycle) {
    for (const KeyCase& forward : kForwardKeys) {
        SCOPED_TRACE(forward.name);
        StartLesson();
        ASSERT_TRUE(lesson().btnStep3->Visible());
        lesson().KeyDown(forward.key);  // "排列方法", the furthest in view
        EXPECT_FALSE(lesson().btnStep3->Visible());
        EXPECT_EQ(Animation_JobCounter, 60);

        lesson().KeyDown(forward.key);  // nothing in view: nothing pressed
        EXPECT_EQ(Animation_JobCounter, 60);

        Wait(13);
        ASSERT_TRUE(lesson().btnStep4->Visible());
        lesson().KeyDown(forward.key);  // "計算結果"
        EXPECT_FALSE(lesson().btnStep4->Visible());
        EXPECT_GE(Animation_JobCounter, 44);

        Wait(27);
        ASSERT_TRUE(lesson().btnStep1->Visible());
        const UnicodeString before =
            lesson().txtNbr1->Text() + lesson().txtNbr2->Text() + lesson().txtNbr3->Text();
        lesson().KeyDown(forward.key);  // "出題": a new problem, an empty panel
        EXPECT_EQ(lesson().paneCAL->ComponentCount(), 0);
        EXPECT_FALSE(lesson().Closed());
    }
}

TEST_F(PresenterKeysTest, BackKeysPressSetAProblemOnlyWhenItIsInView) {
    for (int back : {vk::Prior, vk::Left}) {
        StartLesson();
        lesson().btnStep3->Click();
        ASSERT_FALSE(lesson().btnStep1->Visible());
        const int jobs = Animation_JobCounter;
        lesson().KeyDown(back);  // "出題" is hidden during the walkthrough
        EXPECT_EQ(Animation_JobCounter, jobs);
        EXPECT_GT(lesson().paneCAL->ComponentCount(), 0);

        lesson().btnStep1->SetVisible(true);
        lesson().KeyDown(back);
        EXPECT_EQ(lesson().paneCAL->ComponentCount(), 0) << "a new problem clears the panel";
        EXPECT_EQ(Animation_JobCounter, 0);
    }
}

TEST_F(PresenterKeysTest, ViewKeysChangeOnlyTheViewWhileTheLessonGoesOn) {
    StartLesson();
    lesson().btnStep3->Click();
    const UnicodeString problem =
        lesson().txtNbr1->Text() + lesson().txtNbr2->Text() + lesson().txtNbr3->Text();

    lesson().KeyDown(vk::F11);
    EXPECT_TRUE(lesson().FullScreen());
    lesson().KeyDown(vk::Period);
    EXPECT_TRUE(lesson().Blanked());
    Wait(13);  // the walkthrough plays on underneath the blank view
    EXPECT_TRUE(lesson().btnStep4->Visible());
    lesson().KeyDown(vk::B);
    lesson().KeyDown(vk::F11);
    EXPECT_FALSE(lesson().Blanked());
    EXPECT_FALSE(lesson().FullScreen());
    EXPECT_EQ(lesson().txtNbr1->Text() + lesson().txtNbr2->Text() + lesson().txtNbr3->Text(), problem)
        << "changing the view is no new activation: the problem stays";
}
