#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#if defined(TARNWICK_HAS_XCB)
#include <xcb/xcb.h>
#endif

#include "ui/ActiveWindow_qt.h"
#include "ui/Color_qt.h"
#include "ui/FormHost_qt.h"
#include "ui/Text_qt.h"

#ifdef Q_OS_WASM
#include <emscripten/html5.h>
#endif

namespace {

TMouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return TMouseButton::Left;
        case Qt::RightButton:
            return TMouseButton::Right;
        case Qt::MiddleButton:
            return TMouseButton::Middle;
        default:
            return TMouseButton::Other;
    }
}

// A web page has no desktop to place a window on: the window is the whole page, at whatever size the
// browser gives it, and the board is scaled to fit as in the full-screen view. F11 there is the browser's
// own full screen, which only changes that size.
#ifdef Q_OS_WASM
constexpr bool kWindowFillsThePage = true;

// The browser's window losing and regaining the focus, handed to the host through Qt's event loop.
template <bool kFocused>
EM_BOOL OnPageFocus(int, const EmscriptenFocusEvent*, void* host) {
    auto* widget = static_cast<TFormHostWidget*>(host);
    QMetaObject::invokeMethod(
        widget, [widget] { widget->PageFocusChanged(kFocused); }, Qt::QueuedConnection);
    return EM_FALSE;
}

void WatchPageFocus(TFormHostWidget* host) {
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, host, EM_FALSE,
                                 host ? OnPageFocus<false> : nullptr);
    emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, host, EM_FALSE,
                                  host ? OnPageFocus<true> : nullptr);
}
#else
constexpr bool kWindowFillsThePage = false;

void WatchPageFocus(TFormHostWidget*) {}
#endif

}  // namespace

QRectF FitBoard(QSizeF board, QSizeF window) {
    if (board.isEmpty() || window.isEmpty()) return QRectF(QPointF(0, 0), board);
    const double scale = std::min(window.width() / board.width(), window.height() / board.height());
    const QSizeF shown = board * scale;
    return QRectF(QPointF((window.width() - shown.width()) / 2, (window.height() - shown.height()) / 2),
                  shown);
}

TPointF BoardPointAt(QSizeF board, QSizeF window, QPointF windowPoint) {
    const QRectF shown = FitBoard(board, window);
    const double scale = board.width() > 0 ? shown.width() / board.width() : 1;
    return {float((windowPoint.x() - shown.left()) / scale), float((windowPoint.y() - shown.top()) / scale)};
}

int VirtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::Return;
        case Qt::Key_Space:
            return vk::Space;
        case Qt::Key_PageUp:
            return vk::Prior;
        case Qt::Key_PageDown:
            return vk::Next;
        case Qt::Key_Left:
            return vk::Left;
        case Qt::Key_Right:
            return vk::Right;
        case Qt::Key_B:
            return vk::B;
        case Qt::Key_Period:
            return vk::Period;
        case Qt::Key_F1:
            return vk::F1;
        case Qt::Key_F11:
            return vk::F11;
        default:
            return 0;
    }
}

bool IsModifierKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

TFormHostWidget::TFormHostWidget(TForm& form) : form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (form.BorderStyle == TFmxFormBorderStyle::None) setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(ToQString(form.Caption));
    if (!kWindowFillsThePage) setFixedSize(NormalWindowSize());
    form_.SetHost(this);
    WatchPageFocus(this);
}

TFormHostWidget::~TFormHostWidget() {
    WatchPageFocus(nullptr);
    form_.SetHost(nullptr);
}

QSize FitWindow(QSizeF board, QSize area, double devicePixelRatio) {
    // A fractional scale rounds the area to whole pixels, possibly upwards:
    // half a pixel less is all that is surely there.
    const double slack = devicePixelRatio == std::floor(devicePixelRatio) ? 0 : 0.5;
    const QSizeF usable(area.width() - slack, area.height() - slack);
    if (usable.width() >= board.width() && usable.height() >= board.height()) return board.toSize();
    const QSizeF fitted = FitBoard(board, usable).size();
    return QSize(int(std::floor(fitted.width())), int(std::floor(fitted.height())));
}

// The board's own size, or less where the screen's work area is smaller.
QSize TFormHostWidget::NormalWindowSize() const {
    const QSizeF board(form_.ClientWidth(), form_.ClientHeight());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return board.toSize();
    return FitWindow(board, screen->availableGeometry().size(), screen->devicePixelRatio());
}

