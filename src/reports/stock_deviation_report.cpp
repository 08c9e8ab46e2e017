#include "reports/stock_deviation_report.h"

#include "platform/db/sql_literal.h"
#include "reports/report_table.h"
#include "session/texts.h"

namespace zrk::reports {

namespace {

const QStringList kSortFields = {QStringLiteral("FBUUnitDiff"), QStringLiteral("FBUQty"),
                                 QStringLiteral("FNumber"), QStringLiteral("FName")};

QString deviationSql(bool overstock, const QString& where, const QString& order) {
    const QString limit =
        qtyUnitsOf(overstock ? QStringLiteral("i.FHighLimit") : QStringLiteral("i.FSecInv"));
    return QStringLiteral(
               "SELECT i.FItemID, i.FNumber, i.FName, i.FModel, COALESCE(s.FQty, 0) AS FBUQty, "
               "%1 AS FLimit, COALESCE(s.FQty, 0) - %1 AS FBUUnitDiff FROM t_ICItem i "
               "LEFT JOIN (SELECT v.FItemID, SUM(%2) AS FQty FROM ICInventory v GROUP BY v.FItemID) s "
               "ON s.FItemID = i.FItemID WHERE COALESCE(s.FQty, 0) %3 %1%4 ORDER BY %5, i.FNumber")
        .arg(limit, qtyUnitsOf(QStringLiteral("v.FQty")),
             overstock ? QStringLiteral(">") : QStringLiteral("<"), where, order);
}

QString readWhere(const ReportParams& params) {
    QString where;
    if (params.choice(QStringLiteral("ShowDisableItem"), {0, 1}, 0) == 0)
        where += QStringLiteral(" AND i.FDeleted = 0");
    const QString first = params.text(QStringLiteral("BItemNumber"));
    const QString last = params.text(QStringLiteral("EItemNumber"));
    if (!first.isEmpty())
        where += QStringLiteral(" AND i.FNumber >= ") + db::sqlNText(first);
    if (!last.isEmpty())
        where += QStringLiteral(" AND i.FNumber <= ") + db::sqlNText(last);
    params.choice(QStringLiteral("ShowVirtual"), {0, 1}, 1);
    params.requireEmpty({QStringLiteral("BStockNumber"), QStringLiteral("EStockNumber"),
                         QStringLiteral("DataRightFrom"), QStringLiteral("DataRightWhere"),
                         QStringLiteral("ItemFrom"), QStringLiteral("ItemWhere")});
    return where;
}

} // namespace

StockDeviationReport::StockDeviationReport(ConsoleContext& ctx)
    : NumberedReport(ctx, kStockReportsRpt112ProgId, 112) {}

db::RecordsetPtr StockDeviationReport::compute(const ReportParams& params) {
    const bool overstock = params.choice(QStringLiteral("AType"), {1, 2}, 0) == 1;
    const QString where = readWhere(params);
    const auto order = params.order(QStringLiteral("Orderby"), kSortFields)
                           .value_or(ReportParams::Order{QStringLiteral("FBUUnitDiff"), overstock});
    const auto connection = accountSet({QStringLiteral("t_ICItem"), QStringLiteral("ICInventory")});
    const auto rows = connection->execute(deviationSql(overstock, where, order.sql()));
    using K = db::FieldKind;
    ReportTable table({{QStringLiteral("FItemID"), K::Int32},
                       {QStringLiteral("FNumber"), K::Text},
                       {QStringLiteral("FName"), K::Text},
                       {QStringLiteral("FModel"), K::Text},
                       {QStringLiteral("FBUQty"), K::Double},
                       {QStringLiteral("FLimit"), K::Double},
                       {QStringLiteral("FBUUnitDiff"), K::Double},
                       {QStringLiteral("Fsumsort"), K::Int32}});
    QtyUnits stock = 0, limits = 0;
    for (; !rows->eof(); rows->moveNext()) {
        const QtyUnits q = wholeNumber(rows->value(4)), l = wholeNumber(rows->value(5));
        table.integer(rows->value(0).toInt32())
            .text(rows->value(1).toString())
            .text(rows->value(2).toString());
        table.text(rows->value(3).toString()).quantity(q).quantity(l).quantity(q - l).integer(kSumSortDetail);
        stock += q;
        limits += l;
    }
    table.integer(0).text(QString()).text(translate(ctx(), QStringLiteral("合计"))).text(QString());
    table.quantity(stock).quantity(limits).quantity(stock - limits).integer(kSumSortReportTotal);
    return table.recordset();
}

} // namespace zrk::reports
