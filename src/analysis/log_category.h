#pragma once

#include <QLoggingCategory>

namespace zrk {

// The analysis panel: errors it catches and deliberately does not pass on, one debug line each.
// Silent unless enabled, e.g. QT_LOGGING_RULES="zrk.analysis.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcAnalysis)

} // namespace zrk
