#include "platform/db/filter_expression.h"

#include "platform/db/db_errors.h"
#include "platform/vb_conversions.h"

#include <cmath>

namespace zrk::db {

namespace {

constexpr int kMaxDepth = 100;

[[noreturn]] void badFilter(const QString& detail) {
    throw Error(
        dberr::ArgumentsWrongType, QStringLiteral("zrk.Recordset"),
        QStringLiteral("Arguments are of the wrong type, are out of acceptable range, or are in conflict "
                       "with one another. (Filter: %1)")
            .arg(detail));
}

int findColumn(const std::vector<Column>& columns, const QString& name) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

bool isAscii(const char* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    return true;
}

char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

int compareAsciiFolded(const char* a, std::size_t an, const char* b, std::size_t bn) {
    const std::size_t n = std::min(an, bn);
    for (std::size_t i = 0; i < n; ++i) {
        const char x = fold(a[i]);
        const char y = fold(b[i]);
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    return an == bn ? 0 : (an < bn ? -1 : 1);
}

template <class GetText, class GetPattern>
bool globMatch(GetText text, std::size_t tn, GetPattern pattern, std::size_t pn) {
    // Iterative wildcard match with one backtracking point.
    std::size_t t = 0, p = 0, star = std::size_t(-1), mark = 0;
    while (t < tn) {
        if (p < pn && (pattern(p) == '*' || pattern(p) == '%')) {
            star = p++;
            mark = t;
        } else if (p < pn && pattern(p) == text(t)) {
            ++p;
            ++t;
        } else if (star != std::size_t(-1)) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pn && (pattern(p) == '*' || pattern(p) == '%'))
        ++p;
    return p == pn;
}

int sign(double d) {
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}

} // namespace

bool likeMatch(QStringView text, QStringView pattern) {
    const QString t = text.toString().toCaseFolded();
    const QString p = pattern.toString().toCaseFolded();
    return globMatch([&](std::size_t i) { return t[qsizetype(i)].unicode(); }, std::size_t(t.size()),
                     [&](std::size_t i) { return p[qsizetype(i)].unicode(); }, std::size_t(p.size()));
}

struct FilterExpression::Node {
    enum class Op { And, Or, Eq, Ne, Lt, Gt, Le, Ge, Like, IsNull, IsNotNull };
    enum class Literal { Null, Number, Text, Date };
    Op op = Op::Eq;
    std::shared_ptr<const Node> left, right;
    int column = -1;
    Literal literal = Literal::Null;
    double number = 0;
    bool textIsNumber = false;
    QString text;
    QByteArray asciiText; // the text's bytes when it is all ASCII, else empty with asciiOnly false
    bool asciiOnly = false;
    QDateTime date;
};

namespace {

using Node = FilterExpression::Node;

class Parser {
public:
    Parser(const QString& s, const std::vector<Column>& columns) : s_(s), columns_(columns) {}

