#include "ui/Runtime.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "ui/Clock.h"

TFormatSettings FormatSettings;

void InitFormatSettingsFromLocale() {
    const QString separator = QLocale::system().decimalPoint();
    if (separator.size() == 1) FormatSettings.DecimalSeparator = separator.at(0).unicode();
}

TDateTime Now() {
    return CurrentClock().WallNow();
}

namespace {

// mt19937_64 is fully defined by the standard, so a seed gives the same draws everywhere.
std::mt19937_64& Generator() {
    static std::mt19937_64 generator;
    return generator;
}

// Spreads the few changing bits of a clock reading over the whole seed.
std::uint64_t MixBits(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBULL;
    x ^= x >> 31;
    return x;
}

}  // namespace

void Randomize() {
    TClock& clock = CurrentClock();
    const auto monotonic = static_cast<std::uint64_t>(clock.MonotonicUs());
    const TDateTime wallNow = clock.WallNow();
    std::uint64_t wall = 0;
    static_assert(sizeof wall == sizeof wallNow);
    std::memcpy(&wall, &wallNow, sizeof wall);
    RandSeed(MixBits(monotonic) ^ MixBits(wall + 0x9E3779B97F4A7C15ULL));
}

void RandSeed(std::uint64_t seed) {
    Generator().seed(seed);
}

int Random(int n) {
    if (n <= 0) return 0;
    const auto bound = static_cast<std::uint64_t>(n);
    // Draws below 2^64 mod n would make the low residues more likely; skip them.
    const std::uint64_t rejectBelow = (0 - bound) % bound;
    std::uint64_t draw = Generator()();
    while (draw < rejectBelow) draw = Generator()();
    return static_cast<int>(draw % bound);
}

std::int64_t Round(double x) {
    if (!std::isfinite(x)) return 0;
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (x >= kTwoTo63) return INT64_MAX;
    if (x < -kTwoTo63) return INT64_MIN;
    const double below = std::floor(x);
    // Exact: x and its floor are close enough that the difference is representable.
    const double fraction = x - below;
    // The floor is a whole number in range, so its lowest bit tells odd from even; fmod would cost
    // more than everything else here, and the dispatcher rounds every pending job at every tick.
    const std::int64_t whole = static_cast<std::int64_t>(below);
    const bool roundUp = fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0);
    return whole + (roundUp ? 1 : 0);
}

UnicodeString IntToStr(std::int64_t v) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return UnicodeString(buffer, result.ptr);
}

int StrToInt(const UnicodeString& s) {
    const bool negative = !s.empty() && s.front() == u'-';
    const std::size_t firstDigit = negative ? 1 : 0;
    // Capped at |INT_MIN| so long digit strings neither overflow nor lose the sign.
    constexpr std::int64_t kMagnitudeCap = std::int64_t(INT_MAX) + 1;
    std::int64_t magnitude = 0;
    for (std::size_t i = firstDigit; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9') return 0;
        magnitude = std::min(magnitude * 10 + (s[i] - u'0'), kMagnitudeCap);
    }
    if (negative) return static_cast<int>(-magnitude);
    return static_cast<int>(std::min<std::int64_t>(magnitude, INT_MAX));
}

namespace {

constexpr int kSignificantDigits = 15;

// A positive value rounded to 15 significant digits: d.ddd... x 10^exponent,
// with the trailing zeros of the digits dropped.
struct TDecimalDigits {
    std::string digits;
    int exponent = 0;
};

TDecimalDigits ToDecimalDigits(double positive) {
    // Correctly rounded and blind to the C locale, which the GUI library may have switched (unlike printf);
    // std::to_chars would do as well, but the browser build's C++ library lacks it for floating point.
    const std::string text = QByteArray::number(positive, 'e', kSignificantDigits - 1).toStdString();
    // "d.dddddddddddddde+XX"
    const std::size_t exponentMark = text.find('e');
    TDecimalDigits result;
    result.digits = text.substr(0, 1) + text.substr(2, exponentMark - 2);
    const std::size_t exponentStart = exponentMark + (text[exponentMark + 1] == '+' ? 2 : 1);
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), result.exponent);
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    return result;
}

void AppendAscii(UnicodeString& out, const std::string& ascii) {
    out.append(ascii.begin(), ascii.end());
}

void AppendFixed(UnicodeString& out, const TDecimalDigits& value, char16_t separator) {
    const int digitCount = static_cast<int>(value.digits.size());
    if (value.exponent < 0) {
        out += u'0';
        out += separator;
        out.append(static_cast<std::size_t>(-value.exponent - 1), u'0');
        AppendAscii(out, value.digits);
        return;
    }
    const int integerCount = value.exponent + 1;
    if (digitCount <= integerCount) {
        AppendAscii(out, value.digits);
        out.append(static_cast<std::size_t>(integerCount - digitCount), u'0');
        return;
    }
    AppendAscii(out, value.digits.substr(0, integerCount));
    out += separator;
    AppendAscii(out, value.digits.substr(integerCount));
}

void AppendExponent(UnicodeString& out, const TDecimalDigits& value, char16_t separator) {
    out += static_cast<char16_t>(value.digits[0]);
    if (value.digits.size() > 1) {
        out += separator;
        AppendAscii(out, value.digits.substr(1));
    }
    out += u'E';
    AppendAscii(out, std::to_string(value.exponent));
}

}  // namespace

UnicodeString FloatToStr(double v) {
    return FloatToStr(v, FormatSettings.DecimalSeparator);
}

UnicodeString FloatToStr(double v, char16_t decimalSeparator) {
    if (std::isnan(v)) return u"NAN";
    if (std::isinf(v)) return v > 0 ? u"INF" : u"-INF";
    if (v == 0.0) return u"0";
    UnicodeString out;
    if (v < 0) out += u'-';
    // The choice of form looks at the rounded value, so 999999999999999.9 is 1E15.
    const TDecimalDigits value = ToDecimalDigits(std::fabs(v));
    const bool needsExponent = value.exponent >= kSignificantDigits || value.exponent < -4;
    if (needsExponent) {
        AppendExponent(out, value, decimalSeparator);
    } else {
        AppendFixed(out, value, decimalSeparator);
    }
    return out;
}
