#pragma once

// A panel grid shown in a table view: the texts of a TextGrid, its fixed words translated.

#include "analysis/chart_builder.h"
#include "analysis/text_grid.h"

class QStandardItemModel;
class QTableView;

namespace zrk::analysis {

// Rows 1..rowCount of the grid, row 0 as the header; column 0 (the row headings) only when it
// holds any.
void showGrid(QTableView& view, QStandardItemModel& model, const TextGrid& grid, const Translator& tr);

// A read-only table with fixed rows, no row numbers, as the panel's grids look.
void styleGridView(QTableView& view, int rowHeight);

} // namespace zrk::analysis
