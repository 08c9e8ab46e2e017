// On a generated small demo account set, the report components give the same figures as the
// demo's own business-question queries (docs/demo-account-set.md) on the same file: today's
// summaries and this month's analyses.
#include "console_params.h"
#include "demo/demo_sql.h"
#include "report_fixture.h"
#include "support/demo_account_set.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace zrk::test {
namespace {

using demo::testing::Sql;

std::string day(const QDate& d) {
    return d.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}
// Two decimals of a sum; the demo's queries sum REAL values, whose drift must not show as "-0.00".
QString money(double v) {
    return QString::number(static_cast<double>(std::llround(v * 100)) / 100.0, 'f', 2);
}

// Balances per party up to ?1 (the day after the last): the receivables question of the demo,
// and the same over the suppliers.
std::string balancesSql(bool suppliers) {
    if (!suppliers)
        return R"(
SELECT c.FItemID, COALESCE(o.amt, 0) + COALESCE(i.amt, 0) - COALESCE(r.amt, 0) AS FRemainAmount, COALESCE(r.amt, 0)
FROM t_Organization c
LEFT JOIN (SELECT FObjectID AS id, SUM(FAmount) AS amt FROM t_RP_InitBal WHERE FType = 1
           GROUP BY FObjectID) o ON o.id = c.FItemID
LEFT JOIN (SELECT s.FCustID AS id, SUM(e.FAmount + e.FTaxAmount) AS amt
           FROM ICSale s JOIN ICSaleEntry e ON e.FInterID = s.FInterID
           WHERE s.FCancellation = 0 AND s.FDate < ?1 GROUP BY s.FCustID) i ON i.id = c.FItemID
LEFT JOIN (SELECT FCustID AS id, SUM(FAmount) AS amt FROM t_RP_Receipt
           WHERE FCancellation = 0 AND FDate < ?1 GROUP BY FCustID) r ON r.id = c.FItemID)";
    return R"(
SELECT v.FItemID, COALESCE(o.amt, 0) + COALESCE(i.amt, 0) - COALESCE(p.amt, 0), COALESCE(p.amt, 0)
FROM t_Supplier v
LEFT JOIN (SELECT FObjectID AS id, SUM(FAmount) AS amt FROM t_RP_InitBal WHERE FType = 2
           GROUP BY FObjectID) o ON o.id = v.FItemID
LEFT JOIN (SELECT s.FSupplyID AS id, SUM(e.FAmount + e.FTaxAmount) AS amt
           FROM ICPurchase s JOIN ICPurchaseEntry e ON e.FInterID = s.FInterID
           WHERE s.FCancellation = 0 AND s.FDate < ?1 GROUP BY s.FSupplyID) i ON i.id = v.FItemID
LEFT JOIN (SELECT FSupplyID AS id, SUM(FAmount) AS amt FROM t_RP_Payment
           WHERE FCancellation = 0 AND FDate < ?1 GROUP BY FSupplyID) p ON p.id = v.FItemID)";
}

const char* const kOrderExecution = R"(
SELECT SUM(e.FQty), SUM(e.FStockQty), SUM(e.FQty - e.FStockQty)
FROM %1Order o JOIN %1OrderEntry e ON e.FInterID = o.FInterID
WHERE o.FCancellation = 0 AND o.FDate >= ?1 AND o.FDate < ?2)";

const char* const kStockMovements = R"(
SELECT SUM(CASE WHEN b.FTranType = 1 THEN e.FQty ELSE 0 END), SUM(CASE WHEN b.FTranType = 1 THEN e.FAmount ELSE 0 END),
       SUM(CASE WHEN b.FTranType IN (1, 10) THEN e.FQty ELSE 0 END), SUM(CASE WHEN b.FTranType IN (1, 10) THEN e.FAmount ELSE 0 END),
       SUM(CASE WHEN b.FTranType = 21 THEN e.FQty ELSE 0 END), SUM(CASE WHEN b.FTranType = 21 THEN e.FAmount ELSE 0 END),
       SUM(CASE WHEN b.FTranType = 21 THEN e.FQty ELSE 0 END), SUM(CASE WHEN b.FTranType = 21 THEN e.FAmount ELSE 0 END)
