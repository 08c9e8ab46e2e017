#include "platform/caught_error.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"
#include "platform/db/log_category.h"
#include "platform/db/sqlite_functions.h"
#include "platform/db/tsql_dialect.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QUuid>
#include <map>
#include <sqlite3.h>

namespace zrk::db::detail {

namespace {

const QString kSource = QStringLiteral("zrk.SQLite");
constexpr int kTranslationCacheSize = 256;

// The catalogue the dialect layer answers dbo.sysobjects, OBJECT_ID and OBJECTPROPERTY from.
constexpr const char* kSysObjects =
    "CREATE TEMP VIEW IF NOT EXISTS sysobjects AS "
    "SELECT rowid AS id, name, CASE type WHEN 'table' THEN 'U' WHEN 'view' THEN 'V' WHEN 'index' THEN 'IX' "
    "ELSE 'TR' END AS xtype, type, 'dbo' AS owner FROM main.sqlite_schema "
    "WHERE name NOT LIKE 'sqlite!_%' ESCAPE '!' AND name <> 'zrk_extended_properties' "
    "UNION ALL "
    "SELECT -rowid, name, CASE type WHEN 'table' THEN 'U' WHEN 'view' THEN 'V' WHEN 'index' THEN 'IX' "
    "ELSE 'TR' END, type, 'dbo' FROM temp.sqlite_temp_schema "
    "WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' ESCAPE '!'";

constexpr const char* kExtendedPropertiesTable =
    "CREATE TABLE IF NOT EXISTS main.zrk_extended_properties ("
    "object_name TEXT NOT NULL COLLATE NOCASE, column_name TEXT NOT NULL DEFAULT '' COLLATE NOCASE, "
    "name TEXT NOT NULL COLLATE NOCASE, value, PRIMARY KEY (object_name, column_name, name))";

constexpr const char* kExtendedPropertiesView =
    "CREATE TEMP VIEW IF NOT EXISTS zrk_sys_extended_properties AS "
    "SELECT 1 AS class, 'OBJECT_OR_COLUMN' AS class_desc, o.id AS major_id, "
    "CASE WHEN p.column_name = '' THEN 0 ELSE (SELECT c.cid + 1 FROM pragma_table_info(p.object_name) c "
    "WHERE c.name = p.column_name COLLATE NOCASE) END AS minor_id, "
    "p.name AS name, p.value AS value, p.object_name AS object_name, p.column_name AS column_name "
    "FROM main.zrk_extended_properties p LEFT JOIN temp.sysobjects o ON o.name = p.object_name COLLATE "
    "NOCASE";

class Statement {
public:
    Statement(sqlite3* db, const QString& sql) {
        const QByteArray utf8 = sql.toUtf8();
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &stmt_, &tail) !=
            SQLITE_OK)
            fail(db);
        if (tail && QByteArray(tail).trimmed().size() > 0 && QByteArray(tail).trimmed() != ";")
            throw Error(dberr::CommandFailed, kSource,
                        QStringLiteral("One statement expected: %1").arg(sql.left(200)));
        if (!stmt_)
            throw Error(dberr::CommandFailed, kSource, QStringLiteral("Empty statement."));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

    // The engine's message; when the cause lies in the file (locked by another program, read
    // only, cannot be opened or written), the file is named after it.
    [[noreturn]] static void fail(sqlite3* db) {
        QString text = QString::fromUtf8(sqlite3_errmsg(db));
        switch (sqlite3_errcode(db) & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_IOERR:
        case SQLITE_PERM:
            if (const char* file = sqlite3_db_filename(db, "main"); file && *file)
                text += QStringLiteral(" (") + QString::fromUtf8(file) + QLatin1Char(')');
            break;
        default:
            break;
        }
        throw Error(dberr::CommandFailed, kSource, text);
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

RowStore fetch(sqlite3* db, sqlite3_stmt* st, const std::shared_ptr<DateMemo>& dates) {
    RowStore rows;
    rows.shareDates(dates);
    const int n = sqlite3_column_count(st);
    rows.columns.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const char* declared = sqlite3_column_decltype(st, i);
        rows.columns.push_back({QString::fromUtf8(sqlite3_column_name(st, i)),
                                kindFromDeclaredType(declared ? QString::fromUtf8(declared) : QString())});
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER:
                rows.appendInt(sqlite3_column_int64(st, i));
                break;
            case SQLITE_FLOAT:
                rows.appendReal(sqlite3_column_double(st, i));
                break;
            case SQLITE_TEXT: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                rows.appendText(text, static_cast<std::size_t>(sqlite3_column_bytes(st, i)));
                break;
            }
            case SQLITE_BLOB: {
                const void* data = sqlite3_column_blob(st, i);
                rows.appendBlob(data, static_cast<std::size_t>(sqlite3_column_bytes(st, i)));
                break;
            }
            default:
                rows.appendNull();
            }
        }
    }
    if (rc != SQLITE_DONE)
        Statement::fail(db);
    return rows;
}

