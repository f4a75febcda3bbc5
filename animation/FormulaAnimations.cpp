// A two-operand expression written out on the panel one character at a
// time: first operand, operator, second operand, each character a label in
// its own BoxSize square. Only the left-hand side is written; the column
// transforms start from exactly this row.
#include "animation/FormulaOperands.h"
#include "animation/uf_AnimationEffect.h"

namespace {

// Each character enters this long after the one before it.
constexpr double kCharacterStep = 0.25;

// The operator is drawn in the hand font whatever the operands use.
const UnicodeString kOperatorFontName = u"Ink Free";

// The second operand starts two steps after the operator, not one: the pause
// sets the operator apart before the second number is written.
void WriteFormula(TfAnimation& engine, const UnicodeString& sign, TControl* Sender, double aLeft, double aTop,
                  double aStart, double aDuration, const TNbrArray& aNbr, const UnicodeString& aFontName,
                  double aFontSize, TAlphaColor aFontColor) {
    const auto operands = TakeTwoOperands(aNbr);
    if (!operands) return;
    const int L1 = operands->L1(), L2 = operands->L2();
    // All or nothing: a half-written row would leave later calls reaching the wrong labels.
    if (!Sender || !JobTableHasRoomFor(L1 + L2 + 1)) return;
    // One character in its slot of the row, centred in a BoxSize square.
    const auto write = [&](int slot, double start, const UnicodeString& text, const UnicodeString& fontName) {
        engine.Create_Label_Animation(Sender, aLeft + double(slot * BoxSize), aTop, start, aDuration, text,
                                      fontName, aFontSize, aFontColor, BoxSize, BoxSize, TTextAlign::Center,
                                      TTextAlign::Center);
    };
    for (int c = 1; c <= L1; ++c)
        write(c - 1, aStart + kCharacterStep * (c - 1), operands->N1str.substr(std::size_t(c - 1), 1),
              aFontName);
    write(L1, aStart + kCharacterStep * L1, sign, kOperatorFontName);
    for (int c = 1; c <= L2; ++c)
        write(L1 + c, aStart + kCharacterStep * (L1 + 1 + c), operands->N2str.substr(std::size_t(c - 1), 1),
              aFontName);
}

}  // namespace

// The size and alignment parameters complete the family's parameter list;
// every character sits centred in a BoxSize square.
void TfAnimation::Create_AdditionFormula_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                                   double aDuration, const TNbrArray& aNbr,
                                                   const UnicodeString& aFontName, double aFontSize,
                                                   TAlphaColor aFontColor, double, double, TTextAlign,
                                                   TTextAlign) {
    WriteFormula(*this, SignAddition, Sender, aLeft, aTop, aStart, aDuration, aNbr, aFontName, aFontSize,
                 aFontColor);
}

void TfAnimation::Create_SubstractionFormula_Animation(TControl* Sender, double aLeft, double aTop,
                                                       double aStart, double aDuration, const TNbrArray& aNbr,
                                                       const UnicodeString& aFontName, double aFontSize,
                                                       TAlphaColor aFontColor, double, double, TTextAlign,
                                                       TTextAlign) {
    WriteFormula(*this, SignSubtraction, Sender, aLeft, aTop, aStart, aDuration, aNbr, aFontName, aFontSize,
                 aFontColor);
}

void TfAnimation::Create_MultipleFormula_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                                   double aDuration, const TNbrArray& aNbr,
                                                   const UnicodeString& aFontName, double aFontSize,
                                                   TAlphaColor aFontColor, double, double, TTextAlign,
                                                   TTextAlign) {
    WriteFormula(*this, SignMultiple, Sender, aLeft, aTop, aStart, aDuration, aNbr, aFontName, aFontSize,
                 aFontColor);
}

// The division sign is two characters, both in the one operator label.
void TfAnimation::Create_DivisionFormula_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                                   double aDuration, const TNbrArray& aNbr,
                                                   const UnicodeString& aFontName, double aFontSize,
                                                   TAlphaColor aFontColor, double, double, TTextAlign,
                                                   TTextAlign) {
    WriteFormula(*this, SignDivision, Sender, aLeft, aTop, aStart, aDuration, aNbr, aFontName, aFontSize,
                 aFontColor);
}
