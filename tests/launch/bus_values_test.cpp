#include "launch/bus_values.h"

#include <QDBusArgument>
#include <QDBusVariant>
#include <gtest/gtest.h>
#include <limits>

using namespace zrk;

// The values another program sends become the suite's values: small integers the 16-bit kind,
// larger ones the 32-bit kind, whatever width the bus carried them in.
TEST(BusValues, BecomeTheSuitesValues) {
    const struct {
        QVariant bus;
        Variant expected;
    } cases[] = {
        {QVariant(true), Variant(true)},
        {QVariant(QStringLiteral("供应商")), Variant(QStringLiteral("供应商"))},
        {QVariant(2.5), Variant(2.5)},
        {QVariant::fromValue<uchar>(7), Variant(std::int16_t(7))},
        {QVariant::fromValue<short>(-3), Variant(std::int16_t(-3))},
        {QVariant(32767), Variant(std::int16_t(32767))},
        {QVariant(32768), Variant(std::int32_t(32768))},
        {QVariant::fromValue<qlonglong>(-2147483648LL), Variant(std::int32_t(-2147483647 - 1))},
        {QVariant::fromValue<uint>(40000), Variant(std::int32_t(40000))},
        {QVariant::fromValue<qulonglong>(5), Variant(std::int16_t(5))},
        {QVariant::fromValue(QDBusVariant(QVariant(12))), Variant(std::int16_t(12))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(variantFromBus(c.bus, QStringLiteral("k")), c.expected) << c.bus.typeName();
}

TEST(BusValues, RefuseWhatTheSuiteCannotHoldNamingTheKey) {
    const struct {
        QVariant bus;
        int number;
    } cases[] = {
        {QVariant::fromValue<qlonglong>(2147483648LL), errnum::Overflow},
        {QVariant::fromValue<qulonglong>(std::numeric_limits<qulonglong>::max()), errnum::Overflow},
        {QVariant(QStringList{QStringLiteral("a")}), errnum::TypeMismatch},
        {QVariant(QByteArray("ab")), errnum::TypeMismatch},
        {QVariant(), errnum::TypeMismatch},
    };
    for (const auto& c : cases) {
        try {
            variantFromBus(c.bus, QStringLiteral("FClassParam"));
            ADD_FAILURE() << "took " << c.bus.typeName();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), c.number) << c.bus.typeName();
            EXPECT_TRUE(e.description().contains(QStringLiteral("\"FClassParam\"")))
                << e.description().toStdString();
        }
    }
}

TEST(BusValues, AMapKeepsEveryKeyAndAnErrorCarriesItsThreeParts) {
    const DictionaryPtr dictionary =
        dictionaryFromBus({{QStringLiteral("FClassParam"), QStringLiteral("FItemClassID=3")},
                           {QStringLiteral("FNoFilter"), false}});
    EXPECT_EQ(dictionary->keys(), (QStringList{QStringLiteral("FClassParam"), QStringLiteral("FNoFilter")}));
    EXPECT_EQ(dictionary->item(QStringLiteral("FNoFilter")), Variant(false));
    EXPECT_EQ(busErrorMessage(Error(429, QStringLiteral("zrkboss"), QStringLiteral("没有注册"))),
              QStringLiteral("number: 429\nsource: zrkboss\ndescription: 没有注册"));
}
