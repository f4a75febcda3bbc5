// Mouse presses reach the board as a teacher expects: only the primary button
// presses anything, and while the view is blank a press acts on nothing.
#include "tests/support/LessonFixture.h"

namespace {

// The middle of a control, in the board's coordinates.
TPointF MiddleOf(TControl& control) {
    TPointF corner{0, 0};
    for (TFmxObject* p = &control; p && p->Parent(); p = p->Parent())
        if (TControl* c = p->AsControl()) {
            corner.X += c->Position().X;
            corner.Y += c->Position().Y;
        }
    return {corner.X + control.Width() / 2, corner.Y + control.Height() / 2};
}

class PointerInputTest : public LessonTest {
protected:
    void SetUp() override {
        LessonTest::SetUp();
        RandSeed(5);
        lesson().Activate();
        Wait(1);  // "出題" and "排列方法" in view
        problem = Problem();
    }
    UnicodeString Problem() {
        return lesson().txtNbr1->Text() + lesson().txtNbr2->Text() + lesson().txtNbr3->Text();
    }
    void ClickAt(TPointF at, TMouseButton button = TMouseButton::Left) {
        lesson().PointerDown(button, at);
        lesson().PointerUp(button, at);
    }
    // Nothing on the board changed: same problem, no presentation, still open.
    void ExpectNothingPressed() {
        EXPECT_EQ(Problem(), problem);
        EXPECT_EQ(Animation_JobCounter, 0);
        EXPECT_TRUE(lesson().btnStep3->Visible());
        EXPECT_FALSE(lesson().Closed());
    }

    UnicodeString problem;
};

TEST_F(PointerInputTest, ThePrimaryButtonPressesAStepButton) {
    ClickAt(MiddleOf(*lesson().btnStep3));
    EXPECT_FALSE(lesson().btnStep3->Visible());
    EXPECT_EQ(Animation_JobCounter, 60) << "the walkthrough began";
}

TEST_F(PointerInputTest, OtherButtonsPressNothing) {
    for (TMouseButton button : {TMouseButton::Right, TMouseButton::Middle, TMouseButton::Other})
        for (TControl* target :
             {static_cast<TControl*>(lesson().btnStep1), static_cast<TControl*>(lesson().btnStep3),
              static_cast<TControl*>(lesson().Button1)}) {
            SCOPED_TRACE(target->Name);
            ClickAt(MiddleOf(*target), button);
            ExpectNothingPressed();
        }
}

TEST_F(PointerInputTest, OtherButtonsDoNotMoveASlider) {
    const float before = lesson().tbTimeScale->Value();
    const TPointF rightEnd{lesson().tbTimeScale->Position().X + 95, MiddleOf(*lesson().tbTimeScale).Y};
    ClickAt(rightEnd, TMouseButton::Right);
    EXPECT_FLOAT_EQ(lesson().tbTimeScale->Value(), before);
}

TEST_F(PointerInputTest, PressesOnTheBlankViewActOnNothing) {
    lesson().KeyDown(vk::Period);
    ASSERT_TRUE(lesson().Blanked());
    for (TControl* target :
         {static_cast<TControl*>(lesson().btnStep1), static_cast<TControl*>(lesson().btnStep3),
          static_cast<TControl*>(lesson().Button1), static_cast<TControl*>(lesson().tbTimeScale)}) {
        SCOPED_TRACE(target->Name);
        ClickAt(MiddleOf(*target));
        ExpectNothingPressed();
    }
    EXPECT_FLOAT_EQ(lesson().tbTimeScale->Value(), 3);
    lesson().KeyDown(vk::B);
    EXPECT_FALSE(lesson().Blanked()) << "the keys that unblank still do";
    ASSERT_FALSE(lesson().timStep3->Enabled());
    ClickAt(MiddleOf(*lesson().btnStep1));
    EXPECT_TRUE(lesson().timStep3->Enabled()) << "a new problem was drawn";
}

TEST_F(PointerInputTest, APressHeldWhileTheViewGoesBlankEndsWithoutActing) {
    const TPointF exit = MiddleOf(*lesson().Button1);
    lesson().PointerDown(TMouseButton::Left, exit);
    lesson().KeyDown(vk::Period);
    lesson().KeyDown(vk::Period);
    lesson().PointerUp(TMouseButton::Left, exit);
    EXPECT_FALSE(lesson().Closed());
}

}  // namespace
