#pragma once
// Shows a form in a real window: paints its control tree and turns mouse,
// key and activation events into the form's own events. The board is drawn
// scaled to fit the window (full screen, or a screen smaller than the board),
// uniformly and centred on black, at the device's full resolution.

#include <QWidget>

#include "ui/Form.h"

class TFormHostWidget final : public QWidget, public TFormHost {
public:
    explicit TFormHostWidget(TForm& form);
    ~TFormHostWidget() override;

    // Shows the window as the main window: centred in the screen's work area
    // (scaled down if the board does not fit there) and asked to become
    // active, as a desktop's window manager would do.
    void ShowAsMainWindow();

    void RequestRepaint() override { update(); }
    void CloseWindow() override;
    void ViewChanged() override;

    // The page showing this window lost or regained the browser's focus (in a
    // web build, where Qt reports no activation for it): a return after a
    // loss is the user coming back from another window, and activates the
    // form as a desktop window's activation does.
    void PageFocusChanged(bool focused);

    // Where the board stands in the window, and the reverse mapping of a click.
    QRectF BoardRect() const;
    TPointF ToBoard(QPointF windowPoint) const;

protected:
    bool event(QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QSize NormalWindowSize() const;
    void CentreOnScreen();

    TForm& form_;
    bool closing_ = false;
    // Whether the next activation is the user coming (back) to the window.
    bool returning_ = true;
    // Whether the page lost the browser's focus since it last had it (web builds).
    bool pageLeft_ = false;
};

// Where a board of `board` size stands, scaled uniformly and centred, in a window of `window` size.
QRectF FitBoard(QSizeF board, QSizeF window);
// The window's size for the board on a screen whose work area is `area` (in Qt's device-independent
// pixels at `devicePixelRatio`): the board's own size, or shrunk to fit, never beyond the area.
QSize FitWindow(QSizeF board, QSize area, double devicePixelRatio);
// The board's own coordinates of a point in such a window: where a click lands.
TPointF BoardPointAt(QSizeF board, QSizeF window, QPointF windowPoint);
// The virtual key code for a Qt key, or 0 for keys the program does not use.
int VirtualKeyOf(int qtKey);
// Whether a Qt key is a modifier or lock key, pressed alone.
bool IsModifierKey(int qtKey);
