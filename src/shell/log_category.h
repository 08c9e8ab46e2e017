#pragma once

#include <QLoggingCategory>

namespace zrk {

// The frame window and its parts: errors it catches and deliberately does not pass on, one debug line each.
// Silent unless enabled, e.g. QT_LOGGING_RULES="zrk.shell.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcShell)

} // namespace zrk
