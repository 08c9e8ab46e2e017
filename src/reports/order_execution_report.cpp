#include "reports/order_execution_report.h"

#include "reports/report_database.h"
#include "reports/report_table.h"
#include "session/texts.h"

namespace zrk::reports {

namespace {

// The one order type the account set keeps: ordinary purchase and sale ("购销").
constexpr std::int32_t kOrdinaryOrderType = 20302;
constexpr std::int32_t kAnyOrderType = -1;

struct OrderQuery {
    QString orders; // POOrder / SEOrder, with …Entry
    ReportParams::Range range;
    QString statusWhere;
    QString closedWhere;
    bool typeKept = true;
    QString itemWhere;
};

QString auditWhere(std::int32_t checkState) {
    switch (checkState) {
    case 0:
        return QStringLiteral(" AND o.FStatus = 0");
    case 1:
        return QStringLiteral(" AND o.FStatus = 1");
    default:
        return {};
    }
}

QString closedWhere(bool purchase, std::int32_t state) {
    // Purchase "CheckClose": 0 open, 1 closed, 2 all. Sales "CloseState": 0 all, 1 open, 2 closed.
    const int open = purchase ? 0 : 1, closed = purchase ? 1 : 2;
    if (state == open)
        return QStringLiteral(" AND o.FClosed = 0");
    if (state == closed)
        return QStringLiteral(" AND o.FClosed = 1");
    return {};
}

// The lines are summed per item first and only the sums meet the item and its class: summing
// under the item's texts would carry them through the grouping of every line.
QString orderSql(const OrderQuery& q) {
    QString where =
        QStringLiteral("o.FCancellation = 0 AND o.FDate >= %1 AND o.FDate < %2%3%4")
            .arg(dayLiteral(q.range.begin), dayLiteral(q.range.end.addDays(1)), q.statusWhere, q.closedWhere);
    if (!q.typeKept)
        where += QStringLiteral(" AND 1 = 0");
    return QStringLiteral("SELECT i.FItemID, i.FNumber, i.FName, i.FModel, g.FNumber AS FClassNumber, "
                          "g.FName AS FClassName, x.FOrderQty, x.FCommitQty "
                          "FROM (SELECT e.FItemID, SUM(%1) AS FOrderQty, SUM(%2) AS FCommitQty "
                          "FROM %3 o JOIN %3Entry e ON e.FInterID = o.FInterID "
                          "JOIN t_MeasureUnit u ON u.FMeasureUnitID = e.FUnitID WHERE %4 "
                          "GROUP BY e.FItemID) x JOIN t_ICItem i ON i.FItemID = x.FItemID "
                          "LEFT JOIN t_Item g ON g.FItemID = i.FParentID WHERE 1 = 1%5 "
                          "ORDER BY g.FNumber, i.FNumber")
        .arg(qtyUnitsOf(QStringLiteral("e.FQty * u.FCoefficient")),
             qtyUnitsOf(QStringLiteral("e.FStockQty * u.FCoefficient")), q.orders, where, q.itemWhere);
}

OrderQuery readQuery(const ReportParams& params, bool purchase) {
    OrderQuery q;
    q.orders = purchase ? QStringLiteral("POOrder") : QStringLiteral("SEOrder");
    q.range = params.dateRange(QStringLiteral("BDate"), QStringLiteral("EDate"));
    q.statusWhere = auditWhere(params.choice(QStringLiteral("CheckState"), {0, 1, 2}, 2));
    q.closedWhere = purchase ? closedWhere(true, params.choice(QStringLiteral("CheckClose"), {0, 1, 2}, 2))
                             : closedWhere(false, params.choice(QStringLiteral("CloseState"), {0, 1, 2}, 0));
    const std::int32_t type = params.integer(QStringLiteral("OrderType"), kAnyOrderType);
    q.typeKept = type == kAnyOrderType || type == kOrdinaryOrderType;
    q.itemWhere = params.itemNumberWhere(QStringLiteral("i.FNumber"));
    params.requireEmpty(purchase
                            ? QStringList{"BEmp", "EEmp", "BBillNo", "EBillNo", "BDept", "EDept",
                                          "BSupplyNumber", "ESupplyNumber", "BBranchNumber", "EBranchNumber",
                                          "ItemClassNumber", "DataRightFrom", "DataRightWhere"}
                            : QStringList{"BCustNumber", "ECustNumber", "BCompanyNumber", "ECompanyNumber",
                                          "BDept", "EDept", "BEmp", "EEmp", "BBillNo", "EBillNo"});
    return q;
}

} // namespace

OrderExecutionReport::OrderExecutionReport(ConsoleContext& ctx, Side side)
    : NumberedReport(ctx, side == Side::Purchase ? kPurchaseReportsRpt119ProgId : kSalesReportsRpt138ProgId,
                     side == Side::Purchase ? 119 : 138),
      side_(side) {}

db::RecordsetPtr OrderExecutionReport::compute(const ReportParams& params) {
    const bool purchase = side_ == Side::Purchase;
    const OrderQuery q = readQuery(params, purchase);
    const auto connection =
        accountSet({q.orders, q.orders + QStringLiteral("Entry"), QStringLiteral("t_ICItem"),
                    QStringLiteral("t_MeasureUnit"), QStringLiteral("t_Item")});
    const auto rows = connection->execute(orderSql(q));
    using K = db::FieldKind;
    ReportTable table({{QStringLiteral("FItemID"), K::Int32},
                       {QStringLiteral("FNumber"), K::Text},
                       {QStringLiteral("FName"), K::Text},
                       {QStringLiteral("FModel"), K::Text},
                       {QStringLiteral("FClassNumber"), K::Text},
                       {QStringLiteral("FClassName"), K::Text},
                       {QStringLiteral("FOrderQty"), K::Double},
                       {QStringLiteral("FCommitQty"), K::Double},
                       {QStringLiteral("FUnCommitQty"), K::Double},
                       {QStringLiteral("Fsumsort"), K::Int32}});
    QtyUnits ordered = 0, committed = 0;
    for (; !rows->eof(); rows->moveNext()) {
        const QtyUnits o = wholeNumber(rows->value(6)), c = wholeNumber(rows->value(7));
        table.integer(rows->value(0).toInt32());
        for (int column = 1; column <= 5; ++column)
            table.text(rows->value(column).isNull() ? QString() : rows->value(column).toString());
        table.quantity(o).quantity(c).quantity(o - c).integer(kSumSortDetail);
        ordered += o;
        committed += c;
    }
    table.integer(0).text(QString()).text(translate(ctx(), QStringLiteral("合计"))).text(QString());
    table.text(QString()).text(QString()).quantity(ordered).quantity(committed).quantity(ordered - committed);
    table.integer(kSumSortReportTotal);
    return table.recordset();
}

} // namespace zrk::reports
