// ALTER TABLE ... ADD: columns become ALTER TABLE ADD COLUMN; constraints become one step that
// the engine carries out by rebuilding the table (see tableWithConstraints).
#include "platform/db/tsql_column_definition.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_object_name.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_steps.h"
#include "platform/db/tsql_table_ddl.h"
#include "platform/db/tsql_translation.h"
#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

bool isAlterAction(const Token& k) {
    return k.isWord("ADD") || k.isWord("DROP") || k.isWord("ALTER") || k.isWord("WITH") ||
           k.isWord("NOCHECK") || k.isWord("CHECK") || k.isWord("SET");
}

bool isConstraint(const Tokens& t, Range r) {
    return t[r.begin].isWord("DEFAULT") || startsTableConstraint(t[r.begin]);
}

std::vector<Step> addColumns(Translation& tr, const Tokens& t, const std::vector<Range>& items,
                             const QString& table) {
    std::vector<Step> steps;
    for (const Range& r : items) {
        if (r.empty() || isConstraint(t, r))
            unsupported(QStringLiteral("ALTER TABLE ADD mixing columns and constraints"));
        const ColumnDefinition column = columnDefinition(tr, t, r);
        if (column.identity)
            unsupported(QStringLiteral("adding an IDENTITY column"));
        steps.push_back(
            sqlStep(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(quoteName(table), column.sql)));
    }
    return steps;
}

// DEFAULT expression FOR column, at r.begin.
DefaultConstraint defaultConstraint(Translation& tr, const Tokens& t, Range r, const QString& name) {
    const int f = findTopLevelWord(t, r.from(r.begin + 1), "FOR");
    if (f == kNoToken || f + 1 >= r.end || !t[f + 1].isName() || f == r.begin + 1)
        syntaxError(QStringLiteral("DEFAULT"));
    return {name, t[f + 1].text, tr.expression(t, {r.begin + 1, f})};
}

// PRIMARY KEY [CLUSTERED] (columns), at r.begin.
PrimaryKeyConstraint primaryKey(const Tokens& t, Range r, const QString& name) {
    const int open = firstParen(t, r.from(r.begin + 2));
    const int close = open == kNoToken ? kNoToken : closingParen(t, r.from(open));
    if (close == kNoToken)
        syntaxError(QStringLiteral("PRIMARY KEY"));
    PrimaryKeyConstraint pk;
    pk.name = name;
    for (const Range& c : splitCommas(t, {open + 1, close})) {
        if (c.empty() || !t[c.begin].isName())
            syntaxError(QStringLiteral("PRIMARY KEY"));
        pk.columns << t[c.begin].text;
    }
    return pk;
}

// [CONSTRAINT name] DEFAULT ... or [CONSTRAINT name] PRIMARY KEY ..., into constraints.
void addConstraint(Translation& tr, const Tokens& t, Range r, AddConstraints& constraints) {
    if (r.empty())
        syntaxError(QStringLiteral(","));
    QString name;
    if (t[r.begin].isWord("CONSTRAINT")) {
        if (r.begin + 1 >= r.end || !t[r.begin + 1].isName())
            syntaxError(QStringLiteral("CONSTRAINT"));
        name = t[r.begin + 1].text;
        r.begin += 2;
    }
    if (r.begin < r.end && t[r.begin].isWord("DEFAULT")) {
        constraints.defaults.push_back(defaultConstraint(tr, t, r, name));
    } else if (r.begin + 1 < r.end && t[r.begin].isWord("PRIMARY") && t[r.begin + 1].isWord("KEY")) {
        if (constraints.primaryKey)
            syntaxError(QStringLiteral("PRIMARY KEY"));
        constraints.primaryKey = primaryKey(t, r, name);
    } else {
        unsupported(QStringLiteral("ALTER TABLE ADD %1")
                        .arg(r.begin < r.end ? t[r.begin].text.toUpper() : QString()));
    }
}

} // namespace

std::vector<Step> alterTable(Translation& tr, const Tokens& t, Range r) {
    int action = r.begin + 2;
    while (action < r.end && !isAlterAction(t[action]))
        ++action;
    if (action >= r.end)
        syntaxError(QStringLiteral("ALTER TABLE"));
    const ObjectName table = objectName(t, {r.begin + 2, action});
    if (!t[action].isWord("ADD"))
        unsupported(QStringLiteral("ALTER TABLE ... %1").arg(t[action].text.toUpper()));
    const std::vector<Range> items = splitCommas(t, r.from(action + 1));
    if (items.empty() || items.front().empty())
        syntaxError(QStringLiteral("ADD"));
    if (!isConstraint(t, items.front()))
        return addColumns(tr, t, items, table.name);
    if (table.temporary)
        unsupported(QStringLiteral("constraints added to a temporary table"));
    Step step;
    step.kind = Step::Kind::AddConstraints;
    step.constraints.table = table.name;
    for (const Range& item : items)
        addConstraint(tr, t, item, step.constraints);
    return {step};
}

} // namespace zrk::db::tsql
