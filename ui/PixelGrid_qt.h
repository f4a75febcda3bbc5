#pragma once
// Whether a painter puts our coordinates onto the device's pixel grid with no
// more than a shift by whole pixels: the board shown at its own size. There,
// some shapes can be drawn a cheaper way that gives the same pixels.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <cmath>

inline bool ShiftsByWholePixels(const QPainter& painter) {
    const QTransform transform = painter.combinedTransform();
    return transform.type() <= QTransform::TxTranslate && transform.dx() == std::round(transform.dx()) &&
           transform.dy() == std::round(transform.dy());
}

// A one-pixel outline inside `box` as the pixels it covers: on the pixel grid
// a fraction of the cost of stroking it, with the same pixels (the stroke only
// leaves its four corner pixels a little paler). A box one pixel thin is all
// outline. False where the box or the painter is off the grid: stroke it then.
inline bool FillOnePixelOutline(QPainter& painter, const QRectF& box, const QColor& colour) {
    const double x = box.x(), y = box.y(), w = box.width(), h = box.height();
    if (w < 1 || h < 1 || x != std::round(x) || y != std::round(y) || w != std::round(w) ||
        h != std::round(h) || !ShiftsByWholePixels(painter))
        return false;
    if (w < 3 || h < 3) {
        painter.fillRect(box, colour);
        return true;
    }
    painter.fillRect(QRectF(x, y, w, 1), colour);
    painter.fillRect(QRectF(x, y + h - 1, w, 1), colour);
    painter.fillRect(QRectF(x, y + 1, 1, h - 2), colour);
    painter.fillRect(QRectF(x + w - 1, y + 1, 1, h - 2), colour);
    return true;
}
