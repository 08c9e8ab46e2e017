#pragma once

#include "platform/settings_store.h"
#include "suite/account_catalogue.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace zrk::suite {

// What the login components share within the process: the identifier of the login under way,
// renewed each time the console prepares a login.
struct LoginState {
    QString uuid;
    int prepared = 0;
};

// A logged-on session of an account set.
struct AccountSession {
    std::int32_t userId = 0;
    QString userName;
    AccountSetEntry accountSet;
    QString acctType;
    bool closed = false;
};

// The account sets of this installation (the catalogue below the recorded installation folder).
// A catalogue that cannot be read raises an error in the language of the texts.
std::vector<AccountSetEntry> installedAccountSets(const SettingsStore& settings,
                                                  const SuiteTexts& texts = {});
std::optional<AccountSetEntry> findAccountSet(const SettingsStore& settings, std::int32_t acctId,
                                              const SuiteTexts& texts = {});

// The texts of a refused login, untranslated.
inline const QString kUnknownAccountSet = QStringLiteral("账套 %1 不存在。");
inline const QString kWrongCredentials = QStringLiteral("用户名或密码错误，请重新输入！");

// Checks a user's password against the account set's users. None for an unknown account set,
// user, a blocked user or a wrong password, with the reason in *refusal when given; an account
// set that cannot be opened raises the engine's error, and a user whose name holds a character
// of the property string's syntax raises an error naming it. A digest made with fewer than
// hashIterations iterations is replaced by one with hashIterations after the password matched.
// The reason and the errors are in the language of the texts.
std::optional<AccountSession> authenticate(const SettingsStore& settings, std::int32_t acctId,
                                           const QString& userName, const QString& password,
                                           int hashIterations, const SuiteTexts& texts,
                                           QString* refusal = nullptr);

// The session property string of a logged-on session; the connection string comes last, in braces.
QString sessionPropsString(const AccountSession& session, const QString& uuid, std::int32_t logStatus);

// The login status of a logged-on owner.
inline constexpr std::int32_t kLoggedOnStatus = 2;

} // namespace zrk::suite