    std::shared_ptr<const Node> parse() {
        auto node = orExpr(0);
        skipSpace();
        if (i_ < s_.size())
            badFilter(QStringLiteral("unexpected '%1'").arg(s_.mid(i_, 20)));
        return node;
    }

private:
    void skipSpace() {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
    }
    bool keyword(const char* word) {
        skipSpace();
        const QLatin1String w(word);
        if (s_.mid(i_, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype end = i_ + w.size();
        if (end < s_.size() && (s_[end].isLetterOrNumber() || s_[end] == QLatin1Char('_')))
            return false;
        i_ = end;
        return true;
    }
    std::shared_ptr<const Node> orExpr(int depth) {
        auto left = andExpr(depth);
        while (keyword("or")) {
            auto n = std::make_shared<Node>();
            n->op = Node::Op::Or;
            n->left = left;
            n->right = andExpr(depth);
            left = n;
        }
        return left;
    }
    std::shared_ptr<const Node> andExpr(int depth) {
        auto left = primary(depth);
        while (keyword("and")) {
            auto n = std::make_shared<Node>();
            n->op = Node::Op::And;
            n->left = left;
            n->right = primary(depth);
            left = n;
        }
        return left;
    }
    std::shared_ptr<const Node> primary(int depth) {
        if (depth > kMaxDepth)
            badFilter(QStringLiteral("nested too deeply"));
        skipSpace();
        if (i_ < s_.size() && s_[i_] == QLatin1Char('(')) {
            ++i_;
            auto inner = orExpr(depth + 1);
            skipSpace();
            if (i_ >= s_.size() || s_[i_] != QLatin1Char(')'))
                badFilter(QStringLiteral("missing ')'"));
            ++i_;
            return inner;
        }
        return comparison();
    }
    QString fieldName() {
        skipSpace();
        if (i_ < s_.size() && s_[i_] == QLatin1Char('[')) {
            const qsizetype close = s_.indexOf(QLatin1Char(']'), i_ + 1);
            if (close < 0)
                badFilter(QStringLiteral("missing ']'"));
            const QString name = s_.mid(i_ + 1, close - i_ - 1);
            i_ = close + 1;
            return name;
        }
        const qsizetype start = i_;
        while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == QLatin1Char('_') ||
                                  s_[i_] == QLatin1Char('$') || (s_[i_] == QLatin1Char('#') && i_ > start)))
            ++i_;
        if (i_ == start)
            badFilter(QStringLiteral("a field name is expected at '%1'").arg(s_.mid(start, 20)));
        return s_.mid(start, i_ - start);
    }
    std::shared_ptr<const Node> comparison() {
        const QString name = fieldName();
        auto n = std::make_shared<Node>();
        n->column = findColumn(columns_, name);
        if (n->column < 0)
            badFilter(QStringLiteral("no field '%1'").arg(name));
        skipSpace();
        if (keyword("is")) {
            n->op = keyword("not") ? Node::Op::IsNotNull : Node::Op::IsNull;
            if (!keyword("null"))
                badFilter(QStringLiteral("NULL expected after IS"));
            return n;
        }
        if (keyword("like")) {
            n->op = Node::Op::Like;
        } else {
            static constexpr std::pair<const char*, Node::Op> ops[] = {
                {"<>", Node::Op::Ne}, {"<=", Node::Op::Le}, {">=", Node::Op::Ge},
                {"=", Node::Op::Eq},  {"<", Node::Op::Lt},  {">", Node::Op::Gt}};
            bool found = false;
            for (const auto& [text, op] : ops) {
                if (s_.mid(i_, qstrlen(text)) == QLatin1String(text)) {
                    n->op = op;
                    i_ += qstrlen(text);
                    found = true;
                    break;
                }
            }
            if (!found)
                badFilter(QStringLiteral("an operator is expected after '%1'").arg(name));
        }
        literal(*n);
        if (n->op == Node::Op::Like && n->literal != Node::Literal::Text)
            badFilter(QStringLiteral("LIKE takes a text"));
        if (n->literal == Node::Literal::Null) {
            if (n->op == Node::Op::Eq)
                n->op = Node::Op::IsNull;
            else if (n->op == Node::Op::Ne)
                n->op = Node::Op::IsNotNull;
            else
                badFilter(QStringLiteral("NULL compares only with = or <>"));
        }
        return n;
    }
    void literal(Node& n) {
        skipSpace();
        if (i_ >= s_.size())
            badFilter(QStringLiteral("a value is expected at the end"));
        const QChar c = s_[i_];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            ++i_;
            QString text;
            bool closed = false;
            while (i_ < s_.size()) {
                if (s_[i_] == c) {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == c) {
                        text += c;
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    closed = true;
                    break;
                }
                text += s_[i_++];
            }
            if (!closed)
                badFilter(QStringLiteral("unclosed text"));
            n.literal = Node::Literal::Text;
            n.text = text;
            const QByteArray utf8 = text.toUtf8();
            n.asciiOnly = isAscii(utf8.constData(), std::size_t(utf8.size()));
            if (n.asciiOnly)
                n.asciiText = utf8;
            if (const auto number = vb::parseNumber(text)) {
                n.number = *number;
                n.textIsNumber = true;
            }
            n.date = parseStoredDate(text);
            return;
        }
        if (c == QLatin1Char('#')) {
            const qsizetype close = s_.indexOf(QLatin1Char('#'), i_ + 1);
            if (close < 0)
                badFilter(QStringLiteral("unclosed date"));
            const QString text = s_.mid(i_ + 1, close - i_ - 1).trimmed();
            i_ = close + 1;
            n.literal = Node::Literal::Date;
            n.date = parseStoredDate(text);
            if (!n.date.isValid()) {
                n.date = QDateTime::fromString(text, QStringLiteral("M/d/yyyy"));
                if (!n.date.isValid())
                    n.date = QDateTime::fromString(text, QStringLiteral("M/d/yyyy H:mm:ss"));
            }
            if (!n.date.isValid())
                badFilter(QStringLiteral("'%1' is no date").arg(text));
            return;
        }
        if (keyword("null")) {
            n.literal = Node::Literal::Null;
            return;
        }
        if (keyword("true")) {
            n.literal = Node::Literal::Number;
            n.number = 1;
            return;
        }
        if (keyword("false")) {
            n.literal = Node::Literal::Number;
            n.number = 0;
            return;
        }
        const qsizetype start = i_;
        if (i_ < s_.size() && (s_[i_] == QLatin1Char('-') || s_[i_] == QLatin1Char('+')))
            ++i_;
        while (i_ < s_.size() && (s_[i_].isDigit() || s_[i_] == QLatin1Char('.') ||
                                  s_[i_] == QLatin1Char('e') || s_[i_] == QLatin1Char('E') ||
                                  ((s_[i_] == QLatin1Char('-') || s_[i_] == QLatin1Char('+')) &&
                                   (s_[i_ - 1] == QLatin1Char('e') || s_[i_ - 1] == QLatin1Char('E')))))
            ++i_;
        bool ok = false;
        const double d = s_.mid(start, i_ - start).toDouble(&ok);
        if (!ok)
            badFilter(QStringLiteral("'%1' is no value").arg(s_.mid(start, qMax<qsizetype>(i_ - start, 10))));
        n.literal = Node::Literal::Number;
        n.number = d;
    }

