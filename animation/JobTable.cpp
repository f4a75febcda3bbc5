#include "animation/JobTable.h"

#include "ui/Control.h"
#include "ui/FloatAnimation.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Rectangle.h"

int Animation_JobCounter = 0;
// Reserved at load, so that recording a job never grows the list.
TNbrArray Animation_Job = [] {
    TNbrArray pending;
    pending.reserve(maxAnimationJob);
    return pending;
}();
int BoxSize = kBoxSizeAtLoad;

TJobArray<int> Animation_JobType;
TJobArray<double> Animation_JobStart;
TJobArray<TWeak<TControl>> Animation_JobParent;
TJobArray<TWeak<TLabel>> Animation_Label;
TJobArray<TWeak<TRectangle>> Animation_Rectangle;
TJobArray<TWeak<TFloatAnimation>> Animation_FontSize;
TJobArray<TWeak<TFloatAnimation>> Animation_Opacity;
TJobArray<TWeak<TFloatAnimation>> Animation_MoveX;
TJobArray<TWeak<TFloatAnimation>> Animation_MoveY;
TJobArray<TWeak<TFloatAnimation>> Animation_Hide;
TJobArray<TAlphaColor> Animation_LabelColor;
TJobArray<TWeak<TFloatAnimation>> Animation_Rotate;
TJobArray<TWeak<TGlowEffect>> Animation_GlowEffect;
TJobArray<int> Animation_ReferenceNbr;

bool JobTableHasRoomFor(int count) {
    return count >= 0 && Animation_JobCounter + count <= maxAnimationJob;
}

namespace {
// A new job starts from a clean row: nothing an earlier presentation left in
// this slot can be reached through it.
void ClearRow(int z) {
    Animation_JobParent[z].reset();
    Animation_Label[z].reset();
    Animation_Rectangle[z].reset();
    Animation_FontSize[z].reset();
    Animation_Opacity[z].reset();
    Animation_MoveX[z].reset();
    Animation_MoveY[z].reset();
    Animation_Hide[z].reset();
    Animation_Rotate[z].reset();
    Animation_GlowEffect[z].reset();
    Animation_LabelColor[z] = 0;
    Animation_ReferenceNbr[z] = 0;
}
}  // namespace

int RecordJob(int jobType, double scaledStart) {
    const int z = ++Animation_JobCounter;
    ClearRow(z);
    Animation_Job.push_back(z);
    Animation_JobType[z] = jobType;
    Animation_JobStart[z] = scaledStart;
    return z;
}
