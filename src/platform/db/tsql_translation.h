#pragma once

#include "platform/db/tsql_catalogue.h"
#include "platform/db/tsql_dialect.h"
#include "platform/db/tsql_expression_types.h"
#include "platform/db/tsql_table_sources.h"
#include "platform/db/tsql_token_range.h"

#include <QString>
#include <vector>

// What the translation of a batch carries from statement to statement: the program it writes,
// the tables it knows, and the tables the statement at hand reads.
namespace zrk::db::tsql {

class Translation {
public:
    Translation(Program& program, SchemaReader* schema)
        : program_(program), catalogue_(schema, program.tablesRead) {}

    Program& program() { return program_; }
    Catalogue& catalogue() { return catalogue_; }

    // Reads the tables the statement in r names, for the types of the columns it uses.
    void enterStatement(const Tokens& t, Range r) {
        commonTables_ = commonTables(t, r);
        sources_ = tableSources(t, r, commonTables_);
    }

    // The types of expressions of the statement entered last.
    ExpressionTypes types() { return ExpressionTypes(catalogue_, sources_, commonTables_); }

    // The SQLite text of the expression or clause in r; nest counts the expressions it stands
    // in, so that a text nested too deeply is refused rather than exhaust the stack. The
    // expression translator (tsql_expression.cpp) writes it.
    QString expression(const Tokens& t, Range r, int nest = 0);

private:
    Program& program_;
    Catalogue catalogue_;
    std::vector<CommonTable> commonTables_;
    std::vector<TableSource> sources_;
};

} // namespace zrk::db::tsql
