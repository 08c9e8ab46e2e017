#pragma once

#include "platform/db/tsql_catalogue.h"
#include "platform/db/tsql_table_sources.h"
#include "platform/db/tsql_token_range.h"
#include "platform/db/tsql_value_types.h"

#include <optional>
#include <vector>

// The types of expressions, as far as their tokens and the declarations of the tables the
// statement reads tell them: a division and a comparison with a date follow them as SQL Server
// does.
namespace zrk::db::tsql {

class ExpressionTypes {
public:
    ExpressionTypes(Catalogue& catalogue, const std::vector<TableSource>& sources)
        : catalogue_(catalogue), sources_(sources) {}

    // The type of the single operand in r, signs before it allowed.
    ValueType operand(const Tokens& t, Range r);

    // The type of the sum, difference, product or quotient of the operands in r.
    ValueType expression(const Tokens& t, Range r);

    // SQL Server divides integers only when both operands are integers; a decimal, money or
    // float operand, or one whose type is not known, makes the division exact. r holds the
    // expression the division at slash stands in.
    bool integerDivision(const Tokens& t, Range r, int slash);

private:
    ValueType single(const Token& k);
    ValueType column(const QString& qualifier, const QString& column);
    std::vector<const TableSource*> sourcesNamed(const QString& qualifier) const;
    ValueType caseResults(const Tokens& t, Range r);
    ValueType function(const Tokens& t, int name, Range arguments);
    ValueType combined(const Tokens& t, const std::vector<Range>& parts);
    std::optional<ValueType> dividend(const Tokens& t, Range r);
    std::optional<ValueType> divisor(const Tokens& t, Range r);

    Catalogue& catalogue_;
    const std::vector<TableSource>& sources_;
};

} // namespace zrk::db::tsql
