#pragma once
// The lesson window: a borderless 1024 × 768 board with the number row, the
// gridded drawing panel, the speed and difficulty sliders and the step buttons.

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/Rectangle.h"
#include "ui/StyleBook.h"
#include "ui/Timer.h"
#include "ui/TrackBar.h"

class TCanvas;

class TfMultipleDemo : public TForm {
public:
    explicit TfMultipleDemo(TComponent* AOwner);

    // The layout, in stacking order.
    TRectangle* Rectangle1;
    TButton* btnStep1;
    TLabel* txtNbr1;
    TLabel* Label1;
    TLabel* txtNbr2;
    TLabel* Label3;
    TLabel* txtNbr3;
    TButton* btnStep2;
    TListBox* SeedNbr;
    TPanel* paneCAL;
    TTimer* timStep1;
    TButton* btnStep3;
    TStyleBook* StyleBook1;
    TButton* btnStep4;
    TTimer* timStep4;
    TRectangle* Rectangle2;
    TRectangle* Rectangle3;
    TRectangle* Rectangle4;
    TRectangle* Rectangle5;
    TPanel* Panel1;
    TRectangle* Rectangle6;
    TLabel* Label2;
    TButton* Button1;
    TTimer* timStep3;
    TImage* Image1;
    TLabel* Label4;
    TTrackBar* tbTimeScale;
    TLabel* Label5;
    TLabel* Label6;
    TTrackBar* tbDifficult;
    TLabel* Label7;
    TLabel* Label8;

    // The problem as the walkthrough read it, and the arrangement being written.
    int AA = 0, BB = 0, CC = 0;
    int A = 0, B = 0, C = 0;

    // Handlers.
    void FormActivate(TObject* Sender);
    void btnStep1Click(TObject* Sender);
    void btnStep2Click(TObject* Sender);
    void btnStep3Click(TObject* Sender);
    void btnStep4Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void paneCALPaint(TObject* Sender, TCanvas& Canvas, const TRectF& ARect);
    void tbTimeScaleChange(TObject* Sender);
    void timStep1Timer(TObject* Sender);
    void timStep3Timer(TObject* Sender);
    void timStep4Timer(TObject* Sender);
    // A presenter's clicker: forward presses the furthest step button in
    // view, back presses "出題"; hidden buttons are never pressed.
    void FormKeyDown(TObject* Sender, int& Key);

    void ResetAndClear(TObject* Sender);
    void ClearComponents(TObject* Sender);

private:
    void CreateLayout();
    void BindEvents();
    // Accepts a draw by the difficulty level the slider stands at.
    bool DrawAccepted(int product) const;
    // Sets A, B, C to arrangement i (1 … 6) and gives its block's origin.
    TPointF SelectArrangement(int i);
};

extern TfMultipleDemo* fMultipleDemo;
// The time scale every lesson step passes to the engine.
extern double vvTimeScale;
