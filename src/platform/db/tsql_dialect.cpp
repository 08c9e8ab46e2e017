#include "platform/db/tsql_dialect.h"

#include "platform/db/db_errors.h"
#include "platform/db/row_store.h"

#include <QDateTime>
#include <QSet>

namespace zrk::db::tsql {

namespace {

constexpr int kMaxNesting = 64;
const QString kSource = QStringLiteral("zrk.SQLite");
const QString kDefaultCollation = QStringLiteral("Chinese_PRC_CI_AS");

[[noreturn]] void unsupported(const QString& what) {
    throw Error(dberr::UnsupportedSyntax, kSource,
                QStringLiteral("The embedded database does not support this T-SQL construct: %1").arg(what));
}

[[noreturn]] void syntaxError(const QString& near) {
    throw Error(dberr::CommandFailed, kSource, QStringLiteral("Incorrect syntax near '%1'.").arg(near));
}

QString quoteName(const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString quoteText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

bool isIdentChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Writes tokens back as text, a blank where the source had one or where two words would touch.
class Writer {
public:
    void add(const QString& piece, bool space) {
        if (piece.isEmpty())
            return;
        if (!out_.isEmpty() && (space || (isIdentChar(out_.back()) && isIdentChar(piece.front()))))
            out_ += QLatin1Char(' ');
        out_ += piece;
    }
    const QString& text() const { return out_; }

private:
    QString out_;
};

int closeParen(const Tokens& t, int open, int end) {
    int depth = 0;
    for (int i = open; i < end; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")") && --depth == 0)
            return i;
    }
    return -1;
}

struct Range {
    int b;
    int e;
    bool empty() const { return b >= e; }
};

// Splits [b, e) at the commas of parenthesis depth 0.
std::vector<Range> splitCommas(const Tokens& t, int b, int e) {
    std::vector<Range> parts;
    int depth = 0;
    int start = b;
    for (int i = b; i < e; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")"))
            --depth;
        else if (depth == 0 && t[i].isSymbol(",")) {
            parts.push_back({start, i});
            start = i + 1;
        }
    }
    if (start < e || !parts.empty())
        parts.push_back({start, e});
    return parts;
}

int findWordAtDepth0(const Tokens& t, int b, int e, const char* word) {
    int depth = 0;
    for (int i = b; i < e; ++i) {
        if (t[i].isSymbol("("))
            ++depth;
        else if (t[i].isSymbol(")"))
            --depth;
        else if (depth == 0 && t[i].isWord(word))
            return i;
    }
    return -1;
}

bool isStatementKeyword(const QString& up) {
    static const QSet<QString> words = {
        QStringLiteral("SELECT"),    QStringLiteral("INSERT"),   QStringLiteral("UPDATE"),
        QStringLiteral("DELETE"),    QStringLiteral("CREATE"),   QStringLiteral("ALTER"),
        QStringLiteral("DROP"),      QStringLiteral("TRUNCATE"), QStringLiteral("IF"),
        QStringLiteral("BEGIN"),     QStringLiteral("END"),      QStringLiteral("ELSE"),
        QStringLiteral("EXEC"),      QStringLiteral("EXECUTE"),  QStringLiteral("SET"),
        QStringLiteral("DECLARE"),   QStringLiteral("PRINT"),    QStringLiteral("WHILE"),
        QStringLiteral("RETURN"),    QStringLiteral("GO"),       QStringLiteral("COMMIT"),
        QStringLiteral("ROLLBACK"),  QStringLiteral("WITH"),     QStringLiteral("USE"),
        QStringLiteral("GRANT"),     QStringLiteral("REVOKE"),   QStringLiteral("DENY"),
        QStringLiteral("RAISERROR"), QStringLiteral("MERGE"),    QStringLiteral("BREAK"),
        QStringLiteral("CONTINUE"),  QStringLiteral("WAITFOR"),  QStringLiteral("SAVE")};
    return words.contains(up);
}

struct Unit {
    int b = 0;
    int e = 0;
    QString lead; // upper-case leading keyword, or the first token's text for anything else
    QString kind; // the statement the splitter is in: the lead, or what follows a WITH clause
};

// The statements of a batch: SQL Server needs no semicolons because every statement starts
// with a keyword; the few places where such a keyword continues the statement are handled.
std::vector<Unit> splitUnits(const Tokens& t) {
    std::vector<Unit> units;
    const int n = static_cast<int>(t.size());
    int depth = 0;
    int caseDepth = 0;
    bool forceNew = true;
    bool seenBody = false; // INSERT: its SELECT or VALUES seen; UPDATE: its SET seen
    Unit current;
    current.b = -1;
    auto close = [&](int end) {
        if (current.b >= 0 && end > current.b) {
            current.e = end;
            units.push_back(current);
        }
        current = Unit();
        current.b = -1;
    };
    for (int i = 0; i < n; ++i) {
        const Token& k = t[i];
        if (depth == 0 && k.isSymbol(";")) {
            close(i);
            forceNew = true;
            continue;
        }
        bool starts = forceNew || current.b < 0;
        QString up;
        if (k.kind == Token::Kind::Word) {
            up = k.text.toUpper();
            if (up == QLatin1String("CASE")) {
                ++caseDepth;
            } else if (up == QLatin1String("END") && caseDepth > 0) {
                --caseDepth;
            } else if (up == QLatin1String("ELSE") && caseDepth > 0) {
            } else if (depth == 0 && !starts && isStatementKeyword(up)) {
                const Token& prev = t[i - 1];
                const QString& lead = current.kind;
                // ON DELETE / ON UPDATE belong to a foreign key; every other keyword after ON
                // ("Set Nocount on") starts a statement.
                bool continues =
                    prev.isWord("ON") && (up == QLatin1String("DELETE") || up == QLatin1String("UPDATE"));
                if (up == QLatin1String("SELECT")) {
                    continues = continues || (lead == QLatin1String("INSERT") && !seenBody) ||
                                prev.isWord("UNION") || prev.isWord("ALL") || prev.isWord("EXCEPT") ||
                                prev.isWord("INTERSECT") ||
                                ((lead == QLatin1String("CREATE") || lead == QLatin1String("WITH")) &&
                                 (prev.isWord("AS") || prev.isSymbol(")")));
                } else if (up == QLatin1String("SET")) {
                    continues = continues || (lead == QLatin1String("UPDATE") && !seenBody);
                } else if (up == QLatin1String("IF")) {
                    continues =
                        continues || prev.isWord("TABLE") || prev.isWord("VIEW") || prev.isWord("INDEX");
                } else if (up == QLatin1String("DROP") || up == QLatin1String("ALTER")) {
                    continues = continues || (lead == QLatin1String("ALTER") && i - current.b <= 5);
                } else if (up == QLatin1String("WITH")) {
                    continues = !(i + 2 < n && t[i + 1].isName() && t[i + 2].isWord("AS"));
                } else if (up == QLatin1String("INSERT") || up == QLatin1String("UPDATE") ||
                           up == QLatin1String("DELETE")) {
                    continues = continues || prev.isWord("FOR") || prev.isSymbol(",") ||
                                (lead == QLatin1String("WITH") && prev.isSymbol(")"));
                }
                starts = !continues;
            }
        }
        if (starts) {
            close(i);
            current.b = i;
            current.lead = up.isEmpty() ? k.text : up;
            current.kind = current.lead;
            seenBody = false;
            forceNew = up == QLatin1String("END") || up == QLatin1String("ELSE") ||
                       (up == QLatin1String("BEGIN") &&
                        !(i + 1 < n && (t[i + 1].isWord("TRAN") || t[i + 1].isWord("TRANSACTION"))));
        } else {
            if (depth == 0 && current.kind == QLatin1String("WITH") &&
                (up == QLatin1String("INSERT") || up == QLatin1String("UPDATE") ||
                 up == QLatin1String("DELETE"))) {
                current.kind = up;
                seenBody = false;
            } else if (depth == 0 && current.kind == QLatin1String("INSERT") &&
                       (up == QLatin1String("SELECT") || up == QLatin1String("VALUES") ||
                        up == QLatin1String("EXEC")))
                seenBody = true;
            else if (depth == 0 && current.kind == QLatin1String("UPDATE") && up == QLatin1String("SET"))
                seenBody = true;
        }
        if (k.isSymbol("("))
            ++depth;
        else if (k.isSymbol(")") && depth > 0)
            --depth;
    }
    close(n);
    return units;
}

struct TypeInfo {
    QString declared;
    bool text = false;
};

TypeInfo mapType(const QString& name, const QStringList& args) {
    const QString n = name.toLower();
    auto withArgs = [&](const QString& base) {
        bool numeric = !args.isEmpty();
        for (const QString& a : args) {
            bool ok = false;
            a.toInt(&ok);
            numeric = numeric && ok;
        }
        return numeric ? base + QLatin1Char('(') + args.join(QLatin1Char(',')) + QLatin1Char(')') : base;
    };
    if (n == QLatin1String("int") || n == QLatin1String("integer"))
        return {QStringLiteral("INT")};
    if (n == QLatin1String("smallint") || n == QLatin1String("tinyint") || n == QLatin1String("bigint") ||
        n == QLatin1String("bit") || n == QLatin1String("money") || n == QLatin1String("smallmoney") ||
        n == QLatin1String("float") || n == QLatin1String("real"))
        return {n.toUpper()};
    if (n == QLatin1String("decimal") || n == QLatin1String("numeric"))
        return {withArgs(QStringLiteral("DECIMAL"))};
    if (n == QLatin1String("char") || n == QLatin1String("nchar") || n == QLatin1String("varchar") ||
        n == QLatin1String("nvarchar"))
        return {withArgs(n.toUpper()), true};
    if (n == QLatin1String("text") || n == QLatin1String("ntext"))
        return {n.toUpper(), true};
    if (n == QLatin1String("sysname"))
        return {QStringLiteral("NVARCHAR(128)"), true};
    // Dates are kept as text: a DATETIME declaration would give the column numeric affinity,
    // which turns '2020-01-02' into 2020 under CAST and arithmetic.
    if (n == QLatin1String("datetime") || n == QLatin1String("smalldatetime") || n == QLatin1String("date") ||
        n == QLatin1String("datetime2") || n == QLatin1String("time"))
        return {n.toUpper() + QStringLiteral(" TEXT")};
    if (n == QLatin1String("image") || n == QLatin1String("varbinary") || n == QLatin1String("binary"))
        return {n.toUpper() + QStringLiteral(" BLOB")};
    if (n == QLatin1String("uniqueidentifier"))
        return {QStringLiteral("UNIQUEIDENTIFIER TEXT")};
    unsupported(QStringLiteral("data type '%1'").arg(name));
}

