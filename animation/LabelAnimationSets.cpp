// A label, or a string of one-character labels, whose further animations
// come from a set the caller supplies instead of the built-in growth.
//
// What runs when. Each label takes one entrance job, as every other label
// does, so a caller still finds it at Animation_JobCounter. When that job runs
// the label shows, fades in over the scaled duration, and the set's font-size
// and move entries start with it, from the label's place and size at that
// moment, over their own unscaled durations. An entry's start is not read:
// giving entries their own jobs would break the one-job-per-label rule.
// An opacity entry is built but never runs: the fade-in takes its slot,
// and two animations driving Opacity at once would fight each frame.
// Colour, size, hide, rotation and glow entries are carried and skipped.
#include "animation/BuilderParts.h"
#include "animation/uf_AnimationEffect.h"
#include "ui/FloatAnimation.h"
#include "ui/Label.h"

namespace {

// Builds the animation an entry asks for and puts it in the job's slot for
// its kind; a later entry of the same kind takes the slot over. The entry's
// duration is used unscaled.
void AttachEntry(int z, TLabel* label, const TAnimationRecord& entry) {
    switch (entry.AnimationType) {
        case isFontSizeAnimation:
            Animation_FontSize[z] =
                CreateFloatAnimation(label, "Font.Size", true, 0, entry.aFontSize, entry.aDuration / 2);
            break;
        case isOpacityAnimation:
            Animation_Opacity[z] =
                CreateFloatAnimation(label, "Opacity", true, 0, entry.aStopValue, entry.aDuration);
            break;
        case isMoveXAnimation:
            Animation_MoveX[z] =
                CreateFloatAnimation(label, "Position.X", true, 0, entry.aStopX, entry.aDuration);
            break;
        case isMoveYAnimation:
            Animation_MoveY[z] =
                CreateFloatAnimation(label, "Position.Y", true, 0, entry.aStopY, entry.aDuration);
            break;
        default:
            break;
    }
}

}  // namespace

// Without a font-size entry the job's font-size slot stays empty (recording
// the job cleared its row) and the dispatcher skips it: the label keeps its
// starting size, and no other job's animation is started in its place.
void TfAnimation::Create_Label_Animations(TControl* Sender, double aLeft, double aTop, double aWidth,
                                          double aHeight, const UnicodeString& aChar,
                                          const UnicodeString& aFontName, double aFontSize,
                                          TAlphaColor aFontColor, double aStart, double aDuration,
                                          TTextAlign aHorzAlign, TTextAlign aVertAlign,
                                          const std::vector<TAnimationRecord>& aAnimationSets) {
    if (!Sender || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isLabel, aStart);
    TLabel* label = CreateHiddenLabel(Sender, aLeft, aTop, aChar, aFontName, aFontSize, aFontColor, aWidth,
                                      aHeight, aHorzAlign, aVertAlign);
    Animation_Label[z] = label;
    for (const TAnimationRecord& entry : aAnimationSets) AttachEntry(z, label, entry);
    Animation_Opacity[z] = CreateFloatAnimation(label, "Opacity", false, 0, 1, aDuration);
}

void TfAnimation::Create_String_Animations(TControl* Sender, double aLeft, double aTop, double aStart,
                                           double aDuration, const UnicodeString& aString,
                                           const UnicodeString& aFontName, double aFontSize,
                                           TAlphaColor aFontColor, double aWidth, double aHeight,
                                           TTextAlign aHorzAlign, TTextAlign aVertAlign,
                                           const std::vector<TAnimationRecord>& aAnimationSets) {
    if (!Sender || !JobTableHasRoomFor(int(std::min<std::size_t>(aString.size(), maxAnimationJob + 1))))
        return;
    for (std::size_t i = 0; i < aString.size(); ++i)
        Create_Label_Animations(Sender, aLeft + double(int(i) * BoxSize), aTop, aWidth, aHeight,
                                aString.substr(i, 1), aFontName, aFontSize, aFontColor, aStart, aDuration,
                                aHorzAlign, aVertAlign, aAnimationSets);
}
