#include "platform/db/tsql_expression_types.h"

#include "platform/db/tsql_operands.h"
#include "platform/db/tsql_word_classes.h"

#include <QSet>

namespace zrk::db::tsql {

namespace {

ValueType numberType(const Token& k) {
    if (k.text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return ValueType::Int;
    return k.text.contains(QLatin1Char('.')) || k.text.contains(QLatin1Char('e'), Qt::CaseInsensitive)
               ? ValueType::Real
               : ValueType::Int;
}

int skipSigns(const Tokens& t, Range r) {
    int k = r.begin;
    while (k < r.end && isSign(t[k]))
        ++k;
    return k;
}

// The type of a function whose result does not depend on its arguments; nothing for others.
std::optional<ValueType> fixedResultType(const QString& up) {
    static const QSet<QString> integers = {
        QStringLiteral("COUNT"),     QStringLiteral("LEN"),        QStringLiteral("CHARINDEX"),
        QStringLiteral("DATEDIFF"),  QStringLiteral("DATEPART"),   QStringLiteral("YEAR"),
        QStringLiteral("MONTH"),     QStringLiteral("DAY"),        QStringLiteral("DATALENGTH"),
        QStringLiteral("ISDATE"),    QStringLiteral("ISNUMERIC"),  QStringLiteral("ROW_NUMBER"),
        QStringLiteral("RANK"),      QStringLiteral("DENSE_RANK"), QStringLiteral("ASCII"),
        QStringLiteral("UNICODE"),   QStringLiteral("PATINDEX"),   QStringLiteral("OBJECT_ID"),
        QStringLiteral("COUNT_BIG"), QStringLiteral("SIGN")};
    if (integers.contains(up))
        return ValueType::Int;
    if (up == QLatin1String("GETDATE") || up == QLatin1String("DATEADD") ||
        up == QLatin1String("CURRENT_TIMESTAMP"))
        return ValueType::DateTime;
    return std::nullopt;
}

// A function whose result has the type of its first argument.
bool takesFirstArgumentType(const QString& up) {
    static const QSet<QString> names = {
        QStringLiteral("SUM"),   QStringLiteral("MIN"),     QStringLiteral("MAX"),
        QStringLiteral("AVG"),   QStringLiteral("ABS"),     QStringLiteral("ROUND"),
        QStringLiteral("FLOOR"), QStringLiteral("CEILING"), QStringLiteral("ISNULL")};
    return names.contains(up);
}

// The type CONVERT(type, ...) or CAST(... AS type) gives; first is the first argument.
ValueType conversionType(const Tokens& t, const QString& up, Range first) {
    if (up == QLatin1String("CONVERT"))
        return t[first.begin].isName() ? typeFromTsqlName(t[first.begin].text) : ValueType::Unknown;
    const int as = findTopLevelWord(t, first, "AS");
    return as != kNoToken && as + 1 < first.end && t[as + 1].isName() ? typeFromTsqlName(t[as + 1].text)
                                                                      : ValueType::Unknown;
}

// The results of the CASE ... END in r at its own level: after each THEN and after ELSE.
std::vector<Range> caseResultRanges(const Tokens& t, Range r) {
    std::vector<Range> results;
    int depth = 0;
    int start = kNoToken;
    auto close = [&](int end) {
        if (start != kNoToken)
            results.push_back({start, end});
        start = kNoToken;
    };
    for (int i = r.begin + 1; i < r.end - 1; ++i) {
        if (t[i].isSymbol("(") || t[i].isWord("CASE")) {
            ++depth;
        } else if (t[i].isSymbol(")") || t[i].isWord("END")) {
            --depth;
        } else if (depth == 0 && (t[i].isWord("WHEN") || t[i].isWord("ELSE") || t[i].isWord("THEN"))) {
            close(i);
            if (!t[i].isWord("WHEN"))
                start = i + 1;
        }
    }
    close(r.end - 1);
    return results;
}

// The SELECTs of a query, split at its UNION, EXCEPT and INTERSECT outside parentheses.
std::vector<Range> selectBranches(const Tokens& t, Range q) {
    std::vector<Range> branches;
    int depth = 0;
    int start = q.begin;
    for (int i = q.begin; i < q.end; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")"))
            --depth;
        else if (depth == 0 && (t[i].isWord("UNION") || t[i].isWord("EXCEPT") || t[i].isWord("INTERSECT"))) {
            branches.push_back({start, i});
            start = i + 1 < q.end && t[i + 1].isWord("ALL") ? i + 2 : i + 1;
        }
    }
    branches.push_back({start, q.end});
    return branches;
}

// The select list of one SELECT: after SELECT, DISTINCT and TOP, up to its first clause.
Range selectList(const Tokens& t, Range b) {
    if (b.empty() || !t[b.begin].isWord("SELECT"))
        return {b.begin, b.begin};
    int k = b.begin + 1;
    if (k < b.end && (t[k].isWord("DISTINCT") || t[k].isWord("ALL")))
        ++k;
    if (k < b.end && t[k].isWord("TOP")) {
        const int close = k + 1 < b.end && t[k + 1].isSymbol("(") ? closingParen(t, b.from(k + 1)) : k + 1;
        k = close == kNoToken ? b.end : close + 1;
        if (k < b.end && t[k].isWord("PERCENT"))
            ++k;
    }
    int end = b.end;
    for (const char* clause : {"INTO", "FROM", "WHERE", "GROUP", "HAVING", "ORDER"}) {
        const int at = findTopLevelWord(t, {k, end}, clause);
        if (at != kNoToken)
            end = at;
    }
    return {k, end};
}

struct SelectItem {
    QString name; // empty for an expression without a name
    Range expression;
};

// A select item's name and expression: name = expression, expression [AS] name, or a column.
SelectItem selectItem(const Tokens& t, Range item) {
    if (item.empty())
        return {QString(), item};
    const int last = item.end - 1;
    if (item.size() > 2 && t[item.begin].isName() && t[item.begin + 1].isSymbol("="))
        return {t[item.begin].text, item.from(item.begin + 2)};
    if (item.size() > 2 && t[last - 1].isWord("AS") && t[last].isName())
        return {t[last].text, item.upTo(last - 1)};
    const Token& before = t[last - 1];
    const bool operandBefore = before.isSymbol(")") || before.kind == Token::Kind::Number ||
                               before.kind == Token::Kind::String || before.isName();
    if (item.size() > 1 && t[last].isName() && !t[last].isWord("END") && operandBefore)
        return {t[last].text, item.upTo(last)};
    if (dottedNameEnd(t, item) == item.end)
        return {t[last].text, item};
    return {QString(), item};
}

} // namespace