// What the translator knows of a value's type, enough to choose the division and the date
// comparison SQL Server would make.
enum class ValueType { Int, Real, Text, DateTime, DateOnly, Unknown };

bool isDateType(ValueType v) {
    return v == ValueType::DateTime || v == ValueType::DateOnly;
}

// The type of an expression mixing two types, by SQL Server's precedence: dates over numbers,
// decimals over integers, numbers over texts.
ValueType combine(ValueType a, ValueType b) {
    if (a == b)
        return a;
    if (a == ValueType::Unknown || b == ValueType::Unknown)
        return ValueType::Unknown;
    if (isDateType(a) || isDateType(b))
        return isDateType(a) ? a : b;
    if (a == ValueType::Real || b == ValueType::Real)
        return ValueType::Real;
    return ValueType::Int; // Int with Text
}

ValueType typeFromDeclared(const QString& declared) {
    const QString d = declared.trimmed().toUpper();
    if (d.startsWith(QLatin1String("DATETIME")) || d.startsWith(QLatin1String("SMALLDATETIME")) ||
        d.startsWith(QLatin1String("TIMESTAMP")))
        return ValueType::DateTime;
    if (d == QLatin1String("DATE") || d.startsWith(QLatin1String("DATE ")))
        return ValueType::DateOnly;
    switch (kindFromDeclaredType(declared)) {
    case FieldKind::Boolean:
    case FieldKind::Int16:
    case FieldKind::Int32:
    case FieldKind::Int64:
        return ValueType::Int;
    case FieldKind::Double:
        return ValueType::Real;
    case FieldKind::Text:
        return ValueType::Text;
    default:
        return ValueType::Unknown;
    }
}

// The type a CONVERT or CAST gives, from the T-SQL type name.
ValueType typeFromTsqlName(const QString& name) {
    const QString n = name.toLower();
    if (n == QLatin1String("date"))
        return ValueType::DateOnly;
    if (n == QLatin1String("datetime") || n == QLatin1String("smalldatetime") ||
        n == QLatin1String("datetime2"))
        return ValueType::DateTime;
    if (n == QLatin1String("int") || n == QLatin1String("bigint") || n == QLatin1String("smallint") ||
        n == QLatin1String("tinyint") || n == QLatin1String("bit"))
        return ValueType::Int;
    if (n == QLatin1String("decimal") || n == QLatin1String("numeric") || n == QLatin1String("money") ||
        n == QLatin1String("smallmoney") || n == QLatin1String("float") || n == QLatin1String("real"))
        return ValueType::Real;
    if (n.contains(QLatin1String("char")) || n.contains(QLatin1String("text")))
        return ValueType::Text;
    return ValueType::Unknown;
}

// Words that end a table source rather than name its alias, or start a clause.
bool isClauseWord(const Token& k) {
    static const QSet<QString> words = {
        QStringLiteral("WHERE"),  QStringLiteral("INNER"),     QStringLiteral("LEFT"),
        QStringLiteral("RIGHT"),  QStringLiteral("FULL"),      QStringLiteral("CROSS"),
        QStringLiteral("JOIN"),   QStringLiteral("ON"),        QStringLiteral("GROUP"),
        QStringLiteral("ORDER"),  QStringLiteral("HAVING"),    QStringLiteral("UNION"),
        QStringLiteral("WITH"),   QStringLiteral("SET"),       QStringLiteral("OUTER"),
        QStringLiteral("SELECT"), QStringLiteral("INTO"),      QStringLiteral("VALUES"),
        QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"), QStringLiteral("FROM"),
        QStringLiteral("AND"),    QStringLiteral("OR"),        QStringLiteral("NOT"),
        QStringLiteral("WHEN"),   QStringLiteral("THEN"),      QStringLiteral("ELSE"),
        QStringLiteral("END"),    QStringLiteral("OPTION"),    QStringLiteral("DEFAULT"),
        QStringLiteral("IN"),     QStringLiteral("EXISTS"),    QStringLiteral("AS"),
        QStringLiteral("BY"),     QStringLiteral("CASE"),      QStringLiteral("BETWEEN"),
        QStringLiteral("LIKE"),   QStringLiteral("IS"),        QStringLiteral("DISTINCT"),
        QStringLiteral("TOP"),    QStringLiteral("RETURN"),    QStringLiteral("ALL"),
        QStringLiteral("IF"),     QStringLiteral("WHILE"),     QStringLiteral("PRIMARY")};
    return k.kind == Token::Kind::Word && words.contains(k.text.toUpper());
}

bool isArithmetic(const Token& k) {
    return k.isSymbol("+") || k.isSymbol("-") || k.isSymbol("*") || k.isSymbol("/") || k.isSymbol("%") ||
           k.isSymbol("||") || k.isSymbol("&") || k.isSymbol("|") || k.isSymbol("^") || k.isSymbol("~") ||
           k.isSymbol(".");
}

// Where the operand starting at k ends: a literal, a (dotted) name, a function call, a
// parenthesised expression or a CASE ... END. -1 for anything else.
int primaryEnd(const Tokens& t, int k, int e) {
    if (k >= e)
        return -1;
    if (t[k].isSymbol("(")) {
        const int c = closeParen(t, k, e);
        return c < 0 ? -1 : c + 1;
    }
    if (t[k].kind == Token::Kind::Number || t[k].kind == Token::Kind::String)
        return k + 1;
    if (t[k].isWord("CASE")) {
        int depth = 0;
        for (int i = k; i < e; ++i) {
            if (t[i].isWord("CASE"))
                ++depth;
            else if (t[i].isWord("END") && --depth == 0)
                return i + 1;
        }
        return -1;
    }
    if (!t[k].isName())
        return -1;
    ++k;
    while (k + 1 < e && t[k].isSymbol(".") && t[k + 1].isName())
        k += 2;
    if (k < e && t[k].isSymbol("(")) {
        const int c = closeParen(t, k, e);
        return c < 0 ? -1 : c + 1;
    }
    return k;
}

// Where the operand ending just before end starts, within [b, end); -1 when it is not one
// primaryEnd would read.
int primaryStart(const Tokens& t, int b, int end) {
    int k = end - 1;
    if (k < b)
        return -1;
    if (t[k].isSymbol(")")) {
        int depth = 0;
        for (; k >= b; --k) {
            if (t[k].isSymbol(")"))
                ++depth;
            else if (t[k].isSymbol("(") && --depth == 0)
                break;
        }
        if (k < b)
            return -1;
        if (k - 1 >= b && t[k - 1].isName() && !isClauseWord(t[k - 1])) {
            --k;
            while (k - 2 >= b && t[k - 1].isSymbol(".") && t[k - 2].isName())
                k -= 2;
        }
        return k;
    }
    if (t[k].isWord("END")) {
        int depth = 0;
        for (; k >= b; --k) {
            if (t[k].isWord("END"))
                ++depth;
            else if (t[k].isWord("CASE") && --depth == 0)
                return k;
        }
        return -1;
    }
    if (t[k].kind == Token::Kind::Number || t[k].kind == Token::Kind::String)
        return k;
    if (!t[k].isName() || isClauseWord(t[k]))
        return -1;
    while (k - 2 >= b && t[k - 1].isSymbol(".") && t[k - 2].isName())
        k -= 2;
    return k;
}

// A date literal: the text, and the moment it means in one of the forms the console writes
// (yyyy-M-d, yyyy/M/d, yyyy.M.d or yyyyMMdd, then H:mm[:ss[.fff]] after a blank or a 'T').
struct DateLiteral {
    QString text;
    QDateTime moment;      // invalid when the text is not such a date
    bool dateLike = false; // the text starts as a date, or was converted to one explicitly
    bool outOfRange = false;
};

void parseDateLiteral(DateLiteral& literal) {
    const QString s = literal.text.trimmed();
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto number = [&](int minDigits, int maxDigits, int& out) {
        int count = 0;
        out = 0;
        while (i < n && count < maxDigits && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            out = out * 10 + (s[i].unicode() - '0');
            ++i;
            ++count;
        }
        return count >= minDigits;
    };
    int digits = 0;
    while (digits < n && s[digits] >= QLatin1Char('0') && s[digits] <= QLatin1Char('9'))
        ++digits;
    int y = 0, mo = 0, d = 0;
    if (digits == 8) {
        literal.dateLike = true;
        number(4, 4, y);
        number(2, 2, mo);
        number(2, 2, d);
    } else if (digits == 4 && n > 4 &&
               (s[4] == QLatin1Char('-') || s[4] == QLatin1Char('/') || s[4] == QLatin1Char('.'))) {
        literal.dateLike = true;
        const QChar separator = s[4];
        number(4, 4, y);
        ++i;
        if (!number(1, 2, mo) || i >= n || s[i] != separator)
            return;
        ++i;
        if (!number(1, 2, d))
            return;
    } else {
        return;
    }
    int h = 0, mi = 0, sec = 0, ms = 0;
    if (i < n) {
        if (s[i] != QLatin1Char(' ') && s[i] != QLatin1Char('T'))
            return;
        while (i < n && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('T')))
            ++i;
        if (!number(1, 2, h) || i >= n || s[i] != QLatin1Char(':'))
            return;
        ++i;
        if (!number(2, 2, mi))
            return;
        if (i < n && s[i] == QLatin1Char(':')) {
            ++i;
            if (!number(2, 2, sec))
                return;
            if (i < n && s[i] == QLatin1Char('.')) {
                ++i;
                const qsizetype start = i;
                if (!number(1, 3, ms))
                    return;
                for (qsizetype k = i - start; k < 3; ++k)
                    ms *= 10;
            }
        }
        if (i < n)
            return;
    }
    const QDate date(y, mo, d);
    const QTime time(h, mi, sec, ms);
    if (!date.isValid() || !time.isValid()) {
        literal.outOfRange = true;
        return;
    }
    literal.moment = QDateTime(date, time);
}

