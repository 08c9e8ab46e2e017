// Parameters a report cannot use, and an account set without one of its tables: every case ends
// in an error naming the parameter or the table, never in a result.
#include "console_params.h"
#include "platform/error.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

namespace zrk::test {
namespace {

const QString kBegin = QStringLiteral("2025-03-01");
const QString kEnd = QStringLiteral("2025-03-31");

enum class Report { Receivables, Payables, Sales, Purchases, Movement, Deviation, Profit };

DictionaryPtr paramsFor(Report report) {
    switch (report) {
    case Report::Receivables:
        return arApParams(false, true, kBegin, kEnd, std::int32_t(1));
    case Report::Payables:
        return arApParams(true, false, kBegin, kEnd, QStringLiteral("0"));
    case Report::Sales:
        return orderParams(true, kBegin, kEnd);
    case Report::Purchases:
        return orderParams(false, kBegin, kEnd);
    case Report::Movement:
        return stockMovementParams(kBegin, kEnd);
    case Report::Deviation:
        return stockDeviationParams(1);
    case Report::Profit:
        return grossProfitParams(1, false, kBegin, kEnd);
    }
    return {};
}

db::RecordsetPtr run(ReportFixture& fixture, Report report, const DictionaryPtr& params) {
    switch (report) {
    case Report::Receivables:
        return fixture.receivables(params);
    case Report::Payables:
        return fixture.payables(params);
    case Report::Sales:
        return fixture.numbered(kSalesReportsRpt138ProgId, 138, params);
    case Report::Purchases:
        return fixture.numbered(kPurchaseReportsRpt119ProgId, 119, params);
    case Report::Movement:
        return fixture.numbered(kStockReportsRpt171ProgId, 171, params);
    case Report::Deviation:
        return fixture.numbered(kStockReportsRpt112ProgId, 112, params);
    case Report::Profit:
        return fixture.numbered(kCostReportsRpt2167ProgId, 2167, params);
    }
    return {};
}

TEST(ReportErrors, RefusedInputNamesTheParameterOrTable) {
    struct Case {
        const char* name;
        Report report;
        std::function<void(Dictionary&)> change;
        const char* sqlBefore; // run on the account set first, or nullptr
        const char* named;     // in the error's description
    } cases[] = {
        {"no OK", Report::Receivables, [](Dictionary& d) { d.remove(QStringLiteral("OK")); }, nullptr, "OK"},
        {"OK false", Report::Movement, [](Dictionary& d) { d.set(QStringLiteral("OK"), false); }, nullptr,
         "OK"},
        {"OK as a number", Report::Sales, [](Dictionary& d) { d.set(QStringLiteral("OK"), std::int16_t(1)); },
         nullptr, "OK"},
        {"begin not a date", Report::Receivables,
         [](Dictionary& d) { d.set(QStringLiteral("BDate"), QStringLiteral("2025-02-30")); }, nullptr,
         "BDate"},
        {"end not a text", Report::Purchases,
         [](Dictionary& d) { d.set(QStringLiteral("EDate"), std::int32_t(20250331)); }, nullptr, "EDate"},
        {"begin missing", Report::Movement, [](Dictionary& d) { d.remove(QStringLiteral("BDate")); }, nullptr,
         "BDate"},
        {"end before begin", Report::Payables,
         [](Dictionary& d) { d.set(QStringLiteral("EDate"), QStringLiteral("2025-02-28")); }, nullptr,
         "EDate"},
        {"profit end before begin", Report::Profit,
         [](Dictionary& d) { d.set(QStringLiteral("EndDate"), QStringLiteral("2025-02-28")); }, nullptr,
         "EndDate"},
        {"unknown currency", Report::Receivables,
         [](Dictionary& d) { d.set(QStringLiteral("CurrencyID"), std::int32_t(9)); }, nullptr, "CurrencyID"},
        {"currency not a number", Report::Payables,
         [](Dictionary& d) { d.set(QStringLiteral("CurrencyID"), QStringLiteral("美元")); }, nullptr,
         "CurrencyID"},
        {"unknown grouping", Report::Profit,
         [](Dictionary& d) { d.set(QStringLiteral("SumMode"), std::int16_t(3)); }, nullptr, "SumMode"},
        {"unknown object class", Report::Profit,
         [](Dictionary& d) {
             auto fields = std::make_shared<Dictionary>();
             fields->set(QStringLiteral("FItemClassID"), std::int16_t(4));
             d.set(QStringLiteral("SumField"), fields);
         },
         nullptr, "FItemClassID"},
        {"sort on an unknown field", Report::Deviation,
         [](Dictionary& d) { d.set(QStringLiteral("Orderby"), QStringLiteral("1; DROP TABLE t_ICItem")); },
         nullptr, "Orderby"},
        {"unknown deviation", Report::Deviation,
         [](Dictionary& d) { d.set(QStringLiteral("AType"), std::int16_t(3)); }, nullptr, "AType"},
        {"unknown check state", Report::Sales,
         [](Dictionary& d) { d.set(QStringLiteral("CheckState"), std::int16_t(5)); }, nullptr, "CheckState"},
        {"filter the report does not apply", Report::Sales,
         [](Dictionary& d) { d.set(QStringLiteral("BCustNumber"), QStringLiteral("C01")); }, nullptr,
         "BCustNumber"},
        {"no invoices table", Report::Receivables, [](Dictionary&) {}, "DROP TABLE ICSaleEntry",
         "ICSaleEntry"},
        {"no supplier table", Report::Payables, [](Dictionary&) {}, "DROP TABLE t_Supplier", "t_Supplier"},
        {"no order table", Report::Purchases, [](Dictionary&) {}, "DROP TABLE POOrderEntry", "POOrderEntry"},
        {"no stock table", Report::Deviation, [](Dictionary&) {}, "DROP TABLE ICInventory", "ICInventory"},
        {"no stock bills", Report::Movement, [](Dictionary&) {}, "DROP TABLE ICStockBill", "ICStockBill"},
        {"no department table", Report::Profit,
         [](Dictionary& d) {
             auto fields = std::make_shared<Dictionary>();
             fields->set(QStringLiteral("FItemClassID"), std::int16_t(7));
             d.set(QStringLiteral("SumField"), fields);
         },
         "DROP TABLE t_Department", "t_Department"},
    };
    for (const Case& c : cases) {
        ReportFixture fixture;
        if (c.sqlBefore)
            fixture.exec(QString::fromUtf8(c.sqlBefore));
        auto params = paramsFor(c.report);
        c.change(*params);
        try {
            run(fixture, c.report, params);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), errnum::InvalidProcedureCall) << c.name;
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.named)))
                << c.name << ": " << e.description().toStdString();
        }
    }
}

// A numbered component asked for another report number refuses, naming the property.
TEST(ReportErrors, NumberedReportChecksItsNumber) {
    ReportFixture fixture;
    auto report =
        queryInterface<INumberedReport>(fixture.console.ctx.components().create(kStockReportsRpt171ProgId));
    report->setRptID(112);
    report->setExtFirter(112);
    report->setFilter(stockMovementParams(kBegin, kEnd));
    try {
        report->getReportData();
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("RptID"))) << e.description().toStdString();
    }
    EXPECT_EQ(report->rs(), nullptr);
}

} // namespace
} // namespace zrk::test
