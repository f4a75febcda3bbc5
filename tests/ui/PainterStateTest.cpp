// A control paints the same picture whatever was painted before it: labels
// leave their font and colour in the painter for the next label to reuse, and
// nothing they leave may show in anything painted after them.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "ui/Button.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/Rectangle.h"
#include "ui/Render_qt.h"
#include "ui/TrackBar.h"

namespace {

// The control that may be affected stands here, apart from what precedes it.
constexpr float kLeft = 150, kTop = 20, kWidth = 130, kHeight = 80;

using Maker = std::function<void(TForm&)>;

TLabel* MakeLabel(TForm& form, float x, const UnicodeString& family, float size, TAlphaColor colour,
                  float opacity) {
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(x, kTop, kWidth, kHeight);
    label->SetStyledSettings(0);
    label->SetFontFamily(family);
    label->SetFontSize(size);
    label->SetFontColor(colour);
    label->SetText(u"8x7");
    label->SetOpacity(opacity);
    return label;
}

struct Before {
    const char* name;
    Maker make;
};

struct After {
    const char* name;
    Maker make;
};

const Before kBefore[] = {
    {"NavyHandLabel", [](TForm& f) { MakeLabel(f, 10, u"Ink Free", 33, TAlphaColors::Navy, 1); }},
    {"HalfFadedRedKaiLabel", [](TForm& f) { MakeLabel(f, 10, u"標楷體", 40, TAlphaColors::Red, 0.5f); }},
};

const After kAfter[] = {
    {"LabelInAnotherFont", [](TForm& f) { MakeLabel(f, kLeft, u"DFKai-SB", 24, TAlphaColors::Black, 1); }},
    {"LabelInTheSameFont", [](TForm& f) { MakeLabel(f, kLeft, u"Ink Free", 33, TAlphaColors::Lime, 1); }},
    {"LabelInTheSameFamilySmaller",
     [](TForm& f) { MakeLabel(f, kLeft, u"Ink Free", 20, TAlphaColors::Navy, 1); }},
    {"StyledLabel",
     [](TForm& f) {
         TLabel* label = MakeLabel(f, kLeft, u"", 12, TAlphaColors::Red, 1);
         label->SetStyledSettings(AllStyledSettings);
     }},
    {"Button",
     [](TForm& f) {
         auto* button = new TButton(&f);
         button->SetParent(&f);
         button->SetBounds(kLeft, kTop, kWidth, 40);
         button->SetText(u"出題");
     }},
    {"TrackBar",
     [](TForm& f) {
         auto* trackBar = new TTrackBar(&f);
         trackBar->SetParent(&f);
         trackBar->SetBounds(kLeft, kTop, 100, 20);
         trackBar->SetValue(4);
     }},
    {"ListBoxWithItems",
     [](TForm& f) {
         auto* list = new TListBox(&f);
         list->SetParent(&f);
         list->SetBounds(kLeft, kTop, kWidth, kHeight);
         list->Items.Add(u"7");
         list->Items.Add(u"8");
     }},
    {"OutlinedRectangle",
     [](TForm& f) {
         auto* rectangle = new TRectangle(&f);
         rectangle->SetParent(&f);
         rectangle->SetBounds(kLeft, kTop, kWidth, kHeight);
         rectangle->SetFillColor(TAlphaColors::Lightblue);
     }},
    {"PanelWithGridOverALabel",
     [](TForm& f) {
         auto* panel = new TPanel(&f);
         panel->SetParent(&f);
         panel->SetBounds(kLeft, kTop, kWidth, kHeight);
         auto* label = new TLabel(&f);
         label->SetParent(panel);
         label->SetBounds(0, 0, kWidth, kHeight);
         label->SetText(u"9");
         panel->OnPaint = [](TObject*, TCanvas& canvas, const TRectF& r) {
             canvas.Stroke.Color = TAlphaColors::Skyblue;
             canvas.Stroke.Thickness = 0.6f;
             canvas.DrawLine({20, 0}, {20, r.Bottom}, 1);
             canvas.DrawLine({0, 30}, {r.Right, 60}, 1);
         };
     }},
};

struct Pairing {
    Before before;
    After after;
};

void PrintTo(const Pairing& p, std::ostream* out) {
    *out << p.before.name << " then " << p.after.name;
}

QImage PictureOf(const std::vector<Maker>& makers) {
    TForm form(nullptr);
    form.SetClientSize(300, 120);
    for (const Maker& make : makers) make(form);
    return RenderForm(form).copy(int(kLeft), int(kTop), int(kWidth), int(kHeight));
}

class PainterStateTest : public ::testing::TestWithParam<Pairing> {};

TEST_P(PainterStateTest, ControlLooksTheSameAfterALabelAsAlone) {
    const Pairing& p = GetParam();
    EXPECT_EQ(PictureOf({p.before.make, p.after.make}), PictureOf({p.after.make}));
}

std::vector<Pairing> EveryPairing() {
    std::vector<Pairing> pairings;
    for (const Before& before : kBefore)
        for (const After& after : kAfter) pairings.push_back({before, after});
    return pairings;
}

INSTANTIATE_TEST_SUITE_P(Pairings, PainterStateTest, ::testing::ValuesIn(EveryPairing()),
                         [](const ::testing::TestParamInfo<Pairing>& info) {
                             return std::string(info.param.before.name) + "Then" + info.param.after.name;
                         });

}  // namespace
