#include "ui/Scheduler.h"

#include <algorithm>
#include <cassert>

#include "ui/FloatAnimation.h"
#include "ui/Timer.h"

void TScheduler::Arm(TTimer* timer, std::int64_t deadlineUs) {
    const TDueKey due = KeyAt(deadlineUs);
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const auto& e) { return e.timer == timer; });
    if (it != timers_.end())
        it->due = due;
    else
        timers_.push_back({timer, due});
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
    if (!animationDue_) {
        animationDue_ = KeyAt(NowUs() + kAnimationFrameUs);
        Wake();
    }
}

void TScheduler::AnimationStopped(TFloatAnimation* animation) {
    auto it = std::find(animations_.begin(), animations_.end(), animation);
    if (it != animations_.end()) animations_.erase(it);
    // Also from inside a handler: a tick that nothing would use must not wake the program.
    if (animations_.empty() && animationDue_) {
        animationDue_.reset();
        Wake();
    }
}

std::optional<std::int64_t> TScheduler::NextDeadlineUs() const {
    std::optional<std::int64_t> next;
    if (animationDue_) next = animationDue_->deadlineUs;
    for (const auto& entry : timers_)
        if (!next || entry.due.deadlineUs < *next) next = entry.due.deadlineUs;
    return next;
}

// Picks the earliest due event each round, so that a handler may enable,
// disable or free any timer (itself included) without upsetting the walk.
void TScheduler::RunDueAt(std::int64_t nowUs) {
    running_ = true;
    for (;;) {
        std::optional<std::size_t> timerIndex;
        for (std::size_t i = 0; i < timers_.size(); ++i)
            if (timers_[i].due.deadlineUs <= nowUs &&
                (!timerIndex || timers_[i].due < timers_[*timerIndex].due))
                timerIndex = i;
        const bool animationDue = animationDue_ && animationDue_->deadlineUs <= nowUs;
        if (animationDue && (!timerIndex || *animationDue_ < timers_[*timerIndex].due))
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
    TTimerEntry& entry = timers_[index];
    TTimer* timer = entry.timer;
    const std::int64_t intervalUs = std::int64_t(timer->Interval()) * 1000;
    // A late wake-up skips the missed ticks rather than firing a burst.
    std::int64_t next = entry.due.deadlineUs + intervalUs;
    if (next <= nowUs) next = nowUs + intervalUs;
    entry.due = KeyAt(next);
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
        animationDue_.reset();
        return;
    }
    std::int64_t next = animationDue_->deadlineUs + kAnimationFrameUs;
    if (next <= nowUs) next = nowUs + kAnimationFrameUs;
    animationDue_ = KeyAt(next);
}

void TScheduler::Wake() {
    if (!running_ && wakeHook_) wakeHook_();
}
