#pragma once

#include <QLoggingCategory>

namespace zrk {

// The platform layer: errors it catches and deliberately does not pass on, one debug line each. Silent
// unless enabled, e.g. QT_LOGGING_RULES="zrk.platform.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

} // namespace zrk
