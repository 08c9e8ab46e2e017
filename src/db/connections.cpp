#include "db/connections.h"

#include "core/console_context.h"
#include "db/console_schema.h"
#include "db/log_category.h"
#include "platform/caught_error.h"
#include "platform/db/connection_string.h"
#include "session/property_string.h"
#include "session/session_properties.h"
#include "session/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace zrk {

namespace {

constexpr int kUnrecognisedSeedFile = 3343;
const QString kSource = QStringLiteral("OpenLocalConnection");

const QString kBadSeedFileText = QStringLiteral("老板报表种子文件无法识别：%1（%2）");

// The error's text is in the session's language when there is a session to ask.
[[noreturn]] void raiseBadSeedFile(ConsoleContext* ctx, const QString& file, const QString& detail) {
    const QString pattern = ctx ? translate(*ctx, kBadSeedFileText) : kBadSeedFileText;
    throw Error(kUnrecognisedSeedFile, kSource, fillPlaceholders(pattern, {file, detail}));
}

db::ConnectionPtr openSeed(ConsoleContext* ctx, const QString& file) {
    auto connection = std::make_shared<db::Connection>();
    const QString connect = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file +
                            QStringLiteral(";Persist Security Info=False");
    if (!QFileInfo::exists(file)) {
        connection->open(connect); // the engine's own error, which names the file
    } else {
        try {
            connection->open(connect);
        } catch (const Error& e) {
            raiseBadSeedFile(ctx, file, e.description());
        }
    }
    // A file the engine opens is not yet a seed file: an empty file opens as an empty database.
    // It must hold at least one of the seed tables; whether those that will be copied hold rows
    // is for the table preparation to say, which knows which ones it needs.
    QString lastError;
    for (const BoardTable& table : boardTables()) {
        try {
            connection->execute(QStringLiteral("Select Top 1 * From ") + table.seedTable);
            return connection;
        } catch (const Error& e) {
            logCaughtError(lcConsoleDb(), "openSeedFile: a seed table is not in the file", e);
            lastError = e.description();
        }
    }
    connection->close();
    raiseBadSeedFile(ctx, file, lastError);
}

} // namespace

QString sessionConnectString(const QString& propsString) {
    const QString connect = getBraceField(propsString, 0);
    if (connect.trimmed().isEmpty())
        throw Error(errnum::InvalidProcedureCall, QStringLiteral("zrkboss"), kNoConnectStringText);
    return connect;
}

bool openCompanyConnection(ConsoleContext& ctx) {
    const QString connect = sessionConnectString(getSessionPropsString(ctx));
    ctx.session().companyConnection = std::make_shared<db::Connection>();
    ctx.session().companyConnection->open(connect);
    return true;
}

QString seedFilePath() {
    const QString overridden = qEnvironmentVariable(kSeedFileVariable);
    return overridden.isEmpty() ? getAppDir() + kSeedFileName : overridden;
}

db::ConnectionPtr openSeedFile(const QString& file) {
    return openSeed(nullptr, file);
}

db::ConnectionPtr openLocalConnection(ConsoleContext& ctx) {
    return openSeed(&ctx, seedFilePath());
}

void closeConnection(db::ConnectionPtr& connection) {
    if (connection && connection->state() == 1)
        connection->close();
    connection.reset();
}

QString withTrailingSeparator(const QString& directory) {
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

QString getAppDir() {
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (dir.isEmpty())
        dir =
            QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
    return withTrailingSeparator(dir);
}

WriteRefusal companyDatabaseWriteRefusal(const db::Connection& company) {
    if (company.engineKind() != db::EngineKind::Sqlite)
        return {};
    const db::ConnectionTarget target = db::resolveConnectionString(company.connectionString(), QString());
    const QString file = target.file;
    if (file.isEmpty() || file == QLatin1String(":memory:"))
        return {};
    if (target.readOnly)
        return {kOpenedReadOnlyText, {}};
    const QFileInfo info(file);
    if (info.exists() && !info.isWritable())
        return {kReadOnlyFileText, {}};
    if (!QFileInfo(info.absolutePath()).isWritable())
        return {kReadOnlyFolderText, {}};
    // A second, short-lived handle takes the write lock and writes inside a transaction that it
    // rolls back: a lock alone is granted on a file the engine can only read.
    const QString name = QStringLiteral("zrk-write-check-%1").arg(reinterpret_cast<quintptr>(&company));
    WriteRefusal refusal;
    {
        QSqlDatabase probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        probe.setDatabaseName(file);
        probe.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!probe.open()) {
            refusal = {kWriteRefusedText, probe.lastError().text()};
        } else {
            QSqlQuery query(probe);
            if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
                refusal = {kLockedText, query.lastError().databaseText()};
            } else {
                if (!query.exec(QStringLiteral("CREATE TABLE zrk_write_check (x INTEGER)")))
                    refusal = {kWriteRefusedText, query.lastError().databaseText()};
                query.exec(QStringLiteral("ROLLBACK"));
            }
        }
        probe.close();
    }
    QSqlDatabase::removeDatabase(name);
    return refusal;
}

void checkCompanyDatabaseWritable(ConsoleContext& ctx, const db::Connection& company) {
    const WriteRefusal refusal = companyDatabaseWriteRefusal(company);
    if (refusal.cause.isEmpty())
        return;
    const QString file = db::resolveConnectionString(company.connectionString(), QString()).file;
    QString cause = translate(ctx, refusal.cause);
    if (!refusal.detail.isEmpty())
        cause += QStringLiteral(": ") + refusal.detail;
    throw Error(errnum::InvalidProcedureCall, QStringLiteral("zrkboss"),
                translate(ctx, kNotWritableText)
                    .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), cause));
}

} // namespace zrk
