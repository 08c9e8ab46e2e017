#pragma once

#include <QLoggingCategory>

namespace zrk {

// The service object, the launcher and the host windows: errors they catch and deliberately do
// not pass on, one debug line each. Silent unless enabled, e.g.
// QT_LOGGING_RULES="zrk.launch.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLaunch)

} // namespace zrk
