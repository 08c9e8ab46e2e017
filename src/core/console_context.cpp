#include "core/console_context.h"

#include <unistd.h>

namespace zrk {

ConsoleContext::ConsoleContext(SettingsStore settings, PromptService& prompts, WindowFinder& windows)
    : factory_(components_, machineName()), settings_(std::move(settings)), prompts_(prompts),
      windows_(windows) {
    session_.processId = static_cast<std::int32_t>(getpid());
}

} // namespace zrk
