#include "suite/session_access.h"

#include "core/roles/component_roles.h"
#include "platform/db/sql_literal.h"
#include "session/property_string.h"
#include "session/session_properties.h"

namespace zrk::suite {

QString sessionPropsString(const ComponentRegistry& registry, std::int32_t processId) {
    const auto store = queryInterface<IPropStore>(registry.create(kPropStoreProgId));
    const Variant props = store->getProperty(processId, QStringLiteral("PropsString"));
    return props.isNull() ? QString() : props.toString();
}

db::ConnectionPtr openSessionConnection(const ComponentRegistry& registry, std::int32_t processId) {
    auto connection = std::make_shared<db::Connection>();
    connection->open(getBraceField(sessionPropsString(registry, processId), 0));
    return connection;
}

std::optional<QString> readSystemProfile(db::Connection& connection, const QString& category,
                                         const QString& key) {
    const auto rows =
        connection.execute(QStringLiteral("Select FValue From t_SystemProfile Where FCategory=") +
                           db::sqlText(category) + QStringLiteral(" And FKey=") + db::sqlText(key));
    if (!rows || rows->eof())
        return std::nullopt;
    const Variant value = rows->value(QStringLiteral("FValue"));
    if (value.isNull() || value.isEmpty())
        return std::nullopt;
    return value.toString().trimmed();
}

} // namespace zrk::suite
