#pragma once

#include <QString>

class QTableView;

namespace zrk {

// The untranslated text in the corner above the row numbers.
inline const QString kGridCornerText = QStringLiteral("序号");

// The console's common table style: no column moving, one row selected at a time, the light
// blue selection, grey grid lines, column widths adjustable by the user, a 22-pixel header row
// and the corner text above the row numbers: a window of a session passes the translated
// kGridCornerText.
void applyGridStyle(QTableView& grid, const QString& cornerText = kGridCornerText);

} // namespace zrk
