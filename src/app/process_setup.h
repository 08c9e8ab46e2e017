#pragma once

#include "platform/settings_store.h"
#include "suite/suite_components.h"

namespace zrk {

// Where this process keeps its settings: the folder named by ZRK_SETTINGS_DIR when it is set
// (a portable installation, or a test), else the real machine and user files.
SettingsStore settingsForProcess();

// What the suite's components of this process need: settings, log folder and locale.
suite::SuiteEnvironment suiteEnvironmentFor(const SettingsStore& settings);

} // namespace zrk
