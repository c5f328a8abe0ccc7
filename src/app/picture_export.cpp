// SVG to PNG through Qt's SVG renderer.
#include "app/picture_export.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace corvane {

namespace {

/// The SVG document rendered at its own size on white, or a null image with the reason (no
/// picture, or more than MaxPngPixels pixels).
QImage render(const std::string& svg, PngFailure& failure) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty()) {
        failure = PngFailure::Unreadable;
        return {};
    }
    if (qint64(size.width()) * size.height() > MaxPngPixels) {
        failure = PngFailure::TooLarge;
        return {};
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) { // out of memory
        failure = PngFailure::TooLarge;
        return {};
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    failure = PngFailure::None;
    return image;
}

} // namespace

QByteArray pngFromSvg(const std::string& svg, PngFailure* failure) {
    PngFailure reason = PngFailure::None;
    const QImage image = render(svg, reason);
    QByteArray bytes;
    if (!image.isNull()) {
        // A picture without colour is stored as grey levels: a third of the data to compress,
        // which on a 100 x 100 board saves more time than the conversion takes.
        const QImage stored =
            image.allGray() ? image.convertToFormat(QImage::Format_Grayscale8) : image;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!stored.save(&buffer, "PNG")) {
            bytes.clear();
            reason = PngFailure::Unreadable;
        }
    }
    if (failure) *failure = reason;
    return bytes;
}

} // namespace corvane
