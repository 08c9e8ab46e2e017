#include "plugins/functions/report_retrieve.h"

#include "core/roles/data_roles.h"
#include "platform/component_registry.h"

namespace zrk::functions {

db::RecordsetPtr ReportRetrieve::query(const QString& sql) {
    const auto gateway = queryInterface<IAppConnection>(host().components().create(kAppConnectionProgId));
    return gateway->execute(sql);
}

db::RecordsetPtr ReportRetrieve::getRptRS() {
    return query(kCatalogueReportsSql);
}

db::RecordsetPtr ReportRetrieve::getRptRSBoss() {
    return query(kOwnerReportsSql);
}

} // namespace zrk::functions
