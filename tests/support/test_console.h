#pragma once

#include "core/console_context.h"
#include "desktop/scripted_prompt_service.h"
#include "suite/suite_components.h"
#include "support/core_console.h"

#include <QTemporaryDir>

namespace zrk::test {

// The password work of the tests' account sets and logins: the real work (600,000 iterations)
// would make every login of a test take a noticeable time; the rules are the same.
inline constexpr int kTestPasswordIterations = 1000;

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
