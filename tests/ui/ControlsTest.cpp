// The controls the lesson window is built from: buttons, the track bar, the
// list box used as a string list, the picture, and text measurement.
#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/FormHost_qt.h"
#include "ui/Image.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/Render_qt.h"
#include "ui/TextMeasure.h"
#include "ui/Text_qt.h"
#include "ui/TrackBar.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

std::vector<std::u16string> ItemsOf(const TStringList& items) {
    std::vector<std::u16string> result;
    for (int i = 0; i < items.Count(); ++i) result.push_back(items[i]);
    return result;
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form->SetClientSize(300, 200);
        panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, 280, 180);
        button = new TButton(form.get());
        button->SetParent(panel);
        button->SetBounds(20, 20, 100, 40);
        button->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, button);
            ++clicks;
        };
    }

    // Presses and releases the mouse at a point of the window, as the user would.
    static void ClickInWindow(QWidget& window, QPointF at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &release);
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* panel = nullptr;
    TButton* button = nullptr;
    int clicks = 0;
};

TEST_F(ControlsTest, ButtonClickRunsOnClickOnlyWhileTheButtonAndEverythingAroundItAreVisible) {
    struct Case {
        bool buttonVisible, panelVisible, formVisible;
        int expectedClicks;
    };
    for (const Case& c : std::vector<Case>{
             {true, true, true, 1}, {false, true, true, 0}, {true, false, true, 0}, {true, true, false, 0}}) {
        SCOPED_TRACE(::testing::Message() << "button " << c.buttonVisible << ", panel " << c.panelVisible
                                          << ", form " << c.formVisible);
        clicks = 0;
        button->SetVisible(c.buttonVisible);
        panel->SetVisible(c.panelVisible);
        form->SetVisible(c.formVisible);

        button->Click();

        EXPECT_EQ(clicks, c.expectedClicks);
    }
}

TEST_F(ControlsTest, ClickInTheWindowReachesOnlyAVisibleButtonUnderThePointer) {
    TFormHostWidget window(*form);
    const QPointF onButton(10 + 20 + 50, 10 + 20 + 20), besideButton(10 + 200, 10 + 100);

    ClickInWindow(window, onButton);
    ClickInWindow(window, besideButton);
    EXPECT_EQ(clicks, 1);

    button->SetVisible(false);
    ClickInWindow(window, onButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, ButtonThatFreesItselfWhenClickedInTheWindowLeavesTheWindowWorking) {
    TFormHostWidget window(*form);
    const TWeak<TButton> ref(button);
    button->OnClick = [this](TObject*) {
        button->Free();
        ++clicks;
    };
    const QPointF onButton(10 + 20 + 50, 10 + 20 + 20);

    ClickInWindow(window, onButton);
    ClickInWindow(window, onButton);

    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(ref);
}

TEST_F(ControlsTest, TrackBarValueIsAClampedFloatAndEveryChangeRunsOnChange) {
    struct Case {
        float assigned;
        float expectedValue;
        bool changes;
    };
    auto* bar = new TTrackBar(form.get());
    bar->SetRange(1, 5);
    bar->SetValue(3);
    int changes = 0;
    bar->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, bar);
        ++changes;
    };
    const std::vector<Case> cases = {
        {3.0f, 3.0f, false},      {2.25f, 2.25f, true}, {2.25f, 2.25f, false},
        {0.0f, 1.0f, true},       {-5.0f, 1.0f, false}, {9.5f, 5.0f, true},
        {kInfinity, 5.0f, false}, {kNaN, 5.0f, false},  {4.999f, 4.999f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Value := " << c.assigned);
        changes = 0;
        bar->SetValue(c.assigned);
        EXPECT_EQ(bar->Value(), c.expectedValue);
        EXPECT_EQ(changes, c.changes ? 1 : 0);
    }
}

