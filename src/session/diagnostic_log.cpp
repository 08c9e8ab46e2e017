#include "session/diagnostic_log.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "platform/error.h"
#include "session/log_category.h"

namespace zrk {

namespace {

// The log object when it exists and is enabled.
std::shared_ptr<IMsgLog> enabledLog(ConsoleContext& ctx) {
    if (!ctx.session().log)
        return {};
    auto log = tryInterface<IMsgLog>(ctx.session().log);
    return log && log->isEnabled() ? log : nullptr;
}

} // namespace

std::int32_t logStart(ConsoleContext& ctx, const QString& text) {
    try {
        if (!ctx.session().log)
            ctx.session().log = ctx.components().create(kMsgLogProgId);
        if (const auto log = enabledLog(ctx))
            return log->logStart(text);
    } catch (const Error& e) {
        logCaughtError(lcSession(), "logStart: the diagnostic log is unavailable", e);
    }
    return 0;
}

void logInfo(ConsoleContext& ctx, std::int32_t id, const QString& text) {
    try {
        if (const auto log = enabledLog(ctx))
            log->logInfo(id, text);
    } catch (const Error& e) {
        logCaughtError(lcSession(), "logInfo: the diagnostic log is unavailable", e);
    }
}

void logEnd(ConsoleContext& ctx, std::int32_t id, std::int32_t value) {
    // Any error of the log stays here, so an error the caller is reporting is left as it was.
    try {
        if (const auto log = enabledLog(ctx))
            log->logEnd(id, value);
    } catch (const Error& e) {
        logCaughtError(lcSession(), "logEnd: the diagnostic log is unavailable", e);
    }
}

} // namespace zrk
