#include "tests/reliability/EveryBuilder.h"

namespace {

const UnicodeString kFont = u"Ink Free";
constexpr TAlphaColor kColour = TAlphaColors::Navy;
constexpr TTextAlign kCentre = TTextAlign::Center;

// One entry of every kind, each carrying the role its kind reads; the kinds
// the engine does not act on are carried too.
std::vector<TAnimationRecord> AnimationSetOf(const TBuilderArguments& a) {
    std::vector<TAnimationRecord> set(10);
    for (std::size_t i = 0; i < set.size(); ++i) {
        set[i].aStart = a.start;
        set[i].aDuration = a.duration;
        set[i].AnimationType = TAnimationType(i + 1);
    }
    set[0].aFontSize = a.value;
    set[1].aStopValue = a.value;
    set[2].aStopX = a.left;
    set[3].aStopY = a.top;
    set[4].aFontColor = TAlphaColors::Red;
    set[5].aStopSize = a.value;
    set[7].aAngle = a.value;
    set[8].aGlowColor = TAlphaColors::Gold;
    set[9].aGlowEffect = nullptr;
    return set;
}

void LabelEntrance(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animation(a.parent, a.left, a.top, a.start, a.duration, a.text, kFont, a.value, kColour,
                             a.width, a.height, kCentre, kCentre);
}
void StringEntrance(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_String_Animation(a.parent, a.left, a.top, a.start, a.duration, a.text, kFont, a.value, kColour,
                              a.width, a.height, kCentre, kCentre);
}
void RightAlignedEntrance(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animation_Right(a.parent, a.left, a.top, a.start, a.duration, a.text, kFont, a.value,
                                   kColour, a.width, a.height, kCentre, kCentre);
}
void VerticalEntrance(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animation_Vertical(a.parent, a.left, a.top, a.start, a.duration, a.text, kFont, a.value,
                                      kColour, a.width, a.height, kCentre, kCentre);
}
void HorizontalEntrance(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animation_Horizontal(a.parent, a.left, a.top, a.start, a.duration, a.text, kFont, a.value,
                                        kColour, a.width, a.height, kCentre, kCentre);
}
void EntranceAndHide(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animation_And_Hide(a.parent, a.left, a.top, a.start, a.duration, a.start, a.duration,
                                      a.text, kFont, a.value, kColour, a.width, a.height, kCentre, kCentre);
}
void VerticalEntranceAndHide(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animation_Vertical_And_Hide(a.parent, a.left, a.top, a.start, a.duration, a.start,
                                               a.duration, a.text, kFont, a.value, kColour, a.width, a.height,
                                               kCentre, kCentre);
}
void HorizontalEntranceAndHide(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animation_Horizontal_And_Hide(a.parent, a.left, a.top, a.start, a.duration, a.start,
                                                 a.duration, a.text, kFont, a.value, kColour, a.width,
                                                 a.height, kCentre, kCentre);
}

void LabelWithSet(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Label_Animations(a.parent, a.left, a.top, a.width, a.height, a.text, kFont, a.value, kColour,
                              a.start, a.duration, kCentre, kCentre, AnimationSetOf(a));
}
void StringWithSet(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_String_Animations(a.parent, a.left, a.top, a.start, a.duration, a.text, kFont, a.value, kColour,
                               a.width, a.height, kCentre, kCentre, AnimationSetOf(a));
}

void Move(TfAnimation& e, const TBuilderArguments& a) {
    e.MoveXY_ExistLabelAnimation(a.target, a.left, a.top, a.start, a.duration);
}
void Colour(TfAnimation& e, const TBuilderArguments& a) {
    e.ChangeLabelColor(a.target, TAlphaColors::Red, a.start, a.duration);
}
void Size(TfAnimation& e, const TBuilderArguments& a) {
    e.ChangeLabelSize(a.target, a.value, a.start, a.duration);
}
void FadeOut(TfAnimation& e, const TBuilderArguments& a) {
    e.Hide_Label_Animation(a.target, a.start, a.duration);
}
void Rotate(TfAnimation& e, const TBuilderArguments& a) {
    e.Rotate_Animation(a.target, a.value, a.start, a.duration);
}
void GlowOn(TfAnimation& e, const TBuilderArguments& a) {
    e.AddGlowEffect(a.target, TAlphaColors::Gold, a.start, a.duration);
}
// Names the job recorded last: the glow just switched on, in catalogue order.
void GlowOff(TfAnimation& e, const TBuilderArguments& a) {
    e.HideGlowEffect(Animation_JobCounter, a.start);
}
void UnstartedFontSize(TfAnimation& e, const TBuilderArguments& a) {
    e.AddFontSizeAnimation(a.target, a.value, a.duration);
}

void Rectangle(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Rectangle_Animation(a.parent, a.left, a.top, a.start, a.duration, kColour, a.width, a.height);
}
void RectangleAndHide(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_Rectangle_Animation_And_Hide(a.parent, a.left, a.top, a.start, a.duration, a.start, a.duration,
                                          a.text, kFont, a.value, kColour, a.width, a.height, kCentre,
                                          kCentre);
}

void Addition(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_AdditionFormula_Animation(a.parent, a.left, a.top, a.start, a.duration, a.operands, kFont,
                                       a.value, kColour, a.width, a.height, kCentre, kCentre);
}
void Subtraction(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_SubstractionFormula_Animation(a.parent, a.left, a.top, a.start, a.duration, a.operands, kFont,
                                           a.value, kColour, a.width, a.height, kCentre, kCentre);
}
void Multiplication(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_MultipleFormula_Animation(a.parent, a.left, a.top, a.start, a.duration, a.operands, kFont,
                                       a.value, kColour, a.width, a.height, kCentre, kCentre);
}
void Division(TfAnimation& e, const TBuilderArguments& a) {
    e.Create_DivisionFormula_Animation(a.parent, a.left, a.top, a.start, a.duration, a.operands, kFont,
                                       a.value, kColour, a.width, a.height, kCentre, kCentre);
}

// The column's right edge stands eight box widths along.
void ColumnMultiplication(TfAnimation& e, const TBuilderArguments& a) {
    e.Formula_Multiple_Horizontal_TransformTo_Vertical(a.parent, a.left, a.top, a.left, a.top, 8 * a.width,
                                                       a.start, a.duration, kFont, a.value, a.operands);
}
void ColumnAddition(TfAnimation& e, const TBuilderArguments& a) {
    e.Formula_Addition_Horizontal_TransformTo_Vertical(a.parent, a.left, a.top, a.left, a.top, 8 * a.width,
                                                       a.start, a.duration, kFont, a.value, a.operands);
}
void ColumnSubtraction(TfAnimation& e, const TBuilderArguments& a) {
    e.Formula_Substraction_Horizontal_TransformTo_Vertical(
        a.parent, a.left, a.top, a.left, a.top, 8 * a.width, a.start, a.duration, kFont, a.value, a.operands);
}

}  // namespace

