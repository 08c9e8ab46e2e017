#include "analysis/grid_view.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

namespace zrk::analysis {

namespace {

bool isFigure(const TextGrid& grid, int column, int row) {
    for (const TextGrid::Figure& f : grid.figures())
        if (f.column == column && f.row == row)
            return true;
    return false;
}

int firstColumnOf(const TextGrid& grid) {
    for (int row = 0; row <= grid.rowCount(); ++row)
        if (!grid.text(0, row).isEmpty())
            return 0;
    return 1;
}

} // namespace

void showGrid(QTableView& view, QStandardItemModel& model, const TextGrid& grid, const Translator& tr) {
    const int firstColumn = firstColumnOf(grid);
    const int columns = grid.columnCount() - firstColumn + 1;
    model.setRowCount(grid.rowCount());
    model.setColumnCount(columns);
    bool headed = false;
    for (int c = 0; c < columns; ++c) {
        const QString heading = grid.text(c + firstColumn, 0);
        headed = headed || !heading.isEmpty();
        model.setHorizontalHeaderItem(c, new QStandardItem(tr(heading)));
        for (int r = 0; r < grid.rowCount(); ++r) {
            const int column = c + firstColumn, row = r + 1;
            const QString text = grid.text(column, row);
            auto* item = new QStandardItem(isFigure(grid, column, row) ? text : tr(text));
            item->setEditable(false);
            if (isFigure(grid, column, row))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            model.setItem(r, c, item);
        }
    }
    view.horizontalHeader()->setVisible(headed);
}

void styleGridView(QTableView& view, int rowHeight) {
    view.verticalHeader()->setVisible(false);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(rowHeight);
    view.horizontalHeader()->setFixedHeight(rowHeight);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setSelectionMode(QAbstractItemView::NoSelection);
    view.setFocusPolicy(Qt::NoFocus);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace zrk::analysis
