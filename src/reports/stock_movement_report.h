#pragma once

#include "reports/numbered_report.h"

namespace zrk::reports {

// StockReports.Rpt171: the stock moved in a period, per item: purchase receipts, all receipts,
// sales deliveries and all issues, in the base unit and at cost, with the total line 101.
class StockMovementReport : public NumberedReport {
public:
    explicit StockMovementReport(ConsoleContext& ctx);

protected:
    db::RecordsetPtr compute(const ReportParams& params) override;
};

} // namespace zrk::reports
