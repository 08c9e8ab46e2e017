#pragma once

#include "platform/db/connection_string.h"
#include "platform/db/recordset.h"
#include "platform/object.h"

#include <QString>
#include <memory>

namespace zrk::db {

namespace detail {
class Engine;
}

// A connection to one database, chosen by the connection string's Provider:
//   Provider=SQLite;Data Source=<file>            the embedded engine (Mode=Read opens
//                                                 read-only; the file must exist)
//   Provider=Microsoft.Jet.OLEDB.4.0;Data Source=  the seed file, on the embedded engine
//   Provider=SQLOLEDB.1 (SQLNCLI*, MSOLEDBSQL)     SQL Server through ODBC
//   Provider=ODBC (or none);Driver=...;...         any ODBC data source, attributes as given
// The console's T-SQL goes to SQL Server unchanged and through the dialect layer to the
// embedded engine. Errors carry the engine's own message.
// Whether opening an embedded database may create its missing file. Only a program that makes
// databases (the demo and seed tools, tests) asks for Create; a connection string, which may
// come from a launch, cannot.
enum class MissingDatabase { Refuse, Create };

class Connection : public Object {
public:
    Connection();
    ~Connection() override;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with the given string, or with the one kept from before when it is empty.
    void open(const QString& connectionString = QString(), MissingDatabase missing = MissingDatabase::Refuse);
    // Closes the connection; a transaction still open is rolled back.
    void close();
    int state() const { return engine_ ? 1 : 0; }
    QString connectionString() const { return connectionString_; }
    void setConnectionString(const QString& text);
    EngineKind engineKind() const { return target_.engine; }

    // Runs a batch; returns the rows of its first row-returning statement, or none when it
    // returns no rows. recordsAffected receives the number of rows changed.
    RecordsetPtr execute(const QString& sql, long* recordsAffected = nullptr);

    // Opens a recordset on a query. With an optimistic lock the query must read one table
    // ("Select * From T Where 1=2"), which then takes new rows through the recordset.
    RecordsetPtr openRecordset(const QString& sql, LockType lock = LockType::ReadOnly);

    // Transactions do not nest: a second beginTrans raises an error.
    int beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const;

private:
    detail::Engine& engine() const;

    QString connectionString_;
    ConnectionTarget target_;
    std::shared_ptr<detail::Engine> engine_;
};

using ConnectionPtr = std::shared_ptr<Connection>;

// The table a query reads when it reads exactly one ("Select * From [dbo].[T] Where ..."),
// else "".
QString singleBaseTable(const QString& sql);

} // namespace zrk::db
