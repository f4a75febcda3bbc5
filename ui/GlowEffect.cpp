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

namespace {

// The control's face drawn alone, with room around it for the halo to spread.
QImage FaceWithMargin(TControl& control, int width, int height, int margin) {
    QImage face(width + 2 * margin, height + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(margin, margin);
    control.PaintFace(painter);
    return face;
}

// The face's coverage, blurred three times each way: a soft version of its shape.
std::vector<int> BlurredCoverage(const QImage& face, int radius) {
    const int w = face.width(), h = face.height();
    std::vector<int> alpha(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(face.constScanLine(y));
        for (int x = 0; x < w; ++x) alpha[std::size_t(y * w + x)] = qAlpha(row[x]);
    }
    for (int pass = 0; pass < 3; ++pass) {
        BoxBlurPass(alpha, w, h, radius / 2 + 1, true);
        BoxBlurPass(alpha, w, h, radius / 2 + 1, false);
    }
    return alpha;
}

// The coverage in the glow's colour, spread so that thin strokes still glow visibly.
QImage TintedHalo(const std::vector<int>& coverage, int width, int height, TAlphaColor colour) {
    const QColor glow = ToQColor(colour);
    QImage halo(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(halo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int a = std::min(255, coverage[std::size_t(y * width + x)] * 3) * glow.alpha() / 255;
            row[x] = qPremultiply(qRgba(glow.red(), glow.green(), glow.blue(), a));
        }
    }
    return halo;
}

}  // namespace

void TGlowEffect::RenderHalo(TControl& control, int width, int height, float softness) {
    HaloCache& c = *cache_;
    const int radius = std::max(2, int(softness * 16));
    c.padding = 2 * radius;
    const QImage face = FaceWithMargin(control, width, height, c.padding);
    c.image = TintedHalo(BlurredCoverage(face, radius), face.width(), face.height(), GlowColor);
    c.contentVersion = control.ContentVersion();
    c.color = GlowColor;
    c.softness = softness;
}

void TGlowEffect::PaintHalo(QPainter& painter, TControl& control) {
    // Checked as floats first: a size beyond an int's range must not reach the conversion.
    constexpr float kLargestHalo = 4096;
    if (!(control.Width() > 0 && control.Width() <= kLargestHalo && control.Height() > 0 &&
          control.Height() <= kLargestHalo))
        return;
    if (!cache_) cache_ = std::make_unique<HaloCache>();
    const HaloCache& c = *cache_;
    const float softness = std::clamp(Softness, 0.0f, 1.0f);
    // Rendered again only when the face, the colour or the softness changed.
    if (c.contentVersion != control.ContentVersion() || c.color != GlowColor || c.softness != softness ||
        c.image.isNull())
        RenderHalo(control, int(std::ceil(control.Width())), int(std::ceil(control.Height())), softness);
    painter.save();
    painter.setOpacity(painter.opacity() * std::clamp(Opacity, 0.0f, 1.0f));
    painter.drawImage(QPointF(-c.padding, -c.padding), c.image);
    painter.restore();
}
