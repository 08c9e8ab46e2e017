#pragma once

#include "platform/component_registry.h"
#include "platform/db/connection.h"
#include "platform/dictionary.h"
#include "platform/object.h"
#include "platform/os_facts.h"
#include "platform/prompt_service.h"
#include "platform/settings_store.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zrk {

class ITextLoader;
class IFormTextLoader;

// What the installation's scheme file says, read once per process.
struct SchemeState {
    bool loaded = false;
    std::int32_t appType = 0;
    bool oem = false;
    QString appName;
    QString iconPath;
    bool industryLoaded = false;
    std::int16_t industryId = 0;
    QString industryName;
    std::int16_t demo = 0;
    std::optional<std::int32_t> hangYeType;
};

// The translation state: language, loaders, and whether form texts are being loaded.
struct TextState {
    std::int16_t languageCode = 0; // 1 Simplified Chinese, 2 English, 3 Traditional Chinese; 0 until asked
    std::shared_ptr<ITextLoader> loader;
    std::shared_ptr<IFormTextLoader> formLoader;
    bool loadingFormTexts = false;
};

// The process-wide state of one console: created in main(), passed by reference everywhere, so
// that a test builds a fresh one with its own settings folder, prompts and components.
class ConsoleContext {
public:
    ConsoleContext(SettingsStore settings, PromptService& prompts, WindowFinder& windows);
    ConsoleContext(const ConsoleContext&) = delete;
    ConsoleContext& operator=(const ConsoleContext&) = delete;

    ComponentRegistry& components() { return components_; }
    const ObjectFactory& objectFactory() const { return factory_; }
    const SettingsStore& settings() const { return settings_; }
    PromptService& prompts() { return prompts_; }
    WindowFinder& windows() { return windows_; }

    // The process id under which the session properties are published.
    std::int32_t processId = 0;
    // The command line the process was started with (launch parameters).
    QString commandLine;
    // The suite's login context, prepared before every login.
    ObjectPtr loginContext;
    // The application title and the texts shown while a component call is outstanding.
    struct BusyMessages {
        QString appTitle, title, pendingText, busyText;
        int timeoutMs = 0;
    } busy;
    // A main window has been shown after a successful session start.
    bool loggedIn = false;
    // The session came from another program's launch parameters; they are not decoded again.
    bool externalLaunch = false;
    // The current account-set ID.
    std::int32_t currentAcctID = 0;
    // The last shared-properties object created.
    ObjectPtr sharedProps;
    // The suite's foundation object, created on first use and kept for the process.
    ObjectPtr foundation;
    // The diagnostic log object, created on the first LogStart.
    ObjectPtr log;
    // 96 divided by the screen's dots per inch, once measured.
    std::optional<double> screenScale;

    SchemeState scheme;
    TextState texts;

    // The main board: built once it first became active while maximised; active while it is
    // the frame's active child.
    bool boardBuilt = false;
    bool boardActive = false;

    // The connection to the account set, open for the session.
    std::shared_ptr<db::Connection> companyConnection;
    // The suite's common questions and error report, created on first use.
    ObjectPtr suiteHelper;

    // Hooks through which the main window reaches the start-up code and the service object
    // without depending on them: the interactive login (do login, force; -1 on success), the
    // service object's publication, and the stop of the timer service.
    std::function<int(bool, bool)> loginConsole;
    std::function<void()> ensureMainService;
    std::function<void()> showMainWindow;
    std::function<void()> stopTimerService;

    // The cache wrapper's entry list: what this process stored in the cache.
    std::vector<std::shared_ptr<Dictionary>> cacheEntries;
    // How many wait cursors are up.
    int waitCursorCount = 0;

private:
    ComponentRegistry components_;
    ObjectFactory factory_;
    SettingsStore settings_;
    PromptService& prompts_;
    WindowFinder& windows_;
};

} // namespace zrk
