// The lesson window's layout, compiled in: every component with its place,
// size, font, colour and text, in stacking order (first at the bottom).
#include "app/MultipleDemo.h"

namespace {

constexpr TStyledSettings kOwnFamilySizeColour = StyledSet(TStyledSetting::Style);
constexpr TStyledSettings kOwnSizeColour =
    StyledSet(TStyledSetting::Family) | StyledSet(TStyledSetting::Style);

template <class T>
T* Place(TForm* form, TFmxObject* parent, const char* name) {
    auto* component = new T(form);
    component->Name = name;
    component->SetParent(parent);
    return component;
}

TRectangle* MakeRectangle(TForm* form, TFmxObject* parent, const char* name, TRectF box, TAlphaColor fill) {
    auto* rectangle = Place<TRectangle>(form, parent, name);
    rectangle->SetBounds(box.Left, box.Top, box.Width(), box.Height());
    rectangle->SetFillColor(fill);  // and the default outline, black and 1 px wide
    return rectangle;
}

TButton* MakeButton(TForm* form, TFmxObject* parent, const char* name, TRectF box,
                    const UnicodeString& text) {
    auto* button = Place<TButton>(form, parent, name);
    button->SetBounds(box.Left, box.Top, box.Width(), box.Height());
    button->SetText(text);
    button->SetFontFamily(u"DFKai-SB");
    button->SetFontSize(24);
    return button;
}

TLabel* MakeLabel(TForm* form, TFmxObject* parent, const char* name, TRectF box, const UnicodeString& text,
                  TStyledSettings styled, const UnicodeString& family, float size, TAlphaColor colour) {
    auto* label = Place<TLabel>(form, parent, name);
    label->SetBounds(box.Left, box.Top, box.Width(), box.Height());
    label->SetText(text);
    label->SetStyledSettings(styled);
    label->SetFontFamily(family);
    label->SetFontSize(size);
    label->SetFontColor(colour);
    return label;
}

// A number-row or banner label: its own font, text centred, sized to its text.
TLabel* MakeCentredLabel(TForm* form, TFmxObject* parent, const char* name, TRectF box,
                         const UnicodeString& text, const UnicodeString& family, float size,
                         TAlphaColor colour) {
    TLabel* label = MakeLabel(form, parent, name, box, text, kOwnFamilySizeColour, family, size, colour);
    label->SetHorzAlign(TTextAlign::Center);
    return label;
}

TTimer* MakeTimer(TForm* form, TFmxObject* parent, const char* name) {
    auto* timer = Place<TTimer>(form, parent, name);
    timer->SetEnabled(false);
    timer->SetInterval(1000);
    return timer;
}

TTrackBar* MakeTrackBar(TForm* form, const char* name, float x, float y, float min, float max, float value) {
    auto* trackBar = Place<TTrackBar>(form, form, name);
    trackBar->SetBounds(x, y, 100, 20);
    trackBar->SetRange(min, max);
    trackBar->SetValue(value);
    return trackBar;
}

constexpr TRectF Box(float x, float y, float w, float h) {
    return {x, y, x + w, y + h};
}

}  // namespace

