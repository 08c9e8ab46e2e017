#pragma once

#include "reports/numbered_report.h"

namespace zrk::reports {

// PurchaseReports.Rpt119 and SalesReports.Rpt138: how far the orders dated in a period have been
// received or delivered, per item in the base unit, with the total line 101.
class OrderExecutionReport : public NumberedReport {
public:
    enum class Side { Purchase, Sales };
    OrderExecutionReport(ConsoleContext& ctx, Side side);

protected:
    db::RecordsetPtr compute(const ReportParams& params) override;

private:
    Side side_;
};

} // namespace zrk::reports
