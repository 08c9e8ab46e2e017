#pragma once

#include "core/console_context.h"
#include "platform/os_facts.h"
#include "platform/scripted_messages.h"

#include <QTemporaryDir>
#include <map>
#include <optional>
#include <vector>

namespace zrk::test {

// A window finder with scripted windows: title -> handle, and how many close posts fail first.
class FakeWindowFinder : public WindowFinder {
public:
    std::map<QString, unsigned long> windows;
    int failingPosts = 0;
    int posts = 0;
    std::optional<unsigned long> findTopLevel(const QString& title) override;
    std::vector<unsigned long> findTopLevelContaining(const QString& text) override;
    bool postClose(unsigned long window) override;
    // The handles asked to close, in order.
    std::vector<unsigned long> closed;
};

// A console without widgets and without the suite's components, for presenters and models: its
// own settings folder, scripted message boxes and fake windows. A test registers the fake
// components it needs.
class CoreConsole {
public:
    CoreConsole();

    QTemporaryDir dir;
    ScriptedMessages prompts;
    FakeWindowFinder windows;
    SettingsStore settings;
    ConsoleContext ctx;
};

} // namespace zrk::test
