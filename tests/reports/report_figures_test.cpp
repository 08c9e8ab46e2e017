// The figures of every report component on the hand-made account set of report_fixture.cpp
// (March 2025). Each expected row was computed by hand from the documents listed there.
#include "console_params.h"
#include "report_fixture.h"

#include <gtest/gtest.h>
#include <memory>

namespace zrk::test {
namespace {

using Rows = std::vector<QStringList>;
const QString kBegin = QStringLiteral("2025-03-01");
const QString kEnd = QStringLiteral("2025-03-31");

// Every case runs on the embedded engine and through QODBC over SQLite's ODBC driver (skipped
// when that driver is not installed), on the same file with the same figures.
class ReportFigures : public ::testing::TestWithParam<ReportFixture::Path> {
protected:
    void SetUp() override {
        if (GetParam() == ReportFixture::Path::Odbc && !ReportFixture::odbcDriverInstalled())
            GTEST_SKIP() << "SQLite's ODBC driver is not installed";
        fixture = std::make_unique<ReportFixture>(GetParam());
    }
    std::unique_ptr<ReportFixture> fixture;
};

// Receivables, base currency unless said:
//   甲商店: opening 1000.00 + S3 56.50 (02-28) - R2 500.00 = 556.50; raised S1 113.11 (first day)
//           + S2 226.00 (last day, unaudited) = 339.11; received R1 100.00 (R4 cancelled);
//           S4 (04-01) and S5 (cancelled) never count; closing 795.61.
//           Uninvoiced D11: 10 of SO1's 20 at 226.00 = 113.00 -> raised 452.11, closing 908.61.
//   乙公司: opening USD 100.00 = 700.00; raised S6 79.10 (USD 11.30); received R3 35.00 (USD 5.00).
TEST_P(ReportFigures, ReceivablesByCustomer) {
    const QStringList fields{"FCustName",      "FBeginAmount",  "FAmountFor", "FReceiveAmountFor",
                             "FReceiveAmount", "FRemainAmount", "Fsumsort"};
    struct Case {
        const char* name;
        std::function<void(Dictionary&)> change;
        Rows rows;
    } cases[] = {
        {"summary grid",
         [](Dictionary& d) { d.set(QStringLiteral("ExportNoInvoice"), std::int16_t(0)); },
         {{"甲商店", "556.50", "339.11", "100.00", "100.00", "795.61", "0"},
          {"乙公司", "700.00", "79.10", "35.00", "35.00", "744.10", "0"},
          {"合计", "1256.50", "418.21", "135.00", "135.00", "1539.71", "102"}}},
        {"with uninvoiced deliveries",
         [](Dictionary&) {},
         {{"甲商店", "556.50", "452.11", "100.00", "100.00", "908.61", "0"},
          {"乙公司", "700.00", "79.10", "35.00", "35.00", "744.10", "0"},
          {"合计", "1256.50", "531.21", "135.00", "135.00", "1652.71", "102"}}},
        {"audited only",
         [](Dictionary& d) {
             d.set(QStringLiteral("ExportNoInvoice"), std::int16_t(0));
             d.set(QStringLiteral("IncludeNotAudit"), std::int16_t(0));
         },
         {{"甲商店", "556.50", "113.11", "100.00", "100.00", "569.61", "0"},
          {"乙公司", "700.00", "79.10", "35.00", "35.00", "744.10", "0"},
          {"合计", "1256.50", "192.21", "135.00", "135.00", "1313.71", "102"}}},
        {"in dollars",
         [](Dictionary& d) { d.set(QStringLiteral("CurrencyID"), std::int32_t(2)); },
         {{"乙公司", "100.00", "11.30", "5.00", "5.00", "106.30", "0"},
          {"合计", "100.00", "11.30", "5.00", "5.00", "106.30", "102"}}},
        {"last day left out",
         [](Dictionary& d) {
             d.set(QStringLiteral("ExportNoInvoice"), std::int16_t(0));
             d.set(QStringLiteral("EDate"), QStringLiteral("2025-03-30"));
         },
         {{"甲商店", "556.50", "113.11", "100.00", "100.00", "569.61", "0"},
          {"乙公司", "700.00", "79.10", "35.00", "35.00", "744.10", "0"},
          {"合计", "1256.50", "192.21", "135.00", "135.00", "1313.71", "102"}}},
    };
    for (const Case& c : cases) {
        auto params = arApParams(false, true, kBegin, kEnd, QStringLiteral("0"));
        c.change(*params);
        const auto rs = fixture->receivables(params);
        EXPECT_EQ(rowsOf(*rs, fields), c.rows) << c.name;
    }
}

// Payables of 丙工厂: opening 300.00; raised P1 90.40; paid Y1 50.00; closing 340.40. Receipt B22
// is not invoiced: 4 of PO2's 10 at 83.00 = 33.20.
TEST_P(ReportFigures, PayablesBySupplier) {
    const QStringList fields{"FSupplyName", "FBeginAmount",  "FAmountFor", "FPayAmountFor",
                             "FPayAmount",  "FRemainAmount", "Fsumsort"};
    auto summary = arApParams(true, false, kBegin, kEnd, QStringLiteral("0"));
    EXPECT_EQ(rowsOf(*fixture->payables(summary), fields),
              (Rows{{"丙工厂", "300.00", "90.40", "50.00", "50.00", "340.40", "0"},
                    {"合计", "300.00", "90.40", "50.00", "50.00", "340.40", "102"}}));
    auto interactive = arApParams(true, true, kBegin, kEnd, std::int32_t(1));
    const auto rs = fixture->payables(interactive);
    rs->setFilter(QStringLiteral("Fsumsort=102"));
    EXPECT_EQ(rowsOf(*rs, fields), (Rows{{"合计", "300.00", "123.60", "50.00", "50.00", "373.60", "102"}}));
}

// Sales orders of March: SO1 (可乐 20, 10 delivered; 果汁 2 cases of 12 = 24, 12 delivered), SO2
// (果汁 5, last day, unaudited); SO3 cancelled and SO4 (02-28) do not count. Purchase orders: PO1
// 可乐 30 received in full, PO2 果汁 10 with 4 received.
TEST_P(ReportFigures, OrderExecution) {
    const QStringList fields{"FNumber",    "FName",        "FClassName", "FOrderQty",
                             "FCommitQty", "FUnCommitQty", "Fsumsort"};
    struct Case {
        const char* name;
        bool sales;
        std::int16_t checkState;
        Rows rows;
    } cases[] = {
        {"sales",
         true,
         2,
         {{"01.001", "可乐", "饮料", "20.00", "10.00", "10.00", "0"},
          {"01.002", "果汁", "饮料", "29.00", "12.00", "17.00", "0"},
          {"", "合计", "", "49.00", "22.00", "27.00", "101"}}},
        {"audited sales",
         true,
         1,
         {{"01.001", "可乐", "饮料", "20.00", "10.00", "10.00", "0"},
          {"01.002", "果汁", "饮料", "24.00", "12.00", "12.00", "0"},
          {"", "合计", "", "44.00", "22.00", "22.00", "101"}}},
        {"purchases",
         false,
         2,
         {{"01.001", "可乐", "饮料", "30.00", "30.00", "0.00", "0"},
          {"01.002", "果汁", "饮料", "10.00", "4.00", "6.00", "0"},
          {"", "合计", "", "40.00", "34.00", "6.00", "101"}}},
    };
    for (const Case& c : cases) {
        auto params = orderParams(c.sales, kBegin, kEnd);
        params->set(QStringLiteral("CheckState"), c.checkState);
        const auto rs = c.sales ? fixture->numbered(kSalesReportsRpt138ProgId, 138, params)
                                : fixture->numbered(kPurchaseReportsRpt119ProgId, 119, params);
        EXPECT_EQ(rowsOf(*rs, fields), c.rows) << c.name;
    }
}

// March: receipts B21 可乐 30 at 180.00 and B22 果汁 4 at 33.33, opening stock O31 one case (12)
// at 99.99; deliveries D11 10 at 61.00, D12 5 at 30.00, D13 10 at 100.01 (last day, unaudited),
// D14 2 at 40.00; D15 (02-28) and D16 (cancelled) do not count.
TEST_P(ReportFigures, StockMovementTotals) {
    const QStringList fields{"FCurDayInQtyBuy",    "FCurDayInAmountBuy", "FCurDayInQtySum",
                             "FCurDayInAmountSum", "FCurDayOutQtySale",  "FCurDayOutAmountSale",
                             "FCurDayOutQtySum",   "FCurDayOutAmountSum"};
    struct Case {
        const char* name;
        QString begin, end;
        std::int16_t checkState;
        QStringList total;
    } cases[] = {
        {"month",
         kBegin,
         kEnd,
         2,
         {"34.00", "213.33", "46.00", "313.32", "27.00", "231.01", "27.00", "231.01"}},
        {"last day", kEnd, kEnd, 2, {"0.00", "0.00", "0.00", "0.00", "10.00", "100.01", "10.00", "100.01"}},
        {"audited",
         kBegin,
         kEnd,
         1,
         {"34.00", "213.33", "46.00", "313.32", "17.00", "131.00", "17.00", "131.00"}},
    };
    for (const Case& c : cases) {
        auto params = stockMovementParams(c.begin, c.end);
        params->set(QStringLiteral("CheckState"), c.checkState);
        const auto rs = fixture->numbered(kStockReportsRpt171ProgId, 171, params);
        rs->setFilter(QStringLiteral("Fsumsort=101"));
        EXPECT_EQ(rowsOf(*rs, fields), (Rows{c.total})) << c.name;
    }
}

// Stock on hand: 可乐 60 (maximum 50), 果汁 5 (safety 20), 水 30 (10..100), 咖啡 none (safety 3),
// 茶 none (safety 5) but deleted.
TEST_P(ReportFigures, OverstockAndShortage) {
    const QStringList fields{"FName", "fmodel", "FBUUnitDiff", "Fsumsort"};
    struct Case {
        const char* name;
        std::int16_t aType;
        std::int16_t showDisabled;
        Rows rows;
    } cases[] = {
        {"overstock", 1, 0, {{"可乐", "330ml", "10.00", "0"}, {"合计", "", "10.00", "101"}}},
        {"shortage",
         2,
         0,
         {{"果汁", "1L", "-15.00", "0"}, {"咖啡", "", "-3.00", "0"}, {"合计", "", "-18.00", "101"}}},
        {"shortage with deleted items",
         2,
         1,
         {{"果汁", "1L", "-15.00", "0"},
          {"茶", "", "-5.00", "0"},
          {"咖啡", "", "-3.00", "0"},
          {"合计", "", "-23.00", "101"}}},
    };
    for (const Case& c : cases) {
        auto params = stockDeviationParams(c.aType);
        params->set(QStringLiteral("ShowDisableItem"), c.showDisabled);
        const auto rs = fixture->numbered(kStockReportsRpt112ProgId, 112, params);
        EXPECT_EQ(rowsOf(*rs, fields), c.rows) << c.name;
    }
    // An item-number range keeps 01.003 to 01.005; a quote in a bound is only a character of it.
    auto params = stockDeviationParams(2);
    params->set(QStringLiteral("ShowDisableItem"), std::int16_t(1));
    params->set(QStringLiteral("BItemNumber"), QStringLiteral("01.003"));
    params->set(QStringLiteral("EItemNumber"), QStringLiteral("01.005'"));
    const auto rs = fixture->numbered(kStockReportsRpt112ProgId, 112, params);
    EXPECT_EQ(rowsOf(*rs, fields),
              (Rows{{"茶", "", "-5.00", "0"}, {"咖啡", "", "-3.00", "0"}, {"合计", "", "-8.00", "101"}}));
}

// Deliveries (income / cost): D11 176.99/61.00, D12 100.10/30.00 (可乐, 甲商店); D13 200.00/100.01
// (果汁, 甲商店); D14 70.00/40.00 (果汁, 乙公司); all by 销售部 and 张三. Invoices: S1 100.10 costs
// D12's 30.00, S2 200.00 bills 3 of D13's 10 = 30.003 -> 30.00, S6 70.00 costs D14's 40.00.
TEST_P(ReportFigures, GrossProfit) {
    struct Case {
        const char* name;
        int object;
        bool fromInvoices;
        QString nameField;
        Rows rows;
    } cases[] = {
        {"items from deliveries",
         0,
         false,
         "FName",
         {{"可乐", "277.09", "91.00", "186.09", "0"},
          {"果汁", "270.00", "140.01", "129.99", "0"},
          {"合计", "547.09", "231.01", "316.08", "101"}}},
        {"customers from deliveries",
         1,
         false,
         "FProp01Name",
         {{"甲商店(小计)", "477.09", "191.01", "286.08", "0"},
          {"乙公司(小计)", "70.00", "40.00", "30.00", "0"},
          {"合计", "547.09", "231.01", "316.08", "101"}}},
        {"customers from invoices",
         1,
         true,
         "FProp01Name",
         {{"甲商店(小计)", "300.10", "60.00", "240.10", "0"},
          {"乙公司(小计)", "70.00", "40.00", "30.00", "0"},
          {"合计", "370.10", "100.00", "270.10", "101"}}},
        {"departments",
         2,
         false,
         "FProp07Name",
         {{"销售部(小计)", "547.09", "231.01", "316.08", "0"},
          {"合计", "547.09", "231.01", "316.08", "101"}}},
        {"salespeople",
         3,
         true,
         "FProp08Name",
         {{"张三(小计)", "370.10", "100.00", "270.10", "0"}, {"合计", "370.10", "100.00", "270.10", "101"}}},
    };
    for (const Case& c : cases) {
        const auto rs = fixture->numbered(kCostReportsRpt2167ProgId, 2167,
                                          grossProfitParams(c.object, c.fromInvoices, kBegin, kEnd));
        EXPECT_EQ(rowsOf(*rs, {c.nameField, "FIncome", "FCost", "FProfit", "Fsumsort"}), c.rows) << c.name;
    }
}

// The item rows also carry the model the chart puts beside the name.
TEST_P(ReportFigures, GrossProfitItemsCarryTheirModel) {
    const auto rs =
        fixture->numbered(kCostReportsRpt2167ProgId, 2167, grossProfitParams(0, false, kBegin, kEnd));
    rs->setFilter(QStringLiteral("Fsumsort<>101"));
    rs->setSort(QStringLiteral(" FProfit DESC "));
    EXPECT_EQ(rowsOf(*rs, {"FName", "fmodel"}), (Rows{{"可乐", "330ml"}, {"果汁", "1L"}}));
}

INSTANTIATE_TEST_SUITE_P(Paths, ReportFigures,
                         ::testing::Values(ReportFixture::Path::Embedded, ReportFixture::Path::Odbc),
                         [](const ::testing::TestParamInfo<ReportFixture::Path>& info) {
                             return info.param == ReportFixture::Path::Odbc ? "Odbc" : "Embedded";
                         });

} // namespace
} // namespace zrk::test