ValueType ExpressionTypes::operand(const Tokens& t, Range r) {
    r.begin = skipSigns(t, r);
    if (r.empty())
        return ValueType::Unknown;
    const Token& k = t[r.begin];
    if (r.size() == 1)
        return single(t, k);
    if (k.isSymbol("(") && closingParen(t, r) == r.end - 1)
        return t[r.begin + 1].isWord("SELECT") ? ValueType::Unknown : expression(t, {r.begin + 1, r.end - 1});
    if (k.isWord("CASE") && t[r.end - 1].isWord("END"))
        return caseResults(t, r);
    if (!k.isName())
        return ValueType::Unknown;
    const int nameEnd = dottedNameEnd(t, r);
    if (nameEnd == r.end)
        return column(t, t[nameEnd - 3].text, t[nameEnd - 1].text);
    if (t[nameEnd].isSymbol("(") && closingParen(t, r.from(nameEnd)) == r.end - 1)
        return function(t, nameEnd - 1, {nameEnd + 1, r.end - 1});
    return ValueType::Unknown;
}

ValueType ExpressionTypes::expression(const Tokens& t, Range r) {
    ValueType type = ValueType::Unknown;
    bool any = false;
    int k = r.begin;
    while (k < r.end) {
        const int start = skipSigns(t, r.from(k));
        const int end = operandEnd(t, r.from(start));
        if (end == kNoToken)
            return ValueType::Unknown;
        const ValueType v = operand(t, {start, end});
        type = any ? combine(type, v) : v;
        any = true;
        if (end == r.end)
            break;
        if (!isNumericOperator(t[end]))
            return ValueType::Unknown;
        k = end + 1;
    }
    return any ? type : ValueType::Unknown;
}

bool ExpressionTypes::integerDivision(const Tokens& t, Range r, int slash) {
    const std::optional<ValueType> left = dividend(t, r.upTo(slash));
    if (!left)
        return false;
    const std::optional<ValueType> right = divisor(t, r.from(slash + 1));
    if (!right)
        return false;
    if (*left == ValueType::Text && *right == ValueType::Text)
        return false;
    return combine(*left, *right) == ValueType::Int;
}

// The left operand of a division ending at r.end: the products and quotients before the slash,
// evaluated left to right. Nothing when it cannot be read.
std::optional<ValueType> ExpressionTypes::dividend(const Tokens& t, Range r) {
    ValueType left = ValueType::Int;
    int end = r.end;
    for (;;) {
        const int start = operandStart(t, r.upTo(end));
        if (start == kNoToken)
            return std::nullopt;
        left = combine(left, operand(t, {start, end}));
        int before = start - 1;
        while (before >= r.begin && isSign(t[before]) &&
               (before == r.begin || operandStart(t, r.upTo(before)) == kNoToken))
            --before; // a sign, not a sum
        if (before < r.begin || !isMultiplicative(t[before]))
            return left;
        end = before;
    }
}

// The right operand of a division starting at r.begin. Nothing when it cannot be read.
std::optional<ValueType> ExpressionTypes::divisor(const Tokens& t, Range r) {
    const int start = skipSigns(t, r);
    const int end = operandEnd(t, r.from(start));
    if (end == kNoToken)
        return std::nullopt;
    return operand(t, {start, end});
}

ValueType ExpressionTypes::single(const Tokens& t, const Token& k) {
    if (k.kind == Token::Kind::Number)
        return numberType(k);
    if (k.kind == Token::Kind::String)
        return ValueType::Text;
    if (k.isWord("NULL"))
        return ValueType::Int; // takes the other operand's type
    if (k.isName() && !isClauseWord(k))
        return column(t, QString(), k.text);
    return ValueType::Unknown;
}

