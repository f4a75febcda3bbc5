#pragma once
// Shows a form in a real window: paints its control tree and turns mouse
// and activation events into the form's own events.

#include <QWidget>

#include "ui/Form.h"

class TFormHostWidget final : public QWidget, public TFormHost {
  public:
    explicit TFormHostWidget(TForm& form);
    ~TFormHostWidget() override;

    // Shows the window as the main window: centred in the screen's work area
    // and asked to become active, as a desktop's window manager would do.
    void ShowAsMainWindow();

    void RequestRepaint() override { update(); }
    void CloseWindow() override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    TForm& form_;
    TWeak<TControl> pressed_;
    bool closing_ = false;
};