void TFormHostWidget::ShowAsMainWindow() {
    if (kWindowFillsThePage)
        showFullScreen();
    else {
        CentreOnScreen();
        show();
    }
    // Without a window manager nobody activates a new window until it is clicked.
    activateWindow();
    raise();
}

void TFormHostWidget::CloseWindow() {
    if (closing_) return;
    closing_ = true;
    close();
}

void TFormHostWidget::ViewChanged() {
    if (kWindowFillsThePage) {
        // Nothing but the picture changes.
        update();
        return;
    }
    if (form_.FullScreen() && !isFullScreen()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // Without a window manager the full-screen request alone changes
        // nothing, so the window also covers the screen by itself.
        if (QScreen* screen = this->screen()) setGeometry(screen->geometry());
        showFullScreen();
    } else if (!form_.FullScreen() && isFullScreen()) {
        showNormal();
        setFixedSize(NormalWindowSize());
        CentreOnScreen();
    }
    update();
}

void TFormHostWidget::CentreOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        // QRect::center() rounds an even size down, a pixel off the middle.
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

QRectF TFormHostWidget::BoardRect() const {
    return FitBoard(QSizeF(form_.ClientWidth(), form_.ClientHeight()), QSizeF(size()));
}

TPointF TFormHostWidget::ToBoard(QPointF windowPoint) const {
    return BoardPointAt(QSizeF(form_.ClientWidth(), form_.ClientHeight()), QSizeF(size()), windowPoint);
}

void TFormHostWidget::PageFocusChanged(bool focused) {
    if (!focused) {
        pageLeft_ = true;
        return;
    }
    if (!pageLeft_) return;
    pageLeft_ = false;
    form_.Activate();
}

// The form's activation means the user came to the window: its first
// activation, and every return after activation went to another window. A
// change of view, or a window manager settling after one, is not a return.
bool TFormHostWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && AnotherWindowIsActive(*this)) returning_ = true;
    if (event->type() == QEvent::WindowActivate && returning_) {
        returning_ = false;
        form_.Activate();
    }
    return QWidget::event(event);
}

// On X11 another program can destroy the window under us; without it the
// lesson would run on unseen, so it ends as if closed.
bool TFormHostWidget::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
#if defined(TARNWICK_HAS_XCB)
    if (eventType == "xcb_generic_event_t") {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        // Closed once Qt has finished with this event, which still refers to the window.
        if ((event->response_type & ~0x80) == XCB_DESTROY_NOTIFY &&
            reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == xcb_window_t(winId()))
            QMetaObject::invokeMethod(
                this, [this] { form_.Close(); }, Qt::QueuedConnection);
    }
#endif
    return QWidget::nativeEvent(eventType, message, result);
}

void TFormHostWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF board = BoardRect();
    if (board.size() != QSizeF(size())) {
        painter.fillRect(rect(), Qt::black);
        // Controls that reach past the board's edges stay cut off, as in the window.
        painter.setClipRect(board);
    }
    // Painted through the scale, not stretched afterwards: text stays crisp at any size.
    painter.translate(board.topLeft());
    painter.scale(board.width() / form_.ClientWidth(), board.height() / form_.ClientHeight());
    form_.PaintWindow(painter);
}

void TFormHostWidget::mousePressEvent(QMouseEvent* event) {
    form_.PointerDown(ButtonOf(event->button()), ToBoard(event->position()));
}

void TFormHostWidget::mouseMoveEvent(QMouseEvent* event) {
    form_.PointerMove(ToBoard(event->position()));
}

void TFormHostWidget::mouseReleaseEvent(QMouseEvent* event) {
    form_.PointerUp(ButtonOf(event->button()), ToBoard(event->position()));
}

void TFormHostWidget::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKeyOf(event->key());
    // Any key takes the about text away, also one the program has no code for; a modifier alone
    // (as of Alt+Tab on the way to another window) does not.
    const bool takesAboutAway = form_.AboutShown() && !IsModifierKey(event->key());
    if ((key == 0 && !takesAboutAway) || event->isAutoRepeat()) {
        QWidget::keyPressEvent(event);
        return;
    }
    form_.KeyDown(key);
}

void TFormHostWidget::closeEvent(QCloseEvent* event) {
    closing_ = true;
    form_.Close();
    event->accept();
}
