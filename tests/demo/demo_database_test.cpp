#include "demo_generator.h"
#include "demo_sql.h"
#include "platform/password_hash.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace zrk::demo {
namespace {
// The users' digests with little work: these tests are about the data, not the password work.
constexpr int kQuickIterations = 1000;

using testing::Row;
using testing::Sql;

// The business questions, one query each, as docs/demo-account-set.md gives them. Parameters:
// ?1 the first day, ?2 the day after the last ('yyyy-MM-dd'); dates are kept as
// 'yyyy-MM-dd HH:mm:ss' text, so a half-open range on the text covers whole days.
const char* const kReceivables = R"(
SELECT c.FItemID, c.FName,
       COALESCE(o.amt, 0) AS FOpening, COALESCE(i.amt, 0) AS FInvoiced, COALESCE(r.amt, 0) AS FReceived,
       COALESCE(o.amt, 0) + COALESCE(i.amt, 0) - COALESCE(r.amt, 0) AS FRemainAmount
FROM t_Organization c
LEFT JOIN (SELECT FObjectID AS id, SUM(FAmount) AS amt FROM t_RP_InitBal WHERE FType = 1
           GROUP BY FObjectID) o ON o.id = c.FItemID
LEFT JOIN (SELECT s.FCustID AS id, SUM(e.FAmount + e.FTaxAmount) AS amt
           FROM ICSale s JOIN ICSaleEntry e ON e.FInterID = s.FInterID
           WHERE s.FCancellation = 0 AND s.FDate < ?1 GROUP BY s.FCustID) i ON i.id = c.FItemID
LEFT JOIN (SELECT FCustID AS id, SUM(FAmount) AS amt FROM t_RP_Receipt
           WHERE FCancellation = 0 AND FDate < ?1 GROUP BY FCustID) r ON r.id = c.FItemID
ORDER BY FRemainAmount DESC)";

const char* const kPayablesInCurrency = R"(
SELECT v.FItemID, v.FName,
       COALESCE(o.amt, 0) + COALESCE(i.amt, 0) - COALESCE(p.amt, 0) AS FRemainAmountFor
FROM t_Supplier v
LEFT JOIN (SELECT FObjectID AS id, SUM(FAmountFor) AS amt FROM t_RP_InitBal WHERE FType = 2 AND FCurrencyID = ?2
           GROUP BY FObjectID) o ON o.id = v.FItemID
LEFT JOIN (SELECT s.FSupplyID AS id, SUM(e.FAmountFor + e.FTaxAmountFor) AS amt
           FROM ICPurchase s JOIN ICPurchaseEntry e ON e.FInterID = s.FInterID
           WHERE s.FCancellation = 0 AND s.FDate < ?1 AND s.FCurrencyID = ?2 GROUP BY s.FSupplyID) i ON i.id = v.FItemID
LEFT JOIN (SELECT FSupplyID AS id, SUM(FAmountFor) AS amt FROM t_RP_Payment
           WHERE FCancellation = 0 AND FDate < ?1 AND FCurrencyID = ?2 GROUP BY FSupplyID) p ON p.id = v.FItemID
WHERE v.FCurrencyID = ?2)";

const char* const kSalesOrderExecution = R"(
SELECT SUM(e.FQty) AS FOrderQty, SUM(e.FStockQty) AS FCommitQty, SUM(e.FQty - e.FStockQty) AS FUnCommitQty
FROM SEOrder o JOIN SEOrderEntry e ON e.FInterID = o.FInterID
WHERE o.FCancellation = 0 AND o.FDate >= ?1 AND o.FDate < ?2)";

const char* const kPurchaseOrderExecution = R"(
SELECT SUM(e.FQty) AS FOrderQty, SUM(e.FStockQty) AS FCommitQty, SUM(e.FQty - e.FStockQty) AS FUnCommitQty
FROM POOrder o JOIN POOrderEntry e ON e.FInterID = o.FInterID
WHERE o.FCancellation = 0 AND o.FDate >= ?1 AND o.FDate < ?2)";

