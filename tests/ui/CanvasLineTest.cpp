// A line on a panel's canvas looks like a flat-capped stroke of it: filled as
// the box it covers where that is the same picture within rounding (the board
// at its own size), stroked wherever else.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "ui/Canvas.h"

namespace {

constexpr TAlphaColor kSkyBlue = TAlphaColors::Skyblue;

struct LineCase {
    const char* name;
    TPointF from, to;
    float thickness;
    QTransform placement;  // where the canvas stands on the image
    int tolerance;         // largest difference of any channel
};

QImage Painted(const std::function<void(QPainter&)>& paint, const QTransform& placement) {
    QImage image(120, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(placement);
    paint(painter);
    return image;
}

int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

class CanvasLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CanvasLineTest, LooksLikeAFlatCappedStroke) {
    const LineCase& c = GetParam();
    const QImage drawn = Painted(
        [&](QPainter& painter) {
            TCanvas canvas(painter);
            canvas.Stroke.Color = kSkyBlue;
            canvas.Stroke.Thickness = c.thickness;
            canvas.DrawLine(c.from, c.to, 1);
        },
        c.placement);
    const QImage stroked = Painted(
        [&](QPainter& painter) {
            painter.setPen(QPen(QColor::fromRgba(kSkyBlue), c.thickness, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(c.from.X, c.from.Y), QPointF(c.to.X, c.to.Y));
        },
        c.placement);
    ASSERT_NE(drawn, Painted([](QPainter&) {}, c.placement)) << "the line was drawn at all";
    EXPECT_LE(LargestDifference(drawn, stroked), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CanvasLineTest,
    ::testing::Values(
        LineCase{"ThinVerticalGridLine", {44, 0}, {44, 100}, 0.4f, QTransform::fromTranslate(12, 6), 2},
        LineCase{"HeavierVerticalGridLine", {88, 0}, {88, 100}, 0.6f, QTransform::fromTranslate(12, 6), 2},
        LineCase{"HorizontalGridLine", {0, 44}, {100, 44}, 0.4f, QTransform::fromTranslate(12, 6), 2},
        LineCase{"LineDrawnRightToLeft", {100, 30}, {5, 30}, 1, QTransform(), 2},
        LineCase{"ThickLine", {10, 60.5f}, {90, 60.5f}, 3, QTransform(), 2},
        // Off the pixel grid the two differ by more than rounding, so these stay strokes.
        LineCase{"LineOnAScaledBoard", {44, 0}, {44, 70}, 0.6f, QTransform::fromScale(1.5, 1.5), 0},
        LineCase{"LineHalfAPixelOff", {44, 0}, {44, 100}, 0.4f, QTransform::fromTranslate(12.5, 6), 0},
        LineCase{"SlantedLine", {0, 0}, {100, 90}, 0.6f, QTransform(), 0}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

}  // namespace
