#pragma once
// A push button drawn in the platform's style; OnClick only while visible.

#include "ui/Label.h"

class TButton : public TControl {
public:
    explicit TButton(TComponent* AOwner) : TControl(AOwner) {}

    const UnicodeString& Text() const { return text_; }
    void SetText(const UnicodeString& text);
    // The button's own family and size; colour and style come from the style.
    const TFont& Font() const { return font_; }
    void SetFontFamily(const UnicodeString& family);
    void SetFontSize(float size);

    TNotifyEvent OnClick;

    // A click as the user makes it: nothing happens while the button, or
    // anything it is shown in, is hidden.
    void Click();

    void MouseDown(TPointF) override;
    void MouseUp(TPointF local) override;
    void MouseCancel() override;

protected:
    void Paint(QPainter& painter) override;

private:
    bool ShownOnScreen() const;

    UnicodeString text_;
    TFont font_;
    bool down_ = false;
};
