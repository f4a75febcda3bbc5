#include "ui/TextMeasure.h"

#include <QFontMetricsF>
#include <QImage>

#include "ui/Font_qt.h"
#include "ui/Text_qt.h"

namespace {
// A 96-dpi surface, the resolution the program's pixel sizes are given in.
const QImage& MeasuringSurface() {
    static const QImage surface = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(kDesignDotsPerMeter);
        image.setDotsPerMeterY(kDesignDotsPerMeter);
        return image;
    }();
    return surface;
}
}  // namespace

float TBitmapCanvas::TextWidth(const UnicodeString& text) const {
    if (!(Font.Size > 0)) return 0;
    const QFontMetricsF metrics(MakeFont(Font.Family, Font.Size, kDesignDpi), &MeasuringSurface());
    return float(metrics.horizontalAdvance(ToQString(text)));
}
