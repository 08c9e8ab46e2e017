#include "seed_builder.h"

#include "db/console_schema.h"
#include "platform/db/connection.h"
#include "platform/db/sql_literal.h"
#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <optional>

namespace zrk::seed {

namespace {

const QString kSource = QStringLiteral("zrk-seed");
constexpr int kBadSource = 5;

[[noreturn]] void fail(const QString& where, const QString& what) {
    throw Error(kBadSource, kSource, where + QStringLiteral(": ") + what);
}

const BoardColumn* findColumn(const BoardTable& table, const QString& name) {
    for (const BoardColumn& c : table.columns)
        if (name.compare(QString::fromLatin1(c.name), Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

// The length of an nvarchar column, none for other types.
std::optional<int> textLength(const BoardColumn& column) {
    static const QRegularExpression length(QStringLiteral("\\((\\d+)\\)"));
    const auto m = length.match(QString::fromLatin1(column.type));
    if (column.kind != ColumnKind::Text || !m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt();
}

// One cell as an SQL literal, checked against its column.
QString literal(const BoardColumn& column, const QString& cell, const QString& where) {
    if (cell == QLatin1String("\\N"))
        return QStringLiteral("NULL");
    bool ok = false;
    switch (column.kind) {
    case ColumnKind::Integer:
        cell.toLongLong(&ok);
        if (!ok)
            fail(where, QStringLiteral("column %1 needs a whole number, not \"%2\"").arg(column.name, cell));
        return cell;
    case ColumnKind::Decimal:
        cell.toDouble(&ok);
        if (!ok)
            fail(where, QStringLiteral("column %1 needs a number, not \"%2\"").arg(column.name, cell));
        return cell;
    case ColumnKind::Bit:
        if (cell != QLatin1String("0") && cell != QLatin1String("1"))
            fail(where, QStringLiteral("column %1 needs 0 or 1, not \"%2\"").arg(column.name, cell));
        return cell;
    case ColumnKind::Text:
        if (const auto n = textLength(column); n && cell.size() > *n)
            fail(where, QStringLiteral("column %1 holds at most %2 characters").arg(column.name).arg(*n));
        return db::sqlNText(cell);
    }
    return cell;
}

QString createStatement(const BoardTable& table) {
    QStringList parts;
    for (const BoardColumn& c : table.columns)
        parts << QStringLiteral("[%1] %2 NULL").arg(QString::fromLatin1(c.name), QString::fromLatin1(c.type));
    QStringList key;
    for (const QString& k : table.key)
        key << db::sqlName(k);
    parts << QStringLiteral("PRIMARY KEY (%1)").arg(key.join(QStringLiteral(", ")));
    return QStringLiteral("CREATE TABLE [%1] (%2)").arg(table.seedTable, parts.join(QStringLiteral(", ")));
}

struct Source {
    QString file;
    QStringList header;
    std::vector<std::pair<int, QStringList>> rows; // line number, cells
};

Source readSource(const QString& folder, const BoardTable& table) {
    Source s;
    s.file = QDir(folder).filePath(table.seedTable + QStringLiteral(".tsv"));
    QFile f(s.file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(s.file, QStringLiteral("cannot be read (%1)").arg(f.errorString()));
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (s.header.isEmpty()) {
            s.header = cells;
            continue;
        }
        if (cells.size() != s.header.size())
            fail(s.file + QLatin1Char(':') + QString::number(lineNumber),
                 QStringLiteral("%1 cells where the header names %2").arg(cells.size()).arg(s.header.size()));
        s.rows.emplace_back(lineNumber, cells);
    }
    if (s.header.isEmpty())
        fail(s.file, QStringLiteral("has no header line"));
    if (s.rows.empty())
        fail(s.file, QStringLiteral("has no rows"));
    return s;
}

// The key of each row, as text, for the checks across tables.
QSet<QString> loadTable(db::Connection& out, const BoardTable& table, const Source& source) {
    std::vector<const BoardColumn*> columns;
    QStringList names;
    QSet<QString> seen;
    for (const QString& name : source.header) {
        const BoardColumn* c = findColumn(table, name.trimmed());
        if (!c)
            fail(source.file, QStringLiteral("%1 has no column %2").arg(table.name, name));
        if (seen.contains(QString::fromLatin1(c->name)))
            fail(source.file, QStringLiteral("column %1 is named twice").arg(c->name));
        seen.insert(QString::fromLatin1(c->name));
        columns.push_back(c);
        names << db::sqlName(QString::fromLatin1(c->name));
    }
    for (const QString& k : table.key)
        if (!seen.contains(k))
            fail(source.file, QStringLiteral("the key column %1 is missing").arg(k));
    for (const BoardColumn& c : table.columns)
        if (!c.defaultSql && !seen.contains(QString::fromLatin1(c.name)))
            fail(source.file, QStringLiteral("column %1 has no default and must be given").arg(c.name));

    QSet<QString> keys;
    for (const auto& [lineNumber, cells] : source.rows) {
        const QString where = source.file + QLatin1Char(':') + QString::number(lineNumber);
        QStringList values;
        QStringList key;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            values << literal(*columns[i], cells[static_cast<int>(i)], where);
            if (table.key.contains(QString::fromLatin1(columns[i]->name)) &&
                values.back() == QLatin1String("NULL"))
                fail(where, QStringLiteral("the key column %1 needs a value").arg(columns[i]->name));
            if (!columns[i]->defaultSql && values.back() == QLatin1String("NULL"))
                fail(where,
                     QStringLiteral("column %1 has no default and needs a value").arg(columns[i]->name));
        }
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (table.key.contains(QString::fromLatin1(columns[i]->name)))
                key << cells[static_cast<int>(i)];
        const QString keyText = key.join(QLatin1Char('|'));
        if (keys.contains(keyText))
            fail(where, QStringLiteral("the key %1 is repeated").arg(keyText));
        keys.insert(keyText);
        out.execute(
            QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                .arg(table.seedTable, names.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
    }
    return keys;
}

} // namespace

void buildSeedFile(const QString& sourceFolder, const QString& outputFile) {
    // Read everything first: a fault in any source is reported before a file is touched.
    std::vector<Source> sources;
    for (const BoardTable& table : boardTables())
        sources.push_back(readSource(sourceFolder, table));

    const QString temporary = outputFile + QStringLiteral(".tmp");
    QFile::remove(temporary);
    try {
        db::Connection out;
        out.open(QStringLiteral("Provider=SQLite;Data Source=") + temporary, db::MissingDatabase::Create);
        out.beginTrans();
        std::vector<QSet<QString>> keys;
        for (std::size_t i = 0; i < boardTables().size(); ++i) {
            out.execute(createStatement(boardTables()[i]));
            keys.push_back(loadTable(out, boardTables()[i], sources[i]));
        }
        // The backup holds the default choice of the same elements: a reset finds each of them.
        for (const QString& key : keys[2])
            if (!keys[1].contains(key))
                fail(sources[2].file, QStringLiteral("the element %1 is not in the layout").arg(key));
        out.commitTrans();
        out.close();
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    QFile::remove(outputFile);
    if (!QFile::rename(temporary, outputFile)) {
        QFile::remove(temporary);
        fail(outputFile, QStringLiteral("cannot be written"));
    }
}

} // namespace zrk::seed
