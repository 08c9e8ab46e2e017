#include "session/password_scramble.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(ScramblePassword, EmitsCodesFromBothEndsInwardsTwice) {
    const std::pair<QString, QString> passes[] = {
        {QStringLiteral("abc"), QStringLiteral("636162")},    {QStringLiteral("ab"), QStringLiteral("6261")},
        {QStringLiteral("abcd"), QStringLiteral("64616362")}, {QStringLiteral("a"), QStringLiteral("61")},
        {QStringLiteral("\x05"), QStringLiteral("5")},        // one character: no leading zero
        {QStringLiteral("\x05\x06"), QStringLiteral("0605")}, // otherwise two digits
        {QStringLiteral("中"), QStringLiteral("D6D0")},       // a double-byte character: four digits
        {QStringLiteral("a中"), QStringLiteral("D6D061")},
    };
    for (const auto& [text, expected] : passes)
        EXPECT_EQ(scramblePass(text), expected) << text.toStdString();

    EXPECT_EQ(scramblePassword(QStringLiteral("abc")), QStringLiteral("323636333136"));
    EXPECT_EQ(scramblePassword(QString()), QString());
    EXPECT_EQ(scramblePassword(QStringLiteral("中")), scramblePass(QStringLiteral("D6D0")));
    EXPECT_EQ(scramblePassword(QStringLiteral("中")).size(), 8);
}

} // namespace
} // namespace zrk

namespace zrk {
namespace {

TEST(UnscramblePassword, GivesBackEveryScrambledPassword) {
    for (const QString& password :
         {QStringLiteral("abc"), QStringLiteral("boss123"), QStringLiteral("a"), QStringLiteral("密码"),
          QStringLiteral("混合mixed密码123"), QStringLiteral("\x05"), QStringLiteral("p;w=d\"'"), QString()})
        EXPECT_EQ(unscramblePassword(scramblePassword(password)), password) << password.toStdString();
}

TEST(UnscramblePassword, RefusesTextThatIsNoScrambledPassword) {
    for (const char* text : {"xyz", "3236363331", "ZZ", "32363633313G"})
        EXPECT_FALSE(unscramblePassword(QString::fromLatin1(text))) << text;
}

} // namespace
} // namespace zrk