FROM ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID
WHERE b.FCancellation = 0 AND b.FDate >= ?1 AND b.FDate < ?2)";

const char* const kStockDeviation = R"(
SELECT i.FName, CASE WHEN ?1 = '1' THEN COALESCE(s.qty, 0) - i.FHighLimit ELSE COALESCE(s.qty, 0) - i.FSecInv END AS FBUUnitDiff
FROM t_ICItem i
LEFT JOIN (SELECT FItemID, SUM(FQty) AS qty FROM ICInventory GROUP BY FItemID) s ON s.FItemID = i.FItemID
WHERE i.FDeleted = 0 AND ((?1 = '1' AND COALESCE(s.qty, 0) > i.FHighLimit) OR (?1 = '2' AND COALESCE(s.qty, 0) < i.FSecInv))
ORDER BY FBUUnitDiff, i.FNumber)";

const char* const kProfitByDeliveryItem = R"(
SELECT e.FItemID, SUM(e.FConsignAmount - e.FAmount) FROM ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID
WHERE b.FTranType = 21 AND b.FCancellation = 0 AND b.FDate >= ?1 AND b.FDate < ?2 GROUP BY e.FItemID)";

const char* const kProfitByInvoiceCustomer = R"(
SELECT s.FCustID, SUM(e.FAmount - d.FAmount * e.FQty / d.FQty)
FROM ICSale s JOIN ICSaleEntry e ON e.FInterID = s.FInterID
JOIN ICStockBillEntry d ON d.FInterID = e.FSourceInterID AND d.FEntryID = e.FSourceEntryID
WHERE s.FCancellation = 0 AND s.FDate >= ?1 AND s.FDate < ?2 GROUP BY s.FCustID)";

// id -> value (two decimals) of the non-zero answers of a query with the id first.
std::map<int, QString> byId(const Sql& sql, const std::string& query, const std::vector<std::string>& params,
                            int column = 1) {
    std::map<int, QString> result;
    for (const auto& row : sql.rows(query, params)) {
        if (money(row[static_cast<std::size_t>(column)].number) != money(0))
            result[static_cast<int>(row[0].number)] = money(row[static_cast<std::size_t>(column)].number);
    }
    return result;
}

std::map<int, QString> byId(db::Recordset& rs, const QString& idField, const QString& field) {
    std::map<int, QString> result;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        if (rs.value(QStringLiteral("Fsumsort")).toInt32() == 0 &&
            money(rs.value(field).toDouble()) != money(0))
            result[rs.value(idField).toInt32()] = money(rs.value(field).toDouble());
    }
    return result;
}

QStringList totalOf(db::Recordset& rs, std::int32_t sumSort, const QStringList& fields) {
    rs.setFilter(QStringLiteral("Fsumsort=%1").arg(sumSort));
    const auto rows = rowsOf(rs, fields);
    return rows.empty() ? QStringList() : rows.front();
}

class DemoAnswers : public ::testing::Test {
protected:
    ReportFixture reports{DemoInstallation::databaseFile()};
    Sql sql{DemoInstallation::databaseFile()};
    QDate today = QDate::currentDate();
    QString todayText = today.toString(QStringLiteral("yyyy-MM-dd"));
    QString monthStart = QDate(today.year(), today.month(), 1).toString(QStringLiteral("yyyy-MM-dd"));
    std::string tomorrow = day(today.addDays(1));
};

