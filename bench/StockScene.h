#pragma once
// The same frame built from stock Qt parts, for a side-by-side figure: a
// QGraphicsScene with one stock item per visible control (a text item per
// label, opacity set), painted into the same image.

#include <QGraphicsScene>
#include <QImage>
#include <memory>

class TForm;

// Which of Qt's two text items stands for a label.
enum class StockTextItem {
    Simple,   // QGraphicsSimpleTextItem: lays its text out at each paint
    Document  // QGraphicsTextItem: keeps a laid-out QTextDocument
};

// A scene showing what `form` shows now: rectangles, panels (the lesson's
// grid as line items over the panel's labels), the logo, buttons and sliders
// as proxied widgets, and every label as a text item.
std::unique_ptr<QGraphicsScene> StockSceneOf(TForm& form, StockTextItem textItem);

// Paints the scene into `image` with the painter set up as for our own frame.
void PaintStockFrame(QGraphicsScene& scene, QImage& image);
