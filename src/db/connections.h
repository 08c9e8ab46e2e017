#pragma once

#include "platform/db/connection.h"

#include <QString>

namespace zrk {

class ConsoleContext;

// The file name of the board-layout seed file, looked for beside the program.
inline const QString kSeedFileName = QStringLiteral("ZRK_Boss.dat");
// Names another seed file (a full path) instead of the one beside the program: for tests and
// for running from a build tree where the program and the seed file are apart.
inline constexpr const char* kSeedFileVariable = "ZRK_SEED_FILE";

// The texts of a company database that cannot be opened or written.
inline const QString kNoConnectStringText =
    QStringLiteral("会话属性串中没有账套的连接字符串（ConnectString），无法打开账套。");
inline const QString kNotWritableText = QStringLiteral("账套数据库无法写入：%1（%2）");
inline const QString kOpenedReadOnlyText = QStringLiteral("连接字符串要求只读打开（Mode=Read）");
inline const QString kReadOnlyFileText = QStringLiteral("文件是只读的");
inline const QString kReadOnlyFolderText = QStringLiteral("所在文件夹是只读的，无法建立日志文件");
inline const QString kLockedText = QStringLiteral("文件被其他程序锁定");
inline const QString kWriteRefusedText = QStringLiteral("试写被数据库拒绝");

// Why a database cannot take writes: one of the texts above, and the engine's own words if any.
struct WriteRefusal {
    QString cause; // "" when it can
    QString detail;
};

// The connection string of a property string: its first brace group (ConnectString). A property
// string without one raises an error that says so, before any engine is asked.
QString sessionConnectString(const QString& propsString);

// Creates the company connection (ctx.session().companyConnection) and opens it with the first brace group
// of the session's property string (its ConnectString). Returns true; a property string without
// a connection string raises sessionConnectString's error; the engine's error passes on
// unchanged, and the new connection then stays closed.
bool openCompanyConnection(ConsoleContext& ctx);

// The seed file: ZRK_SEED_FILE when it is set, else ZRK_Boss.dat in the program's directory.
QString seedFilePath();

// Opens the seed file (seedFilePath()) as the original installation addresses it:
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<file>;Persist Security Info=False". A missing
// file raises the engine's error naming it; a file that is not a seed file (empty, not a
// database, or without any of the five seed tables) raises error 3343 naming the file, before
// anything has been written to the company database. Whether the seed tables that will be copied
// hold rows is checked by ensureConsoleTables.
db::ConnectionPtr openLocalConnection(ConsoleContext& ctx);
// The same for a given file; its error texts are the untranslated ones.
db::ConnectionPtr openSeedFile(const QString& file);

// Why an account set on the embedded engine cannot take writes (no cause when it can; other
// engines always can): opened with Mode=Read, a read-only file, a read-only folder (no journal can be
// made), a lock another program holds for longer than a few seconds, or the engine's refusal of
// a trial write.
WriteRefusal companyDatabaseWriteRefusal(const db::Connection& company);
// Raises an error naming the file and that cause (instead of surfacing later as a failed table
// preparation that names nothing).
void checkCompanyDatabaseWritable(ConsoleContext& ctx, const db::Connection& company);

// Closes the connection when it is open, then lets it go; none and a closed one are accepted.
void closeConnection(db::ConnectionPtr& connection);

// The program's directory, ending in "/".
QString getAppDir();
// A directory ending in "/", added only when missing: "/opt/zrk" -> "/opt/zrk/", "/" stays "/".
QString withTrailingSeparator(const QString& directory);

} // namespace zrk
