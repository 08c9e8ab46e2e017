#pragma once

#include <QLoggingCategory>

namespace zrk {

// The settings dialogs: errors they catch and deliberately do not pass on, one debug line each.
// Silent unless enabled, e.g. QT_LOGGING_RULES="zrk.settings.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSettings)

} // namespace zrk
