#include "shell/shutdown_cleanup.h"

#include "core/console_context.h"
#include "platform/os_facts.h"
#include "session/texts.h"

namespace zrk {

namespace {
// A window that keeps refusing the request must not hold up the shutdown for ever.
constexpr int kCloseAttempts = 20;
} // namespace

bool closeOfflineSyncWindow(ConsoleContext& ctx) {
    const QString title = translate(ctx, kOfflineSyncWindowTitle);
    for (int attempt = 0; attempt < kCloseAttempts; ++attempt) {
        const auto window = ctx.windows().findTopLevel(title);
        if (!window)
            return false;
        if (ctx.windows().postClose(*window))
            return true;
    }
    return false;
}

int endClientCacheHosts() {
    return terminateUserProcessesNamed(kClientCacheHostName);
}

} // namespace zrk
