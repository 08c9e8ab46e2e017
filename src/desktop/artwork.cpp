#include "desktop/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zrk {

namespace {

QString artPath(const QString& name) {
    return QStringLiteral(":/art/") + name + QStringLiteral(".svg");
}

} // namespace

QSize artSize(const QString& name) {
    QSvgRenderer renderer(artPath(name));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QPixmap artPixmap(const QString& name, const QSize& size, qreal devicePixelRatio) {
    QSvgRenderer renderer(artPath(name));
    if (!renderer.isValid() || size.isEmpty())
        return QPixmap();
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap artPixmap(const QString& name, qreal devicePixelRatio) {
    return artPixmap(name, artSize(name), devicePixelRatio);
}

QCursor handCursor() {
    const QString name = QStringLiteral("HAND");
    const QSize size = artSize(name);
    if (size.isEmpty())
        return QCursor(Qt::PointingHandCursor);
    // The drawing's finger tip is at a quarter of its width, on its top edge.
    return QCursor(artPixmap(name, size, 1.0), size.width() / 4, 0);
}

} // namespace zrk
