#include "platform/db/sqlite_functions.h"

#include "platform/caught_error.h"
#include "platform/db/log_category.h"
#include "platform/db/row_store.h"
#include "platform/db/tsql_dialect.h"
#include "platform/vb_conversions.h"

#include <QDateTime>
#include <QUuid>
#include <cstring>
#include <sqlite3.h>

namespace zrk::db::detail {

namespace {

QString argText(sqlite3_value* v) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(text ? text : "", sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

const QDateTime kDayZero(QDate(1900, 1, 1), QTime(0, 0));

// A date as SQL Server reads one from a value: text in the usual forms, or a number of days
// since 1900-01-01.
QDateTime toDate(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
        const double days = sqlite3_value_double(v);
        return kDayZero.addMSecs(static_cast<qint64>(days * 86400000.0));
    }
    case SQLITE_TEXT: {
        const QString s = argText(v).trimmed();
        QDateTime d = parseStoredDate(s);
        if (d.isValid())
            return d;
        static constexpr const char* formats[] = {"yyyy-M-d",         "yyyy/M/d",      "yyyy-M-d H:mm:ss",
                                                  "yyyy/M/d H:mm:ss", "yyyy-M-d H:mm", "yyyy.M.d"};
        for (const char* f : formats) {
            d = QDateTime::fromString(s, QLatin1String(f));
            if (d.isValid())
                return d;
        }
        return QDateTime();
    }
    default:
        return QDateTime();
    }
}

void isDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    sqlite3_result_int(ctx, type == SQLITE_TEXT && toDate(argv[0]).isValid() ? 1 : 0);
}

void toDateTime(sqlite3_context* ctx, int, sqlite3_value** argv, bool dateOnly) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDateTime d = toDate(argv[0]);
    if (!d.isValid()) {
        sqlite3_result_error(ctx, "Conversion failed when converting date and/or time from character string.",
                             -1);
        return;
    }
    resultText(ctx, dateOnly ? d.toString(QStringLiteral("yyyy-MM-dd")) : storedDateText(d));
}

void dateTimeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    toDateTime(ctx, argc, argv, false);
}
void dateFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    toDateTime(ctx, argc, argv, true);
}

QString part(sqlite3_value* v) {
    const QString p = argText(v).toLower();
    if (p == QLatin1String("yy") || p == QLatin1String("yyyy") || p == QLatin1String("year"))
        return QStringLiteral("year");
    if (p == QLatin1String("q") || p == QLatin1String("qq") || p == QLatin1String("quarter"))
        return QStringLiteral("quarter");
    if (p == QLatin1String("m") || p == QLatin1String("mm") || p == QLatin1String("month"))
        return QStringLiteral("month");
    if (p == QLatin1String("d") || p == QLatin1String("dd") || p == QLatin1String("day") ||
        p == QLatin1String("dy") || p == QLatin1String("y") || p == QLatin1String("dayofyear"))
        return p == QLatin1String("dy") || p == QLatin1String("y") || p == QLatin1String("dayofyear")
                   ? QStringLiteral("dayofyear")
                   : QStringLiteral("day");
    if (p == QLatin1String("wk") || p == QLatin1String("ww") || p == QLatin1String("week"))
        return QStringLiteral("week");
    if (p == QLatin1String("dw") || p == QLatin1String("weekday"))
        return QStringLiteral("weekday");
    if (p == QLatin1String("hh") || p == QLatin1String("hour"))
        return QStringLiteral("hour");
    if (p == QLatin1String("mi") || p == QLatin1String("n") || p == QLatin1String("minute"))
        return QStringLiteral("minute");
    if (p == QLatin1String("ss") || p == QLatin1String("s") || p == QLatin1String("second"))
        return QStringLiteral("second");
    if (p == QLatin1String("ms") || p == QLatin1String("millisecond"))
        return QStringLiteral("millisecond");
    return QString();
}

void dateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL || sqlite3_value_type(argv[2]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString p = part(argv[0]);
    const QDateTime d = toDate(argv[2]);
    if (!d.isValid()) {
        sqlite3_result_error(ctx, "Conversion failed when converting date and/or time from character string.",
                             -1);
        return;
    }
    const double amount = sqlite3_value_double(argv[1]);
    const qint64 n = static_cast<qint64>(amount);
    QDateTime r;
    if (p == QLatin1String("year"))
        r = d.addYears(static_cast<int>(n));
    else if (p == QLatin1String("quarter"))
        r = d.addMonths(static_cast<int>(n * 3));
    else if (p == QLatin1String("month"))
        r = d.addMonths(static_cast<int>(n));
    else if (p == QLatin1String("day") || p == QLatin1String("dayofyear") || p == QLatin1String("weekday"))
        r = d.addMSecs(static_cast<qint64>(amount * 86400000.0));
    else if (p == QLatin1String("week"))
        r = d.addDays(n * 7);
    else if (p == QLatin1String("hour"))
        r = d.addSecs(n * 3600);
    else if (p == QLatin1String("minute"))
        r = d.addSecs(n * 60);
    else if (p == QLatin1String("second"))
        r = d.addSecs(n);
    else if (p == QLatin1String("millisecond"))
        r = d.addMSecs(n);
    else {
        sqlite3_result_error(ctx, "Invalid parameter 1 specified for dateadd.", -1);
        return;
    }
    resultText(ctx, storedDateText(r));
}

