#pragma once
// The one source of events: timers and the animation clock, read from one
// clock. The real program arms a single host timer for NextDeadlineUs();
// tests and the scene tool move a virtual clock with AdvanceBy(), which runs
// every due event in deadline order, exactly as the real loop would.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ui/Clock.h"

class TTimer;
class TFloatAnimation;

class TScheduler {
public:
    // About 60 Hz; the animation clock ticks only while an animation runs.
    static constexpr std::int64_t kAnimationFrameUs = 16'667;

    TScheduler();

    // The clock is not owned; it must outlive its use here.
    void SetClock(TClock* clock);
    TClock& Clock() { return *clock_; }
    std::int64_t NowUs() { return clock_->MonotonicUs(); }

    void Arm(TTimer* timer, std::int64_t deadlineUs);
    void Disarm(TTimer* timer);
    void AnimationStarted(TFloatAnimation* animation);
    void AnimationStopped(TFloatAnimation* animation);

    // The earliest moment at which something is due; empty when nothing
    // waits, and then the program sleeps.
    std::optional<std::int64_t> NextDeadlineUs() const;

    // Runs everything due at the clock's present reading, each event once.
    void RunDue();
    // Virtual clocks only: moves time forward, running due events on the way.
    void AdvanceBy(std::int64_t us);

    // Called whenever the next deadline may have changed (the host re-arms).
    void SetWakeHook(std::function<void()> hook) { wakeHook_ = std::move(hook); }

    std::size_t ArmedTimerCount() const { return timers_.size(); }
    std::size_t RunningAnimationCount() const { return animations_.size(); }

private:
    struct TimerEntry {
        TTimer* timer;
        std::int64_t deadlineUs;
        std::uint64_t sequence;  // keeps equal deadlines in arming order
    };

    void RunDueAt(std::int64_t nowUs);
    void FireTimer(std::size_t index, std::int64_t nowUs);
    void TickAnimations(std::int64_t nowUs);
    void Wake();

    TClock* clock_;
    std::vector<TimerEntry> timers_;
    std::vector<TFloatAnimation*> animations_;
    std::optional<std::int64_t> animationDeadlineUs_;
    std::uint64_t nextSequence_ = 0;
    std::uint64_t animationSequence_ = 0;
    bool running_ = false;
    std::function<void()> wakeHook_;
};

// The application's scheduler.
TScheduler& Scheduler();
