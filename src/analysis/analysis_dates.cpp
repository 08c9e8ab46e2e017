#include "analysis/analysis_dates.h"

#include <algorithm>

namespace zrk::analysis {

namespace {

QDate firstOfMonth(const QDate& day) {
    return QDate(day.year(), day.month(), 1);
}

} // namespace

DateBounds DateBounds::clampedTo(const QDate& earliest) const {
    DateBounds out = *this;
    for (QDate* bound :
         {&out.weekStart, &out.monthStart, &out.yearStart, &out.yesterday, &out.tomorrow, &out.lastWeekStart,
          &out.lastWeekEnd, &out.nextWeekStart, &out.nextWeekEnd, &out.lastMonthStart, &out.lastMonthEnd,
          &out.nextMonthStart, &out.nextMonthEnd, &out.lastYearStart, &out.lastYearEnd})
        *bound = std::max(*bound, earliest);
    return out;
}

DateBounds computeDateBounds(const QDate& today) {
    const int w = today.dayOfWeek(); // Monday 1 .. Sunday 7
    DateBounds b;
    b.weekStart = today.addDays(1 - w);
    b.monthStart = firstOfMonth(today);
    b.yearStart = QDate(today.year(), 1, 1);
    b.yesterday = today.addDays(-1);
    b.tomorrow = today.addDays(1);
    b.lastWeekStart = today.addDays(-w - 6);
    b.lastWeekEnd = today.addDays(-w);
    b.nextWeekStart = today.addDays(7 - w + 1);
    b.nextWeekEnd = today.addDays(7 - w + 7);
    b.lastMonthStart = firstOfMonth(today.addMonths(-1));
    b.lastMonthEnd = b.monthStart.addDays(-1);
    b.nextMonthStart = firstOfMonth(today.addMonths(1));
    b.nextMonthEnd = firstOfMonth(today.addMonths(2)).addDays(-1);
    b.lastYearStart = QDate(today.year() - 1, 1, 1);
    b.lastYearEnd = b.yearStart.addDays(-1);
    return b;
}

QString isoDay(const QDate& day) {
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

std::optional<DateRange> timeRange(int choice, const DateBounds& b, const QDate& today) {
    const auto range = [](const QDate& begin, const QDate& end) {
        return DateRange{isoDay(begin), isoDay(end)};
    };
    switch (choice) {
    case 0:
        return range(b.yesterday, b.yesterday);
    case 1:
        return range(today, today);
    case 2:
        return range(b.tomorrow, b.tomorrow);
    case 3:
        return range(b.lastWeekStart, b.lastWeekEnd);
    case 4:
        return range(b.weekStart, today);
    case 5:
        return range(b.nextWeekStart, b.nextWeekEnd);
    case 6:
        return range(b.lastMonthStart, b.lastMonthEnd);
    case 7:
        return range(b.monthStart, today);
    case 8:
        return range(b.nextMonthStart, b.nextMonthEnd);
    case 9:
        return range(b.lastYearStart, b.lastYearEnd);
    case 10:
        return range(b.yearStart, today);
    case 11:
        return DateRange{QStringLiteral("1900-06-01"), isoDay(b.yesterday)};
    case 12:
        return DateRange{isoDay(b.tomorrow), QStringLiteral("2099-12-31")};
    default:
        return std::nullopt;
    }
}

QStringList timeChoiceTexts() {
    return {QStringLiteral("昨日"),    QStringLiteral("本日"), QStringLiteral("明日"),
            QStringLiteral("上周"),    QStringLiteral("本周"), QStringLiteral("下周"),
            QStringLiteral("上月"),    QStringLiteral("本月"), QStringLiteral("下月"),
            QStringLiteral("上年"),    QStringLiteral("本年"), QStringLiteral("今天之前"),
            QStringLiteral("今天之后")};
}

} // namespace zrk::analysis
