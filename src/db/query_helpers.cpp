#include "db/query_helpers.h"

#include "core/console_context.h"
#include "core/roles/data_roles.h"
#include "db/log_category.h"
#include "platform/caught_error.h"
#include "platform/db/sql_literal.h"
#include "platform/vb_conversions.h"
#include "session/session_properties.h"

namespace zrk {

DictionaryPtr recordToDictionary(db::Recordset& rs) {
    if (rs.eof())
        return nullptr;
    auto dictionary = std::make_shared<Dictionary>();
    for (int i = 0; i < rs.fieldCount(); ++i)
        dictionary->set(rs.fieldName(i), vb::nullToText(rs.value(i)).toString().trimmed());
    return dictionary;
}

db::RecordsetPtr getRsBySQL(ConsoleContext& ctx, const QString& sql) {
    const auto query = queryInterface<IReportQuery>(ctx.objectFactory().create(kReportQueryProgId));
    return query->getRsBySQL(getSessionPropsString(ctx), sql);
}

std::int16_t getProfileValue(ConsoleContext& ctx, const QString& category, const QString& key) {
    try {
        const auto gateway = queryInterface<IAppConnection>(ctx.components().create(kAppConnectionProgId));
        // The category and key go in as literals, so a quote in either cannot change the query.
        const auto rs =
            gateway->execute(QStringLiteral("select * from t_systemprofile where FCategory=") +
                             db::sqlText(category) + QStringLiteral(" and fkey =") + db::sqlText(key));
        QString text;
        if (rs && rs->recordCount() != 0 && !rs->eof())
            text = vb::nullToText(rs->value(QStringLiteral("FValue"))).toString().trimmed();
        return vb::cint(vb::val(text));
    } catch (const Error& e) {
        logCaughtError(lcConsoleDb(), "getProfileValue: read as 0", e);
        return 0;
    }
}

} // namespace zrk
