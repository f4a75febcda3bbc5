#include "ui/FloatAnimation.h"

#include <cmath>

#include "ui/Control.h"
#include "ui/Scheduler.h"

namespace {
// Shorter than this, the stop value is written at once.
constexpr float kShortestDuration = 0.001f;
}  // namespace

TFloatAnimation::~TFloatAnimation() {
    if (TScheduler* scheduler = ApplicationScheduler(); running_ && scheduler)
        scheduler->AnimationStopped(this);
}

void TFloatAnimation::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_)
        Start();
    else
        Stop();
}

TControl* TFloatAnimation::Target() {
    return Parent() ? Parent()->AsControl() : nullptr;
}

void TFloatAnimation::Start() {
    TControl* target = Target();
    // A hidden control's animation does not start, and stays Enabled, so
    // nothing but a false-then-true assignment will start it later.
    if (!target || !target->Visible()) return;
    property_ = target->FindFloatProperty(PropertyName);
    if (!property_) return;
    // NaN and negative durations count as instant: the property must never take a NaN.
    if (!(Duration >= kShortestDuration)) {
        property_.Set(*target, StopValue);
        return;
    }
    if (StartFromCurrent) StartValue = property_.Get(*target);
    property_.Set(*target, StartValue);
    // Without an application nothing would ever advance it.
    TScheduler* scheduler = ApplicationScheduler();
    if (!scheduler) return;
    running_ = true;
    startedUs_ = scheduler->NowUs();
    scheduler->AnimationStarted(this);
}

void TFloatAnimation::Stop() {
    if (!running_) return;
    running_ = false;
    if (TScheduler* scheduler = ApplicationScheduler()) scheduler->AnimationStopped(this);
}

bool TFloatAnimation::Advance(std::int64_t nowUs) {
    TControl* target = Target();
    if (!running_ || !target) return running_ = false;
    const double t = double(nowUs - startedUs_) / 1e6;
    if (t >= Duration) {
        property_.Set(*target, StopValue);
        return running_ = false;
    }
    property_.Set(*target, float(StartValue + (StopValue - StartValue) * (t / Duration)));
    return true;
}
