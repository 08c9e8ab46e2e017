#pragma once

#include <QLoggingCategory>

namespace zrk {

// The main board: errors it catches and deliberately does not pass on, one debug line each. Silent
// unless enabled, e.g. QT_LOGGING_RULES="zrk.board.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcBoard)

} // namespace zrk
