#include "res/IconSource.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

QImage RenderSvg(const QString& svg, int size) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage IconAtSize(const QString& svg, const QStringList& xpms, int size) {
    for (const QString& xpm : xpms) {
        QImage image(xpm, "XPM");
        if (image.isNull()) {
            return {};
        }
        if (image.width() == size && image.height() == size) {
            return image;
        }
    }
    return RenderSvg(svg, size);
}
