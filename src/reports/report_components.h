#pragma once

#include "core/console_context.h"

namespace zrk::reports {

// Registers the report components under their ProgIDs: ArApReports.Data and the numbered
// reports CostReports.Rpt2167, PurchaseReports.Rpt119, SalesReports.Rpt138, StockReports.Rpt112
// and StockReports.Rpt171. They read the session's account set of the console.
void registerReportComponents(ConsoleContext& ctx);

} // namespace zrk::reports
