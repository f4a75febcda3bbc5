#pragma once
// A box filled with one colour and outlined with another.

#include "ui/Control.h"

struct TBrush {
    TAlphaColor Color = TAlphaColors::White;
};

struct TStroke {
    TAlphaColor Color = TAlphaColors::Black;
    float Thickness = 1;
    bool Visible = true;  // false: no outline at all
};

class TRectangle : public TControl {
public:
    explicit TRectangle(TComponent* AOwner) : TControl(AOwner) {}

    void SetFillColor(TAlphaColor color);
    void SetStrokeColor(TAlphaColor color);
    void SetStrokeVisible(bool visible);
    const TBrush& Fill() const { return fill_; }
    const TStroke& Stroke() const { return stroke_; }

protected:
    void Paint(QPainter& painter) override;

private:
    TBrush fill_;
    TStroke stroke_;
};
