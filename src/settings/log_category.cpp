#include "settings/log_category.h"

namespace zrk {

// Information and above by default: the debug lines stay off until a rule enables them.
Q_LOGGING_CATEGORY(lcSettings, "zrk.settings", QtInfoMsg)

} // namespace zrk
