#pragma once

class QTableView;

namespace zrk {

// The console's common table style: no column moving, one row selected at a time, the light
// blue selection, grey grid lines, column widths adjustable by the user, a 22-pixel header row
// and "序号" in the corner above the row numbers.
void applyGridStyle(QTableView& grid);

} // namespace zrk
