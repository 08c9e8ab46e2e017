#pragma once

#include <QLoggingCategory>

namespace zrk {

// The suite's components: errors it catches and deliberately does not pass on, one debug line each. Silent
// unless enabled, e.g. QT_LOGGING_RULES="zrk.suite.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSuite)

} // namespace zrk
