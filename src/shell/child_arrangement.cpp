#include "shell/child_arrangement.h"

namespace zrk {

QList<QRect> tiledRects(int count, const QRect& area, Arrangement arrangement) {
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    const bool stacked = arrangement == Arrangement::TileHorizontally;
    const int length = stacked ? area.height() : area.width();
    const int step = length / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * step;
        const int size = i == count - 1 ? length - start : step;
        rects.push_back(stacked ? QRect(area.left(), area.top() + start, area.width(), size)
                                : QRect(area.left() + start, area.top(), size, area.height()));
    }
    return rects;
}

QList<QRect> iconRects(int count, const QRect& area, const QSize& iconSize) {
    QList<QRect> rects;
    if (count <= 0 || iconSize.isEmpty())
        return rects;
    const int perRow = qMax(1, area.width() / iconSize.width());
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow, column = i % perRow;
        rects.push_back(QRect(QPoint(area.left() + column * iconSize.width(),
                                     area.bottom() + 1 - (row + 1) * iconSize.height()),
                              iconSize));
    }
    return rects;
}

} // namespace zrk
