#include "platform/db/tsql_date_literal.h"

#include "platform/db/row_store.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_value_types.h"

namespace zrk::db::tsql {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads the numbers and separators of a text from left to right.
class DateTextReader {
public:
    explicit DateTextReader(const QString& text) : s_(text) {}

    bool atEnd() const { return i_ >= s_.size(); }
    bool at(QChar c) const { return !atEnd() && s_[i_] == c; }
    void skip() { ++i_; }
    qsizetype position() const { return i_; }

    // Reads from minDigits to maxDigits digits into out; false when fewer than minDigits stand.
    bool number(int minDigits, int maxDigits, int& out) {
        int count = 0;
        out = 0;
        while (!atEnd() && count < maxDigits && isDigit(s_[i_])) {
            out = out * 10 + (s_[i_].unicode() - '0');
            ++i_;
            ++count;
        }
        return count >= minDigits;
    }

private:
    const QString& s_;
    qsizetype i_ = 0;
};

struct DateFields {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct TimeFields {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

int leadingDigits(const QString& s) {
    int digits = 0;
    while (digits < s.size() && isDigit(s[digits]))
        ++digits;
    return digits;
}

bool isDateSeparator(QChar c) {
    return c == QLatin1Char('-') || c == QLatin1Char('/') || c == QLatin1Char('.');
}

// yyyyMMdd, or yyyy-M-d with '-', '/' or '.' between; dateLike once the text starts as one.
bool readDate(const QString& s, DateTextReader& in, bool& dateLike, DateFields& date) {
    const int digits = leadingDigits(s);
    if (digits == 8) {
        dateLike = true;
        in.number(4, 4, date.year);
        in.number(2, 2, date.month);
        in.number(2, 2, date.day);
        return true;
    }
    if (digits != 4 || s.size() <= 4 || !isDateSeparator(s[4]))
        return false;
    dateLike = true;
    const QChar separator = s[4];
    in.number(4, 4, date.year);
    in.skip();
    if (!in.number(1, 2, date.month) || !in.at(separator))
        return false;
    in.skip();
    return in.number(1, 2, date.day);
}

// .f, .ff or .fff after the seconds, as milliseconds.
bool readFraction(DateTextReader& in, int& msec) {
    const qsizetype start = in.position();
    if (!in.number(1, 3, msec))
        return false;
    for (qsizetype k = in.position() - start; k < 3; ++k)
        msec *= 10;
    return true;
}

// H:mm[:ss[.fff]] after blanks or a 'T', up to the end of the text.
bool readTime(DateTextReader& in, TimeFields& time) {
    if (!in.at(QLatin1Char(' ')) && !in.at(QLatin1Char('T')))
        return false;
    while (in.at(QLatin1Char(' ')) || in.at(QLatin1Char('T')))
        in.skip();
    if (!in.number(1, 2, time.hour) || !in.at(QLatin1Char(':')))
        return false;
    in.skip();
    if (!in.number(2, 2, time.minute))
        return false;
    if (in.at(QLatin1Char(':'))) {
        in.skip();
        if (!in.number(2, 2, time.second))
            return false;
        if (in.at(QLatin1Char('.'))) {
            in.skip();
            if (!readFraction(in, time.msec))
                return false;
        }
    }
    return in.atEnd();
}

// The literal text of 'text', CONVERT(datetime, 'text') or CAST('text' AS datetime); kNoToken
// for anything else.
int literalText(const Tokens& t, Range r) {
    const int b = r.begin;
    if (r.size() == 1 && t[b].kind == Token::Kind::String)
        return b;
    if (r.size() != 6 || !t[b + 1].isSymbol("(") || !t[r.end - 1].isSymbol(")"))
        return kNoToken;
    if (t[b].isWord("CONVERT") && t[b + 2].isName() && isDateType(typeFromTsqlName(t[b + 2].text)) &&
        t[b + 3].isSymbol(",") && t[b + 4].kind == Token::Kind::String)
        return b + 4;
    if (t[b].isWord("CAST") && t[b + 2].kind == Token::Kind::String && t[b + 3].isWord("AS") &&
        t[b + 4].isName() && isDateType(typeFromTsqlName(t[b + 4].text)))
        return b + 2;
    return kNoToken;
}

} // namespace

void parseDateLiteral(DateLiteral& literal) {
    const QString s = literal.text.trimmed();
    DateTextReader in(s);
    DateFields d;
    if (!readDate(s, in, literal.dateLike, d))
        return;
    TimeFields t;
    if (!in.atEnd() && !readTime(in, t))
        return;
    const QDate date(d.year, d.month, d.day);
    const QTime time(t.hour, t.minute, t.second, t.msec);
    if (!date.isValid() || !time.isValid()) {
        literal.outOfRange = true;
        return;
    }
    literal.moment = QDateTime(date, time);
}

std::optional<DateLiteral> dateLiteral(const Tokens& t, Range r) {
    const int text = literalText(t, r);
    if (text == kNoToken)
        return std::nullopt;
    DateLiteral literal;
    literal.text = t[text].text;
    parseDateLiteral(literal);
    literal.dateLike = literal.dateLike || text != r.begin;
    if (!literal.dateLike)
        return std::nullopt;
    return literal;
}

QDateTime requireDate(const DateLiteral& literal) {
    if (literal.outOfRange)
        commandFailed(QStringLiteral("The conversion of a varchar data type to a datetime data type resulted "
                                     "in an out-of-range value: '%1'.")
                          .arg(literal.text));
    if (!literal.moment.isValid())
        unsupported(QStringLiteral("the date '%1' in a comparison with a date").arg(literal.text));
    return literal.moment;
}

DateKeys dateKeys(QDateTime moment, bool dateOnly) {
    if (dateOnly)
        moment.setTime(QTime(0, 0));
    const QString full = storedDateText(moment);
    DateKeys keys;
    keys.low = moment.time() == QTime(0, 0) ? moment.date().toString(QStringLiteral("yyyy-MM-dd")) : full;
    keys.high = moment.time().msec() != 0 ? full : full + QStringLiteral(".000");
    return keys;
}

} // namespace zrk::db::tsql