const char* const kStockMovements = R"(
SELECT SUM(CASE WHEN b.FTranType = 1 THEN e.FQty ELSE 0 END) AS FCurDayInQtyBuy,
       SUM(CASE WHEN b.FTranType = 1 THEN e.FAmount ELSE 0 END) AS FCurDayInAmountBuy,
       SUM(CASE WHEN b.FTranType IN (1, 10) THEN e.FQty ELSE 0 END) AS FCurDayInQtySum,
       SUM(CASE WHEN b.FTranType IN (1, 10) THEN e.FAmount ELSE 0 END) AS FCurDayInAmountSum,
       SUM(CASE WHEN b.FTranType = 21 THEN e.FQty ELSE 0 END) AS FCurDayOutQtySale,
       SUM(CASE WHEN b.FTranType = 21 THEN e.FAmount ELSE 0 END) AS FCurDayOutAmountSale
FROM ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID
WHERE b.FCancellation = 0 AND b.FDate >= ?1 AND b.FDate < ?2)";

// ?1: 1 overstock (above the maximum), 2 shortage (below the safety stock).
const char* const kStockDeviation = R"(
SELECT i.FItemID, i.FName, i.FModel, COALESCE(s.qty, 0) AS FQty, i.FSecInv, i.FHighLimit,
       CASE WHEN ?1 = '1' THEN COALESCE(s.qty, 0) - i.FHighLimit ELSE COALESCE(s.qty, 0) - i.FSecInv END AS FBUUnitDiff
FROM t_ICItem i
LEFT JOIN (SELECT FItemID, SUM(FQty) AS qty FROM ICInventory GROUP BY FItemID) s ON s.FItemID = i.FItemID
WHERE i.FDeleted = 0 AND ((?1 = '1' AND COALESCE(s.qty, 0) > i.FHighLimit) OR (?1 = '2' AND COALESCE(s.qty, 0) < i.FSecInv))
ORDER BY FBUUnitDiff)";

// Gross profit from the sales deliveries, grouped by %1 (e.FItemID, b.FSupplyID = customer,
// b.FDeptID, b.FEmpID).
std::string grossProfitByDelivery(const char* key) {
    return std::string("SELECT ") + key +
           R"( AS FKey, SUM(e.FConsignAmount) AS FIncome, SUM(e.FAmount) AS FCost,
       SUM(e.FConsignAmount - e.FAmount) AS FProfit
FROM ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID
WHERE b.FTranType = 21 AND b.FCancellation = 0 AND b.FDate >= ?1 AND b.FDate < ?2
GROUP BY )" +
           key + " ORDER BY FProfit DESC";
}

// Gross profit from the sales invoices, costed with the deliveries they bill.
const char* const kGrossProfitByInvoice = R"(
SELECT s.FCustID AS FKey, SUM(e.FAmount) AS FIncome, SUM(d.FAmount * e.FQty / d.FQty) AS FCost,
       SUM(e.FAmount - d.FAmount * e.FQty / d.FQty) AS FProfit
FROM ICSale s JOIN ICSaleEntry e ON e.FInterID = s.FInterID
JOIN ICStockBillEntry d ON d.FInterID = e.FSourceInterID AND d.FEntryID = e.FSourceEntryID
WHERE s.FCancellation = 0 AND s.FDate >= ?1 AND s.FDate < ?2
GROUP BY s.FCustID ORDER BY FProfit DESC)";

const QDate kToday(2025, 3, 31); // a Monday
constexpr std::uint64_t kSeed = 4242;

std::string day(const QDate& d) {
    return d.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

class DemoDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        file_ = dir_->filePath(QStringLiteral("demo.zrkdb"));
        buildDemoDatabase(file_, {DemoSize::Small, kSeed, kToday, kQuickIterations});
    }
    static void TearDownTestSuite() { dir_.reset(); }

    Sql sql{file_};
    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline QString file_;
};

TEST_F(DemoDatabase, HoldsEveryTableWithRows) {
    for (const TableCount& t : countDemoRows(sql.handle()))
        EXPECT_GT(t.rows, 0) << t.table;
}

