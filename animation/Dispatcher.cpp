#include <algorithm>

#include "animation/uf_AnimationEffect.h"
#include "ui/FloatAnimation.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Rectangle.h"
#include "ui/SimdState.h"

namespace {
// Reused from tick to tick: a tick allocates nothing once warmed up.
TNbrArray ReservedList() {
    TNbrArray jobs;
    jobs.reserve(maxAnimationJob);
    return jobs;
}
TNbrArray CurrentJob = ReservedList();
TNbrArray RemainJob = ReservedList();

void Enable(const TWeak<TFloatAnimation>& animation) {
    if (TFloatAnimation* a = animation.get()) a->SetEnabled(true);
}
}  // namespace

void TfAnimation::timStepByStepTimer(TObject*) {
    // Whatever ran before (a frame's 256-bit fills, for one) may leave the
    // upper halves of the vector registers in use; the walk's 128-bit
    // instructions would then each pay for a merge, up to four times its cost.
    SettleVectorUnit();
    if (Animation_Job.empty()) {
        timStepByStep->SetEnabled(false);
        return;
    }
    // Whole milliseconds on the monotonic clock: "strictly before" stays
    // exact, and setting the computer's clock neither freezes nor rushes the
    // presentation while the one-shot step timers keep their own time.
    const double PassTime_Second = double(Animation_Stopwatch.ElapsedMilliseconds()) / 1000;
    const auto isDue = [PassTime_Second](double entry) {
        return !(Animation_JobStart[JobNumberOf(entry)] >= PassTime_Second);
    };

    // Most ticks find nothing due: the pending list then stays as it is, and
    // the walk only reads. Otherwise the jobs before the first due one stay
    // pending, and the walk goes on from there dividing the rest.
    const auto firstDue = std::find_if(Animation_Job.begin(), Animation_Job.end(), isDue);
    if (firstDue == Animation_Job.end()) return;
    CurrentJob.clear();
    RemainJob.assign(Animation_Job.begin(), firstDue);
    for (auto it = firstDue; it != Animation_Job.end(); ++it)
        (isDue(*it) ? CurrentJob : RemainJob).push_back(*it);
    Animation_Job.swap(RemainJob);
    // A job may reset the engine or record new jobs (a handler never does,
    // but nothing stops it); the walk goes over its own list regardless.
    for (double entry : CurrentJob) {
        const int z = JobNumberOf(entry);
        RunJob(z);
        if (OnJobDispatched) OnJobDispatched(z, PassTime_Second);
    }
}

void TfAnimation::RunJob(int z) {
    switch (Animation_JobType[z]) {
        case Animation_JobType_isLabel:
            if (TLabel* label = Animation_Label[z].get()) label->SetVisible(true);
            Enable(Animation_FontSize[z]);
            Enable(Animation_Opacity[z]);
            Enable(Animation_MoveX[z]);  // an animation set's move entries start with the entrance
            Enable(Animation_MoveY[z]);  // (the slots are empty for every other label)
            break;
        case Animation_JobType_isRectangle:
            if (TRectangle* box = Animation_Rectangle[z].get()) box->SetVisible(true);
            Enable(Animation_Opacity[z]);
            break;
        case Animation_JobType_isHideLabel:
        case Animation_JobType_isHideRectangle:
            Enable(Animation_Hide[z]);
            break;
        case Animation_JobType_isMoveX:
            Enable(Animation_MoveX[z]);
            break;
        case Animation_JobType_isMoveY:
            Enable(Animation_MoveY[z]);
            break;
        case Animation_JobType_isChangeLabelColor:
            if (auto* label = dynamic_cast<TLabel*>(Animation_JobParent[z].get()))
                label->SetFontColor(Animation_LabelColor[z]);
            break;
        case Animation_JobType_isChangeLabelSize:
            Enable(Animation_FontSize[z]);
            break;
        case Animation_JobType_isRotate:
            Enable(Animation_Rotate[z]);
            break;
        case Animation_JobType_isCreateGlowEffect:
            if (TGlowEffect* glow = Animation_GlowEffect[z].get()) glow->SetEnabled(true);
            break;
        case Animation_JobType_isHideGlowEffect:
            if (TGlowEffect* glow = Animation_GlowEffect[Animation_ReferenceNbr[z]].get())
                glow->SetEnabled(false);
            break;
        default:
            break;  // an unknown code: the job has left the list and is gone
    }
}