// The type of a column by its declaration, or by the expression a derived table or a common
// table expression gives it, when every table it may belong to gives it alike.
ValueType ExpressionTypes::column(const Tokens& t, const QString& qualifier, const QString& column) {
    bool found = false;
    ValueType type = ValueType::Unknown;
    for (const TableSource* s : sourcesNamed(qualifier)) {
        std::optional<ValueType> v;
        if (!s->query.empty()) {
            v = derivedColumn(t, *s, column);
        } else {
            const TableColumns* columns = s->table.isEmpty() ? nullptr : catalogue_.columns(s->table);
            if (!columns)
                return ValueType::Unknown; // an unknown table may hold the column
            v = declaredColumn(*columns, column);
        }
        if (!v)
            continue;
        if (found && *v != type)
            return ValueType::Unknown;
        type = *v;
        found = true;
    }
    return type;
}

std::optional<ValueType> ExpressionTypes::declaredColumn(const TableColumns& columns, const QString& column) {
    std::optional<ValueType> type;
    for (const auto& [name, declared] : columns) {
        if (name.compare(column, Qt::CaseInsensitive) != 0)
            continue;
        const ValueType v = typeFromDeclared(declared);
        if (type && v != *type)
            return ValueType::Unknown;
        type = v;
    }
    return type;
}

// The type of a column of a derived table or a common table expression: its select item's
// expression, combined over the branches of a UNION; nothing when the query has no such column.
std::optional<ValueType> ExpressionTypes::derivedColumn(const Tokens& t, const TableSource& s,
                                                        const QString& column) {
    if (depth_ >= kMaxDerivedDepth)
        return ValueType::Unknown; // a recursive common table expression, or one nested too deeply
    const std::vector<Range> branches = selectBranches(t, s.query);
    std::optional<ValueType> type;
    std::optional<std::size_t> position;
    for (const Range branch : branches) {
        const std::vector<Range> items = splitCommas(t, selectList(t, branch));
        if (!position) {
            for (std::size_t i = 0; i < items.size() && !position; ++i) {
                if (t[items[i].end - 1].isSymbol("*"))
                    return ValueType::Unknown;
                const QString name = i < static_cast<std::size_t>(s.columns.size())
                                         ? s.columns[i]
                                         : selectItem(t, items[i]).name;
                if (name.compare(column, Qt::CaseInsensitive) == 0)
                    position = i;
            }
            if (!position)
                return std::nullopt;
        }
        if (*position >= items.size())
            return ValueType::Unknown;
        const std::vector<TableSource> inner = tableSources(t, branch, commonTables_);
        ExpressionTypes nested(catalogue_, inner, commonTables_, depth_ + 1);
        const ValueType v = nested.expression(t, selectItem(t, items[*position]).expression);
        type = type ? combine(*type, v) : v;
    }
    return type;
}

// The sources a qualifier names: by alias, else by table name among those without one; every
// source for no qualifier.
std::vector<const TableSource*> ExpressionTypes::sourcesNamed(const QString& qualifier) const {
    std::vector<const TableSource*> matches;
    if (qualifier.isEmpty()) {
        for (const TableSource& s : sources_)
            matches.push_back(&s);
        return matches;
    }
    for (const TableSource& s : sources_)
        if (s.alias.compare(qualifier, Qt::CaseInsensitive) == 0)
            matches.push_back(&s);
    if (matches.empty())
        for (const TableSource& s : sources_)
            if (s.alias.isEmpty() && s.table.compare(qualifier, Qt::CaseInsensitive) == 0)
                matches.push_back(&s);
    return matches;
}

ValueType ExpressionTypes::caseResults(const Tokens& t, Range r) {
    return combined(t, caseResultRanges(t, r));
}

// The type of the call of the function named at token name, with arguments inside the
// parentheses.
ValueType ExpressionTypes::function(const Tokens& t, int name, Range arguments) {
    const QString up = t[name].text.toUpper();
    if (const std::optional<ValueType> fixed = fixedResultType(up))
        return *fixed;
    const std::vector<Range> args = splitCommas(t, arguments);
    if (args.empty() || args[0].empty())
        return ValueType::Unknown;
    if (up == QLatin1String("CONVERT") || up == QLatin1String("CAST"))
        return conversionType(t, up, args[0]);
    if (takesFirstArgumentType(up)) {
        Range first = args[0];
        if (t[first.begin].isWord("DISTINCT") || t[first.begin].isWord("ALL"))
            ++first.begin;
        return expression(t, first);
    }
    if (up == QLatin1String("COALESCE"))
        return combined(t, args);
    return ValueType::Unknown;
}

// The type of several expressions that give one value, such as the results of a CASE.
ValueType ExpressionTypes::combined(const Tokens& t, const std::vector<Range>& parts) {
    if (parts.empty())
        return ValueType::Unknown;
    ValueType type = expression(t, parts[0]);
    for (std::size_t k = 1; k < parts.size(); ++k)
        type = combine(type, expression(t, parts[k]));
    return type;
}

} // namespace zrk::db::tsql
