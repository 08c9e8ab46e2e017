#include "platform/vb_conversions.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zrk {
namespace {

int errorNumberOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

TEST(TextToBool, AcceptsWordsInAnyCaseAndNumbers) {
    const std::pair<const char*, bool> cases[] = {
        {"true", true}, {"TRUE", true}, {"True", true}, {" tRuE ", true}, {"false", false}, {"FALSE", false},
        {"0", false},   {"1", true},    {"-1", true},   {"0.0", false},   {"2.5", true},    {"&H0", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(vb::textToBool(QString::fromUtf8(text)), expected) << text;
}

TEST(TextToBool, AnythingElseIsATypeMismatch) {
    for (const char* text : {"", "yes", "truex", "1a", "on"})
        EXPECT_EQ(errorNumberOf([&] { vb::textToBool(QString::fromUtf8(text)); }), errnum::TypeMismatch)
            << text;
}

TEST(RoundToInteger, RoundsHalfToEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},  {3.5, 4},  {-0.5, 0},
                                            {-1.5, -2}, {-2.5, -2}, {2.49, 2}, {2.51, 3}, {7.0, 7}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(vb::cint(value), expected) << value;
        EXPECT_EQ(vb::clng(value), expected) << value;
    }
}

TEST(RoundToInteger, ConvertsTextBooleansAndEmpty) {
    EXPECT_EQ(vb::cint(QStringLiteral(" 12.5 ")), 12);
    EXPECT_EQ(vb::cint(QStringLiteral("1,234")), 1234);
    EXPECT_EQ(vb::clng(true), -1);
    EXPECT_EQ(vb::cint(Variant()), 0);
    EXPECT_EQ(errorNumberOf([] { vb::cint(QStringLiteral("12abc")); }), errnum::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { vb::clng(Variant::null()); }), errnum::InvalidUseOfNull);
}

TEST(RoundToInteger, OverflowsOutsideTheTypesRange) {
    EXPECT_EQ(vb::cint(32767.4), 32767);
    EXPECT_EQ(vb::cint(-32768.5), -32768); // half to even stays inside
    EXPECT_EQ(errorNumberOf([] { vb::cint(32767.5); }), errnum::Overflow);
    EXPECT_EQ(errorNumberOf([] { vb::cint(-32769.0); }), errnum::Overflow);
    EXPECT_EQ(vb::clng(2147483647.0), 2147483647);
    EXPECT_EQ(errorNumberOf([] { vb::clng(2147483648.0); }), errnum::Overflow);
    EXPECT_EQ(errorNumberOf([] { vb::clng(QStringLiteral("1e300")); }), errnum::Overflow);
}

TEST(Val, ReadsTheLongestNumericPrefix) {
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12}, {"", 0},       {"abc", 0},     {"  42", 42}, {"1 2 3", 123}, {"-3.5x", -3.5},
        {"2.5", 2.5},  {"1e3", 1000}, {"1e", 1},      {"1e+", 1},   {".5", 0.5},    {".", 0},
        {"-", 0},      {"&H1F", 31},  {"&HFFFF", -1}, {"&O17", 15}, {"1,000", 1},   {"3.5.6", 3.5},
        {"+7", 7},     {"1d2", 100},  {"0012", 12},   {"\t9\n", 9},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(vb::val(QString::fromUtf8(text)), expected) << text;
}

TEST(IsNumeric, AcceptsNumbersAndNumericText) {
    const std::pair<Variant, bool> cases[] = {
        {QStringLiteral("12"), true},    {QStringLiteral(" -1.5 "), true},
        {QStringLiteral("1,000"), true}, {QStringLiteral("1e5"), true},
        {QStringLiteral("&HFF"), true},  {QStringLiteral("12abc"), false},
        {QStringLiteral(""), false},     {QStringLiteral("."), false},
        {QStringLiteral("1e"), false},   {Variant(), true},
        {Variant::null(), false},        {Variant(3.0), true},
        {Variant(true), true},           {Variant(QDateTime::currentDateTime()), false},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(vb::isNumeric(value), expected) << typeName(value.type()).toStdString();
}

TEST(Format, WritesGroupedTwoDecimals) {
    const std::pair<double, const char*> cases[] = {
        {0, "0.00"},         {1234.5, "1,234.50"},  {-1234.567, "-1,234.57"},
        {2.345, "2.35"},     {0.005, "0.01"},       {0.004, "0.00"},
        {-0.004, "0.00"},    {999.995, "1,000.00"}, {1e9, "1,000,000,000.00"},
        {0.1 + 0.2, "0.30"}, {12, "12.00"},         {123456.789, "123,456.79"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(vb::format(value, QStringLiteral("#,##0.00")), QString::fromUtf8(expected)) << value;
}

TEST(Format, OtherNumberPatterns) {
    EXPECT_EQ(vb::format(1234.5, QStringLiteral("0.00")), QStringLiteral("1234.50"));
    EXPECT_EQ(vb::format(1234.5, QStringLiteral("#,##0")), QStringLiteral("1,235"));
    EXPECT_EQ(vb::format(0.4, QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(vb::format(0.5, QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_EQ(errorNumberOf([] { vb::format(1, QStringLiteral("yyyy-mm")); }), errnum::InvalidProcedureCall);
}

TEST(NullToText, GivesTheDefaultForNullAndEmptyText) {
    EXPECT_EQ(vb::nullToText(QStringLiteral(""), QStringLiteral("0")), Variant(QStringLiteral("0")));
    EXPECT_EQ(vb::nullToText(QStringLiteral("x"), QStringLiteral("0")), Variant(QStringLiteral("x")));
    EXPECT_EQ(vb::nullToText(Variant::null()), Variant(QString()));
    EXPECT_EQ(vb::nullToText(Variant::null(), 5), Variant(5));
    EXPECT_EQ(vb::nullToText(Variant()), Variant(QString()));
    EXPECT_EQ(vb::nullToText(Variant(0)), Variant(0)); // a number stays a number
}

TEST(VariantConversions, FollowThePlatformsRules) {
    EXPECT_EQ(Variant(2.5).toString(), QStringLiteral("2.5"));
    EXPECT_EQ(Variant(1e20).toString(), QStringLiteral("1E+20"));
    EXPECT_EQ(Variant(true).toString(), QStringLiteral("True"));
    EXPECT_EQ(Variant(std::int16_t{-3}).toString(), QStringLiteral("-3"));
    EXPECT_EQ(Variant(QDateTime(QDate(2026, 1, 2), QTime(0, 0))).toString(), QStringLiteral("2026-01-02"));
    EXPECT_EQ(Variant(QDateTime(QDate(1900, 1, 1), QTime(12, 0))).toDouble(), 2.5);
    EXPECT_EQ(Variant(QStringLiteral("2026-03-04")).toDate().date(), QDate(2026, 3, 4));
    EXPECT_TRUE(Variant(QStringLiteral("1")).toBool());
    EXPECT_EQ(errorNumberOf([] { Variant::null().toString(); }), errnum::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { Variant(QStringLiteral("x")).toDouble(); }), errnum::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { Variant(std::make_shared<Object>()).toString(); }), errnum::TypeMismatch);
    EXPECT_NE(Variant(1), Variant(1.0)); // equality compares type and value
    EXPECT_NE(Variant(), Variant::null());
}

} // namespace
} // namespace zrk
