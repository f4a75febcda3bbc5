#include "ui/Button.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "ui/Font_qt.h"
#include "ui/Text_qt.h"

void TButton::SetText(const UnicodeString& text) {
    if (text == text_) return;
    text_ = text;
    ContentChanged();
}

void TButton::SetFontFamily(const UnicodeString& family) {
    if (family == font_.Family) return;
    font_.Family = family;
    ContentChanged();
}

void TButton::SetFontSize(float size) {
    if (size == font_.Size) return;
    font_.Size = size;
    ContentChanged();
}

bool TButton::ShownOnScreen() const {
    for (const TFmxObject* p = this; p; p = p->Parent()) {
        const TControl* control = const_cast<TFmxObject*>(p)->AsControl();
        if (control && !control->Visible()) return false;
    }
    return true;
}

void TButton::Click() {
    if (!ShownOnScreen() || !OnClick) return;
    // The handler may free this button, and OnClick with it; the copy keeps
    // the handler's own state alive until it returns.
    const TNotifyEvent handler = OnClick;
    handler(this);
}

void TButton::MouseDown(TPointF) {
    down_ = true;
    ContentChanged();
}

void TButton::MouseUp(TPointF local) {
    const bool inside = local.X >= 0 && local.Y >= 0 && local.X < Width() && local.Y < Height();
    down_ = false;
    ContentChanged();
    if (inside) Click();
}

void TButton::MouseCancel() {
    down_ = false;
    ContentChanged();
}

void TButton::Paint(QPainter& painter) {
    QStyleOptionButton option;
    option.rect = QRect(0, 0, int(Width()), int(Height()));
    option.state = QStyle::State_Enabled | (down_ ? QStyle::State_Sunken : QStyle::State_Raised);
    option.text = ToQString(text_);
    const int dpi = LogicalDpiOf(painter);
    const QFont font = MakeFont(font_.Family, font_.Size, dpi);
    option.fontMetrics = QFontMetrics(font, painter.device());
    option.palette = QApplication::palette();
    painter.save();
    painter.setFont(font);
    QApplication::style()->drawControl(QStyle::CE_PushButton, &option, &painter);
    painter.restore();
}
