// The scheduler wakes the program only while a timer runs or an animation
// moves; otherwise there is no deadline and the program sleeps.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>

#include "tests/support/VirtualTime.h"
#include "ui/FloatAnimation.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Timer.h"

namespace {

class SchedulerTest : public VirtualTimeTest {
protected:
    void SetUp() override {
        VirtualTimeTest::SetUp();
        label = new TLabel(form.get());
        label->SetParent(form.get());
        fade = new TFloatAnimation(label);
        fade->SetParent(label);
        fade->PropertyName = "Opacity";
        fade->Duration = 0.5f;
        timer = new TTimer(form.get());
        timer->SetInterval(100);
    }
    void TearDown() override {
        form.reset();
        VirtualTimeTest::TearDown();
    }

    std::int64_t NowUs() { return clock.MonotonicUs(); }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TLabel* label = nullptr;
    TFloatAnimation* fade = nullptr;
    TTimer* timer = nullptr;
};

TEST_F(SchedulerTest, NothingWaitsWhenNoTimerRunsAndNoAnimationMoves) {
    EXPECT_FALSE(scheduler().NextDeadlineUs());

    timer->SetEnabled(true);
    EXPECT_EQ(scheduler().NextDeadlineUs(), NowUs() + 100'000);
    timer->SetEnabled(false);
    EXPECT_FALSE(scheduler().NextDeadlineUs());

    fade->SetEnabled(true);
    EXPECT_EQ(scheduler().NextDeadlineUs(), NowUs() + TScheduler::kAnimationFrameUs);
    WaitMs(600);
    EXPECT_FALSE(scheduler().NextDeadlineUs());
    EXPECT_EQ(scheduler().RunningAnimationCount(), 0u);
}

TEST_F(SchedulerTest, AnimationClockTicksAtTheDisplayRateWhileAnAnimationRuns) {
    fade->SetEnabled(true);
    const std::int64_t startUs = NowUs();

    for (int frame = 1; frame <= 5; ++frame) {
        EXPECT_EQ(scheduler().NextDeadlineUs(), startUs + frame * TScheduler::kAnimationFrameUs);
        WaitUs(TScheduler::kAnimationFrameUs);
    }
}

TEST_F(SchedulerTest, HandlerThatStopsTheLastAnimationAndItsOwnTimerLeavesNothingToWaitFor) {
    fade->SetEnabled(true);
    timer->OnTimer = [this](TObject*) {
        fade->SetEnabled(false);
        timer->SetEnabled(false);
    };
    timer->SetEnabled(true);

    WaitMs(100);

    EXPECT_FALSE(fade->Running());
    EXPECT_FALSE(scheduler().NextDeadlineUs());
}

TEST_F(SchedulerTest, HandlerThatFreesARunningAnimationLeavesNothingToWaitFor) {
    fade->SetEnabled(true);
    timer->OnTimer = [this](TObject*) {
        fade->Free();
        timer->SetEnabled(false);
    };
    timer->SetEnabled(true);

    WaitMs(100);

    EXPECT_EQ(scheduler().RunningAnimationCount(), 0u);
    EXPECT_FALSE(scheduler().NextDeadlineUs());
    WaitMs(1000);
}

TEST_F(SchedulerTest, AnimationStartedByATimerHandlerRunsOnTheHandlersMoment) {
    timer->OnTimer = [this](TObject*) {
        fade->SetEnabled(true);
        timer->SetEnabled(false);
    };
    timer->SetEnabled(true);
    fade->StartValue = 0;
    fade->StopValue = 1;

    WaitMs(100);
    EXPECT_EQ(label->Opacity(), 0.0f);
    WaitUs(15 * TScheduler::kAnimationFrameUs);  // frames count from the tick, not from zero

    EXPECT_NEAR(label->Opacity(), 15.0 * TScheduler::kAnimationFrameUs / 500'000, 1e-4);
}

}  // namespace

namespace {

// However long a script waits, time stays a defined number: a step back, or
// one that would carry the clock past its range, is not taken.
TEST_F(SchedulerTest, TheVirtualClockTakesNoStepBackOrPastItsRange) {
    timer->SetEnabled(true);
    const std::int64_t before = NowUs();
    for (const std::int64_t us : {std::int64_t(-1), std::numeric_limits<std::int64_t>::max(),
                                  std::numeric_limits<std::int64_t>::max() / 4 + 1}) {
        EXPECT_FALSE(clock.AdvanceBy(scheduler(), us)) << us;
        EXPECT_EQ(NowUs(), before);
    }
    EXPECT_TRUE(clock.AdvanceBy(scheduler(), 1'000'000'000'000)) << "eleven and a half days";
    EXPECT_EQ(scheduler().NextDeadlineUs(), NowUs() + 100'000) << "the timer kept its step";
}

}  // namespace
