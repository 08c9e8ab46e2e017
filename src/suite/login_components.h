#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"
#include "platform/password_hash.h"
#include "platform/prompt_service.h"
#include "platform/settings_store.h"
#include "suite/account_login.h"
#include "suite/suite_texts.h"

#include <memory>
#include <optional>

namespace zrk::suite {

// The session a login object exposes once its login succeeded.
class LoggedOnSession : public ILoginSession {
public:
    Variant userName() override;
    Variant propsString() override { return props_; }
    Variant logStatus() override { return logStatus_; }
    Variant acctName() override;
    Variant acctType() override;
    Variant setupType() override;
    Variant acctID() override;
    Variant uuid() override;
    Variant ip() override;
    Variant machineName() override;

    void adopt(const AccountSession& session, const QString& uuid);
    void forget();
    const std::optional<AccountSession>& session() const { return session_; }

private:
    QString item(const char* key) const;

    std::optional<AccountSession> session_;
    QString props_;
    std::int32_t logStatus_ = 0;
};

// OwnerLogin.LoginDialog: the owner's login dialog, and the login from the registry entry that
// another program of the suite left for the console.
class OwnerLoginDialog : public Object, public IOwnerLogin, public LoggedOnSession {
public:
    OwnerLoginDialog(SettingsStore settings, PromptService& prompts, std::shared_ptr<LoginState> state,
                     SuiteTexts texts, int hashIterations = kPasswordHashIterations)
        : settings_(std::move(settings)), prompts_(prompts), state_(std::move(state)),
          texts_(std::move(texts)), hashIterations_(hashIterations) {}

    std::int32_t login(const QString& subId, const QString& caption, bool& showDialog) override;
    // Logs in with the entry the launch left and removes its password at once (the whole entry
    // when the login fails). False when there is no entry; a refused login raises an error with
    // the reason (unknown account set, wrong user or password, a broken catalogue).
    bool loginStraight(const QString& subId, const QString& caption, std::int32_t& acctId) override;

private:
    SettingsStore settings_;
    PromptService& prompts_;
    std::shared_ptr<LoginState> state_;
    SuiteTexts texts_;
    int hashIterations_;
};

// AcctLogin.NoUILogin: the login of another program that hands over its credentials.
class NoUILogin : public Object, public INoUILogin {
public:
    NoUILogin(SettingsStore settings, std::shared_ptr<LoginState> state, SuiteTexts texts,
              int hashIterations = kPasswordHashIterations)
        : settings_(std::move(settings)), state_(std::move(state)), texts_(std::move(texts)),
          hashIterations_(hashIterations) {}

    std::int32_t login(const QString& subId, const QString& serverName, const Variant& acctId,
                       const QString& userName, const QString& password) override;
    QString acctName() override;
    QString propsString() override;
    std::int32_t acctClosed() override;

private:
    SettingsStore settings_;
    std::shared_ptr<LoginState> state_;
    SuiteTexts texts_;
    int hashIterations_;
    LoggedOnSession session_;
};

// ServerMgr.clsAct: the account sets this installation serves.
class AccountServer : public Object, public IAccountLookup {
public:
    AccountServer(SettingsStore settings, SuiteTexts texts)
        : settings_(std::move(settings)), texts_(std::move(texts)) {}
    QString getAccountName(std::int32_t acctId) override;

private:
    SettingsStore settings_;
    SuiteTexts texts_;
};

// The suite's login context: each prepared login gets a new login identifier.
class LoginContext : public Object, public ILoginContext {
public:
    explicit LoginContext(std::shared_ptr<LoginState> state) : state_(std::move(state)) {}
    void prepareLogin() override;
    void endFailedLogin() override;

private:
    std::shared_ptr<LoginState> state_;
};

// FormKit.FormDef: a form's definition (name and caption) as the suite's form library keeps it.
class FormDef : public Object {
public:
    QString name;
    QString caption;
};

} // namespace zrk::suite