// The console's own statements against the suite tables, as it sends them.
TEST_F(DemoDatabase, AnswersTheConsolesSuiteQueries) {
    struct Case {
        std::string sql;
        std::string expected;
    };
    const Case cases[] = {
        {"Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='StartYear'", "2024"},
        {"Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='StartPeriod'", "1"},
        {"Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='CurrentYear'", "2025"},
        {"Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='CurrentPeriod'", "3"},
        {"Select FValue from t_SystemProfile WHERE FCateGory='ARAP' AND FKey='Closed'", "1"},
        {"select FValue from t_systemprofile where FCategory='General' and fkey ='CompanyType'", "1"},
        {"select FValue from t_systemprofile where FCategory='GL' and fkey ='AccountType'", "1"},
        {"select FValue from t_systemprofile where FCategory='GL' and fkey ='PeriodCount'", "12"},
        {"select FValue from t_systemprofile where FCategory='CN' and fkey ='CN_CURRENT_YEAR'", "2025"},
        {"select FValue from t_systemprofile where FCategory='CN' and fkey ='CN_CURRENT_PERIOD'", "3"},
        {"select FStartDate from t_PeriodDate where FYear=2024  and FPeriod=1", "2024-01-01 00:00:00"},
        {"select FEndDate from t_PeriodDate where FYear=2024  and FPeriod=2", "2024-02-29 00:00:00"},
        {"select count(*) from ( Select FCurrencyID,FName from t_Currency Where FCurrencyID>0 )", "4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sql.text(c.sql), c.expected) << c.sql;
    for (const char* key : {"PeriodDates", "StartPeriod", "StartYear"})
        EXPECT_FALSE(
            sql.text("select FValue from t_SystemProfile where FCategory='GL' and FKey=?", {key}).empty())
            << key;
    EXPECT_FALSE(
        sql.text("select FValue from t_SystemProfile where FCategory='General' and FKey='CompanyName'")
            .empty());

    // The owner-report list takes the catalogue's visible type-1 reports with these columns.
    const auto reports =
        sql.rows("Select FRptID,FRptName,FRptName_Cht,FRptName_EN,FSysName,FYear,FPeriod,FOwner,"
                 "FRptType,FRptData,FPrinterBuf,FLastOperator,FLastDate,F500,F1001,'0' from t_Rpt_Content "
                 "Where FRptType=1 and FVisibleInList='1'");
    EXPECT_GE(reports.size(), 5u);
    for (const Row& r : reports)
        for (int c : {1, 2, 3, 4, 7, 8, 13, 14})
            EXPECT_FALSE(r[static_cast<std::size_t>(c)].null) << "column " << c << " of report " << r[0].text;
    EXPECT_GT(sql.number("select count(*) from t_Rpt_Content where FRptType=1 and FVisibleInList='0'"), 0);

    // Favourites: the click counter the launcher raises, and well-formed launch texts.
    EXPECT_EQ(sql.changes("update t_UserMenuStore set FClickCount = FClickCount+1 where FInnerID=1"), 1);
    for (int type : {1, 2, 3}) {
        const auto favourites = sql.rows("select FDoFuncMnuParam, FShowCaption from t_UserMenuStore "
                                         "where FDetailFuncType=? order by ForderIndex",
                                         {std::to_string(type)});
        ASSERT_FALSE(favourites.empty()) << type;
        for (const Row& f : favourites) {
            const QStringList fields = QString::fromStdString(f[0].text).split(QLatin1Char(';'));
            ASSERT_EQ(fields.size(), 6) << f[0].text;
            EXPECT_TRUE(fields[5] == QLatin1String("True") || fields[5] == QLatin1String("False"))
                << f[0].text;
            EXPECT_EQ(fields[4].toStdString(), f[1].text);
        }
    }
}

// Every column that the direct inventory query reads, joined the way it joins them.
TEST_F(DemoDatabase, CarriesTheColumnsOfTheInventoryQuery) {
    const std::string columns = R"(
        u1.FBrNo, u1.FItemID, u1.FBatchNo, u1.FStockID, u1.FQty, u1.FBal, u1.FStockPlaceID, u1.FKFPeriod,
        u1.FKFDate, u1.FQtyLock, u1.FAuxPropID, u1.FSecQty, t1.FName, t1.FModel, t1.FNumber, t1.FQtyDecimal,
        t1.FPriceDecimal, t1.FDeleted, t2.FName, t2.FNumber, t2.FItemID, t3.FName, t4.FName, t4.FNumber,
        t4.FMeasureUnitID, t4.FCoefficient, t5.FName, t5.FNumber, t5.FSPID, t9.FName, t9.FNumber,
        t19.FName)";
    const std::string joins = R"(
        left join t_ICItem t1 on u1.FItemID = t1.FItemID
        left join t_Stock t2 on u1.FStockID = t2.FItemID
        left join t_MeasureUnit t3 on t1.FUnitID = t3.FMeasureUnitID
        left join t_MeasureUnit t4 on t1.FStoreUnitID = t4.FMeasureUnitID
        left join t_StockPlace t5 on u1.FStockPlaceID = t5.FSPID
        left join t_AuxItem t9 on u1.FAuxPropID = t9.FItemID
        left join t_MeasureUnit t19 on t1.FSecUnitID = t19.FMeasureUnitID
        where u1.FQty <> 0 and t1.FDeleted = 0)";
    for (const char* table : {"ICInventory", "POInventory"}) {
        const auto rows = sql.rows("select" + columns + " from " + table + " u1" + joins);
        ASSERT_FALSE(rows.empty()) << table;
        for (const Row& r : rows) {
            EXPECT_FALSE(r[12].null) << table << ": item " << r[1].text;  // every item is known
            EXPECT_FALSE(r[18].null) << table << ": stock " << r[3].text; // every warehouse is known
            EXPECT_FALSE(r[22].null) << table << ": store unit of " << r[1].text;
            EXPECT_GT(r[25].number, 0) << table; // the store unit's coefficient
        }
    }
    EXPECT_FALSE(sql.rows("select FStockTypeID from POInventory").empty());
    // Some stock sits on places, some carries an auxiliary property, some a shelf-life date.
    EXPECT_GT(sql.number("select count(*) from ICInventory where FStockPlaceID <> 0"), 0);
    EXPECT_GT(sql.number("select count(*) from ICInventory where FAuxPropID <> 0"), 0);
    EXPECT_GT(sql.number("select count(*) from ICInventory where FKFDate is not null"), 0);
    const auto byStock = sql.rows("select t2.FName, sum(u1.FQty) from ICInventory u1 left join t_Stock t2 "
                                  "on u1.FStockID = t2.FItemID group by t2.FName");
    EXPECT_GE(byStock.size(), 2u);
}

