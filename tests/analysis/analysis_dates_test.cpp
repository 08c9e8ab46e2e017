#include "analysis/analysis_dates.h"

#include <gtest/gtest.h>

namespace zrk::analysis {
namespace {

struct RangeCase {
    const char* today;
    int choice;
    const char* begin;
    const char* end;
};

TEST(TimeRanges, FollowTheCalendarFromTheGivenDay) {
    const RangeCase cases[] = {
        // A Monday: this week is today alone, last week ends yesterday.
        {"2025-03-03", 4, "2025-03-03", "2025-03-03"},
        {"2025-03-03", 3, "2025-02-24", "2025-03-02"},
        {"2025-03-03", 5, "2025-03-10", "2025-03-16"},
        // A Sunday (weekday 7): the week began six days before, the next one starts tomorrow.
        {"2025-03-09", 4, "2025-03-03", "2025-03-09"},
        {"2025-03-09", 5, "2025-03-10", "2025-03-16"},
        {"2025-03-09", 3, "2025-02-24", "2025-03-02"},
        // 31 March: last month is February, next month April.
        {"2025-03-31", 6, "2025-02-01", "2025-02-28"},
        {"2025-03-31", 8, "2025-04-01", "2025-04-30"},
        {"2025-03-31", 7, "2025-03-01", "2025-03-31"},
        // 29 February of a leap year.
        {"2024-02-29", 6, "2024-01-01", "2024-01-31"},
        {"2024-02-29", 8, "2024-03-01", "2024-03-31"},
        {"2024-02-29", 9, "2023-01-01", "2023-12-31"},
        {"2024-02-29", 10, "2024-01-01", "2024-02-29"},
        // 31 December: the next month and the next day are in the next year.
        {"2025-12-31", 8, "2026-01-01", "2026-01-31"},
        {"2025-12-31", 2, "2026-01-01", "2026-01-01"},
        {"2025-12-31", 5, "2026-01-05", "2026-01-11"},
        {"2025-12-31", 0, "2025-12-30", "2025-12-30"},
        {"2025-12-31", 1, "2025-12-31", "2025-12-31"},
        {"2025-12-31", 11, "1900-06-01", "2025-12-30"},
        {"2025-12-31", 12, "2026-01-01", "2099-12-31"},
    };
    for (const RangeCase& c : cases) {
        const QDate today = QDate::fromString(QString::fromLatin1(c.today), Qt::ISODate);
        SCOPED_TRACE(std::string(c.today) + " choice " + std::to_string(c.choice));
        const auto range = timeRange(c.choice, computeDateBounds(today), today);
        ASSERT_TRUE(range.has_value());
        EXPECT_EQ(range->begin.toStdString(), c.begin);
        EXPECT_EQ(range->end.toStdString(), c.end);
    }
}

TEST(TimeRanges, NoSelectionSetsNoDates) {
    const QDate today(2025, 3, 3);
    EXPECT_FALSE(timeRange(-1, computeDateBounds(today), today));
    EXPECT_FALSE(timeRange(13, computeDateBounds(today), today));
}

TEST(TimeRanges, TheStockStartClampsTheBoundsButNotTodayNorTheFixedDays) {
    const QDate today(2025, 3, 31);
    const QDate stockStart(2025, 3, 15);
    const DateBounds clamped = computeDateBounds(today).clampedTo(stockStart);
    EXPECT_EQ(timeRange(10, clamped, today), (DateRange{"2025-03-15", "2025-03-31"}));
    EXPECT_EQ(timeRange(6, clamped, today), (DateRange{"2025-03-15", "2025-03-15"}));
    EXPECT_EQ(timeRange(11, clamped, today), (DateRange{"1900-06-01", "2025-03-30"}));
    EXPECT_EQ(timeRange(1, computeDateBounds(today).clampedTo(QDate(2026, 1, 1)), today),
              (DateRange{"2025-03-31", "2025-03-31"}));
}

TEST(TimeChoices, AreThirteenInListOrderWithTodayTheDefault) {
    const QStringList texts = timeChoiceTexts();
    ASSERT_EQ(texts.size(), kTimeChoiceCount);
    EXPECT_EQ(texts[kTodayChoice], QStringLiteral("本日"));
    EXPECT_EQ(texts.first(), QStringLiteral("昨日"));
    EXPECT_EQ(texts[11], QStringLiteral("今天之前"));
    EXPECT_EQ(texts.last(), QStringLiteral("今天之后"));
}

} // namespace
} // namespace zrk::analysis
