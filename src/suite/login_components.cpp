#include "suite/login_components.h"

#include "platform/caught_error.h"
#include "platform/os_facts.h"
#include "platform/vb_conversions.h"
#include "session/login_entry.h"
#include "session/password_scramble.h"
#include "session/property_string.h"
#include "suite/log_category.h"
#include "suite/login_dialog.h"

#include <QUuid>

namespace zrk::suite {

namespace {

QString currentUuid(LoginState& state) {
    if (state.uuid.isEmpty())
        state.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return state.uuid;
}
} // namespace

void LoggedOnSession::adopt(const AccountSession& session, const QString& uuid) {
    session_ = session;
    logStatus_ = kLoggedOnStatus;
    props_ = suite::sessionPropsString(session, uuid, logStatus_);
}

void LoggedOnSession::forget() {
    session_.reset();
    props_.clear();
    logStatus_ = 0;
}

QString LoggedOnSession::item(const char* key) const {
    return getItemValue(props_, QString::fromLatin1(key), QStringLiteral(";"));
}

Variant LoggedOnSession::userName() {
    return session_ ? Variant(session_->userName) : Variant(QString());
}
Variant LoggedOnSession::acctName() {
    return session_ ? Variant(session_->accountSet.name) : Variant(QString());
}
Variant LoggedOnSession::acctType() {
    return item("AcctType");
}
Variant LoggedOnSession::setupType() {
    return item("SetupType");
}
Variant LoggedOnSession::acctID() {
    return session_ ? Variant(session_->accountSet.id) : Variant(-1);
}
Variant LoggedOnSession::uuid() {
    return item("UUID");
}
Variant LoggedOnSession::ip() {
    return item("IP");
}
Variant LoggedOnSession::machineName() {
    return item("MachineName");
}

std::int32_t OwnerLoginDialog::login(const QString& /*subId*/, const QString& caption, bool& showDialog) {
    forget();
    std::vector<AccountSetEntry> sets;
    try {
        sets = installedAccountSets(settings_, texts_);
    } catch (const Error& e) {
        prompts_.messageBox(e.description(), texts_.text(kSuiteMessageTitle), MessageIcon::Critical,
                            MessageButtons::Ok);
        return 0;
    }
    std::optional<AccountSession> accepted;
    auto check = [&](std::int32_t acctId, const QString& user, const QString& password) {
        try {
            QString refusal;
            accepted = authenticate(settings_, acctId, user, password, hashIterations_, texts_, &refusal);
            return accepted ? QString() : refusal;
        } catch (const Error& e) {
            logCaughtError(lcSuite(), "login: the credentials were not checked", e);
            return e.description();
        }
    };
    auto notify = [this](const QString& message) {
        prompts_.messageBox(message, texts_.text(kSuiteMessageTitle), MessageIcon::Critical,
                            MessageButtons::Ok);
    };
    LoginDialog dialog(sets, caption, check, notify, texts_);
    showDialog = true;
    if (prompts_.execDialog(dialog) != QDialog::Accepted || !accepted)
        return 0;
    adopt(*accepted, currentUuid(*state_));
    return -1;
}

bool OwnerLoginDialog::loginStraight(const QString& /*subId*/, const QString& /*caption*/,
                                     std::int32_t& acctId) {
    forget();
    const QString key = loginRegistryPath(terminalName(), QString::number(acctId));
    const QString user = settings_.read(Hive::CurrentUser, key, QStringLiteral("UserName")).toString();
    const Variant stored = settings_.read(Hive::CurrentUser, key, QStringLiteral("Password"));
    const auto password = unscramblePassword(stored.toString());
    // The password is needed for this one login only: it does not stay at rest. An entry whose
    // password was taken already is no login.
    settings_.remove(Hive::CurrentUser, key, QStringLiteral("Password"));
    if (user.isEmpty() || stored.isEmpty() || !password) {
        settings_.remove(Hive::CurrentUser, key, QString());
        return false;
    }
    std::optional<AccountSession> session;
    QString refusal;
    try {
        session = authenticate(settings_, acctId, user, *password, hashIterations_, texts_, &refusal);
    } catch (const Error&) {
        settings_.remove(Hive::CurrentUser, key, QString());
        throw;
    }
    if (!session) {
        settings_.remove(Hive::CurrentUser, key, QString());
        throw Error(errnum::InvalidProcedureCall, QStringLiteral("OwnerLogin.LoginDialog"), refusal);
    }
    adopt(*session, currentUuid(*state_));
    return true;
}

std::int32_t NoUILogin::login(const QString& /*subId*/, const QString& /*serverName*/, const Variant& acctId,
                              const QString& userName, const QString& password) {
    session_.forget();
    const auto session =
        authenticate(settings_, vb::clng(acctId), userName, password, hashIterations_, texts_);
    if (!session)
        return 0;
    session_.adopt(*session, currentUuid(*state_));
    return kLoggedOnStatus;
}

QString NoUILogin::acctName() {
    return session_.acctName().toString();
}
QString NoUILogin::propsString() {
    return session_.propsString().toString();
}
std::int32_t NoUILogin::acctClosed() {
    return session_.session() && session_.session()->closed ? 1 : 0;
}

QString AccountServer::getAccountName(std::int32_t acctId) {
    const auto entry = findAccountSet(settings_, acctId, texts_);
    return entry ? entry->name : QString();
}

void LoginContext::prepareLogin() {
    state_->uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    ++state_->prepared;
}

void LoginContext::endFailedLogin() {
    state_->uuid.clear();
}

} // namespace zrk::suite
