#include "animation/BuilderParts.h"

#include <algorithm>

#include "animation/uf_AnimationEffect.h"
#include "ui/FloatAnimation.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"

namespace {

constexpr float kGlowOpacity = 0.9f;
constexpr float kGlowSoftness = 0.4f;

// Hidden, owned and shown by `parent`, starting at four fifths of its size.
TLabel* CreateHiddenLabel(TControl* parent, const TLabelPlace& place, const UnicodeString& text,
                          const TLabelLook& look) {
    auto* label = new TLabel(parent);
    label->SetParent(parent);
    label->SetPosition(float(place.left), float(place.top));
    label->SetText(text);
    label->SetStyledSettings(0);
    label->SetFontFamily(look.fontName);
    label->SetFontSize(float(look.fontSize * 4 / 5));
    label->SetFontColor(look.fontColor);
    label->SetSize(float(place.width), float(place.height));
    label->SetHorzAlign(look.horzAlign);
    label->SetVertAlign(look.vertAlign);
    label->SetVisible(false);
    return label;
}

// An animation set's entry, built unscaled into the job's slot for its kind
// (a later entry of a kind takes the slot over); the kinds the dispatcher
// does not start with an entrance are skipped.
void AttachSetEntry(int z, TLabel* label, const TAnimationRecord& entry) {
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

bool JobTableHasRoomForText(const UnicodeString& text, int jobsPerLabel) {
    // Capped first, so that a huge text cannot overflow the count.
    return JobTableHasRoomFor(int(std::min<std::size_t>(text.size(), maxAnimationJob + 1)) * jobsPerLabel);
}

int RecordLabelEntrance(TfAnimation& engine, TControl* parent, const TLabelPlace& place,
                        const UnicodeString& text, const TLabelLook& look, double start, double duration,
                        const TEntranceStyle& style, std::span<const TAnimationRecord> extras) {
    engine.StartAndDurationInScale(start, duration);
    const int z = RecordJob(Animation_JobType_isLabel, start);
    TLabel* label = CreateHiddenLabel(parent, place, text, look);
    Animation_Label[z] = label;
    if (style.growthDivisor > 0)
        Animation_FontSize[z] =
            CreateFloatAnimation(label, "Font.Size", true, 0, look.fontSize, duration / style.growthDivisor);
    for (const TAnimationRecord& entry : extras) AttachSetEntry(z, label, entry);
    Animation_Opacity[z] =
        CreateFloatAnimation(label, "Opacity", style.fadeFromShown, 0, style.fadeTo, duration);
    return z;
}

// The glow job names itself as its reference, so that a glow-off job given
// this number reaches the same effect.
int RecordGlowOn(TfAnimation& engine, TControl* target, TAlphaColor glowColor, double start) {
    double unusedDuration = 0;
    engine.StartAndDurationInScale(start, unusedDuration);
    const int z = RecordJob(Animation_JobType_isCreateGlowEffect, start);
    Animation_JobParent[z] = target;
    Animation_ReferenceNbr[z] = z;
    auto* glow = new TGlowEffect(target);
    Animation_GlowEffect[z] = glow;
    glow->SetParent(target);
    glow->SetEnabled(false);  // an effect is created enabled
    glow->GlowColor = glowColor;
    glow->Opacity = kGlowOpacity;
    glow->Softness = kGlowSoftness;
    return z;
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