TEST_F(DemoDatabase, DatesAreDayTextsFromLastYearToToday) {
    const std::string first = "2024-01-01 00:00:00", last = day(kToday) + " 00:00:00";
    for (const char* table :
         {"SEOrder", "POOrder", "ICStockBill", "ICSale", "ICPurchase", "t_RP_Receipt", "t_RP_Payment"}) {
        const std::string t = table;
        EXPECT_EQ(sql.number("select count(*) from " + t +
                             " where FDate not glob "
                             "'[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] 00:00:00'"),
                  0)
            << table;
        EXPECT_EQ(sql.text("select min(FDate) from " + t).substr(0, 4), "2024") << table;
        EXPECT_LE(sql.text("select max(FDate) from " + t), last) << table;
        EXPECT_GE(sql.text("select min(FDate) from " + t), first) << table;
    }
    // Audited bills carry their checker and date; the unaudited ones neither.
    EXPECT_EQ(sql.number("select count(*) from ICStockBill where (FStatus = 1) <> (FCheckDate is not null)"),
              0);
    EXPECT_GT(sql.number("select count(*) from SEOrder where FStatus = 0"), 0);
}

// Today, this week, last month and last year all hold sales orders and stock bills, whatever
// the day of the year.
TEST(DemoDates, EveryTimeRangeHoldsDocuments) {
    for (const QDate& today :
         {QDate(2025, 3, 31), QDate(2024, 1, 1), QDate(2024, 12, 31), QDate(2023, 7, 16)}) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("d.zrkdb"));
        buildDemoDatabase(file, {DemoSize::Small, 99, today, kQuickIterations});
        Sql sql(file);
        const QDate monday = today.addDays(1 - today.dayOfWeek());
        const QDate monthStart(today.year(), today.month(), 1);
        struct Range {
            const char* name;
            QDate begin, end; // end exclusive
        };
        const Range ranges[] = {
            {"today", today, today.addDays(1)},
            {"this week", monday, today.addDays(1)},
            {"last month", monthStart.addMonths(-1), monthStart},
            {"last year", QDate(today.year() - 1, 1, 1), QDate(today.year(), 1, 1)},
        };
        for (const Range& r : ranges) {
            const std::vector<std::string> p = {day(r.begin), day(r.end)};
            EXPECT_GT(sql.number("select count(*) from SEOrder where FDate >= ?1 and FDate < ?2", p), 0)
                << r.name << " " << day(today);
            for (const char* type : {"1", "21"})
                EXPECT_GT(sql.number("select count(*) from ICStockBill where FTranType = ?3 and FDate >= ?1 "
                                     "and FDate < ?2",
                                     {p[0], p[1], type}),
                          0)
                    << r.name << " bill type " << type << " " << day(today);
        }
    }
}

