#include "ui/Canvas.h"

#include <QPainter>
#include <cmath>

#include "ui/Color_qt.h"
#include "ui/PixelGrid_qt.h"

namespace {

// The box that a flat-capped stroke of a horizontal or vertical line covers;
// empty for a slanted line or one not on the board at all.
QRectF StrokeBox(TPointF from, TPointF to, float thickness) {
    if (!std::isfinite(from.X) || !std::isfinite(from.Y) || !std::isfinite(to.X) || !std::isfinite(to.Y))
        return {};
    const double half = thickness / 2.0;
    if (from.X == to.X)
        return QRectF(from.X - half, std::min(from.Y, to.Y), thickness, std::abs(to.Y - from.Y));
    if (from.Y == to.Y)
        return QRectF(std::min(from.X, to.X), from.Y - half, std::abs(to.X - from.X), thickness);
    return {};
}

}  // namespace

void TCanvas::DrawLine(TPointF from, TPointF to, float AOpacity) {
    painter_.save();
    painter_.setOpacity(painter_.opacity() * AOpacity);
    const QColor colour = ToQColor(Stroke.Color);
    // A grid line filled as the box it covers looks the same within a level of
    // rounding and costs a third of a stroke; the lesson draws 34 of them over
    // its labels at every frame. Scaled or thin cosmetic lines keep the stroke.
    const QRectF box =
        Stroke.Thickness > 0 && std::isfinite(Stroke.Thickness) && ShiftsByWholePixels(painter_)
            ? StrokeBox(from, to, Stroke.Thickness)
            : QRectF();
    if (!box.isNull()) {
        painter_.fillRect(box, colour);
    } else {
        painter_.setPen(QPen(colour, Stroke.Thickness, Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(QPointF(from.X, from.Y), QPointF(to.X, to.Y));
    }
    painter_.restore();
}
