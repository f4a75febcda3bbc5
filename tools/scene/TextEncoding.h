#pragma once
// Scripts and dumps are UTF-8; the program's text is UTF-16.

#include <QString>
#include <string>
#include <string_view>

#include "ui/Types.h"

inline QString Utf16ToQString(const UnicodeString& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline UnicodeString Utf8ToUtf16(std::string_view text) {
    const QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return UnicodeString(reinterpret_cast<const char16_t*>(converted.utf16()),
                         static_cast<std::size_t>(converted.size()));
}

inline std::string Utf16ToUtf8(const UnicodeString& text) {
    return Utf16ToQString(text).toStdString();
}
