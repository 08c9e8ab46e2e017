#include "suite/account_login.h"

#include "platform/caught_error.h"
#include "platform/db/connection.h"
#include "platform/db/sql_literal.h"
#include "platform/os_facts.h"
#include "platform/password_hash.h"
#include "suite/log_category.h"
#include "suite/session_access.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace zrk::suite {

namespace {

QString installDir(const SettingsStore& settings) {
    const Variant path = settings.read(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"),
                                       QStringLiteral("Path"));
    return path.isEmpty() ? QString() : path.toString();
}

QString localAddress() {
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    return QStringLiteral("127.0.0.1");
}

} // namespace

std::vector<AccountSetEntry> installedAccountSets(const SettingsStore& settings, const SuiteTexts& texts) {
    const QString dir = installDir(settings);
    if (dir.isEmpty())
        return {};
    return readAccountCatalogue(accountCatalogueFile(dir), texts);
}

std::optional<AccountSetEntry> findAccountSet(const SettingsStore& settings, std::int32_t acctId,
                                              const SuiteTexts& texts) {
    for (const AccountSetEntry& entry : installedAccountSets(settings, texts))
        if (entry.id == acctId)
            return entry;
    return std::nullopt;
}

namespace {

// A new salt and digest with the current work; a failure leaves the old digest, which still
// verifies, and the login goes on.
void rehashPassword(db::Connection& books, std::int32_t userId, const QString& password, int iterations) {
    try {
        const QByteArray salt = newPasswordSalt();
        const QByteArray hash = hashPassword(password, salt, iterations);
        books.execute(QStringLiteral("Update t_User Set FSalt=") +
                      db::sqlText(QString::fromLatin1(salt.toHex())) + QStringLiteral(", FPasswordHash=") +
                      db::sqlText(QString::fromLatin1(hash.toHex())) + QStringLiteral(", FHashIterations=") +
                      QString::number(iterations) + QStringLiteral(" Where FUserID=") +
                      QString::number(userId));
    } catch (const Error& e) {
        logCaughtError(lcSuite(), "rehashPassword: the digest keeps its old work", e);
    }
}

} // namespace

std::optional<AccountSession> authenticate(const SettingsStore& settings, std::int32_t acctId,
                                           const QString& userName, const QString& password,
                                           int hashIterations, const SuiteTexts& texts, QString* refusal) {
    auto refuse = [refusal](const QString& why) -> std::optional<AccountSession> {
        if (refusal)
            *refusal = why;
        return std::nullopt;
    };
    const QString wrongCredentials = texts.text(kWrongCredentials);
    const auto accountSet = findAccountSet(settings, acctId, texts);
    if (!accountSet)
        return refuse(texts.pattern(kUnknownAccountSet, {QString::number(acctId)}));
    if (userName.trimmed().isEmpty())
        return refuse(wrongCredentials);
    db::Connection books;
    books.open(accountSet->connectString);
    const auto user = books.execute(QStringLiteral("Select FUserID, FName, FSalt, FPasswordHash, "
                                                   "FHashIterations, FForbidden From t_User Where FName=") +
                                    db::sqlText(userName.trimmed()));
    if (!user || user->eof() || user->value(QStringLiteral("FForbidden")).toInt32() != 0)
        return refuse(wrongCredentials);
    const QString storedName = user->value(QStringLiteral("FName")).toString();
    if (!isPlainPropertyValue(storedName))
        throw Error(
            errnum::InvalidProcedureCall, QStringLiteral("AcctLogin"),
            texts.pattern(QStringLiteral("用户名“%1”含有不允许的字符（; = { }），不能登录。"), {storedName}));
    const QByteArray salt = QByteArray::fromHex(user->value(QStringLiteral("FSalt")).toString().toLatin1());
    const QByteArray hash =
        QByteArray::fromHex(user->value(QStringLiteral("FPasswordHash")).toString().toLatin1());
    const int iterations = user->value(QStringLiteral("FHashIterations")).toInt32();
    if (!verifyPassword(password, salt, iterations, hash))
        return refuse(wrongCredentials);
    if (iterations < hashIterations)
        rehashPassword(books, user->value(QStringLiteral("FUserID")).toInt32(), password, hashIterations);

    AccountSession session;
    session.userId = user->value(QStringLiteral("FUserID")).toInt32();
    session.userName = storedName;
    session.accountSet = *accountSet;
    session.acctType = readSystemProfile(books, QStringLiteral("GL"), QStringLiteral("AccountType"))
                           .value_or(QStringLiteral("1"));
    session.closed = false;
    return session;
}

QString sessionPropsString(const AccountSession& session, const QString& uuid, std::int32_t logStatus) {
    const std::pair<const char*, QString> items[] = {
        {"UserID", QString::number(session.userId)},
        {"UserName", session.userName},
        {"LogStatus", QString::number(logStatus)},
        {"AcctID", QString::number(session.accountSet.id)},
        {"AcctName", session.accountSet.name},
        {"AcctType", session.acctType},
        {"SetupType", QStringLiteral("1")},
        {"SubID", QStringLiteral("super")},
        {"UUID", uuid},
        {"IP", localAddress()},
        {"MachineName", machineName()},
    };
    QString props;
    for (const auto& [key, value] : items)
        props += QString::fromLatin1(key) + QLatin1Char('=') + value + QLatin1Char(';');
    return props + QStringLiteral("ConnectString={") + session.accountSet.connectString +
           QStringLiteral("};");
}

} // namespace zrk::suite
