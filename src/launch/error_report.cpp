#include "launch/error_report.h"

#include "core/console_context.h"
#include "core/roles/ledger_roles.h"
#include "launch/log_category.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "session/message_boxes.h"

namespace zrk {

void reportSuiteError(ConsoleContext& ctx, const Error& error) {
    try {
        if (!ctx.session().suiteHelper)
            ctx.session().suiteHelper = createComponent(ctx.components(), kSuiteHelperProgId, true);
        queryInterface<ISuiteHelper>(ctx.session().suiteHelper)->reportError(error);
    } catch (const Error& e) {
        logCaughtError(lcLaunch(), "reportSuiteError: no suite helper, the error is shown as a message", e);
        showMessage(ctx, error.description(), false);
    }
}

} // namespace zrk