const std::vector<TBuilder>& EveryBuilder() {
    using enum TTextUse;
    static const std::vector<TBuilder> builders = {
        {"Create_Label_Animation", WholeText, 1, false, LabelEntrance},
        {"Create_String_Animation", PerCodeUnit, 1, false, StringEntrance},
        {"Create_Label_Animation_Right", WholeText, 1, false, RightAlignedEntrance},
        {"Create_Label_Animation_Vertical", PerCodeUnit, 1, false, VerticalEntrance},
        {"Create_Label_Animation_Horizontal", PerCodeUnit, 1, false, HorizontalEntrance},
        {"Create_Label_Animation_And_Hide", WholeText, 2, false, EntranceAndHide},
        {"Create_Label_Animation_Vertical_And_Hide", PerCodeUnit, 2, false, VerticalEntranceAndHide},
        {"Create_Label_Animation_Horizontal_And_Hide", PerCodeUnit, 2, false, HorizontalEntranceAndHide},
        {"Create_Label_Animations", WholeText, 1, false, LabelWithSet},
        {"Create_String_Animations", PerCodeUnit, 1, false, StringWithSet},
        {"MoveXY_ExistLabelAnimation", Ignored, 2, false, Move},
        {"ChangeLabelColor", Ignored, 1, false, Colour},
        {"ChangeLabelSize", Ignored, 1, false, Size},
        {"Hide_Label_Animation", Ignored, 1, false, FadeOut},
        {"Rotate_Animation", Ignored, 1, false, Rotate},
        {"AddGlowEffect", Ignored, 1, false, GlowOn},
        {"HideGlowEffect", Ignored, 1, false, GlowOff},
        {"AddFontSizeAnimation", Ignored, 0, false, UnstartedFontSize},
        {"Create_Rectangle_Animation", Ignored, 1, false, Rectangle},
        {"Create_Rectangle_Animation_And_Hide", Ignored, 2, false, RectangleAndHide},
        {"Create_AdditionFormula_Animation", Ignored, 0, true, Addition},
        {"Create_SubstractionFormula_Animation", Ignored, 0, true, Subtraction},
        {"Create_MultipleFormula_Animation", Ignored, 0, true, Multiplication},
        {"Create_DivisionFormula_Animation", Ignored, 0, true, Division},
        {"Formula_Multiple_Horizontal_TransformTo_Vertical", Ignored, 0, true, ColumnMultiplication},
        {"Formula_Addition_Horizontal_TransformTo_Vertical", Ignored, 0, true, ColumnAddition},
        {"Formula_Substraction_Horizontal_TransformTo_Vertical", Ignored, 0, true, ColumnSubtraction},
    };
    return builders;
}
