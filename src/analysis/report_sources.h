#pragma once

// How the analyses reach the report components: by ProgID through the registry, created anew
// for every query, and how a total line's figures are read.

#include "platform/db/recordset.h"
#include "platform/dictionary.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zrk {
class ConsoleContext;
}

namespace zrk::analysis {

// A numbered report driven RptID, ExtFirter, Filter, GetReportData, rs. Errors pass on unchanged.
db::RecordsetPtr runNumberedReport(ConsoleContext& ctx, const QString& progId, std::int16_t reportId,
                                   const DictionaryPtr& params);

// ArApReports.Data: receivables by customer (131) or payables by supplier (132), with the
// session's property string; mode is the third argument (Empty: not given). Errors pass on.
db::RecordsetPtr runArApReport(ConsoleContext& ctx, bool payables, DictionaryPtr params, const Variant& mode);

// A figure brought to two decimals as the grids show it: Null or empty is 0.
double twoDecimals(const Variant& value);

// The fields of the first row the filter leaves, each brought to two decimals; 0 for every field
// when there is no recordset or no such row. A field the row lacks raises error 3265.
std::vector<double> filteredFigures(db::Recordset* rs, const QString& filter, const QStringList& fields);

} // namespace zrk::analysis
