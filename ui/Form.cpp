#include "ui/Form.h"

#include <QPainter>

#include "ui/Application.h"
#include "ui/Color_qt.h"

TForm::TForm(TComponent* AOwner) : TControl(AOwner) {}

TForm::~TForm() {
    // Controls and timers go before the host that shows them.
    DestroyComponents();
}

void TForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TForm::KeyDown(int key) {
    if (OnKeyDown) OnKeyDown(this, key);
    if (key == vk::F11)
        SetFullScreen(!fullScreen_);
    else if (key == vk::Period || key == vk::B)
        SetBlanked(!blanked_);
}

void TForm::PointerDown(TMouseButton button, TPointF at) {
    if (button != TMouseButton::Left || blanked_) return;
    TControl* target = ControlAt(at);
    pressed_ = target;
    if (target) target->MouseDown(target->WindowToLocal(at));
}

void TForm::PointerMove(TPointF at) {
    if (TControl* target = pressed_.get()) target->MouseMove(target->WindowToLocal(at));
}

void TForm::PointerUp(TMouseButton button, TPointF at) {
    if (button != TMouseButton::Left) return;
    TControl* target = pressed_.get();
    pressed_.reset();
    if (target) target->MouseUp(target->WindowToLocal(at));
}

void TForm::SetFullScreen(bool fullScreen) {
    if (fullScreen == fullScreen_) return;
    fullScreen_ = fullScreen;
    if (host_) host_->ViewChanged();
}

void TForm::SetBlanked(bool blanked) {
    if (blanked == blanked_) return;
    blanked_ = blanked;
    // A press held while the view goes black ends without acting.
    if (TControl* target = pressed_.get()) target->MouseCancel();
    pressed_.reset();
    if (host_) host_->ViewChanged();
    Repaint();
}

void TForm::Close() {
    if (closed_) return;
    closed_ = true;
    if (host_) host_->CloseWindow();
    if (Application && Application->MainForm() == this) Application->Terminate();
}

void TForm::Repaint() {
    if (needsRepaint_) return;
    needsRepaint_ = true;
    if (host_) host_->RequestRepaint();
}

void TForm::PaintWindow(QPainter& painter) {
    if (blanked_) {
        // A presenter's pause: nothing of the board shows, and it goes on underneath.
        painter.fillRect(QRectF(0, 0, Width(), Height()), Qt::black);
        needsRepaint_ = false;
        return;
    }
    painter.fillRect(QRectF(0, 0, Width(), Height()), ToQColor(Fill));
    for (TFmxObject* child : Children())
        if (TControl* control = child->AsControl()) control->PaintTree(painter);
    needsRepaint_ = false;
}
