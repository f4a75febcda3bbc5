#pragma once
// The animation job engine: a window that is never shown, owning the 5 ms
// step timer, with the clock fields, the dispatcher and every builder.
//
// A presentation is recorded, then played: Reset(scale); builder calls, each
// creating hidden controls with disabled animations and recording one job per
// event; Start(). From then on the dispatcher switches each job's objects on
// when its scaled start has passed.

#include <functional>

#include "animation/JobTable.h"
#include "ui/Form.h"
#include "ui/Stopwatch.h"
#include "ui/Timer.h"

class TLabel;

// The kinds of animation an animation set can hold.
enum TAnimationType {
    isFontSizeAnimation = 1,
    isOpacityAnimation = 2,
    isMoveXAnimation = 3,
    isMoveYAnimation = 4,
    isChangeLabelColor = 5,
    isChangeLabelSize = 6,
    isHideLabel = 7,
    isRotate = 8,
    isCreateGlowEffect = 9,
    isHideGlowEffect = 10,
};

// One animation of an animation set. The kind says which member of the
// value holds its one kind-specific value.
struct TAnimationRecord {
    double aStart = 0;
    double aDuration = 0;
    TAnimationType AnimationType = isFontSizeAnimation;
    union {
        double aFontSize = 0;
        double aStopValue;
        double aStopX;
        double aStopY;
        TAlphaColor aFontColor;
        double aStopSize;
        double aAngle;
        TAlphaColor aGlowColor;
        TGlowEffect* aGlowEffect;
    };
};

// Operator signs written by the formula builders.
inline const UnicodeString SignAddition = u"+";
inline const UnicodeString SignSubtraction = u"-";
inline const UnicodeString SignMultiple = u"x";
inline const UnicodeString SignDivision = u"\u00A1\u00D2";

class TfAnimation : public TForm {
public:
    explicit TfAnimation(TComponent* AOwner);

    TTimer* timStepByStep;

    TDateTime Animation_StartTime = 0;  // when Start was last called
    // Runs from the same Start: the dispatcher's elapsed time, which no
    // change of the wall clock can move.
    TStopwatch Animation_Stopwatch;
    double JobSchedule_StartTime = 0;  // schedule origin, unscaled seconds
    double time_Scale = 1;             // applied to every start and duration on record
    double signLeft = 0, signTop = 0;  // operator target inside one column transform

    // --- the schedule clock ---
    void Reset(double aValue);
    void Start();
    void AddJobScheduleTime(double aTime);
    void StartAndDurationInScale(double& aStart, double& aDuration);

    // --- the dispatcher, run by timStepByStep ---
    void timStepByStepTimer(TObject* Sender);
    // Told of every job the dispatcher starts, with the elapsed seconds of
    // that tick: how the lateness of the dispatcher is measured.
    std::function<void(int z, double passTimeSecond)> OnJobDispatched;

