#pragma once

#include "platform/component_registry.h"
#include "platform/db/connection.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace zrk::suite {

// The session's property string as the console published it for the process.
QString sessionPropsString(const ComponentRegistry& registry, std::int32_t processId);

// A new connection to the session's account set, from the connection string of the published
// property string. Raises the engine's error when it cannot be opened.
db::ConnectionPtr openSessionConnection(const ComponentRegistry& registry, std::int32_t processId);

// One system parameter of the account set (t_SystemProfile), trimmed; none when the row is
// missing or its value is null.
std::optional<QString> readSystemProfile(db::Connection& connection, const QString& category,
                                         const QString& key);

} // namespace zrk::suite
