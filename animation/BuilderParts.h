#pragma once
// Pieces every builder assembles its objects from.

#include <string>

#include "ui/Types.h"

class TControl;
class TLabel;
class TFloatAnimation;

// A hidden label owned and shown by `Sender`, laid out as an entrance
// expects: its own font (nothing styled), starting at four fifths of
// `aFontSize`, fixed size, the given alignment.
TLabel* CreateHiddenLabel(TControl* Sender, double aLeft, double aTop, const UnicodeString& aChar,
                          const UnicodeString& aFontName, double aFontSize, TAlphaColor aFontColor,
                          double aWidth, double aHeight, TTextAlign aHorzAlign, TTextAlign aVertAlign);

// A disabled property animation owned by, and acting on, `target`.
TFloatAnimation* CreateFloatAnimation(TControl* target, const std::string& propertyName,
                                      bool startFromCurrent, double startValue, double stopValue,
                                      double duration);
