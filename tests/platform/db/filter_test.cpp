// Recordset filters and sorts, on rows held in memory.
#include "platform/db/db_errors.h"
#include "platform/db/filter_expression.h"
#include "platform/db/recordset.h"
#include "platform/db/sql_literal.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace zrk;
using namespace zrk::db;

namespace {

// FAppType, FZRKSubID, FZRKCaption, Fsumsort, FProfit, FDate
RecordsetPtr sample() {
    RowStore rows;
    rows.columns = {
        {QStringLiteral("FAppType"), FieldKind::Int32},   {QStringLiteral("FZRKSubID"), FieldKind::Int32},
        {QStringLiteral("FZRKCaption"), FieldKind::Text}, {QStringLiteral("Fsumsort"), FieldKind::Int32},
        {QStringLiteral("FProfit"), FieldKind::Double},   {QStringLiteral("FDate"), FieldKind::Date}};
    struct Row {
        int app, sub;
        const char* caption;
        int sort;
        double profit;
        const char* date;
    } data[] = {
        {0, 3, "Cash flow", 0, 120.5, "2024-01-05 00:00:00"},
        {0, 1, "Customers", 0, -3, "2024-02-10"},
        {1, 3, "O'Brien", 0, 40, nullptr},
        {0, 3, "客户资料", 101, 9999, "2023-12-31"},
        {0, 2, nullptr, 102, 0, "2024-01-05 12:00:00"},
    };
    for (const Row& r : data) {
        rows.appendInt(r.app);
        rows.appendInt(r.sub);
        if (r.caption) {
            const QByteArray c = QByteArray(r.caption);
            rows.appendText(c.constData(), std::size_t(c.size()));
        } else {
            rows.appendNull();
        }
        rows.appendInt(r.sort);
        rows.appendReal(r.profit);
        if (r.date)
            rows.appendText(r.date, std::strlen(r.date));
        else
            rows.appendNull();
    }
    return std::make_shared<Recordset>(std::move(rows));
}

QStringList captions(const RecordsetPtr& rs) {
    QStringList out;
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        const Variant v = rs->value(QStringLiteral("FZRKCaption"));
        out << (v.isNull() ? QStringLiteral("NULL") : v.toString());
    }
    return out;
}

TEST(Filter, ExpressionsSelectTheMatchingRows) {
    struct Case {
        QString filter;
        QStringList expected;
    } cases[] = {
        {QStringLiteral("FAppType=0 and FZRKSubID=3"), {"Cash flow", "客户资料"}},
        {QStringLiteral("Fsumsort<>101"), {"Cash flow", "Customers", "O'Brien", "NULL"}},
        {QStringLiteral("Fsumsort=102"), {"NULL"}},
        {QStringLiteral("FProfit >= 40 and FProfit < 1000"), {"Cash flow", "O'Brien"}},
        {QStringLiteral("FProfit > -3.5 and FProfit <= -3"), {"Customers"}},
        {QStringLiteral("FZRKSubID = 1 or (FAppType = 1 and FZRKSubID = 3)"), {"Customers", "O'Brien"}},
        {QStringLiteral("(FZRKSubID = 1 or FAppType = 1) and FProfit > 0"), {"O'Brien"}},
        {QStringLiteral("FZRKCaption = 'cash FLOW'"), {"Cash flow"}},
        {QStringLiteral("FZRKCaption LIKE 'C*'"), {"Cash flow", "Customers"}},
        {QStringLiteral("FZRKCaption like '%o%'"), {"Cash flow", "Customers", "O'Brien"}},
        {QStringLiteral("FZRKCaption LIKE '客户*'"), {"客户资料"}},
        {QStringLiteral("FZRKCaption = ") + filterText(QStringLiteral("O'Brien")), {"O'Brien"}},
        {QStringLiteral("FZRKCaption = null"), {"NULL"}},
        {QStringLiteral("FZRKCaption IS NOT NULL and FDate IS NULL"), {"O'Brien"}},
        {QStringLiteral("FDate = #2024-01-05#"), {"Cash flow"}},
        {QStringLiteral("FDate > #1/5/2024# and FDate < #2024-02-01#"), {"NULL"}},
        {QStringLiteral("FAppType = '1'"), {"O'Brien"}},
        {QStringLiteral("[FZRKSubID] = 2"), {"NULL"}},
        {QStringLiteral("  "), {"Cash flow", "Customers", "O'Brien", "客户资料", "NULL"}},
    };
    for (const Case& c : cases) {
        auto rs = sample();
        rs->setFilter(c.filter);
        EXPECT_EQ(captions(rs), c.expected) << c.filter.toStdString();
        EXPECT_EQ(rs->recordCount(), c.expected.size()) << c.filter.toStdString();
    }
}

