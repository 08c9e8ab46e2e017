#include "analysis/log_category.h"

namespace zrk {

// Information and above by default: the debug lines stay off until a rule enables them.
Q_LOGGING_CATEGORY(lcAnalysis, "zrk.analysis", QtInfoMsg)

} // namespace zrk