// The moment of a literal compared with a date; a text SQL Server would refuse, or one in a
// form not read here, raises an Error naming it.
QDateTime requireDate(const DateLiteral& literal) {
    if (literal.outOfRange)
        throw Error(dberr::CommandFailed, kSource,
                    QStringLiteral("The conversion of a varchar data type to a datetime data type resulted "
                                   "in an out-of-range value: '%1'.")
                        .arg(literal.text));
    if (!literal.moment.isValid())
        unsupported(QStringLiteral("the date '%1' in a comparison with a date").arg(literal.text));
    return literal.moment;
}

// The texts a stored date is compared with. A date is kept as "yyyy-MM-dd HH:mm:ss[.zzz]", or
// as "yyyy-MM-dd" alone when a statement wrote a date without a time. low is the smallest text
// among the ones meaning the moment, high the largest; every text between means the moment.
struct DateKeys {
    QString low;
    QString high;
};

DateKeys dateKeys(QDateTime moment, bool dateOnly) {
    if (dateOnly)
        moment.setTime(QTime(0, 0));
    const QString full = storedDateText(moment);
    DateKeys keys;
    keys.low = moment.time() == QTime(0, 0) ? moment.date().toString(QStringLiteral("yyyy-MM-dd")) : full;
    keys.high = moment.time().msec() != 0 ? full : full + QStringLiteral(".000");
    return keys;
}

struct TableSource {
    QString table; // empty for a derived table
    QString alias;
};

class Translator {
public:
    Translator(Program& program, SchemaReader* schema) : program_(program), schema_(schema) {}

    QString expr(const Tokens& t, int b, int e, int nest);
    std::vector<Step> statement(const Tokens& t, const Unit& u);
    // Reads the tables a statement names, for the types of the columns it uses.
    void enterStatement(const Tokens& t, int b, int e);

private:
    const TableColumns* tableColumns(const QString& table);
    ValueType columnType(const QString& qualifier, const QString& column);
    ValueType operandType(const Tokens& t, int b, int e);
    ValueType expressionType(const Tokens& t, int b, int e);
    ValueType caseType(const Tokens& t, int b, int e);
    ValueType functionType(const Tokens& t, int name, int open, int close);
    bool integerDivision(const Tokens& t, int b, int slash, int e);
    std::optional<DateLiteral> dateLiteral(const Tokens& t, int b, int e);
    int dateComparison(const Tokens& t, int b, int e, int i, int nest, Writer& out);
    QString function(const Tokens& t, int i, int close, int e, int nest, bool& isDate);
    QString convertTo(const Tokens& t, Range type, const QString& value, const QString& style, int nest);
    int operandEnd(const Tokens& t, int k, int e) const;
    QString name(const Tokens& t, int b, int e, bool* temp = nullptr) const;
    QString assignments(const Tokens& t, int b, int e);
    QString columnDefinition(const Tokens& t, Range r, bool* identity, TableColumns* declared = nullptr);
    Step sql(const QString& text) const {
        Step s;
        s.kind = Step::Kind::Sql;
        s.sql = text;
        return s;
    }
    std::vector<Step> createTable(const Tokens& t, const Unit& u);
    std::vector<Step> alterTable(const Tokens& t, const Unit& u);
    std::vector<Step> update(const Tokens& t, const Unit& u);

    Program& program_;
    SchemaReader* schema_;
    std::vector<TableSource> sources_;
    QHash<QString, TableColumns> tables_; // by lower-case name: created by the batch, or read
};

QString Translator::name(const Tokens& t, int b, int e, bool* temp) const {
    // The last part of a dotted name: [dbo].[t], dbo.t, db..t -> t.
    QString last;
    for (int i = b; i < e; ++i) {
        if (t[i].isName())
            last = t[i].text;
        else if (!t[i].isSymbol("."))
            syntaxError(t[i].text);
    }
    if (last.isEmpty())
        syntaxError(b < static_cast<int>(t.size()) ? t[b].text : QString());
    if (temp)
        *temp = last.startsWith(QLatin1Char('#'));
    return last;
}

void Translator::enterStatement(const Tokens& t, int b, int e) {
    sources_.clear();
    auto source = [&](int k) {
        if (k >= e)
            return e;
        TableSource s;
        if (t[k].isSymbol("(")) {
            const int c = closeParen(t, k, e);
            if (c < 0)
                return e;
            k = c + 1;
        } else if (t[k].isName() && !isClauseWord(t[k])) {
            int nameEnd = k + 1;
            while (nameEnd + 1 < e && t[nameEnd].isSymbol(".") && t[nameEnd + 1].isName())
                nameEnd += 2;
            s.table = t[nameEnd - 1].text;
            k = nameEnd;
        } else {
            return k;
        }
        if (k + 2 < e && t[k].isSymbol("(") && t[k + 2].isSymbol(")") &&
            (t[k + 1].isWord("NOLOCK") || t[k + 1].isWord("READPAST")))
            k += 3;
        if (k < e && t[k].isWord("AS"))
            ++k;
        if (k < e && t[k].isName() && !isClauseWord(t[k]))
            s.alias = t[k++].text;
        sources_.push_back(s);
        return k;
    };
    for (int i = b; i < e; ++i) {
        if (t[i].isWord("FROM")) {
            int k = source(i + 1);
            while (k < e && t[k].isSymbol(","))
                k = source(k + 1);
        } else if (t[i].isWord("JOIN") || t[i].isWord("INTO") || (i == b && t[i].isWord("UPDATE"))) {
            source(i + 1);
        }
    }
}

const TableColumns* Translator::tableColumns(const QString& table) {
    const QString key = table.toLower();
    auto it = tables_.constFind(key);
    if (it == tables_.constEnd()) {
        if (!schema_)
            return nullptr;
        TableColumns columns = schema_->columns(table);
        program_.tablesRead.push_back({table, columns});
        it = tables_.insert(key, std::move(columns));
    }
    return it->empty() ? nullptr : &*it;
}

ValueType Translator::columnType(const QString& qualifier, const QString& column) {
    std::vector<const TableSource*> matches;
    if (!qualifier.isEmpty()) {
        for (const TableSource& s : sources_)
            if (s.alias.compare(qualifier, Qt::CaseInsensitive) == 0)
                matches.push_back(&s);
        if (matches.empty())
            for (const TableSource& s : sources_)
                if (s.alias.isEmpty() && s.table.compare(qualifier, Qt::CaseInsensitive) == 0)
                    matches.push_back(&s);
    } else {
        for (const TableSource& s : sources_)
            matches.push_back(&s);
    }
    bool found = false;
    ValueType type = ValueType::Unknown;
    for (const TableSource* s : matches) {
        const TableColumns* columns = s->table.isEmpty() ? nullptr : tableColumns(s->table);
        if (!columns)
            return ValueType::Unknown; // a derived or unknown table may hold the column
        for (const auto& [name, declared] : *columns) {
            if (name.compare(column, Qt::CaseInsensitive) != 0)
                continue;
            const ValueType v = typeFromDeclared(declared);
            if (found && v != type)
                return ValueType::Unknown;
            type = v;
            found = true;
        }
    }
    return type;
}

ValueType Translator::caseType(const Tokens& t, int b, int e) {
    // CASE ... THEN x ... [ELSE y] END: the results at this CASE's own level.
    ValueType type = ValueType::Unknown;
    bool any = false;
    int depth = 0;
    int start = -1;
    auto result = [&](int end) {
        if (start < 0)
            return;
        const ValueType v = expressionType(t, start, end);
        type = any ? combine(type, v) : v;
        any = true;
        start = -1;
    };
    for (int i = b + 1; i < e - 1; ++i) {
        if (t[i].isSymbol("(") || t[i].isWord("CASE")) {
            ++depth;
        } else if (t[i].isSymbol(")") || t[i].isWord("END")) {
            --depth;
        } else if (depth == 0 && (t[i].isWord("WHEN") || t[i].isWord("ELSE") || t[i].isWord("THEN"))) {
            result(i);
            if (!t[i].isWord("WHEN"))
                start = i + 1;
        }
    }
    result(e - 1);
    return any ? type : ValueType::Unknown;
}

ValueType Translator::functionType(const Tokens& t, int name, int open, int close) {
    const QString up = t[name].text.toUpper();
    static const QSet<QString> integers = {
        QStringLiteral("COUNT"),     QStringLiteral("LEN"),        QStringLiteral("CHARINDEX"),
        QStringLiteral("DATEDIFF"),  QStringLiteral("DATEPART"),   QStringLiteral("YEAR"),
        QStringLiteral("MONTH"),     QStringLiteral("DAY"),        QStringLiteral("DATALENGTH"),
        QStringLiteral("ISDATE"),    QStringLiteral("ISNUMERIC"),  QStringLiteral("ROW_NUMBER"),
        QStringLiteral("RANK"),      QStringLiteral("DENSE_RANK"), QStringLiteral("ASCII"),
        QStringLiteral("UNICODE"),   QStringLiteral("PATINDEX"),   QStringLiteral("OBJECT_ID"),
        QStringLiteral("COUNT_BIG"), QStringLiteral("SIGN")};
    static const QSet<QString> firstArgument = {
        QStringLiteral("SUM"),   QStringLiteral("MIN"),     QStringLiteral("MAX"),
        QStringLiteral("AVG"),   QStringLiteral("ABS"),     QStringLiteral("ROUND"),
        QStringLiteral("FLOOR"), QStringLiteral("CEILING"), QStringLiteral("ISNULL")};
    if (integers.contains(up))
        return ValueType::Int;
    if (up == QLatin1String("GETDATE") || up == QLatin1String("DATEADD") ||
        up == QLatin1String("CURRENT_TIMESTAMP"))
        return ValueType::DateTime;
    const auto args = splitCommas(t, open + 1, close);
    if (args.empty() || args[0].empty())
        return ValueType::Unknown;
    if (up == QLatin1String("CONVERT"))
        return t[args[0].b].isName() ? typeFromTsqlName(t[args[0].b].text) : ValueType::Unknown;
    if (up == QLatin1String("CAST")) {
        const int as = findWordAtDepth0(t, args[0].b, args[0].e, "AS");
        return as >= 0 && as + 1 < args[0].e && t[as + 1].isName() ? typeFromTsqlName(t[as + 1].text)
                                                                   : ValueType::Unknown;
    }
    if (firstArgument.contains(up)) {
        int b = args[0].b;
        if (t[b].isWord("DISTINCT") || t[b].isWord("ALL"))
            ++b;
        return expressionType(t, b, args[0].e);
    }
    if (up == QLatin1String("COALESCE")) {
        ValueType type = expressionType(t, args[0].b, args[0].e);
        for (std::size_t k = 1; k < args.size(); ++k)
            type = combine(type, expressionType(t, args[k].b, args[k].e));
        return type;
    }
    return ValueType::Unknown;
}

