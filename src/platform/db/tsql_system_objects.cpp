#include "platform/db/tsql_system_objects.h"

#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_sqlite_text.h"

namespace zrk::db::tsql {

namespace {

// The sysobjects type of the objects an OBJECTPROPERTY asks about.
QString objectType(const QString& property) {
    if (property.compare(QLatin1String("IsUserTable"), Qt::CaseInsensitive) == 0 ||
        property.compare(QLatin1String("IsTable"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("U");
    if (property.compare(QLatin1String("IsView"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("V");
    unsupported(QStringLiteral("OBJECTPROPERTY '%1'").arg(property));
}

// An argument of sp_addextendedproperty: a constant, NULL as a null text.
QString extendedPropertyArgument(const Tokens& t, Range a) {
    if (a.size() != 1)
        unsupported(QStringLiteral("sp_addextendedproperty with a named or computed argument"));
    const Token& v = t[a.begin];
    if (v.isWord("NULL"))
        return QString();
    if (v.kind == Token::Kind::String || v.kind == Token::Kind::Number)
        return v.text.isNull() ? QStringLiteral("") : v.text;
    unsupported(QStringLiteral("sp_addextendedproperty argument '%1'").arg(v.text));
}

// sp_addextendedproperty with the arguments in r: from two to eight, the missing ones null.
Step addExtendedProperty(Program& program, const Tokens& t, Range r, const QString& procedure) {
    Step step;
    step.kind = Step::Kind::AddExtendedProperty;
    for (const Range& a : splitCommas(t, r))
        step.arguments << extendedPropertyArgument(t, a);
    if (step.arguments.size() < 2 || step.arguments.size() > 8)
        syntaxError(procedure);
    while (step.arguments.size() < 8)
        step.arguments << QString();
    program.usesExtendedProperties = true;
    return step;
}

} // namespace

FunctionValue objectIdCall(const FunctionCall& call) {
    // A name written out is resolved here, so that the statement needs no function of the
    // engine's own (it runs alike through SQLite's ODBC driver).
    const std::vector<Range>& args = call.arguments;
    if (args.size() == 1 && args[0].size() == 1 && call.t[args[0].begin].kind == Token::Kind::String)
        return {QStringLiteral("(SELECT id FROM temp.sysobjects WHERE name = %1 COLLATE NOCASE)")
                    .arg(quoteText(objectBaseName(call.t[args[0].begin].text)))};
    return {QStringLiteral("(SELECT id FROM temp.sysobjects WHERE name = zrk_objname(%1) COLLATE NOCASE)")
                .arg(call.argument(0))};
}

FunctionValue objectPropertyCall(const FunctionCall& call) {
    const std::vector<Range>& args = call.arguments;
    if (args.size() != 2 || args[1].size() != 1 || call.t[args[1].begin].kind != Token::Kind::String)
        call.syntaxError();
    const QString xtype = objectType(call.t[args[1].begin].text);
    return {QStringLiteral("((%1) IN (SELECT id FROM temp.sysobjects WHERE xtype = '%2'))")
                .arg(call.argument(0), xtype)};
}

QString systemView(Program& program, const QString& view) {
    if (view.compare(QLatin1String("extended_properties"), Qt::CaseInsensitive) != 0)
        unsupported(QStringLiteral("catalogue view sys.%1").arg(view));
    program.usesExtendedProperties = true;
    return QStringLiteral("temp.zrk_sys_extended_properties");
}

Step executeProcedure(Program& program, const Tokens& t, Range r) {
    int i = r.begin + 1;
    while (i + 1 < r.end && t[i + 1].isSymbol("."))
        i += 2;
    if (i >= r.end || !t[i].isName())
        syntaxError(t[r.begin].text);
    const QString procedure = t[i].text;
    if (procedure.compare(QLatin1String("sp_addextendedproperty"), Qt::CaseInsensitive) != 0)
        unsupported(QStringLiteral("EXEC %1").arg(procedure));
    return addExtendedProperty(program, t, r.from(i + 1), procedure);
}

} // namespace zrk::db::tsql
