// Labels that enter the panel: one character, a string of them, a column or
// a row, each of which may dim and fade out again later.
#include "animation/BuilderParts.h"
#include "animation/uf_AnimationEffect.h"
#include "ui/FloatAnimation.h"
#include "ui/Label.h"
#include "ui/TextMeasure.h"

namespace {

// Which way a text of one-character labels runs.
enum class TRun { Vertical, Horizontal };

// When a label that entered dims and fades out again.
struct THide {
    double start;
    double duration;
};

// A label that shows fully opaque and dims while it grows.
constexpr TEntranceStyle kDimmingEntrance{.growthDivisor = 2, .fadeTo = 0.75, .fadeFromShown = true};

// An entrance, and with `hide` a fade-out job after it.
void RecordEntranceAndHide(TfAnimation& engine, TControl* Sender, const TLabelPlace& place,
                           const UnicodeString& text, const TLabelLook& look, double aStart, double aDuration,
                           THide hide) {
    const int z1 =
        RecordLabelEntrance(engine, Sender, place, text, look, aStart, aDuration, kDimmingEntrance);
    engine.StartAndDurationInScale(hide.start, hide.duration);
    const int z2 = RecordJob(Animation_JobType_isHideLabel, hide.start);
    Animation_Hide[z2] =
        CreateFloatAnimation(Animation_Label[z1].get(), "Opacity", true, 1, 0, hide.duration);
}

// One character a cell, down a column or along a row; each centred in its
// cell whatever alignment the caller gave.
void RecordRun(TfAnimation& engine, TRun run, TControl* Sender, TLabelPlace first, double aStart,
               double aDuration, const UnicodeString& aText, TLabelLook look, const THide* hide) {
    if (!Sender || !JobTableHasRoomForText(aText, hide ? 2 : 1)) return;
    look.horzAlign = look.vertAlign = TTextAlign::Center;
    for (std::size_t i = 0; i < aText.size(); ++i) {
        TLabelPlace cell = first;
        (run == TRun::Vertical ? cell.top : cell.left) +=
            double(i) * (run == TRun::Vertical ? first.height : first.width);
        const UnicodeString character = aText.substr(i, 1);
        if (hide)
            RecordEntranceAndHide(engine, Sender, cell, character, look, aStart, aDuration, *hide);
        else
            RecordLabelEntrance(engine, Sender, cell, character, look, aStart, aDuration);
    }
}

}  // namespace

void TfAnimation::Create_Label_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                         double aDuration, const UnicodeString& aChar,
                                         const UnicodeString& aFontName, double aFontSize,
                                         TAlphaColor aFontColor, double aWidth, double aHeight,
                                         TTextAlign aHorzAlign, TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomFor(1)) return;
    RecordLabelEntrance(*this, Sender, {aLeft, aTop, aWidth, aHeight}, aChar,
                        {aFontName, aFontSize, aFontColor, aHorzAlign, aVertAlign}, aStart, aDuration);
}

// The characters stand BoxSize apart, whatever the width of their boxes.
void TfAnimation::Create_String_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                          double aDuration, const UnicodeString& aString,
                                          const UnicodeString& aFontName, double aFontSize,
                                          TAlphaColor aFontColor, double aWidth, double aHeight,
                                          TTextAlign aHorzAlign, TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomForText(aString, 1)) return;
    const TLabelLook look{aFontName, aFontSize, aFontColor, aHorzAlign, aVertAlign};
    for (std::size_t i = 0; i < aString.size(); ++i)
        RecordLabelEntrance(*this, Sender, {aLeft + double(int(i) * BoxSize), aTop, aWidth, aHeight},
                            aString.substr(i, 1), look, aStart, aDuration);
}