ValueType Translator::operandType(const Tokens& t, int b, int e) {
    while (b < e && (t[b].isSymbol("-") || t[b].isSymbol("+")))
        ++b;
    if (b >= e)
        return ValueType::Unknown;
    const Token& k = t[b];
    if (e - b == 1) {
        if (k.kind == Token::Kind::Number) {
            if (k.text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
                return ValueType::Int;
            return k.text.contains(QLatin1Char('.')) || k.text.contains(QLatin1Char('e'), Qt::CaseInsensitive)
                       ? ValueType::Real
                       : ValueType::Int;
        }
        if (k.kind == Token::Kind::String)
            return ValueType::Text;
        if (k.isWord("NULL"))
            return ValueType::Int; // takes the other operand's type
        if (k.isName() && !isClauseWord(k))
            return columnType(QString(), k.text);
        return ValueType::Unknown;
    }
    if (k.isSymbol("(") && closeParen(t, b, e) == e - 1)
        return b + 1 < e && t[b + 1].isWord("SELECT") ? ValueType::Unknown : expressionType(t, b + 1, e - 1);
    if (k.isWord("CASE") && t[e - 1].isWord("END"))
        return caseType(t, b, e);
    if (!k.isName())
        return ValueType::Unknown;
    int n = b + 1;
    while (n + 1 < e && t[n].isSymbol(".") && t[n + 1].isName())
        n += 2;
    if (n == e)
        return columnType(t[n - 3].text, t[n - 1].text);
    if (t[n].isSymbol("(") && closeParen(t, n, e) == e - 1)
        return functionType(t, n - 1, n, e - 1);
    return ValueType::Unknown;
}

ValueType Translator::expressionType(const Tokens& t, int b, int e) {
    ValueType type = ValueType::Unknown;
    bool any = false;
    int k = b;
    while (k < e) {
        int start = k;
        while (start < e && (t[start].isSymbol("-") || t[start].isSymbol("+")))
            ++start;
        const int end = primaryEnd(t, start, e);
        if (end < 0)
            return ValueType::Unknown;
        const ValueType v = operandType(t, start, end);
        type = any ? combine(type, v) : v;
        any = true;
        if (end == e)
            break;
        if (!(t[end].isSymbol("+") || t[end].isSymbol("-") || t[end].isSymbol("*") || t[end].isSymbol("/") ||
              t[end].isSymbol("%")))
            return ValueType::Unknown;
        k = end + 1;
    }
    return any ? type : ValueType::Unknown;
}

// SQL Server divides integers only when both operands are integers; a decimal, money or float
// operand, or one whose type is not known, makes the division exact.
bool Translator::integerDivision(const Tokens& t, int b, int slash, int e) {
    // The left operand: the products and quotients before the slash, evaluated left to right.
    ValueType left = ValueType::Int;
    int end = slash;
    for (;;) {
        const int start = primaryStart(t, b, end);
        if (start < 0)
            return false;
        left = combine(left, operandType(t, start, end));
        int before = start - 1;
        while (before >= b && (t[before].isSymbol("-") || t[before].isSymbol("+")) &&
               (before == b || primaryStart(t, b, before) < 0))
            --before; // a sign, not a sum
        if (before >= b && (t[before].isSymbol("*") || t[before].isSymbol("/") || t[before].isSymbol("%"))) {
            end = before;
            continue;
        }
        break;
    }
    int start = slash + 1;
    while (start < e && (t[start].isSymbol("-") || t[start].isSymbol("+")))
        ++start;
    const int rightEnd = primaryEnd(t, start, e);
    if (rightEnd < 0)
        return false;
    const ValueType right = operandType(t, start, rightEnd);
    if (left == ValueType::Text && right == ValueType::Text)
        return false;
    return combine(left, right) == ValueType::Int;
}

std::optional<DateLiteral> Translator::dateLiteral(const Tokens& t, int b, int e) {
    // 'text', CONVERT(datetime, 'text') or CAST('text' AS datetime)
    int text = -1;
    if (e - b == 1 && t[b].kind == Token::Kind::String) {
        text = b;
    } else if (e - b == 6 && t[b + 1].isSymbol("(") && t[e - 1].isSymbol(")")) {
        if (t[b].isWord("CONVERT") && t[b + 2].isName() && isDateType(typeFromTsqlName(t[b + 2].text)) &&
            t[b + 3].isSymbol(",") && t[b + 4].kind == Token::Kind::String)
            text = b + 4;
        else if (t[b].isWord("CAST") && t[b + 2].kind == Token::Kind::String && t[b + 3].isWord("AS") &&
                 t[b + 4].isName() && isDateType(typeFromTsqlName(t[b + 4].text)))
            text = b + 2;
    }
    if (text < 0)
        return std::nullopt;
    DateLiteral literal;
    literal.text = t[text].text;
    parseDateLiteral(literal);
    literal.dateLike = literal.dateLike || text != b;
    if (!literal.dateLike)
        return std::nullopt; // a text such as '' or 'x' keeps its text comparison
    return literal;
}

// A comparison of a date with a date literal, starting at token i: the literal becomes the
// texts the stored dates are compared with. Returns the token after the comparison, or -1 when
// the tokens at i are no such comparison.
int Translator::dateComparison(const Tokens& t, int b, int e, int i, int nest, Writer& out) {
    const Token& k = t[i];
    if (!(k.isName() || k.kind == Token::Kind::String) || (i > b && isArithmetic(t[i - 1])))
        return -1;
    const int leftEnd = primaryEnd(t, i, e);
    if (leftEnd < 0 || leftEnd >= e)
        return -1;
    int op = leftEnd;
    bool negated = false;
    if (t[op].isWord("NOT") && op + 1 < e && t[op + 1].isWord("BETWEEN")) {
        negated = true;
        ++op;
    }
    const bool between = t[op].isWord("BETWEEN");
    static const QSet<QString> comparisons = {
        QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("!="),
        QStringLiteral("<"),  QStringLiteral(">"),  QStringLiteral("<="),
        QStringLiteral(">="), QStringLiteral("!<"), QStringLiteral("!>")};
    if (!between && !(t[op].kind == Token::Kind::Symbol && comparisons.contains(t[op].text)))
        return -1;
    const int rightEnd = primaryEnd(t, op + 1, e);
    if (rightEnd < 0 || (rightEnd < e && isArithmetic(t[rightEnd])))
        return -1;
    if (between) {
        if (rightEnd >= e || !t[rightEnd].isWord("AND"))
            return -1;
        const int highEnd = primaryEnd(t, rightEnd + 1, e);
        if (highEnd < 0 || (highEnd < e && isArithmetic(t[highEnd])))
            return -1;
        const auto low = dateLiteral(t, op + 1, rightEnd);
        const auto high = dateLiteral(t, rightEnd + 1, highEnd);
        if (!low && !high)
            return -1;
        const ValueType type = operandType(t, i, leftEnd);
        if (!isDateType(type))
            return -1;
        const bool dateOnly = type == ValueType::DateOnly;
        out.add(QStringLiteral("(%1 %2BETWEEN %3 AND %4)")
                    .arg(expr(t, i, leftEnd, nest + 1), negated ? QStringLiteral("NOT ") : QString(),
                         low ? quoteText(dateKeys(requireDate(*low), dateOnly).low)
                             : expr(t, op + 1, rightEnd, nest + 1),
                         high ? quoteText(dateKeys(requireDate(*high), dateOnly).high)
                              : expr(t, rightEnd + 1, highEnd, nest + 1)),
                k.spaceBefore);
        return highEnd;
    }
    QString oper = t[op].text;
    if (oper == QLatin1String("!<"))
        oper = QStringLiteral(">=");
    else if (oper == QLatin1String("!>"))
        oper = QStringLiteral("<=");
    else if (oper == QLatin1String("!="))
        oper = QStringLiteral("<>");
    int dateB = i, dateE = leftEnd;
    std::optional<DateLiteral> literal = dateLiteral(t, op + 1, rightEnd);
    ValueType type = literal ? operandType(t, i, leftEnd) : ValueType::Unknown;
    if (!isDateType(type)) {
        literal = dateLiteral(t, i, leftEnd);
        if (!literal)
            return -1;
        type = operandType(t, op + 1, rightEnd);
        if (!isDateType(type))
            return -1;
        dateB = op + 1;
        dateE = rightEnd;
        if (oper.startsWith(QLatin1Char('<')) && oper != QLatin1String("<>"))
            oper.replace(0, 1, QLatin1Char('>'));
        else if (oper.startsWith(QLatin1Char('>')))
            oper.replace(0, 1, QLatin1Char('<'));
    }
    const DateKeys keys = dateKeys(requireDate(*literal), type == ValueType::DateOnly);
    const QString date = expr(t, dateB, dateE, nest + 1);
    QString text;
    if (oper == QLatin1String("="))
        text = QStringLiteral("(%1 BETWEEN %2 AND %3)").arg(date, quoteText(keys.low), quoteText(keys.high));
    else if (oper == QLatin1String("<>"))
        text =
            QStringLiteral("(%1 NOT BETWEEN %2 AND %3)").arg(date, quoteText(keys.low), quoteText(keys.high));
    else if (oper == QLatin1String("<") || oper == QLatin1String(">="))
        text = QStringLiteral("(%1 %2 %3)").arg(date, oper, quoteText(keys.low));
    else
        text = QStringLiteral("(%1 %2 %3)").arg(date, oper, quoteText(keys.high));
    out.add(text, k.spaceBefore);
    return rightEnd;
}

int Translator::operandEnd(const Tokens& t, int k, int e) const {
    if (k < e && t[k].isSymbol("-"))
        ++k;
    return primaryEnd(t, k, e);
}

QString Translator::convertTo(const Tokens& t, Range type, const QString& value, const QString& style,
                              int nest) {
    if (type.empty() || !t[type.b].isName())
        syntaxError(QStringLiteral("CONVERT"));
    const QString n = t[type.b].text.toLower();
    QString length;
    QString scale;
    if (type.b + 1 < type.e && t[type.b + 1].isSymbol("(")) {
        const auto args = splitCommas(t, type.b + 2, type.e - 1);
        if (!args.empty())
            length = expr(t, args[0].b, args[0].e, nest + 1);
        if (args.size() > 1)
            scale = expr(t, args[1].b, args[1].e, nest + 1);
    }
    if (n == QLatin1String("datetime") || n == QLatin1String("smalldatetime") || n == QLatin1String("date") ||
        n == QLatin1String("datetime2"))
        return n == QLatin1String("date") ? QStringLiteral("zrk_date(%1)").arg(value)
                                          : QStringLiteral("zrk_datetime(%1)").arg(value);
    if (n == QLatin1String("varchar") || n == QLatin1String("nvarchar") || n == QLatin1String("char") ||
        n == QLatin1String("nchar") || n == QLatin1String("text") || n == QLatin1String("ntext")) {
        QString text = style.isEmpty() ? QStringLiteral("zrk_text(%1)").arg(value)
                                       : QStringLiteral("zrk_datetext(%1, %2)").arg(value, style);
        bool numeric = false;
        length.toInt(&numeric);
        return numeric ? QStringLiteral("substr(%1, 1, %2)").arg(text, length) : text;
    }
    if (n == QLatin1String("int") || n == QLatin1String("bigint") || n == QLatin1String("smallint") ||
        n == QLatin1String("tinyint"))
        return QStringLiteral("CAST(%1 AS INTEGER)").arg(value);
    if (n == QLatin1String("decimal") || n == QLatin1String("numeric") || n == QLatin1String("money"))
        return scale.isEmpty() ? QStringLiteral("CAST(%1 AS REAL)").arg(value)
                               : QStringLiteral("round(CAST(%1 AS REAL), %2)").arg(value, scale);
    if (n == QLatin1String("float") || n == QLatin1String("real"))
        return QStringLiteral("CAST(%1 AS REAL)").arg(value);
    unsupported(QStringLiteral("conversion to '%1'").arg(t[type.b].text));
}

QString Translator::function(const Tokens& t, int i, int close, int e, int nest, bool& isDate) {
    (void)e;
    const QString up = t[i].text.toUpper();
    const auto args = splitCommas(t, i + 2, close);
    auto arg = [&](std::size_t k) {
        if (k >= args.size() || args[k].empty())
            syntaxError(t[i].text);
        return expr(t, args[k].b, args[k].e, nest + 1);
    };
    auto datePart = [&]() {
        if (args.empty() || args[0].e - args[0].b != 1 || !t[args[0].b].isName())
            syntaxError(t[i].text);
        return quoteText(t[args[0].b].text.toLower());
    };
    isDate = false;
    if (up == QLatin1String("CONVERT")) {
        if (args.size() < 2)
            syntaxError(t[i].text);
        const QString value = arg(1);
        const QString style = args.size() > 2 ? arg(2) : QString();
        const QString out = convertTo(t, args[0], value, style, nest);
        isDate = out.startsWith(QLatin1String("zrk_date"));
        return out;
    }
    if (up == QLatin1String("CAST")) {
        if (args.size() != 1)
            syntaxError(t[i].text);
        const int as = findWordAtDepth0(t, args[0].b, args[0].e, "AS");
        if (as < 0)
            syntaxError(t[i].text);
        const QString out =
            convertTo(t, {as + 1, args[0].e}, expr(t, args[0].b, as, nest + 1), QString(), nest);
        isDate = out.startsWith(QLatin1String("zrk_date"));
        return out;
    }
    if (up == QLatin1String("GETDATE") || up == QLatin1String("CURRENT_TIMESTAMP")) {
        isDate = true;
        return QStringLiteral("zrk_getdate()");
    }
    if (up == QLatin1String("OBJECT_ID"))
        return QStringLiteral("(SELECT id FROM temp.sysobjects WHERE name = zrk_objname(%1) COLLATE NOCASE)")
            .arg(arg(0));
    if (up == QLatin1String("OBJECTPROPERTY")) {
        if (args.size() != 2 || args[1].e - args[1].b != 1 || t[args[1].b].kind != Token::Kind::String)
            syntaxError(t[i].text);
        const QString property = t[args[1].b].text;
        QString xtype;
        if (property.compare(QLatin1String("IsUserTable"), Qt::CaseInsensitive) == 0 ||
            property.compare(QLatin1String("IsTable"), Qt::CaseInsensitive) == 0)
            xtype = QStringLiteral("U");
        else if (property.compare(QLatin1String("IsView"), Qt::CaseInsensitive) == 0)
            xtype = QStringLiteral("V");
        else
            unsupported(QStringLiteral("OBJECTPROPERTY '%1'").arg(property));
        return QStringLiteral("((%1) IN (SELECT id FROM temp.sysobjects WHERE xtype = '%2'))")
            .arg(arg(0), xtype);
    }
    if (up == QLatin1String("DATEADD"))
        return QStringLiteral("zrk_dateadd(%1, %2, %3)").arg(datePart(), arg(1), arg(2));
    if (up == QLatin1String("DATEDIFF"))
        return QStringLiteral("zrk_datediff(%1, %2, %3)").arg(datePart(), arg(1), arg(2));
    if (up == QLatin1String("DATEPART"))
        return QStringLiteral("zrk_datepart(%1, %2)").arg(datePart(), arg(1));
    if (up == QLatin1String("YEAR") || up == QLatin1String("MONTH") || up == QLatin1String("DAY"))
        return QStringLiteral("zrk_datepart('%1', %2)").arg(up.toLower(), arg(0));
    if (up == QLatin1String("CHARINDEX"))
        return args.size() > 2 ? QStringLiteral("zrk_charindex(%1, %2, %3)").arg(arg(0), arg(1), arg(2))
                               : QStringLiteral("zrk_charindex(%1, %2)").arg(arg(0), arg(1));
    return QString();
}

QString Translator::expr(const Tokens& t, int b, int e, int nest) {
    if (nest > kMaxNesting)
        unsupported(QStringLiteral("expressions nested more than %1 levels deep").arg(kMaxNesting));
    Writer out;
    struct Limit {
        int depth;
        QString count;
    };
    std::vector<Limit> limits;
    int depth = 0;
    for (int i = b; i < e; ++i) {
        const Token& k = t[i];
        const bool next = i + 1 < e;
        if (next && (k.isName() || k.kind == Token::Kind::String)) {
            const int after = dateComparison(t, b, e, i, nest, out);
            if (after >= 0) {
                i = after - 1;
                continue;
            }
        }
        if (k.isName() && k.text.compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0 && next &&
            t[i + 1].isSymbol(".")) {
            ++i;
            continue;
        }
        if (k.isName() && k.text.compare(QLatin1String("sys"), Qt::CaseInsensitive) == 0 && i + 2 < e &&
            t[i + 1].isSymbol(".") && t[i + 2].isName()) {
            if (t[i + 2].text.compare(QLatin1String("extended_properties"), Qt::CaseInsensitive) != 0)
                unsupported(QStringLiteral("catalogue view sys.%1").arg(t[i + 2].text));
            out.add(QStringLiteral("temp.zrk_sys_extended_properties"), k.spaceBefore);
            program_.usesExtendedProperties = true;
            i += 2;
            continue;
        }
        switch (k.kind) {
        case Token::Kind::String:
            out.add(quoteText(k.text), k.spaceBefore);
            continue;
        case Token::Kind::QuotedName:
            out.add(quoteName(k.text), k.spaceBefore);
            continue;
        case Token::Kind::Number:
            out.add(k.text, k.spaceBefore);
            continue;
        case Token::Kind::Symbol:
            if (k.isSymbol("(")) {
                // (NOLOCK) and similar table hints
                if (i + 2 < e && t[i + 2].isSymbol(")") &&
                    (t[i + 1].isWord("NOLOCK") || t[i + 1].isWord("READPAST"))) {
                    i += 2;
                    continue;
                }
                ++depth;
            } else if (k.isSymbol(")")) {
                while (!limits.empty() && limits.back().depth == depth) {
                    out.add(QStringLiteral("LIMIT ") + limits.back().count, true);
                    limits.pop_back();
                }
                --depth;
            } else if (k.isSymbol("+") && ((i > b && t[i - 1].kind == Token::Kind::String) ||
                                           (next && t[i + 1].kind == Token::Kind::String))) {
                out.add(QStringLiteral("||"), true);
                continue;
            } else if (k.isSymbol("/") && !integerDivision(t, b, i, e)) {
                out.add(QStringLiteral("* 1.0"), true);
            } else if (k.isSymbol("!<")) {
                out.add(QStringLiteral(">="), k.spaceBefore);
                continue;
            } else if (k.isSymbol("!>")) {
                out.add(QStringLiteral("<="), k.spaceBefore);
                continue;
            } else if (k.isSymbol("*=") || (k.isSymbol("=") && next && t[i + 1].isSymbol("*"))) {
                unsupported(QStringLiteral("old-style outer join '%1'").arg(k.text));
            }
            out.add(k.text, k.spaceBefore);
            continue;
        case Token::Kind::Word:
            break;
        }
        const QString up = k.text.toUpper();
        if (up.startsWith(QLatin1Char('@')))
            unsupported(QStringLiteral("variable '%1'").arg(k.text));
        if (up.startsWith(QLatin1Char('#'))) {
            out.add(quoteName(k.text), k.spaceBefore);
            continue;
        }
        if ((up == QLatin1String("ON") || up == QLatin1String("TEXTIMAGE_ON") ||
             up == QLatin1String("FILESTREAM_ON")) &&
            next && t[i + 1].isName() &&
            t[i + 1].text.compare(QLatin1String("PRIMARY"), Qt::CaseInsensitive) == 0 &&
            !(i + 2 < e && t[i + 2].isWord("KEY"))) {
            ++i;
            continue;
        }
        if (up == QLatin1String("CLUSTERED") || up == QLatin1String("NONCLUSTERED"))
            continue;
        if (up == QLatin1String("WITH") && i + 3 < e && t[i + 1].isSymbol("(") && t[i + 3].isSymbol(")") &&
            (t[i + 2].isWord("NOLOCK") || t[i + 2].isWord("READPAST"))) {
            i += 3;
            continue;
        }
        if (up == QLatin1String("SELECT")) {
            out.add(k.text, k.spaceBefore);
            int j = i + 1;
            if (j < e && (t[j].isWord("DISTINCT") || t[j].isWord("ALL"))) {
                out.add(t[j].text, true);
                ++j;
            }
            if (j < e && t[j].isWord("TOP")) {
                QString count;
                int after = j + 1;
                if (after < e && t[after].kind == Token::Kind::Number) {
                    count = t[after].text;
                    ++after;
                } else if (after + 2 < e && t[after].isSymbol("(") &&
                           t[after + 1].kind == Token::Kind::Number && t[after + 2].isSymbol(")")) {
                    count = t[after + 1].text;
                    after += 3;
                } else {
                    unsupported(QStringLiteral("TOP without a constant row count"));
                }
                if (after < e && (t[after].isWord("PERCENT") || t[after].isWord("WITH")))
                    unsupported(QStringLiteral("TOP ... %1").arg(t[after].text));
                limits.push_back({depth, count});
                i = after - 1;
            } else {
                i = j - 1;
            }
            continue;
        }
        if (up == QLatin1String("ISNULL") && next && t[i + 1].isSymbol("(")) {
            out.add(QStringLiteral("ifnull"), k.spaceBefore);
            continue;
        }
        if (next && t[i + 1].isSymbol("(")) {
            static const QSet<QString> special = {QStringLiteral("CONVERT"),
                                                  QStringLiteral("CAST"),
                                                  QStringLiteral("GETDATE"),
                                                  QStringLiteral("OBJECT_ID"),
                                                  QStringLiteral("OBJECTPROPERTY"),
                                                  QStringLiteral("DATEADD"),
                                                  QStringLiteral("DATEDIFF"),
                                                  QStringLiteral("DATEPART"),
                                                  QStringLiteral("YEAR"),
                                                  QStringLiteral("MONTH"),
                                                  QStringLiteral("DAY"),
                                                  QStringLiteral("CHARINDEX")};
            if (special.contains(up)) {
                const int c = closeParen(t, i + 1, e);
                if (c < 0)
                    syntaxError(k.text);
                bool isDate = false;
                QString value = function(t, i, c, e, nest, isDate);
                int j = c + 1;
                while (isDate && j < e && (t[j].isSymbol("+") || t[j].isSymbol("-"))) {
                    const int end = operandEnd(t, j + 1, e);
                    if (end < 0)
                        break;
                    const QString operand = expr(t, j + 1, end, nest + 1);
                    value =
                        QStringLiteral("zrk_dateadd('day', %1, %2)")
                            .arg(t[j].isSymbol("-") ? QStringLiteral("-(%1)").arg(operand) : operand, value);
                    j = end;
                }
                out.add(value, k.spaceBefore);
                i = j - 1;
                continue;
            }
            static const QHash<QString, QString> renamed = {
                {QStringLiteral("LEN"), QStringLiteral("zrk_len")},
                {QStringLiteral("SUBSTRING"), QStringLiteral("substr")},
                {QStringLiteral("ISDATE"), QStringLiteral("zrk_isdate")},
                {QStringLiteral("ISNUMERIC"), QStringLiteral("zrk_isnumeric")},
                {QStringLiteral("DATALENGTH"), QStringLiteral("length")},
                {QStringLiteral("NEWID"), QStringLiteral("zrk_newid")},
            };
            const auto it = renamed.find(up);
            if (it != renamed.end()) {
                out.add(it.value(), k.spaceBefore);
                continue;
            }
        }
        out.add(k.text, k.spaceBefore);
    }
    while (!limits.empty()) {
        out.add(QStringLiteral("LIMIT ") + limits.back().count, true);
        limits.pop_back();
    }
    return out.text();
}

QString Translator::assignments(const Tokens& t, int b, int e) {
    // SET t1.c = ...: SQLite names the column without its table.
    QStringList parts;
    for (const Range& r : splitCommas(t, b, e)) {
        int start = r.b;
        if (r.e - r.b > 3 && t[r.b].isName() && t[r.b + 1].isSymbol(".") && t[r.b + 2].isName() &&
            t[r.b + 3].isSymbol("="))
            start = r.b + 2;
        parts << expr(t, start, r.e, 0);
    }
    return parts.join(QStringLiteral(", "));
}

std::vector<Step> Translator::update(const Tokens& t, const Unit& u) {
    const int set = findWordAtDepth0(t, u.b + 1, u.e, "SET");
    if (set < 0)
        syntaxError(QStringLiteral("UPDATE"));
    const int from = findWordAtDepth0(t, set + 1, u.e, "FROM");
    if (from < 0) {
        const int where = findWordAtDepth0(t, set + 1, u.e, "WHERE");
        const int end = where < 0 ? u.e : where;
        QString text = QStringLiteral("UPDATE ") + expr(t, u.b + 1, set, 0) + QStringLiteral(" SET ") +
                       assignments(t, set + 1, end);
        if (where >= 0)
            text += QLatin1Char(' ') + expr(t, where, u.e, 0);
        return {sql(text)};
    }
    const QString target = name(t, u.b + 1, set);
    const int where = findWordAtDepth0(t, from + 1, u.e, "WHERE");
    const int fromEnd = where < 0 ? u.e : where;

    // FROM T1 t1 [INNER] JOIN T2 t2 ON ... [, T3 t3]: the target must be the first table and
    // every join an inner join, so the joins become conditions of the WHERE clause.
    struct Source {
        QString table;
        QString alias;
        QString condition;
    };
    std::vector<Source> sources;
    int i = from + 1;
    while (i < fromEnd) {
        if (t[i].isSymbol(",")) {
            ++i;
            continue;
        }
        if (t[i].isWord("INNER") && i + 1 < fromEnd && t[i + 1].isWord("JOIN")) {
            i += 2;
        } else if (t[i].isWord("JOIN")) {
            ++i;
        } else if (t[i].isWord("LEFT") || t[i].isWord("RIGHT") || t[i].isWord("FULL") ||
                   t[i].isWord("CROSS") || t[i].isWord("OUTER")) {
            unsupported(QStringLiteral("UPDATE ... FROM with a %1 join").arg(t[i].text.toUpper()));
        } else if (!sources.empty()) {
            syntaxError(t[i].text);
        }
        if (i >= fromEnd || t[i].isSymbol("("))
            unsupported(QStringLiteral("UPDATE ... FROM with a derived table"));
        int nameEnd = i + 1;
        while (nameEnd + 1 < fromEnd && t[nameEnd].isSymbol(".") && t[nameEnd + 1].isName())
            nameEnd += 2;
        Source s;
        s.table = name(t, i, nameEnd);
        i = nameEnd;
        if (i < fromEnd && t[i].isWord("AS"))
            ++i;
        if (i < fromEnd && t[i].isName() && !t[i].isWord("INNER") && !t[i].isWord("JOIN") &&
            !t[i].isWord("ON") && !t[i].isWord("LEFT") && !t[i].isWord("RIGHT") && !t[i].isWord("FULL") &&
            !t[i].isWord("CROSS"))
            s.alias = t[i++].text;
        if (i < fromEnd && t[i].isWord("ON")) {
            int end = i + 1;
            int depth = 0;
            while (end < fromEnd) {
                if (t[end].isSymbol("("))
                    ++depth;
                else if (t[end].isSymbol(")"))
                    --depth;
                else if (depth == 0 &&
                         (t[end].isWord("INNER") || t[end].isWord("JOIN") || t[end].isWord("LEFT") ||
                          t[end].isWord("RIGHT") || t[end].isWord("FULL") || t[end].isWord("CROSS") ||
                          t[end].isSymbol(",")))
                    break;
                ++end;
            }
            s.condition = expr(t, i + 1, end, 0);
            i = end;
        }
        sources.push_back(s);
    }
    if (sources.empty())
        syntaxError(QStringLiteral("FROM"));
    const Source& first = sources.front();
    if (first.alias.compare(target, Qt::CaseInsensitive) != 0 &&
        first.table.compare(target, Qt::CaseInsensitive) != 0)
        unsupported(QStringLiteral("UPDATE of a table that is not the first table of its FROM clause"));
    QString text = QStringLiteral("UPDATE ") + quoteName(first.table);
    if (!first.alias.isEmpty())
        text += QStringLiteral(" AS ") + quoteName(first.alias);
    text += QStringLiteral(" SET ") + assignments(t, set + 1, from);
    QStringList others;
    QStringList conditions;
    for (std::size_t k = 1; k < sources.size(); ++k) {
        others << quoteName(sources[k].table) + (sources[k].alias.isEmpty()
                                                     ? QString()
                                                     : QLatin1Char(' ') + quoteName(sources[k].alias));
        if (!sources[k].condition.isEmpty())
            conditions << QLatin1Char('(') + sources[k].condition + QLatin1Char(')');
    }
    if (!others.isEmpty())
        text += QStringLiteral(" FROM ") + others.join(QStringLiteral(", "));
    if (where >= 0)
        conditions << QLatin1Char('(') + expr(t, where + 1, u.e, 0) + QLatin1Char(')');
    if (!conditions.isEmpty())
        text += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    return {sql(text)};
}

QString Translator::columnDefinition(const Tokens& t, Range r, bool* identity, TableColumns* declared) {
    if (r.e - r.b < 2 || !t[r.b].isName() || !t[r.b + 1].isName())
        syntaxError(r.b < r.e ? t[r.b].text : QString());
    const QString column = t[r.b].text;
    int i = r.b + 2;
    QStringList args;
    if (i < r.e && t[i].isSymbol("(")) {
        const int c = closeParen(t, i, r.e);
        if (c < 0)
            syntaxError(t[i].text);
        for (const Range& a : splitCommas(t, i + 1, c))
            for (int k = a.b; k < a.e; ++k)
                args << t[k].text;
        i = c + 1;
    }
    const TypeInfo type = mapType(t[r.b + 1].text, args);
    Tokens rest;
    bool hasCollation = false;
    *identity = false;
    for (int k = i; k < r.e; ++k) {
        if (t[k].isWord("IDENTITY")) {
            *identity = true;
            if (k + 1 < r.e && t[k + 1].isSymbol("(")) {
                const int c = closeParen(t, k + 1, r.e);
                k = c < 0 ? r.e : c;
            }
            continue;
        }
        if (t[k].isWord("COLLATE"))
            hasCollation = true;
        rest.push_back(t[k]);
    }
    if (declared)
        declared->emplace_back(column, *identity ? QStringLiteral("INTEGER") : type.declared);
    QString text =
        quoteName(column) + QLatin1Char(' ') + (*identity ? QStringLiteral("INTEGER") : type.declared);
    const QString tail = expr(rest, 0, static_cast<int>(rest.size()), 0);
    if (!tail.isEmpty())
        text += QLatin1Char(' ') + tail;
    if (type.text && !hasCollation)
        text += QStringLiteral(" COLLATE ") + kDefaultCollation;
    return text;
}

std::vector<Step> Translator::createTable(const Tokens& t, const Unit& u) {
    int open = u.b + 2;
    while (open < u.e && !t[open].isSymbol("("))
        ++open;
    if (open >= u.e)
        syntaxError(QStringLiteral("CREATE TABLE"));
    bool temp = false;
    const QString table = name(t, u.b + 2, open, &temp);
    const int close = closeParen(t, open, u.e);
    if (close < 0)
        syntaxError(table);
    for (int i = close + 1; i < u.e; i += 2) {
        const bool storage =
            (t[i].isWord("ON") || t[i].isWord("TEXTIMAGE_ON") || t[i].isWord("FILESTREAM_ON")) &&
            i + 1 < u.e && t[i + 1].isName();
        if (!storage)
            unsupported(QStringLiteral("CREATE TABLE option '%1'").arg(t[i].text));
    }
    QStringList items;
    QString identityColumn;
    int identityItem = -1;
    TableColumns declared;
    for (const Range& r : splitCommas(t, open + 1, close)) {
        if (r.empty())
            syntaxError(QStringLiteral(","));
        const Token& first = t[r.b];
        if (first.isWord("CONSTRAINT") || first.isWord("PRIMARY") || first.isWord("UNIQUE") ||
            first.isWord("CHECK") || first.isWord("FOREIGN")) {
            items << expr(t, r.b, r.e, 0);
            continue;
        }
        bool identity = false;
        QString column = columnDefinition(t, r, &identity, &declared);
        if (identity) {
            if (!identityColumn.isEmpty())
                unsupported(QStringLiteral("two IDENTITY columns"));
            identityColumn = first.text;
            identityItem = static_cast<int>(items.size());
        }
        items << column;
    }
    if (!identityColumn.isEmpty()) {
        // SQLite numbers rows only through an INTEGER PRIMARY KEY: the identity column becomes
        // one, and a primary key declared on that column alone is folded into it.
        QString& column = items[identityItem];
        column.remove(QStringLiteral(" PRIMARY KEY"), Qt::CaseInsensitive);
        column += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
        for (int k = 0; k < items.size(); ++k) {
            if (k == identityItem || !items[k].contains(QLatin1String("PRIMARY KEY"), Qt::CaseInsensitive))
                continue;
            const Tokens pk = tokenize(items[k]);
            const int p = [&] {
                for (int j = 0; j < static_cast<int>(pk.size()); ++j)
                    if (pk[j].isSymbol("("))
                        return j;
                return -1;
            }();
            if (p >= 0 && p + 2 < static_cast<int>(pk.size()) && pk[p + 1].isName() &&
                pk[p + 2].isSymbol(")") && pk[p + 1].text.compare(identityColumn, Qt::CaseInsensitive) == 0) {
                items.removeAt(k);
                break;
            }
            unsupported(QStringLiteral("IDENTITY column outside the primary key"));
        }
    }
    program_.createsTempTables = program_.createsTempTables || temp;
    // Later statements of the batch see the table as declared here.
    tables_.insert(table.toLower(), std::move(declared));
    QString text = temp ? QStringLiteral("CREATE TEMP TABLE ") : QStringLiteral("CREATE TABLE ");
    text += quoteName(table) + QStringLiteral(" (") + items.join(QStringLiteral(", ")) + QLatin1Char(')');
    return {sql(text)};
}

std::vector<Step> Translator::alterTable(const Tokens& t, const Unit& u) {
    int action = u.b + 2;
    while (action < u.e &&
           !(t[action].kind == Token::Kind::Word &&
             (t[action].isWord("ADD") || t[action].isWord("DROP") || t[action].isWord("ALTER") ||
              t[action].isWord("WITH") || t[action].isWord("NOCHECK") || t[action].isWord("CHECK") ||
              t[action].isWord("SET"))))
        ++action;
    if (action >= u.e)
        syntaxError(QStringLiteral("ALTER TABLE"));
    bool temp = false;
    const QString table = name(t, u.b + 2, action, &temp);
    if (!t[action].isWord("ADD"))
        unsupported(QStringLiteral("ALTER TABLE ... %1").arg(t[action].text.toUpper()));
    const auto items = splitCommas(t, action + 1, u.e);
    if (items.empty() || items.front().empty())
        syntaxError(QStringLiteral("ADD"));
    auto isConstraint = [&](const Range& r) {
        const Token& f = t[r.b];
        return f.isWord("CONSTRAINT") || f.isWord("PRIMARY") || f.isWord("DEFAULT") || f.isWord("UNIQUE") ||
               f.isWord("CHECK") || f.isWord("FOREIGN");
    };
    std::vector<Step> steps;
    if (!isConstraint(items.front())) {
        for (const Range& r : items) {
            if (r.empty() || isConstraint(r))
                unsupported(QStringLiteral("ALTER TABLE ADD mixing columns and constraints"));
            bool identity = false;
            const QString column = columnDefinition(t, r, &identity);
            if (identity)
                unsupported(QStringLiteral("adding an IDENTITY column"));
            steps.push_back(
                sql(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(quoteName(table), column)));
        }
        return steps;
    }
    if (temp)
        unsupported(QStringLiteral("constraints added to a temporary table"));
    Step step;
    step.kind = Step::Kind::AddConstraints;
    step.constraints.table = table;
    for (const Range& r : items) {
        if (r.empty())
            syntaxError(QStringLiteral(","));
        int i = r.b;
        QString constraintName;
        if (t[i].isWord("CONSTRAINT")) {
            if (i + 1 >= r.e || !t[i + 1].isName())
                syntaxError(QStringLiteral("CONSTRAINT"));
            constraintName = t[i + 1].text;
            i += 2;
        }
        if (i < r.e && t[i].isWord("DEFAULT")) {
            const int f = findWordAtDepth0(t, i + 1, r.e, "FOR");
            if (f < 0 || f + 1 >= r.e || !t[f + 1].isName() || f == i + 1)
                syntaxError(QStringLiteral("DEFAULT"));
            step.constraints.defaults.push_back({constraintName, t[f + 1].text, expr(t, i + 1, f, 0)});
        } else if (i + 1 < r.e && t[i].isWord("PRIMARY") && t[i + 1].isWord("KEY")) {
            int open = i + 2;
            while (open < r.e && !t[open].isSymbol("("))
                ++open;
            const int close = open < r.e ? closeParen(t, open, r.e) : -1;
            if (close < 0 || step.constraints.primaryKey)
                syntaxError(QStringLiteral("PRIMARY KEY"));
            PrimaryKeyConstraint pk;
            pk.name = constraintName;
            for (const Range& c : splitCommas(t, open + 1, close)) {
                if (c.empty() || !t[c.b].isName())
                    syntaxError(QStringLiteral("PRIMARY KEY"));
                pk.columns << t[c.b].text;
            }
            step.constraints.primaryKey = pk;
        } else {
            unsupported(QStringLiteral("ALTER TABLE ADD %1").arg(i < r.e ? t[i].text.toUpper() : QString()));
        }
    }
    steps.push_back(step);
    return steps;
}

std::vector<Step> Translator::statement(const Tokens& t, const Unit& u) {
    enterStatement(t, u.b, u.e);
    const QString& lead = u.lead;
    auto second = [&](const char* word) { return u.b + 1 < u.e && t[u.b + 1].isWord(word); };
    if (lead == QLatin1String("SELECT")) {
        const int into = findWordAtDepth0(t, u.b + 1, u.e, "INTO");
        if (into < 0)
            return {sql(expr(t, u.b, u.e, 0))};
        int nameEnd = into + 2;
        while (nameEnd + 1 < u.e && t[nameEnd].isSymbol(".") && t[nameEnd + 1].isName())
            nameEnd += 2;
        bool temp = false;
        const QString table = name(t, into + 1, nameEnd, &temp);
        program_.createsTempTables = program_.createsTempTables || temp;
        return {sql(QStringLiteral("CREATE %1TABLE %2 AS %3 %4")
                        .arg(temp ? QStringLiteral("TEMP ") : QString(), quoteName(table),
                             expr(t, u.b, into, 0), expr(t, nameEnd, u.e, 0)))};
    }
    if (lead == QLatin1String("INSERT")) {
        if (second("INTO"))
            return {sql(expr(t, u.b, u.e, 0))};
        return {sql(QStringLiteral("INSERT INTO ") + expr(t, u.b + 1, u.e, 0))};
    }
    if (lead == QLatin1String("UPDATE"))
        return update(t, u);
    if (lead == QLatin1String("DELETE")) {
        const int start = second("FROM") ? u.b + 2 : u.b + 1;
        if (findWordAtDepth0(t, start, u.e, "FROM") >= 0)
            unsupported(QStringLiteral("DELETE ... FROM with a join"));
        return {sql(QStringLiteral("DELETE FROM ") + expr(t, start, u.e, 0))};
    }
    if (lead == QLatin1String("TRUNCATE")) {
        if (!second("TABLE"))
            syntaxError(QStringLiteral("TRUNCATE"));
        return {sql(QStringLiteral("DELETE FROM ") + quoteName(name(t, u.b + 2, u.e)))};
    }
    if (lead == QLatin1String("CREATE")) {
        if (second("TABLE"))
            return createTable(t, u);
        if (second("VIEW") || second("INDEX") || second("UNIQUE") || second("CLUSTERED") ||
            second("NONCLUSTERED"))
            return {sql(expr(t, u.b, u.e, 0))};
        unsupported(QStringLiteral("CREATE %1").arg(u.b + 1 < u.e ? t[u.b + 1].text.toUpper() : QString()));
    }
    if (lead == QLatin1String("ALTER")) {
        if (second("TABLE"))
            return alterTable(t, u);
        unsupported(QStringLiteral("ALTER %1").arg(u.b + 1 < u.e ? t[u.b + 1].text.toUpper() : QString()));
    }
    if (lead == QLatin1String("DROP")) {
        if (second("TABLE") || second("VIEW"))
            return {sql(expr(t, u.b, u.e, 0))};
        unsupported(QStringLiteral("DROP %1").arg(u.b + 1 < u.e ? t[u.b + 1].text.toUpper() : QString()));
    }
    if (lead == QLatin1String("WITH"))
        return {sql(expr(t, u.b, u.e, 0))};
    if (lead == QLatin1String("SET")) {
        static const QSet<QString> harmless = {QStringLiteral("NOCOUNT"),
                                               QStringLiteral("ANSI_NULLS"),
                                               QStringLiteral("QUOTED_IDENTIFIER"),
                                               QStringLiteral("ANSI_PADDING"),
                                               QStringLiteral("ANSI_WARNINGS"),
                                               QStringLiteral("ARITHABORT"),
                                               QStringLiteral("XACT_ABORT"),
                                               QStringLiteral("CONCAT_NULL_YIELDS_NULL"),
                                               QStringLiteral("NUMERIC_ROUNDABORT"),
                                               QStringLiteral("ANSI_NULL_DFLT_ON"),
                                               QStringLiteral("LOCK_TIMEOUT"),
                                               QStringLiteral("DEADLOCK_PRIORITY"),
                                               QStringLiteral("TRANSACTION")};
        if (u.b + 1 < u.e && t[u.b + 1].kind == Token::Kind::Word &&
            harmless.contains(t[u.b + 1].text.toUpper()))
            return {};
        unsupported(QStringLiteral("SET %1").arg(u.b + 1 < u.e ? t[u.b + 1].text : QString()));
    }
    if (lead == QLatin1String("EXEC") || lead == QLatin1String("EXECUTE")) {
        int i = u.b + 1;
        while (i + 1 < u.e && t[i + 1].isSymbol("."))
            i += 2;
        if (i >= u.e || !t[i].isName())
            syntaxError(t[u.b].text);
        const QString procedure = t[i].text;
        if (procedure.compare(QLatin1String("sp_addextendedproperty"), Qt::CaseInsensitive) != 0)
            unsupported(QStringLiteral("EXEC %1").arg(procedure));
        Step step;
        step.kind = Step::Kind::AddExtendedProperty;
        for (const Range& a : splitCommas(t, i + 1, u.e)) {
            if (a.e - a.b != 1)
                unsupported(QStringLiteral("sp_addextendedproperty with a named or computed argument"));
            const Token& v = t[a.b];
            if (v.isWord("NULL"))
                step.arguments << QString();
            else if (v.kind == Token::Kind::String || v.kind == Token::Kind::Number)
                step.arguments << (v.text.isNull() ? QStringLiteral("") : v.text);
            else
                unsupported(QStringLiteral("sp_addextendedproperty argument '%1'").arg(v.text));
        }
        if (step.arguments.size() < 2 || step.arguments.size() > 8)
            syntaxError(procedure);
        while (step.arguments.size() < 8)
            step.arguments << QString();
        program_.usesExtendedProperties = true;
        return {step};
    }
    if (lead == QLatin1String("BEGIN")) {
        Step s;
        s.kind = Step::Kind::BeginTransaction;
        return {s};
    }
    if (lead == QLatin1String("COMMIT") || lead == QLatin1String("ROLLBACK")) {
        Step s;
        s.kind =
            lead == QLatin1String("COMMIT") ? Step::Kind::CommitTransaction : Step::Kind::RollbackTransaction;
        return {s};
    }
    unsupported(QStringLiteral("statement starting with '%1'").arg(t[u.b].text));
}

class Parser {
public:
    Parser(const Tokens& t, const std::vector<Unit>& units, QStringView text, Translator& tr)
        : t_(t), units_(units), text_(text), tr_(tr) {}

    std::vector<Step> block(bool inBegin, int nest) {
        std::vector<Step> steps;
        while (pos_ < units_.size()) {
            const Unit& u = units_[pos_];
            if (u.lead == QLatin1String("END")) {
                if (!inBegin)
                    syntaxError(t_[u.b].text);
                ++pos_;
                return steps;
            }
            if (u.lead == QLatin1String("ELSE"))
                syntaxError(t_[u.b].text);
            for (Step& s : one(nest))
                steps.push_back(std::move(s));
        }
        if (inBegin)
            throw Error(dberr::CommandFailed, kSource,
                        QStringLiteral("Incorrect syntax: BEGIN without END."));
        return steps;
    }

private:
    std::vector<Step> one(int nest) {
        if (nest > kMaxNesting)
            unsupported(QStringLiteral("blocks nested more than %1 levels deep").arg(kMaxNesting));
        const Unit& u = units_[pos_++];
        if (u.lead == QLatin1String("IF")) {
            if (u.e - u.b < 2)
                syntaxError(QStringLiteral("IF"));
            if (pos_ >= units_.size() || units_[pos_].lead == QLatin1String("END") ||
                units_[pos_].lead == QLatin1String("ELSE"))
                throw Error(dberr::CommandFailed, kSource,
                            QStringLiteral("Incorrect syntax: IF without a statement."));
            Step s;
            s.kind = Step::Kind::If;
            s.source = source(u);
            tr_.enterStatement(t_, u.b + 1, u.e);
            s.sql = QStringLiteral("SELECT CASE WHEN ") + tr_.expr(t_, u.b + 1, u.e, 0) +
                    QStringLiteral(" THEN 1 ELSE 0 END");
            s.thenSteps = one(nest + 1);
            if (pos_ < units_.size() && units_[pos_].lead == QLatin1String("ELSE")) {
                ++pos_;
                if (pos_ >= units_.size())
                    syntaxError(QStringLiteral("ELSE"));
                s.elseSteps = one(nest + 1);
            }
            return {s};
        }
        if (u.lead == QLatin1String("BEGIN") && u.e - u.b == 1)
            return block(true, nest + 1);
        std::vector<Step> steps = tr_.statement(t_, u);
        for (Step& s : steps)
            s.source = source(u);
        return steps;
    }

    QString source(const Unit& u) const {
        const qsizetype start = t_[u.b].offset;
        const qsizetype end = t_[u.e - 1].offset + t_[u.e - 1].length;
        return text_.mid(start, end - start).toString().trimmed();
    }

    const Tokens& t_;
    const std::vector<Unit>& units_;
    QStringView text_;
    Translator& tr_;
    std::size_t pos_ = 0;
};

} // namespace

