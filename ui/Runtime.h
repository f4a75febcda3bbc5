#pragma once
// The small runtime library the program leans on: the clock reading, the
// random generator, rounding and the conversions between numbers and text.
// None of these throws; every input has a defined answer.

#include <cstdint>

#include "ui/Types.h"

struct TFormatSettings {
    char16_t DecimalSeparator = u'.';
};

// Read by the one-argument FloatToStr. Holds '.' until
// InitFormatSettingsFromLocale() copies the user's locale into it.
extern TFormatSettings FormatSettings;

// Takes the decimal separator from the user's locale. A locale whose separator
// is not a single UTF-16 code unit leaves the separator as it was.
void InitFormatSettingsFromLocale();

// The local wall-clock date-time of CurrentClock(), to the millisecond.
TDateTime Now();

// Seeds the process's one generator from the clock, so every run draws differently.
void Randomize();
// Seeds the generator with a fixed value, so a run's draws can be repeated.
void RandSeed(std::uint64_t seed);
// A uniform whole number 0 <= r < n, free of modulo bias. n <= 0 gives 0
// and leaves the generator untouched.
int Random(int n);

// Nearest whole number, halves to the even one: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
// NaN and infinities give 0; finite values beyond the int64 range saturate.
std::int64_t Round(double x);

// Decimal digits, with a leading '-' for negatives.
UnicodeString IntToStr(std::int64_t v);

// Reads an optional leading '-' followed by one or more ASCII digits, nothing
// else (no '+', no spaces). Any other text gives 0; values beyond the int
// range saturate to INT_MIN or INT_MAX.
int StrToInt(const UnicodeString& s);

// The general format with at most 15 significant digits: no trailing zeros,
// a separator only where there is a fraction, a '-' for negatives, "0" for
// both zeros. After rounding to 15 digits, a value of 1E15 or more in
// magnitude, or below 0.0001 (zero excepted), is written as mantissa, 'E' and
// exponent: 1E15, 1.5E-5. NaN is "NAN", infinities "INF" and "-INF".
// The one-argument form uses FormatSettings.DecimalSeparator.
UnicodeString FloatToStr(double v);
UnicodeString FloatToStr(double v, char16_t decimalSeparator);
