#include "platform/db/connection_string.h"

#include "platform/db/db_errors.h"

#include <QStringList>

namespace zrk::db {

namespace {

QString normalisedKey(const QString& key) {
    QString out;
    for (const QChar c : key)
        if (!c.isSpace())
            out += c.toLower();
    return out;
}

bool isTrue(const QString& value) {
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("true") || v == QLatin1String("yes") || v == QLatin1String("1") ||
           v == QLatin1String("sspi");
}

// The provider names that lead to SQL Server.
bool isSqlServerProvider(const QString& p) {
    return p.startsWith(QLatin1String("sqloledb")) || p.startsWith(QLatin1String("sqlncli")) ||
           p.startsWith(QLatin1String("msoledbsql")) || p == QLatin1String("sqlserver");
}

bool isEmbeddedProvider(const QString& p) {
    return p == QLatin1String("sqlite") || p.startsWith(QLatin1String("microsoft.jet.oledb")) ||
           p.startsWith(QLatin1String("microsoft.ace.oledb"));
}

bool isGenericOdbcProvider(const QString& p) {
    return p.isEmpty() || p == QLatin1String("odbc") || p.startsWith(QLatin1String("msdasql"));
}

// "host,1433" -> host and port; "host\instance" stays as it is.
std::pair<QString, QString> splitServer(const QString& dataSource) {
    QString server = dataSource.trimmed();
    if (server.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive))
        server = server.mid(4);
    const qsizetype comma = server.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return {server, QString()};
    return {server.left(comma).trimmed(), server.mid(comma + 1).trimmed()};
}

bool isLocalServerAlias(const QString& server) {
    return server == QLatin1String(".") || server.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0;
}

// ADO keys that this mapping consumes itself; others pass through to the ODBC driver.
bool isMappedKey(const QString& k) {
    static constexpr const char* keys[] = {"provider",
                                           "datasource",
                                           "server",
                                           "address",
                                           "addr",
                                           "networkaddress",
                                           "initialcatalog",
                                           "database",
                                           "userid",
                                           "uid",
                                           "user",
                                           "password",
                                           "pwd",
                                           "integratedsecurity",
                                           "trusted_connection",
                                           "persistsecurityinfo",
                                           "connecttimeout",
                                           "timeout",
                                           "odbcdriver",
                                           "applicationname",
                                           "app",
                                           "workstationid",
                                           "wsid",
                                           "usesprocedureforprepare",
                                           "autotranslate",
                                           "packetsize",
                                           "usehostname"};
    for (const char* key : keys)
        if (k == QLatin1String(key))
            return true;
    return false;
}

ConnectionTarget sqlServerTarget(const ConnectionItems& items, const QString& settingDriver) {
    ConnectionTarget target;
    target.engine = EngineKind::Odbc;
    target.sqlServer = true;
    QString driver = connectionValue(items, QStringLiteral("ODBC Driver"));
    if (driver.isEmpty())
        driver = settingDriver;
    if (driver.isEmpty())
        driver = QString::fromLatin1(kDefaultSqlServerDriver);
    const bool freeTds = driver.contains(QLatin1String("tds"), Qt::CaseInsensitive);

    QString dataSource = connectionValue(items, QStringLiteral("Data Source"));
    for (const char* alias : {"Server", "Address", "Addr", "Network Address"})
        if (dataSource.isEmpty())
            dataSource = connectionValue(items, QString::fromLatin1(alias));
    auto [server, port] = splitServer(dataSource);
    if (isLocalServerAlias(server))
        server = QStringLiteral("localhost");
    QString database = connectionValue(items, QStringLiteral("Initial Catalog"));
    if (database.isEmpty())
        database = connectionValue(items, QStringLiteral("Database"));
    QString user = connectionValue(items, QStringLiteral("User ID"));
    if (user.isEmpty())
        user = connectionValue(items, QStringLiteral("UID"));
    QString password = connectionValue(items, QStringLiteral("Password"));
    if (password.isEmpty())
        password = connectionValue(items, QStringLiteral("PWD"));
    const bool integrated = isTrue(connectionValue(items, QStringLiteral("Integrated Security"))) ||
                            isTrue(connectionValue(items, QStringLiteral("Trusted_Connection")));

    QStringList parts;
    parts << odbcItem(QStringLiteral("DRIVER"), driver);
    if (freeTds) {
        parts << odbcItem(QStringLiteral("SERVER"), server);
        if (!port.isEmpty())
            parts << odbcItem(QStringLiteral("PORT"), port);
    } else {
        parts << odbcItem(QStringLiteral("SERVER"),
                          port.isEmpty() ? server : server + QLatin1Char(',') + port);
    }
    if (!database.isEmpty())
        parts << odbcItem(QStringLiteral("DATABASE"), database);
    if (integrated) {
        parts << odbcItem(QStringLiteral("Trusted_Connection"), QStringLiteral("yes"));
    } else {
        parts << odbcItem(QStringLiteral("UID"), user);
        parts << odbcItem(QStringLiteral("PWD"), password);
    }
    const QString app = connectionValue(items, QStringLiteral("Application Name"));
    if (!app.isEmpty())
        parts << odbcItem(QStringLiteral("APP"), app);
    if (freeTds) {
        // Text travels as UTF-8 between the driver and the program; 7.4 is the protocol of
        // every SQL Server from 2012 on.
        parts << QStringLiteral("ClientCharset=UTF-8") << QStringLiteral("TDS_Version=7.4");
    }
    for (const auto& [key, value] : items)
        if (!isMappedKey(normalisedKey(key)))
            parts << odbcItem(key.trimmed(), value);
    target.odbcString = parts.join(QLatin1Char(';'));

    QString timeout = connectionValue(items, QStringLiteral("Connect Timeout"));
    if (timeout.isEmpty())
        timeout = connectionValue(items, QStringLiteral("Timeout"));
    if (!timeout.isEmpty())
        target.odbcOptions = QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=") + QString::number(timeout.toInt());
    return target;
}

} // namespace

