// CREATE TABLE. SQLite numbers rows only through an INTEGER PRIMARY KEY, so an IDENTITY column
// becomes one.
#include "platform/db/tsql_column_definition.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_object_name.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_steps.h"
#include "platform/db/tsql_table_ddl.h"
#include "platform/db/tsql_translation.h"
#include "platform/db/tsql_word_classes.h"

#include <QStringList>

namespace zrk::db::tsql {

namespace {

// The definitions inside a CREATE TABLE's parentheses as SQLite text, and the columns declared.
struct TableDefinition {
    QStringList items;
    TableColumns declared;
    QString identityColumn;
    int identityItem = -1;
};

// After the parentheses only where the server stores the table may follow: ON [PRIMARY],
// TEXTIMAGE_ON ..., FILESTREAM_ON ...
void checkStorageOptions(const Tokens& t, Range r) {
    for (int i = r.begin; i < r.end; i += 2) {
        const bool storage =
            (t[i].isWord("ON") || t[i].isWord("TEXTIMAGE_ON") || t[i].isWord("FILESTREAM_ON")) &&
            i + 1 < r.end && t[i + 1].isName();
        if (!storage)
            unsupported(QStringLiteral("CREATE TABLE option '%1'").arg(t[i].text));
    }
}

void addColumn(Translation& tr, const Tokens& t, Range r, TableDefinition& table) {
    const ColumnDefinition column = columnDefinition(tr, t, r);
    table.declared.emplace_back(column.name, column.declaredType);
    if (column.identity) {
        if (!table.identityColumn.isEmpty())
            unsupported(QStringLiteral("two IDENTITY columns"));
        table.identityColumn = column.name;
        table.identityItem = static_cast<int>(table.items.size());
    }
    table.items << column.sql;
}

TableDefinition tableDefinition(Translation& tr, const Tokens& t, Range inside) {
    TableDefinition table;
    for (const Range& r : splitCommas(t, inside)) {
        if (r.empty())
            syntaxError(QStringLiteral(","));
        if (startsTableConstraint(t[r.begin]))
            table.items << tr.expression(t, r);
        else
            addColumn(tr, t, r, table);
    }
    return table;
}

// Whether the SQLite text of a PRIMARY KEY (column) constraint names the column alone.
bool isKeyOfColumn(const QString& constraint, const QString& column) {
    const Tokens pk = tokenize(constraint);
    const int p = firstParen(pk, allOf(pk));
    return p != kNoToken && p + 2 < static_cast<int>(pk.size()) && pk[p + 1].isName() &&
           pk[p + 2].isSymbol(")") && pk[p + 1].text.compare(column, Qt::CaseInsensitive) == 0;
}

// The identity column becomes the INTEGER PRIMARY KEY, and a primary key declared on that
// column alone is folded into it; a primary key on other columns cannot stand beside it.
void foldIdentityIntoKey(TableDefinition& table) {
    QString& column = table.items[table.identityItem];
    column.remove(QStringLiteral(" PRIMARY KEY"), Qt::CaseInsensitive);
    column += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
    for (int k = 0; k < table.items.size(); ++k) {
        if (k == table.identityItem ||
            !table.items[k].contains(QLatin1String("PRIMARY KEY"), Qt::CaseInsensitive))
            continue;
        if (isKeyOfColumn(table.items[k], table.identityColumn)) {
            table.items.removeAt(k);
            break;
        }
        unsupported(QStringLiteral("IDENTITY column outside the primary key"));
    }
}

} // namespace

std::vector<Step> createTable(Translation& tr, const Tokens& t, Range r) {
    const int open = firstParen(t, r.from(r.begin + 2));
    if (open == kNoToken)
        syntaxError(QStringLiteral("CREATE TABLE"));
    const ObjectName name = objectName(t, {r.begin + 2, open});
    const int close = closingParen(t, r.from(open));
    if (close == kNoToken)
        syntaxError(name.name);
    checkStorageOptions(t, r.from(close + 1));
    TableDefinition table = tableDefinition(tr, t, {open + 1, close});
    if (!table.identityColumn.isEmpty())
        foldIdentityIntoKey(table);
    tr.program().createsTempTables = tr.program().createsTempTables || name.temporary;
    tr.catalogue().declare(name.name, std::move(table.declared));
    QString text = name.temporary ? QStringLiteral("CREATE TEMP TABLE ") : QStringLiteral("CREATE TABLE ");
    text += quoteName(name.name) + QStringLiteral(" (") + table.items.join(QStringLiteral(", ")) +
            QLatin1Char(')');
    return {sqlStep(text)};
}

} // namespace zrk::db::tsql
