// The reports of the suite's report catalogue (t_Rpt_Content), by FRptID, as tables.
#include "platform/db/sql_literal.h"
#include "plugins/functions/list_source.h"
#include "plugins/functions/money.h"
#include "plugins/functions/statements.h"

namespace zrk::functions {

namespace {

using K = ColumnKind;

QString day(const QDate& d) {
    return db::sqlText(d.toString(QStringLiteral("yyyy-MM-dd")));
}

QString c(const char* expression) {
    return centsSql(QLatin1String(expression));
}

// Balances per customer (receivables) or supplier (payables) at the end of the period. The
// documents are grouped by +partner: walking the partner index instead would fetch every
// document and its lines at random (six times slower on a large set).
QString balanceSql(bool receivable, const ListParameters& p) {
    const QString party = receivable ? QStringLiteral("t_Organization") : QStringLiteral("t_Supplier");
    const QString invoice = receivable ? QStringLiteral("ICSale") : QStringLiteral("ICPurchase");
    const QString settle = receivable ? QStringLiteral("t_RP_Receipt") : QStringLiteral("t_RP_Payment");
    const QString partner = receivable ? QStringLiteral("FCustID") : QStringLiteral("FSupplyID");
    return QStringLiteral(
               "SELECT x.FNumber, x.FName, COALESCE(o.amt, 0) AS FOpening, COALESCE(i.amt, 0) AS FInvoiced, "
               "COALESCE(r.amt, 0) AS FSettled, COALESCE(o.amt, 0) + COALESCE(i.amt, 0) - COALESCE(r.amt, 0) "
               "AS FRemain, "
               "i.lastDay AS FLastInvoice, r.lastDay AS FLastSettle FROM %1 x "
               "LEFT JOIN (SELECT FObjectID AS id, SUM(%2) AS amt FROM t_RP_InitBal WHERE FType = %3 GROUP "
               "BY FObjectID) o "
               "ON o.id = x.FItemID "
               "LEFT JOIN (SELECT s.%4 AS id, SUM(%5) AS amt, MAX(s.FDate) AS lastDay FROM %6 s JOIN %6Entry "
               "e "
               "ON e.FInterID = s.FInterID WHERE s.FCancellation = 0 AND s.FDate < %7 GROUP BY +s.%4) i ON "
               "i.id = x.FItemID "
               "LEFT JOIN (SELECT %4 AS id, SUM(%2) AS amt, MAX(FDate) AS lastDay FROM %8 WHERE "
               "FCancellation = 0 "
               "AND FDate < %7 GROUP BY +%4) r ON r.id = x.FItemID WHERE x.FDeleted = 0 ORDER BY FRemain "
               "DESC, x.FNumber")
        .arg(party, c("FAmount"), receivable ? QStringLiteral("1") : QStringLiteral("2"), partner,
             c("e.FAmount + e.FTaxAmount"), invoice, day(p.to), settle);
}

ListSourcePtr balanceReport(const QString& title, bool receivable) {
    const QString who = receivable ? QStringLiteral("客户") : QStringLiteral("供应商");
    return std::make_shared<QuerySource>(
        title, ParameterKind::Period,
        [receivable](const ListParameters& p) { return balanceSql(receivable, p); },
        std::vector<ListColumn>{{"FNumber", who + QStringLiteral("代码")},
                                {"FName", who + QStringLiteral("名称")},
                                {"FOpening", "期初余额", K::Cents},
                                {"FInvoiced", receivable ? "累计应收" : "累计应付", K::Cents},
                                {"FSettled", receivable ? "累计收款" : "累计付款", K::Cents},
                                {"FRemain", "期末余额", K::Cents},
                                {"FLastInvoice", "最后开票日期", K::Date},
                                {"FLastSettle", receivable ? "最后收款日期" : "最后付款日期", K::Date}});
}

ListSourcePtr orderExecution(const QString& title, bool sales) {
    return std::make_shared<QuerySource>(
        title, ParameterKind::Period,
        [sales](const ListParameters& p) {
            return QStringLiteral(
                       "SELECT o.FBillNo, o.FDate, x.FName AS FPartner, i.FNumber, i.FName AS FItemName, "
                       "e.FQty, e.FStockQty, e.FQty - e.FStockQty AS FOpenQty, e.FAmount FROM %1 o "
                       "JOIN %1Entry e ON e.FInterID = o.FInterID LEFT JOIN %2 x ON x.FItemID = o.%3 "
                       "LEFT JOIN t_ICItem i ON i.FItemID = e.FItemID WHERE o.FCancellation = 0 "
                       "AND o.FDate >= %4 AND o.FDate < %5 ORDER BY o.FDate, o.FBillNo, e.FEntryID")
                .arg(sales ? QStringLiteral("SEOrder") : QStringLiteral("POOrder"),
                     sales ? QStringLiteral("t_Organization") : QStringLiteral("t_Supplier"),
                     sales ? QStringLiteral("FCustID") : QStringLiteral("FSupplyID"), day(p.from), day(p.to));
        },
        std::vector<ListColumn>{{"FBillNo", "订单编号"},
                                {"FDate", "日期", K::Date},
                                {"FPartner", sales ? "客户" : "供应商"},
                                {"FNumber", "物料代码"},
                                {"FItemName", "物料名称"},
                                {"FQty", "订货数量", K::Number},
                                {"FStockQty", sales ? "已出库数量" : "已入库数量", K::Number},
                                {"FOpenQty", "未执行数量", K::Number},
                                {"FAmount", "金额", K::Money}});
}

ListSourcePtr stockLedger() {
    return std::make_shared<QuerySource>(
        QStringLiteral("库存台账"), ParameterKind::None,
        [](const ListParameters&) {
            return QStringLiteral(
                       "SELECT i.FNumber, i.FName, i.FModel, s.FName AS FStock, v.FBatchNo, v.FQty, %1 AS "
                       "FBal "
                       "FROM ICInventory v JOIN t_ICItem i ON i.FItemID = v.FItemID "
                       "LEFT JOIN t_Stock s ON s.FItemID = v.FStockID ORDER BY i.FNumber, s.FNumber")
                .arg(c("v.FBal"));
        },
        std::vector<ListColumn>{{"FNumber", "物料代码"},
                                {"FName", "物料名称"},
                                {"FModel", "规格型号"},
                                {"FStock", "仓库"},
                                {"FBatchNo", "批次"},
                                {"FQty", "库存数量", K::Number},
                                {"FBal", "库存金额", K::Cents}});
}

ListSourcePtr safetyStock() {
    return std::make_shared<QuerySource>(
        QStringLiteral("安全库存预警分析表"), ParameterKind::None,
        [](const ListParameters&) {
            return QStringLiteral(
                       "SELECT i.FNumber, i.FName, i.FModel, COALESCE(s.qty, 0) AS FQty, i.FSecInv, "
                       "i.FHighLimit, "
                       "CASE WHEN COALESCE(s.qty, 0) < i.FSecInv THEN %1 ELSE %2 END AS FState, "
                       "CASE WHEN COALESCE(s.qty, 0) < i.FSecInv THEN COALESCE(s.qty, 0) - i.FSecInv "
                       "ELSE COALESCE(s.qty, 0) - i.FHighLimit END AS FDiff FROM t_ICItem i "
                       "LEFT JOIN (SELECT FItemID, SUM(FQty) AS qty FROM ICInventory GROUP BY FItemID) s ON "
                       "s.FItemID = i.FItemID "
                       "WHERE i.FDeleted = 0 AND (COALESCE(s.qty, 0) < i.FSecInv OR COALESCE(s.qty, 0) > "
                       "i.FHighLimit) "
                       "ORDER BY FState, i.FNumber")
                .arg(db::sqlNText(QStringLiteral("短缺")), db::sqlNText(QStringLiteral("超储")));
        },
        std::vector<ListColumn>{{"FNumber", "物料代码"},
                                {"FName", "物料名称"},
                                {"FModel", "规格型号"},
                                {"FQty", "库存数量", K::Number},
                                {"FSecInv", "安全库存", K::Number},
                                {"FHighLimit", "最高库存", K::Number},
                                {"FState", "预警", K::Term},
                                {"FDiff", "差异数量", K::Number}});
}

ListSourcePtr stockMovement() {
    return std::make_shared<QuerySource>(
        QStringLiteral("存货收发存汇总表"), ParameterKind::Period,
        [](const ListParameters& p) {
            const QString in = QStringLiteral("b.FTranType IN (10, 1)");
            const QString early = QStringLiteral("b.FDate < ") + day(p.from);
            const QString now = QStringLiteral("b.FDate >= %1 AND b.FDate < %2").arg(day(p.from), day(p.to));
            const auto sum = [](const QString& when, const QString& what) {
                return QStringLiteral("SUM(CASE WHEN %1 THEN %2 ELSE 0 END)").arg(when, what);
            };
            const QString sign = QStringLiteral("(CASE WHEN %1 THEN 1 ELSE -1 END)").arg(in);
            return QStringLiteral(
                       "SELECT i.FNumber, i.FName, %1 AS FOpenQty, %2 AS FOpenBal, %3 AS FInQty, %4 AS "
                       "FInBal, "
                       "%5 AS FOutQty, %6 AS FOutBal, %7 AS FCloseQty, %8 AS FCloseBal "
                       "FROM ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID "
                       "JOIN t_ICItem i ON i.FItemID = e.FItemID WHERE b.FCancellation = 0 AND b.FDate < %9 "
                       "GROUP BY i.FNumber, i.FName ORDER BY i.FNumber")
                .arg(sum(early, sign + QStringLiteral(" * e.FQty")),
                     sum(early, sign + QStringLiteral(" * ") + c("e.FAmount")),
                     sum(now + QStringLiteral(" AND ") + in, QStringLiteral("e.FQty")),
                     sum(now + QStringLiteral(" AND ") + in, c("e.FAmount")),
                     sum(now + QStringLiteral(" AND b.FTranType = 21"), QStringLiteral("e.FQty")),
                     sum(now + QStringLiteral(" AND b.FTranType = 21"), c("e.FAmount")),
                     QStringLiteral("SUM(%1 * e.FQty)").arg(sign),
                     QStringLiteral("SUM(%1 * %2)").arg(sign, c("e.FAmount")), day(p.to));
        },
        std::vector<ListColumn>{{"FNumber", "物料代码"},
                                {"FName", "物料名称"},
                                {"FOpenQty", "期初数量", K::Number},
                                {"FOpenBal", "期初金额", K::Cents},
                                {"FInQty", "收入数量", K::Number},
                                {"FInBal", "收入金额", K::Cents},
                                {"FOutQty", "发出数量", K::Number},
                                {"FOutBal", "发出金额", K::Cents},
                                {"FCloseQty", "结存数量", K::Number},
                                {"FCloseBal", "结存金额", K::Cents}});
}

// Sales of the deliveries in the period by a key: per item (gross profit) or per customer.
ListSourcePtr salesBy(const QString& title, bool perItem) {
    return std::make_shared<QuerySource>(
        title, ParameterKind::Period,
        [perItem](const ListParameters& p) {
            return QStringLiteral(
                       "SELECT x.FNumber, x.FName, SUM(e.FQty) AS FQty, SUM(%1) AS FIncome, SUM(%2) AS "
                       "FCost, "
                       "SUM(%1) - SUM(%2) AS FProfit FROM ICStockBill b "
                       "JOIN ICStockBillEntry e ON e.FInterID = b.FInterID JOIN %3 x ON x.FItemID = %4 "
                       "WHERE b.FTranType = 21 AND b.FCancellation = 0 AND b.FDate >= %5 AND b.FDate < %6 "
                       "GROUP BY x.FNumber, x.FName ORDER BY %7 DESC, x.FNumber")
                .arg(c("e.FConsignAmount"), c("e.FAmount"),
                     perItem ? QStringLiteral("t_ICItem") : QStringLiteral("t_Organization"),
                     perItem ? QStringLiteral("e.FItemID") : QStringLiteral("b.FSupplyID"), day(p.from),
                     day(p.to), perItem ? QStringLiteral("FProfit") : QStringLiteral("FIncome"));
        },
        std::vector<ListColumn>{{"FNumber", perItem ? "物料代码" : "客户代码"},
                                {"FName", perItem ? "物料名称" : "客户名称"},
                                {"FQty", "销售数量", K::Number},
                                {"FIncome", "销售收入", K::Cents},
                                {"FCost", "销售成本", K::Cents},
                                {"FProfit", "毛利", K::Cents}});
}

} // namespace

ListSourcePtr reportSource(const QString& classParam, const Translator& tr) {
    bool ok = false;
    const int id = parameterValue(classParam, QStringLiteral("FRptID")).toInt(&ok);
    if (ok) {
        if (ListSourcePtr statement = statementSource(id))
            return statement;
        switch (id) {
        case 131:
            return balanceReport(QStringLiteral("应收款明细表"), true);
        case 132:
            return balanceReport(QStringLiteral("应付款明细表"), false);
        case 133:
            return balanceReport(QStringLiteral("应收账龄分析表"), true);
        case 119:
            return orderExecution(QStringLiteral("采购订单执行情况明细表"), false);
        case 138:
            return orderExecution(QStringLiteral("销售订单执行情况明细表"), true);
        case 171:
            return stockLedger();
        case 112:
            return safetyStock();
        case 172:
            return stockMovement();
        case 2167:
            return salesBy(QStringLiteral("销售毛利润表"), true);
        case 5001:
            return salesBy(QStringLiteral("自定义客户销售排行"), false);
        default:
            break;
        }
    }
    raiseUnknownParameter(tr, QStringLiteral("ReportViewer.SrvRptRetrieve"), classParam);
}

} // namespace zrk::functions
