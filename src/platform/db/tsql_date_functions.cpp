#include "platform/db/tsql_date_functions.h"

#include "platform/db/tsql_operands.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_translation.h"
#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

// The part a DATEADD, DATEDIFF or DATEPART names in its first argument, as a quoted text.
QString datePart(const FunctionCall& call) {
    if (call.arguments.empty() || call.arguments[0].size() != 1 || !call.t[call.arguments[0].begin].isName())
        call.syntaxError();
    return quoteText(call.t[call.arguments[0].begin].text.toLower());
}

// Where the number of days at r.begin ends, a minus before it allowed.
int dayCountEnd(const Tokens& t, Range r) {
    if (!r.empty() && t[r.begin].isSymbol("-"))
        ++r.begin;
    return operandEnd(t, r);
}

} // namespace

FunctionValue getDateCall(const FunctionCall&) {
    return {QStringLiteral("zrk_getdate()"), true};
}

FunctionValue dateAddCall(const FunctionCall& call) {
    return {
        QStringLiteral("zrk_dateadd(%1, %2, %3)").arg(datePart(call), call.argument(1), call.argument(2))};
}

FunctionValue dateDiffCall(const FunctionCall& call) {
    return {
        QStringLiteral("zrk_datediff(%1, %2, %3)").arg(datePart(call), call.argument(1), call.argument(2))};
}

FunctionValue datePartCall(const FunctionCall& call) {
    return {QStringLiteral("zrk_datepart(%1, %2)").arg(datePart(call), call.argument(1))};
}

FunctionValue datePartFunctionCall(const FunctionCall& call) {
    return {QStringLiteral("zrk_datepart('%1', %2)").arg(call.t[call.name].text.toLower(), call.argument(0))};
}

int addDays(Translation& tr, const Tokens& t, Range r, int nest, QString& date) {
    int j = r.begin;
    while (j < r.end && isSign(t[j])) {
        const int end = dayCountEnd(t, r.from(j + 1));
        if (end == kNoToken)
            break;
        const QString days = tr.expression(t, {j + 1, end}, nest + 1);
        date = QStringLiteral("zrk_dateadd('day', %1, %2)")
                   .arg(t[j].isSymbol("-") ? QStringLiteral("-(%1)").arg(days) : days, date);
        j = end;
    }
    return j;
}

} // namespace zrk::db::tsql
