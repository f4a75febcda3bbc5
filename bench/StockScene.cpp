#include "bench/StockScene.h"

#include <QGraphicsItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <QSlider>
#include <QTextDocument>

#include "animation/JobTable.h"
#include "ui/Button.h"
#include "ui/Color_qt.h"
#include "ui/Font_qt.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/Rectangle.h"
#include "ui/Text_qt.h"
#include "ui/TrackBar.h"

namespace {

// Slider steps of the stand-in QSlider: fine enough to place the handle as ours does.
constexpr int kSliderSteps = 1000;

class SceneMirror {
public:
    SceneMirror(QGraphicsScene& scene, StockTextItem textItem) : scene_(scene), textItem_(textItem) {}

    void MirrorChildren(TControl& control, QGraphicsItem* parentItem) {
        for (TFmxObject* child : control.Children())
            if (TControl* childControl = child->AsControl()) Mirror(*childControl, parentItem);
        if (auto* panel = dynamic_cast<TPanel*>(&control); panel && panel->OnPaint)
            AddLessonGrid(*panel, parentItem);
    }

private:
    void Mirror(TControl& control, QGraphicsItem* parentItem) {
        if (!control.Visible()) return;
        QGraphicsItem* item = ItemFor(control);
        if (parentItem)
            item->setParentItem(parentItem);
        else if (!item->scene())
            scene_.addItem(item);
        item->setPos(item->pos() + QPointF(control.Position().X, control.Position().Y));
        item->setOpacity(control.Opacity());
        MirrorChildren(control, item);
    }

    QGraphicsItem* ItemFor(TControl& control) {
        if (auto* label = dynamic_cast<TLabel*>(&control)) return LabelItem(*label);
        if (auto* button = dynamic_cast<TButton*>(&control)) return ButtonItem(*button);
        if (auto* trackBar = dynamic_cast<TTrackBar*>(&control)) return SliderItem(*trackBar);
        if (auto* image = dynamic_cast<TImage*>(&control)) return ImageItem(*image);
        if (auto* rectangle = dynamic_cast<TRectangle*>(&control)) {
            const TStroke& stroke = rectangle->Stroke();
            return BoxItem(control, rectangle->Fill().Color,
                           stroke.Visible ? QPen(ToQColor(stroke.Color), stroke.Thickness) : QPen(Qt::NoPen));
        }
        if (auto* panel = dynamic_cast<TPanel*>(&control))
            return BoxItem(control, panel->Look().face, QPen(ToQColor(panel->Look().border), 1));
        if (dynamic_cast<TListBox*>(&control))
            return BoxItem(control, TAlphaColors::White, QPen(QColor(0xAD, 0xAD, 0xAD), 1));
        return new QGraphicsRectItem();  // draws nothing, carries the children
    }

    QGraphicsItem* LabelItem(TLabel& label) {
        const QFont font = MakeFont(label.EffectiveFamily(), label.EffectiveFontSize());
        const QColor colour = ToQColor(label.EffectiveFontColor());
        QGraphicsItem* item = nullptr;
        if (textItem_ == StockTextItem::Simple) {
            auto* text = new QGraphicsSimpleTextItem(ToQString(label.Text()));
            text->setFont(font);
            text->setBrush(colour);
            item = text;
        } else {
            auto* text = new QGraphicsTextItem(ToQString(label.Text()));
            text->document()->setDocumentMargin(0);
            text->setFont(font);
            text->setDefaultTextColor(colour);
            item = text;
        }
        const QRectF content = item->boundingRect();
        item->setPos(AlignedOffset(label.HorzAlign(), label.Width(), content.width()),
                     AlignedOffset(label.VertAlign(), label.Height(), content.height()));
        return item;
    }

    QGraphicsItem* ButtonItem(TButton& button) {
        auto* widget = new QPushButton(ToQString(button.Text()));
        widget->setFont(MakeFont(button.Font().Family, button.Font().Size));
        return Proxied(widget, button);
    }

    QGraphicsItem* SliderItem(TTrackBar& trackBar) {
        auto* widget = new QSlider(Qt::Horizontal);
        widget->setRange(0, kSliderSteps);
        const float span = trackBar.Max() - trackBar.Min();
        widget->setValue(span > 0 ? int((trackBar.Value() - trackBar.Min()) / span * kSliderSteps) : 0);
        return Proxied(widget, trackBar);
    }

    QGraphicsItem* Proxied(QWidget* widget, TControl& control) {
        widget->setFixedSize(int(control.Width()), int(control.Height()));
        return scene_.addWidget(widget);
    }

    // The lesson's only picture, fitted and centred as the image control fits it.
    QGraphicsItem* ImageItem(TImage& image) {
        QPixmap logo(":/logo.png");
        const QSize fitted = logo.size().scaled(int(image.Width()), int(image.Height()), Qt::KeepAspectRatio);
        auto* item =
            new QGraphicsPixmapItem(logo.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        item->setPos((image.Width() - fitted.width()) / 2.0, (image.Height() - fitted.height()) / 2.0);
        return item;
    }

    QGraphicsItem* BoxItem(TControl& control, TAlphaColor fill, const QPen& pen) {
        auto* item = new QGraphicsRectItem(0, 0, control.Width(), control.Height());
        item->setBrush(ToQColor(fill));
        item->setPen(pen);
        return item;
    }

    // The grid the lesson's panel paints over its labels: a line every
    // BoxSize, the third vertical one heavier.
    void AddLessonGrid(TPanel& panel, QGraphicsItem* panelItem) {
        const int s = BoxSize;
        if (s <= 0) return;
        const double w = panel.Width(), h = panel.Height();
        const QColor sky = ToQColor(TAlphaColors::Skyblue);
        for (int i = 0; i <= int(w) / s; ++i)
            AddLine(QLineF(i * s, 0, i * s, h), i == 2 ? 0.6 : 0.4, sky, panelItem);
        for (int i = 0; i <= int(h) / s; ++i) AddLine(QLineF(0, i * s, w, i * s), 0.4, sky, panelItem);
    }

    void AddLine(QLineF line, double thickness, QColor colour, QGraphicsItem* parentItem) {
        auto* item = new QGraphicsLineItem(line, parentItem);
        item->setPen(QPen(colour, thickness, Qt::SolidLine, Qt::FlatCap));
    }

    QGraphicsScene& scene_;
    StockTextItem textItem_;
};

}  // namespace

std::unique_ptr<QGraphicsScene> StockSceneOf(TForm& form, StockTextItem textItem) {
    auto scene = std::make_unique<QGraphicsScene>(0, 0, form.Width(), form.Height());
    scene->setBackgroundBrush(ToQColor(form.Fill));
    SceneMirror(*scene, textItem).MirrorChildren(form, nullptr);
    return scene;
}

void PaintStockFrame(QGraphicsScene& scene, QImage& image) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF board(0, 0, image.width(), image.height());
    scene.render(&painter, board, board);
}
