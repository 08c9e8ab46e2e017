// The expression translator: T-SQL expressions, and the clauses that the statement translators
// pass through whole, as SQLite text. It reads the tokens left to right and writes each as
// SQLite has it, or with what belongs to it (a function call, a date comparison, a SELECT's
// TOP) as one piece.
#include "platform/db/tsql_date_comparison.h"
#include "platform/db/tsql_date_functions.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_function_calls.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_system_objects.h"
#include "platform/db/tsql_translation.h"

#include <vector>

namespace zrk::db::tsql {

namespace {

// The TOP n of a SELECT, written as LIMIT n where the SELECT ends: at the parenthesis that
// closes the depth it stands at, or at the end of the expression.
struct Limit {
    int depth;
    QString count;
};

class ExpressionWriter {
public:
    ExpressionWriter(Translation& tr, const Tokens& t, Range r, int nest)
        : tr_(tr), t_(t), r_(r), nest_(nest) {}

    QString write();

private:
    int token(int i);
    int symbol(int i);
    int word(int i);
    int select(int i);
    int top(int i);
    int call(int i);
    int translatedCall(int i, FunctionTranslator translator);
    int systemView(int i);
    bool isOwnerPrefix(int i) const;
    bool isSystemView(int i) const;
    bool isStorageClause(int i, const QString& up) const;
    bool joinsTexts(int i) const;
    void writeLimits(int depth);
    void writeAllLimits();
    bool has(int k) const { return k < r_.end; }

