#include "platform/db/tsql_token_range.h"

namespace zrk::db::tsql {

Range allOf(const Tokens& t) {
    return {0, static_cast<int>(t.size())};
}

namespace {

bool isOpenParen(const Token& k) {
    return k.isSymbol("(");
}

bool isCloseParen(const Token& k) {
    return k.isSymbol(")");
}

bool isCase(const Token& k) {
    return k.isWord("CASE");
}

bool isEnd(const Token& k) {
    return k.isWord("END");
}

// The token that closes the one at r.begin, reading forwards (or that opens the one at
// r.end - 1, reading backwards), with nested pairs of the same kind; kNoToken when none does.
int matching(const Tokens& t, Range r, bool forwards, bool (*opens)(const Token&),
             bool (*closes)(const Token&)) {
    int depth = 0;
    const int step = forwards ? 1 : -1;
    for (int i = forwards ? r.begin : r.end - 1; i >= r.begin && i < r.end; i += step) {
        if (opens(t[i]))
            ++depth;
        else if (closes(t[i]) && --depth == 0)
            return i;
    }
    return kNoToken;
}

} // namespace

int closingParen(const Tokens& t, Range r) {
    return matching(t, r, true, isOpenParen, isCloseParen);
}

int openingParen(const Tokens& t, Range r) {
    return matching(t, r, false, isCloseParen, isOpenParen);
}

int closingEnd(const Tokens& t, Range r) {
    return matching(t, r, true, isCase, isEnd);
}

int openingCase(const Tokens& t, Range r) {
    return matching(t, r, false, isEnd, isCase);
}

int firstParen(const Tokens& t, Range r) {
    for (int i = r.begin; i < r.end; ++i)
        if (isOpenParen(t[i]))
            return i;
    return kNoToken;
}

std::vector<Range> splitCommas(const Tokens& t, Range r) {
    std::vector<Range> parts;
    int depth = 0;
    int start = r.begin;
    for (int i = r.begin; i < r.end; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")"))
            --depth;
        else if (depth == 0 && t[i].isSymbol(",")) {
            parts.push_back({start, i});
            start = i + 1;
        }
    }
    if (start < r.end || !parts.empty())
        parts.push_back({start, r.end});
    return parts;
}

int findTopLevelWord(const Tokens& t, Range r, const char* word) {
    int depth = 0;
    for (int i = r.begin; i < r.end; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")"))
            --depth;
        else if (depth == 0 && t[i].isWord(word))
            return i;
    }
    return kNoToken;
}

int dottedNameEnd(const Tokens& t, Range r) {
    int end = r.begin + 1;
    while (end + 1 < r.end && t[end].isSymbol(".") && t[end + 1].isName())
        end += 2;
    return end;
}

int dottedNameStart(const Tokens& t, Range r) {
    int start = r.end - 1;
    while (start - 2 >= r.begin && t[start - 1].isSymbol(".") && t[start - 2].isName())
        start -= 2;
    return start;
}

bool secondIsWord(const Tokens& t, Range r, const char* word) {
    return r.begin + 1 < r.end && t[r.begin + 1].isWord(word);
}

bool isTableHint(const Tokens& t, Range r) {
    return r.begin + 2 < r.end && t[r.begin].isSymbol("(") && t[r.begin + 2].isSymbol(")") &&
           (t[r.begin + 1].isWord("NOLOCK") || t[r.begin + 1].isWord("READPAST"));
}

QStringView sourceText(QStringView text, const Tokens& t, Range r) {
    const qsizetype start = t[r.begin].offset;
    const qsizetype end = t[r.end - 1].offset + t[r.end - 1].length;
    return text.mid(start, end - start);
}

} // namespace zrk::db::tsql