ConnectionItems parseConnectionString(const QString& text) {
    ConnectionItems items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && (text[i].isSpace() || text[i] == QLatin1Char(';')))
            ++i;
        if (i >= n)
            break;
        const qsizetype keyStart = i;
        while (i < n && text[i] != QLatin1Char('=') && text[i] != QLatin1Char(';'))
            ++i;
        const QString key = text.mid(keyStart, i - keyStart).trimmed();
        QString value;
        if (i < n && text[i] == QLatin1Char('=')) {
            ++i;
            while (i < n && text[i].isSpace() && text[i] != QLatin1Char(';'))
                ++i;
            if (i < n && (text[i] == QLatin1Char('\'') || text[i] == QLatin1Char('"') ||
                          text[i] == QLatin1Char('{'))) {
                const QChar open = text[i];
                const QChar close = open == QLatin1Char('{') ? QLatin1Char('}') : open;
                ++i;
                while (i < n) {
                    if (text[i] == close) {
                        if (i + 1 < n && text[i + 1] == close) {
                            value += close;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    value += text[i++];
                }
                while (i < n && text[i] != QLatin1Char(';'))
                    ++i;
            } else {
                const qsizetype valueStart = i;
                while (i < n && text[i] != QLatin1Char(';'))
                    ++i;
                value = text.mid(valueStart, i - valueStart).trimmed();
            }
        }
        if (!key.isEmpty())
            items.emplace_back(key, value);
    }
    return items;
}

QString connectionValue(const ConnectionItems& items, const QString& key) {
    const QString wanted = normalisedKey(key);
    for (const auto& [k, v] : items)
        if (normalisedKey(k) == wanted)
            return v;
    return QString();
}

QString sqlServerDriverSetting() {
    return qEnvironmentVariable("ZRK_SQLSERVER_ODBC_DRIVER");
}

QString odbcItem(const QString& key, const QString& value) {
    const bool needsBraces = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('{')) ||
                             value.contains(QLatin1Char('}')) || value.contains(QLatin1Char('=')) ||
                             value != value.trimmed();
    if (!needsBraces)
        return key + QLatin1Char('=') + value;
    QString escaped = value;
    escaped.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return key + QStringLiteral("={") + escaped + QLatin1Char('}');
}

ConnectionTarget resolveConnectionString(const QString& text, const QString& sqlServerDriver) {
    const ConnectionItems items = parseConnectionString(text);
    const QString provider = connectionValue(items, QStringLiteral("Provider")).trimmed();
    const QString p = provider.toLower();
    ConnectionTarget target;
    if (isSqlServerProvider(p)) {
        target = sqlServerTarget(items, sqlServerDriver);
    } else if (isEmbeddedProvider(p)) {
        target.engine = EngineKind::Sqlite;
        target.file = connectionValue(items, QStringLiteral("Data Source"));
        if (target.file.isEmpty())
            target.file = connectionValue(items, QStringLiteral("Database"));
        const QString mode = connectionValue(items, QStringLiteral("Mode")).trimmed().toLower();
        target.readOnly = mode == QLatin1String("read") || mode == QLatin1String("1");
    } else if (isGenericOdbcProvider(p)) {
        target.engine = EngineKind::Odbc;
        QStringList parts;
        for (const auto& [key, value] : items)
            if (normalisedKey(key) != QLatin1String("provider"))
                parts << odbcItem(key.trimmed(), value);
        target.odbcString = parts.join(QLatin1Char(';'));
        target.sqliteDriver = connectionValue(items, QStringLiteral("Driver"))
                                  .contains(QLatin1String("sqlite"), Qt::CaseInsensitive);
    } else {
        throw Error(dberr::ProviderNotFound, QStringLiteral("zrk.Connection"),
                    QStringLiteral("Provider cannot be found: %1").arg(provider));
    }
    target.provider = provider;
    return target;
}

} // namespace zrk::db
