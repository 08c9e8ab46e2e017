#pragma once

// The time choices of the analyses and the dates they stand for. Every function takes "today"
// as an argument, so a table of days tests them.

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace zrk::analysis {

// The list index of "本日", the time list's default.
inline constexpr int kTodayChoice = 1;
inline constexpr int kTimeChoiceCount = 13;

// The bounds of the periods the time choices name, worked out from one day.
struct DateBounds {
    QDate weekStart, monthStart, yearStart;
    QDate yesterday, tomorrow;
    QDate lastWeekStart, lastWeekEnd, nextWeekStart, nextWeekEnd;
    QDate lastMonthStart, lastMonthEnd, nextMonthStart, nextMonthEnd;
    QDate lastYearStart, lastYearEnd;

    // Every bound earlier than the day replaced by it (the sales-profit analysis starts no
    // earlier than the stock system).
    DateBounds clampedTo(const QDate& earliest) const;
};

// A begin and an end day, each "yyyy-MM-dd".
struct DateRange {
    QString begin, end;
    bool operator==(const DateRange&) const = default;
};

// Weeks start on Monday; months and years are calendar months and years.
DateBounds computeDateBounds(const QDate& today);

// The range of a time choice (list index 0..12): this week, month and year end today; "今天之前"
// and "今天之后" reach the fixed days 1900-06-01 and 2099-12-31, which no clamp moves. None for an
// index outside the list (no selection).
std::optional<DateRange> timeRange(int choice, const DateBounds& bounds, const QDate& today);

// The texts of the time list, in list order (untranslated).
QStringList timeChoiceTexts();

// A day as the report components take it.
QString isoDay(const QDate& day);

} // namespace zrk::analysis
