#include "session/property_string.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

const QString kProps = QStringLiteral("X=1;ConnectString={Provider=SQLOLEDB.1;Data Source=S};Y=2;");

TEST(GetPropValue, FindsTheFirstKeyAnywhereWithoutCase) {
    struct Case {
        QString text, key, separator, expected;
    };
    const Case cases[] = {
        {QStringLiteral("A=1;B=2"), QStringLiteral("b"), QStringLiteral(";"), QStringLiteral("2")},
        {QStringLiteral("UserID=7;ID=9;"), QStringLiteral("ID"), QStringLiteral(";"), QStringLiteral("7")},
        {kProps, QStringLiteral("ConnectString"), QStringLiteral(";"),
         QStringLiteral("Provider=SQLOLEDB.1;Data Source=S")},
        {kProps, QStringLiteral("connectstring"), QStringLiteral(";"),
         QStringLiteral("Provider=SQLOLEDB.1;Data Source=S")},
        {kProps, QStringLiteral("Y"), QStringLiteral(";"), QStringLiteral("2")},
        {QStringLiteral("K=a=b;"), QStringLiteral("K"), QStringLiteral(";"), QStringLiteral("a=b")},
        {QStringLiteral("K=;L=1"), QStringLiteral("K"), QStringLiteral(";"), QString()},
        {QStringLiteral("A=1;B=2"), QStringLiteral("C"), QStringLiteral(";"), QString()},
        {QStringLiteral("VYTParams=abc AlgID=2"), QStringLiteral("AlgID"), QStringLiteral(" "),
         QStringLiteral("2")},
        {QStringLiteral("ConnectString={unclosed"), QStringLiteral("ConnectString"), QStringLiteral(";"),
         QString()},
        {QString(), QStringLiteral("A"), QStringLiteral(";"), QString()},
        {QStringLiteral("A=1"), QStringLiteral("A"), QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(getPropValue(c.text, c.key, c.separator), c.expected)
            << c.text.toStdString() << " / " << c.key.toStdString();
}

TEST(GetItemValue, KeepsTheBraceWithTheBraceSeparator) {
    EXPECT_EQ(getItemValue(kProps, QStringLiteral("ConnectString"), QStringLiteral("};")),
              QStringLiteral("{Provider=SQLOLEDB.1;Data Source=S"));
    EXPECT_EQ(getItemValue(kProps, QStringLiteral("ConnectString"), QStringLiteral(";")),
              QStringLiteral("{Provider=SQLOLEDB.1"));
    EXPECT_EQ(getItemValue(QStringLiteral("UserName=老板;"), QStringLiteral("username"), QStringLiteral(";")),
              QStringLiteral("老板"));
}

TEST(GetBraceField, ReadsTheGroupAndTheItemsAfterIt) {
    const QString text =
        QStringLiteral("ConnectString={Provider=SQLite;Data Source=/a.db};UserName=boss;AcctID=3;");
    const std::tuple<QString, int, QString> cases[] = {
        {text, 0, QStringLiteral("Provider=SQLite;Data Source=/a.db")},
        {text, 1, QStringLiteral("boss")},
        {text, 2, QStringLiteral("3")},
        {text, 3, QString()},
        {text, -1, QString()},
        {QStringLiteral("A=1;B=2"), 0, QString()},
        {QStringLiteral("A=1;B=2"), 1, QString()},
        {QStringLiteral("A=1;B=2"), 2, QString()},
        {QStringLiteral("{x}"), 1, QString()},
    };
    for (const auto& [input, mode, expected] : cases)
        EXPECT_EQ(getBraceField(input, mode), expected) << input.toStdString() << " mode " << mode;
}

} // namespace
} // namespace zrk
