#pragma once
// The program's text is UTF-16, Qt's QString is UTF-16 too, and scripts, dumps
// and test messages are UTF-8: the conversions between them, written once.

#include <QString>
#include <string>
#include <string_view>

#include "ui/Types.h"

inline QString ToQString(const UnicodeString& s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

inline UnicodeString FromQString(const QString& s) {
    return UnicodeString(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

inline UnicodeString Utf8ToUtf16(std::string_view text) {
    return FromQString(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

inline std::string Utf16ToUtf8(const UnicodeString& text) {
    return ToQString(text).toStdString();
}
