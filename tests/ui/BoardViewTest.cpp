// The board scaled into a window of another size: where it stands, and where
// a click on the screen lands on it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <cmath>
#include <vector>

#include "ui/FormHost_qt.h"

namespace {

struct ScreenCase {
    const char* name;
    QSizeF window;
    QRectF expectedBoard;
};

const ScreenCase kScreens[] = {
    {"the board's own size", {1024, 768}, {0, 0, 1024, 768}},
    {"a 1080p projector", {1920, 1080}, {240, 0, 1440, 1080}},
    {"a 1080p screen at 150 % (1280 x 720 offered)", {1280, 720}, {160, 0, 960, 720}},
    {"a 5:4 monitor", {1280, 1024}, {0, 32, 1280, 960}},
};

}  // namespace

TEST(BoardViewTest, TheBoardIsScaledUniformlyAndCentred) {
    for (const ScreenCase& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        EXPECT_EQ(FitBoard({1024, 768}, screen.window), screen.expectedBoard);
    }
}

TEST(BoardViewTest, AClickLandsWhereTheBoardIsSeen) {
    // The middle of "計算結果" (848, 700, 161 x 49) and the board's corners.
    const QPointF onBoard[] = {{928.5, 724.5}, {0, 0}, {1024, 768}};
    for (const ScreenCase& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        const QRectF shown = FitBoard({1024, 768}, screen.window);
        const double scale = shown.width() / 1024;
        for (QPointF point : onBoard) {
            const QPointF seen = shown.topLeft() + point * scale;
            const TPointF landed = BoardPointAt({1024, 768}, screen.window, seen);
            EXPECT_NEAR(landed.X, point.x(), 1e-3);
            EXPECT_NEAR(landed.Y, point.y(), 1e-3);
        }
    }
}

// The window never reaches past the screen's work area, whatever scale the
// desktop uses: Qt offers the area in device-independent pixels, rounded.
TEST(BoardViewTest, TheWindowFitsTheWorkAreaAtEveryScale) {
    const struct {
        const char* name;
        QSize devicePixels;
        double scale;
        QSize expectedWindow;
    } screens[] = {
        {"the board's own size", {1024, 768}, 1, {1024, 768}},
        {"a large screen", {1920, 1040}, 1, {1024, 768}},
        {"a laptop with a task bar", {1366, 728}, 1, {970, 728}},
        {"1024 pixels at 150 %", {1024, 768}, 1.5, {682, 511}},
        {"1280 x 800 at 125 %", {1280, 800}, 1.25, {852, 639}},
        {"a 4K screen at 200 %", {3840, 2120}, 2, {1024, 768}},
    };
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.name);
        const QSize offered = (QSizeF(screen.devicePixels) / screen.scale).toSize();
        const QSize window = FitWindow({1024, 768}, offered, screen.scale);
        EXPECT_EQ(window, screen.expectedWindow);
        EXPECT_LE(std::lround(window.width() * screen.scale), screen.devicePixels.width());
        EXPECT_LE(std::lround(window.height() * screen.scale), screen.devicePixels.height());
    }
}

// What the window passes on of the keyboard: the presenter's keys, once per
// press (a held key's repeats are not presses), and nothing else.
TEST(BoardViewTest, TheWindowPassesOnOnlyPresenterKeyPresses) {
    TForm form(nullptr);
    form.SetClientSize(1024, 768);
    std::vector<int> received;
    form.OnKeyDown = [&](TObject*, int& key) { received.push_back(key); };
    TFormHostWidget window(form);
    const auto press = [&](int qtKey, bool autoRepeat = false) {
        QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier, QString(), autoRepeat);
        QCoreApplication::sendEvent(&window, &event);
    };
    press(Qt::Key_PageDown);
    press(Qt::Key_PageDown, true);
    press(Qt::Key_Escape);
    press(Qt::Key_Q);
    press(Qt::Key_Enter);
    press(Qt::Key_Return);
    press(Qt::Key_Period);
    EXPECT_EQ(received, (std::vector<int>{vk::Next, vk::Return, vk::Return, vk::Period}));
    EXPECT_TRUE(form.Blanked()) << "the blank key reached the form";
}
