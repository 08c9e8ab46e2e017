#include "platform/db/tsql_date_comparison.h"

#include "platform/db/tsql_date_literal.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_operands.h"
#include "platform/db/tsql_translation.h"
#include "platform/db/tsql_word_classes.h"

#include <optional>

namespace zrk::db::tsql {

namespace {

// left op right, or left [NOT] BETWEEN right AND high.
struct Comparison {
    Range left;
    int op = kNoToken; // the comparison operator, or BETWEEN
    bool negated = false;
    Range right;
    Range high;
};

// Where the operand at r.begin ends when nothing binds it to what follows; kNoToken otherwise.
int lastOperandEnd(const Tokens& t, Range r) {
    const int end = operandEnd(t, r);
    if (end == kNoToken || (end < r.end && isArithmetic(t[end])))
        return kNoToken;
    return end;
}

// A sign before the operand at i that binds to it alone (+x, not a + x).
bool signedOperand(const Tokens& t, Range r, int i) {
    return i > r.begin && isSign(t[i - 1]) &&
           (i - 1 == r.begin || operandStart(t, r.upTo(i - 1)) == kNoToken);
}

// The comparison starting at token i of r, by its shape alone.
std::optional<Comparison> readComparison(const Tokens& t, Range r, int i) {
    const Token& k = t[i];
    if (!(k.isName() || k.kind == Token::Kind::String) ||
        (i > r.begin && isArithmetic(t[i - 1]) && !signedOperand(t, r, i)))
        return std::nullopt;
    Comparison c;
    const int leftEnd = operandEnd(t, r.from(i));
    if (leftEnd == kNoToken || leftEnd >= r.end)
        return std::nullopt;
    c.left = {i, leftEnd};
    c.op = leftEnd;
    if (t[c.op].isWord("NOT") && c.op + 1 < r.end && t[c.op + 1].isWord("BETWEEN")) {
        c.negated = true;
        ++c.op;
    }
    const bool between = t[c.op].isWord("BETWEEN");
    if (!between && !isComparison(t[c.op]))
        return std::nullopt;
    const int rightEnd = lastOperandEnd(t, r.from(c.op + 1));
    if (rightEnd == kNoToken)
        return std::nullopt;
    c.right = {c.op + 1, rightEnd};
    if (!between)
        return c;
    if (rightEnd >= r.end || !t[rightEnd].isWord("AND"))
        return std::nullopt;
    const int highEnd = lastOperandEnd(t, r.from(rightEnd + 1));
    if (highEnd == kNoToken)
        return std::nullopt;
    c.high = {rightEnd + 1, highEnd};
    return c;
}

std::optional<QString> between(Translation& tr, const Tokens& t, const Comparison& c, int nest) {
    const auto low = dateLiteral(t, c.right);
    const auto high = dateLiteral(t, c.high);
    if (!low && !high)
        return std::nullopt;
    const ValueType type = tr.types().operand(t, c.left);
    if (!isDateType(type))
        return std::nullopt;
    const bool dateOnly = type == ValueType::DateOnly;
    return QStringLiteral("(%1 %2BETWEEN %3 AND %4)")
        .arg(tr.expression(t, c.left, nest + 1), c.negated ? QStringLiteral("NOT ") : QString(),
             low ? quoteText(dateKeys(requireDate(*low), dateOnly).low) : tr.expression(t, c.right, nest + 1),
             high ? quoteText(dateKeys(requireDate(*high), dateOnly).high)
                  : tr.expression(t, c.high, nest + 1));
}

// The operator as SQLite writes it: !< is >=, !> is <=, != is <>.
QString sqliteOperator(const QString& op) {
    if (op == QLatin1String("!<"))
        return QStringLiteral(">=");
    if (op == QLatin1String("!>"))
        return QStringLiteral("<=");
    if (op == QLatin1String("!="))
        return QStringLiteral("<>");
    return op;
}

// The operator with its operands swapped: a < b is b > a.
QString mirrored(QString op) {
    if (op.startsWith(QLatin1Char('<')) && op != QLatin1String("<>"))
        op.replace(0, 1, QLatin1Char('>'));
    else if (op.startsWith(QLatin1Char('>')))
        op.replace(0, 1, QLatin1Char('<'));
    return op;
}

// date op keys: equality holds between the keys, < and >= compare with the lowest, > and <=
// with the highest.
QString compareWithKeys(const QString& date, const QString& op, const DateKeys& keys) {
    if (op == QLatin1String("="))
        return QStringLiteral("(%1 BETWEEN %2 AND %3)").arg(date, quoteText(keys.low), quoteText(keys.high));
    if (op == QLatin1String("<>"))
        return QStringLiteral("(%1 NOT BETWEEN %2 AND %3)")
            .arg(date, quoteText(keys.low), quoteText(keys.high));
    if (op == QLatin1String("<") || op == QLatin1String(">="))
        return QStringLiteral("(%1 %2 %3)").arg(date, op, quoteText(keys.low));
    return QStringLiteral("(%1 %2 %3)").arg(date, op, quoteText(keys.high));
}

// A date on either side of the operator and a date literal on the other.
std::optional<QString> compare(Translation& tr, const Tokens& t, const Comparison& c, int nest) {
    QString op = sqliteOperator(t[c.op].text);
    Range date = c.left;
    std::optional<DateLiteral> literal = dateLiteral(t, c.right);
    ValueType type = literal ? tr.types().operand(t, c.left) : ValueType::Unknown;
    if (!isDateType(type)) {
        literal = dateLiteral(t, c.left);
        if (!literal)
            return std::nullopt;
        type = tr.types().operand(t, c.right);
        if (!isDateType(type))
            return std::nullopt;
        date = c.right;
        op = mirrored(op);
    }
    const DateKeys keys = dateKeys(requireDate(*literal), type == ValueType::DateOnly);
    return compareWithKeys(tr.expression(t, date, nest + 1), op, keys);
}

} // namespace

int writeDateComparison(Translation& tr, const Tokens& t, Range r, int i, int nest, Writer& out) {
    const std::optional<Comparison> c = readComparison(t, r, i);
    if (!c)
        return kNoToken;
    const bool isBetween = t[c->op].isWord("BETWEEN");
    const std::optional<QString> text = isBetween ? between(tr, t, *c, nest) : compare(tr, t, *c, nest);
    if (!text)
        return kNoToken;
    // The server takes no sign before a date; left to the engine, the sign would make the date
    // compare as a number with the literal's text and answer wrongly without a word.
    if (signedOperand(t, r, i))
        unsupported(QStringLiteral("a sign before the date '%1' of a comparison").arg(t[i].text));
    out.add(*text, t[i].spaceBefore);
    return isBetween ? c->high.end : c->right.end;
}

} // namespace zrk::db::tsql
