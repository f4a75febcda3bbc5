// What a rendered window shows: the panel's own drawing over its labels,
// hidden and transparent controls left out, glows and rotations.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Rectangle.h"
#include "ui/Render_qt.h"

namespace {

bool IsWhite(QColor c) {
    return c.red() == 255 && c.green() == 255 && c.blue() == 255;
}

bool IsRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

bool IsDark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

class PaintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        form->SetClientSize(240, 200);
        form->Fill = TAlphaColors::White;
        panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(20, 10, 200, 180);
        panel->FaceColor = TAlphaColors::White;
        panel->BorderColor = TAlphaColors::White;
    }

    QImage Render() { return RenderForm(*form); }

    TRectangle* AddRectangle(TControl* parent, float x, float y, float w, float h, TAlphaColor fill) {
        auto* rectangle = new TRectangle(form.get());
        rectangle->SetParent(parent);
        rectangle->SetBounds(x, y, w, h);
        rectangle->SetFillColor(fill);
        rectangle->SetStrokeVisible(false);
        return rectangle;
    }

    TLabel* AddLabel(const UnicodeString& text, float size, TAlphaColor color) {
        auto* label = new TLabel(panel);
        label->SetParent(panel);
        label->SetStyledSettings(0);
        label->SetText(text);
        label->SetFontSize(size);
        label->SetFontColor(color);
        label->SetHorzAlign(TTextAlign::Center);
        label->SetBounds(40, 40, 120, 100);
        return label;
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* panel = nullptr;
};

TEST_F(PaintingTest, RenderIsTheFormsSizeAtDevicePixelRatioOne) {
    const QImage image = Render();
    EXPECT_EQ(image.size(), QSize(240, 200));
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_EQ(image.logicalDpiX(), 96);
}

TEST_F(PaintingTest, LinesDrawnInThePanelsOnPaintLieOverItsLabels) {
    AddLabel(u"WWW", 60, TAlphaColors::Black);
    const int rowInPanel = 90;
    const QImage withoutLine = Render();
    TRectF paintedRect;
    panel->OnPaint = [&](TObject*, TCanvas& canvas, const TRectF& ARect) {
        paintedRect = ARect;
        canvas.Stroke.Color = TAlphaColors::Red;
        canvas.Stroke.Thickness = 3;
        canvas.DrawLine({ARect.Left, float(rowInPanel)}, {ARect.Right, float(rowInPanel)}, 1);
    };

    const QImage withLine = Render();

    EXPECT_EQ(paintedRect.Width(), 200);
    EXPECT_EQ(paintedRect.Height(), 180);
    const int y = 10 + rowInPanel;  // the canvas stands at the panel's origin
    int glyphPixelsOnTheLine = 0;
    for (int x = 20; x < 220; ++x) {
        EXPECT_TRUE(IsRed(withLine.pixelColor(x, y))) << "x " << x;
        if (IsDark(withoutLine.pixelColor(x, y))) ++glyphPixelsOnTheLine;
    }
    EXPECT_GT(glyphPixelsOnTheLine, 10) << "the line must cross the text to show anything";
}

TEST_F(PaintingTest, LabelDrawsInItsOwnColourAndSizeOnlyWhenTheStyleLeavesThemToIt) {
    struct Case {
        std::string styled;
        TStyledSettings settings;
        bool ownColour, ownSize;
    };
    TLabel* label = AddLabel(u"WWW", 40, TAlphaColors::Red);
    for (const Case& c : std::vector<Case>{{"nothing", 0, true, true},
                                           {"everything", AllStyledSettings, false, false},
                                           {"the colour", StyledSet(TStyledSetting::FontColor), false, true},
                                           {"the size", StyledSet(TStyledSetting::Size), true, false}}) {
        SCOPED_TRACE("styled: " + c.styled);
        label->SetStyledSettings(c.settings);

        const QImage image = Render();

        int red = 0, dark = 0, left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                red += IsRed(pixel);
                dark += IsDark(pixel);
                if (!IsWhite(pixel)) left = std::min(left, x), right = std::max(right, x);
            }
        EXPECT_EQ(red > 0, c.ownColour);
        EXPECT_EQ(dark > 0, !c.ownColour);
        // Three W at 40 px are far wider than at the style's 12 px.
        EXPECT_EQ(right - left > 60, c.ownSize) << "text " << right - left << " px wide";
    }
}

TEST_F(PaintingTest, RectangleIsFilledWithItsFillAndOutlinedInsideItsBoxWithItsStroke) {
    TRectangle* box = AddRectangle(panel, 50, 50, 60, 40, TAlphaColors::Lime);
    box->SetStrokeVisible(true);
    box->SetStrokeColor(TAlphaColors::Navy);

    const QImage image = Render();

    auto at = [&](int x, int y) { return image.pixelColor(20 + x, 10 + y); };
    EXPECT_EQ(at(80, 70), QColor(0, 255, 0));
    EXPECT_EQ(at(50, 70), QColor(0, 0, 128));
    EXPECT_EQ(at(109, 70), QColor(0, 0, 128));
    EXPECT_EQ(at(80, 89), QColor(0, 0, 128));
    EXPECT_TRUE(IsWhite(at(49, 70)));
    EXPECT_TRUE(IsWhite(at(110, 70)));
}

