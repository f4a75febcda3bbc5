// The step buttons follow the lesson: while a presentation plays, "出題" and
// "排列方法" stay hidden, whatever the order and timing of presses, by mouse
// or by a presenter's keys.
#include <functional>
#include <ostream>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

struct PressCase {
    const char* name;
    std::function<void(TfMultipleDemo&)> pressArrangement;
};

void PrintTo(const PressCase& press, std::ostream* out) {
    *out << press.name;
}

const PressCase kPresses[] = {
    {"mouse", [](TfMultipleDemo& lesson) { lesson.btnStep3->Click(); }},
    {"PageDown", [](TfMultipleDemo& lesson) { lesson.KeyDown(vk::Next); }},
};

int VisibleLabelsOnPanel(TfMultipleDemo& lesson) {
    int visible = 0;
    for (int i = 0; i < lesson.paneCAL->ComponentCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(lesson.paneCAL->Components(i))) visible += label->Visible();
    return visible;
}

class StepButtonLifecycleTest : public LessonTest, public ::testing::WithParamInterface<PressCase> {};

// "出題" restarts its one-second timer for "排列方法"; pressing "排列方法"
// before that second is up must not let the timer bring it back mid-walkthrough.
TEST_P(StepButtonLifecycleTest, ANewProblemDrawnJustBeforeTheWalkthroughCannotBringItsButtonBack) {
    for (const double pressedAfter : {0.0, 0.2, 0.999}) {
        SCOPED_TRACE(pressedAfter);
        lesson().Activate();
        Wait(1.5);
        ASSERT_TRUE(lesson().btnStep3->Visible());
        lesson().btnStep1->Click();  // its timer runs again for a second
        Wait(pressedAfter);
        GetParam().pressArrangement(lesson());

        // Sampled every 5 ms until "計算結果" comes back at 12.75 s.
        for (int ms = 5; ms < 12'750; ms += 5) {
            session->WaitMs(5);
            ASSERT_FALSE(lesson().btnStep3->Visible()) << "at " << ms << " ms";
            ASSERT_FALSE(lesson().btnStep1->Visible()) << "at " << ms << " ms";
            ASSERT_FALSE(lesson().btnStep4->Visible()) << "at " << ms << " ms";
        }
        session->WaitMs(5);
        EXPECT_TRUE(lesson().btnStep4->Visible()) << "on time";
        Wait(0.1);
        EXPECT_EQ(lesson().paneCAL->ComponentCount(), 60) << "one walkthrough, never a second over it";
        EXPECT_EQ(VisibleLabelsOnPanel(lesson()), 60);
    }
}

INSTANTIATE_TEST_SUITE_P(ByMouseAndByKey, StepButtonLifecycleTest, ::testing::ValuesIn(kPresses),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
