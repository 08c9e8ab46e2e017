#pragma once

#include <QLoggingCategory>

namespace zrk::functions {

// The suite's function plug-in: errors it catches and deliberately does not pass on.
// QT_LOGGING_RULES="zrk.functions.debug=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(lcFunctions)

} // namespace zrk::functions
