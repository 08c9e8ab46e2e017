#pragma once

#include "platform/db/tsql_token_range.h"

#include <QString>
#include <cstddef>
#include <vector>

// The calls of the functions that the translator writes in SQLite's own terms: conversions,
// dates, the catalogue and CHARINDEX. Any other function is written as the batch calls it, or
// under the name SQLite gives it.
namespace zrk::db::tsql {

class Translation;

struct FunctionCall {
    Translation& translation;
    const Tokens& t;
    int name;                     // the function's name; its parenthesis follows
    std::vector<Range> arguments; // inside the parentheses
    int nest;                     // of the expression the call stands in

    // The SQLite text of argument k; a missing or empty one is a syntax error at the name.
    QString argument(std::size_t k) const;

    [[noreturn]] void syntaxError() const;
};

struct FunctionValue {
    QString text;
    bool date = false; // a number added to or taken from the value counts days
};

using FunctionTranslator = FunctionValue (*)(const FunctionCall& call);

// The translator of the function with this upper-case name; null for any other function.
FunctionTranslator functionTranslator(const QString& upperName);

// The SQLite name of a function that SQLite has under another name (LEN, SUBSTRING, ISNULL ...);
// empty for any other.
QString renamedFunction(const QString& upperName);

} // namespace zrk::db::tsql
