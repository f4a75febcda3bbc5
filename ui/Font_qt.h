#pragma once
// Builds the Qt font for a family and a size in the program's pixels (ui/ only).

#include <QFont>
#include <QPaintDevice>

#include "ui/Color_qt.h"

// Sizes are pixels at 96 dpi; a device with another logical dpi gets the
// point size that draws the same number of its own pixels.
inline QFont MakeFont(const UnicodeString& family, float sizePx, int logicalDpi = 96) {
    QFont font(ToQString(family));
    font.setPointSizeF(std::max(0.5f, sizePx) * 72.0 / logicalDpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
