#pragma once
// A plain face that holds controls; OnPaint draws over its children.

#include <functional>
#include <string>

#include "ui/Control.h"

class TCanvas;

using TOnPaintEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const TRectF& ARect)>;

class TPanel : public TControl {
public:
    explicit TPanel(TComponent* AOwner) : TControl(AOwner) {}

    // The look the panel takes: its face and border colours.
    std::string StyleLookup;
    TAlphaColor FaceColor = 0xFFF0F0F0;
    TAlphaColor BorderColor = 0xFFADADAD;

    TOnPaintEvent OnPaint;

protected:
    void Paint(QPainter& painter) override;
    void AfterPaintChildren(QPainter& painter) override;
};
