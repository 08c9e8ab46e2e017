#pragma once

#include "platform/db/tsql_token_range.h"

#include <QString>
#include <vector>

// The statements of a batch. SQL Server needs no semicolons because every statement starts with
// a keyword; the few places where such a keyword continues the statement are told apart here.
namespace zrk::db::tsql {

struct Statement {
    Range tokens;
    QString lead; // upper-case leading keyword, or the first token's text for anything else
};

// The statements of a batch's tokens, in order. IF, BEGIN, END and ELSE stand alone.
std::vector<Statement> splitStatements(const Tokens& t);

} // namespace zrk::db::tsql
