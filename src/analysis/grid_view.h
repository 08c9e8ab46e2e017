#pragma once

// A panel grid shown in a table view: the texts of a TextGrid, its fixed words translated.

#include "analysis/chart_builder.h"
#include "analysis/text_grid.h"

class QStandardItemModel;
class QTableView;

namespace zrk::analysis {

// Columns firstColumn..columnCount and rows 1..rowCount of the grid; row 0 is the header.
void showGrid(QTableView& view, QStandardItemModel& model, const TextGrid& grid, int firstColumn,
              const Translator& tr);

// A read-only table with fixed rows, no row numbers, as the panel's grids look.
void styleGridView(QTableView& view, int rowHeight);

} // namespace zrk::analysis
