#include "platform/db/tsql_conversions.h"

#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_translation.h"
#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

// A T-SQL type as a conversion names it: int, varchar(10), decimal(18, 2).
struct TargetType {
    QString name; // lower-case
    QString length;
    QString scale;
};

TargetType targetType(const FunctionCall& call, Range type) {
    const Tokens& t = call.t;
    if (type.empty() || !t[type.begin].isName())
        syntaxError(QStringLiteral("CONVERT"));
    TargetType target{t[type.begin].text.toLower(), {}, {}};
    if (type.begin + 1 < type.end && t[type.begin + 1].isSymbol("(")) {
        const auto args = splitCommas(t, {type.begin + 2, type.end - 1});
        if (!args.empty())
            target.length = call.translation.expression(t, args[0], call.nest + 1);
        if (args.size() > 1)
            target.scale = call.translation.expression(t, args[1], call.nest + 1);
    }
    return target;
}

QString toText(const TargetType& target, const QString& value, const QString& style) {
    const QString text = style.isEmpty() ? QStringLiteral("zrk_text(%1)").arg(value)
                                         : QStringLiteral("zrk_datetext(%1, %2)").arg(value, style);
    bool numeric = false;
    target.length.toInt(&numeric);
    return numeric ? QStringLiteral("substr(%1, 1, %2)").arg(text, target.length) : text;
}

// The SQLite text of the value converted to the type in the tokens of type, in the style
// given (SQLite text, empty for none).
QString conversion(const FunctionCall& call, Range type, const QString& value, const QString& style) {
    const TargetType target = targetType(call, type);
    const QString& n = target.name;
    if (isOneOf(n, {"datetime", "smalldatetime", "date", "datetime2"}))
        return n == QLatin1String("date") ? QStringLiteral("zrk_date(%1)").arg(value)
                                          : QStringLiteral("zrk_datetime(%1)").arg(value);
    if (isOneOf(n, {"varchar", "nvarchar", "char", "nchar", "text", "ntext"}))
        return toText(target, value, style);
    if (isOneOf(n, {"int", "bigint", "smallint", "tinyint"}))
        return QStringLiteral("CAST(%1 AS INTEGER)").arg(value);
    if (isOneOf(n, {"decimal", "numeric", "money"}))
        return target.scale.isEmpty()
                   ? QStringLiteral("CAST(%1 AS REAL)").arg(value)
                   : QStringLiteral("round(CAST(%1 AS REAL), %2)").arg(value, target.scale);
    if (isOneOf(n, {"float", "real"}))
        return QStringLiteral("CAST(%1 AS REAL)").arg(value);
    unsupported(QStringLiteral("conversion to '%1'").arg(call.t[type.begin].text));
}

// A conversion counts days under + and - when its text starts with zrk_date: a date, a date
// and time, and also a date written as text in a style.
FunctionValue converted(const QString& text) {
    return {text, text.startsWith(QLatin1String("zrk_date"))};
}

} // namespace

FunctionValue convertCall(const FunctionCall& call) {
    if (call.arguments.size() < 2)
        call.syntaxError();
    const QString value = call.argument(1);
    const QString style = call.arguments.size() > 2 ? call.argument(2) : QString();
    return converted(conversion(call, call.arguments[0], value, style));
}

FunctionValue castCall(const FunctionCall& call) {
    if (call.arguments.size() != 1)
        call.syntaxError();
    const Range inside = call.arguments[0];
    const int as = findTopLevelWord(call.t, inside, "AS");
    if (as == kNoToken)
        call.syntaxError();
    return converted(conversion(call, inside.from(as + 1),
                                call.translation.expression(call.t, inside.upTo(as), call.nest + 1),
                                QString()));
}

} // namespace zrk::db::tsql
