#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace zrk::db {

// The items of a connection string in their order: "Key=Value;..." with values optionally
// enclosed in '...', "..." (the quote doubled inside) or {...}. Keys keep their spelling.
using ConnectionItems = std::vector<std::pair<QString, QString>>;
ConnectionItems parseConnectionString(const QString& text);

// The value of a key (compared without regard to letter case and blanks), "" when missing.
QString connectionValue(const ConnectionItems& items, const QString& key);

enum class EngineKind { Sqlite, Odbc };

// Where a connection string leads.
struct ConnectionTarget {
    EngineKind engine = EngineKind::Sqlite;
    QString provider;
    // SQLite: the database file (":memory:" for a private in-memory database), whether it is
    // opened read-only and whether a missing file may be created (never from the string: the
    // opener grants that, see Connection::open).
    QString file;
    bool readOnly = false;
    bool create = false;
    // ODBC: the driver connection string and the driver's connect options.
    QString odbcString;
    QString odbcOptions;
    // True when the server is SQL Server (its T-SQL is sent unchanged); false for a generic
    // ODBC data source.
    bool sqlServer = false;
    // A generic ODBC data source served by SQLite's own ODBC driver (a "Driver" naming SQLite):
    // its queries go through the dialect layer as on the embedded engine.
    bool sqliteDriver = false;
};

// Which ODBC driver reaches SQL Server: the key "ODBC Driver" of the connection string, else
// the given setting (normally the environment variable ZRK_SQLSERVER_ODBC_DRIVER), else
// "FreeTDS". Names containing "FreeTDS" or "TDS" get the FreeTDS-specific items.
inline constexpr const char* kDefaultSqlServerDriver = "FreeTDS";
QString sqlServerDriverSetting();

// Maps a connection string to its engine. An unknown provider raises error 3706 naming it.
ConnectionTarget resolveConnectionString(const QString& text, const QString& sqlServerDriver);

// One ODBC attribute, braced when its value needs it: Key=Value or Key={Va;lue}.
QString odbcItem(const QString& key, const QString& value);

} // namespace zrk::db
