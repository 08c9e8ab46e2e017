#include "reports/report_database.h"

#include "platform/db/sql_literal.h"
#include "platform/error.h"
#include "session/property_string.h"
#include "session/session_properties.h"
#include "session/texts.h"

namespace zrk::reports {

db::ConnectionPtr reportConnection(ConsoleContext& ctx, const QString& propsString) {
    const auto& company = ctx.session().companyConnection;
    if (propsString.isEmpty() && company && company->state() == 1)
        return company;
    const QString props = propsString.isEmpty() ? getSessionPropsString(ctx) : propsString;
    const QString connectionString = getBraceField(props, 0);
    if (company && company->state() == 1 && company->connectionString() == connectionString)
        return company;
    auto connection = std::make_shared<db::Connection>();
    connection->open(connectionString);
    return connection;
}

void requireTables(ConsoleContext& ctx, db::Connection& connection, const QString& source,
                   const QStringList& tables) {
    QStringList probes;
    for (const QString& table : tables)
        probes << QStringLiteral("OBJECT_ID(%1)").arg(db::sqlText(table));
    const auto found = connection.execute(QStringLiteral("SELECT ") + probes.join(QStringLiteral(", ")));
    for (int i = 0; i < tables.size(); ++i) {
        if (found->value(i).isNull())
            throw Error(errnum::InvalidProcedureCall, source,
                        formatText(ctx, QStringLiteral("账套中没有报表所需的表%1"), {tables[i]}));
    }
}

QString dayLiteral(const QDate& day) {
    return db::sqlText(day.toString(QStringLiteral("yyyyMMdd")));
}

} // namespace zrk::reports
