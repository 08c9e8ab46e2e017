#pragma once

#include "platform/db/tsql_token_range.h"

#include <QDateTime>
#include <QString>
#include <optional>

// Date literals, and the texts a stored date is compared with.
namespace zrk::db::tsql {

// A date literal: the text, and the moment it means in one of the forms the console writes
// (yyyy-M-d, yyyy/M/d, yyyy.M.d or yyyyMMdd, then H:mm[:ss[.fff]] after a blank or a 'T').
struct DateLiteral {
    QString text;
    QDateTime moment;      // invalid when the text is not such a date
    bool dateLike = false; // the text starts as a date, or was converted to one explicitly
    bool outOfRange = false;
};

// Reads literal.text into the other fields.
void parseDateLiteral(DateLiteral& literal);

// The date literal the tokens of r are: 'text', CONVERT(datetime, 'text') or
// CAST('text' AS datetime). Nothing for anything else, or for a text that is not like a date
// (such as '' or 'x', which keeps its text comparison).
std::optional<DateLiteral> dateLiteral(const Tokens& t, Range r);

// The moment of a literal compared with a date; a text SQL Server would refuse, or one in a
// form not read here, raises an Error naming it.
QDateTime requireDate(const DateLiteral& literal);

// The texts a stored date is compared with. A date is kept as "yyyy-MM-dd HH:mm:ss[.zzz]", or
// as "yyyy-MM-dd" alone when a statement wrote a date without a time. low is the smallest text
// among the ones meaning the moment, high the largest; every text between means the moment.
struct DateKeys {
    QString low;
    QString high;
};

// The keys of a moment; of its day alone when the date it is compared with has no time.
DateKeys dateKeys(QDateTime moment, bool dateOnly);

} // namespace zrk::db::tsql
