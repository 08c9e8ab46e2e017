#include "platform/ansi_codepage.h"
#include "platform/private_profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zrk {
namespace {

const QString kScheme = QStringLiteral("; installation scheme\r\n"
                                       "[Version]\r\n"
                                       "AppType = 11 \r\n"
                                       "OEM=\"1\"\r\n"
                                       "AppName='Partner Books'\r\n"
                                       "Empty=\r\n"
                                       "NoEquals\r\n"
                                       "[ INDUSTRY ]\n"
                                       "industryID=3\n"
                                       "industryName=  服装 \n"
                                       "industryID=4\n"
                                       "[Version]\n"
                                       "AppType=99\n"
                                       "Extra=late\n");

TEST(PrivateProfile, FollowsTheProfileRules) {
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Version", "AppType", "11"},            // blanks around the value dropped
        {"version", "apptype", "11"},            // names compare without case
        {"Version", "OEM", "1"},                 // enclosing quotes dropped
        {"Version", "AppName", "Partner Books"}, // single quotes too
        {"Version", "Empty", ""},                // an empty value is a value, not the default
        {"Version", "NoEquals", "dflt"},         // a line without "=" is no key
        {"industry", "industryName", "服装"},
        {"industry", "industryID", "3"}, // the first key of a name counts
        {"Version", "Extra", "dflt"},    // only the first section of a name counts
        {"Missing", "AppType", "dflt"},
        {"Version", "Missing", "dflt"},
        {"Version", "; installation scheme", "dflt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profileStringFromText(kScheme, QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                        QStringLiteral("dflt")),
                  QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;
}

TEST(PrivateProfile, CutsValuesAt254Characters) {
    const QString longValue(300, QLatin1Char('x'));
    const QString text = QStringLiteral("[S]\nK=") + longValue + QLatin1Char('\n');
    EXPECT_EQ(profileStringFromText(text, QStringLiteral("S"), QStringLiteral("K"), QString()).size(), 254);
    EXPECT_EQ(profileStringFromText(text, QStringLiteral("S"), QStringLiteral("Z"), longValue).size(), 254);
}

TEST(PrivateProfile, ReadsFilesInUtf8AndInTheAnsiCodePage) {
    QTemporaryDir dir;
    const QString utf8Path = dir.filePath(QStringLiteral("utf8.ini"));
    const QString ansiPath = dir.filePath(QStringLiteral("ansi.ini"));
    QFile utf8(utf8Path);
    ASSERT_TRUE(utf8.open(QIODevice::WriteOnly));
    utf8.write("\xEF\xBB\xBF[industry]\nindustryName=\xE6\x9C\x8D\xE8\xA3\x85\n"); // BOM, 服装
    utf8.close();
    QFile ansi(ansiPath);
    ASSERT_TRUE(ansi.open(QIODevice::WriteOnly));
    ansi.write("[industry]\nindustryName=\xB7\xFE\xD7\xB0\n"); // 服装 in GBK
    ansi.close();
    EXPECT_EQ(
        readProfileString(utf8Path, QStringLiteral("industry"), QStringLiteral("industryName"), QString()),
        QStringLiteral("服装"));
    EXPECT_EQ(
        readProfileString(ansiPath, QStringLiteral("industry"), QStringLiteral("industryName"), QString()),
        QStringLiteral("服装"));
    EXPECT_EQ(readProfileString(dir.filePath(QStringLiteral("none.ini")), QStringLiteral("a"),
                                QStringLiteral("b"), QStringLiteral("0")),
              QStringLiteral("0"));
    // A folder where the file should be is unreadable: the default.
    EXPECT_EQ(readProfileString(dir.path(), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("0")),
              QStringLiteral("0"));
}

TEST(AnsiCodePage, GivesOneByteForAsciiAndTwoForChinese) {
    EXPECT_EQ(ansiBytesOf(U'a'), QByteArray("a"));
    EXPECT_EQ(ansiBytesOf(U'中'), QByteArray("\xD6\xD0"));
    EXPECT_EQ(ansiBytesOf(U'\U0001F600'), QByteArray("?")); // not in the code page
    EXPECT_EQ(fromAnsi(QByteArray("\xD6\xD0\xCE\xC4")), QStringLiteral("中文"));
    EXPECT_EQ(fromAnsi(QByteArray("a\xFF")), QStringLiteral("a\uFFFD"));
}

} // namespace
} // namespace zrk
