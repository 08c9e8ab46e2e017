#include "reports/stock_movement_report.h"

#include "reports/report_database.h"
#include "reports/report_table.h"
#include "session/texts.h"

#include <array>

namespace zrk::reports {

namespace {

// The stock bill types of the account set: receipts are purchase receipts (1) and opening
// stock (10); the sales deliveries (21) are its only issues.
const QString kPurchaseReceipt = QStringLiteral("1");
const QString kReceipts = QStringLiteral("1, 10");
const QString kSalesDelivery = QStringLiteral("21");
const QString kIssues = QStringLiteral("21");

// The eight figures, in the order of kFields: quantity and amount of each movement.
constexpr int kFigures = 8;
const std::array<const char*, kFigures> kFields = {
    "FCurDayInQtyBuy",   "FCurDayInAmountBuy",   "FCurDayInQtySum",  "FCurDayInAmountSum",
    "FCurDayOutQtySale", "FCurDayOutAmountSale", "FCurDayOutQtySum", "FCurDayOutAmountSum"};

// The lines are summed per item first; only the sums meet the item's texts. where holds the
// conditions on the bills (alias b) and itemWhere those on the items (alias i).
QString movementSql(const ReportParams::Range& range, const QString& where, const QString& itemWhere) {
    QStringList sums, figures;
    for (const QString& types : {kPurchaseReceipt, kReceipts, kSalesDelivery, kIssues}) {
        for (const QString& value :
             {qtyUnitsOf(QStringLiteral("e.FQty * u.FCoefficient")), centsOf(QStringLiteral("e.FAmount"))}) {
            const QString name = QStringLiteral("F%1").arg(figures.size());
            sums << QStringLiteral("SUM(CASE WHEN b.FTranType IN (%1) THEN %2 ELSE 0 END) AS %3")
                        .arg(types, value, name);
            figures << QStringLiteral("x.") + name;
        }
    }
    return QStringLiteral("SELECT i.FItemID, i.FNumber, i.FName, i.FModel, %1 "
                          "FROM (SELECT e.FItemID, %2 "
                          "FROM ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID "
                          "JOIN t_MeasureUnit u ON u.FMeasureUnitID = e.FUnitID "
                          "WHERE b.FCancellation = 0 AND b.FDate >= %3 AND b.FDate < %4 "
                          "AND b.FTranType IN (%5, %6)%7 GROUP BY e.FItemID) x "
                          "JOIN t_ICItem i ON i.FItemID = x.FItemID WHERE 1 = 1%8 ORDER BY i.FNumber")
        .arg(figures.join(QStringLiteral(", ")), sums.join(QStringLiteral(", ")), dayLiteral(range.begin),
             dayLiteral(range.end.addDays(1)), kReceipts, kIssues, where, itemWhere);
}

struct MovementWhere {
    QString bills, items;
};

MovementWhere readWhere(const ReportParams& params) {
    MovementWhere where;
    const std::int32_t check = params.choice(QStringLiteral("CheckState"), {0, 1, 2}, 2);
    if (check != 2)
        where.bills += QStringLiteral(" AND b.FStatus = %1").arg(check);
    where.items = params.itemNumberWhere(QStringLiteral("i.FNumber"));
    params.requireEmpty({QStringLiteral("BBatchNo"), QStringLiteral("EBatchNo"),
                         QStringLiteral("BStockNumber"), QStringLiteral("EStockNumber"),
                         QStringLiteral("BSPNumber"), QStringLiteral("ESPNumber")});
    return where;
}

} // namespace

StockMovementReport::StockMovementReport(ConsoleContext& ctx)
    : NumberedReport(ctx, kStockReportsRpt171ProgId, 171) {}

db::RecordsetPtr StockMovementReport::compute(const ReportParams& params) {
    const auto range = params.dateRange(QStringLiteral("BDate"), QStringLiteral("EDate"));
    const MovementWhere where = readWhere(params);
    const auto connection = accountSet({QStringLiteral("ICStockBill"), QStringLiteral("ICStockBillEntry"),
                                        QStringLiteral("t_ICItem"), QStringLiteral("t_MeasureUnit")});
    const auto rows = connection->execute(movementSql(range, where.bills, where.items));
    using K = db::FieldKind;
    std::vector<ReportTable::ColumnDef> columns{{QStringLiteral("FItemID"), K::Int32},
                                                {QStringLiteral("FNumber"), K::Text},
                                                {QStringLiteral("FName"), K::Text},
                                                {QStringLiteral("FModel"), K::Text}};
    for (const char* field : kFields)
        columns.push_back({QString::fromLatin1(field), K::Double});
    columns.push_back({QStringLiteral("Fsumsort"), K::Int32});
    ReportTable table(columns);
    std::array<std::int64_t, kFigures> total{};
    auto appendFigures = [&table](const std::array<std::int64_t, kFigures>& f) {
        for (int k = 0; k < kFigures; k += 2)
            table.quantity(f[static_cast<std::size_t>(k)]).money(f[static_cast<std::size_t>(k) + 1]);
    };
    for (; !rows->eof(); rows->moveNext()) {
        std::array<std::int64_t, kFigures> f{};
        for (int k = 0; k < kFigures; ++k) {
            f[static_cast<std::size_t>(k)] = wholeNumber(rows->value(4 + k));
            total[static_cast<std::size_t>(k)] += f[static_cast<std::size_t>(k)];
        }
        table.integer(rows->value(0).toInt32())
            .text(rows->value(1).toString())
            .text(rows->value(2).toString());
        table.text(rows->value(3).toString());
        appendFigures(f);
        table.integer(kSumSortDetail);
    }
    table.integer(0).text(QString()).text(translate(ctx(), QStringLiteral("合计"))).text(QString());
    appendFigures(total);
    table.integer(kSumSortReportTotal);
    return table.recordset();
}

} // namespace zrk::reports
