#pragma once

#include <QLoggingCategory>

namespace zrk {

// The console's tables and queries: errors it catches and deliberately does not pass on, one debug line each.
// Silent unless enabled, e.g. QT_LOGGING_RULES="zrk.console-db.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcConsoleDb)

} // namespace zrk
