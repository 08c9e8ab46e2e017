#pragma once

#include "platform/component_registry.h"
#include "platform/db/connection.h"
#include "platform/dictionary.h"
#include "platform/object.h"
#include "platform/os_facts.h"
#include "platform/prompt_service.h"
#include "platform/settings_store.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zrk {

class ITextLoader;
class IFormTextLoader;
class IHostWindow;

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

// The session of this process: who is logged on to which account set, and the suite's objects
// that live as long as the session does.
struct SessionState {
    // The process id under which the session properties are published.
    std::int32_t processId = 0;
    // The command line the process was started with (launch parameters).
    QString commandLine;
    // The suite's login context, prepared before every login.
    ObjectPtr loginContext;
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
    // The connection to the account set, open for the session.
    std::shared_ptr<db::Connection> companyConnection;
    // The suite's common questions and error report, created on first use.
    ObjectPtr suiteHelper;
};

// The application title and the texts shown while a component call is outstanding. The title
// names the program on the desktop and heads the start-up's failure boxes. The pending and busy
// texts and the time-out are kept for the suite's out-of-process components: the components
// this program carries run in its own process on the user-interface thread, so no call is ever
// outstanding while the window could show a text, and nothing shows them yet.
struct BusyMessages {
    QString appTitle, title, pendingText, busyText;
    int timeoutMs = 0;
};

// The main board: built once it first became active while maximised; active while it is the
// frame's active child.
struct BoardState {
    bool built = false;
    bool active = false;
};

// The cache wrapper's entry list: what this process stored in the cache.
struct CacheEntries {
    std::vector<std::shared_ptr<Dictionary>> entries;
};

// What the process measured of its screen, and how many wait cursors are up.
struct DesktopState {
    // 96 divided by the screen's dots per inch, once measured.
    std::optional<double> screenScale;
    int waitCursors = 0;
    // The screen's size in pixels when the program was told it (a headless run's --size);
    // otherwise the primary screen's own size is used.
    std::optional<QSize> screenSize;
};

// The function launching: the service object, the timer service started for functions, and the
// open host windows.
struct LaunchState {
    // The console's service object, published as QVMainApp once created.
    ObjectPtr mainService;
    // The suite's timer service and the id its start returned; none until a function asks.
    ObjectPtr timerService;
    std::int32_t timerId = 0;
    // The open host windows, in the order they were opened; each removes itself on unload.
    std::vector<IHostWindow*> hostWindows;
};

// The process-wide state of one console, in owned parts with names: created in main(), passed
// by reference everywhere, so that a test builds a fresh one with its own settings folder,
// prompts and components. The subsystems reach each other through the roles in core/roles,
// handed to the objects that need them, never through this object.
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

    SessionState& session() { return session_; }
    const SessionState& session() const { return session_; }
    SchemeState& scheme() { return scheme_; }
    TextState& texts() { return texts_; }
    BusyMessages& busy() { return busy_; }
    BoardState& board() { return board_; }
    CacheEntries& cache() { return cache_; }
    DesktopState& desktop() { return desktop_; }
    LaunchState& launch() { return launch_; }

private:
    ComponentRegistry components_;
    ObjectFactory factory_;
    SettingsStore settings_;
    PromptService& prompts_;
    WindowFinder& windows_;

    SessionState session_;
    SchemeState scheme_;
    TextState texts_;
    BusyMessages busy_;
    BoardState board_;
    CacheEntries cache_;
    DesktopState desktop_;
    LaunchState launch_;
};

} // namespace zrk
