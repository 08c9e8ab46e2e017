#include "desktop/product_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace zrk {

namespace {

QPixmap drawnIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0x6c, 0xb0));
    const qreal radius = size / 5.0;
    painter.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Z"));
    return pixmap;
}

} // namespace

QIcon productIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawnIcon(size));
    return icon;
}

} // namespace zrk