TEST_F(DemoDatabase, ReceivablesAreOpeningPlusInvoicesLessReceipts) {
    const std::string end = day(kToday.addDays(1));
    const auto rows = sql.rows(kReceivables, {end});
    ASSERT_FALSE(rows.empty());
    // The same balance, found through the settlement entries: what is left of each opening
    // balance and each invoice.
    std::map<std::string, double> open;
    for (const Row& r : sql.rows(R"(
        select s.FCustID, (e.FAmount + e.FTaxAmount) - coalesce((select sum(x.FAmount) from t_RP_ReceiptEntry x
            where x.FBillTranType = 80 and x.FBillInterID = s.FInterID), 0)
        from ICSale s join (select FInterID, sum(FAmount) FAmount, sum(FTaxAmount) FTaxAmount from ICSaleEntry
            group by FInterID) e on e.FInterID = s.FInterID
        union all
        select b.FObjectID, b.FAmount - coalesce((select sum(x.FAmount) from t_RP_ReceiptEntry x
            where x.FBillTranType = 0 and x.FBillInterID = b.FID), 0)
        from t_RP_InitBal b where b.FType = 1)")) {
        EXPECT_GT(r[1].number, -0.005) << "overpaid document of customer " << r[0].text;
        open[r[0].text] += r[1].number;
    }
    int owing = 0, paid = 0;
    double total = 0;
    for (const Row& r : rows) {
        EXPECT_NEAR(r[5].number, r[2].number + r[3].number - r[4].number, 0.005);
        EXPECT_NEAR(r[5].number, open[r[0].text], 0.01) << r[1].text;
        owing += r[5].number > 0.005;
        paid += r[4].number > 0;
        total += r[5].number;
    }
    EXPECT_GT(owing, 0);
    EXPECT_GT(paid, static_cast<int>(rows.size()) / 2);
    // The receipt headers agree with their entries.
    EXPECT_EQ(sql.number("select count(*) from t_RP_Receipt r where abs(r.FAmount - (select sum(FAmount) "
                         "from t_RP_ReceiptEntry e where e.FInterID = r.FInterID)) > 0.001"),
              0);
    EXPECT_GT(total, 0);
}

TEST_F(DemoDatabase, PayablesPerCurrencyAddUpInTheirOwnCurrency) {
    const std::string end = day(kToday.addDays(1));
    int currencies = 0;
    for (const Row& c : sql.rows("select FCurrencyID, FExchangeRate from t_Currency where FCurrencyID > 0")) {
        const auto rows = sql.rows(kPayablesInCurrency, {end, c[0].text});
        currencies += !rows.empty();
        for (const Row& r : rows) {
            EXPECT_GT(r[2].number, -0.005) << r[1].text;
            // In the base currency the same supplier owes its balance at the currency's rate,
            // up to a cent of rounding per document.
            const double base = sql.number(
                "select coalesce((select sum(FAmount) from t_RP_InitBal where FType = 2 and FObjectID = ?1), "
                "0)"
                " + coalesce((select sum(e.FAmount + e.FTaxAmount) from ICPurchase s join ICPurchaseEntry e"
                "   on e.FInterID = s.FInterID where s.FSupplyID = ?1), 0)"
                " - coalesce((select sum(FAmount) from t_RP_Payment where FSupplyID = ?1), 0)",
                {r[0].text});
            const double documents = sql.number("select count(*) from ICPurchaseEntry e join ICPurchase s on "
                                                "s.FInterID = e.FInterID where s.FSupplyID = ?1",
                                                {r[0].text});
            EXPECT_NEAR(base, r[2].number * c[1].number, 0.01 * (documents + 2)) << r[1].text;
        }
    }
    EXPECT_GE(currencies, 2); // suppliers in the base currency and in a foreign one
}

