#pragma once
// A window: the root of a tree of controls, shown by a host (a real window,
// or nothing at all in the scene tool and tests).

#include <memory>

#include "ui/Control.h"

class TAboutCard;
class TStyleBook;

enum class TFmxFormBorderStyle { None, Single, Sizeable };

// What shows a form on screen. Implemented below the ui layer's surface.
class TFormHost {
public:
    virtual ~TFormHost() = default;
    virtual void RequestRepaint() = 0;
    virtual void CloseWindow() = 0;
    // The form's view changed (full screen, blank): show it as the form says.
    virtual void ViewChanged() {}
};

// Virtual key codes of the keys the program listens to.
namespace vk {
constexpr int Return = 0x0D;
constexpr int Space = 0x20;
constexpr int Prior = 0x21;  // Page Up
constexpr int Next = 0x22;   // Page Down
constexpr int Left = 0x25;
constexpr int Right = 0x27;
constexpr int B = 0x42;
constexpr int Period = 0xBE;
constexpr int F1 = 0x70;
constexpr int F11 = 0x7A;
}  // namespace vk

// Which mouse button a press comes from.
enum class TMouseButton { Left, Right, Middle, Other };

// A key handler sets Key to 0 when it has dealt with the key.
using TKeyEvent = std::function<void(TObject* Sender, int& Key)>;

class TForm : public TControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    UnicodeString Caption;
    TFmxFormBorderStyle BorderStyle = TFmxFormBorderStyle::Sizeable;
    TAlphaColor Fill = TAlphaColors::White;
    // Where the window's controls look up the styles they name.
    TWeak<TStyleBook> StyleBook;

    float ClientWidth() const { return Width(); }
    float ClientHeight() const { return Height(); }
    void SetClientSize(float w, float h) { SetSize(w, h); }

    // Runs every time the window becomes the active window.
    TNotifyEvent OnActivate;
    void Activate();

    // A key pressed while the window is active. The form's OnKeyDown comes
    // first; a key it leaves alone may then change the view: F11 toggles the
    // full-screen view, "." and B blank the whole view and bring it back, F1
    // shows the about text. While the about text shows, any key (0 for one
    // without a code) only takes it away.
    TKeyEvent OnKeyDown;
    void KeyDown(int key);

    // Pointer input from the host, in the board's own coordinates. Only the
    // primary button acts; while the view is blanked a press acts on nothing
    // (a presenter's pause is safe to click through), and while the about
    // text shows a press only takes it away.
    void PointerDown(TMouseButton button, TPointF at);
    void PointerMove(TPointF at);
    void PointerUp(TMouseButton button, TPointF at);

    // How the window is shown; neither changes what the form itself does.
    bool FullScreen() const { return fullScreen_; }
    void SetFullScreen(bool fullScreen);
    bool Blanked() const { return blanked_; }
    void SetBlanked(bool blanked);

    // What the program says about itself, shown over the board while the lesson
    // goes on underneath; the first line is its heading.
    UnicodeString AboutText;
    bool AboutShown() const { return aboutShown_; }
    void SetAboutShown(bool shown);

    // Closing the main form ends the application.
    void Close();
    bool Closed() const { return closed_; }

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
    // The control a primary press landed on, until the button is released.
    TWeak<TControl> pressed_;
    bool closed_ = false;
    bool fullScreen_ = false;
    bool blanked_ = false;
    bool aboutShown_ = false;
    std::unique_ptr<TAboutCard> aboutCard_;
    bool needsRepaint_ = true;
};
