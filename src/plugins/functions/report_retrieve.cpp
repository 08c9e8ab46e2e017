#include "plugins/functions/report_retrieve.h"

#include "platform/db/connection.h"
#include "platform/error.h"
#include "session/property_string.h"

namespace zrk::functions {

db::RecordsetPtr ReportRetrieve::query(const QString& sql) {
    const Variant props = sessionProperty(QStringLiteral("PropsString"));
    const QString connect =
        getBraceField(props.isEmpty() || props.isNull() ? QString() : props.toString(), 0);
    if (connect.isEmpty())
        throw Error(errnum::InvalidProcedureCall, kReportRetrieveProgId,
                    QStringLiteral("The session names no account set to open"));
    db::Connection connection;
    connection.open(connect);
    return connection.execute(sql);
}

db::RecordsetPtr ReportRetrieve::getRptRS() {
    return query(kCatalogueReportsSql);
}

db::RecordsetPtr ReportRetrieve::getRptRSBoss() {
    return query(kOwnerReportsSql);
}

} // namespace zrk::functions
