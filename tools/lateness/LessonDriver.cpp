#include "tools/lateness/LessonDriver.h"

#include <QTimer>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"

namespace {
// A button returns as its presentation's last text falls due, one dispatcher
// tick before that text starts; a click at that very instant would abandon
// it. A teacher's click comes later than this.
constexpr int kClickDelayMs = 100;
// Long enough for the dispatcher to start the jobs due when "出題" returns.
constexpr int kSettleMs = 500;
// Runs `action` from the event loop, after the handler in progress, as a user's click would come.
void Later(std::function<void()> action, int delayMs) {
    QTimer::singleShot(delayMs, std::move(action));
}
}  // namespace

TLessonDriver::TLessonDriver(TfMultipleDemo& lesson, TfAnimation& engine, float speedSetting)
    : lesson_(lesson), engine_(engine), speedSetting_(speedSetting) {
    HookActivation();
    HookStepTimers();
    RecordDispatches();
}

// Activation resets the time scale to 0.75, so the slider is set after it.
void TLessonDriver::HookActivation() {
    lesson_.OnActivate = [this, activate = lesson_.OnActivate](TObject* sender) {
        activate(sender);
        if (activated_) return;
        activated_ = true;
        lesson_.tbTimeScale->SetValue(speedSetting_);
        lesson_.tbTimeScaleChange(lesson_.tbTimeScale);
    };
}

void TLessonDriver::HookStepTimers() {
    lesson_.timStep3->OnTimer = [this, fire = lesson_.timStep3->OnTimer](TObject* sender) {
        fire(sender);
        Later([this] { lesson_.btnStep3->Click(); }, kClickDelayMs);
    };
    lesson_.timStep4->OnTimer = [this, fire = lesson_.timStep4->OnTimer](TObject* sender) {
        fire(sender);
        Later(
            [this] {
                inWorking_ = true;
                lesson_.btnStep4->Click();
            },
            kClickDelayMs);
    };
    lesson_.timStep1->OnTimer = [this, fire = lesson_.timStep1->OnTimer](TObject* sender) {
        fire(sender);
        Later([this] { Finish(); }, kSettleMs);
    };
}

// The job's lateness: the elapsed seconds of the tick that started it, less its scaled start.
void TLessonDriver::RecordDispatches() {
    engine_.OnJobDispatched = [this](int z, double passTimeSecond) {
        (inWorking_ ? working_ : walkthrough_).Add(passTimeSecond - Animation_JobStart[z]);
    };
}

void TLessonDriver::Finish() {
    engine_.OnJobDispatched = nullptr;
    if (OnFinished) OnFinished();
}
