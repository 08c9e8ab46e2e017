#pragma once

#include "platform/prompt_service.h"
#include "platform/settings_store.h"
#include "suite/suite_components.h"

#include <QObject>

namespace zrk {

// Where this process keeps its settings: the folder named by ZRK_SETTINGS_DIR when it is set
// (a portable installation, or a test), else the real machine and user files.
SettingsStore settingsForProcess();

// What the suite's components of this process need: settings, log folder, locale and prompts.
suite::SuiteEnvironment suiteEnvironmentFor(const SettingsStore& settings, PromptService* prompts);

// The name of the channel of the running console for this user and display.
QString instanceChannelName();

// The user's runtime folder, where the console keeps its lock and its socket: $XDG_RUNTIME_DIR,
// else a folder of the user's own below the cache folder, created 0700. problem says, when it is
// not empty, why the folder cannot be used (the untranslated pattern, %1 standing for the path);
// path is then not to be used.
struct RuntimeFolder {
    QString path;
    QString problem;
};
RuntimeFolder runtimeFolder();
// Why a runtime folder is not safe to hold the console's socket ("" when it is): it is missing,
// a symbolic link, not owned by the user, or open to the group or others. The untranslated
// pattern, %1 standing for the folder.
QString runtimeFolderProblem(const QString& folder);

// SIGTERM and SIGINT end the console through its event loop, so that everything it holds (the
// instance socket and lock among them) is taken down as on a normal exit. block() must run at
// the very start of main(), before any thread exists; the object is made once the application
// object is there. A signal that arrives before the event loop runs waits for it.
class TerminationSignals : public QObject {
public:
    static void block();
    TerminationSignals();
    ~TerminationSignals() override;
    // The exit code for the signal received (128 + its number), 0 while none was.
    int exitCode() const { return exitCode_; }

private:
    void receive();
    int fd_ = -1;
    int exitCode_ = 0;
};

// Prompts for a run without a screen: each message goes to standard error and is answered with
// its safe choice (OK, No or Cancel); dialogs are rejected.
class HeadlessPromptService : public PromptService {
public:
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    int execDialog(QDialog& dialog) override;
};

} // namespace zrk
