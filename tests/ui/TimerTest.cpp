// Timers on the virtual clock: when they tick, what restarts their count, and
// in which order timers due at the same moment run.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/VirtualTime.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace {

class TimerTest : public VirtualTimeTest {
protected:
    void TearDown() override {
        form.reset();
        VirtualTimeTest::TearDown();
    }

    std::int64_t NowMs() { return clock.MonotonicUs() / 1000; }

    // A timer that records the moment of each of its ticks in `ticksMs`.
    TTimer* MakeRecordingTimer(int intervalMs) {
        auto* timer = new TTimer(form.get());
        timer->SetInterval(intervalMs);
        timer->OnTimer = [this](TObject*) { ticksMs.push_back(NowMs()); };
        return timer;
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::vector<std::int64_t> ticksMs;
};

TEST_F(TimerTest, NewTimerIsOffWithAnIntervalOfOneSecond) {
    auto* timer = new TTimer(form.get());
    timer->OnTimer = [this](TObject*) { ticksMs.push_back(NowMs()); };
    EXPECT_EQ(timer->Interval(), 1000);
    EXPECT_FALSE(timer->Enabled());
    WaitMs(1500);
    timer->SetEnabled(true);

    WaitMs(2500);

    EXPECT_EQ(ticksMs, (std::vector<std::int64_t>{2500, 3500}));
}

TEST_F(TimerTest, FirstTickComesOneIntervalAfterEnablingThenEveryInterval) {
    TTimer* timer = MakeRecordingTimer(300);
    WaitMs(500);  // the count starts at enabling, not at creation
    timer->SetEnabled(true);

    WaitMs(1000);

    EXPECT_EQ(ticksMs, (std::vector<std::int64_t>{800, 1100, 1400}));
}

TEST_F(TimerTest, AssigningTheCurrentValueChangesNothingAndANewValueRestartsTheCount) {
    struct Case {
        std::string assignment;
        std::function<void(TTimer&)> assign;
        std::int64_t firstTickMs;
    };
    // A 300 ms timer, enabled at 0, is assigned to at 200 ms.
    const std::vector<Case> cases = {
        {"Enabled := true", [](TTimer& t) { t.SetEnabled(true); }, 300},
        {"Interval := 300", [](TTimer& t) { t.SetInterval(300); }, 300},
        {"Interval := 400", [](TTimer& t) { t.SetInterval(400); }, 600},
        {"Interval := 50", [](TTimer& t) { t.SetInterval(50); }, 250},
        {"Enabled := false, true", [](TTimer& t) { t.SetEnabled(false), t.SetEnabled(true); }, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assignment);
        ticksMs.clear();
        const std::int64_t originMs = NowMs();
        TTimer* timer = MakeRecordingTimer(300);
        timer->SetEnabled(true);
        WaitMs(200);
        c.assign(*timer);
        WaitMs(c.firstTickMs - 200);
        ASSERT_EQ(ticksMs.size(), 1u);
        EXPECT_EQ(ticksMs[0] - originMs, c.firstTickMs);
        timer->Free();
    }
}

TEST_F(TimerTest, OneShotTimerOf12750MsWhoseHandlerDisablesItRunsOnce12_75SecondsLater) {
    auto* timer = new TTimer(form.get());
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        ticksMs.push_back(NowMs());
    };
    timer->SetInterval(12750);
    timer->SetEnabled(true);

    WaitMs(60'000);

    EXPECT_EQ(ticksMs, (std::vector<std::int64_t>{12750}));
    EXPECT_TRUE(timer->OnTimer);
    EXPECT_FALSE(scheduler().NextDeadlineUs());
}

TEST_F(TimerTest, IntervalZeroOrBelowNeverFires) {
    for (int intervalMs : {0, -1}) {
        SCOPED_TRACE(intervalMs);
        TTimer* switchedOnAtZero = MakeRecordingTimer(intervalMs);
        switchedOnAtZero->SetEnabled(true);
        TTimer* setToZeroWhileRunning = MakeRecordingTimer(100);
        setToZeroWhileRunning->SetEnabled(true);
        WaitMs(50);
        setToZeroWhileRunning->SetInterval(intervalMs);

        WaitMs(10'000);

        EXPECT_TRUE(ticksMs.empty());
        EXPECT_FALSE(scheduler().NextDeadlineUs());
        switchedOnAtZero->Free();
        setToZeroWhileRunning->Free();
    }
}

TEST_F(TimerTest, TimersDueAtTheSameMomentRunInTheOrderTheyWereArmed) {
    std::string order;
    auto makeTimer = [&](char name) {
        auto* timer = new TTimer(form.get());
        timer->SetInterval(100);
        timer->OnTimer = [&order, name](TObject*) { order += name; };
        return timer;
    };
    TTimer* a = makeTimer('a');
    TTimer* b = makeTimer('b');
    TTimer* c = makeTimer('c');
    b->SetEnabled(true);
    c->SetEnabled(true);
    a->SetEnabled(true);

    WaitMs(300);

    EXPECT_EQ(order, "bcabcabca");
}

TEST_F(TimerTest, HandlerThatFreesATimerDueAtTheSameMomentKeepsItFromTicking) {
    std::string order;
    auto* first = new TTimer(form.get());
    auto* second = new TTimer(form.get());
    first->OnTimer = [&](TObject*) {
        order += '1';
        if (second) second->Free();
        second = nullptr;
    };
    second->OnTimer = [&](TObject*) { order += '2'; };
    first->SetEnabled(true);
    second->SetEnabled(true);

    WaitMs(3000);

    EXPECT_EQ(order, "111");
}

TEST_F(TimerTest, TimerOfAWindowThatIsNeverShownStillTicks) {
    TTimer* timer = MakeRecordingTimer(5);
    timer->SetEnabled(true);
    ASSERT_EQ(form->Host(), nullptr);

    WaitMs(20);

    EXPECT_EQ(ticksMs, (std::vector<std::int64_t>{5, 10, 15, 20}));
}

}  // namespace
