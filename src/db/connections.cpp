#include "db/connections.h"

#include "db/console_schema.h"
#include "startup/console_context.h"
#include "startup/property_string.h"
#include "startup/session_properties.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zrk {

namespace {

constexpr int kUnrecognisedSeedFile = 3343;
const QString kSource = QStringLiteral("OpenLocalConnection");

[[noreturn]] void raiseBadSeedFile(const QString& file, const QString& detail) {
    throw Error(kUnrecognisedSeedFile, kSource,
                QStringLiteral("老板报表种子文件无法识别：") + file + QStringLiteral("（") + detail +
                    QStringLiteral("）"));
}

} // namespace

bool openCompanyConnection(ConsoleContext& ctx) {
    ctx.companyConnection = std::make_shared<db::Connection>();
    ctx.companyConnection->open(getBraceField(getSessionPropsString(ctx), 0));
    return true;
}

QString seedFilePath() {
    const QString overridden = qEnvironmentVariable(kSeedFileVariable);
    return overridden.isEmpty() ? getAppDir() + kSeedFileName : overridden;
}

db::ConnectionPtr openSeedFile(const QString& file) {
    auto connection = std::make_shared<db::Connection>();
    const QString connect = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file +
                            QStringLiteral(";Persist Security Info=False");
    if (!QFileInfo::exists(file)) {
        connection->open(connect); // the engine's own error, which names the file
    } else {
        try {
            connection->open(connect);
        } catch (const Error& e) {
            raiseBadSeedFile(file, e.description());
        }
    }
    // A file the engine opens is not yet a seed file: an empty file opens as an empty database.
    // Every seed table must be there and hold rows, or the console would create its tables and
    // then find nothing to fill them with.
    for (const BoardTable& table : boardTables()) {
        db::RecordsetPtr rows;
        try {
            rows = connection->execute(QStringLiteral("Select Top 1 * From ") + table.seedTable);
        } catch (const Error& e) {
            connection->close();
            raiseBadSeedFile(file, e.description());
        }
        if (!rows || rows->eof()) {
            connection->close();
            raiseBadSeedFile(file, QStringLiteral("数据表 ") + table.seedTable + QStringLiteral(" 没有数据"));
        }
    }
    return connection;
}

db::ConnectionPtr openLocalConnection(ConsoleContext& /*ctx*/) {
    return openSeedFile(seedFilePath());
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

} // namespace zrk
