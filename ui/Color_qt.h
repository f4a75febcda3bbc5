#pragma once
// Conversions between the ui layer's value types and Qt's (ui/ only).

#include <QColor>
#include <QString>

#include "ui/Types.h"

inline QColor ToQColor(TAlphaColor c) {
    return QColor::fromRgba(c);
}

inline QString ToQString(const UnicodeString& s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

inline UnicodeString FromQString(const QString& s) {
    return UnicodeString(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}
