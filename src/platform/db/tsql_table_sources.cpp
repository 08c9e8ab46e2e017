#include "platform/db/tsql_table_sources.h"

#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

// Reads the table source at r.begin into sources: a table name or a derived table, a table hint
// and an alias. Returns where it ends.
int readTableSource(const Tokens& t, Range r, const std::vector<CommonTable>& known,
                    std::vector<TableSource>& sources) {
    if (r.empty())
        return r.end;
    int k = r.begin;
    TableSource s;
    if (t[k].isSymbol("(")) {
        const int close = closingParen(t, r);
        if (close == kNoToken)
            return r.end;
        if (t[k + 1].isWord("SELECT"))
            s.query = {k + 1, close};
        k = close + 1;
    } else if (t[k].isName() && !isClauseWord(t[k])) {
        const int nameEnd = dottedNameEnd(t, r);
        s.table = t[nameEnd - 1].text;
        for (const CommonTable& c : known)
            if (nameEnd == k + 1 && c.name.compare(s.table, Qt::CaseInsensitive) == 0) {
                s.query = c.query;
                s.columns = c.columns;
            }
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

std::vector<CommonTable> commonTables(const Tokens& t, Range r) {
    std::vector<CommonTable> tables;
    if (r.empty() || !t[r.begin].isWord("WITH"))
        return tables;
    int k = r.begin + 1;
    while (k < r.end && t[k].isName()) {
        CommonTable c;
        c.name = t[k++].text;
        if (k < r.end && t[k].isSymbol("(")) {
            const int close = closingParen(t, r.from(k));
            if (close == kNoToken)
                break;
            for (const Range column : splitCommas(t, {k + 1, close}))
                c.columns << (column.size() == 1 ? t[column.begin].text : QString());
            k = close + 1;
        }
        if (k + 1 >= r.end || !t[k].isWord("AS") || !t[k + 1].isSymbol("("))
            break;
        const int close = closingParen(t, r.from(k + 1));
        if (close == kNoToken)
            break;
        c.query = {k + 2, close};
        tables.push_back(c);
        k = close + 1;
        if (k >= r.end || !t[k].isSymbol(","))
            break;
        ++k;
    }
    return tables;
}

std::vector<TableSource> tableSources(const Tokens& t, Range r, const std::vector<CommonTable>& known) {
    std::vector<TableSource> sources;
    for (int i = r.begin; i < r.end; ++i) {
        if (t[i].isWord("FROM")) {
            int k = readTableSource(t, r.from(i + 1), known, sources);
            while (k < r.end && t[k].isSymbol(","))
                k = readTableSource(t, r.from(k + 1), known, sources);
        } else if (t[i].isWord("JOIN") || t[i].isWord("INTO") || (i == r.begin && t[i].isWord("UPDATE"))) {
            readTableSource(t, r.from(i + 1), known, sources);
        }
    }
    return sources;
}

} // namespace zrk::db::tsql
