#include "ui/Panel.h"

#include <QPainter>
#include <cmath>

#include "ui/Canvas.h"
#include "ui/Color_qt.h"
#include "ui/Form.h"
#include "ui/PixelGrid_qt.h"

namespace {

// The one-pixel border as the four strips of pixels it covers: on the pixel
// grid a third of the cost of stroking it, with the same pixels (the stroke
// only leaves its four corner pixels a little paler).
bool FillBorder(QPainter& painter, const QRectF& box, const QColor& colour) {
    const double w = box.width(), h = box.height();
    if (w < 2 || h < 2 || w != std::round(w) || h != std::round(h) || !ShiftsByWholePixels(painter))
        return false;
    painter.fillRect(QRectF(0, 0, w, 1), colour);
    painter.fillRect(QRectF(0, h - 1, w, 1), colour);
    painter.fillRect(QRectF(0, 1, 1, h - 2), colour);
    painter.fillRect(QRectF(w - 1, 1, 1, h - 2), colour);
    return true;
}

}  // namespace

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
    if (FillBorder(painter, box, ToQColor(look.border))) return;
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