TEST(Filter, BadExpressionsRaiseAndKeepThePreviousView) {
    const QString bad[] = {QStringLiteral("FNope = 1"),      QStringLiteral("FAppType ="),
                           QStringLiteral("FAppType = 'x"),  QStringLiteral("(FAppType = 1"),
                           QStringLiteral("FAppType ! 1"),   QStringLiteral("FAppType = 1 and"),
                           QStringLiteral("FProfit < null"), QStringLiteral("FDate = #never#"),
                           QStringLiteral("FAppType LIKE 1")};
    for (const QString& filter : bad) {
        auto rs = sample();
        rs->setFilter(QStringLiteral("FZRKSubID = 3"));
        try {
            rs->setFilter(filter);
            ADD_FAILURE() << filter.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), dberr::ArgumentsWrongType) << filter.toStdString();
        }
        EXPECT_EQ(rs->filter(), QStringLiteral("FZRKSubID = 3"));
        EXPECT_EQ(rs->recordCount(), 3);
    }
}

TEST(Filter, DeepNestingIsRefusedNotOverflowed) {
    auto rs = sample();
    const QString deep =
        QString(5000, QLatin1Char('(')) + QStringLiteral("FAppType = 0") + QString(5000, QLatin1Char(')'));
    EXPECT_THROW(rs->setFilter(deep), Error);
}

TEST(Sort, SeveralKeysAndDirections) {
    struct Case {
        QString sort;
        QStringList expected;
    } cases[] = {
        {QStringLiteral(" FProfit DESC "), {"客户资料", "Cash flow", "O'Brien", "NULL", "Customers"}},
        {QStringLiteral("FZRKSubID, FProfit desc"),
         {"Customers", "NULL", "客户资料", "Cash flow", "O'Brien"}},
        {QStringLiteral("FZRKCaption"), {"NULL", "Cash flow", "Customers", "O'Brien", "客户资料"}},
        {QStringLiteral("FDate DESC"), {"Customers", "NULL", "Cash flow", "客户资料", "O'Brien"}},
    };
    for (const Case& c : cases) {
        auto rs = sample();
        rs->setSort(c.sort);
        EXPECT_EQ(captions(rs), c.expected) << c.sort.toStdString();
    }
    auto rs = sample();
    rs->setFilter(QStringLiteral("Fsumsort<>101"));
    rs->setSort(QStringLiteral("FProfit DESC"));
    EXPECT_EQ(captions(rs), QStringList({"Cash flow", "O'Brien", "NULL", "Customers"}));
    EXPECT_THROW(rs->setSort(QStringLiteral("FNope")), Error);
}

TEST(Like, WildcardsAnywhere) {
    struct Case {
        const char* text;
        const char* pattern;
        bool match;
    } cases[] = {
        {"abc", "a*", true},      {"abc", "*C", true},    {"abc", "%b%", true}, {"abc", "a*d", false},
        {"abc", "abc", true},     {"abc", "ab", false},   {"", "*", true},      {"aXbXc", "a*b*c", true},
        {"中文字", "*文*", true}, {"abc", "**a**", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(likeMatch(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.match)
            << c.text << " " << c.pattern;
}

TEST(Recordset, ClosedRecordsetRefusesEverything) {
    auto rs = sample();
    rs->close();
    EXPECT_EQ(rs->state(), 0);
    try {
        rs->moveFirst();
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), dberr::ObjectClosed);
    }
}

TEST(Recordset, TravelsInAVariant) {
    const Variant v(sample());
    auto back = std::dynamic_pointer_cast<Recordset>(v.toObject());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->recordCount(), 5);
}

} // namespace
