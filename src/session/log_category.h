#pragma once

#include <QLoggingCategory>

namespace zrk {

// The session layer: errors it catches and deliberately does not pass on, one debug line each. Silent
// unless enabled, e.g. QT_LOGGING_RULES="zrk.session.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSession)

} // namespace zrk
