#include "reports/report_components.h"

#include "reports/arap_reports.h"
#include "reports/gross_profit_report.h"
#include "reports/order_execution_report.h"
#include "reports/stock_deviation_report.h"
#include "reports/stock_movement_report.h"

namespace zrk::reports {

void registerReportComponents(ConsoleContext& ctx) {
    ComponentRegistry& registry = ctx.components();
    registry.add(kArApReportsProgId, [&ctx] { return std::make_shared<ArApReportsData>(ctx); });
    registry.add(kCostReportsRpt2167ProgId, [&ctx] { return std::make_shared<GrossProfitReport>(ctx); });
    registry.add(kPurchaseReportsRpt119ProgId, [&ctx] {
        return std::make_shared<OrderExecutionReport>(ctx, OrderExecutionReport::Side::Purchase);
    });
    registry.add(kSalesReportsRpt138ProgId, [&ctx] {
        return std::make_shared<OrderExecutionReport>(ctx, OrderExecutionReport::Side::Sales);
    });
    registry.add(kStockReportsRpt112ProgId, [&ctx] { return std::make_shared<StockDeviationReport>(ctx); });
    registry.add(kStockReportsRpt171ProgId, [&ctx] { return std::make_shared<StockMovementReport>(ctx); });
}

} // namespace zrk::reports
