#pragma once

#include <QList>
#include <QRect>

namespace zrk {

// The frame's ways of arranging its children, as the window menu's Arrange tools number them.
enum class Arrangement { Cascade = 0, TileHorizontally = 1, TileVertically = 2, ArrangeIcons = 3 };

// The places of `count` windows tiled in the area: horizontally, one above the other at the full
// width; vertically, side by side at the full height. The last one takes what the division
// leaves over.
QList<QRect> tiledRects(int count, const QRect& area, Arrangement arrangement);

// The places of `count` minimised windows of the size given, in rows along the area's bottom.
QList<QRect> iconRects(int count, const QRect& area, const QSize& iconSize);

} // namespace zrk
