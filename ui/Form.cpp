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
    painter.fillRect(QRectF(0, 0, Width(), Height()), ToQColor(Fill));
    for (TFmxObject* child : Children())
        if (TControl* control = child->AsControl()) control->PaintTree(painter);
    needsRepaint_ = false;
}
