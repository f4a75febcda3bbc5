#pragma once
// The one source of events of an application: its timers and the animation
// clock, read from the clock the application was made with. The real program
// arms a single host timer for NextDeadlineUs(); tests and the scene tool
// move a virtual clock, which runs every due event in deadline order, exactly
// as the real loop would.

#include <compare>
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

    // The clock must outlive the scheduler.
    explicit TScheduler(TClock& clock) : clock_(clock) {}
    TScheduler(const TScheduler&) = delete;
    TScheduler& operator=(const TScheduler&) = delete;

    TClock& Clock() { return clock_; }
    std::int64_t NowUs() { return clock_.MonotonicUs(); }

    void Arm(TTimer* timer, std::int64_t deadlineUs);
    void Disarm(TTimer* timer);
    void AnimationStarted(TFloatAnimation* animation);
    void AnimationStopped(TFloatAnimation* animation);

    // The earliest moment at which something is due; empty when nothing
    // waits, and then the program sleeps.
    std::optional<std::int64_t> NextDeadlineUs() const;

    // Runs everything due at the clock's present reading, or at `nowUs`,
    // each event once, earliest first.
    void RunDue() { RunDueAt(NowUs()); }
    void RunDueAt(std::int64_t nowUs);

    // Called whenever the next deadline may have changed (the host re-arms).
    void SetWakeHook(std::function<void()> hook) { wakeHook_ = std::move(hook); }

    std::size_t ArmedTimerCount() const { return timers_.size(); }
    std::size_t RunningAnimationCount() const { return animations_.size(); }

private:
    // The order events run in: by deadline, and events due at the same moment
    // in the order they were armed.
    struct TDueKey {
        std::int64_t deadlineUs;
        std::uint64_t sequence;
        auto operator<=>(const TDueKey&) const = default;
    };
    struct TTimerEntry {
        TTimer* timer;
        TDueKey due;
    };

    TDueKey KeyAt(std::int64_t deadlineUs) { return {deadlineUs, nextSequence_++}; }
    void FireTimer(std::size_t index, std::int64_t nowUs);
    void TickAnimations(std::int64_t nowUs);
    void Wake();

    TClock& clock_;
    std::vector<TTimerEntry> timers_;
    std::vector<TFloatAnimation*> animations_;
    std::optional<TDueKey> animationDue_;
    std::uint64_t nextSequence_ = 0;
    bool running_ = false;
    std::function<void()> wakeHook_;
};

// The scheduler of the running application, which drives every timer and
// animation of the program; null while no application exists (then nothing
// of theirs runs).
TScheduler* ApplicationScheduler();
