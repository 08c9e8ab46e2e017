#pragma once

#include <QLoggingCategory>

namespace zrk {

// The start sequence: errors it catches and deliberately does not pass on, one debug line each. Silent
// unless enabled, e.g. QT_LOGGING_RULES="zrk.startup.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcStartup)

} // namespace zrk
