#include "analysis/report_sources.h"

#include "core/console_context.h"
#include "core/roles/report_roles.h"
#include "platform/vb_conversions.h"
#include "session/session_properties.h"

namespace zrk::analysis {

db::RecordsetPtr runNumberedReport(ConsoleContext& ctx, const QString& progId, std::int16_t reportId,
                                   const DictionaryPtr& params) {
    const auto report = queryInterface<INumberedReport>(ctx.components().create(progId));
    report->setRptID(reportId);
    report->setExtFirter(reportId);
    report->setFilter(params);
    report->getReportData();
    return report->rs();
}

db::RecordsetPtr runArApReport(ConsoleContext& ctx, bool payables, DictionaryPtr params,
                               const Variant& mode) {
    const auto reports = queryInterface<IArApReports>(ctx.components().create(kArApReportsProgId));
    const QString props = getSessionPropsString(ctx);
    return payables ? reports->getRpt132Data(props, params, mode)
                    : reports->getRpt131Data(props, params, mode);
}

double twoDecimals(const Variant& value) {
    const double number = vb::nullToText(value, std::int32_t(0)).toDouble();
    return vb::parseNumber(vb::format(number, QStringLiteral("#,##0.00"))).value_or(0.0);
}

std::vector<double> filteredFigures(db::Recordset* rs, const QString& filter, const QStringList& fields) {
    std::vector<double> figures(static_cast<std::size_t>(fields.size()), 0.0);
    if (!rs)
        return figures;
    rs->setFilter(filter);
    if (rs->eof())
        return figures;
    for (qsizetype i = 0; i < fields.size(); ++i)
        figures[static_cast<std::size_t>(i)] = twoDecimals(rs->value(fields[i]));
    return figures;
}

} // namespace zrk::analysis