void dateDiff(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QDateTime a = toDate(argv[1]);
    const QDateTime b = toDate(argv[2]);
    if (!a.isValid() || !b.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString p = part(argv[0]);
    qint64 r = 0;
    if (p == QLatin1String("year"))
        r = b.date().year() - a.date().year();
    else if (p == QLatin1String("quarter"))
        r = (b.date().year() * 4 + (b.date().month() - 1) / 3) -
            (a.date().year() * 4 + (a.date().month() - 1) / 3);
    else if (p == QLatin1String("month"))
        r = (b.date().year() * 12 + b.date().month()) - (a.date().year() * 12 + a.date().month());
    else if (p == QLatin1String("day") || p == QLatin1String("dayofyear") || p == QLatin1String("weekday"))
        r = a.date().daysTo(b.date());
    else if (p == QLatin1String("week"))
        r = (a.date().daysTo(b.date()) + a.date().dayOfWeek() % 7) / 7;
    else if (p == QLatin1String("hour"))
        r = a.secsTo(b) / 3600;
    else if (p == QLatin1String("minute"))
        r = a.secsTo(b) / 60;
    else if (p == QLatin1String("second"))
        r = a.secsTo(b);
    else if (p == QLatin1String("millisecond"))
        r = a.msecsTo(b);
    else {
        sqlite3_result_error(ctx, "Invalid parameter 1 specified for datediff.", -1);
        return;
    }
    sqlite3_result_int64(ctx, r);
}

void datePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QDateTime d = toDate(argv[1]);
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString p = part(argv[0]);
    int r = 0;
    if (p == QLatin1String("year"))
        r = d.date().year();
    else if (p == QLatin1String("quarter"))
        r = (d.date().month() - 1) / 3 + 1;
    else if (p == QLatin1String("month"))
        r = d.date().month();
    else if (p == QLatin1String("day"))
        r = d.date().day();
    else if (p == QLatin1String("dayofyear"))
        r = d.date().dayOfYear();
    else if (p == QLatin1String("weekday"))
        r = d.date().dayOfWeek() % 7 + 1;
    else if (p == QLatin1String("hour"))
        r = d.time().hour();
    else if (p == QLatin1String("minute"))
        r = d.time().minute();
    else if (p == QLatin1String("second"))
        r = d.time().second();
    else if (p == QLatin1String("millisecond"))
        r = d.time().msec();
    else {
        sqlite3_result_error(ctx, "Invalid parameter 1 specified for datepart.", -1);
        return;
    }
    sqlite3_result_int(ctx, r);
}

void getDate(sqlite3_context* ctx, int, sqlite3_value**) {
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
}

void len(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QString s = argText(argv[0]);
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == QLatin1Char(' '))
        --n;
    sqlite3_result_int64(ctx, n);
}

void charIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString needle = argText(argv[0]);
    const QString hay = argText(argv[1]);
    const qsizetype from = argc > 2 ? qMax<qsizetype>(0, sqlite3_value_int64(argv[2]) - 1) : 0;
    sqlite3_result_int64(ctx, hay.indexOf(needle, from, Qt::CaseInsensitive) + 1);
}

void isNumeric(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    bool numeric = type == SQLITE_INTEGER || type == SQLITE_FLOAT;
    if (type == SQLITE_TEXT)
        numeric = vb::parseNumber(argText(argv[0])).has_value();
    sqlite3_result_int(ctx, numeric ? 1 : 0);
}

void newId(sqlite3_context* ctx, int, sqlite3_value**) {
    resultText(ctx, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
}

void objectName(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    try {
        resultText(ctx, tsql::objectBaseName(argText(argv[0])));
    } catch (const Error& e) {
        logCaughtError(lcDb(), "object base name: none, NULL returned", e);
        sqlite3_result_null(ctx);
    } catch (...) {
        logCaughtFailure(lcDb(), "object base name: none, NULL returned", "not one of the suite's errors");
        sqlite3_result_null(ctx);
    }
}

void toText(sqlite3_context* ctx, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(ctx);
        return;
    case SQLITE_INTEGER:
        resultText(ctx, QString::number(sqlite3_value_int64(argv[0])));
        return;
    case SQLITE_FLOAT:
        resultText(ctx, QString::number(sqlite3_value_double(argv[0]), 'g', 15));
        return;
    default:
        resultText(ctx, argText(argv[0]));
    }
}