TEST_F(ControlsTest, TrackBarRangeThatNoLongerHoldsTheValueMovesItAndSaysSo) {
    auto* bar = new TTrackBar(form.get());
    bar->SetRange(0, 10);
    bar->SetValue(8);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };

    bar->SetRange(0, 6);

    EXPECT_EQ(bar->Value(), 6);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, ListBoxItemsAppendAndDeleteClosesTheGap) {
    auto* list = new TListBox(form.get());
    list->SetVisible(false);
    for (const char16_t* item : {u"a", u"b", u"c", u"d"}) list->Items.Add(item);

    list->Items.Delete(1);
    EXPECT_EQ(ItemsOf(list->Items), (std::vector<std::u16string>{u"a", u"c", u"d"}));
    list->Items.Delete(2);
    EXPECT_EQ(ItemsOf(list->Items), (std::vector<std::u16string>{u"a", u"c"}));
    list->Items.Delete(0);
    EXPECT_EQ(ItemsOf(list->Items), (std::vector<std::u16string>{u"c"}));
    list->Items.Add(u"e");
    EXPECT_EQ(ItemsOf(list->Items), (std::vector<std::u16string>{u"c", u"e"}));

    list->Items.Clear();
    EXPECT_EQ(list->Items.Count(), 0);
}

TEST_F(ControlsTest, ImageFitsTheLogoIntoItsBoxKeepingItsProportions) {
    if (!QFile::exists(":/logo.png")) GTEST_SKIP() << "the logo is not compiled in";
    const TAlphaColor magenta = 0xFFFF00FF;
    form->Fill = magenta;
    panel->SetVisible(false);
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBounds(0, 0, 300, 200);
    ASSERT_TRUE(image->LoadFromResource(u":/logo.png"));
    ASSERT_EQ(image->BitmapWidth(), 580);
    ASSERT_EQ(image->BitmapHeight(), 689);

    const QImage rendered = RenderForm(*form);

    // 580 × 689 scaled by 200/689 is 168.4 wide, centred: from x 65.8 to 234.2.
    int left = rendered.width(), right = -1;
    for (int y = 0; y < rendered.height(); ++y)
        for (int x = 0; x < rendered.width(); ++x)
            if (rendered.pixelColor(x, y) != QColor::fromRgba(magenta)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GE(left, 64);
    EXPECT_LE(left, 72);
    EXPECT_GE(right, 227);
    EXPECT_LE(right, 235);
}

// Two pictures of one size fit to the same size: the second must not be
// shown from what was scaled for the first. (Qt reads a file path as well
// as a compiled-in one.)
TEST_F(ControlsTest, ImageShowsThePictureLoadedLastEvenAtTheSameSize) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto writePicture = [&](const char* name, Qt::GlobalColor color) {
        QImage picture(20, 10, QImage::Format_ARGB32);
        picture.fill(color);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path, "PNG"));
        return FromQString(path);
    };
    const UnicodeString red = writePicture("red.png", Qt::red), green = writePicture("green.png", Qt::green);
    panel->SetVisible(false);
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBounds(0, 0, 100, 50);

    ASSERT_TRUE(image->LoadFromResource(red));
    EXPECT_EQ(RenderForm(*form).pixelColor(50, 25), QColor(Qt::red));
    ASSERT_TRUE(image->LoadFromResource(green));
    EXPECT_EQ(RenderForm(*form).pixelColor(50, 25), QColor(Qt::green));
}

TEST_F(ControlsTest, CanvasTextWidthGrowsWithTheTextAndTheFontSize) {
    TBitmap bitmap;
    bitmap.Canvas.Font.Family = u"Ink Free";
    bitmap.Canvas.Font.Size = 20;
    const float one = bitmap.Canvas.TextWidth(u"1");
    const float two = bitmap.Canvas.TextWidth(u"12");
    const float three = bitmap.Canvas.TextWidth(u"123");
    EXPECT_EQ(bitmap.Canvas.TextWidth(u""), 0);
    EXPECT_GT(one, 0);
    EXPECT_GT(two, one);
    EXPECT_GT(three, two);

    bitmap.Canvas.Font.Size = 40;
    EXPECT_NEAR(bitmap.Canvas.TextWidth(u"12") / two, 2.0, 0.1);
    bitmap.Canvas.Font.Size = 0;
    EXPECT_EQ(bitmap.Canvas.TextWidth(u"12"), 0);
}

}  // namespace
