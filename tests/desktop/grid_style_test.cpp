#include "desktop/grid_style.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(GridStyle, TheConsolesTableLook) {
    QStandardItemModel model(3, 2);
    QTableView grid;
    grid.setModel(&model);
    applyGridStyle(grid);
    grid.resize(300, 200);
    grid.show();
    QCoreApplication::processEvents();

    EXPECT_FALSE(grid.horizontalHeader()->sectionsMovable());
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(grid.palette().color(QPalette::Active, QPalette::Highlight), QColor(234, 235, 255));
    EXPECT_EQ(grid.palette().color(QPalette::Inactive, QPalette::HighlightedText), QColor(33, 123, 233));
    EXPECT_TRUE(grid.styleSheet().contains(QStringLiteral("gridline-color: #a2a2a2")));
    EXPECT_TRUE(grid.styleSheet().contains(QStringLiteral("background-color: #aec6fa")));
    EXPECT_EQ(grid.horizontalHeader()->height(), 22);
    EXPECT_EQ(grid.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(grid.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    auto* corner = grid.findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->text(), QStringLiteral("序号"));
    // The corner paints its text: the painted corner differs from a blank header section.
    const QImage painted = corner->grab().toImage();
    corner->setText(QString());
    const QImage blank = corner->grab().toImage();
    EXPECT_NE(painted, blank);
    // Styling twice installs one painter, not two.
    applyGridStyle(grid);
    EXPECT_EQ(corner->findChildren<QObject*>().size(), 1);
    // A window of an English session passes the translated corner text.
    applyGridStyle(grid, QStringLiteral("No."));
    EXPECT_EQ(corner->text(), QStringLiteral("No."));
}

} // namespace
} // namespace zrk
