#include "reports/numbered_report.h"

#include "platform/error.h"
#include "reports/report_database.h"
#include "session/texts.h"

namespace zrk::reports {

NumberedReport::NumberedReport(ConsoleContext& ctx, QString progId, std::int16_t reportId)
    : ctx_(ctx), progId_(std::move(progId)), reportId_(reportId) {}

void NumberedReport::getReportData() {
    rs_.reset();
    for (const auto& [name, value] :
         {std::pair{QStringLiteral("RptID"), rptId_}, std::pair{QStringLiteral("ExtFirter"), extFirter_}}) {
        if (value != reportId_)
            throw Error(errnum::InvalidProcedureCall, progId_,
                        formatText(ctx_, QStringLiteral("报表组件属性%1应为%2"), {name, reportId_}));
    }
    const ReportParams params(ctx_, progId_, filter_);
    params.requireOk();
    rs_ = compute(params);
}

db::ConnectionPtr NumberedReport::accountSet(const QStringList& tables) {
    auto connection = reportConnection(ctx_, QString());
    requireTables(ctx_, *connection, progId_, tables);
    return connection;
}

} // namespace zrk::reports
