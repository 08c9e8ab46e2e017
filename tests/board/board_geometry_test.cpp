// The board's geometry in twips: scale factors, regions, the strips and the columns.
#include "board/board_geometry.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(BoardGeometry, ColumnsAreDesignWidthOnWideScreensAndShrinkOnNarrowOnes) {
    struct Case {
        int screen, window; // pixels
        int left, right;    // twips
    };
    const Case cases[] = {
        {1280, 1280, 2910, 2700},
        {1920, 1920, 2910, 2700},
        {1024, 1024, 2910, 2700},
        // 800 pixels: by 800/1024, the window filling the screen.
        {800, 800, 2273, 2109},
        // A window on half the screen: by the square root of one half.
        {1280, 640, 2058, 1909},
        // 800 pixels and half the screen: both.
        {800, 400, 1608, 1492},
    };
    for (const Case& c : cases) {
        const ScaleFactors f = computeScaleFactors(c.screen, c.window * 15);
        EXPECT_EQ(leftColumnWidth(f), c.left) << c.screen << " " << c.window;
        EXPECT_EQ(rightColumnWidth(f), c.right) << c.screen << " " << c.window;
    }
    EXPECT_DOUBLE_EQ(computeScaleFactors(800, 12000).screenScale, 0.78125);
    EXPECT_DOUBLE_EQ(computeScaleFactors(1280, 19200).sizeFactor, 1.0);
}

TEST(BoardGeometry, RegionsFollowTheWindow) {
    const ScaleFactors f = computeScaleFactors(1280, 19200);
    BoardRegions previous;
    previous.mid = QRect(0, 0, 0, 3000);
    const BoardRegions r = layoutRegions(QSize(19200, 12000), 930, f, previous);
    EXPECT_EQ(r.back, QRect(0, 0, 19200, 12000));
    EXPECT_EQ(r.top, QRect(0, 0, 19200, 930));
    EXPECT_EQ(r.head, QRect(0, 930, 19200, 405));
    EXPECT_EQ(r.left, QRect(0, 1335, 2910, 10665));
    EXPECT_EQ(r.right, QRect(16500, 1335, 2700, 10665));
    EXPECT_EQ(r.mid, QRect(2910, 1335, 13590, 3000));
    EXPECT_EQ(r.fx, QRect(3060, 4335, 13290, 12000 - 4335 - 150));
}

TEST(BoardGeometry, ARegionWithANegativeSizeStaysWhereItWas) {
    const ScaleFactors f = computeScaleFactors(1280, 19200);
    BoardRegions design;
    design.mid = QRect(0, 0, 0, 3000);
    const BoardRegions built = layoutRegions(QSize(19200, 12000), 930, f, design);
    // 80 x 60 pixels: the left column would be negative in height, the middle in width and the
    // analysis panel in height; the right column follows the left one's unchanged place.
    const BoardRegions tiny = layoutRegions(QSize(1200, 900), 930, computeScaleFactors(1280, 1200), built);
    EXPECT_EQ(tiny.back, QRect(0, 0, 1200, 900));
    EXPECT_EQ(tiny.top, QRect(0, 0, 1200, 930));
    EXPECT_EQ(tiny.left, built.left);
    EXPECT_EQ(tiny.right, QRect(1200 - 675, 1335, 675, 10665));
    EXPECT_EQ(tiny.mid, built.mid);
    EXPECT_EQ(tiny.fx, built.fx);
}

TEST(BoardGeometry, TheLogoStripHasTheLogoTheMakerAtTheRightAndTheFillerBetween) {
    const TopStrip s = layoutTopStrip(19200, 1.0, QSize(2400, 930));
    EXPECT_EQ(s.logo, QRect(0, 0, 5880, 930));
    EXPECT_EQ(s.maker, QRect(16800, 0, 2400, 930));
    EXPECT_EQ(s.filler, QRect(5880, 0, 16800 - 5880, 930));
    EXPECT_EQ(layoutTopStrip(19200, 0.5, QSize(2400, 930)).logo, QRect(0, 0, 2940, 465));
}

