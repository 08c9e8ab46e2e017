#pragma once

#include "reports/numbered_report.h"

namespace zrk::reports {

// StockReports.Rpt112: the items whose stock on hand lies above their maximum ("AType" 1) or
// below their safety stock (2), with the difference to that limit and the total line 101.
class StockDeviationReport : public NumberedReport {
public:
    explicit StockDeviationReport(ConsoleContext& ctx);

protected:
    db::RecordsetPtr compute(const ReportParams& params) override;
};

} // namespace zrk::reports
