#include "ui/Rectangle.h"

#include <QPainter>

#include "ui/Color_qt.h"
#include "ui/PixelGrid_qt.h"

void TRectangle::SetFillColor(TAlphaColor color) {
    if (color == fill_.Color) return;
    fill_.Color = color;
    ContentChanged();
}

void TRectangle::SetStrokeColor(TAlphaColor color) {
    if (color == stroke_.Color) return;
    stroke_.Color = color;
    ContentChanged();
}

void TRectangle::SetStrokeVisible(bool visible) {
    if (visible == stroke_.Visible) return;
    stroke_.Visible = visible;
    ContentChanged();
}

void TRectangle::Paint(QPainter& painter) {
    const QRectF box(0, 0, Width(), Height());
    painter.fillRect(box, ToQColor(fill_.Color));
    if (!stroke_.Visible || stroke_.Thickness <= 0) return;
    if (stroke_.Thickness == 1 && FillOnePixelOutline(painter, box, ToQColor(stroke_.Color))) return;
    // The outline lies inside the box, as the framework draws it.
    const double half = stroke_.Thickness / 2.0;
    painter.setPen(
        QPen(ToQColor(stroke_.Color), stroke_.Thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(half, half, -half, -half));
}