QStringList splitBatch(QStringView batch) {
    const Tokens t = tokenize(batch);
    QStringList out;
    for (const Unit& u : splitUnits(t)) {
        const qsizetype start = t[u.b].offset;
        const qsizetype end = t[u.e - 1].offset + t[u.e - 1].length;
        out << batch.mid(start, end - start).toString();
    }
    return out;
}

Program translateBatch(QStringView batch, SchemaReader* schema) {
    const Tokens t = tokenize(batch);
    const std::vector<Unit> units = splitUnits(t);
    Program program;
    Translator tr(program, schema);
    Parser parser(t, units, batch, tr);
    program.steps = parser.block(false, 0);
    return program;
}

QString objectBaseName(const QString& name) {
    const Tokens t = tokenize(name);
    QString last;
    for (const Token& k : t)
        if (k.isName())
            last = k.text;
    return last.isEmpty() ? name.trimmed() : last;
}

QString tableWithConstraints(const QString& createSql, const AddConstraints& c, const QString& newName) {
    const Tokens t = tokenize(createSql);
    const int n = static_cast<int>(t.size());
    int open = 0;
    while (open < n && !t[open].isSymbol("("))
        ++open;
    const int close = open < n ? closeParen(t, open, n) : -1;
    if (close < 0)
        throw Error(dberr::CommandFailed, kSource,
                    QStringLiteral("Cannot read the definition of table '%1'.").arg(c.table));
    const auto ranges = splitCommas(t, open + 1, close);
    QStringList items;
    std::vector<QString> firstNames;
    bool hasPrimaryKey = false;
    for (const Range& r : ranges) {
        const qsizetype start = t[r.b].offset;
        const qsizetype end = t[r.e].offset; // the comma or the closing parenthesis
        items << createSql.mid(start, end - start).trimmed();
        firstNames.push_back(t[r.b].isName() ? t[r.b].text : QString());
        if (findWordAtDepth0(t, r.b, r.e, "PRIMARY") >= 0)
            hasPrimaryKey = true;
    }
    auto columnIndex = [&](const QString& column) {
        for (std::size_t i = 0; i < firstNames.size(); ++i) {
            const Token& f = t[ranges[i].b];
            const bool constraint = f.isWord("CONSTRAINT") || f.isWord("PRIMARY") || f.isWord("UNIQUE") ||
                                    f.isWord("CHECK") || f.isWord("FOREIGN");
            if (!constraint && firstNames[i].compare(column, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        }
        throw Error(
            dberr::CommandFailed, kSource,
            QStringLiteral("Column name '%1' does not exist in the target table or view.").arg(column));
    };
    for (const DefaultConstraint& d : c.defaults) {
        const int i = columnIndex(d.column);
        if (findWordAtDepth0(t, ranges[i].b, ranges[i].e, "DEFAULT") >= 0 ||
            items[i].contains(QLatin1String(" DEFAULT ")))
            throw Error(dberr::CommandFailed, kSource,
                        QStringLiteral("Column already has a DEFAULT bound to it."));
        QString clause = d.name.isEmpty() ? QString() : QStringLiteral(" CONSTRAINT ") + quoteName(d.name);
        items[i] += clause + QStringLiteral(" DEFAULT (") + d.expression + QLatin1Char(')');
    }
    if (c.primaryKey) {
        if (hasPrimaryKey)
            throw Error(dberr::CommandFailed, kSource,
                        QStringLiteral("Table '%1' already has a primary key defined on it.").arg(c.table));
        QStringList columns;
        for (const QString& column : c.primaryKey->columns) {
            columnIndex(column);
            columns << quoteName(column);
        }
        items << (c.primaryKey->name.isEmpty()
                      ? QString()
                      : QStringLiteral("CONSTRAINT ") + quoteName(c.primaryKey->name) + QLatin1Char(' ')) +
                     QStringLiteral("PRIMARY KEY (") + columns.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    const QString tail = createSql.mid(t[close].offset + 1).trimmed();
    return QStringLiteral("CREATE TABLE ") + quoteName(newName) + QStringLiteral(" (") +
           items.join(QStringLiteral(", ")) + QLatin1Char(')') +
           (tail.isEmpty() ? QString() : QLatin1Char(' ') + tail);
}

} // namespace zrk::db::tsql
