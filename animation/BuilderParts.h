#pragma once
// Pieces every builder assembles its jobs from. Inside the engine only: the
// builders' own names and parameter lists stay as the engine publishes them.

#include <span>
#include <string>

#include "ui/Types.h"

class TControl;
class TLabel;
class TFloatAnimation;
class TfAnimation;
struct TAnimationRecord;

// How a label looks: its own font and colour (nothing from the style), and
// where the text sits in the label's box.
struct TLabelLook {
    UnicodeString fontName;
    double fontSize;
    TAlphaColor fontColor;
    TTextAlign horzAlign = TTextAlign::Center;
    TTextAlign vertAlign = TTextAlign::Center;
};

// Where a label stands on its parent, and the size of its box.
struct TLabelPlace {
    double left;
    double top;
    double width;
    double height;
};

// How a label enters when its job runs. It shows, grows from four fifths of
// its size to the whole over a part of the fade-in, and fades in.
struct TEntranceStyle {
    // The growth takes the fade-in's duration divided by this; 0: no growth
    // of its own (an animation set brings its own).
    double growthDivisor = 2;
    // The fade ends at this opacity ...
    double fadeTo = 1;
    // ... and starts from the opacity the label shows at that moment (fully
    // opaque: the label appears, then dims) instead of from 0.
    bool fadeFromShown = false;
};

// The recipe of every label entrance: scales the start and duration, records
// an entrance job at the start, creates the hidden label on `parent` with its
// growth, the set's `extras` (animation sets only) and its fade, and returns
// the job number. The caller has checked the table's room.
int RecordLabelEntrance(TfAnimation& engine, TControl* parent, const TLabelPlace& place,
                        const UnicodeString& text, const TLabelLook& look, double start, double duration,
                        const TEntranceStyle& style = {}, std::span<const TAnimationRecord> extras = {});

// Whether the table has room for a text of one-character labels, each with
// `jobsPerLabel` jobs: all of them or none are recorded.
bool JobTableHasRoomForText(const UnicodeString& text, int jobsPerLabel);

// Records a glow that a later job switches off, and returns its job number
// (the number that job names). The caller has checked the table's room.
int RecordGlowOn(TfAnimation& engine, TControl* target, TAlphaColor glowColor, double start);

// A disabled property animation owned by, and acting on, `target`.
TFloatAnimation* CreateFloatAnimation(TControl* target, const std::string& propertyName,
                                      bool startFromCurrent, double startValue, double stopValue,
                                      double duration);
