#pragma once
// Whether a painter puts our coordinates onto the device's pixel grid with no
// more than a shift by whole pixels: the board shown at its own size. There,
// some shapes can be drawn a cheaper way that gives the same pixels.

#include <QPainter>
#include <QTransform>
#include <cmath>

inline bool ShiftsByWholePixels(const QPainter& painter) {
    const QTransform transform = painter.combinedTransform();
    return transform.type() <= QTransform::TxTranslate && transform.dx() == std::round(transform.dx()) &&
           transform.dy() == std::round(transform.dy());
}
