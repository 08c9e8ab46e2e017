// The core-data lists, the chart of accounts and the price lists.
#include "platform/db/sql_literal.h"
#include "plugins/functions/list_source.h"

namespace zrk::functions {

namespace {

using K = ColumnKind;

ListSourcePtr fixedList(const QString& title, const QString& sql, std::vector<ListColumn> columns) {
    return std::make_shared<QuerySource>(
        title, ParameterKind::None, [sql](const ListParameters&) { return sql; }, std::move(columns));
}

ListSourcePtr customers() {
    return fixedList(
        QStringLiteral("客户"),
        QStringLiteral(
            "SELECT o.FNumber, o.FName, o.FShortName, o.FContact, o.FPhone, o.FAddress, "
            "c.FName AS FCurrency, d.FName AS FDepartment, e.FName AS FEmployee, o.FCreditLimit "
            "FROM t_Organization o LEFT JOIN t_Currency c ON c.FCurrencyID = o.FCurrencyID "
            "LEFT JOIN t_Department d ON d.FItemID = o.FDepartment "
            "LEFT JOIN t_Emp e ON e.FItemID = o.FEmployee WHERE o.FDeleted = 0 ORDER BY o.FNumber"),
        {{"FNumber", "代码"},
         {"FName", "名称"},
         {"FShortName", "简称"},
         {"FContact", "联系人"},
         {"FPhone", "电话"},
         {"FAddress", "地址"},
         {"FCurrency", "币别"},
         {"FDepartment", "部门"},
         {"FEmployee", "业务员"},
         {"FCreditLimit", "信用额度", K::Money}});
}

ListSourcePtr suppliers() {
    return fixedList(
        QStringLiteral("供应商"),
        QStringLiteral("SELECT s.FNumber, s.FName, s.FShortName, s.FContact, s.FPhone, s.FAddress, "
                       "c.FName AS FCurrency FROM t_Supplier s "
                       "LEFT JOIN t_Currency c ON c.FCurrencyID = s.FCurrencyID "
                       "WHERE s.FDeleted = 0 ORDER BY s.FNumber"),
        {{"FNumber", "代码"},
         {"FName", "名称"},
         {"FShortName", "简称"},
         {"FContact", "联系人"},
         {"FPhone", "电话"},
         {"FAddress", "地址"},
         {"FCurrency", "币别"}});
}

ListSourcePtr items() {
    return fixedList(
        QStringLiteral("物料"),
        QStringLiteral(
            "SELECT i.FNumber, i.FName, i.FModel, g.FName AS FGroup, u.FName AS FUnit, "
            "s.FName AS FStock, i.FSecInv, i.FHighLimit, i.FOrderPrice, i.FSalePrice "
            "FROM t_ICItem i LEFT JOIN t_Item g ON g.FItemID = i.FParentID "
            "LEFT JOIN t_MeasureUnit u ON u.FMeasureUnitID = i.FUnitID "
            "LEFT JOIN t_Stock s ON s.FItemID = i.FDefaultLoc WHERE i.FDeleted = 0 ORDER BY i.FNumber"),
        {{"FNumber", "代码"},
         {"FName", "名称"},
         {"FModel", "规格型号"},
         {"FGroup", "物料类别"},
         {"FUnit", "计量单位"},
         {"FStock", "默认仓库"},
         {"FSecInv", "安全库存", K::Number},
         {"FHighLimit", "最高库存", K::Number},
         {"FOrderPrice", "采购单价", K::Money},
         {"FSalePrice", "销售单价", K::Money}});
}

ListSourcePtr warehouses() {
    return fixedList(
        QStringLiteral("仓库"),
        QStringLiteral("SELECT FNumber, FName, FAddress FROM t_Stock WHERE FDeleted = 0 ORDER BY FNumber"),
        {{"FNumber", "代码"}, {"FName", "名称"}, {"FAddress", "地址"}});
}

ListSourcePtr departments() {
    return fixedList(QStringLiteral("部门"),
                     QStringLiteral("SELECT d.FNumber, d.FName, e.FName AS FManager FROM t_Department d "
                                    "LEFT JOIN t_Emp e ON e.FItemID = d.FManager WHERE d.FDeleted = 0 "
                                    "ORDER BY d.FNumber"),
                     {{"FNumber", "代码"}, {"FName", "名称"}, {"FManager", "负责人"}});
}

ListSourcePtr employees() {
    return fixedList(
        QStringLiteral("职员"),
        QStringLiteral("SELECT e.FNumber, e.FName, d.FName AS FDepartment, e.FPhone FROM t_Emp e "
                       "LEFT JOIN t_Department d ON d.FItemID = e.FDepartmentID "
                       "WHERE e.FDeleted = 0 ORDER BY e.FNumber"),
        {{"FNumber", "代码"}, {"FName", "名称"}, {"FDepartment", "部门"}, {"FPhone", "电话"}});
}

} // namespace

ListSourcePtr coreDataSource(const QString& classParam, const Translator& tr) {
    const QString id = parameterValue(classParam, QStringLiteral("FItemClassID"));
    if (id == QLatin1String("1"))
        return customers();
    if (id == QLatin1String("3"))
        return suppliers();
    if (id == QLatin1String("4"))
        return items();
    if (id == QLatin1String("5"))
        return warehouses();
    if (id == QLatin1String("7"))
        return departments();
    if (id == QLatin1String("8"))
        return employees();
    raiseUnknownParameter(tr, QStringLiteral("BaseData.ItemList"), classParam);
}

ListSourcePtr accountSource() {
    return fixedList(
        QStringLiteral("会计科目"),
        QStringLiteral(
            "SELECT a.FNumber, a.FName, a.FLevel, CASE WHEN a.FDC = 1 THEN %1 ELSE %2 END AS FDCText, "
            "p.FNumber AS FParentNumber, a.FDetail, a.FBeginBalance "
            "FROM t_Account a LEFT JOIN t_Account p ON p.FAccountID = a.FParentID ORDER BY a.FNumber")
            .arg(db::sqlNText(QStringLiteral("借")), db::sqlNText(QStringLiteral("贷"))),
        {{"FNumber", "科目代码"},
         {"FName", "科目名称"},
         {"FLevel", "级次", K::Number},
         {"FDCText", "余额方向", K::Term},
         {"FParentNumber", "上级科目"},
         {"FDetail", "明细科目", K::Flag},
         {"FBeginBalance", "期初余额", K::Money}});
}

ListSourcePtr priceSource(const QString& classParam, const Translator& tr) {
    const QString type = parameterValue(classParam, QStringLiteral("FPriceType"));
    const QString base =
        QStringLiteral("FROM t_ICItem i LEFT JOIN t_MeasureUnit u ON u.FMeasureUnitID = i.FUnitID ");
    if (type == QLatin1String("1"))
        return fixedList(
            QStringLiteral("采购价格资料"),
            QStringLiteral("SELECT i.FNumber, i.FName, i.FModel, u.FName AS FUnit, s.FName AS FSupplier, "
                           "i.FOrderPrice, i.FTaxRate ") +
                base +
                QStringLiteral("LEFT JOIN t_Supplier s ON s.FItemID = i.FSupplierID "
                               "WHERE i.FDeleted = 0 ORDER BY i.FNumber"),
            {{"FNumber", "物料代码"},
             {"FName", "物料名称"},
             {"FModel", "规格型号"},
             {"FUnit", "计量单位"},
             {"FSupplier", "供应商"},
             {"FOrderPrice", "采购单价", K::Money},
             {"FTaxRate", "税率(%)", K::Number}});
    if (type == QLatin1String("2"))
        return fixedList(
            QStringLiteral("销售价格资料"),
            QStringLiteral("SELECT i.FNumber, i.FName, i.FModel, u.FName AS FUnit, i.FSalePrice, "
                           "i.FTaxRate, ROUND(i.FSalePrice * (100 + i.FTaxRate) / 100, 2) AS FTaxPrice ") +
                base + QStringLiteral("WHERE i.FDeleted = 0 ORDER BY i.FNumber"),
            {{"FNumber", "物料代码"},
             {"FName", "物料名称"},
             {"FModel", "规格型号"},
             {"FUnit", "计量单位"},
             {"FSalePrice", "销售单价", K::Money},
             {"FTaxRate", "税率(%)", K::Number},
             {"FTaxPrice", "含税单价", K::Money}});
    raiseUnknownParameter(tr, QStringLiteral("PriceData.PriceList"), classParam);
}

} // namespace zrk::functions
