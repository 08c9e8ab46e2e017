#include "session/session_component_host.h"

#include "core/console_context.h"
#include "session/texts.h"

namespace zrk {

const ComponentRegistry& SessionComponentHost::components() const {
    return ctx_.components();
}

std::int32_t SessionComponentHost::processId() const {
    return ctx_.session().processId;
}

QString SessionComponentHost::translate(const QString& text) const {
    return zrk::translate(ctx_, text);
}

PromptService& SessionComponentHost::prompts() const {
    return ctx_.prompts();
}

QString pluginFolderOf(const QString& programFolder) {
    return programFolder + QStringLiteral("/plugins");
}

} // namespace zrk
