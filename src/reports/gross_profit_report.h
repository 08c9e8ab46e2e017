#pragma once

#include "reports/numbered_report.h"

namespace zrk::reports {

// CostReports.Rpt2167: sales income, cost and gross profit of a period, from the sales
// deliveries or from the sales invoices, per item, customer, department or salesperson, with
// the total line 101.
class GrossProfitReport : public NumberedReport {
public:
    explicit GrossProfitReport(ConsoleContext& ctx);

protected:
    db::RecordsetPtr compute(const ReportParams& params) override;
};

} // namespace zrk::reports
