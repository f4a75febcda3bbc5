#pragma once
// A colour of the ui layer as Qt takes it (ui/ only).

#include <QColor>

#include "ui/Types.h"

inline QColor ToQColor(TAlphaColor c) {
    return QColor::fromRgba(c);
}
