#pragma once

#include "core/console_context.h"
#include "desktop/scripted_prompt_service.h"
#include "platform/os_facts.h"
#include "suite/suite_components.h"

#include <QTemporaryDir>
#include <map>
#include <optional>

namespace zrk::test {

// A window finder with scripted windows: title -> handle, and how many close posts fail first.
class FakeWindowFinder : public WindowFinder {
public:
    std::map<QString, unsigned long> windows;
    int failingPosts = 0;
    int posts = 0;
    std::optional<unsigned long> findTopLevel(const QString& title) override;
    bool postClose(unsigned long window) override;
};

// A fresh console: its own settings folder, scripted prompts, fake windows and the suite's
// components registered, so a test never touches the user's real configuration.
class TestConsole {
public:
    TestConsole();

    QString folder() const { return dir.path(); }

    QTemporaryDir dir;
    ScriptedPromptService prompts;
    FakeWindowFinder windows;
    SettingsStore settings;
    ConsoleContext ctx;
};

} // namespace zrk::test
