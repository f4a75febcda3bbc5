#include "ui/Canvas.h"

#include <QPainter>

#include "ui/Color_qt.h"

void TCanvas::DrawLine(TPointF from, TPointF to, float AOpacity) {
    painter_.save();
    painter_.setOpacity(painter_.opacity() * AOpacity);
    painter_.setPen(QPen(ToQColor(Stroke.Color), Stroke.Thickness, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(QPointF(from.X, from.Y), QPointF(to.X, to.Y));
    painter_.restore();
}
