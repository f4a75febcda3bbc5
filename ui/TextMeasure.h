#pragma once
// An off-screen drawing surface, used to measure text as a label draws it.

#include "ui/Label.h"

class TBitmapCanvas {
public:
    TFont Font;
    // Width in pixels of the text in Font, as a label would draw it.
    float TextWidth(const UnicodeString& text) const;
};

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    TBitmapCanvas Canvas;
};
