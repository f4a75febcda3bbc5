// What the class sees of the empty lesson window: the navy title band and the
// sky-blue grid that the drawing panel paints over its labels.
#include <QGuiApplication>
#include <QImage>
#include <vector>

#include "tests/support/LessonFixture.h"
#include "ui/Render_qt.h"

namespace {

constexpr int kPanelLeft = 12, kPanelTop = 136;
constexpr int kPanelWidth = 997, kPanelHeight = 465;

// How far a pixel is from white: the grid's faint lines show mostly in red.
int Ink(QRgb pixel) {
    return 255 - qRed(pixel);
}

// The runs of inked pixels along one row or column of the panel's inside
// (its border excluded), each as its first offset and total ink.
struct InkRun {
    int first;
    int ink;
};

template <class PixelAt>
std::vector<InkRun> InkRuns(int length, PixelAt pixelAt) {
    std::vector<InkRun> runs;
    bool inRun = false;
    for (int i = 1; i < length - 1; ++i) {
        const int ink = Ink(pixelAt(i));
        if (ink == 0) {
            inRun = false;
            continue;
        }
        if (!inRun) runs.push_back({i, 0});
        runs.back().ink += ink;
        inRun = true;
    }
    return runs;
}

class LessonWindowPaintTest : public LessonTest {
protected:
    void SetUp() override {
        LessonTest::SetUp();
        lesson().Activate();  // BoxSize 44, an empty panel
        image = RenderForm(lesson());
    }
    QRgb PanelPixel(int x, int y) const { return image.pixel(kPanelLeft + x, kPanelTop + y); }

    QImage image;
};

TEST_F(LessonWindowPaintTest, TitleBandIsNavyBesideTheBanner) {
    for (int y = 1; y < 49; ++y)
        for (int x = 700; x < 896; ++x) ASSERT_EQ(image.pixel(x, y), 0xFF000080u) << "at " << x << ", " << y;
}

// The edge lines and the white background keep the default outline, one black
// pixel inside each box; only the title band's own background has none.
TEST_F(LessonWindowPaintTest, EdgeRectanglesWearTheDefaultOutline) {
    struct Pixel {
        const char* where;
        int x, y;
        QRgb colour;
    };
    const Pixel pixels[] = {
        {"left edge line", 0, 400, 0xFF000000},
        {"right edge line", 1023, 400, 0xFF000000},
        {"top edge line", 500, 0, 0xFF000000},
        {"bottom edge line", 500, 767, 0xFF000000},
        {"background's outline under the title band", 700, 49, 0xFF000000},
        {"background's outline beside the left edge", 1, 400, 0xFF000000},
        {"background's outline beside the right edge", 1022, 400, 0xFF000000},
        {"background's outline above the bottom edge", 500, 766, 0xFF000000},
        {"background inside its outline", 700, 50, 0xFFFFFFFF},
        {"title band without an outline", 450, 1, 0xFF000080},
    };
    for (const Pixel& pixel : pixels) EXPECT_EQ(image.pixel(pixel.x, pixel.y), pixel.colour) << pixel.where;
}

TEST_F(LessonWindowPaintTest, PanelShowsTwentyThreeColumnsWithTheThirdHeavier) {
    const auto runs =
        InkRuns(kPanelWidth, [&](int x) { return PanelPixel(x, BoxSize / 2); });  // between two rows
    // The line at x = 0 lies on the panel's border; the other 22 stand alone.
    ASSERT_EQ(runs.size(), 22u);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const int lineX = int(i + 1) * 44;
        EXPECT_LE(runs[i].first, lineX) << "line " << i + 1;
        EXPECT_GE(runs[i].first, lineX - 1) << "line " << i + 1;
        const QRgb pixel = PanelPixel(runs[i].first, BoxSize / 2);
        EXPECT_TRUE(qRed(pixel) < qGreen(pixel) && qGreen(pixel) < qBlue(pixel))
            << "sky blue, line " << i + 1;
        if (lineX != 88) {
            EXPECT_LT(runs[i].ink, runs[1].ink) << "the line at 88 is the heaviest, not " << lineX;
        }
    }
    EXPECT_EQ(runs[1].first + kPanelLeft, 12 + 88 - 1) << "the heavier line sits at window x = 100";
}

TEST_F(LessonWindowPaintTest, PanelShowsElevenRowsOfEqualWeight) {
    const auto runs = InkRuns(kPanelHeight, [&](int y) { return PanelPixel(BoxSize / 2, y); });
    // Rows at 44 … 440; the one at 0 lies on the border.
    ASSERT_EQ(runs.size(), 10u);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const int lineY = int(i + 1) * 44;
        EXPECT_GE(runs[i].first, lineY - 1) << "row " << i + 1;
        EXPECT_LE(runs[i].first, lineY) << "row " << i + 1;
        EXPECT_EQ(runs[i].ink, runs[0].ink) << "row " << i + 1;
    }
}

}  // namespace

namespace {

using BoardDirectionTest = LessonTest;

// The board is a fixed layout: a right-to-left locale or Qt's -reverse must
// not mirror the sliders while their mouse mapping stays left to right.
TEST_F(BoardDirectionTest, StaysLeftToRightInARightToLeftLocale) {
    const auto render = [this] {
        RandSeed(7);
        lesson().Activate();
        return RenderForm(lesson());
    };
    const QImage leftToRight = render();
    session.reset();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    session = std::make_unique<TLessonSession>();
    const QImage underRightToLeft = render();
    const Qt::LayoutDirection kept = QGuiApplication::layoutDirection();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(kept, Qt::LeftToRight);
    EXPECT_TRUE(underRightToLeft == leftToRight) << "the window is drawn the same";
}

}  // namespace
