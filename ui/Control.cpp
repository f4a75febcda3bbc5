#include "ui/Control.h"

#include <QPainter>
#include <cmath>

#include "ui/Form.h"
#include "ui/GlowEffect.h"
#include "ui/SimdState.h"

void TControl::SetPosition(float x, float y) {
    if (x == x_ && y == y_) return;
    x_ = x;
    y_ = y;
    if (visible_) Repaint();
}

void TControl::SetSize(float w, float h) {
    if (w == width_ && h == height_) return;
    width_ = w;
    height_ = h;
    ContentChanged();
}

void TControl::SetBounds(float x, float y, float w, float h) {
    SetPosition(x, y);
    SetSize(w, h);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    TFmxObject::Repaint();
}

void TControl::SetOpacity(float opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    if (visible_) Repaint();
}

void TControl::SetRotationAngle(float degrees) {
    if (degrees == rotationDeg_) return;
    rotationDeg_ = degrees;
    if (visible_) Repaint();
}

void TControl::ContentChanged() {
    ++contentVersion_;
    if (visible_) Repaint();
}

TForm* TControl::ParentForm() {
    for (TFmxObject* p = this; p; p = p->Parent())
        if (auto* form = dynamic_cast<TForm*>(p)) return form;
    return nullptr;
}

namespace {

// Moves the painter into a control's own coordinates, turned about its
// centre, and fades it by the control's opacity.
void EnterPlace(QPainter& painter, TPointF position, float width, float height, float rotationDeg,
                float opacity) {
    painter.translate(position.X, position.Y);
    if (rotationDeg != 0) {
        painter.translate(width / 2, height / 2);
        painter.rotate(rotationDeg);
        painter.translate(-width / 2, -height / 2);
    }
    painter.setOpacity(painter.opacity() * opacity);
}

void PaintGlows(QPainter& painter, TControl& control) {
    for (TFmxObject* child : control.Children()) {
        TGlowEffect* glow = child->AsGlowEffect();
        if (glow && glow->Enabled()) glow->PaintHalo(painter, control);
    }
}

}  // namespace

void TControl::PaintTree(QPainter& painter) {
    if (!visible_) return;
    // A box that is not finite has no place on the board; handed to Qt it is
    // painted as a block anywhere in the window.
    if (!std::isfinite(x_) || !std::isfinite(y_) || !std::isfinite(width_) || !std::isfinite(height_)) return;
    // Saving and restoring the whole painter costs more than a label's face;
    // a face that changes only font and pen needs just place and opacity put
    // back, and leaves its font for the next label, which mostly shares it.
    const bool isolated = !PaintChangesOnlyFontAndPen();
    const QTransform parentTransform = isolated ? QTransform() : painter.worldTransform();
    const qreal parentOpacity = painter.opacity();
    if (isolated) painter.save();
    EnterPlace(painter, Position(), width_, height_, rotationDeg_, opacity_);
    PaintGlows(painter, *this);
    SettleVectorUnit();
    Paint(painter);
    for (TFmxObject* child : Children())
        if (TControl* control = child->AsControl()) control->PaintTree(painter);
    AfterPaintChildren(painter);
    if (isolated) {
        painter.restore();
        return;
    }
    painter.setWorldTransform(parentTransform);
    painter.setOpacity(parentOpacity);
}

TControl* TControl::ControlAt(TPointF p) {
    if (!visible_) return nullptr;
    const TPointF local{p.X - x_, p.Y - y_};
    const auto& children = Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (TControl* control = (*it)->AsControl())
            if (TControl* hit = control->ControlAt(local)) return hit;
    const bool inside = local.X >= 0 && local.Y >= 0 && local.X < width_ && local.Y < height_;
    return inside && WantsClicks() ? this : nullptr;
}

TPointF TControl::WindowToLocal(TPointF point) const {
    for (const TFmxObject* p = this; p && p->Parent(); p = p->Parent()) {
        const auto* control = const_cast<TFmxObject*>(p)->AsControl();
        if (!control) break;
        point.X -= control->x_;
        point.Y -= control->y_;
    }
    return point;
}

TFloatPropertyAccess TControl::FindFloatProperty(std::string_view path) {
    if (path == "Opacity")
        return {[](TControl& c) { return c.Opacity(); }, [](TControl& c, float v) { c.SetOpacity(v); }};
    if (path == "Position.X")
        return {[](TControl& c) { return c.Position().X; }, [](TControl& c, float v) { c.SetPositionX(v); }};
    if (path == "Position.Y")
        return {[](TControl& c) { return c.Position().Y; }, [](TControl& c, float v) { c.SetPositionY(v); }};
    if (path == "RotationAngle")
        return {[](TControl& c) { return c.RotationAngle(); },
                [](TControl& c, float v) { c.SetRotationAngle(v); }};
    if (path == "Width")
        return {[](TControl& c) { return c.Width(); }, [](TControl& c, float v) { c.SetWidth(v); }};
    if (path == "Height")
        return {[](TControl& c) { return c.Height(); }, [](TControl& c, float v) { c.SetHeight(v); }};
    return {};
}
