#include "suite/data_components.h"

#include "platform/vb_conversions.h"
#include "session/property_string.h"
#include "suite/session_access.h"

#include <unistd.h>

namespace zrk::suite {

namespace {

// A connection of its own to the account set of a property string (its first brace group).
db::ConnectionPtr connectTo(const QString& propsString) {
    auto connection = std::make_shared<db::Connection>();
    connection->open(getBraceField(propsString, 0));
    return connection;
}

} // namespace

Variant SystemProfile::getProfile(const QString& propsString, const QString& category, const QString& key) {
    const auto value = readSystemProfile(*connectTo(propsString), category, key);
    return value ? Variant(*value) : Variant::null();
}

bool SysInfoSystem::arApInitialized(const QString& propsString) {
    const auto closed =
        readSystemProfile(*connectTo(propsString), QStringLiteral("ARAP"), QStringLiteral("Closed"));
    return closed && vb::val(*closed) == 1.0;
}

AppConnection::AppConnection(const ComponentRegistry& registry, std::int32_t processId)
    : registry_(registry), processId_(processId) {}

db::Connection& AppConnection::connection() {
    if (!connection_)
        connection_ = openSessionConnection(registry_, processId_);
    return *connection_;
}

db::RecordsetPtr AppConnection::execute(const QString& sql) {
    return connection().execute(sql);
}

void AppConnection::execute3(const QString& sql) {
    connection().execute(sql);
}

db::RecordsetPtr ReportQuery::getRsBySQL(const QString& propsString, const QString& sql) {
    return connectTo(propsString)->execute(sql);
}

void registerDataComponents(ComponentRegistry& registry) {
    registry.add(kSystemProfileProgId, [] { return std::make_shared<SystemProfile>(); });
    registry.add(kSysInfoProgId, [] { return std::make_shared<SysInfoSystem>(); });
    registry.add(kAppConnectionProgId, [&registry] {
        return std::make_shared<AppConnection>(registry, static_cast<std::int32_t>(getpid()));
    });
    registry.add(kReportQueryProgId, [] { return std::make_shared<ReportQuery>(); });
}

} // namespace zrk::suite
