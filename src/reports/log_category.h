#pragma once

#include <QLoggingCategory>

namespace zrk {

// The report components: errors they catch and deliberately do not pass on, one debug line each.
// Silent unless enabled, e.g. QT_LOGGING_RULES="zrk.reports.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcReports)

} // namespace zrk
