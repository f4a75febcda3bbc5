// Changes scheduled on a control that already stands on the panel: a move,
// a colour, a font size, a fade-out, a rotation, a glow on and off. Each
// records its job and prepares what the dispatcher switches on; the
// animations start from wherever the control stands when their job runs.
#include "animation/BuilderParts.h"
#include "animation/uf_AnimationEffect.h"
#include "ui/FloatAnimation.h"

// Two jobs with one start, so that both halves of the move run together and
// the control glides in a straight line.
void TfAnimation::MoveXY_ExistLabelAnimation(TControl* T, double aLeft, double aTop, double aStart,
                                             double aDuration) {
    if (!T || !JobTableHasRoomFor(2)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z1 = RecordJob(Animation_JobType_isMoveX, aStart);
    Animation_MoveX[z1] = CreateFloatAnimation(T, "Position.X", true, 0, aLeft, aDuration);
    const int z2 = RecordJob(Animation_JobType_isMoveY, aStart);
    Animation_MoveY[z2] = CreateFloatAnimation(T, "Position.Y", true, 0, aTop, aDuration);
}

// The colour changes in one step when the job runs; aDuration is part of the
// family's parameter list only.
void TfAnimation::ChangeLabelColor(TControl* T, TAlphaColor aFontColor, double aStart, double aDuration) {
    if (!T || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isChangeLabelColor, aStart);
    Animation_JobParent[z] = T;
    Animation_LabelColor[z] = aFontColor;
}

void TfAnimation::ChangeLabelSize(TControl* T, double aFontSize, double aStart, double aDuration) {
    if (!T || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isChangeLabelSize, aStart);
    Animation_JobParent[z] = T;
    Animation_FontSize[z] = CreateFloatAnimation(T, "Font.Size", true, 0, aFontSize, aDuration);
}

void TfAnimation::Hide_Label_Animation(TControl* T, double aStart, double aDuration) {
    if (!T || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isHideLabel, aStart);
    Animation_JobParent[z] = T;
    Animation_Hide[z] = CreateFloatAnimation(T, "Opacity", true, 0, 0, aDuration);
}

void TfAnimation::Rotate_Animation(TControl* T, double aRotateAngle, double aStart, double aDuration) {
    if (!T || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isRotate, aStart);
    Animation_JobParent[z] = T;
    Animation_Rotate[z] = CreateFloatAnimation(T, "RotationAngle", true, 0, aRotateAngle, aDuration);
}

// The glow stays on until a HideGlowEffect given this job's number takes it
// away; aDuration is not used.
void TfAnimation::AddGlowEffect(TControl* T, TAlphaColor aGlowColor, double aStart, double) {
    if (!T || !JobTableHasRoomFor(1)) return;
    RecordGlowOn(*this, T, aGlowColor, aStart);
}

// zz is the number of an AddGlowEffect job, read from Animation_JobCounter
// right after that call. Switching a glow off takes no time, so only the
// start is scaled.
void TfAnimation::HideGlowEffect(int zz, double aStart) {
    if (!JobTableHasRoomFor(1)) return;
    double noDuration = 0;
    StartAndDurationInScale(aStart, noDuration);
    const int z = RecordJob(Animation_JobType_isHideGlowEffect, aStart);
    Animation_ReferenceNbr[z] = zz;
}

// Records no job and keeps the animation nowhere: no job of the engine ever
// starts it. The duration is used unscaled, as in an animation set.
void TfAnimation::AddFontSizeAnimation(TControl* T, double aFontSize, double aDuration) {
    if (!T) return;
    CreateFloatAnimation(T, "Font.Size", true, 0, aFontSize, aDuration / 2);
}
