#pragma once
// A visible element of a window: position and size inside its parent,
// visibility, opacity, rotation; paints itself and then its children.

#include <cstdint>
#include <string_view>

#include "ui/FloatAnimation.h"
#include "ui/FmxObject.h"

class QPainter;
class TForm;

class TControl : public TFmxObject {
public:
    explicit TControl(TComponent* AOwner) : TFmxObject(AOwner) {}

    TControl* AsControl() override { return this; }

    TPointF Position() const { return {x_, y_}; }
    void SetPosition(float x, float y);
    void SetPositionX(float x) { SetPosition(x, y_); }
    void SetPositionY(float y) { SetPosition(x_, y); }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetWidth(float w) { SetSize(w, height_); }
    void SetHeight(float h) { SetSize(width_, h); }
    void SetSize(float w, float h);
    void SetBounds(float x, float y, float w, float h);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    float Opacity() const { return opacity_; }
    void SetOpacity(float opacity);
    float RotationAngle() const { return rotationDeg_; }
    void SetRotationAngle(float degrees);

    // Whether clicks may land on this control.
    bool HitTest = true;

    // The window this control is shown in, if any.
    TForm* ParentForm();

    // Paints this control and its subtree; the painter stands at the parent's origin.
    void PaintTree(QPainter& painter);

    // The topmost visible, hit-testable control under a point given in this
    // control's parent's coordinates (rotation is ignored), or null.
    TControl* ControlAt(TPointF pointInParent);
    // Maps a point from the window's coordinates into this control's.
    TPointF WindowToLocal(TPointF point) const;

    // Resolves an animatable property by its dotted path; empty if unknown.
    virtual TFloatPropertyAccess FindFloatProperty(std::string_view path);

    // Paints the control's own face only (what a glow surrounds).
    void PaintFace(QPainter& painter) { Paint(painter); }

    // Pointer input routed by the window host; points are local.
    virtual void MouseDown(TPointF) {}
    virtual void MouseMove(TPointF) {}
    virtual void MouseUp(TPointF) {}
    // The press ends without acting (the view went blank under it).
    virtual void MouseCancel() {}

    // Bumped whenever what the control draws changes (not where): lets a
    // glow keep its halo until the face really changes.
    std::uint64_t ContentVersion() const { return contentVersion_; }

protected:
    // The control's own face, in local coordinates.
    virtual void Paint(QPainter&) {}
    // Runs after the children have been painted (a panel's OnPaint).
    virtual void AfterPaintChildren(QPainter&) {}
    // Whether Paint and AfterPaintChildren change nothing of the painter but
    // its font and pen; the paint walk then skips saving the whole painter.
    virtual bool PaintChangesOnlyFontAndPen() const { return false; }
    virtual bool WantsClicks() const { return HitTest; }
    void ContentChanged();

private:
    float x_ = 0, y_ = 0;
    float width_ = 0, height_ = 0;
    bool visible_ = true;
    float opacity_ = 1;
    float rotationDeg_ = 0;
    std::uint64_t contentVersion_ = 0;
};
