#include "startup/login_registry.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "platform/os_facts.h"
#include "session/installation.h"
#include "session/password_scramble.h"
#include "startup/log_category.h"

#include <QFileInfo>

namespace zrk {

namespace {

std::shared_ptr<IRegistry> registry(ConsoleContext& ctx) {
    return queryInterface<IRegistry>(createComponent(ctx.components(), kRegistryProgId, true));
}

QString readValue(IRegistry& reg, const QString& key, const QString& name) {
    const Variant value = reg.getKeyValue(key, name, QStringLiteral("1"));
    return value.isNull() ? QString() : value.toString();
}

QString accountName(ConsoleContext& ctx, const QString& acctId) {
    try {
        const auto lookup = queryInterface<IAccountLookup>(ctx.objectFactory().create(kServerManagerProgId));
        return lookup->getAccountName(acctId.toInt());
    } catch (const Error& e) {
        logCaughtError(lcStartup(), "accountName: the account set's name is unknown", e);
        return {};
    }
}

// The program file of a class's local server, without its arguments or quotes.
QString serverFile(const QString& localServer) {
    QString command = localServer.trimmed();
    if (command.startsWith(QLatin1Char('"')))
        return command.mid(1).section(QLatin1Char('"'), 0, 0);
    return command.section(QLatin1Char(' '), 0, 0);
}

} // namespace

QString getMachineName() {
    return machineName();
}
QString getTerminalName() {
    return terminalName();
}

bool writeLoginRegistry(ConsoleContext& ctx, const QString& userName, const QString& acctId,
                        const QString& password) {
    const QString name = accountName(ctx, acctId);
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\") + loginRegistryPath(getTerminalName(), acctId);
    const std::pair<const char*, QString> values[] = {
        {"AcctTypeID", QStringLiteral("-1")},
        {"cAcctName", name},
        {"SubID", QStringLiteral("super")},
        {"cDatabaseName", acctId},
        {"optLog", QStringLiteral("False")},
        {"cWorkStation", getMachineName()},
        {"MServer", getServerName(ctx, kServerManagerProgId)},
        {"UserName", userName},
        {"Password", scramblePassword(password)},
        {"LogStatus", QStringLiteral("2")},
        {"AcctClosed", QStringLiteral("1")},
    };
    try {
        const auto reg = registry(ctx);
        for (const auto& [valueName, value] : values)
            reg->setKeyValue(key, QString::fromLatin1(valueName), value);
    } catch (const Error& e) {
        logCaughtError(lcStartup(), "writeLoginRegistry: the entry was not written", e);
        return false;
    }
    return true;
}

QString getServerName(ConsoleContext& ctx, const QString& progId) {
    const QString machine = getMachineName();
    std::shared_ptr<IRegistry> reg;
    try {
        reg = registry(ctx);
    } catch (const Error& e) {
        logCaughtError(lcStartup(), "getServerName: no registry, this machine taken", e);
        return machine;
    }
    const QString classes = QStringLiteral("HKEY_CLASSES_ROOT\\");
    QString candidate;
    const QString clsid = readValue(*reg, classes + progId + QStringLiteral("\\Clsid"), QString());
    if (!clsid.isEmpty()) {
        const QString remote =
            readValue(*reg, classes + QStringLiteral("AppID\\") + clsid, QStringLiteral("RemoteServerName"));
        const QString local = readValue(
            *reg, classes + QStringLiteral("CLSID\\") + clsid + QStringLiteral("\\LocalServer32"), QString());
        if (remote.isEmpty() || (!local.isEmpty() && QFileInfo::exists(serverFile(local))))
            candidate = machine;
        else
            candidate = remote.toUpper();
    }
    if (!candidate.isEmpty())
        return candidate;
    const QString terminal = getTerminalName();
    const QString loginKey =
        QStringLiteral("HKEY_CURRENT_USER\\") + kLoginRegistryRoot +
        (terminal.isEmpty() ? QString() : QLatin1Char('\\') + terminal + QLatin1Char('\\'));
    const QString server = readValue(*reg, loginKey, QStringLiteral("MServer")).trimmed();
    return server.isEmpty() ? machine : server;
}

} // namespace zrk