TEST_F(DemoDatabase, OrderExecutionMatchesTheStockBills) {
    struct Side {
        const char* order;
        const char* entry;
        const char* query;
        int billType;
        const char* invoiceEntry;
    };
    const Side sides[] = {{"SEOrder", "SEOrderEntry", kSalesOrderExecution, 21, "ICSaleEntry"},
                          {"POOrder", "POOrderEntry", kPurchaseOrderExecution, 1, "ICPurchaseEntry"}};
    for (const Side& s : sides) {
        const std::string entry = s.entry, order = s.order;
        // Executed quantity written back on each line = the bill lines made from it.
        EXPECT_EQ(sql.number("select count(*) from " + entry +
                                 " e where e.FStockQty <> coalesce((select sum(d.FQty) "
                                 "from ICStockBillEntry d join ICStockBill b on b.FInterID = d.FInterID "
                                 "where b.FTranType = ?1 "
                                 "and d.FOrderInterID = e.FInterID and d.FOrderEntryID = e.FEntryID), 0)",
                             {std::to_string(s.billType)}),
                  0)
            << entry;
        EXPECT_EQ(sql.number("select count(*) from " + entry +
                             " e where e.FInvoiceQty <> coalesce((select sum(i.FQty) "
                             "from " +
                             std::string(s.invoiceEntry) +
                             " i where i.FOrderInterID = e.FInterID and "
                             "i.FOrderEntryID = e.FEntryID), 0)"),
                  0)
            << entry;
        EXPECT_EQ(sql.number("select count(*) from " + entry +
                             " where FStockQty < 0 or FStockQty > FQty or "
                             "FInvoiceQty > FStockQty"),
                  0)
            << entry;
        EXPECT_EQ(sql.number("select count(*) from " + order +
                             " o where FClosed <> (FCancellation = 0 and not exists "
                             "(select 1 from " +
                             entry + " e where e.FInterID = o.FInterID and e.FStockQty < e.FQty))"),
                  0)
            << order;

        const auto all = sql.rows(s.query, {"1900-01-01", day(kToday.addDays(1))});
        ASSERT_EQ(all.size(), 1u);
        EXPECT_GT(all[0][0].number, 0) << order;
        EXPECT_GT(all[0][1].number, 0) << order;
        EXPECT_GT(all[0][2].number, 0) << order << ": something is still outstanding";
        EXPECT_NEAR(all[0][2].number, all[0][0].number - all[0][1].number, 1e-6);
        // Last year's orders are long done; this week's are not all done yet.
        const auto lastYear = sql.rows(s.query, {"2024-01-01", "2024-12-01"});
        EXPECT_LT(lastYear[0][2].number, lastYear[0][0].number * 0.01) << order;
    }
    EXPECT_GT(sql.number("select count(*) from SEOrder where FCancellation = 1"), 0);
    EXPECT_EQ(sql.number("select count(*) from SEOrder o join SEOrderEntry e on e.FInterID = o.FInterID "
                         "where o.FCancellation = 1 and e.FStockQty <> 0"),
              0);
}

