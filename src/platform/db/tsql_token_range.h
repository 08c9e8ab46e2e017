#pragma once

#include "platform/db/tsql_lexer.h"

#include <QStringView>
#include <vector>

// Token ranges: the part of a statement's tokens a translation step reads, and the walks over
// them that every step needs (matching parentheses, top-level commas and words, dotted names).
namespace zrk::db::tsql {

// The tokens [begin, end) of a token list.
struct Range {
    int begin = 0;
    int end = 0;

    bool empty() const { return begin >= end; }
    int size() const { return end - begin; }
    // The same range from token k on, or up to token k (not included).
    Range from(int k) const { return {k, end}; }
    Range upTo(int k) const { return {begin, k}; }
};

// What the searches below give when there is nothing to find.
inline constexpr int kNoToken = -1;

// The whole token list as a range.
Range allOf(const Tokens& t);

// The parenthesis that closes the one at r.begin, within r; kNoToken when it stays open.
int closingParen(const Tokens& t, Range r);
// The parenthesis that opens the one at r.end - 1, within r; kNoToken when none does.
int openingParen(const Tokens& t, Range r);
// The END that closes the CASE at r.begin, within r; kNoToken when none does.
int closingEnd(const Tokens& t, Range r);
// The CASE that the END at r.end - 1 closes, within r; kNoToken when none does.
int openingCase(const Tokens& t, Range r);

// The first parenthesis from r.begin on, within r; kNoToken when there is none.
int firstParen(const Tokens& t, Range r);

// r split at its commas outside parentheses; nothing for an empty range, and an empty part
// where two commas or a comma and an end meet.
std::vector<Range> splitCommas(const Tokens& t, Range r);

// The first occurrence of word outside parentheses; kNoToken when there is none.
int findTopLevelWord(const Tokens& t, Range r, const char* word);

// Where the dotted name whose first part is at r.begin ends: a, a.b, a.b.c.
int dottedNameEnd(const Tokens& t, Range r);
// Where the dotted name whose last part is at r.end - 1 starts, not before r.begin.
int dottedNameStart(const Tokens& t, Range r);

// Whether the token after r.begin, within r, is the word given: the second word of a statement.
bool secondIsWord(const Tokens& t, Range r, const char* word);

// (NOLOCK) or (READPAST) at r.begin: a table hint the embedded engine has no use for.
bool isTableHint(const Tokens& t, Range r);

// The source text the tokens of r were read from, from the first token's start to the last
// token's end.
QStringView sourceText(QStringView text, const Tokens& t, Range r);

} // namespace zrk::db::tsql
