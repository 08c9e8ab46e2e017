#include "plugins/functions/statements.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zrk::functions {
namespace {

// A small account set whose figures are worked out by hand below. Ledger start 2024-01-01.
//   cash accounts: 1001 1,000.00 and 1002 9,000.00 (its child 1002.01 is not counted twice)
//   opening receivable 500.00, opening payable 300.50
//   2024-12-20 opening stock 2,000.00; 2025-01-10 purchase receipt 1,000.10;
//   2025-01-15 delivery cost 600.05 sold for 900.00; 2025-02-03 delivery cost 100.00 sold for 150.25
//   sales invoices: 2025-01-16 800.00 + tax 104.00; 2025-02-04 (cancelled) 999.99
//   purchase invoice: 2025-01-11 1,000.10 + tax 130.01
//   receipts: 2024-12-31 200.00; 2025-01-20 450.10; 2025-02-10 0.20 (cancelled: 77.00)
//   payments: 2025-01-25 1,000.00; 2025-03-01 5.00 (outside February)
class StatementFixture : public ::testing::Test {
protected:
    void SetUp() override {
        db.open(QStringLiteral("Provider=SQLite;Data Source=") + dir.filePath(QStringLiteral("s.db")),
                db::MissingDatabase::Create);
        for (const char* sql : {
                 "create table t_Account (FAccountID int, FNumber nvarchar(80), FBeginBalance decimal(20,2))",
                 "insert into t_Account values (1, '1001', 1000), (2, '1002', 9000), (3, '1002.01', 9000)",
                 "create table t_RP_InitBal (FType smallint, FAmount decimal(20,2))",
                 "insert into t_RP_InitBal values (1, 500), (2, 300.5)",
                 "create table ICStockBill (FInterID int, FTranType int, FDate datetime, FCancellation "
                 "smallint)",
                 "create table ICStockBillEntry (FInterID int, FAmount decimal(20,2), FConsignAmount "
                 "decimal(20,2))",
                 "insert into ICStockBill values (1, 10, '2024-12-20', 0), (2, 1, '2025-01-10', 0), "
                 "(3, 21, '2025-01-15', 0), (4, 21, '2025-02-03', 0)",
                 "insert into ICStockBillEntry values (1, 2000, 0), (2, 1000.1, 0), (3, 600.05, 900), (4, "
                 "100, 150.25)",
                 "create table ICSale (FInterID int, FDate datetime, FCancellation smallint)",
                 "create table ICSaleEntry (FInterID int, FAmount decimal(20,2), FTaxAmount decimal(20,2))",
                 "insert into ICSale values (1, '2025-01-16', 0), (2, '2025-02-04', 1)",
                 "insert into ICSaleEntry values (1, 800, 104), (2, 999.99, 0)",
                 "create table ICPurchase (FInterID int, FDate datetime, FCancellation smallint)",
                 "create table ICPurchaseEntry (FInterID int, FAmount decimal(20,2), FTaxAmount "
                 "decimal(20,2))",
                 "insert into ICPurchase values (1, '2025-01-11', 0)",
                 "insert into ICPurchaseEntry values (1, 1000.1, 130.01)",
                 "create table t_RP_Receipt (FDate datetime, FAmount decimal(20,2), FCancellation smallint)",
                 "insert into t_RP_Receipt values ('2024-12-31', 200, 0), ('2025-01-20', 450.1, 0), "
                 "('2025-02-10', 0.2, 0), ('2025-02-11', 77, 1)",
                 "create table t_RP_Payment (FDate datetime, FAmount decimal(20,2), FCancellation smallint)",
                 "insert into t_RP_Payment values ('2025-01-25', 1000, 0), ('2025-03-01', 5, 0)",
             })
            db.execute(QString::fromUtf8(sql));
    }
    ListParameters february() const { return {2025, 2, QDate(2025, 2, 1), QDate(2025, 3, 1)}; }

