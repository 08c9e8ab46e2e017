#include "platform/db/tsql_column_definition.h"

#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_translation.h"
#include "platform/db/tsql_word_classes.h"

#include <QStringList>

namespace zrk::db::tsql {

namespace {

const QString kDefaultCollation = QStringLiteral("Chinese_PRC_CI_AS");

struct ColumnType {
    QString declared;
    bool text = false;
};

// The type with its arguments when they are all numbers: DECIMAL(18,2), VARCHAR(20); the bare
// type otherwise (VARCHAR(max)).
QString withNumericArguments(const QString& base, const QStringList& args) {
    bool numeric = !args.isEmpty();
    for (const QString& a : args) {
        bool ok = false;
        a.toInt(&ok);
        numeric = numeric && ok;
    }
    return numeric ? base + QLatin1Char('(') + args.join(QLatin1Char(',')) + QLatin1Char(')') : base;
}

// The SQLite declaration of a T-SQL column type.
ColumnType columnType(const QString& name, const QStringList& args) {
    const QString n = name.toLower();
    if (isOneOf(n, {"int", "integer"}))
        return {QStringLiteral("INT")};
    if (isOneOf(n, {"smallint", "tinyint", "bigint", "bit", "money", "smallmoney", "float", "real"}))
        return {n.toUpper()};
    if (isOneOf(n, {"decimal", "numeric"}))
        return {withNumericArguments(QStringLiteral("DECIMAL"), args)};
    if (isOneOf(n, {"char", "nchar", "varchar", "nvarchar"}))
        return {withNumericArguments(n.toUpper(), args), true};
    if (isOneOf(n, {"text", "ntext"}))
        return {n.toUpper(), true};
    if (n == QLatin1String("sysname"))
        return {QStringLiteral("NVARCHAR(128)"), true};
    // Dates are kept as text: a DATETIME declaration would give the column numeric affinity,
    // which turns '2020-01-02' into 2020 under CAST and arithmetic.
    if (isOneOf(n, {"datetime", "smalldatetime", "date", "datetime2", "time"}))
        return {n.toUpper() + QStringLiteral(" TEXT")};
    if (isOneOf(n, {"image", "varbinary", "binary"}))
        return {n.toUpper() + QStringLiteral(" BLOB")};
    if (n == QLatin1String("uniqueidentifier"))
        return {QStringLiteral("UNIQUEIDENTIFIER TEXT")};
    unsupported(QStringLiteral("data type '%1'").arg(name));
}

// The arguments of the type when a parenthesis follows it at i, as texts; i moves past them.
QStringList typeArguments(const Tokens& t, Range r, int& i) {
    QStringList args;
    if (i >= r.end || !t[i].isSymbol("("))
        return args;
    const int close = closingParen(t, r.from(i));
    if (close == kNoToken)
        syntaxError(t[i].text);
    for (const Range& a : splitCommas(t, {i + 1, close}))
        for (int k = a.begin; k < a.end; ++k)
            args << t[k].text;
    i = close + 1;
    return args;
}

// The attributes after the type, less IDENTITY [(seed, increment)], which the caller learns of.
Tokens attributes(const Tokens& t, Range r, bool& identity, bool& hasCollation) {
    Tokens rest;
    for (int k = r.begin; k < r.end; ++k) {
        if (t[k].isWord("IDENTITY")) {
            identity = true;
            if (k + 1 < r.end && t[k + 1].isSymbol("(")) {
                const int close = closingParen(t, r.from(k + 1));
                k = close == kNoToken ? r.end : close;
            }
            continue;
        }
        if (t[k].isWord("COLLATE"))
            hasCollation = true;
        rest.push_back(t[k]);
    }
    return rest;
}

} // namespace

ColumnDefinition columnDefinition(Translation& tr, const Tokens& t, Range r) {
    if (r.size() < 2 || !t[r.begin].isName() || !t[r.begin + 1].isName())
        syntaxError(r.begin < r.end ? t[r.begin].text : QString());
    ColumnDefinition column;
    column.name = t[r.begin].text;
    int i = r.begin + 2;
    const QStringList args = typeArguments(t, r, i);
    const ColumnType type = columnType(t[r.begin + 1].text, args);
    bool hasCollation = false;
    const Tokens rest = attributes(t, r.from(i), column.identity, hasCollation);
    column.declaredType = column.identity ? QStringLiteral("INTEGER") : type.declared;
    column.sql = quoteName(column.name) + QLatin1Char(' ') + column.declaredType;
    const QString tail = tr.expression(rest, allOf(rest));
    if (!tail.isEmpty())
        column.sql += QLatin1Char(' ') + tail;
    if (type.text && !hasCollation)
        column.sql += QStringLiteral(" COLLATE ") + kDefaultCollation;
    return column;
}

} // namespace zrk::db::tsql