    const QString& s_;
    const std::vector<Column>& columns_;
    qsizetype i_ = 0;
};

bool applies(Node::Op op, int c) {
    switch (op) {
    case Node::Op::Eq:
        return c == 0;
    case Node::Op::Ne:
        return c != 0;
    case Node::Op::Lt:
        return c < 0;
    case Node::Op::Gt:
        return c > 0;
    case Node::Op::Le:
        return c <= 0;
    case Node::Op::Ge:
        return c >= 0;
    default:
        return false;
    }
}

// A cell's value as compared by filters and sorts.
struct Comparable {
    enum class Kind { Null, Number, Text, Date } kind = Kind::Null;
    double number = 0;
    const char* bytes = nullptr; // Text from the store: UTF-8
    std::size_t length = 0;
    QString text; // Text from a stored Variant
    QDateTime date;
    QString asText() const { return bytes ? QString::fromUtf8(bytes, qsizetype(length)) : text; }
};

Comparable comparable(const RowStore& rows, int row, int column) {
    const RowStore::Cell& c = rows.cell(row, column);
    Comparable v;
    switch (c.tag) {
    case RowStore::Cell::Tag::Null:
        return v;
    case RowStore::Cell::Tag::Int:
        v.kind = Comparable::Kind::Number;
        v.number = static_cast<double>(c.i);
        return v;
    case RowStore::Cell::Tag::Real:
        v.kind = Comparable::Kind::Number;
        v.number = c.d;
        return v;
    case RowStore::Cell::Tag::Text:
    case RowStore::Cell::Tag::Blob:
        v.kind = Comparable::Kind::Text;
        v.bytes = rows.bytes(c);
        v.length = c.length;
        return v;
    case RowStore::Cell::Tag::Value: {
        const Variant& x = rows.stored(c);
        switch (x.type()) {
        case Variant::Type::Boolean:
            v.kind = Comparable::Kind::Number;
            v.number = x.toBool() ? 1 : 0;
            return v;
        case Variant::Type::Int16:
        case Variant::Type::Int32:
        case Variant::Type::Double:
            v.kind = Comparable::Kind::Number;
            v.number = x.toDouble();
            return v;
        case Variant::Type::Date:
            v.kind = Comparable::Kind::Date;
            v.date = x.toDate();
            return v;
        case Variant::Type::String:
            v.kind = Comparable::Kind::Text;
            v.text = x.toString();
            return v;
        default:
            return v;
        }
    }
    }
    return v;
}

int compareText(const Comparable& a, const Node& n) {
    if (a.bytes && n.asciiOnly && isAscii(a.bytes, a.length))
        return compareAsciiFolded(a.bytes, a.length, n.asciiText.constData(),
                                  std::size_t(n.asciiText.size()));
    const int c = a.asText().compare(n.text, Qt::CaseInsensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool evaluate(const Node& n, const RowStore& rows, int row) {
    switch (n.op) {
    case Node::Op::And:
        return evaluate(*n.left, rows, row) && evaluate(*n.right, rows, row);
    case Node::Op::Or:
        return evaluate(*n.left, rows, row) || evaluate(*n.right, rows, row);
    default:
        break;
    }
    const Comparable v = comparable(rows, row, n.column);
    if (n.op == Node::Op::IsNull)
        return v.kind == Comparable::Kind::Null;
    if (n.op == Node::Op::IsNotNull)
        return v.kind != Comparable::Kind::Null;
    if (v.kind == Comparable::Kind::Null)
        return false;
    const FieldKind kind = rows.columns[n.column].kind;
    if (n.op == Node::Op::Like) {
        if (v.bytes && n.asciiOnly && isAscii(v.bytes, v.length)) {
            const char* t = v.bytes;
            const char* p = n.asciiText.constData();
            return globMatch([&](std::size_t i) { return fold(t[i]); }, v.length,
                             [&](std::size_t i) { return fold(p[i]); }, std::size_t(n.asciiText.size()));
        }
        const QString text =
            v.kind == Comparable::Kind::Number ? QString::number(v.number, 'g', 15) : v.asText();
        return likeMatch(text, n.text);
    }
    // Dates: a date column (kept as text) or a stored date against a #date# or a date text.
    if ((kind == FieldKind::Date || v.kind == Comparable::Kind::Date) &&
        (n.literal == Node::Literal::Date || (n.literal == Node::Literal::Text && n.date.isValid()))) {
        // A date column's text is worked out once for all the rows that share it.
        const QDateTime d = v.kind == Comparable::Kind::Date ? v.date
                            : v.bytes                        ? rows.storedDate(rows.cell(row, n.column))
                                                             : parseStoredDate(v.asText());
        if (d.isValid())
            return applies(n.op, d < n.date ? -1 : (d > n.date ? 1 : 0));
    }
    if (n.literal == Node::Literal::Number || (n.literal == Node::Literal::Text && n.textIsNumber)) {
        double number = v.number;
        bool numeric = v.kind == Comparable::Kind::Number;
        if (!numeric && v.kind == Comparable::Kind::Text) {
            if (const auto parsed = vb::parseNumber(v.asText())) {
                number = *parsed;
                numeric = true;
            }
        }
        if (numeric)
            return applies(n.op, sign(number - n.number));
        if (n.literal == Node::Literal::Number) {
            const QString lit = QString::number(n.number, 'g', 15);
            return applies(n.op, v.asText().compare(lit, Qt::CaseInsensitive) < 0   ? -1
                                 : v.asText().compare(lit, Qt::CaseInsensitive) > 0 ? 1
                                                                                    : 0);
        }
    }
    if (v.kind == Comparable::Kind::Number) {
        const QString text = QString::number(v.number, 'g', 15);
        const int c = text.compare(n.text, Qt::CaseInsensitive);
        return applies(n.op, c < 0 ? -1 : (c > 0 ? 1 : 0));
    }
    if (v.kind == Comparable::Kind::Date) {
        const int c = storedDateText(v.date).compare(n.text, Qt::CaseInsensitive);
        return applies(n.op, c < 0 ? -1 : (c > 0 ? 1 : 0));
    }
    return applies(n.op, compareText(v, n));
}

} // namespace

FilterExpression FilterExpression::parse(const QString& text, const std::vector<Column>& columns) {
    FilterExpression f;
    Parser p(text, columns);
    f.root_ = p.parse();
    return f;
}

bool FilterExpression::matches(const RowStore& rows, int row) const {
    return evaluate(*root_, rows, row);
}

std::vector<SortKey> parseSort(const QString& text, const std::vector<Column>& columns) {
    std::vector<SortKey> keys;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QStringList words = part.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        bool descending = false;
        if (words.size() > 1) {
            const QString dir = words.last().toUpper();
            if (dir == QLatin1String("DESC") || dir == QLatin1String("ASC")) {
                descending = dir == QLatin1String("DESC");
                words.removeLast();
            }
        }
        QString name = words.join(QLatin1Char(' '));
        if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
            name = name.mid(1, name.size() - 2);
        const int column = findColumn(columns, name);
        if (column < 0)
            throw Error(dberr::ItemNotFound, QStringLiteral("zrk.Recordset"),
                        QStringLiteral(
                            "Item cannot be found in the collection corresponding to the requested name or "
                            "ordinal. (Sort: %1)")
                            .arg(name));
        keys.push_back({column, descending});
    }
    return keys;
}

int compareRows(const RowStore& rows, int a, int b, const std::vector<SortKey>& keys) {
    for (const SortKey& k : keys) {
        const Comparable x = comparable(rows, a, k.column);
        const Comparable y = comparable(rows, b, k.column);
        int c = 0;
        if (x.kind == Comparable::Kind::Null || y.kind == Comparable::Kind::Null) {
            c = (x.kind == Comparable::Kind::Null ? 0 : 1) - (y.kind == Comparable::Kind::Null ? 0 : 1);
        } else if (x.kind == Comparable::Kind::Number && y.kind == Comparable::Kind::Number) {
            c = sign(x.number - y.number);
        } else if (x.kind == Comparable::Kind::Date && y.kind == Comparable::Kind::Date) {
            c = x.date < y.date ? -1 : (x.date > y.date ? 1 : 0);
        } else if (x.bytes && y.bytes && isAscii(x.bytes, x.length) && isAscii(y.bytes, y.length)) {
            c = compareAsciiFolded(x.bytes, x.length, y.bytes, y.length);
        } else {
            auto text = [](const Comparable& v) {
                if (v.kind == Comparable::Kind::Number)
                    return QString::number(v.number, 'g', 15);
                if (v.kind == Comparable::Kind::Date)
                    return storedDateText(v.date);
                return v.asText();
            };
            const int r = text(x).compare(text(y), Qt::CaseInsensitive);
            c = r < 0 ? -1 : (r > 0 ? 1 : 0);
        }
        if (c != 0)
            return k.descending ? -c : c;
    }
    return 0;
}

} // namespace zrk::db
