#include "session/log_category.h"

namespace zrk {

// Information and above by default: the debug lines stay off until a rule enables them.
Q_LOGGING_CATEGORY(lcSession, "zrk.session", QtInfoMsg)

} // namespace zrk