// Ends at aLeft: the box is as wide as the character measures (plus a sixth
// of the size, for the hand font's overhang), and it grows faster.
void TfAnimation::Create_Label_Animation_Right(TControl* Sender, double aLeft, double aTop, double aStart,
                                               double aDuration, const UnicodeString& aChar,
                                               const UnicodeString& aFontName, double aFontSize,
                                               TAlphaColor aFontColor, double, double aHeight,
                                               TTextAlign aHorzAlign, TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomFor(1)) return;
    TBitmap measuring;
    measuring.Canvas.Font.Family = aFontName;
    measuring.Canvas.Font.Size = float(aFontSize * 4 / 5);
    const double w = measuring.Canvas.TextWidth(aChar);
    RecordLabelEntrance(*this, Sender, {aLeft - w, aTop, w + aFontSize / 6, aHeight}, aChar,
                        {aFontName, aFontSize, aFontColor, aHorzAlign, aVertAlign}, aStart, aDuration,
                        {.growthDivisor = 3});
}

void TfAnimation::Create_Label_Animation_Vertical(TControl* Sender, double aLeft, double aTop, double aStart,
                                                  double aDuration, const UnicodeString& aText,
                                                  const UnicodeString& aFontName, double aFontSize,
                                                  TAlphaColor aFontColor, double aWidth, double aHeight,
                                                  TTextAlign, TTextAlign) {
    RecordRun(*this, TRun::Vertical, Sender, {aLeft, aTop, aWidth, aHeight}, aStart, aDuration, aText,
              {aFontName, aFontSize, aFontColor}, nullptr);
}

void TfAnimation::Create_Label_Animation_Horizontal(TControl* Sender, double aLeft, double aTop,
                                                    double aStart, double aDuration,
                                                    const UnicodeString& aText,
                                                    const UnicodeString& aFontName, double aFontSize,
                                                    TAlphaColor aFontColor, double aWidth, double aHeight,
                                                    TTextAlign, TTextAlign) {
    RecordRun(*this, TRun::Horizontal, Sender, {aLeft, aTop, aWidth, aHeight}, aStart, aDuration, aText,
              {aFontName, aFontSize, aFontColor}, nullptr);
}

void TfAnimation::Create_Label_Animation_And_Hide(TControl* Sender, double aLeft, double aTop, double aStart,
                                                  double aDuration, double aHideStart, double aHideDuration,
                                                  const UnicodeString& aChar, const UnicodeString& aFontName,
                                                  double aFontSize, TAlphaColor aFontColor, double aWidth,
                                                  double aHeight, TTextAlign aHorzAlign,
                                                  TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomFor(2)) return;
    RecordEntranceAndHide(*this, Sender, {aLeft, aTop, aWidth, aHeight}, aChar,
                          {aFontName, aFontSize, aFontColor, aHorzAlign, aVertAlign}, aStart, aDuration,
                          {aHideStart, aHideDuration});
}

void TfAnimation::Create_Label_Animation_Vertical_And_Hide(TControl* Sender, double aLeft, double aTop,
                                                           double aStart, double aDuration, double aHideStart,
                                                           double aHideDuration, const UnicodeString& aText,
                                                           const UnicodeString& aFontName, double aFontSize,
                                                           TAlphaColor aFontColor, double aWidth,
                                                           double aHeight, TTextAlign, TTextAlign) {
    const THide hide{aHideStart, aHideDuration};
    RecordRun(*this, TRun::Vertical, Sender, {aLeft, aTop, aWidth, aHeight}, aStart, aDuration, aText,
              {aFontName, aFontSize, aFontColor}, &hide);
}

void TfAnimation::Create_Label_Animation_Horizontal_And_Hide(
    TControl* Sender, double aLeft, double aTop, double aStart, double aDuration, double aHideStart,
    double aHideDuration, const UnicodeString& aText, const UnicodeString& aFontName, double aFontSize,
    TAlphaColor aFontColor, double aWidth, double aHeight, TTextAlign, TTextAlign) {
    const THide hide{aHideStart, aHideDuration};
    RecordRun(*this, TRun::Horizontal, Sender, {aLeft, aTop, aWidth, aHeight}, aStart, aDuration, aText,
              {aFontName, aFontSize, aFontColor}, &hide);
}
