#pragma once
// What a panel's OnPaint handler draws with. Wraps the painter that is
// drawing the window at that moment.

#include "ui/Types.h"

class QPainter;

struct TStrokeBrush {
    TAlphaColor Color = TAlphaColors::Black;
    float Thickness = 1;
};

class TCanvas {
public:
    explicit TCanvas(QPainter& painter) : painter_(painter) {}

    TStrokeBrush Stroke;

    // Strokes a line in Stroke's colour and thickness.
    void DrawLine(TPointF from, TPointF to, float AOpacity);

private:
    QPainter& painter_;
};
