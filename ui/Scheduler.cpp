#include "ui/Scheduler.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "ui/FloatAnimation.h"
#include "ui/Timer.h"

namespace {
TRealClock& RealClock() {
    static TRealClock clock;
    return clock;
}
}  // namespace

TScheduler& Scheduler() {
    static TScheduler scheduler;
    return scheduler;
}

TClock& CurrentClock() {
    return Scheduler().Clock();
}

TScheduler::TScheduler() : clock_(&RealClock()) {}

void TScheduler::SetClock(TClock* clock) {
    clock_ = clock ? clock : &RealClock();
}

void TScheduler::Arm(TTimer* timer, std::int64_t deadlineUs) {
    const std::uint64_t sequence = nextSequence_++;
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const auto& e) { return e.timer == timer; });
    if (it != timers_.end())
        *it = {timer, deadlineUs, sequence};
    else
        timers_.push_back({timer, deadlineUs, sequence});
    Wake();
}

void TScheduler::Disarm(TTimer* timer) {
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const auto& e) { return e.timer == timer; });
    if (it == timers_.end()) return;
    timers_.erase(it);
    Wake();
}

// An animation reports its start only when it was not running, so the list
// needs no search: starting thousands at once stays linear.
void TScheduler::AnimationStarted(TFloatAnimation* animation) {
    assert(std::find(animations_.begin(), animations_.end(), animation) == animations_.end());
    animations_.push_back(animation);
    if (!animationDeadlineUs_) {
        animationDeadlineUs_ = NowUs() + kAnimationFrameUs;
        animationSequence_ = nextSequence_++;
        Wake();
    }
}

void TScheduler::AnimationStopped(TFloatAnimation* animation) {
    auto it = std::find(animations_.begin(), animations_.end(), animation);
    if (it != animations_.end()) animations_.erase(it);
    // Also from inside a handler: a tick that nothing would use must not wake the program.
    if (animations_.empty() && animationDeadlineUs_) {
        animationDeadlineUs_.reset();
        Wake();
    }
}

std::optional<std::int64_t> TScheduler::NextDeadlineUs() const {
    std::optional<std::int64_t> next = animationDeadlineUs_;
    for (const auto& entry : timers_)
        if (!next || entry.deadlineUs < *next) next = entry.deadlineUs;
    return next;
}

void TScheduler::RunDue() {
    RunDueAt(NowUs());
}

void TScheduler::AdvanceBy(std::int64_t us) {
    auto* clock = dynamic_cast<TVirtualClock*>(clock_);
    assert(clock && "only a virtual clock can be advanced");
    // A step past a quarter of the clock's range is refused, so that the
    // target and every deadline armed on the way stay representable.
    constexpr std::int64_t kFarthestUs = std::numeric_limits<std::int64_t>::max() / 4;
    if (!clock || us < 0 || us > kFarthestUs - clock->MonotonicUs()) return;
    const std::int64_t target = clock->MonotonicUs() + us;
    for (auto next = NextDeadlineUs(); next && *next <= target; next = NextDeadlineUs()) {
        clock->SetMonotonicUs(std::max(clock->MonotonicUs(), *next));
        RunDueAt(clock->MonotonicUs());
    }
    clock->SetMonotonicUs(target);
}

// Picks the earliest due event each round, so that a handler may enable,
// disable or free any timer (itself included) without upsetting the walk.
void TScheduler::RunDueAt(std::int64_t nowUs) {
    running_ = true;
    for (;;) {
        std::optional<std::size_t> timerIndex;
        for (std::size_t i = 0; i < timers_.size(); ++i) {
            const auto& e = timers_[i];
            if (e.deadlineUs > nowUs) continue;
            if (!timerIndex || e.deadlineUs < timers_[*timerIndex].deadlineUs ||
                (e.deadlineUs == timers_[*timerIndex].deadlineUs &&
                 e.sequence < timers_[*timerIndex].sequence))
                timerIndex = i;
        }
        const bool animationDue = animationDeadlineUs_ && *animationDeadlineUs_ <= nowUs;
        const bool animationFirst =
            animationDue && (!timerIndex || *animationDeadlineUs_ < timers_[*timerIndex].deadlineUs ||
                             (*animationDeadlineUs_ == timers_[*timerIndex].deadlineUs &&
                              animationSequence_ < timers_[*timerIndex].sequence));
        if (animationFirst)
            TickAnimations(nowUs);
        else if (timerIndex)
            FireTimer(*timerIndex, nowUs);
        else
            break;
    }
    running_ = false;
    Wake();
}

void TScheduler::FireTimer(std::size_t index, std::int64_t nowUs) {
    TimerEntry& entry = timers_[index];
    TTimer* timer = entry.timer;
    const std::int64_t intervalUs = std::int64_t(timer->Interval()) * 1000;
    // A late wake-up skips the missed ticks rather than firing a burst.
    std::int64_t next = entry.deadlineUs + intervalUs;
    if (next <= nowUs) next = nowUs + intervalUs;
    entry.deadlineUs = next;
    entry.sequence = nextSequence_++;
    timer->Fire();  // may disarm, re-arm or free any timer
}

void TScheduler::TickAnimations(std::int64_t nowUs) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < animations_.size(); ++i) {
        TFloatAnimation* animation = animations_[i];
        if (animation->Advance(nowUs)) animations_[kept++] = animation;
    }
    animations_.resize(kept);
    if (animations_.empty()) {
        animationDeadlineUs_.reset();
        return;
    }
    std::int64_t next = *animationDeadlineUs_ + kAnimationFrameUs;
    if (next <= nowUs) next = nowUs + kAnimationFrameUs;
    animationDeadlineUs_ = next;
    animationSequence_ = nextSequence_++;
}

void TScheduler::Wake() {
    if (!running_ && wakeHook_) wakeHook_();
}
