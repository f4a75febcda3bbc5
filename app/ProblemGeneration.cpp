// Drawing a problem: three different numbers from 2 to 9, accepted by the
// difficulty level, and a clean panel and engine for the next step.
#include "animation/uf_AnimationEffect.h"
#include "app/LessonTimetable.h"
#include "app/MultipleDemo.h"
#include "ui/Runtime.h"

void TfMultipleDemo::FormActivate(TObject*) {
    BoxSize = lesson::kBoxSizeOnActivation;
    btnStep2->SetVisible(false);
    btnStep3->SetVisible(false);
    btnStep4->SetVisible(false);
    SeedNbr->SetVisible(false);
    // The speed the slider shows (0.75 at its starting position): a teacher
    // sets it once for a class, and a return to the window must not undo it.
    vvTimeScale = lesson::kTimeScaleAtTheStartingSpeed;
    tbTimeScaleChange(tbTimeScale);
    btnStep1Click(btnStep1);
}

// The slider moves continuously between 1 and 2; it stands for the nearer
// level, and halfway counts as hard, so every position accepts some draws.
bool TfMultipleDemo::DrawAccepted(int product) const {
    const bool hard = Round(tbDifficult->Value()) >= 2;
    return hard ? product >= 100 : product < 100;
}

void TfMultipleDemo::btnStep1Click(TObject* Sender) {
    timStep3->SetEnabled(false);
    btnStep2->SetVisible(false);
    btnStep4->SetVisible(false);
    bool accepted = false;
    while (!accepted) {
        SeedNbr->Items.Clear();
        for (int n = 2; n <= 9; ++n) SeedNbr->Items.Add(IntToStr(n));
        for (TLabel* number : {txtNbr1, txtNbr2, txtNbr3}) {
            const int k = Random(SeedNbr->Items.Count());
            number->SetText(SeedNbr->Items[k]);
            SeedNbr->Items.Delete(k);
        }
        const int n1 = StrToInt(txtNbr1->Text()), n2 = StrToInt(txtNbr2->Text()),
                  n3 = StrToInt(txtNbr3->Text());
        accepted = DrawAccepted(n1 * n2 * n3);
    }
    ResetAndClear(Sender);
    timStep3->SetEnabled(true);
}

void TfMultipleDemo::ResetAndClear(TObject* Sender) {
    ClearComponents(Sender);
    fAnimation->Reset(vvTimeScale);
}

void TfMultipleDemo::ClearComponents(TObject*) {
    for (int i = paneCAL->ComponentCount() - 1; i >= 0; --i) paneCAL->Components(i)->Free();
}
