#include "platform/db/tsql_dml.h"

#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_object_name.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_steps.h"
#include "platform/db/tsql_translation.h"

#include <algorithm>

namespace zrk::db::tsql {

namespace {

// SELECT ... INTO table FROM ...: SQLite creates the table from the SELECT.
Step selectInto(Translation& tr, const Tokens& t, Range r, int into) {
    // INTO as the batch's last token names nothing: the name's tokens stay within the batch, and
    // an empty name is a syntax error.
    const int nameEnd = std::min(dottedNameEnd(t, r.from(into + 1)), static_cast<int>(t.size()));
    const ObjectName table = objectName(t, {into + 1, nameEnd});
    tr.program().createsTempTables = tr.program().createsTempTables || table.temporary;
    return sqlStep(QStringLiteral("CREATE %1TABLE %2 AS %3 %4")
                       .arg(table.temporary ? QStringLiteral("TEMP ") : QString(), quoteName(table.name),
                            tr.expression(t, r.upTo(into)), tr.expression(t, r.from(nameEnd))));
}

} // namespace

std::vector<Step> translateSelect(Translation& tr, const Tokens& t, Range r) {
    const int into = findTopLevelWord(t, r.from(r.begin + 1), "INTO");
    if (into == kNoToken)
        return {sqlStep(tr.expression(t, r))};
    return {selectInto(tr, t, r, into)};
}

std::vector<Step> translateInsert(Translation& tr, const Tokens& t, Range r) {
    if (secondIsWord(t, r, "INTO"))
        return {sqlStep(tr.expression(t, r))};
    return {sqlStep(QStringLiteral("INSERT INTO ") + tr.expression(t, r.from(r.begin + 1)))};
}

std::vector<Step> translateDelete(Translation& tr, const Tokens& t, Range r) {
    const Range target = r.from(secondIsWord(t, r, "FROM") ? r.begin + 2 : r.begin + 1);
    if (findTopLevelWord(t, target, "FROM") != kNoToken)
        unsupported(QStringLiteral("DELETE ... FROM with a join"));
    return {sqlStep(QStringLiteral("DELETE FROM ") + tr.expression(t, target))};
}

std::vector<Step> translateTruncate(Translation&, const Tokens& t, Range r) {
    if (!secondIsWord(t, r, "TABLE"))
        syntaxError(QStringLiteral("TRUNCATE"));
    return {sqlStep(QStringLiteral("DELETE FROM ") + quoteName(objectName(t, r.from(r.begin + 2)).name))};
}

} // namespace zrk::db::tsql
