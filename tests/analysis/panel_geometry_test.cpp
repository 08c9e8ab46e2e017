#include "analysis/panel_geometry.h"

#include <gtest/gtest.h>

namespace zrk::analysis {
namespace {

PanelChildSizes sizes() {
    PanelChildSizes s;
    s.title = QSize(1200, 255);
    s.search = QSize(300, 300);
    s.timeList = s.documentList = s.objectList = QSize(1200, 300);
    s.timeLabel = s.documentLabel = s.objectLabel = QSize(400, 255);
    s.tabLabel = QSize(1500, 180);
    s.noData = QSize(1200, 255);
    return s;
}

TEST(PanelGeometry, HeaderSelectorsFromTheRightFiftyApart) {
    const PanelLayout l = layoutAnalysisPanel(15000, 6000, 1.0, sizes());
    EXPECT_EQ(l.header, QRect(10, 0, 14970, 395));
    EXPECT_EQ(l.title, QRect(90, 70, 1200, 255));
    EXPECT_EQ(l.search, QRect(15000 - 300 - 120, 47, 300, 300));
    EXPECT_EQ(l.objectList.left() + l.objectList.width(), l.search.left() - 50);
    EXPECT_EQ(l.objectLabel.left() + l.objectLabel.width(), l.objectList.left() - 50);
    EXPECT_EQ(l.documentList.left() + l.documentList.width(), l.objectLabel.left() - 50);
    EXPECT_EQ(l.timeLabel.left() + l.timeLabel.width(), l.timeList.left() - 50);
    EXPECT_EQ(l.objectLabel.top(), l.title.top());
    EXPECT_EQ(l.objectList.top(), 47);
}

TEST(PanelGeometry, TabsAreStackedAndTheResultAreaIsBesideThem) {
    const PanelLayout l = layoutAnalysisPanel(15000, 6000, 0.71, sizes());
    EXPECT_EQ(l.tabs[0], QRect(43, 545, 1470, 345));
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(l.tabs[i].top(), l.tabs[i - 1].top() + 345 + 15);
        EXPECT_EQ(l.tabs[i].size(), l.tabs[0].size());
    }
    EXPECT_EQ(l.tabLabels[2], QRect(90, 82, 1500, 180));
    EXPECT_EQ(l.resultArea, QRect(43 + 1470 + 15, 545, 15000 - 1528 - 120, 6000 - 545 - 120));
    EXPECT_EQ(l.chart, QRect(120, 120, l.resultArea.width() - 240, l.resultArea.height() - 240));
    EXPECT_EQ(l.orderGrid, QRect(0, 0, l.resultArea.width(), 1695));
    EXPECT_EQ(l.orderColumnWidth, l.resultArea.width() / 3 - 15);
    EXPECT_EQ(l.noData.center(), QRect(QPoint(), l.resultArea.size()).center());
}

TEST(PanelGeometry, ANarrowPanelPushesTheLeftSelectorsOutInsteadOfRearranging) {
    const PanelLayout wide = layoutAnalysisPanel(15000, 6000, 1.0, sizes());
    const PanelLayout narrow = layoutAnalysisPanel(4000, 6000, 1.0, sizes());
    EXPECT_LT(narrow.timeLabel.left(), 0);
    EXPECT_EQ(narrow.timeList.width(), wide.timeList.width());
    EXPECT_EQ(narrow.search.left() - narrow.timeLabel.left(), wide.search.left() - wide.timeLabel.left());
}

TEST(SummaryGeometry, ThreePanesWithMarginsAndGaps) {
    const auto panes = layoutSummaryPanes(15540, 2400);
    EXPECT_EQ(panes[0], QRect(150, 150, 5000, 2400));
    EXPECT_EQ(panes[1], QRect(5270, 150, 5000, 2400));
    EXPECT_EQ(panes[2].left() + panes[2].width(), 15540 - 150);
}

TEST(SummaryGeometry, FrameLinesHugTheGrid) {
    const auto lines = paneFrameLines(QRect(120, 600, 3000, 1500));
    EXPECT_EQ(lines[0], QLine(105, 600, 105, 2099));
    EXPECT_EQ(lines[1], QLine(105, 585, 3119, 585));
    EXPECT_EQ(frameAround(QRect(10, 10, 100, 20)), QRect(9, 9, 102, 22));
    EXPECT_EQ(tabOpening(QRect(9, 9, 102, 22)), QLine(110, 10, 110, 29));
}

} // namespace
} // namespace zrk::analysis
