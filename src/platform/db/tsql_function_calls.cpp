#include "platform/db/tsql_function_calls.h"

#include "platform/db/tsql_conversions.h"
#include "platform/db/tsql_date_functions.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_system_objects.h"
#include "platform/db/tsql_translation.h"

#include <QHash>

namespace zrk::db::tsql {

namespace {

FunctionValue charIndex(const FunctionCall& call) {
    if (call.arguments.size() > 2)
        return {QStringLiteral("zrk_charindex(%1, %2, %3)")
                    .arg(call.argument(0), call.argument(1), call.argument(2))};
    return {QStringLiteral("zrk_charindex(%1, %2)").arg(call.argument(0), call.argument(1))};
}

} // namespace

QString FunctionCall::argument(std::size_t k) const {
    if (k >= arguments.size() || arguments[k].empty())
        syntaxError();
    return translation.expression(t, arguments[k], nest + 1);
}

void FunctionCall::syntaxError() const {
    tsql::syntaxError(t[name].text);
}

FunctionTranslator functionTranslator(const QString& upperName) {
    static const QHash<QString, FunctionTranslator> translators = {
        {QStringLiteral("CONVERT"), &convertCall},
        {QStringLiteral("CAST"), &castCall},
        {QStringLiteral("GETDATE"), &getDateCall},
        {QStringLiteral("DATEADD"), &dateAddCall},
        {QStringLiteral("DATEDIFF"), &dateDiffCall},
        {QStringLiteral("DATEPART"), &datePartCall},
        {QStringLiteral("YEAR"), &datePartFunctionCall},
        {QStringLiteral("MONTH"), &datePartFunctionCall},
        {QStringLiteral("DAY"), &datePartFunctionCall},
        {QStringLiteral("OBJECT_ID"), &objectIdCall},
        {QStringLiteral("OBJECTPROPERTY"), &objectPropertyCall},
        {QStringLiteral("CHARINDEX"), &charIndex},
    };
    return translators.value(upperName, nullptr);
}

QString renamedFunction(const QString& upperName) {
    static const QHash<QString, QString> renamed = {
        {QStringLiteral("ISNULL"), QStringLiteral("ifnull")},
        {QStringLiteral("LEN"), QStringLiteral("zrk_len")},
        {QStringLiteral("SUBSTRING"), QStringLiteral("substr")},
        {QStringLiteral("ISDATE"), QStringLiteral("zrk_isdate")},
        {QStringLiteral("ISNUMERIC"), QStringLiteral("zrk_isnumeric")},
        {QStringLiteral("DATALENGTH"), QStringLiteral("length")},
        {QStringLiteral("NEWID"), QStringLiteral("zrk_newid")},
    };
    return renamed.value(upperName);
}

} // namespace zrk::db::tsql
