#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/EndScreen_qt.h"
#include "ui/Font_qt.h"
#include "ui/FormHost_qt.h"

namespace {
// Laid out on a board of the lesson's size, scaled to the screen as the lesson is.
constexpr QSizeF kBoard(1024, 768);
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kLightBlue = 0xFFADD8E6;
}  // namespace

TEndScreenWidget::TEndScreenWidget(std::function<void()> startAgain) : startAgain_(std::move(startAgain)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setWindowFlag(Qt::FramelessWindowHint);
}

void TEndScreenWidget::ShowInPlaceOfTheLesson() {
    showFullScreen();
    activateWindow();
    setFocus();
}

void TEndScreenWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect(), QColor::fromRgba(kNavy));
    const QRectF board = FitBoard(kBoard, QSizeF(size()));
    painter.translate(board.topLeft());
    painter.scale(board.width() / kBoard.width(), board.height() / kBoard.height());
    painter.setFont(MakeFont(u"DFKai-SB", 96, logicalDpiY()));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 220, kBoard.width(), 160), Qt::AlignCenter, QStringLiteral("結束"));
    painter.setFont(MakeFont(u"DFKai-SB", 32, logicalDpiY()));
    painter.setPen(QColor::fromRgba(kLightBlue));
    painter.drawText(QRectF(0, 440, kBoard.width(), 60), Qt::AlignCenter, QStringLiteral("按一下，重新開始"));
}

void TEndScreenWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    StartAgain();
}

// A presenter's forward key, as on the board; other keys (the browser's own F11, say) do nothing here.
void TEndScreenWidget::keyPressEvent(QKeyEvent* event) {
    switch (VirtualKeyOf(event->key())) {
        case vk::Next:
        case vk::Right:
        case vk::Space:
        case vk::Return:
            if (!event->isAutoRepeat()) StartAgain();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TEndScreenWidget::StartAgain() {
    if (asked_) return;
    asked_ = true;
    if (startAgain_) startAgain_();
}
