// UPDATE, with or without a FROM clause. SQLite's UPDATE ... FROM names the target once and the
// other tables after FROM, so the joins of a T-SQL UPDATE ... FROM become conditions.
#include "platform/db/tsql_dml.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_object_name.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_steps.h"
#include "platform/db/tsql_translation.h"

namespace zrk::db::tsql {

namespace {

// A table of an UPDATE's FROM clause, and the condition of the join that brings it in.
struct JoinedTable {
    QString table;
    QString alias;
    QString condition; // SQLite text; empty for the first table and for one after a comma
};

bool isJoinWord(const Token& k) {
    return k.isWord("INNER") || k.isWord("JOIN") || k.isWord("LEFT") || k.isWord("RIGHT") ||
           k.isWord("FULL") || k.isWord("CROSS");
}

// SET t1.c = ...: SQLite names the column without its table.
QString assignments(Translation& tr, const Tokens& t, Range r) {
    QStringList parts;
    for (const Range& a : splitCommas(t, r)) {
        Range assignment = a;
        if (a.size() > 3 && t[a.begin].isName() && t[a.begin + 1].isSymbol(".") && t[a.begin + 2].isName() &&
            t[a.begin + 3].isSymbol("="))
            assignment.begin = a.begin + 2;
        parts << tr.expression(t, assignment);
    }
    return parts.join(QStringLiteral(", "));
}

// UPDATE table SET ... [WHERE ...]
Step plainUpdate(Translation& tr, const Tokens& t, Range r, int set) {
    const int where = findTopLevelWord(t, r.from(set + 1), "WHERE");
    const int end = where == kNoToken ? r.end : where;
    QString text = QStringLiteral("UPDATE ") + tr.expression(t, {r.begin + 1, set}) +
                   QStringLiteral(" SET ") + assignments(tr, t, {set + 1, end});
    if (where != kNoToken)
        text += QLatin1Char(' ') + tr.expression(t, r.from(where));
    return sqlStep(text);
}

// The join keyword at i, if any: the token after it. Only inner joins can become conditions.
int skipJoin(const Tokens& t, Range from, int i, bool first) {
    if (t[i].isWord("INNER") && i + 1 < from.end && t[i + 1].isWord("JOIN"))
        return i + 2;
    if (t[i].isWord("JOIN"))
        return i + 1;
    if (t[i].isWord("LEFT") || t[i].isWord("RIGHT") || t[i].isWord("FULL") || t[i].isWord("CROSS") ||
        t[i].isWord("OUTER"))
        unsupported(QStringLiteral("UPDATE ... FROM with a %1 join").arg(t[i].text.toUpper()));
    if (!first)
        syntaxError(t[i].text);
    return i;
}

// Where the ON condition starting at r.begin ends: at the next join or comma.
int joinConditionEnd(const Tokens& t, Range r) {
    int end = r.begin;
    int depth = 0;
    while (end < r.end) {
        if (t[end].isSymbol("("))
            ++depth;
        else if (t[end].isSymbol(")"))
            --depth;
        else if (depth == 0 && (isJoinWord(t[end]) || t[end].isSymbol(",")))
            break;
        ++end;
    }
    return end;
}

// Reads the table at i of the FROM clause: name, alias and ON condition. Returns the token
// after it.
int readJoinedTable(Translation& tr, const Tokens& t, Range from, int i, JoinedTable& joined) {
    if (i >= from.end || t[i].isSymbol("("))
        unsupported(QStringLiteral("UPDATE ... FROM with a derived table"));
    const int nameEnd = dottedNameEnd(t, from.from(i));
    joined.table = objectName(t, {i, nameEnd}).name;
    i = nameEnd;
    if (i < from.end && t[i].isWord("AS"))
        ++i;
    if (i < from.end && t[i].isName() && !isJoinWord(t[i]) && !t[i].isWord("ON"))
        joined.alias = t[i++].text;
    if (i < from.end && t[i].isWord("ON")) {
        const int end = joinConditionEnd(t, from.from(i + 1));
        joined.condition = tr.expression(t, {i + 1, end});
        i = end;
    }
    return i;
}

// The tables of the FROM clause in from (the word FROM not included).
std::vector<JoinedTable> joinedTables(Translation& tr, const Tokens& t, Range from) {
    std::vector<JoinedTable> tables;
    int i = from.begin;
    while (i < from.end) {
        if (t[i].isSymbol(",")) {
            ++i;
            continue;
        }
        i = skipJoin(t, from, i, tables.empty());
        JoinedTable joined;
        i = readJoinedTable(tr, t, from, i, joined);
        tables.push_back(joined);
    }
    if (tables.empty())
        syntaxError(QStringLiteral("FROM"));
    return tables;
}

QString tableWithAlias(const JoinedTable& joined, const QString& separator) {
    return quoteName(joined.table) +
           (joined.alias.isEmpty() ? QString() : separator + quoteName(joined.alias));
}

// UPDATE target SET ... FROM T1 t1 [INNER] JOIN T2 t2 ON ... [, T3 t3] [WHERE ...]: the target
// must be the first table and every join an inner join.
Step joinedUpdate(Translation& tr, const Tokens& t, Range r, int set, int from) {
    const QString target = objectName(t, {r.begin + 1, set}).name;
    const int where = findTopLevelWord(t, r.from(from + 1), "WHERE");
    const std::vector<JoinedTable> tables =
        joinedTables(tr, t, {from + 1, where == kNoToken ? r.end : where});
    const JoinedTable& first = tables.front();
    if (first.alias.compare(target, Qt::CaseInsensitive) != 0 &&
        first.table.compare(target, Qt::CaseInsensitive) != 0)
        unsupported(QStringLiteral("UPDATE of a table that is not the first table of its FROM clause"));
    QString text = QStringLiteral("UPDATE ") + tableWithAlias(first, QStringLiteral(" AS "));
    text += QStringLiteral(" SET ") + assignments(tr, t, {set + 1, from});
    QStringList others;
    QStringList conditions;
    for (std::size_t k = 1; k < tables.size(); ++k) {
        others << tableWithAlias(tables[k], QStringLiteral(" "));
        if (!tables[k].condition.isEmpty())
            conditions << QLatin1Char('(') + tables[k].condition + QLatin1Char(')');
    }
    if (!others.isEmpty())
        text += QStringLiteral(" FROM ") + others.join(QStringLiteral(", "));
    if (where != kNoToken)
        conditions << QLatin1Char('(') + tr.expression(t, r.from(where + 1)) + QLatin1Char(')');
    if (!conditions.isEmpty())
        text += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    return sqlStep(text);
}

} // namespace

std::vector<Step> translateUpdate(Translation& tr, const Tokens& t, Range r) {
    const int set = findTopLevelWord(t, r.from(r.begin + 1), "SET");
    if (set == kNoToken)
        syntaxError(QStringLiteral("UPDATE"));
    const int from = findTopLevelWord(t, r.from(set + 1), "FROM");
    if (from == kNoToken)
        return {plainUpdate(tr, t, r, set)};
    return {joinedUpdate(tr, t, r, set, from)};
}

} // namespace zrk::db::tsql
