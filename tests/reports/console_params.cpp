#include "console_params.h"

namespace zrk::test {

namespace {

using I16 = std::int16_t;

DictionaryPtr sumField() {
    return std::make_shared<Dictionary>();
}

} // namespace

DictionaryPtr arApParams(bool forSuppliers, bool interactive, const QString& begin, const QString& end,
                         const Variant& currencyId) {
    auto d = std::make_shared<Dictionary>();
    d->set(QStringLiteral("OK"), true);
    d->set(QStringLiteral("BDate"), begin);
    d->set(QStringLiteral("EDate"), end);
    d->set(QStringLiteral("CurrencyID"), currencyId);
    d->set(QStringLiteral("CurrencyName"),
           interactive ? QStringLiteral("人民币") : QStringLiteral("综合本位币"));
    d->set(forSuppliers ? QStringLiteral("InportNoInvoice") : QStringLiteral("ExportNoInvoice"),
           I16(interactive ? 1 : 0));
    d->set(forSuppliers ? QStringLiteral("CashPurchaseInvoice") : QStringLiteral("CashSaleInvoice"),
           I16(interactive ? 0 : 1));
    for (const char* key : {"BDeptNumber", "EDeptNumber", "BEmpNumber", "EEmpNumber"})
        d->set(QString::fromLatin1(key), QString());
    d->set(forSuppliers ? QStringLiteral("BSupplyNumber") : QStringLiteral("BCustNumber"), QString());
    d->set(forSuppliers ? QStringLiteral("ESupplyNumber") : QStringLiteral("ECustNumber"), QString());
    d->set(QStringLiteral("IncludeNotAudit"), I16(1));
    for (const char* key : {"BalanceNotZero", "FSNotZero", "GroupBy"})
        d->set(QString::fromLatin1(key), I16(0));
    d->set(QStringLiteral("BLevel"), I16(1));
    d->set(QStringLiteral("ELevel"), I16(forSuppliers ? 1 : 2));
    d->set(QStringLiteral("OnlyShowSum"), I16(1));
    d->set(QStringLiteral("IncludeOther"), I16(1));
    if (forSuppliers)
        d->set(QStringLiteral("DataRightWhere"), QString());
    d->set(QStringLiteral("SumMode"), I16(1));
    d->set(QStringLiteral("SumName"), forSuppliers ? QStringLiteral("供应商") : QStringLiteral("客户"));
    d->set(QStringLiteral("bLongNumber"), true);
    return d;
}

DictionaryPtr orderParams(bool sales, const QString& begin, const QString& end) {
    auto d = std::make_shared<Dictionary>();
    d->set(QStringLiteral("BDate"), begin);
    d->set(QStringLiteral("EDate"), end);
    d->set(QStringLiteral("OK"), true);
    if (sales) {
        for (const char* key : {"BItemNumber", "EItemNumber", "BCustNumber", "ECustNumber", "BCompanyNumber",
                                "ECompanyNumber", "BDept", "EDept", "BEmp", "EEmp", "BBillNo", "EBillNo"})
            d->set(QString::fromLatin1(key), QString());
        d->set(QStringLiteral("GroupBy"), I16(0));
        d->set(QStringLiteral("OnlyShowSum"), I16(0));
        d->set(QStringLiteral("BLevel"), I16(1));
        d->set(QStringLiteral("ELevel"), I16(2));
        d->set(QStringLiteral("SumMode"), I16(1));
        d->set(QStringLiteral("SumName"), QStringLiteral("物料类别"));
        d->set(QStringLiteral("SaleType"), I16(1));
        d->set(QStringLiteral("SaleTypeName"), QStringLiteral("全部"));
        d->set(QStringLiteral("OrderType"), I16(20302));
        d->set(QStringLiteral("OrderTypeName"), QStringLiteral("购销"));
        d->set(QStringLiteral("SumField"), sumField());
        d->set(QStringLiteral("CheckState"), I16(2));
        d->set(QStringLiteral("CloseState"), I16(0));
        return d;
    }
    d->set(QStringLiteral("Mode"), I16(0));
    d->set(QStringLiteral("ItemClassNumber"), QString());
    d->set(QStringLiteral("ItemClassID"), I16(0));
    for (const char* key : {"BEmp", "EEmp", "BItemNumber", "EItemNumber", "BBillNo", "EBillNo", "BDept",
                            "EDept", "BSupplyNumber", "ESupplyNumber", "BBranchNumber", "EBranchNumber"})
        d->set(QString::fromLatin1(key), QString());
    d->set(QStringLiteral("GroupBy"), I16(0));
    d->set(QStringLiteral("OnlyShowSum"), I16(0));
    d->set(QStringLiteral("BLevel"), I16(1));
    d->set(QStringLiteral("ELevel"), I16(2));
    d->set(QStringLiteral("SumMode"), I16(1));
    d->set(QStringLiteral("SumField"), sumField());
    d->set(QStringLiteral("CheckState"), I16(2));
    d->set(QStringLiteral("CheckClose"), I16(2));
    d->set(QStringLiteral("OrderType"), I16(-1));
    d->set(QStringLiteral("OrderTypeName"), QStringLiteral("全部"));
    d->set(QStringLiteral("bLongNumber"), true);
    d->set(QStringLiteral("DataRightFrom"), QString());
    d->set(QStringLiteral("DataRightWhere"), QString());
    return d;
}

DictionaryPtr stockMovementParams(const QString& begin, const QString& end) {
    auto d = std::make_shared<Dictionary>();
    d->set(QStringLiteral("OK"), true);
    d->set(QStringLiteral("BDate"), begin);
    d->set(QStringLiteral("EDate"), end);
    for (const char* key : {"BItemNumber", "EItemNumber", "BBatchNo", "EBatchNo", "BStockNumber",
                            "EStockNumber", "BSPNumber", "ESPNumber"})
        d->set(QString::fromLatin1(key), QString());
    for (const char* key : {"SortByLevelNumber", "ShowAdjustBill", "GroupBy", "OnlyShowSum"})
        d->set(QString::fromLatin1(key), I16(0));
    d->set(QStringLiteral("BLevel"), I16(1));
    d->set(QStringLiteral("ELevel"), I16(2));
    d->set(QStringLiteral("SumMode"), I16(1));
    d->set(QStringLiteral("Hide"), I16(0));
    d->set(QStringLiteral("ShowVirtual"), I16(1));
    d->set(QStringLiteral("SumField"), sumField());
    d->set(QStringLiteral("CheckState"), I16(2));
    d->set(QStringLiteral("ShowHappened"), I16(0));
    return d;
}

DictionaryPtr stockDeviationParams(std::int16_t aType) {
    auto d = std::make_shared<Dictionary>();
    d->set(QStringLiteral("OK"), true);
    for (const char* key : {"BItemNumber", "EItemNumber", "BStockNumber", "EStockNumber"})
        d->set(QString::fromLatin1(key), QString());
    d->set(QStringLiteral("AType"), aType);
    d->set(QStringLiteral("ShowDisableItem"), I16(0));
    d->set(QStringLiteral("Orderby"),
           aType < 2 ? QStringLiteral(" FBUUnitDiff DESC ") : QStringLiteral(" FBUUnitDiff ASC "));
    for (const char* key : {"DataRightFrom", "DataRightWhere", "ItemFrom", "ItemWhere"})
        d->set(QString::fromLatin1(key), QString());
    d->set(QStringLiteral("LongNumber"), true);
    d->set(QStringLiteral("ShowVirtual"), I16(1));
    return d;
}

DictionaryPtr grossProfitParams(int object, bool fromInvoices, const QString& begin, const QString& end) {
    auto d = std::make_shared<Dictionary>();
    d->set(QStringLiteral("OK"), true);
    d->set(QStringLiteral("BeginDate"), begin);
    d->set(QStringLiteral("EndDate"), end);
    for (const char* key : {"BYear", "EYear"})
        d->set(QString::fromLatin1(key), I16(2006));
    for (const char* key : {"BPeriod", "EPeriod"})
        d->set(QString::fromLatin1(key), I16(9));
    for (const char* key : {"BItemNumber", "EItemNumber", "BCustNumber", "ECustNumber"})
        d->set(QString::fromLatin1(key), QString());
    d->set(QStringLiteral("GroupBy"), I16(object < 1 ? 0 : 1));
    d->set(QStringLiteral("OnlyShowSum"), I16(object < 1 ? 0 : 1));
    d->set(QStringLiteral("BLevel"), I16(1));
    d->set(QStringLiteral("ELevel"), I16(1));
    d->set(QStringLiteral("SumMode"), I16(7));
    d->set(QStringLiteral("FilterOption"), I16(fromInvoices ? 1 : 2));
    d->set(QStringLiteral("ChkStyle"), I16(4));
    auto fields = sumField();
    const int classes[] = {0, 1, 7, 8};
    const char* names[] = {"", "客户", "部门", "业务员"};
    if (object > 0) {
        d->set(QStringLiteral("SumMode"), I16(0));
        fields->set(QStringLiteral("FItemClassID"), I16(classes[object]));
        fields->set(QStringLiteral("FName"), QString::fromUtf8(names[object]));
    }
    d->set(QStringLiteral("SumField"), fields);
    d->set(QStringLiteral("Orderby"), QStringLiteral(" FProfit DESC "));
    return d;
}

} // namespace zrk::test
