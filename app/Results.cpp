// "計算結果": under every product, the product of its first two factors
// times the third, then the result; "出題" comes back as the last result enters.
#include "animation/uf_AnimationEffect.h"
#include "app/LessonTimetable.h"
#include "app/MultipleDemo.h"
#include "ui/Runtime.h"

namespace {
// In floating point, so that any number the number row can hold gives a
// defined product: exact below 10^15 (every lesson's), beyond that written
// with 15 significant digits rather than wrapped around.
UnicodeString ProductText(double a, double b) {
    return FloatToStr(a * b);
}
}  // namespace

void TfMultipleDemo::btnStep4Click(TObject*) {
    timStep1->SetEnabled(false);
    btnStep4->SetVisible(false);
    const double nfSize = BoxSize * lesson::kTextSizeOfBox;
    fAnimation->Reset(vvTimeScale);
    double jTime = fAnimation->JobSchedule_StartTime;
    auto place = [&](TPointF at, double start, const UnicodeString& text) {
        fAnimation->Create_String_Animation(paneCAL, at.X, at.Y, start, lesson::kEntranceSeconds, text,
                                            u"Ink Free", nfSize, TAlphaColors::Navy, BoxSize, BoxSize,
                                            TTextAlign::Center, TTextAlign::Center);
    };
    for (int i = 1; i <= 6; ++i) {
        const TPointF block = SelectArrangement(i);
        // Appended, not added to a literal: GCC 12 at -O3 reports a false overlap (-Wrestrict) for that.
        const UnicodeString SecondLineStr =
            UnicodeString(u"=").append(ProductText(A, B)).append(u"x").append(IntToStr(C));
        place({block.X, block.Y + 2 * BoxSize}, jTime, SecondLineStr);
        const UnicodeString ThirdLineStr = UnicodeString(u"=").append(ProductText(A * double(B), C));
        place({block.X, block.Y + 3 * BoxSize}, jTime + lesson::kResultDelay, ThirdLineStr);
        jTime += lesson::kWorkingStep;
    }
    fAnimation->Start();
    timStep1->SetInterval(int(Round(Animation_JobStart[Animation_JobCounter] * 1000)));
    timStep1->SetEnabled(true);
}
