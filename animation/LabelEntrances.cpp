#include "animation/BuilderParts.h"
#include "animation/uf_AnimationEffect.h"
#include "ui/FloatAnimation.h"
#include "ui/Label.h"
#include "ui/TextMeasure.h"

namespace {

// Which layout a text of one-character labels takes.
enum class Run { Vertical, Horizontal };

TPointF CellOf(Run run, double aLeft, double aTop, double aWidth, double aHeight, std::size_t i) {
    if (run == Run::Vertical) return {float(aLeft), float(aTop + double(i) * aHeight)};
    return {float(aLeft + double(i) * aWidth), float(aTop)};
}

}  // namespace

void TfAnimation::Create_Label_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                         double aDuration, const UnicodeString& aChar,
                                         const UnicodeString& aFontName, double aFontSize,
                                         TAlphaColor aFontColor, double aWidth, double aHeight,
                                         TTextAlign aHorzAlign, TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isLabel, aStart);
    TLabel* label = CreateHiddenLabel(Sender, aLeft, aTop, aChar, aFontName, aFontSize, aFontColor, aWidth,
                                      aHeight, aHorzAlign, aVertAlign);
    Animation_Label[z] = label;
    Animation_FontSize[z] = CreateFloatAnimation(label, "Font.Size", true, 0, aFontSize, aDuration / 2);
    Animation_Opacity[z] = CreateFloatAnimation(label, "Opacity", false, 0, 1, aDuration);
}

void TfAnimation::Create_String_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                          double aDuration, const UnicodeString& aString,
                                          const UnicodeString& aFontName, double aFontSize,
                                          TAlphaColor aFontColor, double aWidth, double aHeight,
                                          TTextAlign aHorzAlign, TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomFor(int(std::min<std::size_t>(aString.size(), maxAnimationJob + 1))))
        return;
    for (std::size_t i = 0; i < aString.size(); ++i)
        Create_Label_Animation(Sender, aLeft + double(int(i) * BoxSize), aTop, aStart, aDuration,
                               aString.substr(i, 1), aFontName, aFontSize, aFontColor, aWidth, aHeight,
                               aHorzAlign, aVertAlign);
}

void TfAnimation::Create_Label_Animation_Right(TControl* Sender, double aLeft, double aTop, double aStart,
                                               double aDuration, const UnicodeString& aChar,
                                               const UnicodeString& aFontName, double aFontSize,
                                               TAlphaColor aFontColor, double, double aHeight,
                                               TTextAlign aHorzAlign, TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomFor(1)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z = RecordJob(Animation_JobType_isLabel, aStart);
    double w = 0;
    {
        TBitmap measuring;
        measuring.Canvas.Font.Family = aFontName;
        measuring.Canvas.Font.Size = float(aFontSize * 4 / 5);
        w = measuring.Canvas.TextWidth(aChar);
    }
    TLabel* label = CreateHiddenLabel(Sender, aLeft - w, aTop, aChar, aFontName, aFontSize, aFontColor,
                                      w + aFontSize / 6, aHeight, aHorzAlign, aVertAlign);
    Animation_Label[z] = label;
    Animation_FontSize[z] = CreateFloatAnimation(label, "Font.Size", true, 0, aFontSize, aDuration / 3);
    Animation_Opacity[z] = CreateFloatAnimation(label, "Opacity", false, 0, 1, aDuration);
}

void TfAnimation::Create_Label_Animation_Vertical(TControl* Sender, double aLeft, double aTop, double aStart,
                                                  double aDuration, const UnicodeString& aText,
                                                  const UnicodeString& aFontName, double aFontSize,
                                                  TAlphaColor aFontColor, double aWidth, double aHeight,
                                                  TTextAlign, TTextAlign) {
    if (!Sender || !JobTableHasRoomFor(int(std::min<std::size_t>(aText.size(), maxAnimationJob + 1)))) return;
    for (std::size_t i = 0; i < aText.size(); ++i) {
        const TPointF cell = CellOf(Run::Vertical, aLeft, aTop, aWidth, aHeight, i);
        Create_Label_Animation(Sender, cell.X, cell.Y, aStart, aDuration, aText.substr(i, 1), aFontName,
                               aFontSize, aFontColor, aWidth, aHeight, TTextAlign::Center,
                               TTextAlign::Center);
    }
}

