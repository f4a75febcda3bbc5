#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/Runtime.h"
#include "ui/Scheduler.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Ascii(const UnicodeString& text) {
    return std::string(text.begin(), text.end());
}

// Every test starts from the '.' separator and leaves it as it found it.
class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override { FormatSettings.DecimalSeparator = u'.'; }
    void TearDown() override { FormatSettings = saved_; }

private:
    TFormatSettings saved_ = FormatSettings;
};

TEST_F(RuntimeTest, RoundGoesToNearestAndHalvesToEven) {
    struct Case {
        double x;
        std::int64_t expected;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999999, 2},
        {2.5000001, 3},
        {-2.6, -3},
        {0.49999999999999994, 0},  // adding 0.5 first would round this up
        {4503599627370495.5, 4503599627370496},
        {4503599627370497.0, 4503599627370497},  // adding 0.5 first would land on an even neighbour
        {1e18, 1000000000000000000},
        {-1e18, -1000000000000000000},
        {-9223372036854775808.0, INT64_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(Round(c.x), c.expected) << "x = " << c.x;
}

TEST_F(RuntimeTest, RoundGivesZeroForNonFiniteAndSaturatesOutOfRange) {
    EXPECT_EQ(Round(kNaN), 0);
    EXPECT_EQ(Round(kInf), 0);
    EXPECT_EQ(Round(-kInf), 0);
    EXPECT_EQ(Round(9223372036854775808.0), INT64_MAX);
    EXPECT_EQ(Round(1e300), INT64_MAX);
    EXPECT_EQ(Round(-1e300), INT64_MIN);
}

TEST_F(RuntimeTest, FloatToStrWritesTheGeneralFormatCharacterForCharacter) {
    struct Case {
        double value;
        char16_t separator;
        const char16_t* expected;
    };
    const Case cases[] = {
        {0.0, u'.', u"0"},
        {-0.0, u'.', u"0"},
        {1, u'.', u"1"},
        {-7, u'.', u"-7"},
        {100, u'.', u"100"},
        {123456, u',', u"123456"},
        {12.5, u'.', u"12.5"},
        {12.5, u',', u"12,5"},
        {-12.5, u',', u"-12,5"},
        {1000.001, u'.', u"1000.001"},
        {999.999, u'.', u"999.999"},
        {0.001, u'.', u"0.001"},
        {-0.001, u'.', u"-0.001"},
        {0.1 + 0.2, u'.', u"0.3"},
        {1.0 / 3.0, u'.', u"0.333333333333333"},
        {2.0 / 3.0, u'.', u"0.666666666666667"},
        {-1.0 / 3.0, u'.', u"-0.333333333333333"},
        {100000000000000, u'.', u"100000000000000"},
        {999999999999999, u'.', u"999999999999999"},
        {999999999999999.9, u'.', u"1E15"},  // rounds to 16 digits before the separator
        {1e15, u'.', u"1E15"},
        {-1e15, u'.', u"-1E15"},
        {1234567890123456, u'.', u"1.23456789012346E15"},
        {-1.23456789012346e20, u'.', u"-1.23456789012346E20"},
        {1.5e20, u',', u"1,5E20"},
        {1e100, u'.', u"1E100"},
        {0.0001, u'.', u"0.0001"},
        {-0.0001, u'.', u"-0.0001"},
        {0.00012345, u'.', u"0.00012345"},
        {std::nextafter(0.0001, 0.0), u'.', u"0.0001"},  // rounds up to the boundary
        {0.00001, u'.', u"1E-5"},
        {1.5e-5, u'.', u"1.5E-5"},
        {1.5e-5, u',', u"1,5E-5"},
        {-1.5e-5, u'.', u"-1.5E-5"},
        {5e-324, u'.', u"4.94065645841247E-324"},
        {kNaN, u'.', u"NAN"},
        {kInf, u'.', u"INF"},
        {-kInf, u'.', u"-INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Ascii(FloatToStr(c.value, c.separator)), Ascii(c.expected)) << "value = " << c.value;
    }
}

TEST_F(RuntimeTest, FloatToStrKeepsFifteenSignificantDigitsAcrossAllMagnitudes) {
    RandSeed(7);
    for (int exponent = -30; exponent <= 30; ++exponent) {
        for (int draw = 0; draw < 20; ++draw) {
            const double value = (1.0 + Random(1'000'000'000) / 1e9) * std::pow(10.0, exponent);
            char reference[40];
            const auto end =
                std::to_chars(reference, reference + sizeof reference, value, std::chars_format::general, 15)
                    .ptr;
            const std::string text = Ascii(FloatToStr(value, u'.'));
            double parsed = 0;
            double expected = 0;
            std::from_chars(text.data(), text.data() + text.size(), parsed);
            std::from_chars(reference, end, expected);
            EXPECT_EQ(parsed, expected) << text;
            EXPECT_EQ(text.find('+'), std::string::npos) << text;
            const std::string mantissa = text.substr(0, text.find('E'));
            if (mantissa.find('.') != std::string::npos) {
                EXPECT_NE(mantissa.back(), '0') << text;
            }
        }
    }
}

TEST_F(RuntimeTest, FloatToStrWithoutSeparatorUsesTheFormatSettings) {
    EXPECT_EQ(FloatToStr(12.5), u"12.5");
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(FloatToStr(12.5), u"12,5");
    EXPECT_EQ(FloatToStr(1.5e-5), u"1,5E-5");
    EXPECT_EQ(FloatToStr(3), u"3");
}

TEST_F(RuntimeTest, FormatSettingsTakeTheSeparatorOfTheUsersLocale) {
    FormatSettings.DecimalSeparator = u'#';
    InitFormatSettingsFromLocale();
    EXPECT_EQ(FormatSettings.DecimalSeparator, QLocale::system().decimalPoint().at(0).unicode());
}

TEST_F(RuntimeTest, IntToStrWritesDecimalDigitsWithAMinusForNegatives) {
    EXPECT_EQ(IntToStr(0), u"0");
    EXPECT_EQ(IntToStr(7), u"7");
    EXPECT_EQ(IntToStr(-7), u"-7");
    EXPECT_EQ(IntToStr(1234567890), u"1234567890");
    EXPECT_EQ(IntToStr(INT64_MAX), u"9223372036854775807");
    EXPECT_EQ(IntToStr(INT64_MIN), u"-9223372036854775808");
}

TEST_F(RuntimeTest, StrToIntReadsBackWhatIntToStrWrote) {
    for (const int v : {0, 1, -1, 9, 10, 42, -42, 123456789, INT_MAX, INT_MIN}) {
        EXPECT_EQ(StrToInt(IntToStr(v)), v);
    }
}

TEST_F(RuntimeTest, StrToIntGivesZeroForAnythingButDigitsAndSaturatesOverflow) {
    struct Case {
        const char16_t* text;
        int expected;
    };
    const Case cases[] = {
        {u"007", 7},
        {u"-0", 0},
        {u"", 0},
        {u"-", 0},
        {u"+5", 0},
        {u" 5", 0},
        {u"5 ", 0},
        {u"12a", 0},
        {u"0x10", 0},
        {u"1.5", 0},
        {u"1e3", 0},
        {u"--5", 0},
        {u"5-", 0},
        {u"\uFF15", 0},  // fullwidth digit five
        {u"\u0663", 0},  // Arabic-Indic digit three
        {u"2147483647", INT_MAX},
        {u"2147483648", INT_MAX},
        {u"-2147483648", INT_MIN},
        {u"-2147483649", INT_MIN},
        {u"99999999999999999999999999999999", INT_MAX},
        {u"-99999999999999999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(StrToInt(c.text), c.expected) << Ascii(c.text);
}

TEST_F(RuntimeTest, RandomStaysWithinItsRange) {
    RandSeed(1);
    for (const int n : {1, 2, 3, 7, 8, 1000, INT_MAX}) {
        for (int draw = 0; draw < 1000; ++draw) {
            const int r = Random(n);
            ASSERT_GE(r, 0) << "n = " << n;
            ASSERT_LT(r, n) << "n = " << n;
        }
    }
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(Random(INT_MIN), 0);
}

std::vector<int> Draws(int count, int n) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) draws.push_back(Random(n));
    return draws;
}

TEST_F(RuntimeTest, RandSeedRepeatsTheSameDraws) {
    RandSeed(42);
    const std::vector<int> first = Draws(100, 1000);
    RandSeed(42);
    EXPECT_EQ(Draws(100, 1000), first);
    RandSeed(43);
    EXPECT_NE(Draws(100, 1000), first);
}

TEST_F(RuntimeTest, RandomDrawsEveryValueEquallyOften) {
    constexpr int kValues = 8;
    constexpr int kDraws = 80'000;
    RandSeed(20260105);
    std::array<int, kValues> counts{};
    for (int i = 0; i < kDraws; ++i) ++counts[Random(kValues)];
    const double expected = double(kDraws) / kValues;
    double chiSquare = 0;
    for (const int count : counts) chiSquare += (count - expected) * (count - expected) / expected;
    // 7 degrees of freedom: a fair generator exceeds 24.32 one time in a thousand.
    EXPECT_LT(chiSquare, 24.32);
}

TEST_F(RuntimeTest, NowReadsTheApplicationsWallClockToTheMillisecond) {
    struct Case {
        std::int64_t monotonicUs;
        std::int64_t wallJumpMs;
        std::int64_t expectedMsAfterOrigin;
    };
    const Case cases[] = {
        {0, 0, 0},
        {1'500'000, 0, 1'500},
        {1'500'999, 0, 1'500},  // microseconds below a millisecond do not show
        {1'500'000, -60'000, -58'500},
        {86'400'000'000, 0, 86'400'000},
    };
    for (const Case& c : cases) {
        TVirtualClock clock;
        int argc = 1;
        char* argv[] = {const_cast<char*>("tests"), nullptr};
        TApplication application(argc, argv, clock);
        clock.AdvanceBy(application.Scheduler(), c.monotonicUs);
        clock.JumpWallMs(c.wallJumpMs);
        const TDateTime expected = TVirtualClock::kDefaultWallOrigin + c.expectedMsAfterOrigin / 86'400'000.0;
        EXPECT_DOUBLE_EQ(Now(), expected) << "monotonic " << c.monotonicUs << " us, jump " << c.wallJumpMs;
    }
}

TEST_F(RuntimeTest, RandomizeSeedsFromTheClockReading) {
    TVirtualClock clock;
    int argc = 1;
    char* argv[] = {const_cast<char*>("tests"), nullptr};
    TApplication application(argc, argv, clock);
    clock.AdvanceBy(application.Scheduler(), 5'000'000);
    Randomize();
    const std::vector<int> first = Draws(100, 1000);
    Randomize();
    EXPECT_EQ(Draws(100, 1000), first);
    clock.AdvanceBy(application.Scheduler(), 1);
    Randomize();
    EXPECT_NE(Draws(100, 1000), first);
}

}  // namespace
