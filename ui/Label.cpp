#include "ui/Label.h"

#include <QPainter>
#include <QStaticText>
#include <cmath>

#include "ui/Font_qt.h"
#include "ui/Fonts.h"
#include "ui/Text_qt.h"

// The text laid out once and reused until text, font or dpi change.
struct TLabel::TextLayoutCache {
    QStaticText text;
    QFont font;
    int dpi = 0;
    bool valid = false;
};

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner), layout_(std::make_unique<TextLayoutCache>()) {}
TLabel::~TLabel() = default;

void TLabel::TextChanged() {
    layout_->valid = false;
    ContentChanged();
}

void TLabel::SetText(const UnicodeString& text) {
    if (text == text_) return;
    text_ = text;
    TextChanged();
}

void TLabel::SetStyledSettings(TStyledSettings settings) {
    if (settings == styled_) return;
    styled_ = settings;
    TextChanged();
}

void TLabel::SetFontFamily(const UnicodeString& family) {
    if (family == font_.Family) return;
    font_.Family = family;
    TextChanged();
}

void TLabel::SetFontSize(float size) {
    if (size == font_.Size) return;
    font_.Size = size;
    TextChanged();
}

void TLabel::SetFontColor(TAlphaColor color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    ContentChanged();
}

void TLabel::SetHorzAlign(TTextAlign align) {
    if (align == horzAlign_) return;
    horzAlign_ = align;
    ContentChanged();
}

void TLabel::SetVertAlign(TTextAlign align) {
    if (align == vertAlign_) return;
    vertAlign_ = align;
    ContentChanged();
}

UnicodeString TLabel::EffectiveFamily() const {
    return (styled_ & StyledSet(TStyledSetting::Family)) || font_.Family.empty() ? DefaultUiFamily()
                                                                                 : font_.Family;
}

float TLabel::EffectiveFontSize() const {
    return (styled_ & StyledSet(TStyledSetting::Size)) ? 12.0f : font_.Size;
}

TAlphaColor TLabel::EffectiveFontColor() const {
    return (styled_ & StyledSet(TStyledSetting::FontColor)) ? TAlphaColors::Black : fontColor_;
}

TFloatPropertyAccess TLabel::FindFloatProperty(std::string_view path) {
    if (path == "Font.Size")
        return {[](TControl& c) { return static_cast<TLabel&>(c).Font().Size; },
                [](TControl& c, float v) { static_cast<TLabel&>(c).SetFontSize(v); }};
    return TControl::FindFloatProperty(path);
}

double AlignedOffset(TTextAlign align, double box, double content) {
    switch (align) {
        case TTextAlign::Leading:
            return 0;
        case TTextAlign::Trailing:
            return box - content;
        case TTextAlign::Center:
            break;
    }
    return (box - content) / 2;
}

void TLabel::Paint(QPainter& painter) {
    if (text_.empty()) return;
    const float size = EffectiveFontSize();
    if (!(size > 0) || !std::isfinite(size)) return;
    const int dpi = LogicalDpiOf(painter);
    TextLayoutCache& cache = *layout_;
    if (!cache.valid || cache.dpi != dpi) {
        cache.font = MakeFont(EffectiveFamily(), size, dpi);
        cache.text = QStaticText(ToQString(text_));
        cache.text.setTextFormat(Qt::PlainText);
        cache.text.prepare(QTransform(), cache.font);
        cache.dpi = dpi;
        cache.valid = true;
    }
    const QSizeF content = cache.text.size();
    const double x = AlignedOffset(horzAlign_, Width(), content.width());
    const double y = AlignedOffset(vertAlign_, Height(), content.height());
    // Setting a font resolves it anew even when it is the one already set.
    if (painter.font() != cache.font) painter.setFont(cache.font);
    painter.setPen(ToQColor(EffectiveFontColor()));
    painter.drawStaticText(QPointF(x, y), cache.text);
}
