#pragma once

#include "settings/report_row.h"

#include <QString>

// The statements of the report settings, written as the real server wants them. Every value
// they carry is a number: the row's keys as read from the table and the display order.
namespace zrk::report_sql {

inline const QString kElementTable = QStringLiteral("t_Boss_ElementPosition");
inline const QString kBackupTable = QStringLiteral("t_Boss_ElementPosition_BAK");
inline const QString kOwnerReportTable = QStringLiteral("t_Rpt_Content_Boss");

// The board's report elements that are shown (or hidden), by module and display order.
QString boardElements(bool shown);
// The owner reports that are listed (or not).
QString ownerReports(bool shown);

// Every board report element hidden; every owner report hidden.
QString hideBoardElements();
QString hideOwnerReports();
// The row shown at the 1-based display order (the order only for a board element).
QString showRow(const ReportRow& row, int order);

// The defaults: the backup's shown board report elements in their order, and how many board
// report elements the backup holds at all.
QString backupShownElements();
QString backupElementCount();

} // namespace zrk::report_sql
