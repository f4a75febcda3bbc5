// Rearranges a one-line formula into the column form worked by hand: first
// operand on top, operator and second operand below, both right-aligned on
// one edge, a rule line under them wide enough for the result.
//
// The row's own labels stay as they are. Each character gets a fresh copy
// that appears red in its slot of the row, glows gold, glides into the
// column, turns black and loses its glow; operand by operand, then the rule.
#include <algorithm>

#include "animation/BuilderParts.h"
#include "animation/FormulaOperands.h"
#include "animation/uf_AnimationEffect.h"
#include "ui/Label.h"

namespace {

// When each step of a copy's choreography happens, in unscaled seconds after
// the schedule origin.
struct TCopyTimes {
    double appear;  // entrance and glow on
    double glowOff;
    double moveStart;
    double moveDuration;
    double turnBlack;
};

constexpr TCopyTimes kFirstOperandTimes{0, 7, 3, 3, 6};
constexpr TCopyTimes kOperatorTimes{4.5, 11.5, 5.5, 2, 8.5};
constexpr TCopyTimes kSecondOperandTimes{8, 15, 11, 3, 14};
constexpr double kRuleLineAppear = 15;
constexpr double kEntranceDuration = 2;
constexpr double kColourChangeDuration = 1;  // passed along; a colour changes in one step
constexpr double kRuleLineHeight = 2;

// Jobs per copy: entrance, glow on, glow off, move X, move Y, colour.
constexpr int kJobsPerCopy = 6;

constexpr TAlphaColor kAppearColour = 0xFFFF0000;
constexpr TAlphaColor kGlowColour = TAlphaColors::Gold;
constexpr TAlphaColor kFinalColour = 0xFF000000;

// A place on the panel, (left, top) in pixels.
struct TPlace {
    double left;
    double top;
};

// Everything one transform call shares between its copies.
struct TColumnCall {
    TfAnimation& engine;
    TControl* Sender;
    const UnicodeString& aFontName;
    double jTime;
};

// One character's copy: made at `from`, moved to `to` on `times`, with a glow
// that its own glow-off job names. The whole call's room was checked first.
void ChoreographCopy(const TColumnCall& call, const UnicodeString& text, double aFontSize, TPlace from,
                     TPlace to, const TCopyTimes& times) {
    TfAnimation& engine = call.engine;
    const double B = BoxSize;
    const int entrance = RecordLabelEntrance(engine, call.Sender, {from.left, from.top, B, B}, text,
                                             {call.aFontName, aFontSize, kAppearColour},
                                             call.jTime + times.appear, kEntranceDuration);
    TLabel* copy = Animation_Label[entrance].get();
    const int glow = RecordGlowOn(engine, copy, kGlowColour, call.jTime + times.appear);
    engine.HideGlowEffect(glow, call.jTime + times.glowOff);
    engine.MoveXY_ExistLabelAnimation(copy, to.left, to.top, call.jTime + times.moveStart,
                                      times.moveDuration);
    engine.ChangeLabelColor(copy, kFinalColour, call.jTime + times.turnBlack, kColourChangeDuration);
}

// The column is pp slots wide, operator included: one more than the longer
// operand, or the result's width when that is more, so the rule line can
// carry the result. The operator sits at its left end.
void TransformToColumn(TfAnimation& engine, const UnicodeString& sign, double (*result)(double, double),
                       TControl* Sender, double aLeft, double aTop, double aNewTop, double aWidth,
                       const UnicodeString& aFontName, double aFontSize, const TNbrArray& aNbr) {
    // Fewer than two operands is refused as the one-line formulas refuse it,
    // rather than reading past the list.
    const auto operands = TakeTwoOperands(aNbr);
    if (!operands) return;
    const int L1 = operands->L1(), L2 = operands->L2();
    // All or nothing, so that no copy is left without its move or colour.
    if (!Sender || !JobTableHasRoomFor(kJobsPerCopy * (L1 + L2 + 1) + 1)) return;

    const TColumnCall call{engine, Sender, aFontName, engine.JobSchedule_StartTime};
    const double B = BoxSize, R = aWidth;
    const double smallSize = 3 * B / 4;
    for (int c = 1; c <= L1; ++c)
        ChoreographCopy(call, operands->N1str.substr(std::size_t(c - 1), 1), aFontSize,
                        TPlace{aLeft + (c - 1) * B, aTop}, TPlace{R + (c - 1 - L1) * B, aNewTop},
                        kFirstOperandTimes);

    const int AnsLen = int(FloatToStr(result(operands->N1, operands->N2)).size());
    const int p = std::max(L1, L2);
    const int pp = std::max(p + 1, AnsLen);
    engine.signLeft = R - pp * B;
    engine.signTop = B;
    // The operator's and the second operand's copies start on the panel's top
    // edge, whatever row the formula was written on.
    ChoreographCopy(call, sign, smallSize, TPlace{aLeft + L1 * B, 0}, TPlace{engine.signLeft, engine.signTop},
                    kOperatorTimes);
    for (int c = 1; c <= L2; ++c)
        ChoreographCopy(call, operands->N2str.substr(std::size_t(c - 1), 1), smallSize,
                        TPlace{aLeft + (L1 + c) * B, 0}, TPlace{R + (c - 1 - L2) * B, B},
                        kSecondOperandTimes);

    engine.Create_Rectangle_Animation(Sender, R - pp * B, 2 * B - 0.5, call.jTime + kRuleLineAppear,
                                      kEntranceDuration, kFinalColour, pp * B, kRuleLineHeight);
}

double Product(double a, double b) {
    return a * b;
}
double Sum(double a, double b) {
    return a + b;
}
double Difference(double a, double b) {
    return a - b;
}

}  // namespace

// aNewLeft, aStart and aDuration complete the family's parameter list: the
// choreography is anchored on the schedule origin, and its own timetable
// fixes every start and duration.
void TfAnimation::Formula_Multiple_Horizontal_TransformTo_Vertical(TControl* Sender, double aLeft,
                                                                   double aTop, double, double aNewTop,
                                                                   double aWidth, double, double,
                                                                   const UnicodeString& aFontName,
                                                                   double aFontSize, const TNbrArray& aNbr) {
    TransformToColumn(*this, SignMultiple, Product, Sender, aLeft, aTop, aNewTop, aWidth, aFontName,
                      aFontSize, aNbr);
}

void TfAnimation::Formula_Addition_Horizontal_TransformTo_Vertical(TControl* Sender, double aLeft,
                                                                   double aTop, double, double aNewTop,
                                                                   double aWidth, double, double,
                                                                   const UnicodeString& aFontName,
                                                                   double aFontSize, const TNbrArray& aNbr) {
    TransformToColumn(*this, SignAddition, Sum, Sender, aLeft, aTop, aNewTop, aWidth, aFontName, aFontSize,
                      aNbr);
}

void TfAnimation::Formula_Substraction_Horizontal_TransformTo_Vertical(
    TControl* Sender, double aLeft, double aTop, double, double aNewTop, double aWidth, double, double,
    const UnicodeString& aFontName, double aFontSize, const TNbrArray& aNbr) {
    TransformToColumn(*this, SignSubtraction, Difference, Sender, aLeft, aTop, aNewTop, aWidth, aFontName,
                      aFontSize, aNbr);
}