void dateText(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDateTime d = sqlite3_value_type(argv[0]) == SQLITE_TEXT ? toDate(argv[0]) : QDateTime();
    if (!d.isValid() || argc < 2) {
        toText(ctx, 1, argv);
        return;
    }
    QString format;
    switch (sqlite3_value_int(argv[1])) {
    case 120:
    case 20:
        format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
        break;
    case 121:
    case 21:
        format = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
        break;
    case 23:
        format = QStringLiteral("yyyy-MM-dd");
        break;
    case 112:
        format = QStringLiteral("yyyyMMdd");
        break;
    case 111:
        format = QStringLiteral("yyyy/MM/dd");
        break;
    case 102:
        format = QStringLiteral("yyyy.MM.dd");
        break;
    case 101:
        format = QStringLiteral("MM/dd/yyyy");
        break;
    case 103:
        format = QStringLiteral("dd/MM/yyyy");
        break;
    case 108:
    case 8:
        format = QStringLiteral("HH:mm:ss");
        break;
    default:
        sqlite3_result_error(
            ctx, "The date style given to CONVERT is not supported by the embedded database.", -1);
        return;
    }
    resultText(ctx, d.toString(format));
}

bool asciiOnly(const char* s, int n) {
    for (int i = 0; i < n; ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    return true;
}

int trimmedLength(const char* s, int n) {
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return n;
}

int compareCaseInsensitive(void*, int an, const void* av, int bn, const void* bv) {
    const auto* a = static_cast<const char*>(av);
    const auto* b = static_cast<const char*>(bv);
    an = trimmedLength(a, an);
    bn = trimmedLength(b, bn);
    if (asciiOnly(a, an) && asciiOnly(b, bn)) {
        const int n = std::min(an, bn);
        for (int i = 0; i < n; ++i) {
            char x = a[i], y = b[i];
            if (x >= 'A' && x <= 'Z')
                x = char(x - 'A' + 'a');
            if (y >= 'A' && y <= 'Z')
                y = char(y - 'A' + 'a');
            if (x != y)
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
        }
        return an == bn ? 0 : (an < bn ? -1 : 1);
    }
    return QString::fromUtf8(a, an).compare(QString::fromUtf8(b, bn), Qt::CaseInsensitive);
}

int compareBinaryTrimmed(void*, int an, const void* av, int bn, const void* bv) {
    an = trimmedLength(static_cast<const char*>(av), an);
    bn = trimmedLength(static_cast<const char*>(bv), bn);
    const int c = std::memcmp(av, bv, static_cast<std::size_t>(std::min(an, bn)));
    return c != 0 ? c : (an == bn ? 0 : (an < bn ? -1 : 1));
}

void collationNeeded(void*, sqlite3* db, int, const char* name) {
    const QString n = QString::fromUtf8(name).toUpper();
    if (n.contains(QLatin1String("_CI")))
        sqlite3_create_collation_v2(db, name, SQLITE_UTF8, nullptr, compareCaseInsensitive, nullptr);
    else if (n.contains(QLatin1String("_CS")) || n.contains(QLatin1String("_BIN")))
        sqlite3_create_collation_v2(db, name, SQLITE_UTF8, nullptr, compareBinaryTrimmed, nullptr);
}

} // namespace

void registerTsqlFunctions(sqlite3* db) {
    struct Function {
        const char* name;
        int args;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic;
    };
    static constexpr Function functions[] = {
        {"zrk_isdate", 1, isDate, true},       {"zrk_datetime", 1, dateTimeFunction, true},
        {"zrk_date", 1, dateFunction, true},   {"zrk_dateadd", 3, dateAdd, true},
        {"zrk_datediff", 3, dateDiff, true},   {"zrk_datepart", 2, datePart, true},
        {"zrk_getdate", 0, getDate, false},    {"zrk_len", 1, len, true},
        {"zrk_charindex", 2, charIndex, true}, {"zrk_charindex", 3, charIndex, true},
        {"zrk_isnumeric", 1, isNumeric, true}, {"zrk_newid", 0, newId, false},
        {"zrk_objname", 1, objectName, true},  {"zrk_text", 1, toText, true},
        {"zrk_datetext", 2, dateText, true},
    };
    for (const Function& f : functions)
        sqlite3_create_function_v2(db, f.name, f.args,
                                   SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0), nullptr, f.fn,
                                   nullptr, nullptr, nullptr);
    sqlite3_collation_needed(db, nullptr, collationNeeded);
}

} // namespace zrk::db::detail
