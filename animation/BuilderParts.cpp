#include "animation/BuilderParts.h"

#include "ui/FloatAnimation.h"
#include "ui/Label.h"

TLabel* CreateHiddenLabel(TControl* Sender, double aLeft, double aTop, const UnicodeString& aChar,
                          const UnicodeString& aFontName, double aFontSize, TAlphaColor aFontColor,
                          double aWidth, double aHeight, TTextAlign aHorzAlign, TTextAlign aVertAlign) {
    auto* label = new TLabel(Sender);
    label->SetParent(Sender);
    label->SetPosition(float(aLeft), float(aTop));
    label->SetText(aChar);
    label->SetStyledSettings(0);
    label->SetFontFamily(aFontName);
    label->SetFontSize(float(aFontSize * 4 / 5));
    label->SetFontColor(aFontColor);
    label->AutoSize = false;
    label->SetSize(float(aWidth), float(aHeight));
    label->SetHorzAlign(aHorzAlign);
    label->SetVertAlign(aVertAlign);
    label->SetVisible(false);
    return label;
}

TFloatAnimation* CreateFloatAnimation(TControl* target, const std::string& propertyName,
                                      bool startFromCurrent, double startValue, double stopValue,
                                      double duration) {
    auto* animation = new TFloatAnimation(target);
    animation->SetParent(target);
    animation->PropertyName = propertyName;
    animation->StartFromCurrent = startFromCurrent;
    animation->StartValue = float(startValue);
    animation->StopValue = float(stopValue);
    animation->Duration = float(duration);
    return animation;
}
