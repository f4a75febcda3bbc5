#pragma once
// Every builder of the engine behind one calling convention, so that a test
// can hand each of them the same arguments and make one role hostile at a time.

#include <vector>

#include "animation/uf_AnimationEffect.h"

// The arguments of one call, by role. Each holds what a lesson would pass
// until a test makes it hostile.
struct TBuilderArguments {
    TControl* parent = nullptr;  // Sender of the builders that create controls
    TControl* target = nullptr;  // T of the effects on a control already on the panel
    double start = 0.5;          // every start, hide starts included
    double duration = 0.8;       // every duration, hide durations included
    double left = 44, top = 44;  // every position, and the stop values of moves
    double width = 44, height = 44;
    double value = 33;  // font sizes, the rotation angle and the other stop values
    UnicodeString text = u"77";
    TNbrArray operands = {12, 3};
};

// How a builder uses its text, and so how many jobs a text of n code units gives.
enum class TTextUse { Ignored, WholeText, PerCodeUnit };

struct TBuilder {
    const char* name;
    TTextUse textUse;
    int jobsPerLabel;    // jobs per label or rectangle made; 0 where jobs come from operands
    bool takesOperands;  // the one-line formulas and the column transforms
    void (*call)(TfAnimation& engine, const TBuilderArguments& arguments);
};

// Every builder declared in uf_AnimationEffect.h, in the header's order.
const std::vector<TBuilder>& EveryBuilder();
