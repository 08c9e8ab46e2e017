#include "plugins/functions/log_category.h"

namespace zrk::functions {

Q_LOGGING_CATEGORY(lcFunctions, "zrk.functions", QtWarningMsg)

} // namespace zrk::functions
