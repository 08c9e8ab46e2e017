// The bill lists by bill type, with the lines of the selected bill.
#include "platform/db/sql_literal.h"
#include "plugins/functions/list_source.h"
#include "plugins/functions/money.h"

namespace zrk::functions {

namespace {

using K = ColumnKind;

// Where the bills of one type are kept.
struct BillType {
    int tranType;
    const char* title;
    const char* header;
    const char* entry;
    const char* partnerColumn;
    const char* partnerTable;
    const char* partnerTitle;
    bool settlement; // receipts and payments: the header holds the amount, lines name the bills settled
};

const BillType kBillTypes[] = {
    {81, "销售订单", "SEOrder", "SEOrderEntry", "FCustID", "t_Organization", "客户", false},
    {71, "采购订单", "POOrder", "POOrderEntry", "FSupplyID", "t_Supplier", "供应商", false},
    {10, "期初库存", "ICStockBill", "ICStockBillEntry", "FSupplyID", "t_Supplier", "供应商", false},
    {1, "外购入库单", "ICStockBill", "ICStockBillEntry", "FSupplyID", "t_Supplier", "供应商", false},
    {21, "销售出库单", "ICStockBill", "ICStockBillEntry", "FSupplyID", "t_Organization", "客户", false},
    {80, "销售发票", "ICSale", "ICSaleEntry", "FCustID", "t_Organization", "客户", false},
    {75, "采购发票", "ICPurchase", "ICPurchaseEntry", "FSupplyID", "t_Supplier", "供应商", false},
    {1000, "收款单", "t_RP_Receipt", "t_RP_ReceiptEntry", "FCustID", "t_Organization", "客户", true},
    {1001, "付款单", "t_RP_Payment", "t_RP_PaymentEntry", "FSupplyID", "t_Supplier", "供应商", true},
};

QString dayText(const QDate& day) {
    return db::sqlText(day.toString(QStringLiteral("yyyy-MM-dd")));
}

class BillListSource : public ListSource {
public:
    explicit BillListSource(const BillType& type) : type_(type) {}

    QString title() const override { return QString::fromUtf8(type_.title) + QStringLiteral("序时簿"); }
    ParameterKind parameterKind() const override { return ParameterKind::DateRange; }
    bool hasLines() const override { return true; }

    TableData load(db::Connection& connection, const ListParameters& p) const override {
        const QString amount =
            type_.settlement ? centsSql(QStringLiteral("b.FAmount"))
                             : QStringLiteral("(SELECT SUM(%1) FROM %2 e WHERE e.FInterID = b.FInterID)")
                                   .arg(centsSql(QStringLiteral("e.FAmount")), QLatin1String(type_.entry));
        const QString sql =
            QStringLiteral(
                "SELECT b.FInterID, b.FBillNo, b.FDate, p.FName AS FPartner, d.FName AS FDepartment, "
                "m.FName AS FEmployee, %1 AS FAmount, b.FStatus, b.FExplanation FROM %2 b "
                "LEFT JOIN %3 p ON p.FItemID = b.%4 LEFT JOIN t_Department d ON d.FItemID = b.FDeptID "
                "LEFT JOIN t_Emp m ON m.FItemID = b.FEmpID WHERE b.FTranType = %5 AND b.FCancellation = 0 "
                "AND b.FDate >= %6 AND b.FDate < %7 ORDER BY b.FDate, b.FBillNo")
                .arg(amount, QLatin1String(type_.header), QLatin1String(type_.partnerTable),
                     QLatin1String(type_.partnerColumn), QString::number(type_.tranType), dayText(p.from),
                     dayText(p.to));
        return queryTable(connection, sql,
                          {{"FInterID", "内码", K::Hidden},
                           {"FBillNo", "单据编号"},
                           {"FDate", "日期", K::Date},
                           {"FPartner", QString::fromUtf8(type_.partnerTitle)},
                           {"FDepartment", "部门"},
                           {"FEmployee", "业务员"},
                           {"FAmount", "金额", K::Cents},
                           {"FStatus", "已审核", K::Flag},
                           {"FExplanation", "摘要"}},
                          title());
    }

    TableData lines(db::Connection& connection, const TableData& list, int row) const override {
        const int key = list.columnOf(QStringLiteral("FInterID"));
        const QString interId = QString::number(list.rows->value(row, key).toInt32());
        if (type_.settlement)
            return queryTable(
                connection,
                QStringLiteral("SELECT FEntryID, FBillNo, FBillTranType, FAmountFor, FAmount FROM %1 "
                               "WHERE FInterID = %2 ORDER BY FEntryID")
                    .arg(QLatin1String(type_.entry), interId),
                {{"FEntryID", "行号", K::Number},
                 {"FBillNo", "结算单据"},
                 {"FBillTranType", "单据类型", K::Number},
                 {"FAmountFor", "原币金额", K::Money},
                 {"FAmount", "本位币金额", K::Money}},
                title());
        return queryTable(
            connection,
            QStringLiteral("SELECT e.FEntryID, i.FNumber, i.FName, i.FModel, u.FName AS FUnit, e.FQty, "
                           "e.FPrice, e.FAmount FROM %1 e LEFT JOIN t_ICItem i ON i.FItemID = e.FItemID "
                           "LEFT JOIN t_MeasureUnit u ON u.FMeasureUnitID = e.FUnitID "
                           "WHERE e.FInterID = %2 ORDER BY e.FEntryID")
                .arg(QLatin1String(type_.entry), interId),
            {{"FEntryID", "行号", K::Number},
             {"FNumber", "物料代码"},
             {"FName", "物料名称"},
             {"FModel", "规格型号"},
             {"FUnit", "单位"},
             {"FQty", "数量", K::Number},
             {"FPrice", "单价", K::Money},
             {"FAmount", "金额", K::Money}},
            title());
    }

private:
    const BillType& type_;
};

} // namespace

ListSourcePtr billSource(const QString& classParam, const Translator& tr) {
    const QString value = parameterValue(classParam, QStringLiteral("FTranType"));
    for (const BillType& type : kBillTypes)
        if (value == QString::number(type.tranType))
            return std::make_shared<BillListSource>(type);
    raiseUnknownParameter(tr, QStringLiteral("BillCenter.BillList"), classParam);
}

} // namespace zrk::functions