TEST_F(DemoAnswers, TodaysReceivablesAndPayables) {
    for (bool suppliers : {false, true}) {
        const auto params = arApParams(suppliers, false, todayText, todayText, QStringLiteral("0"));
        const auto rs = suppliers ? reports.payables(params) : reports.receivables(params);
        const QString idField = suppliers ? QStringLiteral("FSupplyID") : QStringLiteral("FCustID");
        EXPECT_EQ(byId(*rs, idField, QStringLiteral("FRemainAmount")),
                  byId(sql, balancesSql(suppliers), {tomorrow}))
            << suppliers;
        double remain = 0, settledToday = 0;
        for (const auto& row : sql.rows(balancesSql(suppliers), {tomorrow}))
            remain += row[1].number, settledToday += row[2].number;
        for (const auto& row : sql.rows(balancesSql(suppliers), {day(today)}))
            settledToday -= row[2].number;
        const QString settled = suppliers ? QStringLiteral("FPayAmount") : QStringLiteral("FReceiveAmount");
        EXPECT_EQ(totalOf(*rs, 102, {settled, QStringLiteral("FRemainAmount")}),
                  (QStringList{money(settledToday), money(remain)}))
            << suppliers;
    }
}

TEST_F(DemoAnswers, OrderExecutionTodayAndThisMonth) {
    for (const QString& begin : {todayText, monthStart}) {
        for (bool sales : {false, true}) {
            const auto rs =
                sales ? reports.numbered(kSalesReportsRpt138ProgId, 138, orderParams(true, begin, todayText))
                      : reports.numbered(kPurchaseReportsRpt119ProgId, 119,
                                         orderParams(false, begin, todayText));
            const auto answer = sql.rows(QString::fromUtf8(kOrderExecution)
                                             .arg(sales ? QStringLiteral("SE") : QStringLiteral("PO"))
                                             .toStdString(),
                                         {begin.toStdString(), tomorrow})[0];
            EXPECT_EQ(
                totalOf(*rs, 101, {"FOrderQty", "FCommitQty", "FUnCommitQty"}),
                (QStringList{money(answer[0].number), money(answer[1].number), money(answer[2].number)}))
                << begin.toStdString() << sales;
        }
    }
}

TEST_F(DemoAnswers, TodaysStockMovement) {
    const auto rs =
        reports.numbered(kStockReportsRpt171ProgId, 171, stockMovementParams(todayText, todayText));
    const auto answer = sql.rows(kStockMovements, {day(today), tomorrow})[0];
    QStringList expected;
    for (const auto& cell : answer)
        expected << money(cell.number);
    EXPECT_EQ(
        totalOf(*rs, 101,
                {"FCurDayInQtyBuy", "FCurDayInAmountBuy", "FCurDayInQtySum", "FCurDayInAmountSum",
                 "FCurDayOutQtySale", "FCurDayOutAmountSale", "FCurDayOutQtySum", "FCurDayOutAmountSum"}),
        expected);
}

TEST_F(DemoAnswers, OverstockAndShortage) {
    for (std::int16_t aType : {std::int16_t(1), std::int16_t(2)}) {
        auto params = stockDeviationParams(aType);
        params->set(QStringLiteral("Orderby"), QStringLiteral(" FBUUnitDiff ASC "));
        const auto rs = reports.numbered(kStockReportsRpt112ProgId, 112, params);
        rs->setFilter(QStringLiteral("Fsumsort<>101"));
        std::vector<QStringList> expected;
        for (const auto& row : sql.rows(kStockDeviation, {std::to_string(aType)}))
            expected.push_back({QString::fromStdString(row[0].text), money(row[1].number)});
        EXPECT_FALSE(expected.empty()) << aType;
        EXPECT_EQ(rowsOf(*rs, {"FName", "FBUUnitDiff"}), expected) << aType;
    }
}

TEST_F(DemoAnswers, ThisMonthsGrossProfit) {
    const std::vector<std::string> month{monthStart.toStdString(), tomorrow};
    const auto byItem =
        reports.numbered(kCostReportsRpt2167ProgId, 2167, grossProfitParams(0, false, monthStart, todayText));
    EXPECT_EQ(byId(*byItem, QStringLiteral("FItemID"), QStringLiteral("FProfit")),
              byId(sql, kProfitByDeliveryItem, month));
    const auto byCustomer =
        reports.numbered(kCostReportsRpt2167ProgId, 2167, grossProfitParams(1, true, monthStart, todayText));
    const auto expected = byId(sql, kProfitByInvoiceCustomer, month);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(byId(*byCustomer, QStringLiteral("FItemID"), QStringLiteral("FProfit")), expected);
}

} // namespace
} // namespace zrk::test
