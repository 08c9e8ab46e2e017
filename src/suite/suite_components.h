#pragma once

#include "platform/component_registry.h"
#include "platform/password_hash.h"
#include "platform/prompt_service.h"
#include "platform/settings_store.h"

namespace zrk::suite {

// What the stand-in components need to know of the machine they run on.
struct SuiteEnvironment {
    SettingsStore settings;
    QString logFolder;                                // where MsgLog.Log writes
    QString localeName;                               // the system locale, as "zh_CN"
    PromptService* prompts = nullptr;                 // where the components' own questions and reports go
    int passwordIterations = kPasswordHashIterations; // the work of a password digest made at login
};

// Registers every suite component this program carries under its ProgID. Components that keep
// shared state (the property store, the server cache) share it among the instances made here.
void registerSuiteComponents(ComponentRegistry& registry, const SuiteEnvironment& environment);

} // namespace zrk::suite
