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

namespace {
// The set's own entries take the place of the built-in growth.
constexpr TEntranceStyle kSetEntrance{.growthDivisor = 0};
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
    RecordLabelEntrance(*this, Sender, {aLeft, aTop, aWidth, aHeight}, aChar,
                        {aFontName, aFontSize, aFontColor, aHorzAlign, aVertAlign}, aStart, aDuration,
                        kSetEntrance, aAnimationSets);
}

void TfAnimation::Create_String_Animations(TControl* Sender, double aLeft, double aTop, double aStart,
                                           double aDuration, const UnicodeString& aString,
                                           const UnicodeString& aFontName, double aFontSize,
                                           TAlphaColor aFontColor, double aWidth, double aHeight,
                                           TTextAlign aHorzAlign, TTextAlign aVertAlign,
                                           const std::vector<TAnimationRecord>& aAnimationSets) {
    if (!Sender || !JobTableHasRoomForText(aString, 1)) return;
    const TLabelLook look{aFontName, aFontSize, aFontColor, aHorzAlign, aVertAlign};
    for (std::size_t i = 0; i < aString.size(); ++i)
        RecordLabelEntrance(*this, Sender, {aLeft + double(int(i) * BoxSize), aTop, aWidth, aHeight},
                            aString.substr(i, 1), look, aStart, aDuration, kSetEntrance, aAnimationSets);
}
