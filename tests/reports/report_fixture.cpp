#include "report_fixture.h"

#include "demo_schema.h"
#include "reports/report_components.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace zrk::test {

namespace {

// Period of the tests: March 2025. Base currency 人民币 (1), 美元 (2) at 7.
const char* const kDocuments[] = {
    "INSERT INTO t_Currency (FCurrencyID, FNumber, FName, FExchangeRate) VALUES "
    "(1, 'RMB', '人民币', 1), (2, 'USD', '美元', 7)",
    "INSERT INTO t_MeasureUnit (FMeasureUnitID, FUnitGroupID, FNumber, FName, FCoefficient) VALUES "
    "(1, 1, 'P', '瓶', 1), (2, 1, 'X', '箱', 12)",
    "INSERT INTO t_Item (FItemID, FItemClassID, FNumber, FName, FDetail) VALUES (300, 4, '01', '饮料', 0)",
    "INSERT INTO t_ICItem (FItemID, FNumber, FName, FModel, FParentID, FUnitGroupID, FUnitID, FStoreUnitID, "
    "FSaleUnitID, FSecInv, FHighLimit, FDeleted) VALUES "
    "(301, '01.001', '可乐', '330ml', 300, 1, 1, 1, 1, 10, 50, 0),"
    "(302, '01.002', '果汁', '1L', 300, 1, 1, 1, 1, 20, 100, 0),"
    "(303, '01.003', '茶', '', 300, 1, 1, 1, 1, 5, 100, 1),"
    "(304, '01.004', '水', '', 300, 1, 1, 1, 1, 10, 100, 0),"
    "(305, '01.005', '咖啡', '', 300, 1, 1, 1, 1, 3, 100, 0)",
    "INSERT INTO t_Organization (FItemID, FNumber, FName, FCurrencyID) VALUES "
    "(101, 'C01', '甲商店', 1), (102, 'C02', '乙公司', 2)",
    "INSERT INTO t_Supplier (FItemID, FNumber, FName, FCurrencyID) VALUES (201, 'S01', '丙工厂', 1)",
    "INSERT INTO t_Department (FItemID, FNumber, FName) VALUES (701, 'D01', '销售部')",
    "INSERT INTO t_Emp (FItemID, FNumber, FName, FDepartmentID) VALUES (801, 'E01', '张三', 701)",
    // Opening balances: 甲 1000.00; 乙 USD 100.00 = 700.00; 丙 300.00 payable.
    "INSERT INTO t_RP_InitBal (FID, FType, FObjectID, FCurrencyID, FExchangeRate, FDate, FAmountFor, "
    "FAmount) "
    "VALUES (1, 1, 101, 1, 1, '2024-01-01 00:00:00', 1000, 1000), (2, 1, 102, 2, 7, '2024-01-01 00:00:00', "
    "100, "
    "700), (3, 2, 201, 1, 1, '2024-01-01 00:00:00', 300, 300)",
    // Sales invoices: S1 first day, S2 last day unaudited, S3 the day before, S4 the day after,
    // S5 cancelled, S6 in dollars.
    "INSERT INTO ICSale (FInterID, FBillNo, FTranType, FDate, FCustID, FDeptID, FEmpID, FCurrencyID, "
    "FExchangeRate, FStatus, FCancellation) VALUES "
    "(1, 'S1', 80, '2025-03-01 00:00:00', 101, 701, 801, 1, 1, 1, 0),"
    "(2, 'S2', 80, '2025-03-31 00:00:00', 101, 701, 801, 1, 1, 0, 0),"
    "(3, 'S3', 80, '2025-02-28 00:00:00', 101, 701, 801, 1, 1, 1, 0),"
    "(4, 'S4', 80, '2025-04-01 00:00:00', 101, 701, 801, 1, 1, 1, 0),"
    "(5, 'S5', 80, '2025-03-10 00:00:00', 101, 701, 801, 1, 1, 1, 1),"
    "(6, 'S6', 80, '2025-03-15 00:00:00', 102, 701, 801, 2, 7, 1, 0)",
    "INSERT INTO ICSaleEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAmountFor, FAmount, "
    "FTaxAmountFor, "
    "FTaxAmount, FSourceTranType, FSourceInterID, FSourceEntryID) VALUES "
    "(1, 1, 301, 1, 5, 100.10, 100.10, 13.01, 13.01, 21, 12, 1),"
    "(2, 1, 302, 1, 3, 200, 200, 26, 26, 21, 13, 1),"
    "(3, 1, 301, 1, 2, 50, 50, 6.50, 6.50, 21, 15, 1),"
    "(4, 1, 301, 1, 1, 70, 70, 9.10, 9.10, 0, 0, 0),"
    "(5, 1, 301, 1, 1, 999.99, 999.99, 0, 0, 0, 0, 0),"
    "(6, 1, 302, 1, 2, 10, 70, 1.30, 9.10, 21, 14, 1)",
    // Receipts: R1 pays S1 in part, R2 before the period, R3 in dollars, R4 cancelled.
    "INSERT INTO t_RP_Receipt (FInterID, FBillNo, FTranType, FDate, FCustID, FCurrencyID, FExchangeRate, "
    "FAmountFor, FAmount, FStatus, FCancellation) VALUES "
    "(1, 'R1', 1000, '2025-03-05 00:00:00', 101, 1, 1, 100, 100, 1, 0),"
    "(2, 'R2', 1000, '2025-02-20 00:00:00', 101, 1, 1, 500, 500, 1, 0),"
    "(3, 'R3', 1000, '2025-03-20 00:00:00', 102, 2, 7, 5, 35, 1, 0),"
    "(4, 'R4', 1000, '2025-03-06 00:00:00', 101, 1, 1, 300, 300, 1, 1)",
    "INSERT INTO ICPurchase (FInterID, FBillNo, FTranType, FDate, FSupplyID, FCurrencyID, FExchangeRate, "
    "FStatus) VALUES (1, 'P1', 75, '2025-03-02 00:00:00', 201, 1, 1, 1)",
    "INSERT INTO ICPurchaseEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAmountFor, FAmount, "
    "FTaxAmountFor, FTaxAmount, FSourceTranType, FSourceInterID, FSourceEntryID) VALUES "
    "(1, 1, 301, 1, 30, 80, 80, 10.40, 10.40, 1, 21, 1)",
    "INSERT INTO t_RP_Payment (FInterID, FBillNo, FTranType, FDate, FSupplyID, FCurrencyID, FExchangeRate, "
    "FAmountFor, FAmount, FStatus) VALUES (1, 'Y1', 1001, '2025-03-03 00:00:00', 201, 1, 1, 50, 50, 1)",
    // Sales orders: SO1 partly delivered (line 2 in cases of 12), SO2 last day unaudited in dollars,
    // SO3 cancelled, SO4 the day before.
    "INSERT INTO SEOrder (FInterID, FBillNo, FTranType, FDate, FCustID, FCurrencyID, FExchangeRate, FStatus, "
    "FCancellation) VALUES (1, 'SO1', 81, '2025-03-10 00:00:00', 101, 1, 1, 1, 0),"
    "(2, 'SO2', 81, '2025-03-31 00:00:00', 102, 2, 7, 0, 0),"
    "(3, 'SO3', 81, '2025-03-15 00:00:00', 101, 1, 1, 1, 1),"
    "(4, 'SO4', 81, '2025-02-28 00:00:00', 101, 1, 1, 1, 0)",
    "INSERT INTO SEOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAmountFor, FAmount, "
    "FTaxAmountFor, "
    "FTaxAmount, FFetchDate, FStockQty) VALUES "
    "(1, 1, 301, 1, 20, 200, 200, 26, 26, '2025-03-10 00:00:00', 10),"
    "(1, 2, 302, 2, 2, 100, 100, 13, 13, '2025-03-10 00:00:00', 1),"
    "(2, 1, 302, 1, 5, 50, 350, 6.50, 45.50, '2025-03-31 00:00:00', 0),"
    "(3, 1, 301, 1, 100, 1000, 1000, 130, 130, '2025-03-15 00:00:00', 0),"
    "(4, 1, 301, 1, 7, 70, 70, 9.10, 9.10, '2025-02-28 00:00:00', 7)",
    // Purchase orders: PO1 received in full, PO2 in part.
    "INSERT INTO POOrder (FInterID, FBillNo, FTranType, FDate, FSupplyID, FCurrencyID, FExchangeRate, "
    "FStatus) "
    "VALUES (1, 'PO1', 71, '2025-03-02 00:00:00', 201, 1, 1, 1), (2, 'PO2', 71, '2025-03-20 00:00:00', 201, "
    "1, "
    "1, 1)",
    "INSERT INTO POOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAmountFor, FAmount, FFetchDate, "
    "FStockQty) VALUES (1, 1, 301, 1, 30, 180, 180, '2025-03-02 00:00:00', 30),"
    "(2, 1, 302, 1, 10, 83, 83, '2025-03-20 00:00:00', 4)",
    // Stock bills: deliveries D11 (uninvoiced, of SO1), D12..D15 (invoiced by S1, S2, S6, S3),
    // D16 cancelled; receipts B21, B22; opening stock O31 of one case.
    "INSERT INTO ICStockBill (FInterID, FBillNo, FTranType, FDate, FSupplyID, FDeptID, FEmpID, FStatus, "
    "FCancellation) VALUES "
    "(11, 'D11', 21, '2025-03-12 00:00:00', 101, 701, 801, 1, 0),"
    "(12, 'D12', 21, '2025-03-01 00:00:00', 101, 701, 801, 1, 0),"
    "(13, 'D13', 21, '2025-03-31 00:00:00', 101, 701, 801, 0, 0),"
    "(14, 'D14', 21, '2025-03-15 00:00:00', 102, 701, 801, 1, 0),"
    "(15, 'D15', 21, '2025-02-28 00:00:00', 101, 701, 801, 1, 0),"
    "(16, 'D16', 21, '2025-03-20 00:00:00', 101, 701, 801, 1, 1),"
    "(21, 'B21', 1, '2025-03-02 00:00:00', 201, 0, 0, 1, 0),"
    "(22, 'B22', 1, '2025-03-20 00:00:00', 201, 0, 0, 1, 0),"
    "(31, 'O31', 10, '2025-03-01 00:00:00', 0, 0, 0, 1, 0)",
    "INSERT INTO ICStockBillEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAmount, FConsignAmount, "
    "FOrderInterID, FOrderEntryID) VALUES "
    "(11, 1, 301, 1, 10, 61, 176.99, 1, 1),"
    "(12, 1, 301, 1, 5, 30, 100.10, 0, 0),"
    "(13, 1, 302, 1, 10, 100.01, 200, 0, 0),"
    "(14, 1, 302, 1, 2, 40, 70, 0, 0),"
    "(15, 1, 301, 1, 2, 12, 50, 0, 0),"
    "(16, 1, 301, 1, 3, 18, 40, 0, 0),"
    "(21, 1, 301, 1, 30, 180, 0, 1, 1),"
    "(22, 1, 302, 1, 4, 33.33, 0, 2, 1),"
    "(31, 1, 302, 2, 1, 99.99, 0, 0, 0)",
    // Stock on hand: 可乐 60 in two warehouses, 果汁 5, 水 30; 茶 (deleted) and 咖啡 none.
    "INSERT INTO ICInventory (FItemID, FStockID, FQty, FBal) VALUES "
    "(301, 501, 40, 240), (301, 502, 20, 120), (302, 501, 5, 40), (304, 501, 30, 30)",
};

} // namespace

