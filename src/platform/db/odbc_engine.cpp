#include "platform/caught_error.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"
#include "platform/db/log_category.h"
#include "platform/db/sql_literal.h"
#include "platform/db/tsql_dialect.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUuid>

namespace zrk::db::detail {

namespace {

const QString kSource = QStringLiteral("zrk.ODBC");

QString errorText(const QSqlError& e) {
    const QString database = e.databaseText().trimmed();
    return database.isEmpty() ? e.driverText().trimmed() : database;
}

FieldKind kindOf(const QSqlField& f) {
    switch (f.metaType().id()) {
    case QMetaType::Bool:
        return FieldKind::Boolean;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        return FieldKind::Int16;
    case QMetaType::Int:
    case QMetaType::UInt:
        return FieldKind::Int32;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return FieldKind::Int64;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldKind::Double;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return FieldKind::Date;
    case QMetaType::QByteArray:
        return FieldKind::Binary;
    case QMetaType::QString:
        return FieldKind::Text;
    default:
        return FieldKind::Unknown;
    }
}

void append(RowStore& rows, const QVariant& v) {
    if (v.isNull()) {
        rows.appendNull();
        return;
    }
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        rows.appendInt(v.toLongLong());
        return;
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        rows.appendReal(v.toDouble());
        return;
    case QMetaType::QDate:
        rows.appendValue(Variant(QDateTime(v.toDate(), QTime(0, 0))));
        return;
    case QMetaType::QDateTime:
        rows.appendValue(Variant(v.toDateTime()));
        return;
    case QMetaType::QTime:
        rows.appendValue(Variant(QDateTime(QDate(1899, 12, 30), v.toTime())));
        return;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        rows.appendBlob(b.constData(), static_cast<std::size_t>(b.size()));
        return;
    }
    default:
        rows.appendText(v.toString());
    }
}

QVariant toQVariant(const Variant& v, FieldKind kind) {
    switch (v.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        return QVariant();
    case Variant::Type::Boolean:
        return QVariant(v.toBool() ? 1 : 0);
    case Variant::Type::Int16:
    case Variant::Type::Int32:
        return QVariant(v.toInt32());
    case Variant::Type::Double:
        return QVariant(v.toDouble());
    case Variant::Type::String:
        if (kind == FieldKind::Binary)
            return QVariant(v.toString().toLatin1());
        return QVariant(v.toString());
    case Variant::Type::Date:
        return QVariant(v.toDate());
    case Variant::Type::Object:
        break;
    }
    throw Error(errnum::TypeMismatch, kSource, QStringLiteral("Type mismatch"));
}

// The catalogue OBJECT_ID reads in the dialect's translation, on a database of SQLite's ODBC driver.
constexpr const char* kSqliteSysObjects =
    "CREATE TEMP VIEW IF NOT EXISTS sysobjects AS SELECT rowid AS id, name, CASE type WHEN 'table' THEN "
    "'U' WHEN 'view' THEN 'V' ELSE 'IX' END AS xtype FROM main.sqlite_master";

// The declarations the dialect layer reads, asked of SQLite through the driver.
class OdbcTableReader : public tsql::SchemaReader {
public:
    explicit OdbcTableReader(const QSqlDatabase& db) : db_(db) {}
    tsql::TableColumns columns(const QString& table) override {
        tsql::TableColumns out;
        QSqlQuery q(db_);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT name, type FROM pragma_table_info(%1)").arg(sqlText(table))))
            throw Error(dberr::CommandFailed, kSource, errorText(q.lastError()));
        while (q.next())
            out.emplace_back(q.value(0).toString(), q.value(1).toString());
        return out;
    }

private:
    QSqlDatabase db_;
};

