#pragma once

#include <QRect>
#include <QSize>
#include <vector>

namespace zrk {

// The board's geometry, worked out in twips from the window's inner size and the pictures'
// sizes. Nothing here knows a widget; the window turns the rectangles into pixels.

// ScreenScale and SizeFactor: the side columns narrow on screens below 1024 pixels and with
// the square root of the window's share of the screen width.
struct ScaleFactors {
    double screenScale = 1.0;
    double sizeFactor = 1.0;
};

ScaleFactors computeScaleFactors(int screenWidthPixels, int innerWidthTwips);

inline constexpr int kLeftColumnTwips = 2910;
inline constexpr int kRightColumnTwips = 2700;
inline constexpr int kHeadHeightTwips = 405;
int leftColumnWidth(const ScaleFactors& f);
int rightColumnWidth(const ScaleFactors& f);

// The regions of the board window, children of picBack.
struct BoardRegions {
    QRect back, top, head, left, right, mid, fx;
};

// The regions for a window of this inner size. A region whose computed width or height is
// negative stays where it was in `previous`; picMid keeps its height.
BoardRegions layoutRegions(QSize inner, int logoHeight, const ScaleFactors& f, const BoardRegions& previous);

// picFx below picMid, 150 twips in from the sides and the bottom.
QRect analysisRect(const QRect& back, const QRect& left, const QRect& mid);

// The logo strip: the logo (5880 x 930 twips by DpiScale), the maker's logo at the right and the
// stretched filler between them.
struct TopStrip {
    QRect logo, filler, maker;
};
TopStrip layoutTopStrip(int backWidth, double dpiScale, QSize makerSize);
int logoHeight(double dpiScale);

// The title strip, left to right; label sizes are their texts' sizes.
struct TitleStrip {
    QRect head, leftTitle, line, xxkb, xxkbTitle, list, listTitle, refreshLabel, refreshIcon;
};
struct TitleSizes {
    QSize leftTitle, xxkbTitle, listTitle, refreshLabel, refreshIcon;
    int lineWidth = 0;
};
TitleStrip layoutTitleStrip(QSize head, const ScaleFactors& f, const TitleSizes& sizes);

// The left column: the six common-data icons and labels, the separator with its title, the four
// statement icons and labels, stacked in that order (hidden ones keep their place). A label
// stands 30 twips below its icon's top, or centred on an icon taller than it by more than 60.
struct StackedItem {
    QRect icon, label;
};
struct LeftColumn {
    std::vector<StackedItem> commonData;
    QRect separator, separatorTitle;
    std::vector<StackedItem> statements;
    int blockBottom = 0; // bottom of the last statement icon
};
struct LeftSizes {
    std::vector<QSize> commonIcons, commonLabels, statementIcons, statementLabels;
    QSize separator, separatorTitle;
};
LeftColumn layoutLeftColumn(const LeftSizes& sizes);

// Background, right-edge line and the decorative picture (4140 twips high) of the left column:
// the picture at the bottom unless that reaches into the statement block, else right below it.
struct LeftDecor {
    QRect background, edgeLine, picture;
};
inline constexpr int kLeftPictureHeight = 4140;
LeftDecor layoutLeftDecor(QSize column, int lineWidth, int blockBottom);

// The right column: the report list's container, its scroll bar and the two tool icons.
struct RightColumn {
    QRect content, scrollBar, importIcon, setIcon;
};
RightColumn layoutRightColumn(QSize column, int scrollBarWidth, QSize importIcon, QSize setIcon,
                              const ScaleFactors& f);

} // namespace zrk