bool ReportFixture::odbcDriverInstalled() {
    QFile ini(QStringLiteral("/etc/odbcinst.ini"));
    return ini.open(QIODevice::ReadOnly) && ini.readAll().contains("[SQLite3]");
}

ReportFixture::ReportFixture(Path path) : file_(dir_.filePath(QStringLiteral("fixture.zrkdb"))), path_(path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(file().toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create the fixture");
    try {
        demo::createDemoSchema(db);
        for (const char* sql : kDocuments)
            demo::execSql(db, sql);
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
    connect();
}

ReportFixture::ReportFixture(const QString& accountSetFile) : file_(accountSetFile) {
    connect();
}

void ReportFixture::connect() {
    console.ctx.texts().languageCode = 1;
    auto connection = std::make_shared<db::Connection>();
    connection->open(connectionString());
    console.ctx.session().companyConnection = connection;
    reports::registerReportComponents(console.ctx);
}

void ReportFixture::exec(const QString& sql) {
    console.ctx.session().companyConnection->execute(sql);
}

QString ReportFixture::connectionString() const {
    return (path_ == Path::Odbc ? QStringLiteral("Provider=ODBC;Driver=SQLite3;Database=%1")
                                : QStringLiteral("Provider=SQLite;Data Source=%1"))
        .arg(file());
}

QString ReportFixture::propsString() const {
    return QStringLiteral("ConnectString={%1};UserName=boss;").arg(connectionString());
}

db::RecordsetPtr ReportFixture::numbered(const QString& progId, std::int16_t reportId,
                                         const DictionaryPtr& params) {
    auto report = queryInterface<INumberedReport>(console.ctx.components().create(progId));
    report->setRptID(reportId);
    report->setExtFirter(reportId);
    report->setFilter(params);
    report->getReportData();
    return report->rs();
}

db::RecordsetPtr ReportFixture::receivables(const DictionaryPtr& params) {
    auto component = queryInterface<IArApReports>(console.ctx.components().create(kArApReportsProgId));
    DictionaryPtr byReference = params;
    return component->getRpt131Data(propsString(), byReference, std::int16_t(1));
}

db::RecordsetPtr ReportFixture::payables(const DictionaryPtr& params) {
    auto component = queryInterface<IArApReports>(console.ctx.components().create(kArApReportsProgId));
    DictionaryPtr byReference = params;
    return component->getRpt132Data(propsString(), byReference);
}

std::vector<QStringList> rowsOf(db::Recordset& rs, const QStringList& fields) {
    std::vector<QStringList> rows;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList row;
        for (const QString& field : fields) {
            const Variant v = rs.value(field);
            row << (v.type() == Variant::Type::Double ? QString::number(v.toDouble(), 'f', 2) : v.toString());
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace zrk::test
