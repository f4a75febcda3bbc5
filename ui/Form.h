#pragma once
// A window: the root of a tree of controls, shown by a host (a real window,
// or nothing at all in the scene tool and tests).

#include "ui/Control.h"

enum class TFmxFormBorderStyle { None, Single, Sizeable };
enum class TFormPosition { Designed, MainFormCenter, ScreenCenter };

// What shows a form on screen. Implemented below the ui layer's surface.
class TFormHost {
  public:
    virtual ~TFormHost() = default;
    virtual void RequestRepaint() = 0;
    virtual void CloseWindow() = 0;
};

class TForm : public TControl {
  public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    UnicodeString Caption;
    TFmxFormBorderStyle BorderStyle = TFmxFormBorderStyle::Sizeable;
    TFormPosition Position = TFormPosition::Designed;
    TAlphaColor Fill = TAlphaColors::White;

    float ClientWidth() const { return Width(); }
    float ClientHeight() const { return Height(); }
    void SetClientSize(float w, float h) { SetSize(w, h); }

    // Runs every time the window becomes the active window.
    TNotifyEvent OnActivate;
    void Activate();

    // Closing the main form ends the application.
    void Close();
    bool Closed() const { return closed_; }

    // Paired around batches of drawing; nothing visible depends on them.
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate() {
        if (updateDepth_ > 0) --updateDepth_;
    }

    void SetHost(TFormHost* host) { host_ = host; }
    TFormHost* Host() const { return host_; }

    void Repaint() override;
    // Set by every change that shows; cleared by whoever paints the form.
    bool NeedsRepaint() const { return needsRepaint_; }
    void MarkPainted() { needsRepaint_ = false; }

    // Paints the whole window with its painter at the window's origin.
    void PaintWindow(QPainter& painter);

  private:
    TFormHost* host_ = nullptr;
    bool closed_ = false;
    bool needsRepaint_ = true;
    int updateDepth_ = 0;
};
