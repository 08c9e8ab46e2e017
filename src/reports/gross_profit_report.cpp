#include "reports/gross_profit_report.h"

#include "reports/report_database.h"
#include "reports/report_table.h"
#include "session/texts.h"

namespace zrk::reports {

namespace {

// What the rows are: the key of a document line, the table naming it and the name column the
// console reads.
struct Grouping {
    QString deliveryKey; // on ICStockBill b / ICStockBillEntry e
    QString invoiceKey;  // on ICSale s / ICSaleEntry e
    QString nameTable;
    QString nameField; // FName (items) or FProp01Name, FProp07Name, FProp08Name
    bool item = false;
};

Grouping readGrouping(const ReportParams& params) {
    const std::int32_t sumMode = params.integer(QStringLiteral("SumMode"), 7);
    if (sumMode == 7)
        return {QStringLiteral("e.FItemID"), QStringLiteral("e.FItemID"), QStringLiteral("t_ICItem"),
                QStringLiteral("FName"), true};
    const DictionaryPtr sumField = params.dictionary(QStringLiteral("SumField"));
    if (sumMode != 0 || !sumField)
        params.refuseGrouping(QStringLiteral("SumMode"));
    const ReportParams nested(params.context(), params.source(), sumField);
    switch (nested.integer(QStringLiteral("FItemClassID"))) {
    case 1:
        return {QStringLiteral("b.FSupplyID"), QStringLiteral("s.FCustID"), QStringLiteral("t_Organization"),
                QStringLiteral("FProp01Name")};
    case 7:
        return {QStringLiteral("b.FDeptID"), QStringLiteral("s.FDeptID"), QStringLiteral("t_Department"),
                QStringLiteral("FProp07Name")};
    case 8:
        return {QStringLiteral("b.FEmpID"), QStringLiteral("s.FEmpID"), QStringLiteral("t_Emp"),
                QStringLiteral("FProp08Name")};
    default:
        nested.refuseGrouping(QStringLiteral("FItemClassID"));
    }
}

// Income and cost in whole cents per key, from the deliveries or the invoices of the period.
QString profitSql(const Grouping& g, bool fromInvoices, const ReportParams::Range& range) {
    const QString alias = fromInvoices ? QStringLiteral("s") : QStringLiteral("b");
    const QString dates = QStringLiteral("%1.FDate >= %2 AND %1.FDate < %3")
                              .arg(alias, dayLiteral(range.begin), dayLiteral(range.end.addDays(1)));
    const QString lines =
        fromInvoices ? QStringLiteral("SELECT %1 AS FKey, %2 AS FIncome, %3 AS FCost FROM ICSale s "
                                      "JOIN ICSaleEntry e ON e.FInterID = s.FInterID JOIN ICStockBillEntry d "
                                      "ON d.FInterID = e.FSourceInterID AND d.FEntryID = e.FSourceEntryID "
                                      "WHERE s.FCancellation = 0 AND %4")
                           .arg(g.invoiceKey, centsOf(QStringLiteral("e.FAmount")),
                                centsOf(QStringLiteral("d.FAmount * e.FQty / d.FQty")), dates)
                     : QStringLiteral("SELECT %1 AS FKey, %2 AS FIncome, %3 AS FCost FROM ICStockBill b "
                                      "JOIN ICStockBillEntry e ON e.FInterID = b.FInterID "
                                      "WHERE b.FTranType = 21 AND b.FCancellation = 0 AND %4")
                           .arg(g.deliveryKey, centsOf(QStringLiteral("e.FConsignAmount")),
                                centsOf(QStringLiteral("e.FAmount")), dates);
    return QStringLiteral("SELECT x.FKey, k.FNumber, k.FName, %1 AS FModel, x.FIncome, x.FCost, "
                          "x.FIncome - x.FCost AS FProfit FROM (SELECT l.FKey, SUM(l.FIncome) AS FIncome, "
                          "SUM(l.FCost) AS FCost FROM (%2) l GROUP BY l.FKey) x "
                          "LEFT JOIN %3 k ON k.FItemID = x.FKey")
        .arg(g.item ? QStringLiteral("k.FModel") : QStringLiteral("''"), lines, g.nameTable);
}

} // namespace

GrossProfitReport::GrossProfitReport(ConsoleContext& ctx)
    : NumberedReport(ctx, kCostReportsRpt2167ProgId, 2167) {}

db::RecordsetPtr GrossProfitReport::compute(const ReportParams& params) {
    const auto range = params.dateRange(QStringLiteral("BeginDate"), QStringLiteral("EndDate"));
    const bool fromInvoices = params.choice(QStringLiteral("FilterOption"), {1, 2}, 2) == 1;
    const Grouping g = readGrouping(params);
    const bool sumsOnly = params.choice(QStringLiteral("OnlyShowSum"), {0, 1}, 0) == 1 && !g.item;
    params.requireEmpty({QStringLiteral("BItemNumber"), QStringLiteral("EItemNumber"),
                         QStringLiteral("BCustNumber"), QStringLiteral("ECustNumber")});
    const auto order =
        params
            .order(QStringLiteral("Orderby"), {QStringLiteral("FProfit"), QStringLiteral("FIncome"),
                                               QStringLiteral("FCost"), QStringLiteral("FNumber")})
            .value_or(ReportParams::Order{QStringLiteral("FProfit"), true});
    QStringList tables{QStringLiteral("ICStockBill"), QStringLiteral("ICStockBillEntry"), g.nameTable};
    if (fromInvoices)
        tables << QStringLiteral("ICSale") << QStringLiteral("ICSaleEntry");
    const auto connection = accountSet(tables);
    const auto rows = connection->execute(profitSql(g, fromInvoices, range) + QStringLiteral(" ORDER BY ") +
                                          order.sql() + QStringLiteral(", k.FNumber"));
    using K = db::FieldKind;
    ReportTable table({{QStringLiteral("FItemID"), K::Int32},
                       {QStringLiteral("FNumber"), K::Text},
                       {QStringLiteral("FName"), K::Text},
                       {QStringLiteral("FModel"), K::Text},
                       {QStringLiteral("FProp01Name"), K::Text},
                       {QStringLiteral("FProp07Name"), K::Text},
                       {QStringLiteral("FProp08Name"), K::Text},
                       {QStringLiteral("FIncome"), K::Double},
                       {QStringLiteral("FCost"), K::Double},
                       {QStringLiteral("FProfit"), K::Double},
                       {QStringLiteral("Fsumsort"), K::Int32}});
    const QString subtotal = QStringLiteral("(小计)");
    auto appendNames = [&](const QString& name) {
        for (const QString& prop :
             {QStringLiteral("FProp01Name"), QStringLiteral("FProp07Name"), QStringLiteral("FProp08Name")})
            table.text(prop == g.nameField ? name : QString());
    };
    Cents income = 0, cost = 0;
    for (; !rows->eof(); rows->moveNext()) {
        const Cents i = wholeNumber(rows->value(4)), c = wholeNumber(rows->value(5));
        const QString name = (rows->value(2).isNull() ? QString() : rows->value(2).toString()) +
                             (sumsOnly ? subtotal : QString());
        table.integer(rows->value(0).toInt32())
            .text(rows->value(1).isNull() ? QString() : rows->value(1).toString());
        table.text(name).text(rows->value(3).isNull() ? QString() : rows->value(3).toString());
        appendNames(name);
        table.money(i).money(c).money(i - c).integer(kSumSortDetail);
        income += i;
        cost += c;
    }
    const QString totalName = translate(ctx(), QStringLiteral("合计"));
    table.integer(0).text(QString()).text(totalName).text(QString());
    appendNames(totalName);
    table.money(income).money(cost).money(income - cost).integer(kSumSortReportTotal);
    return table.recordset();
}

} // namespace zrk::reports
