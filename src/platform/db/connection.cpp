#include "platform/db/connection.h"

#include "platform/caught_error.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"
#include "platform/db/log_category.h"
#include "platform/db/tsql_lexer.h"

namespace zrk::db {

namespace {
const QString kSource = QStringLiteral("zrk.Connection");
}

Connection::Connection() = default;

Connection::~Connection() {
    try {
        if (engine_)
            close();
    } catch (const Error& e) {
        // Closing never fails in a way the owner could act on while being destroyed.
        logCaughtError(lcDb(), "~Connection: the close failed", e);
    } catch (...) {
        logCaughtFailure(lcDb(), "~Connection: the close failed", "not one of the suite's errors");
    }
}

void Connection::setConnectionString(const QString& text) {
    if (engine_)
        throw Error(dberr::ObjectOpen, kSource,
                    QStringLiteral("Operation is not allowed when the object is open."));
    connectionString_ = text;
}

void Connection::open(const QString& connectionString, MissingDatabase missing) {
    if (engine_)
        throw Error(dberr::ObjectOpen, kSource,
                    QStringLiteral("Operation is not allowed when the object is open."));
    const QString text = connectionString.isEmpty() ? connectionString_ : connectionString;
    ConnectionTarget target = resolveConnectionString(text, sqlServerDriverSetting());
    target.create = missing == MissingDatabase::Create;
    engine_ = target.engine == EngineKind::Sqlite ? detail::openSqliteEngine(target)
                                                  : detail::openOdbcEngine(target);
    target_ = target;
    connectionString_ = text;
}

void Connection::close() {
    if (!engine_)
        throw Error(dberr::ObjectClosed, kSource, dberr::kObjectClosed);
    std::shared_ptr<detail::Engine> engine = std::move(engine_);
    engine_.reset();
    if (engine->inTransaction()) {
        try {
            engine->rollback();
        } catch (const Error& e) {
            logCaughtError(lcDb(), "close: the rollback failed", e);
            // The connection is going away; the engine discards the transaction with it.
        }
    }
}

detail::Engine& Connection::engine() const {
    if (!engine_)
        throw Error(dberr::ObjectClosed, kSource, dberr::kObjectClosed);
    return *engine_;
}

RecordsetPtr Connection::execute(const QString& sql, long* recordsAffected) {
    long affected = 0;
    std::optional<RowStore> rows = engine().execute(sql, &affected);
    if (recordsAffected)
        *recordsAffected = affected;
    if (!rows)
        return nullptr;
    return std::make_shared<Recordset>(std::move(*rows));
}

RecordsetPtr Connection::openRecordset(const QString& sql, LockType lock) {
    QString table;
    if (lock != LockType::ReadOnly) {
        table = singleBaseTable(sql);
        if (table.isEmpty())
            throw Error(dberr::EngineFailure, QStringLiteral("zrk.Recordset"),
                        QStringLiteral("Insufficient base table information for updating or refreshing."));
    }
    std::optional<RowStore> rows = engine().execute(sql, nullptr);
    if (!rows)
        throw Error(dberr::ObjectClosed, QStringLiteral("zrk.Recordset"),
                    QStringLiteral("The query returns no rows: %1").arg(sql.left(200)));
    return std::make_shared<Recordset>(std::move(*rows), lock, engine_, table);
}

int Connection::beginTrans() {
    detail::Engine& e = engine();
    if (e.inTransaction())
        throw Error(dberr::EngineFailure, kSource,
                    QStringLiteral("Only one transaction can be open at a time."));
    e.begin();
    return 1;
}

void Connection::commitTrans() {
    detail::Engine& e = engine();
    if (!e.inTransaction())
        throw Error(dberr::EngineFailure, kSource, QStringLiteral("No transaction is active."));
    e.commit();
}

void Connection::rollbackTrans() {
    detail::Engine& e = engine();
    if (!e.inTransaction())
        throw Error(dberr::EngineFailure, kSource, QStringLiteral("No transaction is active."));
    e.rollback();
}

bool Connection::inTransaction() const {
    return engine_ && engine_->inTransaction();
}

QString singleBaseTable(const QString& sql) {
    tsql::Tokens t;
    try {
        t = tsql::tokenize(sql);
    } catch (const Error& e) {
        logCaughtError(lcDb(), "singleBaseTable: the statement does not tokenize", e);
        return QString();
    }
    const int n = static_cast<int>(t.size());
    if (n < 4 || !t[0].isWord("SELECT"))
        return QString();
    int depth = 0;
    int from = -1;
    for (int i = 1; i < n; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")"))
            --depth;
        else if (depth == 0 && t[i].isWord("FROM")) {
            from = i;
            break;
        }
    }
    if (from < 0 || from + 1 >= n)
        return QString();
    int i = from + 1;
    QString table;
    while (i < n && t[i].isName()) {
        table = t[i].text;
        if (i + 1 < n && t[i + 1].isSymbol("."))
            i += 2;
        else {
            ++i;
            break;
        }
    }
    if (table.isEmpty())
        return QString();
    // An alias may follow; then only WHERE / ORDER BY, no join and no second table.
    if (i < n && t[i].isName() && !t[i].isWord("WHERE") && !t[i].isWord("ORDER"))
        ++i;
    if (i < n && !(t[i].isWord("WHERE") || t[i].isWord("ORDER")))
        return QString();
    for (int k = i; k < n; ++k)
        if (t[k].isWord("JOIN") || t[k].isWord("UNION"))
            return QString();
    return table;
}

} // namespace zrk::db
