#pragma once

// Rectangles and sizes between twips (the layout functions) and pixels (the widgets).

#include <QRect>
#include <QSize>

namespace zrk::analysis {

inline QRect toPixels(const QRect& twips, int perPixel) {
    return QRect(twips.left() / perPixel, twips.top() / perPixel, twips.width() / perPixel,
                 twips.height() / perPixel);
}

inline QSize toTwips(QSize pixels, int perPixel) {
    return pixels * perPixel;
}

inline QRect toTwips(const QRect& pixels, int perPixel) {
    return QRect(pixels.topLeft() * perPixel, pixels.size() * perPixel);
}

} // namespace zrk::analysis
