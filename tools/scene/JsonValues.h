#pragma once
// How the dump writes the program's value types.

#include <QJsonValue>
#include <QString>

#include "ui/Types.h"

// A float as the shortest decimal that reads back as the same float: 0.1f
// is 0.1, not the 0.10000000149 its double widening would print.
QJsonValue FloatJson(float value);
// "0xAARRGGBB", eight upper-case hex digits.
QString ColorJson(TAlphaColor color);
// "Center", "Leading" or "Trailing".
QString AlignmentJson(TTextAlign align);
