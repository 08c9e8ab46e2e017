// The dictionaries each analysis and summary hands to its component, key by key and type by type.

#include "analysis/source_params.h"
#include "dictionary_match.h"
#include "presenter_fixture.h"

namespace zrk::test {
namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;
const QString kToday = QStringLiteral("2025-03-31");

Variant S(const char* text) {
    return QString::fromUtf8(text);
}
Variant E() {
    return QString();
}

Entries sumField(const Entries& grouping = {}) {
    Entries e = grouping;
    e.insert(e.end(), {{"FPropID", I16(0)},
                       {"FSQLColumnName", S("FName")},
                       {"FSrcTable", E()},
                       {"FSrcField", E()},
                       {"FDisplayField", E()}});
    return e;
}

Entries salesProfit(const QString& begin, I16 groupBy, I16 sumMode, I16 filterOption,
                    const Entries& grouping) {
    return {{"OK", true},
            {"BeginDate", begin},
            {"EndDate", kToday},
            {"BYear", I16(2006)},
            {"BPeriod", I16(9)},
            {"EYear", I16(2006)},
            {"EPeriod", I16(9)},
            {"BItemNumber", E()},
            {"EItemNumber", E()},
            {"BCustNumber", E()},
            {"ECustNumber", E()},
            {"GroupBy", groupBy},
            {"OnlyShowSum", groupBy},
            {"BLevel", I16(1)},
            {"ELevel", I16(1)},
            {"SumMode", sumMode},
            {"FilterOption", filterOption},
            {"ChkStyle", I16(4)},
            {"SumField", dictionaryOf(sumField(grouping))},
            {"Orderby", S(" FProfit DESC ")}};
}

Entries arAp(bool payables, bool interactive, const Variant& currencyId, const Variant& currencyName) {
    Entries e = {{"OK", true},
                 {"BDate", kToday},
                 {"EDate", kToday},
                 {"CurrencyID", currencyId},
                 {"CurrencyName", currencyName},
                 {payables ? "InportNoInvoice" : "ExportNoInvoice", I16(interactive ? 1 : 0)},
                 {payables ? "CashPurchaseInvoice" : "CashSaleInvoice", I16(interactive ? 0 : 1)},
                 {payables ? "BSupplyNumber" : "BCustNumber", E()},
                 {payables ? "ESupplyNumber" : "ECustNumber", E()},
                 {"BDeptNumber", E()},
                 {"EDeptNumber", E()},
                 {"BEmpNumber", E()},
                 {"EEmpNumber", E()},
                 {"IncludeNotAudit", I16(1)},
                 {"BalanceNotZero", I16(0)},
                 {"FSNotZero", I16(0)},
                 {"GroupBy", I16(0)},
                 {"BLevel", I16(1)},
                 {"ELevel", I16(payables ? 1 : 2)},
                 {"OnlyShowSum", I16(1)},
                 {"IncludeOther", I16(1)}};
    if (payables)
        e.push_back({"DataRightWhere", E()});
    e.insert(e.end(),
             {{"SumMode", I16(1)}, {"SumName", S(payables ? "供应商" : "客户")}, {"bLongNumber", true}});
    return e;
}

Entries purchaseOrders() {
    Entries e = {{"BDate", kToday}, {"EDate", kToday},        {"OK", true},
                 {"Mode", I16(0)},  {"ItemClassNumber", E()}, {"ItemClassID", I16(0)}};
    for (const char* key : {"BEmp", "EEmp", "BItemNumber", "EItemNumber", "BBillNo", "EBillNo", "BDept",
                            "EDept", "BSupplyNumber", "ESupplyNumber", "BBranchNumber", "EBranchNumber"})
        e.push_back({key, E()});
    e.insert(e.end(), {{"GroupBy", I16(0)},
                       {"OnlyShowSum", I16(0)},
                       {"BLevel", I16(1)},
                       {"ELevel", I16(2)},
                       {"SumMode", I16(1)},
                       {"SumField", dictionaryOf(sumField())},
                       {"CheckState", I16(2)},
                       {"CheckClose", I16(2)},
                       {"OrderType", I16(-1)},
                       {"OrderTypeName", S("全部")},
                       {"bLongNumber", true},
                       {"DataRightFrom", E()},
                       {"DataRightWhere", E()}});
    return e;
}

Entries salesOrders() {
    Entries e = {{"BDate", kToday}, {"EDate", kToday}, {"OK", true}};
    for (const char* key : {"BItemNumber", "EItemNumber", "BCustNumber", "ECustNumber", "BCompanyNumber",
                            "ECompanyNumber", "BDept", "EDept", "BEmp", "EEmp", "BBillNo", "EBillNo"})
        e.push_back({key, E()});
    e.insert(e.end(), {{"GroupBy", I16(0)},
                       {"OnlyShowSum", I16(0)},
                       {"BLevel", I16(1)},
                       {"ELevel", I16(2)},
                       {"SumMode", I16(1)},
                       {"SumName", S("物料类别")},
                       {"SaleType", I16(1)},
                       {"SaleTypeName", S("全部")},
                       {"OrderType", I16(20302)},
                       {"OrderTypeName", S("购销")},
                       {"SumField", dictionaryOf(sumField())},
                       {"CheckState", I16(2)},
                       {"CloseState", I16(0)}});
    return e;
}

Entries todayStock() {
    Entries e = {{"OK", true}, {"BDate", kToday}, {"EDate", kToday}};
    for (const char* key : {"BItemNumber", "EItemNumber", "BBatchNo", "EBatchNo", "BStockNumber",
                            "EStockNumber", "BSPNumber", "ESPNumber"})
        e.push_back({key, E()});
    for (const char* key : {"SortByLevelNumber", "ShowAdjustBill", "GroupBy", "OnlyShowSum"})
        e.push_back({key, I16(0)});
    e.insert(e.end(), {{"BLevel", I16(1)},
                       {"ELevel", I16(2)},
                       {"SumMode", I16(1)},
                       {"Hide", I16(0)},
                       {"ShowVirtual", I16(1)},
                       {"SumField", dictionaryOf(sumField())},
                       {"CheckState", I16(2)},
                       {"ShowHappened", I16(0)}});
    return e;
}

Entries stockDeviation(I16 aType, const char* orderBy) {
    return {
        {"OK", true},           {"BItemNumber", E()},    {"EItemNumber", E()},        {"BStockNumber", E()},
        {"EStockNumber", E()},  {"AType", aType},        {"ShowDisableItem", I16(0)}, {"Orderby", S(orderBy)},
        {"DataRightFrom", E()}, {"DataRightWhere", E()}, {"ItemFrom", E()},           {"ItemWhere", E()},
        {"LongNumber", true},   {"ShowVirtual", I16(1)}};
}

using SourceParams = PresenterTest;

TEST_F(SourceParams, SalesProfitByObjectAndBillKind) {
    presenter.clickTab(0);
    const ReportCall& first = world.lastCall(kCostReportsRpt2167ProgId);
    EXPECT_EQ(first.member, QStringLiteral("GetReportData"));
    EXPECT_EQ(first.rptId, 2167);
    EXPECT_EQ(first.extFirter, 2167);
    EXPECT_TRUE(sameDictionary(first.params, salesProfit(kToday, 0, 7, 2, {})));

    struct Case {
        int object;
        I16 itemClass;
        const char* name;
    } groupings[] = {{1, 1, "客户"}, {2, 7, "部门"}, {3, 8, "业务员"}};
    for (const Case& c : groupings) {
        SCOPED_TRACE(c.name);
        presenter.chooseObject(c.object);
        EXPECT_TRUE(sameDictionary(
            world.lastCall(kCostReportsRpt2167ProgId).params,
            salesProfit(kToday, 1, 0, 2, {{"FItemClassID", c.itemClass}, {"FName", S(c.name)}})));
    }
    presenter.chooseObject(0);
    presenter.chooseDocument(1);
    EXPECT_TRUE(
        sameDictionary(world.lastCall(kCostReportsRpt2167ProgId).params, salesProfit(kToday, 0, 7, 1, {})));
}

TEST_F(SourceParams, SalesProfitBeginsNoEarlierThanTheStockSystem) {
    presenter.clickTab(0);
    presenter.chooseTime(10); // this year: from 1 January, but the stock system started on 1 March
    const auto& params = world.lastCall(kCostReportsRpt2167ProgId).params;
    EXPECT_EQ(params->item(QStringLiteral("BeginDate")), Variant(QStringLiteral("2025-03-01")));
    EXPECT_EQ(params->item(QStringLiteral("EndDate")), Variant(kToday));
    EXPECT_EQ(world.appQueries.last(),
              QStringLiteral("select FStartDate,FEndDate from t_PeriodDate where FYear=2025  and FPeriod=3"));
    presenter.chooseTime(11); // before today: the fixed first day is not clamped
    EXPECT_EQ(world.lastCall(kCostReportsRpt2167ProgId).params->item(QStringLiteral("BeginDate")),
              Variant(QStringLiteral("1900-06-01")));
}

TEST_F(SourceParams, LastYearBeginsAtAStockStartInItsMiddle) {
    world.periodRows =
        makeRecordset({QStringLiteral("FStartDate")}, {{QDateTime(QDate(2024, 7, 1), QTime())}});
    presenter.clickTab(0);
    presenter.chooseTime(9);
    const auto& params = world.lastCall(kCostReportsRpt2167ProgId).params;
    EXPECT_EQ(params->item(QStringLiteral("BeginDate")), Variant(QStringLiteral("2024-07-01")));
    EXPECT_EQ(params->item(QStringLiteral("EndDate")), Variant(QStringLiteral("2024-12-31")));
}

TEST_F(SourceParams, AStockStartPeriodMissingFromThePeriodsIsToday) {
    world.periodRows = makeRecordset({QStringLiteral("FStartDate")}, {});
    presenter.clickTab(0);
    presenter.chooseTime(9); // last year, clamped to today's stock start
    const auto& params = world.lastCall(kCostReportsRpt2167ProgId).params;
    EXPECT_EQ(params->item(QStringLiteral("BeginDate")), Variant(kToday));
    EXPECT_EQ(params->item(QStringLiteral("EndDate")), Variant(kToday));
}

TEST_F(SourceParams, ReceiptsAndPaymentsForTheSelectedCurrency) {
    presenter.clickTab(1);
    ASSERT_EQ(presenter.documentSelector().items,
              (QStringList{QStringLiteral("人民币"), QStringLiteral("美元")}));
    presenter.chooseDocument(1);
    const ReportCall& receivables = world.lastCall(QStringLiteral("GetRpt131Data"));
    EXPECT_EQ(receivables.mode, Variant(I16(1)));
    EXPECT_EQ(receivables.props, world.props[QStringLiteral("PropsString")].toString());
    EXPECT_TRUE(sameDictionary(receivables.params, arAp(false, true, I32(2), S("美元"))));
    presenter.chooseObject(1);
    EXPECT_TRUE(sameDictionary(world.lastCall(QStringLiteral("GetRpt132Data")).params,
                               arAp(true, true, I32(2), S("美元"))));
}

TEST_F(SourceParams, SummariesAskForTodayInTheBaseCurrency) {
    presenter.refreshSummaries();
    QStringList order;
    for (const ReportCall& c : world.calls)
        order << (c.member == QStringLiteral("GetReportData") ? c.progId : c.member);
    EXPECT_EQ(order, (QStringList{QStringLiteral("GetRpt131Data"), QStringLiteral("GetRpt132Data"),
                                  kPurchaseReportsRpt119ProgId, kSalesReportsRpt138ProgId,
                                  kStockReportsRpt171ProgId}));
    const ReportCall& receivables = world.lastCall(QStringLiteral("GetRpt131Data"));
    EXPECT_TRUE(receivables.mode.isEmpty());
    EXPECT_TRUE(sameDictionary(receivables.params, arAp(false, false, S("0"), S("综合本位币"))));
    EXPECT_TRUE(sameDictionary(world.lastCall(QStringLiteral("GetRpt132Data")).params,
                               arAp(true, false, S("0"), S("综合本位币"))));
    EXPECT_TRUE(sameDictionary(world.lastCall(kPurchaseReportsRpt119ProgId).params, purchaseOrders()));
    EXPECT_TRUE(sameDictionary(world.lastCall(kSalesReportsRpt138ProgId).params, salesOrders()));
    const ReportCall& stock = world.lastCall(kStockReportsRpt171ProgId);
    EXPECT_EQ(stock.rptId, 171);
    EXPECT_EQ(stock.extFirter, 171);
    EXPECT_TRUE(sameDictionary(stock.params, todayStock()));
}

TEST_F(SourceParams, OrderExecutionAndStockDeviation) {
    presenter.clickTab(3);
    EXPECT_TRUE(sameDictionary(world.lastCall(kPurchaseReportsRpt119ProgId).params, purchaseOrders()));
    EXPECT_TRUE(sameDictionary(world.lastCall(kSalesReportsRpt138ProgId).params, salesOrders()));
    presenter.clickTab(4);
    EXPECT_TRUE(sameDictionary(world.lastCall(kStockReportsRpt112ProgId).params,
                               stockDeviation(1, " FBUUnitDiff DESC ")));
    presenter.chooseObject(1);
    EXPECT_TRUE(sameDictionary(world.lastCall(kStockReportsRpt112ProgId).params,
                               stockDeviation(2, " FBUUnitDiff ASC ")));
}

} // namespace
} // namespace zrk::test
