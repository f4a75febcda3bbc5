#include "tools/scene/JsonValues.h"

#include <charconv>

QJsonValue FloatJson(float value) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    double shortest = value;
    std::from_chars(digits, written.ptr, shortest);
    return shortest;
}

QString ColorJson(TAlphaColor color) {
    return "0x" + QString::number(color, 16).rightJustified(8, u'0').toUpper();
}

QString AlignmentJson(TTextAlign align) {
    switch (align) {
        case TTextAlign::Leading:
            return "Leading";
        case TTextAlign::Trailing:
            return "Trailing";
        case TTextAlign::Center:
            break;
    }
    return "Center";
}
