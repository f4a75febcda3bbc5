#include "ui/Image.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/Color_qt.h"
#include "ui/PixelGrid_qt.h"
#include "ui/Text_qt.h"

namespace {
// A box larger than any screen is drawn directly rather than kept.
constexpr float kLargestKeptSide = 4096;
}  // namespace

struct TImage::Picture {
    QImage image;
    QImage fitted;  // the picture scaled once to the box it is shown in
    QImage drawn;   // the box as it looks with the fitted picture drawn in it
    QPainter::RenderHints drawnWith;
};

TImage::TImage(TComponent* AOwner) : TControl(AOwner), picture_(std::make_unique<Picture>()) {}
TImage::~TImage() = default;

bool TImage::LoadFromResource(const UnicodeString& path) {
    const bool loaded = picture_->image.load(ToQString(path));
    picture_->fitted = QImage();  // scaled from the previous picture
    picture_->drawn = QImage();
    ContentChanged();
    return loaded;
}

int TImage::BitmapWidth() const {
    return picture_->image.width();
}
int TImage::BitmapHeight() const {
    return picture_->image.height();
}

void TImage::Paint(QPainter& painter) {
    const QImage& image = picture_->image;
    if (image.isNull() || Width() <= 0 || Height() <= 0) return;
    const double scale = std::min(Width() / image.width(), Height() / image.height());
    const QSizeF fitted(image.width() * scale, image.height() * scale);
    const QRectF target(QPointF((Width() - fitted.width()) / 2, (Height() - fitted.height()) / 2), fitted);
    const QSize size = fitted.toSize();
    if (picture_->fitted.size() != size) {
        picture_->fitted = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture_->drawn = QImage();
    }
    // The fitted picture rarely lands on whole pixels, so drawing it resamples
    // it at every frame (and Qt wakes its thread pool for that). On the pixel
    // grid the result is the same each time: it is drawn once and kept.
    if (!ShiftsByWholePixels(painter) || !(Width() <= kLargestKeptSide && Height() <= kLargestKeptSide)) {
        painter.drawImage(target, picture_->fitted);
        return;
    }
    const QSize box(int(std::ceil(Width())), int(std::ceil(Height())));
    if (picture_->drawn.size() != box || picture_->drawnWith != painter.renderHints()) {
        picture_->drawn = QImage(box, QImage::Format_ARGB32_Premultiplied);
        picture_->drawn.fill(Qt::transparent);
        picture_->drawnWith = painter.renderHints();
        QPainter boxPainter(&picture_->drawn);
        boxPainter.setRenderHints(painter.renderHints());
        boxPainter.drawImage(target, picture_->fitted);
    }
    painter.drawImage(QPointF(0, 0), picture_->drawn);
}
