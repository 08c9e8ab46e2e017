#include "analysis/panel_geometry.h"

#include <cmath>

namespace zrk::analysis {

namespace {

int scaled(double s, int twips) {
    return static_cast<int>(std::lround(s * twips));
}

// A child that ends `gap` left of `rightNeighbourLeft`, at the given top.
QRect endingBefore(int rightNeighbourLeft, int gap, int top, QSize size) {
    return QRect(rightNeighbourLeft - gap - size.width(), top, size.width(), size.height());
}

QRect centredIn(QSize outer, QSize inner) {
    return QRect((outer.width() - inner.width()) / 2, (outer.height() - inner.height()) / 2, inner.width(),
                 inner.height());
}

} // namespace

PanelLayout layoutAnalysisPanel(int w, int h, double s, const PanelChildSizes& sz) {
    PanelLayout l;
    l.header = QRect(10, 0, w - 30, kHeaderHeight);
    const auto centredTop = [&](QSize size) { return (l.header.height() - size.height()) / 2; };
    l.title = QRect(scaled(s, 90), centredTop(sz.title), sz.title.width(), sz.title.height());
    l.search = QRect(w - sz.search.width() - scaled(s, 120), centredTop(sz.search), sz.search.width(),
                     sz.search.height());
    const int labelTop = l.title.top();
    l.objectList = endingBefore(l.search.left(), 50, centredTop(sz.objectList), sz.objectList);
    l.objectLabel = endingBefore(l.objectList.left(), 50, labelTop, sz.objectLabel);
    l.documentList = endingBefore(l.objectLabel.left(), 50, centredTop(sz.documentList), sz.documentList);
    l.documentLabel = endingBefore(l.documentList.left(), 50, labelTop, sz.documentLabel);
    l.timeList = endingBefore(l.documentLabel.left(), 50, centredTop(sz.timeList), sz.timeList);
    l.timeLabel = endingBefore(l.timeList.left(), 50, labelTop, sz.timeLabel);

    QRect tab(scaled(s, 60), l.header.height() + 150, scaled(s, 2070), kTabHeight);
    for (std::size_t i = 0; i < l.tabs.size(); ++i) {
        l.tabs[i] = tab;
        l.tabLabels[i] =
            QRect(90, (kTabHeight - sz.tabLabel.height()) / 2, sz.tabLabel.width(), sz.tabLabel.height());
        tab.moveTop(tab.bottom() + 1 + kTabGap);
    }
    const int resultLeft = l.tabs[0].left() + l.tabs[0].width() + 15;
    const int resultTop = l.tabs[0].top();
    l.resultArea = QRect(resultLeft, resultTop, w - resultLeft - 120, h - resultTop - 120);
    l.noData = centredIn(l.resultArea.size(), sz.noData);
    l.chart = QRect(120, 120, l.resultArea.width() - 240, l.resultArea.height() - 240);
    l.orderGrid = QRect(0, 0, l.resultArea.width(), kOrderGridHeight);
    l.orderColumnWidth = l.orderGrid.width() / 3 - 15;
    return l;
}

std::array<QRect, 3> layoutSummaryPanes(int w, int height) {
    const int width = (w - 300 - 240) / 3;
    std::array<QRect, 3> panes;
    for (int i = 0; i < 3; ++i)
        panes[std::size_t(i)] = QRect(150 + i * (width + 120), 150, width, height);
    return panes;
}

PaneLayout layoutSummaryPane(QSize pane, QSize caption, QSize unit) {
    PaneLayout l;
    l.caption = QRect(120, 60, caption.width(), caption.height());
    l.unit = QRect(pane.width() - 120 - unit.width(), 60 + (caption.height() - unit.height()) / 2,
                   unit.width(), unit.height());
    const int gridTop = 60 + caption.height() + 90;
    l.grid = QRect(120, gridTop, pane.width() - 180, pane.height() - gridTop - 60);
    return l;
}

std::array<QLine, 2> paneFrameLines(const QRect& grid) {
    const int x = grid.left() - 15;
    const int y = grid.top() - 15;
    return {QLine(x, grid.top(), x, grid.bottom()), QLine(x, y, grid.right(), y)};
}

QRect frameAround(const QRect& child) {
    return child.adjusted(-1, -1, 1, 1);
}

QLine tabOpening(const QRect& tabFrame) {
    // QRect's right() is the frame's last column, the platform's "right - 1".
    const int x = tabFrame.right();
    return QLine(x, tabFrame.top() + 1, x, tabFrame.bottom() - 1);
}

} // namespace zrk::analysis
