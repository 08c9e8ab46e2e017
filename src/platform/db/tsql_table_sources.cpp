#include "platform/db/tsql_table_sources.h"

#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

// Reads the table source at r.begin into sources: a table name or a derived table, a table hint
// and an alias. Returns where it ends.
int readTableSource(const Tokens& t, Range r, std::vector<TableSource>& sources) {
    if (r.empty())
        return r.end;
    int k = r.begin;
    TableSource s;
    if (t[k].isSymbol("(")) {
        const int close = closingParen(t, r);
        if (close == kNoToken)
            return r.end;
        k = close + 1;
    } else if (t[k].isName() && !isClauseWord(t[k])) {
        const int nameEnd = dottedNameEnd(t, r);
        s.table = t[nameEnd - 1].text;
        k = nameEnd;
    } else {
        return k;
    }
    if (isTableHint(t, r.from(k)))
        k += 3;
    if (k < r.end && t[k].isWord("AS"))
        ++k;
    if (k < r.end && t[k].isName() && !isClauseWord(t[k]))
        s.alias = t[k++].text;
    sources.push_back(s);
    return k;
}

} // namespace

std::vector<TableSource> tableSources(const Tokens& t, Range r) {
    std::vector<TableSource> sources;
    for (int i = r.begin; i < r.end; ++i) {
        if (t[i].isWord("FROM")) {
            int k = readTableSource(t, r.from(i + 1), sources);
            while (k < r.end && t[k].isSymbol(","))
                k = readTableSource(t, r.from(k + 1), sources);
        } else if (t[i].isWord("JOIN") || t[i].isWord("INTO") || (i == r.begin && t[i].isWord("UPDATE"))) {
            readTableSource(t, r.from(i + 1), sources);
        }
    }
    return sources;
}

} // namespace zrk::db::tsql