TEST_F(DemoDatabase, StockOnHandIsWhatTheBillsBroughtInAndTookOut) {
    // Quantity and value per item and warehouse, from the bills.
    const auto mismatches = sql.rows(R"(
        select i.FItemID, i.FStockID, i.FQty, i.FBal, m.qty, m.amount from ICInventory i
        left join (select FItemID, stock, sum(qty) qty, sum(amount) amount from (
              select d.FItemID, d.FDCStockID stock, d.FQty qty, d.FAmount amount from ICStockBillEntry d
                join ICStockBill b on b.FInterID = d.FInterID where b.FTranType in (1, 10)
              union all
              select d.FItemID, d.FSCStockID, -d.FQty, -d.FAmount from ICStockBillEntry d
                join ICStockBill b on b.FInterID = d.FInterID where b.FTranType = 21)
            group by FItemID, stock) m on m.FItemID = i.FItemID and m.stock = i.FStockID
        where m.qty is null or abs(i.FQty - m.qty) > 1e-9 or abs(i.FBal - m.amount) > 0.005)");
    EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " rows, first item " << mismatches[0][0].text;
    EXPECT_EQ(sql.number("select count(*) from ICInventory where FQty < 0 or FBal < -0.005"), 0);
    EXPECT_EQ(sql.number("select count(*) from ICInventory where FQtyLock > FQty"), 0);

    const auto today = sql.rows(kStockMovements, {day(kToday), day(kToday.addDays(1))});
    ASSERT_EQ(today.size(), 1u);
    for (std::size_t c = 0; c < 6; ++c)
        EXPECT_GT(today[0][c].number, 0) << "column " << c;
    const auto tomorrow = sql.rows(kStockMovements, {day(kToday.addDays(1)), day(kToday.addDays(2))});
    EXPECT_TRUE(tomorrow[0][0].null);
}

TEST_F(DemoDatabase, SomeItemsAreShortAndSomeOverstocked) {
    for (const char* type : {"1", "2"}) {
        const auto rows = sql.rows(kStockDeviation, {type});
        EXPECT_GE(rows.size(), 3u) << type;
        for (const Row& r : rows) {
            if (type[0] == '1')
                EXPECT_GT(r[3].number, r[5].number) << r[1].text;
            else
                EXPECT_LT(r[3].number, r[4].number) << r[1].text;
        }
    }
    const double normal = sql.number(R"(select count(*) from t_ICItem i join (select FItemID, sum(FQty) q
        from ICInventory group by FItemID) s on s.FItemID = i.FItemID where s.q between i.FSecInv and i.FHighLimit)");
    EXPECT_GT(normal, 10);
    EXPECT_EQ(sql.number("select count(*) from t_ICItem where FSecInv > FHighLimit"), 0);
}

TEST_F(DemoDatabase, GrossProfitAddsUpAcrossItemsCustomersDepartmentsAndSalespeople) {
    const std::vector<std::string> range = {"2024-01-01", day(kToday.addDays(1))};
    struct Grouping {
        const char* key;
        const char* master; // every key names a row of this table
    };
    const Grouping groupings[] = {{"e.FItemID", "t_ICItem"},
                                  {"b.FSupplyID", "t_Organization"},
                                  {"b.FDeptID", "t_Department"},
                                  {"b.FEmpID", "t_Emp"}};
    std::vector<double> totals;
    for (const Grouping& g : groupings) {
        const auto rows = sql.rows(grossProfitByDelivery(g.key), range);
        EXPECT_GE(rows.size(), 2u) << g.key;
        double income = 0, cost = 0, profit = 0;
        for (const Row& r : rows) {
            EXPECT_EQ(sql.number(std::string("select count(*) from ") + g.master + " where FItemID = ?",
                                 {r[0].text}),
                      1)
                << g.key << " " << r[0].text;
            EXPECT_NEAR(r[3].number, r[1].number - r[2].number, 0.005);
            income += r[1].number;
            cost += r[2].number;
            profit += r[3].number;
        }
        EXPECT_GT(income, cost) << g.key;
        EXPECT_GE(rows.front()[3].number, rows.back()[3].number);
        totals.push_back(profit);
    }
    for (double t : totals)
        EXPECT_NEAR(t, totals.front(), 0.01);

    // Invoiced deliveries earn the same by invoice as by delivery.
    const auto byInvoice = sql.rows(kGrossProfitByInvoice, range);
    ASSERT_FALSE(byInvoice.empty());
    const double invoicedDeliveries =
        sql.number(R"(select sum(d.FConsignAmount - d.FAmount) from ICStockBillEntry d
        join ICSaleEntry e on e.FSourceInterID = d.FInterID and e.FSourceEntryID = d.FEntryID)");
    double invoiceProfit = 0;
    for (const Row& r : byInvoice)
        invoiceProfit += r[3].number;
    EXPECT_NEAR(invoiceProfit, invoicedDeliveries, 0.01);
}

