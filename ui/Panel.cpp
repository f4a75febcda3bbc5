#include "ui/Panel.h"

#include <QPainter>

#include "ui/Canvas.h"
#include "ui/Color_qt.h"

void TPanel::Paint(QPainter& painter) {
    const QRectF box(0, 0, Width(), Height());
    painter.fillRect(box, ToQColor(FaceColor));
    painter.setPen(QPen(ToQColor(BorderColor), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}

void TPanel::AfterPaintChildren(QPainter& painter) {
    if (!OnPaint) return;
    painter.save();
    TCanvas canvas(painter);
    OnPaint(this, canvas, TRectF{0, 0, Width(), Height()});
    painter.restore();
}
