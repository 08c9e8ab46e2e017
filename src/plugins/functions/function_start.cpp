#include "plugins/functions/function_start.h"

#include "platform/error.h"
#include "session/property_string.h"

namespace zrk::functions {

const std::vector<FunctionInfo>& suiteFunctions() {
    static const std::vector<FunctionInfo> functions = {
        {FunctionKind::CoreData, QStringLiteral("BaseData.ItemList"), QStringLiteral("base")},
        {FunctionKind::Accounts, QStringLiteral("BaseData.AccountList"), QStringLiteral("gl")},
        {FunctionKind::Prices, QStringLiteral("PriceData.PriceList"), QStringLiteral("base")},
        {FunctionKind::Bills, QStringLiteral("BillCenter.BillList"), QStringLiteral("bill")},
        {FunctionKind::Bills, QStringLiteral("BillCenter.BillEdit"), QStringLiteral("bill")},
        {FunctionKind::Reports, QStringLiteral("ReportViewer.SrvRptRetrieve"), QStringLiteral("report")},
    };
    return functions;
}

QString classParamOf(const Dictionary& dct) {
    const Variant param = dct.item(QStringLiteral("FClassParam"));
    if (!param.isEmpty() && !param.isNull())
        return param.toString().trimmed();
    const Variant other = dct.item(QStringLiteral("OTHERPARAM"));
    return other.isEmpty() || other.isNull() ? QString() : other.toString().trimmed();
}

ListSourcePtr sourceFor(FunctionKind kind, const QString& classParam, const Translator& tr) {
    switch (kind) {
    case FunctionKind::CoreData:
        return coreDataSource(classParam, tr);
    case FunctionKind::Accounts:
        return accountSource();
    case FunctionKind::Prices:
        return priceSource(classParam, tr);
    case FunctionKind::Bills:
        return billSource(classParam, tr);
    case FunctionKind::Reports:
        return reportSource(classParam, tr);
    }
    raiseUnknownParameter(tr, QStringLiteral("SuiteFunctions"), classParam);
}

QString formKeyOf(const QString& progId, const QString& classParam) {
    return classParam.isEmpty() ? progId : progId + QLatin1Char('|') + classParam;
}

QString titleOf(const Dictionary& dct, const ListSource& source, const Translator& tr) {
    const Variant name = dct.item(QStringLiteral("FFuncName"));
    const QString text = name.isEmpty() || name.isNull() ? QString() : name.toString().trimmed();
    return tr(text.isEmpty() ? source.title() : text);
}

ViewSetup prepareView(const ListSourcePtr& source, const QString& propsString, const QString& title) {
    const QString connect = getBraceField(propsString, 0);
    if (connect.isEmpty())
        throw Error(errnum::InvalidProcedureCall, QStringLiteral("SuiteFunctions"),
                    QStringLiteral("The session names no account set to open"));
    ViewSetup setup{source, std::make_shared<db::Connection>(), {}, {}, title};
    setup.connection->open(connect);
    setup.parameters = currentPeriod(*setup.connection);
    setup.table = source->load(*setup.connection, setup.parameters);
    return setup;
}

} // namespace zrk::functions
