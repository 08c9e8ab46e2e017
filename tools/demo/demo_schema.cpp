#include "demo_schema.h"

#include <sqlite3.h>
#include <stdexcept>

namespace zrk::demo {

namespace {

// Columns shared by every business document header: number, date, audit and cancellation.
#define ZRK_BILL_HEAD                                                                                        \
    "FInterID INT NOT NULL PRIMARY KEY, FBillNo NVARCHAR(50) NOT NULL UNIQUE, FTranType INT NOT NULL, "      \
    "FDate DATETIME TEXT NOT NULL, "
#define ZRK_BILL_AUDIT                                                                                       \
    "FStatus SMALLINT NOT NULL DEFAULT 0, FCheckerID INT NOT NULL DEFAULT 0, FCheckDate DATETIME TEXT, "     \
    "FBillerID INT NOT NULL DEFAULT 0, FCancellation SMALLINT NOT NULL DEFAULT 0, "                          \
    "FExplanation NVARCHAR(255) NOT NULL DEFAULT ''"
#define ZRK_CURRENCY "FCurrencyID INT NOT NULL, FExchangeRate DECIMAL(18,10) NOT NULL DEFAULT 1, "
#define ZRK_MONEY_LINE                                                                                       \
    "FPrice DECIMAL(28,10) NOT NULL DEFAULT 0, FAmountFor DECIMAL(20,2) NOT NULL DEFAULT 0, "                \
    "FAmount DECIMAL(20,2) NOT NULL DEFAULT 0, FTaxRate DECIMAL(8,2) NOT NULL DEFAULT 0, "                   \
    "FTaxAmountFor DECIMAL(20,2) NOT NULL DEFAULT 0, FTaxAmount DECIMAL(20,2) NOT NULL DEFAULT 0, "

#define ZRK_INVENTORY                                                                                        \
    "FBrNo VARCHAR(10) NOT NULL DEFAULT '0', FItemID INT NOT NULL, FBatchNo VARCHAR(200) NOT NULL DEFAULT "  \
    "'', "                                                                                                   \
    "FStockID INT NOT NULL, FQty DECIMAL(28,10) NOT NULL DEFAULT 0, FBal DECIMAL(20,2) NOT NULL DEFAULT 0, " \
    "FStockPlaceID INT NOT NULL DEFAULT 0, FKFPeriod INT NOT NULL DEFAULT 0, FKFDate VARCHAR(255), "         \
    "FQtyLock DECIMAL(28,10) NOT NULL DEFAULT 0, FAuxPropID INT NOT NULL DEFAULT 0, "                        \
    "FSecQty DECIMAL(28,10) NOT NULL DEFAULT 0"

const std::vector<TableDef> kTables = {
    // --- suite tables that the console reads ---------------------------------------------------
    {"t_SystemProfile",
     "FCategory NVARCHAR(30) NOT NULL COLLATE NOCASE, FKey NVARCHAR(50) NOT NULL COLLATE NOCASE, "
     "FValue NVARCHAR(255), FDescription NVARCHAR(255) NOT NULL DEFAULT '', "
     "PRIMARY KEY (FCategory, FKey)"},
    {"t_PeriodDate", "FYear INT NOT NULL, FPeriod INT NOT NULL, FStartDate DATETIME TEXT NOT NULL, "
                     "FEndDate DATETIME TEXT NOT NULL, PRIMARY KEY (FYear, FPeriod)"},
    {"t_Currency", "FCurrencyID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(20) NOT NULL, FName NVARCHAR(40), "
                   "FExchangeRate DECIMAL(18,10) NOT NULL DEFAULT 1, FScale SMALLINT NOT NULL DEFAULT 2, "
                   "FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_Rpt_Content",
     "FRptID INT NOT NULL PRIMARY KEY, FRptName NVARCHAR(600) NOT NULL, "
     "FRptName_Cht NVARCHAR(600) NOT NULL DEFAULT '', FRptName_EN NVARCHAR(600) NOT NULL DEFAULT '', "
     "FSysName NVARCHAR(100) NOT NULL, FYear SMALLINT, FPeriod SMALLINT, FOwner SMALLINT NOT NULL, "
     "FRptType SMALLINT NOT NULL, FRptData IMAGE BLOB, FPrinterBuf IMAGE BLOB, FLastOperator SMALLINT, "
     "FLastDate SMALLDATETIME TEXT, F500 SMALLINT NOT NULL DEFAULT 0, F1001 SMALLINT NOT NULL DEFAULT 0, "
     "FVisibleInList CHAR(1) DEFAULT '1'"},
    {"t_UserMenuStore",
     "FInnerID INT NOT NULL PRIMARY KEY, FUserID INT NOT NULL, FDetailFuncType SMALLINT NOT NULL, "
     "FZRKSubID INT NOT NULL DEFAULT 0, FZRKIndex INT NOT NULL DEFAULT 0, "
     "FShowCaption NVARCHAR(255) NOT NULL, FDoFuncMnuParam NVARCHAR(512) NOT NULL, "
     "FClickCount INT NOT NULL DEFAULT 0, ForderIndex INT NOT NULL DEFAULT 0"},
    {"t_User", "FUserID INT NOT NULL PRIMARY KEY, FName NVARCHAR(80) NOT NULL UNIQUE COLLATE NOCASE, "
               "FDescription NVARCHAR(255) NOT NULL DEFAULT '', FSalt VARCHAR(64) NOT NULL, "
               "FPasswordHash VARCHAR(128) NOT NULL, FHashIterations INT NOT NULL, "
               "FForbidden SMALLINT NOT NULL DEFAULT 0"},
    // --- chart of accounts: FDC 1 debit, -1 credit; FGroupID 1 assets, 2 liabilities, 3 equity,
    // 4 costs, 5 profit and loss; FBeginBalance at the start of the ledger, in the account's
    // direction ---------------------------------------------------------------------------------
    {"t_Account",
     "FAccountID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(80) NOT NULL UNIQUE, FName NVARCHAR(255) NOT "
     "NULL, "
     "FLevel SMALLINT NOT NULL DEFAULT 1, FDC SMALLINT NOT NULL, FParentID INT NOT NULL DEFAULT 0, "
     "FDetail BIT NOT NULL DEFAULT 1, FGroupID INT NOT NULL, FBeginBalance DECIMAL(20,2) NOT NULL DEFAULT 0, "
     "FDeleted SMALLINT NOT NULL DEFAULT 0"},
    // --- core data ----------------------------------------------------------------------------
    {"t_ItemClass",
     "FItemClassID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(30) NOT NULL, FName NVARCHAR(80) NOT NULL"},
    {"t_Item",
     "FItemID INT NOT NULL PRIMARY KEY, FItemClassID INT NOT NULL, FNumber NVARCHAR(80) NOT NULL, "
     "FName NVARCHAR(255) NOT NULL, FParentID INT NOT NULL DEFAULT 0, FLevel SMALLINT NOT NULL DEFAULT 1, "
     "FDetail BIT NOT NULL DEFAULT 1, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_Department",
     "FItemID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(80) NOT NULL, FName NVARCHAR(255) NOT NULL, "
     "FManager INT NOT NULL DEFAULT 0, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_Emp",
     "FItemID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(80) NOT NULL, FName NVARCHAR(255) NOT NULL, "
     "FDepartmentID INT NOT NULL, FPhone NVARCHAR(40) NOT NULL DEFAULT '', FDeleted SMALLINT NOT NULL "
     "DEFAULT 0"},
    {"t_Organization",
     "FItemID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(80) NOT NULL, FName NVARCHAR(255) NOT NULL, "
     "FShortName NVARCHAR(80) NOT NULL DEFAULT '', FAddress NVARCHAR(255) NOT NULL DEFAULT '', "
     "FPhone NVARCHAR(40) NOT NULL DEFAULT '', FContact NVARCHAR(40) NOT NULL DEFAULT '', "
     "FCurrencyID INT NOT NULL, FDepartment INT NOT NULL DEFAULT 0, FEmployee INT NOT NULL DEFAULT 0, "
     "FCreditLimit DECIMAL(20,2) NOT NULL DEFAULT 0, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_Supplier",
     "FItemID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(80) NOT NULL, FName NVARCHAR(255) NOT NULL, "
     "FShortName NVARCHAR(80) NOT NULL DEFAULT '', FAddress NVARCHAR(255) NOT NULL DEFAULT '', "
     "FPhone NVARCHAR(40) NOT NULL DEFAULT '', FContact NVARCHAR(40) NOT NULL DEFAULT '', "
     "FCurrencyID INT NOT NULL, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_MeasureUnit",
     "FMeasureUnitID INT NOT NULL PRIMARY KEY, FUnitGroupID INT NOT NULL, FNumber NVARCHAR(30) NOT NULL, "
     "FName NVARCHAR(80) NOT NULL, FCoefficient DECIMAL(28,10) NOT NULL DEFAULT 1, "
     "FStandard SMALLINT NOT NULL DEFAULT 0, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_Stock",
     "FItemID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(80) NOT NULL, FName NVARCHAR(255) NOT NULL, "
     "FAddress NVARCHAR(255) NOT NULL DEFAULT '', FEmpID INT NOT NULL DEFAULT 0, "
     "FIsStockMgr SMALLINT NOT NULL DEFAULT 0, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_StockPlace",
     "FSPID INT NOT NULL PRIMARY KEY, FSPGroupID INT NOT NULL DEFAULT 0, FStockID INT NOT NULL, "
     "FNumber NVARCHAR(80) NOT NULL, FName NVARCHAR(255) NOT NULL, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_AuxItem",
     "FItemID INT NOT NULL PRIMARY KEY, FItemClassID INT NOT NULL, FNumber NVARCHAR(80) NOT NULL, "
     "FName NVARCHAR(255) NOT NULL, FDeleted SMALLINT NOT NULL DEFAULT 0"},
    {"t_ICItem",
     "FItemID INT NOT NULL PRIMARY KEY, FNumber NVARCHAR(80) NOT NULL, FName NVARCHAR(255) NOT NULL, "
     "FModel NVARCHAR(255) NOT NULL DEFAULT '', FParentID INT NOT NULL DEFAULT 0, "
     "FErpClsID SMALLINT NOT NULL DEFAULT 1, FUnitGroupID INT NOT NULL, FUnitID INT NOT NULL, "
     "FStoreUnitID INT NOT NULL, FSaleUnitID INT NOT NULL, FSecUnitID INT NOT NULL DEFAULT 0, "
     "FQtyDecimal SMALLINT NOT NULL DEFAULT 0, FPriceDecimal SMALLINT NOT NULL DEFAULT 2, "
     "FDefaultLoc INT NOT NULL DEFAULT 0, FSupplierID INT NOT NULL DEFAULT 0, "
     "FAuxClassID INT NOT NULL DEFAULT 0, FSecInv DECIMAL(28,10) NOT NULL DEFAULT 0, "
     "FHighLimit DECIMAL(28,10) NOT NULL DEFAULT 0, FOrderPrice DECIMAL(28,10) NOT NULL DEFAULT 0, "
     "FSalePrice DECIMAL(28,10) NOT NULL DEFAULT 0, FTaxRate DECIMAL(8,2) NOT NULL DEFAULT 13, "
     "FDeleted SMALLINT NOT NULL DEFAULT 0"},
    // --- stock on hand ------------------------------------------------------------------------
    {"ICInventory",
     ZRK_INVENTORY ", PRIMARY KEY (FBrNo, FItemID, FAuxPropID, FBatchNo, FStockID, FStockPlaceID)"},
    {"POInventory",
     ZRK_INVENTORY ", FStockTypeID INT NOT NULL DEFAULT 501, "
                   "PRIMARY KEY (FBrNo, FItemID, FAuxPropID, FBatchNo, FStockID, FStockPlaceID)"},
    // --- orders ---------------------------------------------------------------------------------
    {"POOrder", ZRK_BILL_HEAD
     "FSupplyID INT NOT NULL, FDeptID INT NOT NULL DEFAULT 0, FEmpID INT NOT NULL DEFAULT 0, " ZRK_CURRENCY
     "FClosed SMALLINT NOT NULL DEFAULT 0, " ZRK_BILL_AUDIT},
    {"POOrderEntry",
     "FInterID INT NOT NULL, FEntryID INT NOT NULL, FItemID INT NOT NULL, "
     "FAuxPropID INT NOT NULL DEFAULT 0, FUnitID INT NOT NULL, FQty DECIMAL(28,10) NOT NULL, " ZRK_MONEY_LINE
     "FFetchDate DATETIME TEXT NOT NULL, FStockQty DECIMAL(28,10) NOT NULL DEFAULT 0, "
     "FInvoiceQty DECIMAL(28,10) NOT NULL DEFAULT 0, FMrpClosed SMALLINT NOT NULL DEFAULT 0, "
     "PRIMARY KEY (FInterID, FEntryID)"},
    {"SEOrder", ZRK_BILL_HEAD
     "FCustID INT NOT NULL, FDeptID INT NOT NULL DEFAULT 0, FEmpID INT NOT NULL DEFAULT 0, " ZRK_CURRENCY
     "FClosed SMALLINT NOT NULL DEFAULT 0, " ZRK_BILL_AUDIT},
    {"SEOrderEntry",
     "FInterID INT NOT NULL, FEntryID INT NOT NULL, FItemID INT NOT NULL, "
     "FAuxPropID INT NOT NULL DEFAULT 0, FUnitID INT NOT NULL, FQty DECIMAL(28,10) NOT NULL, " ZRK_MONEY_LINE
     "FFetchDate DATETIME TEXT NOT NULL, FStockQty DECIMAL(28,10) NOT NULL DEFAULT 0, "
     "FInvoiceQty DECIMAL(28,10) NOT NULL DEFAULT 0, FMrpClosed SMALLINT NOT NULL DEFAULT 0, "
     "PRIMARY KEY (FInterID, FEntryID)"},
    // --- stock bills: opening stock (10), purchase receipts (1), sales deliveries (21) --------------
    {"ICStockBill",
     ZRK_BILL_HEAD "FSupplyID INT NOT NULL DEFAULT 0, FDeptID INT NOT NULL DEFAULT 0, "
                   "FEmpID INT NOT NULL DEFAULT 0, FDCStockID INT NOT NULL DEFAULT 0, "
                   "FSCStockID INT NOT NULL DEFAULT 0, FROB SMALLINT NOT NULL DEFAULT 1, " ZRK_BILL_AUDIT},
    {"ICStockBillEntry",
     "FInterID INT NOT NULL, FEntryID INT NOT NULL, FItemID INT NOT NULL, "
     "FAuxPropID INT NOT NULL DEFAULT 0, FBatchNo VARCHAR(200) NOT NULL DEFAULT '', "
     "FUnitID INT NOT NULL, FQty DECIMAL(28,10) NOT NULL, FPrice DECIMAL(28,10) NOT NULL DEFAULT 0, "
     "FAmount DECIMAL(20,2) NOT NULL DEFAULT 0, FConsignPrice DECIMAL(28,10) NOT NULL DEFAULT 0, "
     "FConsignAmount DECIMAL(20,2) NOT NULL DEFAULT 0, FDCStockID INT NOT NULL DEFAULT 0, "
     "FSCStockID INT NOT NULL DEFAULT 0, FDCSPID INT NOT NULL DEFAULT 0, "
     "FSCSPID INT NOT NULL DEFAULT 0, FOrderInterID INT NOT NULL DEFAULT 0, "
     "FOrderEntryID INT NOT NULL DEFAULT 0, FOrderBillNo NVARCHAR(50) NOT NULL DEFAULT '', "
     "PRIMARY KEY (FInterID, FEntryID)"},
    // --- invoices -------------------------------------------------------------------------------
    {"ICSale", ZRK_BILL_HEAD
     "FCustID INT NOT NULL, FDeptID INT NOT NULL DEFAULT 0, FEmpID INT NOT NULL DEFAULT 0, " ZRK_CURRENCY
     "FROB SMALLINT NOT NULL DEFAULT 1, " ZRK_BILL_AUDIT},
    {"ICSaleEntry",
     "FInterID INT NOT NULL, FEntryID INT NOT NULL, FItemID INT NOT NULL, "
     "FAuxPropID INT NOT NULL DEFAULT 0, FUnitID INT NOT NULL, FQty DECIMAL(28,10) NOT NULL, " ZRK_MONEY_LINE
     "FSourceTranType INT NOT NULL DEFAULT 0, FSourceInterID INT NOT NULL DEFAULT 0, "
     "FSourceEntryID INT NOT NULL DEFAULT 0, FOrderInterID INT NOT NULL DEFAULT 0, "
     "FOrderEntryID INT NOT NULL DEFAULT 0, PRIMARY KEY (FInterID, FEntryID)"},
    {"ICPurchase", ZRK_BILL_HEAD
     "FSupplyID INT NOT NULL, FDeptID INT NOT NULL DEFAULT 0, FEmpID INT NOT NULL DEFAULT 0, " ZRK_CURRENCY
     "FROB SMALLINT NOT NULL DEFAULT 1, " ZRK_BILL_AUDIT},
    {"ICPurchaseEntry",
     "FInterID INT NOT NULL, FEntryID INT NOT NULL, FItemID INT NOT NULL, "
     "FAuxPropID INT NOT NULL DEFAULT 0, FUnitID INT NOT NULL, FQty DECIMAL(28,10) NOT NULL, " ZRK_MONEY_LINE
     "FSourceTranType INT NOT NULL DEFAULT 0, FSourceInterID INT NOT NULL DEFAULT 0, "
     "FSourceEntryID INT NOT NULL DEFAULT 0, FOrderInterID INT NOT NULL DEFAULT 0, "
     "FOrderEntryID INT NOT NULL DEFAULT 0, PRIMARY KEY (FInterID, FEntryID)"},
    // --- receivables and payables -----------------------------------------------------------------
    {"t_RP_InitBal",
     "FID INT NOT NULL PRIMARY KEY, FType SMALLINT NOT NULL, FObjectID INT NOT NULL, " ZRK_CURRENCY
     "FDate DATETIME TEXT NOT NULL, FAmountFor DECIMAL(20,2) NOT NULL, "
     "FAmount DECIMAL(20,2) NOT NULL, FExplanation NVARCHAR(255) NOT NULL DEFAULT ''"},
    {"t_RP_Receipt", ZRK_BILL_HEAD
     "FCustID INT NOT NULL, FDeptID INT NOT NULL DEFAULT 0, FEmpID INT NOT NULL DEFAULT 0, " ZRK_CURRENCY
     "FAmountFor DECIMAL(20,2) NOT NULL, FAmount DECIMAL(20,2) NOT NULL, "
     "FSettleType SMALLINT NOT NULL DEFAULT 1, " ZRK_BILL_AUDIT},
    {"t_RP_ReceiptEntry",
     "FInterID INT NOT NULL, FEntryID INT NOT NULL, FBillTranType INT NOT NULL, "
     "FBillInterID INT NOT NULL, FBillNo NVARCHAR(50) NOT NULL, FAmountFor DECIMAL(20,2) NOT NULL, "
     "FAmount DECIMAL(20,2) NOT NULL, PRIMARY KEY (FInterID, FEntryID)"},
    {"t_RP_Payment", ZRK_BILL_HEAD
     "FSupplyID INT NOT NULL, FDeptID INT NOT NULL DEFAULT 0, FEmpID INT NOT NULL DEFAULT 0, " ZRK_CURRENCY
     "FAmountFor DECIMAL(20,2) NOT NULL, FAmount DECIMAL(20,2) NOT NULL, "
     "FSettleType SMALLINT NOT NULL DEFAULT 1, " ZRK_BILL_AUDIT},
    {"t_RP_PaymentEntry",
     "FInterID INT NOT NULL, FEntryID INT NOT NULL, FBillTranType INT NOT NULL, "
     "FBillInterID INT NOT NULL, FBillNo NVARCHAR(50) NOT NULL, FAmountFor DECIMAL(20,2) NOT NULL, "
     "FAmount DECIMAL(20,2) NOT NULL, PRIMARY KEY (FInterID, FEntryID)"},
};

#undef ZRK_BILL_HEAD
#undef ZRK_BILL_AUDIT
#undef ZRK_CURRENCY
#undef ZRK_MONEY_LINE
#undef ZRK_INVENTORY

// The date indexes of the order and stock-bill headers also hold FCancellation and FInterID, so
// that a report over a period finds the documents to join to their lines without reading the
// headers themselves.
const std::vector<std::string> kIndexes = {
    "CREATE INDEX IX_t_Item_Class ON t_Item (FItemClassID, FNumber)",
    "CREATE INDEX IX_ICInventory_Stock ON ICInventory (FStockID)",
    "CREATE INDEX IX_POOrder_Date ON POOrder (FDate, FCancellation, FInterID)",
    "CREATE INDEX IX_POOrder_Supply ON POOrder (FSupplyID)",
    "CREATE INDEX IX_POOrderEntry_Item ON POOrderEntry (FItemID)",
    "CREATE INDEX IX_SEOrder_Date ON SEOrder (FDate, FCancellation, FInterID)",
    "CREATE INDEX IX_SEOrder_Cust ON SEOrder (FCustID)",
    "CREATE INDEX IX_SEOrderEntry_Item ON SEOrderEntry (FItemID)",
    "CREATE INDEX IX_ICStockBill_Date ON ICStockBill (FTranType, FDate, FCancellation, FInterID)",
    "CREATE INDEX IX_ICStockBillEntry_Item ON ICStockBillEntry (FItemID)",
    "CREATE INDEX IX_ICStockBillEntry_Order ON ICStockBillEntry (FOrderInterID, FOrderEntryID)",
    "CREATE INDEX IX_ICSale_Date ON ICSale (FDate)",
    "CREATE INDEX IX_ICSale_Cust ON ICSale (FCustID)",
    "CREATE INDEX IX_ICSaleEntry_Source ON ICSaleEntry (FSourceInterID, FSourceEntryID)",
    "CREATE INDEX IX_ICPurchase_Date ON ICPurchase (FDate)",
    "CREATE INDEX IX_ICPurchase_Supply ON ICPurchase (FSupplyID)",
    "CREATE INDEX IX_t_RP_Receipt_Cust ON t_RP_Receipt (FCustID, FDate)",
    "CREATE INDEX IX_t_RP_Payment_Supply ON t_RP_Payment (FSupplyID, FDate)",
    "CREATE INDEX IX_t_RP_InitBal_Object ON t_RP_InitBal (FType, FObjectID)",
};

} // namespace

const std::vector<TableDef>& demoTables() {
    return kTables;
}
const std::vector<std::string>& demoIndexes() {
    return kIndexes;
}

void execSql(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errmsg(db);
        sqlite3_free(message);
        throw std::runtime_error(text + " (" + sql.substr(0, 80) + ")");
    }
}

void createDemoSchema(sqlite3* db) {
    for (const TableDef& t : kTables)
        execSql(db, std::string("CREATE TABLE ") + t.name + " (" + t.columns + ")");
}

void createDemoIndexes(sqlite3* db) {
    for (const std::string& sql : kIndexes)
        execSql(db, sql);
}

} // namespace zrk::demo
