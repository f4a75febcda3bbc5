#include "ui/Timer.h"

#include "ui/Scheduler.h"

TTimer::~TTimer() {
    if (TScheduler* scheduler = ApplicationScheduler()) scheduler->Disarm(this);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Rearm();
}

void TTimer::SetInterval(int intervalMs) {
    if (intervalMs == intervalMs_) return;
    intervalMs_ = intervalMs;
    Rearm();
}

void TTimer::Rearm() {
    TScheduler* scheduler = ApplicationScheduler();
    if (!scheduler) return;
    if (enabled_ && intervalMs_ > 0)
        scheduler->Arm(this, scheduler->NowUs() + std::int64_t(intervalMs_) * 1000);
    else
        scheduler->Disarm(this);
}

void TTimer::Fire() {
    if (!OnTimer) return;
    // The handler may free this timer, and OnTimer with it; the copy keeps the
    // handler's own state alive until it returns.
    const TNotifyEvent handler = OnTimer;
    handler(this);
}
