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
    // commonTables: those of the statement's WITH, for the sources that name them; depth: how
    // many derived queries this one stands in.
    ExpressionTypes(Catalogue& catalogue, const std::vector<TableSource>& sources,
                    const std::vector<CommonTable>& commonTables, int depth = 0)
        : catalogue_(catalogue), sources_(sources), commonTables_(commonTables), depth_(depth) {}

    // The type of the single operand in r, signs before it allowed.
    ValueType operand(const Tokens& t, Range r);

    // The type of the sum, difference, product or quotient of the operands in r.
    ValueType expression(const Tokens& t, Range r);

    // SQL Server divides integers only when both operands are integers; a decimal, money or
    // float operand, or one whose type is not known, makes the division exact. r holds the
    // expression the division at slash stands in.
    bool integerDivision(const Tokens& t, Range r, int slash);

private:
    static constexpr int kMaxDerivedDepth = 8;

    ValueType single(const Tokens& t, const Token& k);
    ValueType column(const Tokens& t, const QString& qualifier, const QString& column);
    static std::optional<ValueType> declaredColumn(const TableColumns& columns, const QString& column);
    std::optional<ValueType> derivedColumn(const Tokens& t, const TableSource& s, const QString& column);
    std::vector<const TableSource*> sourcesNamed(const QString& qualifier) const;
    ValueType caseResults(const Tokens& t, Range r);
    ValueType function(const Tokens& t, int name, Range arguments);
    ValueType combined(const Tokens& t, const std::vector<Range>& parts);
    std::optional<ValueType> dividend(const Tokens& t, Range r);
    std::optional<ValueType> divisor(const Tokens& t, Range r);

    Catalogue& catalogue_;
    const std::vector<TableSource>& sources_;
    const std::vector<CommonTable>& commonTables_;
    const int depth_;
};

} // namespace zrk::db::tsql
