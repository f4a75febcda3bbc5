#include "app/MultipleDemo.h"

#include "animation/uf_AnimationEffect.h"
#include "app/About.h"
#include "app/LessonTimetable.h"
#include "ui/Canvas.h"
#include "ui/Runtime.h"

TfMultipleDemo* fMultipleDemo = nullptr;
double vvTimeScale = lesson::kTimeScaleAtTheStartingSpeed;

TfMultipleDemo::TfMultipleDemo(TComponent* AOwner) : TForm(AOwner) {
    CreateLayout();
    AboutText = LessonAboutText();
    BindEvents();
}

void TfMultipleDemo::BindEvents() {
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnKeyDown = [this](TObject* s, int& key) { FormKeyDown(s, key); };
    btnStep1->OnClick = [this](TObject* s) { btnStep1Click(s); };
    btnStep2->OnClick = [this](TObject* s) { btnStep2Click(s); };
    btnStep3->OnClick = [this](TObject* s) { btnStep3Click(s); };
    btnStep4->OnClick = [this](TObject* s) { btnStep4Click(s); };
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    paneCAL->OnPaint = [this](TObject* s, TCanvas& c, const TRectF& r) { paneCALPaint(s, c, r); };
    tbTimeScale->OnChange = [this](TObject* s) { tbTimeScaleChange(s); };
    timStep1->OnTimer = [this](TObject* s) { timStep1Timer(s); };
    timStep3->OnTimer = [this](TObject* s) { timStep3Timer(s); };
    timStep4->OnTimer = [this](TObject* s) { timStep4Timer(s); };
}

void TfMultipleDemo::Button1Click(TObject*) {
    Close();
}

void TfMultipleDemo::paneCALPaint(TObject*, TCanvas& Canvas, const TRectF&) {
    const int s = BoxSize;
    if (s <= 0) return;
    const float panelWidth = paneCAL->Width(), panelHeight = paneCAL->Height();
    const int W = int(Round(panelWidth)), H = int(Round(panelHeight));
    Canvas.Stroke.Color = TAlphaColors::Skyblue;
    for (int i = 0; i <= W / s; ++i) {
        Canvas.Stroke.Color = TAlphaColors::Skyblue;
        Canvas.Stroke.Thickness =
            i == lesson::kHeavyGridColumn ? lesson::kHeavyGridStroke : lesson::kGridStroke;
        Canvas.DrawLine({float(i * s), 0}, {float(i * s), panelHeight}, 1);
    }
    for (int i = 0; i <= H / s; ++i) {
        Canvas.Stroke.Color = TAlphaColors::Skyblue;
        Canvas.Stroke.Thickness = lesson::kGridStroke;
        Canvas.DrawLine({0, float(i * s)}, {panelWidth, float(i * s)}, 1);
    }
}

void TfMultipleDemo::tbTimeScaleChange(TObject*) {
    static constexpr double kScaleBySetting[] = {1.5, 1, 0.75, 0.5, 0.25, 0.125};
    const std::int64_t setting = Round(tbTimeScale->Value());
    if (setting >= 1 && setting <= 6) vvTimeScale = kScaleBySetting[setting - 1];
}

void TfMultipleDemo::timStep1Timer(TObject*) {
    timStep1->SetEnabled(false);
    btnStep1->SetVisible(true);
}

void TfMultipleDemo::timStep3Timer(TObject*) {
    timStep3->SetEnabled(false);
    btnStep3->SetVisible(true);
}

void TfMultipleDemo::timStep4Timer(TObject*) {
    timStep4->SetEnabled(false);
    btnStep4->SetVisible(true);
}
