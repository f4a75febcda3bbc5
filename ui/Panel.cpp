#include "ui/Panel.h"

#include <QPainter>
#include <cmath>

#include "ui/Canvas.h"
#include "ui/Color_qt.h"
#include "ui/Form.h"
#include "ui/PixelGrid_qt.h"

TPanelLook TPanel::Look() {
    const TForm* form = StyleLookup.empty() ? nullptr : ParentForm();
    const TStyleBook* book = form ? form->StyleBook.get() : nullptr;
    if (const TPanelLook* styled = book ? book->FindStyle(StyleLookup) : nullptr) return *styled;
    return {FaceColor, BorderColor};
}

void TPanel::Paint(QPainter& painter) {
    const QRectF box(0, 0, Width(), Height());
    const TPanelLook look = Look();
    painter.fillRect(box, ToQColor(look.face));
    if (FillOnePixelOutline(painter, box, ToQColor(look.border))) return;
    painter.setPen(QPen(ToQColor(look.border), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}

void TPanel::AfterPaintChildren(QPainter& painter) {
    if (!OnPaint) return;
    painter.save();
    TCanvas canvas(painter);
    OnPaint(this, canvas, TRectF{0, 0, Width(), Height()});
    painter.restore();
}
