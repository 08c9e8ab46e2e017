#pragma once

#include <QLoggingCategory>

namespace zrk {

// The database layer (connections, recordsets, engines): errors it catches and deliberately does not pass on,
// one debug line each. Silent unless enabled, e.g. QT_LOGGING_RULES="zrk.db.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDb)

} // namespace zrk
