// The board scaled into a window of another size: where it stands, and where
// a click on the screen lands on it.
#include <gtest/gtest.h>

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

TEST(BoardViewTest, OnlyThePresenterKeysHaveCodes) {
    EXPECT_EQ(VirtualKeyOf(Qt::Key_PageDown), vk::Next);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Enter), vk::Return);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Return), vk::Return);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F11), vk::F11);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F1), vk::F1);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Escape), 0);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Q), 0);
}

TEST(BoardViewTest, AModifierAloneIsNoKeyThatTakesTheAboutTextAway) {
    for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta})
        EXPECT_TRUE(IsModifierKey(key));
    for (int key : {Qt::Key_Escape, Qt::Key_Q, Qt::Key_PageDown}) EXPECT_FALSE(IsModifierKey(key));
}
