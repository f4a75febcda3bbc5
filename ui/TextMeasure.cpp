#include "ui/TextMeasure.h"

#include <QFontMetricsF>
#include <QImage>

#include "ui/Font_qt.h"

namespace {
// A 96-dpi surface, the resolution the program's pixel sizes are given in.
const QImage& MeasuringSurface() {
    static const QImage surface = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return surface;
}
}  // namespace

float TBitmapCanvas::TextWidth(const UnicodeString& text) const {
    if (!(Font.Size > 0)) return 0;
    const QFontMetricsF metrics(MakeFont(Font.Family, Font.Size, 96), &MeasuringSurface());
    return float(metrics.horizontalAdvance(ToQString(text)));
}