void TfAnimation::Create_Label_Animation_Horizontal(TControl* Sender, double aLeft, double aTop,
                                                    double aStart, double aDuration,
                                                    const UnicodeString& aText,
                                                    const UnicodeString& aFontName, double aFontSize,
                                                    TAlphaColor aFontColor, double aWidth, double aHeight,
                                                    TTextAlign, TTextAlign) {
    if (!Sender || !JobTableHasRoomFor(int(std::min<std::size_t>(aText.size(), maxAnimationJob + 1)))) return;
    for (std::size_t i = 0; i < aText.size(); ++i) {
        const TPointF cell = CellOf(Run::Horizontal, aLeft, aTop, aWidth, aHeight, i);
        Create_Label_Animation(Sender, cell.X, cell.Y, aStart, aDuration, aText.substr(i, 1), aFontName,
                               aFontSize, aFontColor, aWidth, aHeight, TTextAlign::Center,
                               TTextAlign::Center);
    }
}

void TfAnimation::Create_Label_Animation_And_Hide(TControl* Sender, double aLeft, double aTop, double aStart,
                                                  double aDuration, double aHideStart, double aHideDuration,
                                                  const UnicodeString& aChar, const UnicodeString& aFontName,
                                                  double aFontSize, TAlphaColor aFontColor, double aWidth,
                                                  double aHeight, TTextAlign aHorzAlign,
                                                  TTextAlign aVertAlign) {
    if (!Sender || !JobTableHasRoomFor(2)) return;
    StartAndDurationInScale(aStart, aDuration);
    const int z1 = RecordJob(Animation_JobType_isLabel, aStart);
    TLabel* label = CreateHiddenLabel(Sender, aLeft, aTop, aChar, aFontName, aFontSize, aFontColor, aWidth,
                                      aHeight, aHorzAlign, aVertAlign);
    Animation_Label[z1] = label;
    Animation_FontSize[z1] = CreateFloatAnimation(label, "Font.Size", true, 0, aFontSize, aDuration / 2);
    // Shows fully opaque, then dims while it grows.
    Animation_Opacity[z1] = CreateFloatAnimation(label, "Opacity", true, 0, 0.75, aDuration);

    StartAndDurationInScale(aHideStart, aHideDuration);
    const int z2 = RecordJob(Animation_JobType_isHideLabel, aHideStart);
    Animation_Hide[z2] = CreateFloatAnimation(label, "Opacity", true, 1, 0, aHideDuration);
}

void TfAnimation::Create_Label_Animation_Vertical_And_Hide(TControl* Sender, double aLeft, double aTop,
                                                           double aStart, double aDuration, double aHideStart,
                                                           double aHideDuration, const UnicodeString& aText,
                                                           const UnicodeString& aFontName, double aFontSize,
                                                           TAlphaColor aFontColor, double aWidth,
                                                           double aHeight, TTextAlign, TTextAlign) {
    if (!Sender || !JobTableHasRoomFor(int(std::min<std::size_t>(aText.size(), maxAnimationJob)) * 2)) return;
    for (std::size_t i = 0; i < aText.size(); ++i) {
        const TPointF cell = CellOf(Run::Vertical, aLeft, aTop, aWidth, aHeight, i);
        Create_Label_Animation_And_Hide(Sender, cell.X, cell.Y, aStart, aDuration, aHideStart, aHideDuration,
                                        aText.substr(i, 1), aFontName, aFontSize, aFontColor, aWidth, aHeight,
                                        TTextAlign::Center, TTextAlign::Center);
    }
}

void TfAnimation::Create_Label_Animation_Horizontal_And_Hide(
    TControl* Sender, double aLeft, double aTop, double aStart, double aDuration, double aHideStart,
    double aHideDuration, const UnicodeString& aText, const UnicodeString& aFontName, double aFontSize,
    TAlphaColor aFontColor, double aWidth, double aHeight, TTextAlign, TTextAlign) {
    if (!Sender || !JobTableHasRoomFor(int(std::min<std::size_t>(aText.size(), maxAnimationJob)) * 2)) return;
    for (std::size_t i = 0; i < aText.size(); ++i) {
        const TPointF cell = CellOf(Run::Horizontal, aLeft, aTop, aWidth, aHeight, i);
        Create_Label_Animation_And_Hide(Sender, cell.X, cell.Y, aStart, aDuration, aHideStart, aHideDuration,
                                        aText.substr(i, 1), aFontName, aFontSize, aFontColor, aWidth, aHeight,
                                        TTextAlign::Center, TTextAlign::Center);
    }
}
