#include "animation/uf_AnimationEffect.h"
#include "ui/Runtime.h"

TfAnimation* fAnimation = nullptr;

TfAnimation::TfAnimation(TComponent* AOwner) : TForm(AOwner) {
    Name = "fAnimation";
    timStepByStep = new TTimer(this);
    timStepByStep->Name = "timStepByStep";
    timStepByStep->SetInterval(5);
    timStepByStep->SetEnabled(false);
    timStepByStep->OnTimer = [this](TObject* sender) { timStepByStepTimer(sender); };
}

// Pending jobs are forgotten: their numbers would name rows that the next
// presentation reuses, or objects that have been freed since.
void TfAnimation::Reset(double aValue) {
    timStepByStep->SetEnabled(false);
    Animation_JobCounter = 0;
    Animation_Job.clear();
    JobSchedule_StartTime = 0;
    time_Scale = aValue;
}

void TfAnimation::Start() {
    Animation_StartTime = Now();
    Animation_Stopwatch = TStopwatch::StartNew();
    timStepByStep->SetEnabled(true);
}

void TfAnimation::AddJobScheduleTime(double aTime) {
    JobSchedule_StartTime += aTime;
}

void TfAnimation::StartAndDurationInScale(double& aStart, double& aDuration) {
    aStart *= time_Scale;
    aDuration *= time_Scale;
}
