#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

#include "windows/picture_drawing.h"

namespace drillwin {

QImage DrawPicture(const QString& svgPath, qreal ratio) {
    QSvgRenderer renderer(svgPath);
    const QSize size = renderer.defaultSize();
    QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return picture;
}

QImage DrawIcon(const QString& svgPath, int size) {
    return QIcon(svgPath).pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace drillwin
