#include "tools/scene/PanelDump.h"

#include <QJsonObject>

#include "tools/scene/ComponentClass.h"
#include "tools/scene/JsonValues.h"
#include "ui/FloatAnimation.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Rectangle.h"
#include "ui/Text_qt.h"

namespace {

// Every item carries every key, null where it does not apply, so that a
// reader can index any item the same way.
void AddPlacement(QJsonObject& json, const TControl* control) {
    const auto value = [control](auto read) { return control ? FloatJson(read(*control)) : QJsonValue(); };
    json["x"] = value([](const TControl& c) { return c.Position().X; });
    json["y"] = value([](const TControl& c) { return c.Position().Y; });
    json["width"] = value([](const TControl& c) { return c.Width(); });
    json["height"] = value([](const TControl& c) { return c.Height(); });
    json["opacity"] = value([](const TControl& c) { return c.Opacity(); });
    json["rotation"] = value([](const TControl& c) { return c.RotationAngle(); });
    json["visible"] = control ? QJsonValue(control->Visible()) : QJsonValue();
}

// What is drawn, after the style has had its say.
void AddText(QJsonObject& json, const TLabel* label) {
    json["text"] = label ? ToQString(label->Text()) : QString();
    json["fontFamily"] = label ? QJsonValue(ToQString(label->EffectiveFamily())) : QJsonValue();
    json["fontSize"] = label ? FloatJson(label->EffectiveFontSize()) : QJsonValue();
    json["fontColor"] = label ? QJsonValue(ColorJson(label->EffectiveFontColor())) : QJsonValue();
    json["horzAlign"] = label ? QJsonValue(AlignmentJson(label->HorzAlign())) : QJsonValue();
    json["vertAlign"] = label ? QJsonValue(AlignmentJson(label->VertAlign())) : QJsonValue();
}

QJsonObject AnimationJson(const TFloatAnimation& animation) {
    return {{"property", QString::fromStdString(animation.PropertyName)},
            {"enabled", animation.Enabled()},
            {"running", animation.Running()},
            {"startValue", FloatJson(animation.StartValue)},
            {"stopValue", FloatJson(animation.StopValue)},
            {"duration", FloatJson(animation.Duration)}};
}

// Animations and effects are owned by the control they act on. A control
// given a glow twice shows the last one.
void AddOwnedEffects(QJsonObject& json, const TComponent& component) {
    QJsonArray animations;
    QJsonValue glow;
    for (int i = 0; i < component.ComponentCount(); ++i) {
        const TComponent* owned = component.Components(i);
        if (auto* animation = dynamic_cast<const TFloatAnimation*>(owned))
            animations.append(AnimationJson(*animation));
        if (auto* effect = dynamic_cast<const TGlowEffect*>(owned))
            glow = QJsonObject{{"enabled", effect->Enabled()}, {"color", ColorJson(effect->GlowColor)}};
    }
    json["animations"] = animations;
    json["glow"] = glow;
}

QJsonObject PanelItemJson(const TComponent& component) {
    QJsonObject json{{"class", ClassNameOf(component)}};
    AddPlacement(json, dynamic_cast<const TControl*>(&component));
    AddText(json, dynamic_cast<const TLabel*>(&component));
    if (auto* rectangle = dynamic_cast<const TRectangle*>(&component))
        json["fillColor"] = ColorJson(rectangle->Fill().Color);
    AddOwnedEffects(json, component);
    return json;
}

}  // namespace

QJsonArray PanelJson(const TPanel& panel) {
    QJsonArray items;
    for (int i = 0; i < panel.ComponentCount(); ++i) items.append(PanelItemJson(*panel.Components(i)));
    return items;
}
