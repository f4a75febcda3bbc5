#include "ui/ListBox.h"

#include <QPainter>

#include "ui/Color_qt.h"
#include "ui/Font_qt.h"
#include "ui/Fonts.h"
#include "ui/Text_qt.h"

void TStringList::Clear() {
    items_.clear();
    owner_.Repaint();
}

void TStringList::Add(const UnicodeString& item) {
    items_.push_back(item);
    owner_.Repaint();
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    owner_.Repaint();
}

void TListBox::Paint(QPainter& painter) {
    const QRectF box(0, 0, Width(), Height());
    painter.fillRect(box, Qt::white);
    painter.setPen(QColor(0xAD, 0xAD, 0xAD));
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    const int dpi = LogicalDpiOf(painter);
    painter.setFont(MakeFont(DefaultUiFamily(), 12, dpi));
    painter.setPen(Qt::black);
    constexpr double kRowHeight = 19;
    for (int i = 0; i < Items.Count() && (i + 1) * kRowHeight <= Height(); ++i)
        painter.drawText(QRectF(4, i * kRowHeight, Width() - 8, kRowHeight), Qt::AlignVCenter,
                         ToQString(Items[i]));
}
