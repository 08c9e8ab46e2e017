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

// Creates the company connection (ctx.session().companyConnection) and opens it with the first brace group
// of the session's property string (its ConnectString). Returns true; the engine's error passes
// on unchanged, and the new connection then stays closed.
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
// The same for a given file.
db::ConnectionPtr openSeedFile(const QString& file);

// An account set on the embedded engine must take writes: a read-only file, or one that another
// program holds locked for longer than a few seconds, raises an error naming the file (instead of
// surfacing later as a failed table preparation that names nothing). Other engines pass.
void checkCompanyDatabaseWritable(const db::Connection& company);

// Closes the connection when it is open, then lets it go; none and a closed one are accepted.
void closeConnection(db::ConnectionPtr& connection);

// The program's directory, ending in "/".
QString getAppDir();
// A directory ending in "/", added only when missing: "/opt/zrk" -> "/opt/zrk/", "/" stays "/".
QString withTrailingSeparator(const QString& directory);

} // namespace zrk