TEST(BoardGeometry, TheTitleStripRunsFromTheLeftTitleToTheReportTitle) {
    const ScaleFactors f = computeScaleFactors(1280, 19200);
    TitleSizes sizes{QSize(900, 270), QSize(900, 270), QSize(900, 270), QSize(450, 270), QSize(240, 240), 30};
    const TitleStrip s = layoutTitleStrip(QSize(19200, 405), f, sizes);
    EXPECT_EQ(s.head, QRect(0, 0, 2910, 405));
    EXPECT_EQ(s.leftTitle, QRect(480, 67, 900, 270));
    EXPECT_EQ(s.line, QRect(2910, 0, 30, 405));
    EXPECT_EQ(s.xxkb, QRect(2940, 0, 16500 - 2940, 405));
    EXPECT_EQ(s.xxkbTitle.topLeft(), QPoint(3140, 67));
    EXPECT_EQ(s.list, QRect(16500, 0, 2700, 405));
    EXPECT_EQ(s.listTitle.topLeft(), QPoint(16550, 67));
    // "刷新" ends 200 twips left of the report title's strip, its icon 20 twips left of it.
    EXPECT_EQ(s.refreshLabel, QRect(16300 - 450, 67, 450, 270));
    EXPECT_EQ(s.refreshIcon, QRect(16300 - 450 - 20 - 240, 82, 240, 240));
}

LeftSizes sizesOf(QSize icon, QSize label) {
    LeftSizes s;
    s.commonIcons.assign(6, icon);
    s.commonLabels.assign(6, label);
    s.statementIcons.assign(4, icon);
    s.statementLabels.assign(4, label);
    s.separator = QSize(2400, 300);
    s.separatorTitle = QSize(900, 270);
    return s;
}

TEST(BoardGeometry, TheLeftColumnStacksTheShortcutsTheSeparatorAndTheStatements) {
    const LeftColumn c = layoutLeftColumn(sizesOf(QSize(360, 360), QSize(1000, 270)));
    ASSERT_EQ(c.commonData.size(), 6u);
    EXPECT_EQ(c.commonData[0].icon, QRect(480, 120, 360, 360));
    // Labels centred on icons taller than them.
    EXPECT_EQ(c.commonData[0].label, QRect(990, 165, 1000, 270));
    EXPECT_EQ(c.commonData[1].icon, QRect(480, 580, 360, 360));
    EXPECT_EQ(c.commonData[1].label, QRect(990, 625, 1000, 270));
    EXPECT_EQ(c.commonData[5].icon.top(), 120 + 5 * 460);
    const int commonBottom = 120 + 5 * 460 + 360;
    EXPECT_EQ(c.separator, QRect(320, commonBottom + 100, 2400, 300));
    EXPECT_EQ(c.separatorTitle, QRect(480, commonBottom + 100 + 15, 900, 270));
    ASSERT_EQ(c.statements.size(), 4u);
    const int statementsTop = commonBottom + 100 + 300 + 120;
    EXPECT_EQ(c.statements[0].icon, QRect(480, statementsTop, 360, 360));
    EXPECT_EQ(c.statements[3].icon.top(), statementsTop + 3 * 460);
    EXPECT_EQ(c.blockBottom, statementsTop + 3 * 460 + 360);
}

TEST(BoardGeometry, ALabelHangs30TwipsBelowAnIconAboutALineHigh) {
    const LeftColumn c = layoutLeftColumn(sizesOf(QSize(300, 300), QSize(1000, 270)));
    EXPECT_EQ(c.commonData[0].label, QRect(930, 150, 1000, 270));
    EXPECT_EQ(c.statements[2].label.top(), c.statements[2].icon.top() + 30);
}

TEST(BoardGeometry, TheLeftPictureStandsAtTheBottomUnlessItReachesIntoTheStatements) {
    const LeftDecor tall = layoutLeftDecor(QSize(2910, 12000), 15, 6000);
    EXPECT_EQ(tall.background, QRect(0, 0, 2910, 12000));
    EXPECT_EQ(tall.edgeLine, QRect(2895, 0, 15, 12000));
    EXPECT_EQ(tall.picture, QRect(0, 12000 - 4140, 2910, 4140));
    const LeftDecor shortColumn = layoutLeftDecor(QSize(2910, 9000), 15, 6000);
    EXPECT_EQ(shortColumn.picture, QRect(0, 6000, 2910, 4140));
}

TEST(BoardGeometry, TheReportColumnHoldsTheListTheScrollBarAndTheTools) {
    const ScaleFactors f = computeScaleFactors(1280, 19200);
    const RightColumn c = layoutRightColumn(QSize(2700, 10665), 255, QSize(360, 360), QSize(360, 360), f);
    EXPECT_EQ(c.content, QRect(30, 0, 2670, 10665 - 550));
    EXPECT_EQ(c.scrollBar, QRect(2670 - 255 - 15, 0, 255, 10665 - 550));
    EXPECT_EQ(c.importIcon, QRect(150, 10665 - 400, 360, 360));
    EXPECT_EQ(c.setIcon, QRect((2700 - 360) / 2, 10665 - 400, 360, 360));
}

} // namespace
} // namespace zrk
