#pragma once
// Basic value types shared by the ui layer and everything built on it.

#include <cstdint>
#include <functional>
#include <string>

class TObject;

// Text is UTF-16, and a "character" is one UTF-16 code unit, as the program expects.
using UnicodeString = std::u16string;

// 32-bit ARGB colour, alpha in the top byte.
using TAlphaColor = std::uint32_t;

namespace TAlphaColors {
constexpr TAlphaColor White = 0xFFFFFFFF;
constexpr TAlphaColor Black = 0xFF000000;
constexpr TAlphaColor Navy = 0xFF000080;
constexpr TAlphaColor Lime = 0xFF00FF00;
constexpr TAlphaColor Lightblue = 0xFFADD8E6;
constexpr TAlphaColor Skyblue = 0xFF87CEEB;
constexpr TAlphaColor Red = 0xFFFF0000;
constexpr TAlphaColor Gold = 0xFFFFD700;
constexpr TAlphaColor Null = 0x00000000;
}  // namespace TAlphaColors

enum class TTextAlign { Center = 0, Leading = 1, Trailing = 2 };

// Days since 1899-12-30; the fraction is the time of day (local wall clock).
using TDateTime = double;

struct TPointF {
    float X = 0;
    float Y = 0;
};

struct TRectF {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    float Width() const { return Right - Left; }
    float Height() const { return Bottom - Top; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Root of every object the handlers see as a Sender.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};
