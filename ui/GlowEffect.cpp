#include "ui/GlowEffect.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/Color_qt.h"
#include "ui/Control.h"

namespace {

// One horizontal or vertical pass of a running-sum box blur over an alpha plane.
void BoxBlurPass(std::vector<int>& plane, int width, int height, int radius, bool horizontal) {
    const int lines = horizontal ? height : width;
    const int length = horizontal ? width : height;
    const int step = horizontal ? 1 : width;
    std::vector<int> line(static_cast<std::size_t>(length));
    for (int l = 0; l < lines; ++l) {
        const int base = horizontal ? l * width : l;
        for (int i = 0; i < length; ++i) line[std::size_t(i)] = plane[std::size_t(base + i * step)];
        int sum = 0;
        for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < length) ? line[std::size_t(i)] : 0;
        for (int i = 0; i < length; ++i) {
            plane[std::size_t(base + i * step)] = sum / (2 * radius + 1);
            const int out = i - radius, in = i + radius + 1;
            if (out >= 0) sum -= line[std::size_t(out)];
            if (in < length) sum += line[std::size_t(in)];
        }
    }
}

}  // namespace

struct TGlowEffect::HaloCache {
    QImage image;
    int padding = 0;
    std::uint64_t contentVersion = ~0ull;
    TAlphaColor color = 0;
    float softness = -1;
};

TGlowEffect::TGlowEffect(TComponent* AOwner) : TFmxObject(AOwner) {}
TGlowEffect::~TGlowEffect() = default;

void TGlowEffect::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Repaint();
}

void TGlowEffect::PaintHalo(QPainter& painter, TControl& control) {
    // Checked as floats first: a size beyond an int's range must not reach the conversion.
    constexpr float kLargestHalo = 4096;
    if (!(control.Width() > 0 && control.Width() <= kLargestHalo && control.Height() > 0 &&
          control.Height() <= kLargestHalo))
        return;
    const int w = int(std::ceil(control.Width())), h = int(std::ceil(control.Height()));
    if (!cache_) cache_ = std::make_unique<HaloCache>();
    HaloCache& c = *cache_;
    const float softness = std::clamp(Softness, 0.0f, 1.0f);
    if (c.contentVersion != control.ContentVersion() || c.color != GlowColor || c.softness != softness ||
        c.image.isNull()) {
        const int radius = std::max(2, int(softness * 16));
        c.padding = 2 * radius;
        QImage face(w + 2 * c.padding, h + 2 * c.padding, QImage::Format_ARGB32_Premultiplied);
        face.fill(Qt::transparent);
        {
            QPainter p(&face);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.translate(c.padding, c.padding);
            control.PaintFace(p);
        }
        const int iw = face.width(), ih = face.height();
        std::vector<int> alpha(std::size_t(iw) * std::size_t(ih));
        for (int y = 0; y < ih; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(face.constScanLine(y));
            for (int x = 0; x < iw; ++x) alpha[std::size_t(y * iw + x)] = qAlpha(row[x]);
        }
        for (int pass = 0; pass < 3; ++pass) {
            BoxBlurPass(alpha, iw, ih, radius / 2 + 1, true);
            BoxBlurPass(alpha, iw, ih, radius / 2 + 1, false);
        }
        const QColor glow = ToQColor(GlowColor);
        c.image = QImage(iw, ih, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < ih; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(c.image.scanLine(y));
            for (int x = 0; x < iw; ++x) {
                // Spread the blurred coverage so that thin strokes still glow visibly.
                const int a = std::min(255, alpha[std::size_t(y * iw + x)] * 3) * glow.alpha() / 255;
                row[x] = qPremultiply(qRgba(glow.red(), glow.green(), glow.blue(), a));
            }
        }
        c.contentVersion = control.ContentVersion();
        c.color = GlowColor;
        c.softness = softness;
    }
    painter.save();
    painter.setOpacity(painter.opacity() * std::clamp(Opacity, 0.0f, 1.0f));
    painter.drawImage(QPointF(-c.padding, -c.padding), c.image);
    painter.restore();
}
