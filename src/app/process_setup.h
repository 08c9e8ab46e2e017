#pragma once

#include "platform/prompt_service.h"
#include "platform/settings_store.h"
#include "suite/suite_components.h"

namespace zrk {

// Where this process keeps its settings: the folder named by ZRK_SETTINGS_DIR when it is set
// (a portable installation, or a test), else the real machine and user files.
SettingsStore settingsForProcess();

// What the suite's components of this process need: settings, log folder, locale and prompts.
suite::SuiteEnvironment suiteEnvironmentFor(const SettingsStore& settings, PromptService* prompts);

// The name of the channel of the running console for this user and display.
QString instanceChannelName();
// The folder for the per-user lock (the user's runtime folder).
QString runtimeFolder();

// Prompts for a run without a screen: each message goes to standard error and is answered with
// its safe choice (OK, No or Cancel); dialogs are rejected.
class HeadlessPromptService : public PromptService {
public:
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    int execDialog(QDialog& dialog) override;
};

} // namespace zrk