TEST_F(DemoDatabase, UsersKeepOnlySaltedDigests) {
    const auto users =
        sql.rows("select FName, FSalt, FPasswordHash, FHashIterations, FForbidden from t_User");
    ASSERT_EQ(users.size(), demoUsers().size());
    std::set<std::string> salts;
    for (const DemoUser& u : demoUsers()) {
        const auto row = sql.rows(
            "select FSalt, FPasswordHash, FHashIterations, FForbidden from t_User where FName = ?", {u.name});
        ASSERT_EQ(row.size(), 1u) << u.name;
        const QByteArray salt = QByteArray::fromHex(QByteArray::fromStdString(row[0][0].text));
        const QByteArray hash = QByteArray::fromHex(QByteArray::fromStdString(row[0][1].text));
        const int iterations = static_cast<int>(row[0][2].number);
        EXPECT_EQ(salt.size(), kPasswordSaltLength);
        EXPECT_TRUE(verifyPassword(QString::fromUtf8(u.password), salt, iterations, hash)) << u.name;
        EXPECT_FALSE(
            verifyPassword(QString::fromUtf8(u.password) + QLatin1Char('x'), salt, iterations, hash));
        EXPECT_FALSE(verifyPassword(QString::fromUtf8(u.password).toUpper(), salt, iterations, hash));
        EXPECT_EQ(row[0][3].number != 0, u.forbidden);
        salts.insert(row[0][0].text);
    }
    EXPECT_EQ(salts.size(), users.size());
    // No password appears anywhere in the file, in any table.
    QFile file(file_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const DemoUser& u : demoUsers())
        EXPECT_FALSE(bytes.contains(u.password)) << u.password;
}

QByteArray digestOf(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

TEST(DemoDeterminism, TheSameSeedAndDayGiveTheSameFile) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.zrkdb")), b = dir.filePath(QStringLiteral("b.zrkdb")),
                  c = dir.filePath(QStringLiteral("c.zrkdb")), d = dir.filePath(QStringLiteral("d.zrkdb"));
    buildDemoDatabase(a, {DemoSize::Small, 5, kToday, kQuickIterations});
    buildDemoDatabase(b, {DemoSize::Small, 5, kToday, kQuickIterations});
    buildDemoDatabase(c, {DemoSize::Small, 6, kToday, kQuickIterations});
    buildDemoDatabase(d, {DemoSize::Small, 5, kToday.addDays(1), kQuickIterations});
    EXPECT_FALSE(digestOf(a).isEmpty());
    EXPECT_EQ(digestOf(a), digestOf(b));
    EXPECT_NE(digestOf(a), digestOf(c));
    EXPECT_NE(digestOf(a), digestOf(d));
    // Another seed is another company, not the same rows in another order.
    Sql sa(a), sc(c);
    EXPECT_NE(sa.number("select sum(FQty) from SEOrderEntry"),
              sc.number("select sum(FQty) from SEOrderEntry"));
}

TEST(DemoSizes, LargerSizesHoldMoreOfEverything) {
    const SizeProfile small = profileFor(DemoSize::Small), medium = profileFor(DemoSize::Medium),
                      large = profileFor(DemoSize::Large);
    EXPECT_LT(small.salesOrders, medium.salesOrders);
    EXPECT_LT(medium.salesOrders, large.salesOrders);
    EXPECT_LT(small.items, medium.items);
    EXPECT_LT(medium.items, large.items);
    struct Name {
        const char* text;
        std::optional<DemoSize> size;
    };
    const Name names[] = {{"small", DemoSize::Small},
                          {"Medium", DemoSize::Medium},
                          {" LARGE ", DemoSize::Large},
                          {"huge", std::nullopt},
                          {"", std::nullopt}};
    for (const Name& n : names)
        EXPECT_EQ(parseDemoSize(QString::fromLatin1(n.text)), n.size) << n.text;
}

} // namespace
} // namespace zrk::demo
