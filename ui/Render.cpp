#include "ui/Render.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "ui/Font_qt.h"
#include "ui/Form.h"
#include "ui/Render_qt.h"
#include "ui/SaveFile_qt.h"

QImage RenderForm(TForm& form) {
    QImage image(int(form.ClientWidth()), int(form.ClientHeight()), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    image.setDotsPerMeterX(kDesignDotsPerMeter);
    image.setDotsPerMeterY(kDesignDotsPerMeter);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    form.PaintWindow(painter);
    return image;
}

bool RenderFormToPng(TForm& form, const std::string& path) {
    // Encoded in memory first, so that a failed write of the file shows.
    QByteArray png;
    QBuffer buffer(&png);
    return buffer.open(QIODevice::WriteOnly) && RenderForm(form).save(&buffer, "PNG") &&
           SaveWholeFile(path, png);
}