    Translation& tr_;
    const Tokens& t_;
    const Range r_;
    const int nest_;
    Writer out_;
    std::vector<Limit> limits_;
    int depth_ = 0; // parentheses open
};

QString ExpressionWriter::write() {
    if (nest_ > kMaxNesting)
        unsupported(QStringLiteral("expressions nested more than %1 levels deep").arg(kMaxNesting));
    for (int i = r_.begin; i < r_.end;)
        i = token(i);
    writeAllLimits();
    return out_.text();
}

// Writes the token at i with what belongs to it; returns the token after them.
int ExpressionWriter::token(int i) {
    const Token& k = t_[i];
    if (has(i + 1) && (k.isName() || k.kind == Token::Kind::String)) {
        const int after = writeDateComparison(tr_, t_, r_, i, nest_, out_);
        if (after != kNoToken)
            return after;
    }
    if (isOwnerPrefix(i))
        return i + 2;
    if (isSystemView(i))
        return systemView(i);
    switch (k.kind) {
    case Token::Kind::String:
        out_.add(quoteText(k.text), k.spaceBefore);
        return i + 1;
    case Token::Kind::QuotedName:
        out_.add(quoteName(k.text), k.spaceBefore);
        return i + 1;
    case Token::Kind::Number:
        out_.add(k.text, k.spaceBefore);
        return i + 1;
    case Token::Kind::Symbol:
        return symbol(i);
    case Token::Kind::Word:
        break;
    }
    return word(i);
}

// dbo. before a name: the embedded database has no owners.
bool ExpressionWriter::isOwnerPrefix(int i) const {
    return t_[i].isName() && t_[i].text.compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0 &&
           has(i + 1) && t_[i + 1].isSymbol(".");
}

bool ExpressionWriter::isSystemView(int i) const {
    return t_[i].isName() && t_[i].text.compare(QLatin1String("sys"), Qt::CaseInsensitive) == 0 &&
           has(i + 2) && t_[i + 1].isSymbol(".") && t_[i + 2].isName();
}

int ExpressionWriter::systemView(int i) {
    out_.add(tsql::systemView(tr_.program(), t_[i + 2].text), t_[i].spaceBefore);
    return i + 3;
}

int ExpressionWriter::symbol(int i) {
    const Token& k = t_[i];
    if (k.isSymbol("(")) {
        if (isTableHint(t_, r_.from(i)))
            return i + 3;
        ++depth_;
    } else if (k.isSymbol(")")) {
        writeLimits(depth_);
        --depth_;
    } else if (k.isSymbol("+") && joinsTexts(i)) {
        out_.add(QStringLiteral("||"), true);
        return i + 1;
    } else if (k.isSymbol("/") && !tr_.types().integerDivision(t_, r_, i)) {
        out_.add(QStringLiteral("* 1.0"), true);
    } else if (k.isSymbol("!<")) {
        out_.add(QStringLiteral(">="), k.spaceBefore);
        return i + 1;
    } else if (k.isSymbol("!>")) {
        out_.add(QStringLiteral("<="), k.spaceBefore);
        return i + 1;
    } else if (k.isSymbol("*=") || (k.isSymbol("=") && has(i + 1) && t_[i + 1].isSymbol("*"))) {
        unsupported(QStringLiteral("old-style outer join '%1'").arg(k.text));
    }
    out_.add(k.text, k.spaceBefore);
    return i + 1;
}

// A + with a text on either side joins texts.
bool ExpressionWriter::joinsTexts(int i) const {
    return (i > r_.begin && t_[i - 1].kind == Token::Kind::String) ||
           (has(i + 1) && t_[i + 1].kind == Token::Kind::String);
}

int ExpressionWriter::word(int i) {
    const Token& k = t_[i];
    const QString up = k.text.toUpper();
    if (up.startsWith(QLatin1Char('@')))
        unsupported(QStringLiteral("variable '%1'").arg(k.text));
    if (up.startsWith(QLatin1Char('#'))) {
        out_.add(quoteName(k.text), k.spaceBefore);
        return i + 1;
    }
    if (isStorageClause(i, up))
        return i + 2;
    if (up == QLatin1String("CLUSTERED") || up == QLatin1String("NONCLUSTERED"))
        return i + 1;
    if (up == QLatin1String("WITH") && isTableHint(t_, r_.from(i + 1)))
        return i + 4;
    if (up == QLatin1String("SELECT"))
        return select(i);
    if (has(i + 1) && t_[i + 1].isSymbol("("))
        return call(i);
    out_.add(k.text, k.spaceBefore);
    return i + 1;
}

// ON [PRIMARY], TEXTIMAGE_ON [PRIMARY], FILESTREAM_ON [PRIMARY]: where the server stores a table.
bool ExpressionWriter::isStorageClause(int i, const QString& up) const {
    return (up == QLatin1String("ON") || up == QLatin1String("TEXTIMAGE_ON") ||
            up == QLatin1String("FILESTREAM_ON")) &&
           has(i + 1) && t_[i + 1].isName() &&
           t_[i + 1].text.compare(QLatin1String("PRIMARY"), Qt::CaseInsensitive) == 0 &&
           !(has(i + 2) && t_[i + 2].isWord("KEY"));
}

// SELECT [DISTINCT | ALL] [TOP n]
int ExpressionWriter::select(int i) {
    out_.add(t_[i].text, t_[i].spaceBefore);
    int j = i + 1;
    if (has(j) && (t_[j].isWord("DISTINCT") || t_[j].isWord("ALL"))) {
        out_.add(t_[j].text, true);
        ++j;
    }
    return has(j) && t_[j].isWord("TOP") ? top(j) : j;
}

// TOP n or TOP (n) at i; SQLite has it as LIMIT n at the end of the SELECT.
int ExpressionWriter::top(int i) {
    QString count;
    int after = i + 1;
    if (has(after) && t_[after].kind == Token::Kind::Number) {
        count = t_[after].text;
        ++after;
    } else if (has(after + 2) && t_[after].isSymbol("(") && t_[after + 1].kind == Token::Kind::Number &&
               t_[after + 2].isSymbol(")")) {
        count = t_[after + 1].text;
        after += 3;
    } else {
        unsupported(QStringLiteral("TOP without a constant row count"));
    }
    if (has(after) && (t_[after].isWord("PERCENT") || t_[after].isWord("WITH")))
        unsupported(QStringLiteral("TOP ... %1").arg(t_[after].text));
    limits_.push_back({depth_, count});
    return after;
}

// A word before a parenthesis: a function's name.
int ExpressionWriter::call(int i) {
    const Token& k = t_[i];
    const QString up = k.text.toUpper();
    if (const FunctionTranslator translator = functionTranslator(up))
        return translatedCall(i, translator);
    const QString renamed = renamedFunction(up);
    out_.add(renamed.isEmpty() ? k.text : renamed, k.spaceBefore);
    return i + 1;
}

// The call at i written whole by its translator, with the days added to a date it gives.
int ExpressionWriter::translatedCall(int i, FunctionTranslator translator) {
    const int close = closingParen(t_, r_.from(i + 1));
    if (close == kNoToken)
        syntaxError(t_[i].text);
    FunctionValue value = translator({tr_, t_, i, splitCommas(t_, {i + 2, close}), nest_});
    int after = close + 1;
    if (value.date)
        after = addDays(tr_, t_, r_.from(after), nest_, value.text);
    out_.add(value.text, t_[i].spaceBefore);
    return after;
}

void ExpressionWriter::writeLimits(int depth) {
    while (!limits_.empty() && limits_.back().depth == depth) {
        out_.add(QStringLiteral("LIMIT ") + limits_.back().count, true);
        limits_.pop_back();
    }
}

void ExpressionWriter::writeAllLimits() {
    while (!limits_.empty()) {
        out_.add(QStringLiteral("LIMIT ") + limits_.back().count, true);
        limits_.pop_back();
    }
}

} // namespace

QString Translation::expression(const Tokens& t, Range r, int nest) {
    return ExpressionWriter(*this, t, r, nest).write();
}

} // namespace zrk::db::tsql
