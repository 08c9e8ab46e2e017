#include "platform/db/tsql_operands.h"

#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

// The token after the parenthesis that closes the one at r.begin.
int afterClosingParen(const Tokens& t, Range r) {
    const int close = closingParen(t, r);
    return close == kNoToken ? kNoToken : close + 1;
}

// The start of a function's name when the parenthesis at open follows one, else open.
int callStart(const Tokens& t, Range r, int open) {
    if (open - 1 >= r.begin && t[open - 1].isName() && !isClauseWord(t[open - 1]))
        return dottedNameStart(t, {r.begin, open});
    return open;
}

} // namespace

int operandEnd(const Tokens& t, Range r) {
    if (r.empty())
        return kNoToken;
    const Token& first = t[r.begin];
    if (first.isSymbol("("))
        return afterClosingParen(t, r);
    if (first.kind == Token::Kind::Number || first.kind == Token::Kind::String)
        return r.begin + 1;
    if (first.isWord("CASE")) {
        const int end = closingEnd(t, r);
        return end == kNoToken ? kNoToken : end + 1;
    }
    if (!first.isName())
        return kNoToken;
    const int nameEnd = dottedNameEnd(t, r);
    if (nameEnd < r.end && t[nameEnd].isSymbol("("))
        return afterClosingParen(t, r.from(nameEnd));
    return nameEnd;
}

int operandStart(const Tokens& t, Range r) {
    if (r.empty())
        return kNoToken;
    const Token& last = t[r.end - 1];
    if (last.isSymbol(")")) {
        const int open = openingParen(t, r);
        return open == kNoToken ? kNoToken : callStart(t, r, open);
    }
    if (last.isWord("END"))
        return openingCase(t, r);
    if (last.kind == Token::Kind::Number || last.kind == Token::Kind::String)
        return r.end - 1;
    if (!last.isName() || isClauseWord(last))
        return kNoToken;
    return dottedNameStart(t, r);
}

} // namespace zrk::db::tsql