    QTemporaryDir dir;
    db::Connection db;
};

TEST_F(StatementFixture, BalanceSheetAtTheYearsStartAndThePeriodsEnd) {
    const Statement s = balanceSheet(db, february());
    const std::vector<std::pair<QString, std::vector<Cents>>> expected = {
        // cash: 10,000.00 + 200.00 | + 450.10 + 0.20 - 1,000.00
        {QStringLiteral("货币资金"), {1020000, 965030}},
        // receivable: 500.00 - 200.00 | + 904.00 - 450.30
        {QStringLiteral("应收账款"), {30000, 75370}},
        // stock: 2,000.00 | + 1,000.10 - 600.05 - 100.00
        {QStringLiteral("存货"), {200000, 230005}},
        {QStringLiteral("资产合计"), {1250000, 1270405}},
        // payable: 300.50 | + 1,130.11 - 1,000.00
        {QStringLiteral("应付账款"), {30050, 43061}},
        {QStringLiteral("负债合计"), {30050, 43061}},
        {QStringLiteral("所有者权益"), {1219950, 1227344}},
        {QStringLiteral("负债和所有者权益合计"), {1250000, 1270405}},
    };
    ASSERT_EQ(s.lines.size(), expected.size());
    for (const auto& [caption, values] : expected) {
        ASSERT_NE(s.line(caption), nullptr) << caption.toStdString();
        EXPECT_EQ(*s.line(caption), values) << caption.toStdString();
    }
}

TEST_F(StatementFixture, IncomeStatementByMonthAndForTheYear) {
    const Statement s = incomeStatement(db, february());
    ASSERT_EQ(s.lines.size(), 3u);
    EXPECT_EQ(s.lines[0].caption, QStringLiteral("1月"));
    EXPECT_EQ(s.lines[0].values, (std::vector<Cents>{90000, 60005, 29995}));
    EXPECT_EQ(s.lines[1].values, (std::vector<Cents>{15025, 10000, 5025}));
    EXPECT_EQ(s.lines[2].caption, QStringLiteral("本年累计"));
    EXPECT_EQ(s.lines[2].values, (std::vector<Cents>{105025, 70005, 35020}));
}

TEST_F(StatementFixture, CashFlowByMonthCarriesTheBalanceForward) {
    const Statement s = cashFlowStatement(db, february());
    ASSERT_EQ(s.lines.size(), 3u);
    EXPECT_EQ(s.lines[0].values, (std::vector<Cents>{1020000, 45010, 100000, -54990, 965010}));
    EXPECT_EQ(s.lines[1].values, (std::vector<Cents>{965010, 20, 0, 20, 965030}));
    EXPECT_EQ(s.lines[2].values, (std::vector<Cents>{1020000, 45030, 100000, -54970, 965030}));
}

TEST_F(StatementFixture, StatementTableKeepsEveryCent) {
    const TableData table = statementTable(incomeStatement(db, february()));
    ASSERT_EQ(table.columns.size(), 4u);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.rows->value(2, 3), Variant(std::int32_t{35020}));
    EXPECT_EQ(table.columns[3].kind, ColumnKind::Cents);
}

TEST_F(StatementFixture, AMissingTableNamesItAndTheStatement) {
    db.execute(QStringLiteral("drop table t_RP_Payment"));
    for (auto compute : {&balanceSheet, &cashFlowStatement}) {
        try {
            compute(db, february());
            FAIL() << "computed without t_RP_Payment";
        } catch (const Error& e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("t_RP_Payment")))
                << e.description().toStdString();
        }
    }
}

TEST_F(StatementFixture, AnInvalidPeriodIsRefused) {
    EXPECT_THROW(balanceSheet(db, {2025, 13, QDate(), QDate()}), Error);
    EXPECT_THROW(incomeStatement(db, {0, 1, QDate(2025, 1, 1), QDate(2025, 2, 1)}), Error);
}

} // namespace
} // namespace zrk::functions
