#pragma once
// A plain face that holds controls; OnPaint draws over its children.

#include <functional>
#include <string>

#include "ui/Control.h"
#include "ui/StyleBook.h"

class TCanvas;

using TOnPaintEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const TRectF& ARect)>;

class TPanel : public TControl {
public:
    explicit TPanel(TComponent* AOwner) : TControl(AOwner) {}

    // The panel's own face and border colours ...
    TAlphaColor FaceColor = 0xFFF0F0F0;
    TAlphaColor BorderColor = 0xFFADADAD;
    // ... unless this names a look in its window's style book.
    std::string StyleLookup;
    // The look the panel is drawn with.
    TPanelLook Look();

    TOnPaintEvent OnPaint;

protected:
    void Paint(QPainter& painter) override;
    void AfterPaintChildren(QPainter& painter) override;
};
