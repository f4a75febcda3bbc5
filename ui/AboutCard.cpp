#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include "ui/AboutCard_qt.h"
#include "ui/Font_qt.h"
#include "ui/Text_qt.h"

namespace {

constexpr const char16_t* kFamily = u"DFKai-SB";
constexpr float kHeadingSizePx = 34;
constexpr float kBodySizePx = 22;
constexpr double kTextWidth = 700;
constexpr double kPadding = 36;
constexpr double kLineGap = 10;
constexpr double kCornerRadius = 14;
constexpr QColor kDimming(0, 0, 0, 110);
constexpr QColor kShadow(0, 0, 0, 70);
constexpr TAlphaColor kFrame = TAlphaColors::Navy;

}  // namespace

void TAboutCard::Layout(const UnicodeString& text, int dpi) {
    headingFont_ = MakeFont(kFamily, kHeadingSizePx, dpi);
    bodyFont_ = MakeFont(kFamily, kBodySizePx, dpi);
    lines_.clear();
    textSize_ = QSizeF(kTextWidth, 0);
    const QStringList paragraphs = ToQString(text).split('\n');
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        Line line{QStaticText(paragraphs[i]), i == 0};
        line.text.setTextFormat(Qt::PlainText);
        line.text.setTextWidth(kTextWidth);
        line.text.prepare(QTransform(), line.heading ? headingFont_ : bodyFont_);
        textSize_.rheight() += line.text.size().height() + (i > 0 ? kLineGap : 0);
        lines_.push_back(std::move(line));
    }
    laidOutText_ = text;
    laidOutDpi_ = dpi;
}

void TAboutCard::Paint(QPainter& painter, QSizeF board, const UnicodeString& text) {
    const int dpi = LogicalDpiOf(painter);
    if (text != laidOutText_ || dpi != laidOutDpi_) Layout(text, dpi);

    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), board), kDimming);
    const QSizeF cardSize = textSize_ + QSizeF(2 * kPadding, 2 * kPadding);
    const QRectF card(
        QPointF((board.width() - cardSize.width()) / 2, (board.height() - cardSize.height()) / 2), cardSize);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kShadow);
    painter.drawRoundedRect(card.translated(6, 8), kCornerRadius, kCornerRadius);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(ToQColor(kFrame), 3));
    painter.drawRoundedRect(card, kCornerRadius, kCornerRadius);

    painter.setPen(ToQColor(kFrame));
    QPointF at = card.topLeft() + QPointF(kPadding, kPadding);
    for (const Line& line : lines_) {
        painter.setFont(line.heading ? headingFont_ : bodyFont_);
        painter.drawStaticText(at, line.text);
        at.ry() += line.text.size().height() + kLineGap;
    }
    painter.restore();
}
