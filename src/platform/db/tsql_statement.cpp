#include "platform/db/tsql_statement.h"

#include "platform/db/tsql_dml.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_steps.h"
#include "platform/db/tsql_system_objects.h"
#include "platform/db/tsql_table_ddl.h"
#include "platform/db/tsql_translation.h"

#include <QHash>
#include <QSet>

namespace zrk::db::tsql {

namespace {

using StatementTranslator = std::vector<Step> (*)(Translation& tr, const Tokens& t, Range r);

// The word after the leading keyword, in upper case, for messages; empty when there is none.
QString secondWord(const Tokens& t, Range r) {
    return r.begin + 1 < r.end ? t[r.begin + 1].text.toUpper() : QString();
}

// The statement as it stands, in SQLite's terms: a view, an index, a DROP, a WITH query.
std::vector<Step> asWritten(Translation& tr, const Tokens& t, Range r) {
    return {sqlStep(tr.expression(t, r))};
}

// The descriptions kept for the tables named in a range ("a, [dbo].[b]"): a table dropped takes
// its descriptions along, and a table made starts without any, as on the server, even where a
// table was dropped before its descriptions went with it.
Step dropDescriptions(Translation& tr, const Tokens& t, Range names) {
    if (names.begin + 1 < names.end && t[names.begin].isWord("IF") && t[names.begin + 1].isWord("EXISTS"))
        names.begin += 2;
    QStringList quoted;
    for (const Range& name : splitCommas(t, names))
        if (name.begin < name.end && t[name.end - 1].isName())
            quoted << quoteText(t[name.end - 1].text);
    tr.program().usesExtendedProperties = true;
    return sqlStep(
        QStringLiteral("DELETE FROM main.zrk_extended_properties WHERE object_name COLLATE NOCASE IN (") +
        quoted.join(QLatin1Char(',')) + QLatin1Char(')'));
}

// The name of CREATE TABLE name (...).
Range createdTableName(const Tokens& t, Range r) {
    int end = r.begin + 2;
    while (end < r.end && !t[end].isSymbol("("))
        ++end;
    return {r.begin + 2, end};
}

std::vector<Step> translateCreate(Translation& tr, const Tokens& t, Range r) {
    if (secondIsWord(t, r, "TABLE")) {
        std::vector<Step> steps = createTable(tr, t, r);
        steps.push_back(dropDescriptions(tr, t, createdTableName(t, r)));
        return steps;
    }
    if (secondIsWord(t, r, "VIEW") || secondIsWord(t, r, "INDEX") || secondIsWord(t, r, "UNIQUE") ||
        secondIsWord(t, r, "CLUSTERED") || secondIsWord(t, r, "NONCLUSTERED"))
        return asWritten(tr, t, r);
    unsupported(QStringLiteral("CREATE %1").arg(secondWord(t, r)));
}

std::vector<Step> translateAlter(Translation& tr, const Tokens& t, Range r) {
    if (secondIsWord(t, r, "TABLE"))
        return alterTable(tr, t, r);
    unsupported(QStringLiteral("ALTER %1").arg(secondWord(t, r)));
}

std::vector<Step> translateDrop(Translation& tr, const Tokens& t, Range r) {
    if (secondIsWord(t, r, "TABLE"))
        return {sqlStep(tr.expression(t, r)), dropDescriptions(tr, t, {r.begin + 2, r.end})};
    if (secondIsWord(t, r, "VIEW"))
        return asWritten(tr, t, r);
    unsupported(QStringLiteral("DROP %1").arg(secondWord(t, r)));
}

// SET option ...: the options that change nothing the embedded engine does are passed over.
std::vector<Step> translateSet(Translation&, const Tokens& t, Range r) {
    static const QSet<QString> harmless = {QStringLiteral("NOCOUNT"),
                                           QStringLiteral("ANSI_NULLS"),
                                           QStringLiteral("QUOTED_IDENTIFIER"),
                                           QStringLiteral("ANSI_PADDING"),
                                           QStringLiteral("ANSI_WARNINGS"),
                                           QStringLiteral("ARITHABORT"),
                                           QStringLiteral("XACT_ABORT"),
                                           QStringLiteral("CONCAT_NULL_YIELDS_NULL"),
                                           QStringLiteral("NUMERIC_ROUNDABORT"),
                                           QStringLiteral("ANSI_NULL_DFLT_ON"),
                                           QStringLiteral("LOCK_TIMEOUT"),
                                           QStringLiteral("DEADLOCK_PRIORITY"),
                                           QStringLiteral("TRANSACTION")};
    if (r.begin + 1 < r.end && t[r.begin + 1].kind == Token::Kind::Word &&
        harmless.contains(t[r.begin + 1].text.toUpper()))
        return {};
    unsupported(QStringLiteral("SET %1").arg(r.begin + 1 < r.end ? t[r.begin + 1].text : QString()));
}

std::vector<Step> translateExecute(Translation& tr, const Tokens& t, Range r) {
    return {executeProcedure(tr.program(), t, r)};
}

std::vector<Step> beginTransaction(Translation&, const Tokens&, Range) {
    return {bareStep(Step::Kind::BeginTransaction)};
}

std::vector<Step> commitTransaction(Translation&, const Tokens&, Range) {
    return {bareStep(Step::Kind::CommitTransaction)};
}

std::vector<Step> rollbackTransaction(Translation&, const Tokens&, Range) {
    return {bareStep(Step::Kind::RollbackTransaction)};
}

StatementTranslator statementTranslator(const QString& lead) {
    static const QHash<QString, StatementTranslator> translators = {
        {QStringLiteral("SELECT"), &translateSelect},
        {QStringLiteral("INSERT"), &translateInsert},
        {QStringLiteral("UPDATE"), &translateUpdate},
        {QStringLiteral("DELETE"), &translateDelete},
        {QStringLiteral("TRUNCATE"), &translateTruncate},
        {QStringLiteral("CREATE"), &translateCreate},
        {QStringLiteral("ALTER"), &translateAlter},
        {QStringLiteral("DROP"), &translateDrop},
        {QStringLiteral("WITH"), &asWritten},
        {QStringLiteral("SET"), &translateSet},
        {QStringLiteral("EXEC"), &translateExecute},
        {QStringLiteral("EXECUTE"), &translateExecute},
        {QStringLiteral("BEGIN"), &beginTransaction},
        {QStringLiteral("COMMIT"), &commitTransaction},
        {QStringLiteral("ROLLBACK"), &rollbackTransaction},
    };
    return translators.value(lead, nullptr);
}

} // namespace

std::vector<Step> translateStatement(Translation& tr, const Tokens& t, const Statement& s) {
    tr.enterStatement(t, s.tokens);
    const StatementTranslator translator = statementTranslator(s.lead);
    if (!translator)
        unsupported(QStringLiteral("statement starting with '%1'").arg(t[s.tokens.begin].text));
    return translator(tr, t, s.tokens);
}

} // namespace zrk::db::tsql