void TfMultipleDemo::CreateLayout() {
    Name = "fMultipleDemo";
    Caption = u"Velmora\u3000聯乘示範教材";
    BorderStyle = TFmxFormBorderStyle::None;
    SetClientSize(1024, 768);

    Rectangle1 = MakeRectangle(this, this, "Rectangle1", Box(1, 49, 1022, 718), TAlphaColors::White);
    btnStep1 = MakeButton(this, this, "btnStep1", Box(512, 700, 161, 49), u"出題");
    txtNbr1 = MakeCentredLabel(this, this, "txtNbr1", Box(20, 87, 33, 45), u"5", u"Ink Free", 36,
                               TAlphaColors::Navy);
    Label1 = MakeCentredLabel(this, this, "Label1", Box(60, 87, 33, 45), u",", u"Ink Free", 36,
                              TAlphaColors::Navy);
    txtNbr2 = MakeCentredLabel(this, this, "txtNbr2", Box(100, 87, 33, 45), u"5", u"Ink Free", 36,
                               TAlphaColors::Navy);
    Label3 = MakeCentredLabel(this, this, "Label3", Box(140, 87, 33, 45), u",", u"Ink Free", 36,
                              TAlphaColors::Navy);
    txtNbr3 = MakeCentredLabel(this, this, "txtNbr3", Box(180, 87, 33, 45), u"5", u"Ink Free", 36,
                               TAlphaColors::Navy);
    btnStep2 = MakeButton(this, this, "btnStep2", Box(424, 728, 80, 22), u"排列方法");

    SeedNbr = Place<TListBox>(this, this, "SeedNbr");
    SeedNbr->SetBounds(352, 664, 145, 57);

    paneCAL = Place<TPanel>(this, this, "paneCAL");
    paneCAL->SetBounds(12, 136, 997, 465);
    paneCAL->StyleLookup = "paneCALStyle1";
    paneCAL->HitTest = false;

    timStep1 = MakeTimer(this, paneCAL, "timStep1");
    btnStep3 = MakeButton(this, this, "btnStep3", Box(680, 700, 161, 49), u"排列方法");
    StyleBook1 = new TStyleBook(this);
    StyleBook1->Name = "StyleBook1";
    StyleBook1->Platform = "Windows 10 Desktop";
    // The drawing panel's white face with a thin grey border, on which the grid is drawn.
    StyleBook1->AddStyle("paneCALStyle1", {TAlphaColors::White, 0xFFCCCCCC});
    StyleBook = StyleBook1;
    btnStep4 = MakeButton(this, this, "btnStep4", Box(848, 700, 161, 49), u"計算結果");
    timStep4 = MakeTimer(this, this, "timStep4");

    Rectangle2 = MakeRectangle(this, this, "Rectangle2", Box(0, 1, 1, 766), TAlphaColors::Navy);
    Rectangle3 = MakeRectangle(this, this, "Rectangle3", Box(0, 767, 1024, 1), TAlphaColors::Navy);
    Rectangle4 = MakeRectangle(this, this, "Rectangle4", Box(0, 0, 1024, 1), TAlphaColors::Navy);
    Rectangle5 = MakeRectangle(this, this, "Rectangle5", Box(1023, 1, 1, 766), TAlphaColors::Navy);

    Panel1 = Place<TPanel>(this, this, "Panel1");
    Panel1->SetBounds(1, 1, 1022, 48);
    Panel1->StyleLookup = "pushpanel";
    Rectangle6 = MakeRectangle(this, Panel1, "Rectangle6", Box(0, 0, 896, 48), TAlphaColors::Navy);
    Rectangle6->SetStrokeVisible(false);
    Label2 = MakeCentredLabel(this, Panel1, "Label2", Box(-64, 0, 733, 44),
                              u"Velmora\u3000乘法結合性質示範教材", u"DFKai-SB", 36, TAlphaColors::Lime);
    Button1 = MakeButton(this, Panel1, "Button1", Box(896, 0, 126, 48), u"離開");

    timStep3 = MakeTimer(this, this, "timStep3");

    Image1 = Place<TImage>(this, this, "Image1");
    Image1->SetBounds(-16, 682, 169, 122);
    Image1->LoadFromResource(u":/logo.png");

    Label4 = MakeCentredLabel(this, this, "Label4", Box(109, 755, 389, 44), u"程式設計：Orsalind",
                              u"DFKai-SB", 36, TAlphaColors::Lightblue);

    tbTimeScale = MakeTrackBar(this, "tbTimeScale", 848, 88, 1, 6, 3);
    Label5 = MakeLabel(this, this, "Label5", Box(824, 64, 65, 25), u"SLOW", kOwnSizeColour, u"", 18,
                       TAlphaColors::Navy);
    Label6 = MakeLabel(this, this, "Label6", Box(928, 64, 65, 25), u"FAST", kOwnSizeColour, u"", 18,
                       TAlphaColors::Navy);
    tbDifficult = MakeTrackBar(this, "tbDifficult", 536, 672, 1, 2, 1);
    Label7 = MakeLabel(this, this, "Label7", Box(536, 648, 65, 25), u"淺", kOwnSizeColour, u"", 18,
                       TAlphaColors::Navy);
    Label8 = MakeLabel(this, this, "Label8", Box(618, 648, 65, 25), u"深", kOwnSizeColour, u"", 18,
                       TAlphaColors::Navy);
}
