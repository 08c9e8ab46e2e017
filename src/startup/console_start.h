#pragma once

#include "platform/dictionary.h"

#include <QString>
#include <cstdint>

namespace zrk {

class ConsoleContext;
class IMainWindow;

inline const QString kConsoleAppTitle = QStringLiteral("ZRK老板报表主控台");
// What the owner's login dialog names the program it logs into.
inline const QString kLoginCaption = QStringLiteral("主控台");
inline const QString kLoginContextProgId = QStringLiteral("SuiteLogin.Context");
inline const QString kOwnerLoginProgId = QStringLiteral("OwnerLogin.LoginDialog");
inline const QString kNoUILoginProgId = QStringLiteral("AcctLogin.NoUILogin");
inline const QString kBase64ProgId = QStringLiteral("CloudLogin.Base64");

// How a start ended: the console runs (its main window is open), or the process must end.
enum class StartOutcome { Running, Ended };

// The session of a launch parameter string ("PropsString=<Base64>;LoginInfo=<Base64>;"):
// NoSession when the line holds none (the interactive start follows), Running when the session
// was adopted and the main window opened, Ended when it was refused (the reason was shown).
enum class CommandLineStart { NoSession, Running, Ended };
CommandLineStart startFromCommandLine(ConsoleContext& ctx, IMainWindow& window, const QString& commandLine);

// Logs in (silently from the dictionary when one is given, else interactively), prepares the
// environment and opens the main window.
StartOutcome startConsole(ConsoleContext& ctx, IMainWindow& window, const DictionaryPtr& login);

// The interactive owner login: -1 on success, 0 otherwise.
std::int32_t loginConsole(ConsoleContext& ctx, bool doLogin, bool force);

// The login from another program's login dictionary (AcctID, Username, Password).
void silentLogin(ConsoleContext& ctx, const Dictionary& login);

// The application title and the texts shown while a component call is outstanding.
void setBusyMessages(ConsoleContext& ctx);
void preloadComponents(ConsoleContext& ctx);

// Opens the company connection and the seed file, and makes sure the console tables exist.
bool initConsoleEnvironment(ConsoleContext& ctx);

// After a re-login: when the session's connection string is no longer the one the company
// connection was opened with (another account set), closes that connection and prepares the
// environment of the new one (connection, console tables). True when nothing had to change or
// the new account set is ready; errors pass on unchanged.
bool followAccountSetChange(ConsoleContext& ctx);

} // namespace zrk
