#pragma once
// The lesson's numbers in one place: when each text of a presentation enters
// and how large it is, what the window sets on activation, and the grid's
// strokes. Times are in the engine's unscaled seconds; the speed slider's
// time scale multiplies them.

namespace lesson {

// --- activation ---
// The layout unit from the first activation on (the engine loads with 96).
constexpr int kBoxSizeOnActivation = 44;
// The speed slider's starting position gives this time scale.
constexpr double kTimeScaleAtTheStartingSpeed = 0.75;

// --- every text of both presentations ---
// Each character fades in over this long, growing over the first half.
constexpr double kEntranceSeconds = 0.8;
// Headings, products and working lines are this fraction of BoxSize tall.
constexpr double kTextSizeOfBox = 3.0 / 4;

// --- "排列方法" ---
// The six headings enter at once; the first product this long after them ...
constexpr double kFirstProductDelay = 2;
// ... and each further product this long after the one before.
constexpr double kProductStep = 3;

// --- "計算結果" ---
// Each block's first line of working enters this long after the one before ...
constexpr double kWorkingStep = 6.5;
// ... and its result this long after its first line.
constexpr double kResultDelay = 3;

// --- the grid on the drawing panel ---
constexpr float kGridStroke = 0.4f;
constexpr float kHeavyGridStroke = 0.6f;
// The third column line (x = 2 × BoxSize) is the heavier one.
constexpr int kHeavyGridColumn = 2;

}  // namespace lesson
