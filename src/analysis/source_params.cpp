#include "analysis/source_params.h"

#include <cstdint>

namespace zrk::analysis {

namespace {

using I16 = std::int16_t;

void setEmpty(Dictionary& d, std::initializer_list<const char*> keys) {
    for (const char* key : keys)
        d.set(QString::fromLatin1(key), QString());
}

void setNumber(Dictionary& d, std::initializer_list<const char*> keys, I16 value) {
    for (const char* key : keys)
        d.set(QString::fromLatin1(key), value);
}

void setRange(Dictionary& d, const std::optional<DateRange>& range, const char* beginKey,
              const char* endKey) {
    if (!range)
        return;
    d.set(QString::fromLatin1(beginKey), range->begin);
    d.set(QString::fromLatin1(endKey), range->end);
}

DictionaryPtr startParams() {
    auto d = std::make_shared<Dictionary>();
    d->set(QStringLiteral("OK"), true);
    return d;
}

// Receivables and payables differ only in some keys and in the last level.
DictionaryPtr arApParams(bool payables, bool interactive, const ArApSelection& selection,
                         const QDate& today) {
    auto d = startParams();
    if (interactive) {
        setRange(*d, selection.range, "BDate", "EDate");
        d->set(QStringLiteral("CurrencyID"), selection.currencyId);
        d->set(QStringLiteral("CurrencyName"), selection.currencyName);
    } else {
        setRange(*d, DateRange{isoDay(today), isoDay(today)}, "BDate", "EDate");
        d->set(QStringLiteral("CurrencyID"), QStringLiteral("0"));
        d->set(QStringLiteral("CurrencyName"), QStringLiteral("综合本位币"));
    }
    d->set(payables ? QStringLiteral("InportNoInvoice") : QStringLiteral("ExportNoInvoice"),
           I16(interactive ? 1 : 0));
    d->set(payables ? QStringLiteral("CashPurchaseInvoice") : QStringLiteral("CashSaleInvoice"),
           I16(interactive ? 0 : 1));
    if (payables)
        setEmpty(*d, {"BSupplyNumber", "ESupplyNumber"});
    else
        setEmpty(*d, {"BCustNumber", "ECustNumber"});
    setEmpty(*d, {"BDeptNumber", "EDeptNumber", "BEmpNumber", "EEmpNumber"});
    setNumber(*d, {"IncludeNotAudit"}, 1);
    setNumber(*d, {"BalanceNotZero", "FSNotZero", "GroupBy"}, 0);
    setNumber(*d, {"BLevel"}, 1);
    setNumber(*d, {"ELevel"}, payables ? 1 : 2);
    setNumber(*d, {"OnlyShowSum", "IncludeOther"}, 1);
    if (payables)
        setEmpty(*d, {"DataRightWhere"});
    setNumber(*d, {"SumMode"}, 1);
    d->set(QStringLiteral("SumName"), payables ? QStringLiteral("供应商") : QStringLiteral("客户"));
    d->set(QStringLiteral("bLongNumber"), true);
    return d;
}

} // namespace

DictionaryPtr sumFieldParams() {
    auto d = std::make_shared<Dictionary>();
    d->set(QStringLiteral("FPropID"), I16(0));
    d->set(QStringLiteral("FSQLColumnName"), QStringLiteral("FName"));
    setEmpty(*d, {"FSrcTable", "FSrcField", "FDisplayField"});
    return d;
}

DictionaryPtr buildReceivableParams(bool interactive, const ArApSelection& selection, const QDate& today) {
    return arApParams(false, interactive, selection, today);
}

DictionaryPtr buildPayableParams(bool interactive, const ArApSelection& selection, const QDate& today) {
    return arApParams(true, interactive, selection, today);
}

DictionaryPtr stockDeviationParams(int objectIndex) {
    auto d = startParams();
    setEmpty(*d, {"BItemNumber", "EItemNumber", "BStockNumber", "EStockNumber"});
    d->set(QStringLiteral("AType"), I16(objectIndex + 1));
    setNumber(*d, {"ShowDisableItem"}, 0);
    d->set(QStringLiteral("Orderby"),
           objectIndex < 1 ? QStringLiteral(" FBUUnitDiff DESC ") : QStringLiteral(" FBUUnitDiff ASC "));
    setEmpty(*d, {"DataRightFrom", "DataRightWhere", "ItemFrom", "ItemWhere"});
    d->set(QStringLiteral("LongNumber"), true);
    setNumber(*d, {"ShowVirtual"}, 1);
    return d;
}

DictionaryPtr salesProfitParams(const std::optional<DateRange>& range, int billIndex, int objectIndex) {
    auto d = startParams();
    setRange(*d, range, "BeginDate", "EndDate");
    d->set(QStringLiteral("BYear"), I16(2006));
    d->set(QStringLiteral("BPeriod"), I16(9));
    d->set(QStringLiteral("EYear"), I16(2006));
    d->set(QStringLiteral("EPeriod"), I16(9));
    setEmpty(*d, {"BItemNumber", "EItemNumber", "BCustNumber", "ECustNumber"});
    setNumber(*d, {"GroupBy", "OnlyShowSum"}, objectIndex < 1 ? 0 : 1);
    setNumber(*d, {"BLevel", "ELevel"}, 1);
    setNumber(*d, {"SumMode"}, 7);
    setNumber(*d, {"FilterOption"}, billIndex == 1 ? 1 : 2);
    setNumber(*d, {"ChkStyle"}, 4);
    auto fields = std::make_shared<Dictionary>();
    struct Grouping {
        I16 itemClass;
        const char* name;
    };
    static const Grouping groupings[] = {{1, "客户"}, {7, "部门"}, {8, "业务员"}};
    if (objectIndex >= 1 && objectIndex <= 3) {
        const Grouping& g = groupings[objectIndex - 1];
        setNumber(*d, {"SumMode"}, 0);
        fields->set(QStringLiteral("FItemClassID"), g.itemClass);
        fields->set(QStringLiteral("FName"), QString::fromUtf8(g.name));
    }
    const DictionaryPtr common = sumFieldParams();
    for (const auto& [key, value] : common->items())
        fields->set(key, value);
    d->set(QStringLiteral("SumField"), fields);
    d->set(QStringLiteral("Orderby"), QStringLiteral(" FProfit DESC "));
    return d;
}

DictionaryPtr purchaseOrderParams(const std::optional<DateRange>& range) {
    auto d = std::make_shared<Dictionary>();
    setRange(*d, range, "BDate", "EDate");
    d->set(QStringLiteral("OK"), true);
    setNumber(*d, {"Mode"}, 0);
    setEmpty(*d, {"ItemClassNumber"});
    setNumber(*d, {"ItemClassID"}, 0);
    setEmpty(*d, {"BEmp", "EEmp", "BItemNumber", "EItemNumber", "BBillNo", "EBillNo", "BDept", "EDept",
                  "BSupplyNumber", "ESupplyNumber", "BBranchNumber", "EBranchNumber"});
    setNumber(*d, {"GroupBy", "OnlyShowSum"}, 0);
    setNumber(*d, {"BLevel"}, 1);
    setNumber(*d, {"ELevel"}, 2);
    setNumber(*d, {"SumMode"}, 1);
    d->set(QStringLiteral("SumField"), sumFieldParams());
    setNumber(*d, {"CheckState", "CheckClose"}, 2);
    setNumber(*d, {"OrderType"}, -1);
    d->set(QStringLiteral("OrderTypeName"), QStringLiteral("全部"));
    d->set(QStringLiteral("bLongNumber"), true);
    setEmpty(*d, {"DataRightFrom", "DataRightWhere"});
    return d;
}

DictionaryPtr salesOrderParams(const std::optional<DateRange>& range) {
    auto d = std::make_shared<Dictionary>();
    setRange(*d, range, "BDate", "EDate");
    d->set(QStringLiteral("OK"), true);
    setEmpty(*d, {"BItemNumber", "EItemNumber", "BCustNumber", "ECustNumber", "BCompanyNumber",
                  "ECompanyNumber", "BDept", "EDept", "BEmp", "EEmp", "BBillNo", "EBillNo"});
    setNumber(*d, {"GroupBy", "OnlyShowSum"}, 0);
    setNumber(*d, {"BLevel"}, 1);
    setNumber(*d, {"ELevel"}, 2);
    setNumber(*d, {"SumMode"}, 1);
    d->set(QStringLiteral("SumName"), QStringLiteral("物料类别"));
    setNumber(*d, {"SaleType"}, 1);
    d->set(QStringLiteral("SaleTypeName"), QStringLiteral("全部"));
    setNumber(*d, {"OrderType"}, 20302);
    d->set(QStringLiteral("OrderTypeName"), QStringLiteral("购销"));
    d->set(QStringLiteral("SumField"), sumFieldParams());
    setNumber(*d, {"CheckState"}, 2);
    setNumber(*d, {"CloseState"}, 0);
    return d;
}

DictionaryPtr todayStockParams(const QDate& today) {
    auto d = startParams();
    setRange(*d, DateRange{isoDay(today), isoDay(today)}, "BDate", "EDate");
    setEmpty(*d, {"BItemNumber", "EItemNumber", "BBatchNo", "EBatchNo", "BStockNumber", "EStockNumber",
                  "BSPNumber", "ESPNumber"});
    setNumber(*d, {"SortByLevelNumber", "ShowAdjustBill", "GroupBy", "OnlyShowSum"}, 0);
    setNumber(*d, {"BLevel"}, 1);
    setNumber(*d, {"ELevel"}, 2);
    setNumber(*d, {"SumMode"}, 1);
    setNumber(*d, {"Hide"}, 0);
    setNumber(*d, {"ShowVirtual"}, 1);
    d->set(QStringLiteral("SumField"), sumFieldParams());
    setNumber(*d, {"CheckState"}, 2);
    setNumber(*d, {"ShowHappened"}, 0);
    return d;
}

} // namespace zrk::analysis
