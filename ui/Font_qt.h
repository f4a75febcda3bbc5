#pragma once
// Builds the Qt font for a family and a size in the program's pixels (ui/ only).

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

#include "ui/Color_qt.h"
#include "ui/Text_qt.h"

// The resolution every size of the layouts and the engine is given in.
constexpr int kDesignDpi = 96;
constexpr int kDesignDotsPerMeter = 3780;  // 96 dpi

// The logical dpi of what a painter draws on; the design's where it cannot tell.
inline int LogicalDpiOf(const QPainter& painter) {
    return painter.device() ? painter.device()->logicalDpiY() : kDesignDpi;
}

// Sizes are pixels at the design's 96 dpi; a device with another logical dpi
// gets the point size that draws the same number of its own pixels.
inline QFont MakeFont(const UnicodeString& family, float sizePx, int logicalDpi = kDesignDpi) {
    QFont font(ToQString(family));
    font.setPointSizeF(std::max(0.5f, sizePx) * 72.0 / logicalDpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
