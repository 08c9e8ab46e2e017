#pragma once

#include "platform/component_plugin.h"

namespace zrk {

class ConsoleContext;

// What the plug-ins' components get from this process: its registry, its session's process
// id, the session's translation and its prompt service, all read from the console when asked.
class SessionComponentHost : public ComponentHost {
public:
    explicit SessionComponentHost(ConsoleContext& ctx) : ctx_(ctx) {}

    const ComponentRegistry& components() const override;
    std::int32_t processId() const override;
    QString translate(const QString& text) const override;
    PromptService& prompts() const override;

private:
    ConsoleContext& ctx_;
};

// The folder of the program's plug-ins: "plugins" beside the program.
QString pluginFolderOf(const QString& programFolder);

} // namespace zrk
