#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "ui/Color_qt.h"
#include "ui/FormHost_qt.h"

TFormHostWidget::TFormHostWidget(TForm& form) : form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    if (form.BorderStyle == TFmxFormBorderStyle::None) setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(ToQString(form.Caption));
    setFixedSize(int(form.ClientWidth()), int(form.ClientHeight()));
    form_.SetHost(this);
}

TFormHostWidget::~TFormHostWidget() {
    form_.SetHost(nullptr);
}

void TFormHostWidget::ShowAsMainWindow() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    // Without a window manager nobody activates a new window until it is clicked.
    activateWindow();
    raise();
}

void TFormHostWidget::CloseWindow() {
    if (closing_) return;
    closing_ = true;
    close();
}

bool TFormHostWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) form_.Activate();
    return QWidget::event(event);
}

void TFormHostWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    form_.PaintWindow(painter);
}

void TFormHostWidget::mousePressEvent(QMouseEvent* event) {
    const TPointF at{float(event->position().x()), float(event->position().y())};
    TControl* target = form_.ControlAt(at);
    pressed_ = target;
    if (target) target->MouseDown(target->WindowToLocal(at));
}

void TFormHostWidget::mouseMoveEvent(QMouseEvent* event) {
    if (TControl* target = pressed_.get())
        target->MouseMove(
            target->WindowToLocal({float(event->position().x()), float(event->position().y())}));
}

void TFormHostWidget::mouseReleaseEvent(QMouseEvent* event) {
    TControl* target = pressed_.get();
    pressed_.reset();
    if (target)
        target->MouseUp(target->WindowToLocal({float(event->position().x()), float(event->position().y())}));
}

void TFormHostWidget::closeEvent(QCloseEvent* event) {
    closing_ = true;
    form_.Close();
    event->accept();
}
