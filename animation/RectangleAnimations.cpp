// Filled boxes of one colour (the rule under a column calculation) that fade
// in on schedule, and a variant that fades to half and out again.
#include "animation/BuilderParts.h"
#include "animation/uf_AnimationEffect.h"
#include "ui/FloatAnimation.h"
#include "ui/Rectangle.h"

namespace {

// A hidden box owned and shown by `Sender`, outlined in its own fill colour
// so that a thin rule reads as one solid bar.
TRectangle* CreateHiddenBox(TControl* Sender, double aLeft, double aTop, TAlphaColor aColor, double aWidth,
                            double aHeight) {
    auto* box = new TRectangle(Sender);
    box->SetParent(Sender);
    box->SetPosition(float(aLeft), float(aTop));
    box->SetFillColor(aColor);
    box->SetStrokeColor(aColor);
    box->SetSize(float(aWidth), float(aHeight));
    box->SetVisible(false);
    return box;
}

}  // namespace

void TfAnimation::Create_Rectangle_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                             double aDuration, TAlphaColor aColor, double aWidth,
                                             double aHeight) {
    if (!Sender || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isRectangle, aStart);
    TRectangle* box = CreateHiddenBox(Sender, aLeft, aTop, aColor, aWidth, aHeight);
    Animation_Rectangle[z] = box;
    Animation_Opacity[z] = CreateFloatAnimation(box, "Opacity", false, 0, 1, aDuration);
}

// Takes the label variant's parameters so that callers can swap one for the
// other; the text, font and alignments have nothing to draw on a box.
void TfAnimation::Create_Rectangle_Animation_And_Hide(TControl* Sender, double aLeft, double aTop,
                                                      double aStart, double aDuration, double aHideStart,
                                                      double aHideDuration, const UnicodeString&,
                                                      const UnicodeString&, double, TAlphaColor aFontColor,
                                                      double aWidth, double aHeight, TTextAlign, TTextAlign) {
    if (!Sender || !JobTableHasRoomFor(2)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z1 = RecordJob(Animation_JobType_isRectangle, aStart);
    TRectangle* box = CreateHiddenBox(Sender, aLeft, aTop, aFontColor, aWidth, aHeight);
    Animation_Rectangle[z1] = box;
    Animation_Opacity[z1] = CreateFloatAnimation(box, "Opacity", false, 0, 0.5, aDuration);

    StartAndDurationInScale(aHideStart, aHideDuration);
    const int z2 = RecordJob(Animation_JobType_isHideRectangle, aHideStart);
    Animation_Hide[z2] = CreateFloatAnimation(box, "Opacity", true, 0.5, 0, aHideDuration);
}