TEST_F(PaintingTest, HiddenControlIsNotDrawnNorAnythingInsideIt) {
    struct Case {
        std::string hidden;
        bool hideRectangle, hidePanel;
    };
    for (const Case& c : std::vector<Case>{
             {"nothing", false, false}, {"the rectangle", true, false}, {"its panel", false, true}}) {
        SCOPED_TRACE("hidden: " + c.hidden);
        TRectangle* rectangle = AddRectangle(panel, 50, 50, 60, 40, TAlphaColors::Red);
        rectangle->SetVisible(!c.hideRectangle);
        panel->SetVisible(!c.hidePanel);

        const QColor centre = Render().pixelColor(20 + 80, 10 + 70);

        EXPECT_EQ(IsRed(centre), !c.hideRectangle && !c.hidePanel);
        EXPECT_TRUE(IsRed(centre) || IsWhite(centre));
        rectangle->Free();
        panel->SetVisible(true);
    }
}

TEST_F(PaintingTest, OpacityBlendsAControlAndEverythingInsideItWithWhatLiesBehind) {
    struct Case {
        float panelOpacity, rectangleOpacity;
        int expectedGreenAndBlue;  // red over white: 255 × (1 − effective opacity)
    };
    TRectangle* rectangle = AddRectangle(panel, 50, 50, 60, 40, TAlphaColors::Red);
    for (const Case& c :
         std::vector<Case>{{1, 1, 0}, {1, 0.5f, 128}, {0.5f, 0.5f, 191}, {1, 0, 255}, {0, 1, 255}}) {
        SCOPED_TRACE(::testing::Message()
                     << "panel " << c.panelOpacity << ", rectangle " << c.rectangleOpacity);
        panel->SetOpacity(c.panelOpacity);
        rectangle->SetOpacity(c.rectangleOpacity);

        const QColor centre = Render().pixelColor(20 + 80, 10 + 70);

        EXPECT_EQ(centre.red(), 255);
        EXPECT_NEAR(centre.green(), c.expectedGreenAndBlue, 2);
        EXPECT_NEAR(centre.blue(), c.expectedGreenAndBlue, 2);
    }
}

TEST_F(PaintingTest, OpacityZeroDrawsNeitherTheControlNorItsGlow) {
    TLabel* label = AddLabel(u"8", 72, TAlphaColors::Black);
    auto* glow = new TGlowEffect(label);
    glow->SetParent(label);
    glow->Opacity = 1;
    label->SetText(u"");
    const QImage blank = Render();
    label->SetText(u"8");
    ASSERT_NE(Render(), blank) << "at full opacity the text and its glow show";

    label->SetOpacity(0);

    EXPECT_EQ(Render(), blank);
}

// Over white, a halo in a pure primary colour keeps that channel full and
// lowers the two others alike.
bool HasHueOf(QColor c, QColor primary) {
    const int channels[] = {c.red(), c.green(), c.blue()};
    const int full[] = {primary.red(), primary.green(), primary.blue()};
    int lowered = -1;
    for (int i = 0; i < 3; ++i) {
        if (full[i] == 255) {
            if (channels[i] != 255) return false;
        } else if (lowered < 0) {
            lowered = channels[i];
        } else if (std::abs(channels[i] - lowered) > 1) {
            return false;
        }
    }
    return lowered < 255;
}

TEST_F(PaintingTest, GlowDrawsASoftHaloInItsColourJustOutsideTheGlyphs) {
    TLabel* label = AddLabel(u"8", 72, TAlphaColors::Black);
    auto* glow = new TGlowEffect(label);
    glow->SetParent(label);
    glow->Opacity = 1;
    for (const TAlphaColor color : {TAlphaColors::Red, TAlphaColor(0xFF0000FF)}) {
        const QColor primary = QColor::fromRgba(color);
        SCOPED_TRACE(primary.name().toStdString());
        glow->GlowColor = color;
        glow->SetEnabled(false);
        const QImage plain = Render();
        glow->SetEnabled(true);
        const QImage glowing = Render();

        int haloPixels = 0, strongHaloPixels = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                if (!IsWhite(plain.pixelColor(x, y))) continue;  // glyphs and their antialiased edges
                const QColor halo = glowing.pixelColor(x, y);
                if (IsWhite(halo)) continue;
                ++haloPixels;
                ASSERT_TRUE(HasHueOf(halo, primary))
                    << "at " << x << "," << y << ": " << halo.name().toStdString();
                if (std::min({halo.red(), halo.green(), halo.blue()}) < 128) ++strongHaloPixels;
            }
        EXPECT_GT(strongHaloPixels, 100);
        EXPECT_GT(haloPixels, strongHaloPixels) << "a soft halo fades out";
        // It stays near the glyphs and does not fill the label's box.
        EXPECT_TRUE(IsWhite(glowing.pixelColor(20 + 42, 10 + 42)));
        EXPECT_TRUE(IsWhite(glowing.pixelColor(20 + 158, 10 + 138)));
    }
}

TEST_F(PaintingTest, RotationTurnsAControlAboutItsCentre) {
    struct Case {
        float angle;
        bool redAlongX, redAlongY;
    };
    // A 100 × 20 bar centred on (100, 90) of the panel.
    TRectangle* bar = AddRectangle(panel, 50, 80, 100, 20, TAlphaColors::Red);
    for (const Case& c :
         std::vector<Case>{{0, true, false}, {90, false, true}, {180, true, false}, {-90, false, true}}) {
        SCOPED_TRACE(c.angle);
        bar->SetRotationAngle(c.angle);

        const QImage image = Render();

        auto at = [&](int x, int y) { return image.pixelColor(20 + x, 10 + y); };
        EXPECT_TRUE(IsRed(at(100, 90)));
        EXPECT_EQ(IsRed(at(60, 90)), c.redAlongX);
        EXPECT_EQ(IsRed(at(140, 90)), c.redAlongX);
        EXPECT_EQ(IsRed(at(100, 50)), c.redAlongY);
        EXPECT_EQ(IsRed(at(100, 130)), c.redAlongY);
    }
}

}  // namespace
