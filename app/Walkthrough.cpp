// "排列方法": the six headings, then the six products, one every three
// (scaled) seconds; "計算結果" comes back as the last product enters.
#include "animation/uf_AnimationEffect.h"
#include "app/LessonTimetable.h"
#include "app/MultipleDemo.h"
#include "ui/Runtime.h"

using namespace lesson;

void TfMultipleDemo::btnStep2Click(TObject*) {
    const double nfSize = BoxSize * kTextSizeOfBox;
    fAnimation->Reset(vvTimeScale);
    const double jTime = fAnimation->JobSchedule_StartTime;
    AA = StrToInt(txtNbr1->Text());
    BB = StrToInt(txtNbr2->Text());
    CC = StrToInt(txtNbr3->Text());
    for (int i = 1; i <= 6; ++i) {
        const TPointF block = SelectArrangement(i);
        const UnicodeString DescriptionStr = u"排列方法" + IntToStr(i);
        fAnimation->Create_String_Animation(paneCAL, block.X, block.Y, jTime, kEntranceSeconds,
                                            DescriptionStr, u"標楷體", nfSize, TAlphaColors::Navy, BoxSize,
                                            BoxSize, TTextAlign::Center, TTextAlign::Center);
    }
    fAnimation->Start();
}

void TfMultipleDemo::btnStep3Click(TObject* Sender) {
    btnStep1->SetVisible(false);
    btnStep3->SetVisible(false);
    // A problem drawn less than a second ago still has the timer that would
    // bring this button back in the middle of its own walkthrough.
    timStep3->SetEnabled(false);
    timStep4->SetEnabled(false);
    btnStep2Click(Sender);
    const double nfSize = BoxSize * kTextSizeOfBox;
    double jTime = fAnimation->JobSchedule_StartTime;
    for (int i = 1; i <= 6; ++i) {
        const TPointF block = SelectArrangement(i);
        const UnicodeString FirstLineStr = IntToStr(A) + u"x" + IntToStr(B) + u"x" + IntToStr(C);
        fAnimation->Create_String_Animation(paneCAL, block.X + BoxSize, block.Y + BoxSize,
                                            jTime + kFirstProductDelay, kEntranceSeconds, FirstLineStr,
                                            u"Ink Free", nfSize, TAlphaColors::Navy, BoxSize, BoxSize,
                                            TTextAlign::Center, TTextAlign::Center);
        jTime += kProductStep;
    }
    fAnimation->Start();
    timStep4->SetInterval(int(Round(Animation_JobStart[Animation_JobCounter] * 1000)));
    timStep4->SetEnabled(true);
}