void bindValue(sqlite3_stmt* st, int index, const Variant& v, FieldKind kind) {
    switch (v.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        sqlite3_bind_null(st, index);
        return;
    case Variant::Type::Boolean:
        sqlite3_bind_int(st, index, v.toBool() ? 1 : 0);
        return;
    case Variant::Type::Int16:
    case Variant::Type::Int32:
        sqlite3_bind_int64(st, index, v.toInt32());
        return;
    case Variant::Type::Double:
        sqlite3_bind_double(st, index, v.toDouble());
        return;
    case Variant::Type::Date: {
        const QByteArray text = storedDateText(v.toDate()).toUtf8();
        sqlite3_bind_text(st, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return;
    }
    case Variant::Type::String: {
        if (kind == FieldKind::Binary) {
            const QByteArray bytes = v.toString().toLatin1();
            sqlite3_bind_blob(st, index, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        } else {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(st, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
        return;
    }
    case Variant::Type::Object:
        break;
    }
    throw Error(errnum::TypeMismatch, kSource, QStringLiteral("Type mismatch"));
}

// The declarations the translator reads: a table's columns, temporary tables first, as SQLite
// resolves a name.
class TableReader : public tsql::SchemaReader {
public:
    explicit TableReader(sqlite3* db) : db_(db) {}

    tsql::TableColumns columns(const QString& table) override {
        tsql::TableColumns out;
        Statement st(db_, QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
        const QByteArray name = table.toUtf8();
        sqlite3_bind_text(st.get(), 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        int rc;
        while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
            auto text = [&](int i) {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st.get(), i));
                return QString::fromUtf8(p ? p : "", sqlite3_column_bytes(st.get(), i));
            };
            out.emplace_back(text(0), text(1));
        }
        if (rc != SQLITE_DONE)
            Statement::fail(db_);
        return out;
    }

private:
    sqlite3* db_;
};

QString quoted(const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

class SqliteEngine : public Engine {
public:
    explicit SqliteEngine(const ConnectionTarget& target)
        : name_(QStringLiteral("zrk.db.") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
          readOnly_(target.readOnly) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        QString file = target.file;
        if (file.isEmpty()) {
            QSqlDatabase::removeDatabase(name_);
            throw Error(dberr::EngineFailure, kSource,
                        QStringLiteral("unable to open database file: no Data Source"));
        }
        if (target.readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        if (file != QLatin1String(":memory:") && !target.create && !target.readOnly) {
            // The file must exist: a mistyped account set must not become a new empty database.
            options += QStringLiteral(";QSQLITE_OPEN_URI");
            file = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
        }
        db.setConnectOptions(options);
        db.setDatabaseName(file);
        if (!db.open()) {
            const QSqlError e = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            const QString text = e.databaseText().isEmpty() ? e.driverText() : e.databaseText();
            throw Error(dberr::EngineFailure, kSource,
                        text + QStringLiteral(" (") + target.file + QLatin1Char(')'));
        }
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            db_ = *static_cast<sqlite3* const*>(handle.constData());
        if (!db_) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw Error(dberr::EngineFailure, kSource,
                        QStringLiteral("The SQLite driver gave no database handle."));
        }
        registerTsqlFunctions(db_);
        exec(QString::fromLatin1(kSysObjects));
    }

    ~SqliteEngine() override {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    QString source() const override { return kSource; }

    std::optional<RowStore> execute(const QString& batch, long* affected) override {
        const std::shared_ptr<const tsql::Program> program = translate(batch);
        if (program->usesExtendedProperties)
            ensureExtendedProperties();
        const QStringList tempsBefore = program->createsTempTables ? tempTables() : QStringList();
        const sqlite3_int64 changesBefore = sqlite3_total_changes64(db_);
        std::optional<RowStore> result;
        try {
            run(program->steps, result);
        } catch (...) {
            if (program->createsTempTables)
                dropTempTablesExcept(tempsBefore);
            throw;
        }
        if (affected)
            *affected = static_cast<long>(sqlite3_total_changes64(db_) - changesBefore);
        return result;
    }

    // A transaction takes the write lock at its start, so that a second writer waits for the
    // first (up to the busy timeout) instead of failing at once: two transactions that had both
    // read before writing would otherwise deadlock, and the engine refuses one of them on the spot.
    void begin() override { exec(readOnly_ ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")); }
    void commit() override { exec(QStringLiteral("COMMIT")); }
    void rollback() override { exec(QStringLiteral("ROLLBACK")); }
    bool inTransaction() const override { return sqlite3_get_autocommit(db_) == 0; }

    void insertRows(const QString& table, const std::vector<Column>& columns,
                    const std::vector<NewRow>& rows) override {
        exec(QStringLiteral("SAVEPOINT zrk_insert"));
        try {
            std::map<std::vector<int>, std::unique_ptr<Statement>> statements;
            for (const NewRow& row : rows) {
                std::vector<int> key;
                for (const auto& [column, value] : row)
                    key.push_back(column);
                auto& st = statements[key];
                if (!st) {
                    QStringList names;
                    QStringList marks;
                    for (int column : key) {
                        names << quoted(columns[static_cast<std::size_t>(column)].name);
                        marks << QStringLiteral("?");
                    }
                    const QString sql =
                        key.empty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table))
                                    : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(quoted(table), names.join(QStringLiteral(", ")),
                                               marks.join(QStringLiteral(", ")));
                    st = std::make_unique<Statement>(db_, sql);
                }
                sqlite3_reset(st->get());
                int index = 1;
                for (const auto& [column, value] : row)
                    bindValue(st->get(), index++, value, columns[static_cast<std::size_t>(column)].kind);
                if (sqlite3_step(st->get()) != SQLITE_DONE)
                    Statement::fail(db_);
            }
            statements.clear();
            exec(QStringLiteral("RELEASE zrk_insert"));
        } catch (...) {
            exec(QStringLiteral("ROLLBACK TO zrk_insert"));
            exec(QStringLiteral("RELEASE zrk_insert"));
            throw;
        }
    }

private:
    void exec(const QString& sql) {
        Statement st(db_, sql);
        int rc;
        while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            Statement::fail(db_);
    }

    // A cached translation holds while the tables it read keep their columns: a table dropped and
    // created again with other types is translated anew.
    std::shared_ptr<const tsql::Program> translate(const QString& batch) {
        TableReader reader(db_);
        auto it = cache_.find(batch);
        if (it != cache_.end()) {
            bool holds = true;
            for (const tsql::TableRead& read : it.value()->tablesRead)
                if (reader.columns(read.table) != read.columns) {
                    holds = false;
                    break;
                }
            if (holds)
                return it.value();
            cache_.erase(it);
        }
        auto program = std::make_shared<const tsql::Program>(tsql::translateBatch(batch, &reader));
        if (cache_.size() >= kTranslationCacheSize)
            cache_.clear();
        cache_.insert(batch, program);
        return program;
    }

    void run(const std::vector<tsql::Step>& steps, std::optional<RowStore>& result) {
        for (const tsql::Step& step : steps) {
            switch (step.kind) {
            case tsql::Step::Kind::Sql: {
                Statement st(db_, step.sql);
                if (sqlite3_column_count(st.get()) > 0 && !result) {
                    result = fetch(db_, st.get(), dates_);
                } else {
                    int rc;
                    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
                    }
                    if (rc != SQLITE_DONE)
                        Statement::fail(db_);
                }
                break;
            }
            case tsql::Step::Kind::If: {
                bool condition = false;
                {
                    // Finished before the branch runs: an open read would lock the tables it touched.
                    Statement st(db_, step.sql);
                    if (sqlite3_step(st.get()) != SQLITE_ROW)
                        Statement::fail(db_);
                    condition = sqlite3_column_int(st.get(), 0) != 0;
                }
                run(condition ? step.thenSteps : step.elseSteps, result);
                break;
            }
            case tsql::Step::Kind::AddExtendedProperty:
                addExtendedProperty(step.arguments);
                break;
            case tsql::Step::Kind::AddConstraints:
                addConstraints(step.constraints);
                break;
            case tsql::Step::Kind::BeginTransaction:
                begin();
                break;
            case tsql::Step::Kind::CommitTransaction:
                commit();
                break;
            case tsql::Step::Kind::RollbackTransaction:
                rollback();
                break;
            }
        }
    }

    QStringList tempTables() {
        QStringList names;
        Statement st(db_, QStringLiteral("SELECT name FROM temp.sqlite_temp_schema WHERE type = 'table'"));
        while (sqlite3_step(st.get()) == SQLITE_ROW)
            names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)));
        return names;
    }

    // A batch that fails after creating a temporary table drops it, so running the batch again
    // does not fail on the table left behind.
    void dropTempTablesExcept(const QStringList& keep) {
        try {
            for (const QString& name : tempTables())
                if (!keep.contains(name))
                    exec(QStringLiteral("DROP TABLE temp.") + quoted(name));
        } catch (const Error& e) {
            logCaughtError(lcDb(), "dropTempTablesExcept: temporary tables left behind", e);
            // The batch's own error is the one to report.
        }
    }

    void ensureExtendedProperties() {
        if (extendedPropertiesReady_)
            return;
        exec(QString::fromLatin1(kExtendedPropertiesTable));
        exec(QString::fromLatin1(kExtendedPropertiesView));
        // Descriptions left behind by tables dropped before they went with their table.
        exec(QStringLiteral(
            "DELETE FROM main.zrk_extended_properties WHERE object_name COLLATE NOCASE NOT IN "
            "(SELECT name COLLATE NOCASE FROM main.sqlite_schema WHERE type IN ('table','view'))"));
        extendedPropertiesReady_ = true;
    }

    bool scalarExists(const QString& sql, const QString& arg1, const QString& arg2 = QString()) {
        Statement st(db_, sql);
        const QByteArray a = arg1.toUtf8();
        const QByteArray b = arg2.toUtf8();
        sqlite3_bind_text(st.get(), 1, a.constData(), static_cast<int>(a.size()), SQLITE_TRANSIENT);
        if (sqlite3_bind_parameter_count(st.get()) > 1)
            sqlite3_bind_text(st.get(), 2, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
        return sqlite3_step(st.get()) == SQLITE_ROW;
    }

    void addExtendedProperty(const QStringList& a) {
        // name, value, level0 type/name, level1 type/name, level2 type/name
        const QString& name = a[0];
        const QString table = a[5];
        const QString column =
            a[6].compare(QLatin1String("column"), Qt::CaseInsensitive) == 0 ? a[7] : QString();
        const bool tableLevel = a[4].compare(QLatin1String("table"), Qt::CaseInsensitive) == 0 ||
                                a[4].compare(QLatin1String("view"), Qt::CaseInsensitive) == 0;
        QStringList parts = {a[3].isNull() ? QStringLiteral("dbo") : a[3], table};
        if (!column.isEmpty())
            parts << column;
        const QString path = parts.join(QLatin1Char('.'));
        const bool objectOk =
            tableLevel && !table.isEmpty() &&
            scalarExists(
                QStringLiteral("SELECT 1 FROM main.sqlite_schema WHERE type IN ('table','view') AND name = ? "
                               "COLLATE NOCASE"),
                table) &&
            (column.isEmpty() ||
             scalarExists(QStringLiteral("SELECT 1 FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
                          table, column));
        if (!objectOk)
            throw Error(
                dberr::CommandFailed, kSource,
                QStringLiteral("Object is invalid. Extended properties are not permitted on '%1', or the "
                               "object does not exist.")
                    .arg(path));
        if (scalarExists(
                QStringLiteral("SELECT 1 FROM main.zrk_extended_properties WHERE object_name = ? AND "
                               "column_name = ? AND name = '") +
                    QString(name).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''),
                table, column))
            throw Error(dberr::CommandFailed, kSource,
                        QStringLiteral("Property cannot be added. Property '%1' already exists for '%2'.")
                            .arg(name, path));
        Statement st(
            db_,
            QStringLiteral("INSERT INTO main.zrk_extended_properties (object_name, column_name, name, value) "
                           "VALUES (?, ?, ?, ?)"));
        const QByteArray values[] = {table.toUtf8(), column.toUtf8(), name.toUtf8(), a[1].toUtf8()};
        for (int i = 0; i < 4; ++i) {
            if (i == 3 && a[1].isNull())
                sqlite3_bind_null(st.get(), 4);
            else
                sqlite3_bind_text(st.get(), i + 1, values[i].constData(), static_cast<int>(values[i].size()),
                                  SQLITE_TRANSIENT);
        }
        if (sqlite3_step(st.get()) != SQLITE_DONE)
            Statement::fail(db_);
    }

    void addConstraints(const tsql::AddConstraints& c) {
        QString createSql;
        QString table;
        {
            Statement st(
                db_,
                QStringLiteral("SELECT sql, name FROM main.sqlite_schema WHERE type = 'table' AND name = ? "
                               "COLLATE NOCASE"));
            const QByteArray name = c.table.toUtf8();
            sqlite3_bind_text(st.get(), 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
            if (sqlite3_step(st.get()) != SQLITE_ROW)
                throw Error(dberr::CommandFailed, kSource,
                            QStringLiteral(
                                "Cannot find the object \"%1\" because it does not exist or you do not have "
                                "permissions.")
                                .arg(c.table));
            createSql = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)));
            table = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 1)));
        }
        QStringList indexes;
        {
            Statement st(db_, QStringLiteral(
                                  "SELECT sql FROM main.sqlite_schema WHERE type = 'index' AND tbl_name = ? "
                                  "AND sql IS NOT NULL"));
            const QByteArray name = table.toUtf8();
            sqlite3_bind_text(st.get(), 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
            while (sqlite3_step(st.get()) == SQLITE_ROW)
                indexes << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)));
        }
        // SQLite cannot add constraints to a table: build the table anew with them, keeping
        // its rows, and put it in the old one's place.
        const QString rebuilt = QStringLiteral("zrk_rebuild_") + table;
        const QString newSql = tsql::tableWithConstraints(createSql, c, rebuilt);
        exec(QStringLiteral("SAVEPOINT zrk_rebuild"));
        try {
            exec(newSql);
            exec(QStringLiteral("INSERT INTO %1 SELECT * FROM %2").arg(quoted(rebuilt), quoted(table)));
            exec(QStringLiteral("DROP TABLE %1").arg(quoted(table)));
            exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quoted(rebuilt), quoted(table)));
            for (const QString& index : indexes)
                exec(index);
            exec(QStringLiteral("RELEASE zrk_rebuild"));
        } catch (...) {
            exec(QStringLiteral("ROLLBACK TO zrk_rebuild"));
            exec(QStringLiteral("RELEASE zrk_rebuild"));
            throw;
        }
    }

    QString name_;
    bool readOnly_ = false;
    sqlite3* db_ = nullptr;
    QHash<QString, std::shared_ptr<const tsql::Program>> cache_;
    bool extendedPropertiesReady_ = false;
    // The dates of every result: a figure fetched again finds its days worked out.
    std::shared_ptr<DateMemo> dates_ = std::make_shared<DateMemo>();
};

} // namespace

std::shared_ptr<Engine> openSqliteEngine(const ConnectionTarget& target) {
    return std::make_shared<SqliteEngine>(target);
}

} // namespace zrk::db::detail
