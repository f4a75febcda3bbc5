#include "ui/Image.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "ui/Color_qt.h"

struct TImage::Picture {
    QImage image;
    QImage fitted;  // the picture scaled once to the box it is shown in
};

TImage::TImage(TComponent* AOwner) : TControl(AOwner), picture_(std::make_unique<Picture>()) {}
TImage::~TImage() = default;

bool TImage::LoadFromResource(const UnicodeString& path) {
    const bool loaded = picture_->image.load(ToQString(path));
    picture_->fitted = QImage();  // scaled from the previous picture
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
    if (picture_->fitted.size() != size)
        picture_->fitted = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(target, picture_->fitted);
}
