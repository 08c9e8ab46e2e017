#pragma once

// Where the analysis panel and the summary panes place their children, in twips: plain
// functions of the panel's size, the board's SizeFactor and the children's own sizes.

#include <QLine>
#include <QRect>
#include <QSize>
#include <array>

namespace zrk::analysis {

// The sizes of the children that keep their own size (twips).
struct PanelChildSizes {
    QSize title, search, timeLabel, timeList, documentLabel, documentList, objectLabel, objectList;
    QSize tabLabel, noData;
};

struct PanelLayout {
    QRect header, title, search;
    QRect timeLabel, timeList, documentLabel, documentList, objectLabel, objectList;
    std::array<QRect, 5> tabs;
    std::array<QRect, 5> tabLabels; // inside their tab
    QRect resultArea;
    QRect noData, chart, orderGrid; // inside the result area
    int orderColumnWidth = 0;
};

inline constexpr int kHeaderHeight = 395;
inline constexpr int kTabHeight = 345;
inline constexpr int kTabGap = 15;
inline constexpr int kOrderGridHeight = 1695;

// The panel of inner width w and height h; s is the board's SizeFactor, which scales only the
// horizontal constants written with it. A panel narrower than its header leaves the leftmost
// selectors at negative positions (clipped, not rearranged).
PanelLayout layoutAnalysisPanel(int w, int h, double s, const PanelChildSizes& sizes);

// The three summary panes side by side in a region of inner width w: margins 150, gaps 120, at
// top 150, each `height` high.
std::array<QRect, 3> layoutSummaryPanes(int w, int height);

// Inside a pane of the given size: the caption, the unit label and the grid.
struct PaneLayout {
    QRect caption, unit, grid;
};
PaneLayout layoutSummaryPane(QSize pane, QSize caption, QSize unit);

// The frame lines of a pane: one 15 twips left of the grid from its top to its bottom, one 15
// twips above it from 15 left of it to its right edge.
std::array<QLine, 2> paneFrameLines(const QRect& grid);

// The one-pixel frame drawn around a child's rectangle (pixels), and the white line over the
// selected tab frame's right edge that opens it into the result area.
QRect frameAround(const QRect& child);
QLine tabOpening(const QRect& tabFrame);

} // namespace zrk::analysis
