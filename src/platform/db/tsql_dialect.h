#pragma once

#include "platform/db/tsql_lexer.h"
#include "platform/error.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The embedded engine's T-SQL dialect layer: a batch of T-SQL, as the console writes it for SQL
// Server, becomes a program of SQLite statements and a few steps that the engine carries out
// itself (IF/ELSE, extended properties, constraints added to an existing table). The
// translation is a pure function of the text and of the table declarations it reads (for the
// types of divisions and date comparisons); a construct it does not know raises an Error naming
// it rather than running something else.
namespace zrk::db::tsql {

// ALTER TABLE ... ADD CONSTRAINT on an existing table: SQLite rebuilds the table.
struct DefaultConstraint {
    QString name; // may be empty
    QString column;
    QString expression; // SQLite text
};
struct PrimaryKeyConstraint {
    QString name; // may be empty
    QStringList columns;
};
struct AddConstraints {
    QString table;
    std::vector<DefaultConstraint> defaults;
    std::optional<PrimaryKeyConstraint> primaryKey;
};

struct Step {
    enum class Kind {
        Sql,                 // sql: one SQLite statement
        If,                  // sql: a SELECT giving 1 or 0; thenSteps / elseSteps
        AddExtendedProperty, // arguments: the eight positional arguments (null QString for NULL)
        AddConstraints,      // constraints
        BeginTransaction,
        CommitTransaction,
        RollbackTransaction,
    };
    Kind kind = Kind::Sql;
    QString sql;
    QString source; // the T-SQL text of the statement, for messages
    std::vector<Step> thenSteps;
    std::vector<Step> elseSteps;
    QStringList arguments;
    AddConstraints constraints;
};

// The columns of a table as the database declares them: (name, declared type).
using TableColumns = std::vector<std::pair<QString, QString>>;

// What the translator may ask the database: a table's columns, so that a division or a
// comparison with a date can follow the operands' declared types as SQL Server does.
class SchemaReader {
public:
    virtual ~SchemaReader() = default;
    // Empty when the database has no such table.
    virtual TableColumns columns(const QString& table) = 0;
};

// A table the translation read from the database, with what it found: the translation holds
// while the table still has these columns.
struct TableRead {
    QString table;
    TableColumns columns;
};

struct Program {
    std::vector<Step> steps;
    // The tables whose declarations the translation depends on.
    std::vector<TableRead> tablesRead;
    // The batch reads or writes the extended-property catalogue.
    bool usesExtendedProperties = false;
    // The batch creates temporary (#) tables.
    bool createsTempTables = false;
};

// The statements of a batch as T-SQL texts, split as SQL Server splits a batch without
// semicolons (IF, BEGIN, END and ELSE stand alone). For tests and the fuzz target.
QStringList splitBatch(QStringView batch);

// Translates a batch. Raises Error (UnsupportedSyntax) for a construct it cannot run. Without
// a schema the translator knows only the tables the batch creates itself.
Program translateBatch(QStringView batch, SchemaReader* schema = nullptr);

// The SQLite CREATE TABLE text of a table after adding constraints to it, given the table's
// current CREATE TABLE text; the new table is named newName. Raises Error when the table
// already has a primary key or a column already has a default, as SQL Server does.
QString tableWithConstraints(const QString& createSql, const AddConstraints& constraints,
                             const QString& newName);

// The name of the catalogue table that keeps extended properties in an embedded database.
inline constexpr const char* kExtendedPropertiesTable = "zrk_extended_properties";

// An object name as OBJECT_ID takes it: [dbo].[t], dbo.t, tempdb..#t -> t / #t.
QString objectBaseName(const QString& name);

} // namespace zrk::db::tsql