    // --- label entrances ---
    void Create_Label_Animation(TControl* Sender, double aLeft, double aTop, double aStart, double aDuration,
                                const UnicodeString& aChar, const UnicodeString& aFontName, double aFontSize,
                                TAlphaColor aFontColor, double aWidth, double aHeight, TTextAlign aHorzAlign,
                                TTextAlign aVertAlign);
    void Create_String_Animation(TControl* Sender, double aLeft, double aTop, double aStart, double aDuration,
                                 const UnicodeString& aString, const UnicodeString& aFontName,
                                 double aFontSize, TAlphaColor aFontColor, double aWidth, double aHeight,
                                 TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_Label_Animation_Right(TControl* Sender, double aLeft, double aTop, double aStart,
                                      double aDuration, const UnicodeString& aChar,
                                      const UnicodeString& aFontName, double aFontSize,
                                      TAlphaColor aFontColor, double aWidth, double aHeight,
                                      TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_Label_Animation_Vertical(TControl* Sender, double aLeft, double aTop, double aStart,
                                         double aDuration, const UnicodeString& aText,
                                         const UnicodeString& aFontName, double aFontSize,
                                         TAlphaColor aFontColor, double aWidth, double aHeight,
                                         TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_Label_Animation_Horizontal(TControl* Sender, double aLeft, double aTop, double aStart,
                                           double aDuration, const UnicodeString& aText,
                                           const UnicodeString& aFontName, double aFontSize,
                                           TAlphaColor aFontColor, double aWidth, double aHeight,
                                           TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_Label_Animation_And_Hide(TControl* Sender, double aLeft, double aTop, double aStart,
                                         double aDuration, double aHideStart, double aHideDuration,
                                         const UnicodeString& aChar, const UnicodeString& aFontName,
                                         double aFontSize, TAlphaColor aFontColor, double aWidth,
                                         double aHeight, TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_Label_Animation_Vertical_And_Hide(TControl* Sender, double aLeft, double aTop, double aStart,
                                                  double aDuration, double aHideStart, double aHideDuration,
                                                  const UnicodeString& aText, const UnicodeString& aFontName,
                                                  double aFontSize, TAlphaColor aFontColor, double aWidth,
                                                  double aHeight, TTextAlign aHorzAlign,
                                                  TTextAlign aVertAlign);
    void Create_Label_Animation_Horizontal_And_Hide(TControl* Sender, double aLeft, double aTop,
                                                    double aStart, double aDuration, double aHideStart,
                                                    double aHideDuration, const UnicodeString& aText,
                                                    const UnicodeString& aFontName, double aFontSize,
                                                    TAlphaColor aFontColor, double aWidth, double aHeight,
                                                    TTextAlign aHorzAlign, TTextAlign aVertAlign);

    // --- animation sets ---
    void Create_Label_Animations(TControl* Sender, double aLeft, double aTop, double aWidth, double aHeight,
                                 const UnicodeString& aChar, const UnicodeString& aFontName, double aFontSize,
                                 TAlphaColor aFontColor, double aStart, double aDuration,
                                 TTextAlign aHorzAlign, TTextAlign aVertAlign,
                                 const std::vector<TAnimationRecord>& aAnimationSets);
    void Create_String_Animations(TControl* Sender, double aLeft, double aTop, double aStart,
                                  double aDuration, const UnicodeString& aString,
                                  const UnicodeString& aFontName, double aFontSize, TAlphaColor aFontColor,
                                  double aWidth, double aHeight, TTextAlign aHorzAlign, TTextAlign aVertAlign,
                                  const std::vector<TAnimationRecord>& aAnimationSets);

    // --- effects on existing controls ---
    void MoveXY_ExistLabelAnimation(TControl* T, double aLeft, double aTop, double aStart, double aDuration);
    void ChangeLabelColor(TControl* T, TAlphaColor aFontColor, double aStart, double aDuration);
    void ChangeLabelSize(TControl* T, double aFontSize, double aStart, double aDuration);
    void Hide_Label_Animation(TControl* T, double aStart, double aDuration);
    void Rotate_Animation(TControl* T, double aRotateAngle, double aStart, double aDuration);
    void AddGlowEffect(TControl* T, TAlphaColor aGlowColor, double aStart, double aDuration);
    void HideGlowEffect(int zz, double aStart);
    void AddFontSizeAnimation(TControl* T, double aFontSize, double aDuration);

    // --- rectangles ---
    void Create_Rectangle_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                    double aDuration, TAlphaColor aColor, double aWidth, double aHeight);
    void Create_Rectangle_Animation_And_Hide(TControl* Sender, double aLeft, double aTop, double aStart,
                                             double aDuration, double aHideStart, double aHideDuration,
                                             const UnicodeString& aChar, const UnicodeString& aFontName,
                                             double aFontSize, TAlphaColor aFontColor, double aWidth,
                                             double aHeight, TTextAlign aHorzAlign, TTextAlign aVertAlign);

    // --- one-line formulas ---
    void Create_AdditionFormula_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                          double aDuration, const TNbrArray& aNbr,
                                          const UnicodeString& aFontName, double aFontSize,
                                          TAlphaColor aFontColor, double aWidth, double aHeight,
                                          TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_SubstractionFormula_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                              double aDuration, const TNbrArray& aNbr,
                                              const UnicodeString& aFontName, double aFontSize,
                                              TAlphaColor aFontColor, double aWidth, double aHeight,
                                              TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_MultipleFormula_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                          double aDuration, const TNbrArray& aNbr,
                                          const UnicodeString& aFontName, double aFontSize,
                                          TAlphaColor aFontColor, double aWidth, double aHeight,
                                          TTextAlign aHorzAlign, TTextAlign aVertAlign);
    void Create_DivisionFormula_Animation(TControl* Sender, double aLeft, double aTop, double aStart,
                                          double aDuration, const TNbrArray& aNbr,
                                          const UnicodeString& aFontName, double aFontSize,
                                          TAlphaColor aFontColor, double aWidth, double aHeight,
                                          TTextAlign aHorzAlign, TTextAlign aVertAlign);

    // --- column transforms ---
    void Formula_Multiple_Horizontal_TransformTo_Vertical(TControl* Sender, double aLeft, double aTop,
                                                          double aNewLeft, double aNewTop, double aWidth,
                                                          double aStart, double aDuration,
                                                          const UnicodeString& aFontName, double aFontSize,
                                                          const TNbrArray& aNbr);
    void Formula_Addition_Horizontal_TransformTo_Vertical(TControl* Sender, double aLeft, double aTop,
                                                          double aNewLeft, double aNewTop, double aWidth,
                                                          double aStart, double aDuration,
                                                          const UnicodeString& aFontName, double aFontSize,
                                                          const TNbrArray& aNbr);
    void Formula_Substraction_Horizontal_TransformTo_Vertical(TControl* Sender, double aLeft, double aTop,
                                                              double aNewLeft, double aNewTop, double aWidth,
                                                              double aStart, double aDuration,
                                                              const UnicodeString& aFontName,
                                                              double aFontSize, const TNbrArray& aNbr);

private:
    void RunJob(int z);
};

extern TfAnimation* fAnimation;
