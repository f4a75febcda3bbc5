#pragma once
// Plays one lesson cycle in the running program as a teacher would: once the
// window has drawn a problem, the speed slider is set; each step button is
// pressed as soon as its timer has brought it back; the lesson ends when
// "出題" has returned and the last result has started.

#include <functional>

#include "tools/lateness/LatenessSamples.h"

class TfMultipleDemo;
class TfAnimation;

class TLessonDriver {
public:
    TLessonDriver(TfMultipleDemo& lesson, TfAnimation& engine, float speedSetting);

    // Called once, when the cycle is over (or the window never activated).
    std::function<void()> OnFinished;

    const TLatenessSamples& Walkthrough() const { return walkthrough_; }
    const TLatenessSamples& Working() const { return working_; }

private:
    void HookActivation();
    void HookStepTimers();
    void RecordDispatches();
    void Finish();

    TfMultipleDemo& lesson_;
    TfAnimation& engine_;
    float speedSetting_;
    bool activated_ = false;
    bool inWorking_ = false;
    TLatenessSamples walkthrough_;
    TLatenessSamples working_;
};