class OdbcEngine : public Engine {
public:
    explicit OdbcEngine(const ConnectionTarget& target)
        : name_(QStringLiteral("zrk.db.") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
          translates_(target.sqliteDriver) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name_);
        if (!db.isValid()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw Error(dberr::ProviderNotFound, kSource,
                        QStringLiteral("The ODBC driver of the toolkit is not installed."));
        }
        db.setDatabaseName(target.odbcString);
        if (!target.odbcOptions.isEmpty())
            db.setConnectOptions(target.odbcOptions);
        if (!db.open()) {
            const QString text = errorText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw Error(dberr::EngineFailure, kSource, text);
        }
        if (!translates_)
            return;
        try {
            run(QString::fromLatin1(kSqliteSysObjects), nullptr);
        } catch (const Error&) {
            db = QSqlDatabase();
            QSqlDatabase::database(name_, false).close();
            QSqlDatabase::removeDatabase(name_);
            throw;
        }
    }

    ~OdbcEngine() override {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    QString source() const override { return kSource; }

    std::optional<RowStore> execute(const QString& batch, long* affected) override {
        // Only queries go through the dialect layer: its tables and columns carry SQL Server's
        // collations, which the engine registers with SQLite and the driver does not know.
        if (!translates_ || !batch.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
            return run(batch, affected);
        OdbcTableReader reader(database());
        const tsql::Program program = tsql::translateBatch(batch, &reader);
        std::optional<RowStore> result;
        long changed = 0;
        for (const tsql::Step& step : program.steps) {
            if (step.kind != tsql::Step::Kind::Sql)
                throw Error(dberr::UnsupportedSyntax, kSource,
                            QStringLiteral("Not run through SQLite's ODBC driver: %1").arg(step.source));
            long n = 0;
            std::optional<RowStore> rows = run(step.sql, &n);
            if (rows && !result)
                result = std::move(rows);
            changed += n;
        }
        if (affected)
            *affected = changed;
        return result;
    }

    void begin() override {
        QSqlDatabase db = database();
        if (!db.transaction())
            throw Error(dberr::EngineFailure, kSource, errorText(db.lastError()));
        inTransaction_ = true;
    }
    void commit() override {
        QSqlDatabase db = database();
        if (!db.commit())
            throw Error(dberr::EngineFailure, kSource, errorText(db.lastError()));
        inTransaction_ = false;
    }
    void rollback() override {
        QSqlDatabase db = database();
        inTransaction_ = false;
        if (!db.rollback())
            throw Error(dberr::EngineFailure, kSource, errorText(db.lastError()));
    }
    bool inTransaction() const override { return inTransaction_; }

    void insertRows(const QString& table, const std::vector<Column>& columns,
                    const std::vector<NewRow>& rows) override {
        const bool own = !inTransaction_;
        if (own)
            begin();
        try {
            for (const NewRow& row : rows) {
                QStringList names;
                QStringList marks;
                for (const auto& [column, value] : row) {
                    names << sqlName(columns[static_cast<std::size_t>(column)].name);
                    marks << QStringLiteral("?");
                }
                QSqlQuery q(database());
                const QString sql = names.isEmpty()
                                        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(sqlName(table))
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(sqlName(table), names.join(QStringLiteral(", ")),
                                                   marks.join(QStringLiteral(", ")));
                if (!q.prepare(sql))
                    throw Error(dberr::CommandFailed, kSource, errorText(q.lastError()));
                for (const auto& [column, value] : row)
                    q.addBindValue(toQVariant(value, columns[static_cast<std::size_t>(column)].kind));
                if (!q.exec())
                    throw Error(dberr::CommandFailed, kSource, errorText(q.lastError()));
            }
            if (own)
                commit();
        } catch (...) {
            if (own) {
                try {
                    rollback();
                } catch (const Error& e) {
                    logCaughtError(lcDb(), "insert: the rollback failed", e);
                    // The insert's own error is the one to report.
                }
            }
            throw;
        }
    }

private:
    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

    // Runs a batch as the driver takes it.
    std::optional<RowStore> run(const QString& batch, long* affected) {
        QSqlQuery q(database());
        q.setForwardOnly(true);
        if (!q.exec(batch))
            throw Error(dberr::CommandFailed, kSource, errorText(q.lastError()));
        std::optional<RowStore> result;
        long changed = 0;
        // Every result of the batch is read: the server runs the statements after a SELECT
        // only as the results before them are consumed.
        do {
            if (q.isSelect()) {
                if (!result)
                    result = fetch(q);
                else
                    while (q.next()) {
                    }
            } else if (q.numRowsAffected() > 0) {
                changed += q.numRowsAffected();
            }
        } while (q.nextResult());
        if (q.lastError().isValid())
            throw Error(dberr::CommandFailed, kSource, errorText(q.lastError()));
        if (affected)
            *affected = changed;
        return result;
    }

    static RowStore fetch(QSqlQuery& q) {
        RowStore rows;
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i)
            rows.columns.push_back({record.fieldName(i), kindOf(record.field(i))});
        const int n = record.count();
        while (q.next())
            for (int i = 0; i < n; ++i)
                append(rows, q.value(i));
        return rows;
    }

    QString name_;
    bool translates_ = false;
    bool inTransaction_ = false;
};

} // namespace

std::shared_ptr<Engine> openOdbcEngine(const ConnectionTarget& target) {
    return std::make_shared<OdbcEngine>(target);
}

} // namespace zrk::db::detail
