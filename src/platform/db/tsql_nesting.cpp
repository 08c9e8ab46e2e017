#include "platform/db/tsql_nesting.h"

#include "platform/db/tsql_errors.h"

namespace zrk::db::tsql {

void checkNesting(const Tokens& tokens) {
    int brackets = 0;
    int cases = 0;
    for (const Token& token : tokens) {
        if (token.isSymbol("("))
            ++brackets;
        else if (token.isSymbol(")") && brackets > 0)
            --brackets;
        else if (token.isWord("CASE"))
            ++cases;
        else if (token.isWord("END") && cases > 0)
            --cases; // a block's END comes only after every CASE inside it has ended
        if (brackets + cases > kMaxTextNesting)
            unsupported(QStringLiteral("brackets and CASE expressions nested more than %1 levels deep")
                            .arg(kMaxTextNesting));
    }
}

} // namespace zrk::db::tsql
