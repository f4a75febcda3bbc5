#include "tools/scene/ScriptValues.h"

#include <charconv>
#include <cmath>

#include "tools/scene/ScriptError.h"
#include "ui/Text_qt.h"

namespace {

[[noreturn]] void Expected(const char* what, std::string_view word) {
    throw TScriptError(std::string("expected ") + what + ", got " + Quoted(word));
}

template <class T>
bool ParsesWhole(std::string_view text, T& value, int base = 10) {
    const char* end = text.data() + text.size();
    std::from_chars_result result{};
    if constexpr (std::is_floating_point_v<T>)
        result = std::from_chars(text.data(), end, value);
    else
        result = std::from_chars(text.data(), end, value, base);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string Quoted(std::string_view word) {
    // Appended, not added to a literal: GCC 12 at -O3 reports a false overlap (-Wrestrict) for that.
    return std::string("'").append(word).append("'");
}

double ReadNumber(std::string_view word) {
    double value = 0;
    if (!ParsesWhole(word, value) || !std::isfinite(value)) Expected("a number", word);
    return value;
}

int ReadInteger(std::string_view word) {
    int value = 0;
    if (!ParsesWhole(word, value)) Expected("a whole number", word);
    return value;
}

std::uint64_t ReadUnsigned(std::string_view word) {
    std::uint64_t value = 0;
    if (!ParsesWhole(word, value)) Expected("a whole number from 0 up", word);
    return value;
}

TAlphaColor ReadColor(std::string_view word) {
    TAlphaColor value = 0;
    const bool prefixed = word.size() == 10 && word.substr(0, 2) == "0x";
    if (!prefixed || !ParsesWhole(word.substr(2), value, 16)) Expected("a colour 0xAARRGGBB", word);
    return value;
}

TTextAlign ReadAlignment(std::string_view word) {
    if (word == "Center") return TTextAlign::Center;
    if (word == "Leading") return TTextAlign::Leading;
    if (word == "Trailing") return TTextAlign::Trailing;
    Expected("an alignment (Center, Leading or Trailing)", word);
}

bool IsQuoted(std::string_view word) {
    return word.size() >= 2 && word.front() == '"' && word.back() == '"';
}

UnicodeString ReadQuotedString(std::string_view word) {
    if (!IsQuoted(word)) Expected("a quoted string", word);
    const std::string_view inside = word.substr(1, word.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        char c = inside[i];
        if (c == '"') Expected("a quoted string with \\\" for a quote inside", word);
        if (c == '\\') {
            if (++i == inside.size()) Expected("a quoted string", word);
            c = inside[i];
            if (c != '"' && c != '\\') throw TScriptError("unknown escape '\\" + std::string(1, c) + "'");
        }
        text += c;
    }
    return Utf8ToUtf16(text);
}

UnicodeString ReadText(std::string_view word) {
    return IsQuoted(word) ? ReadQuotedString(word) : Utf8ToUtf16(word);
}

std::string ReadPath(std::string_view word) {
    std::string path = IsQuoted(word) ? Utf16ToUtf8(ReadQuotedString(word)) : std::string(word);
    if (path.empty()) Expected("a file or folder name", word);
    return path;
}

std::string_view Bracketed(std::string_view word, char open, char close, const char* expected) {
    if (word.size() < 2 || word.front() != open || word.back() != close) Expected(expected, word);
    return word.substr(1, word.size() - 2);
}

std::vector<std::string_view> SplitTrimmed(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    if (Trim(text).empty()) return parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(Trim(text.substr(0, at)));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

TNbrArray ReadNumberList(std::string_view word) {
    TNbrArray numbers;
    for (std::string_view part : SplitTrimmed(Bracketed(word, '[', ']', "a number list [a,b,...]"), ','))
        numbers.push_back(ReadNumber(part));
    return numbers;
}

std::string FormatNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}
