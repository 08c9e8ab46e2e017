#include "session/installation.h"
#include "support/test_console.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// A console whose installation folder is recorded in the machine settings, with a scheme file.
class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        installDir = console.folder() + QStringLiteral("/suite");
        QDir().mkpath(installDir + QStringLiteral("/Common"));
        console.settings.write(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"),
                               QStringLiteral("Path"), installDir);
    }
    void writeScheme(const QByteArray& text) {
        QFile file(installDir + QStringLiteral("/Common/ZRKBaseScheme.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    test::TestConsole console;
    QString installDir;
};

TEST_F(Installed, TheInstallFolderComesFromTheMachineSettingsEachTime) {
    EXPECT_EQ(getInstallDir(console.ctx), installDir);
    EXPECT_EQ(getCommonDir(console.ctx), installDir + QStringLiteral("/Common/"));
    console.settings.write(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"),
                           QStringLiteral("Path"), QStringLiteral("/elsewhere/"));
    EXPECT_EQ(getInstallDir(console.ctx), QStringLiteral("/elsewhere/"));
    EXPECT_EQ(getCommonDir(console.ctx), QStringLiteral("/elsewhere/Common/"));
}

TEST(Installation, WithoutARecordedFolderCommonIsAtTheRoot) {
    test::TestConsole console;
    EXPECT_EQ(getInstallDir(console.ctx), QString());
    EXPECT_EQ(getCommonDir(console.ctx), QStringLiteral("/Common/"));
}

TEST(Installation, WithoutAnySchemeFileEveryValueIsItsDefault) {
    test::TestConsole console;
    console.settings.write(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"),
                           QStringLiteral("Path"), console.folder() + QStringLiteral("/nothing"));
    const SchemeInfo info = getSchemeInfo(console.ctx);
    EXPECT_EQ(info.appType, 0);
    EXPECT_EQ(info.appName, getEditionName(0));
    EXPECT_FALSE(info.oem);
    EXPECT_EQ(info.iconPath, QString());
    EXPECT_EQ(getIndustry(console.ctx).id, 0);
    EXPECT_EQ(getHangYeType(console.ctx), 0);
    EXPECT_EQ(getProductTitle(console.ctx), QStringLiteral("QuorvelZRKNimbra老板报表"));
}

TEST_F(Installed, AnUnbrandedEditionTakesItsNameFromTheTable) {
    writeScheme("[Version]\nAppType=5\nOEM=0\nAppName=Ignored\n");
    const SchemeInfo info = getSchemeInfo(console.ctx);
    EXPECT_EQ(info.appType, 5);
    EXPECT_EQ(info.appName, QStringLiteral("Version Unknown"));
    EXPECT_FALSE(info.oem);
    EXPECT_TRUE(console.ctx.scheme().loaded);
}

TEST_F(Installed, ABrandedInstallationNamesItselfWithoutLineBreaks) {
    // A line ends at its line feed, so a lone carriage return stays inside the value.
    writeScheme("[Version]\r\nAppType=11\r\nOEM=True\r\nAppName=Partner\rBooks\r\n");
    const SchemeInfo info = getSchemeInfo(console.ctx);
    EXPECT_EQ(info.appType, 11);
    EXPECT_TRUE(info.oem);
    EXPECT_EQ(info.iconPath, installDir + QStringLiteral("/Common/bmp/ZRK.ico"));
    EXPECT_EQ(info.appName, QStringLiteral("PartnerBooks"));
}

TEST_F(Installed, TheSchemeIsReadOnceAndCached) {
    writeScheme("[Version]\nAppType=2\n");
    EXPECT_EQ(getAppType(console.ctx), 2);
    writeScheme("[Version]\nAppType=12\n");
    EXPECT_EQ(getAppType(console.ctx), 2);
}

TEST_F(Installed, AnUnreadableValueEndsTheReadKeepingWhatWasRead) {
    writeScheme("[Version]\nAppType=1\nOEM=perhaps\nAppName=X\n");
    const SchemeInfo info = getSchemeInfo(console.ctx);
    EXPECT_EQ(info.appType, 1);
    EXPECT_FALSE(info.oem);
    EXPECT_EQ(info.appName, getEditionName(1));
}

TEST_F(Installed, IndustryValuesAreConvertedAsNumbersAndTrimmed) {
    writeScheme("[Version]\nHangYeType=2.5\n[industry]\nindustryID=3.5\nindustryName=  服装鞋帽 \nDemo=1x\n");
    const Industry industry = getIndustry(console.ctx);
    EXPECT_EQ(industry.id, 4);
    EXPECT_EQ(industry.name, QStringLiteral("服装鞋帽"));
    EXPECT_EQ(industry.demo, 1);
    EXPECT_EQ(getHangYeType(console.ctx), 2);
    EXPECT_EQ(getProductTitle(console.ctx), QStringLiteral("服装鞋帽"));
}

TEST_F(Installed, AnIndustryNumberTooLargeForItsTypeLeavesTheDefault) {
    writeScheme("[industry]\nindustryID=70000\nindustryName=X\n");
    EXPECT_EQ(getIndustry(console.ctx).id, 0);
    EXPECT_EQ(getProductTitle(console.ctx), QStringLiteral("QuorvelZRKNimbra老板报表"));
}

TEST(EditionNames, EveryKnownEditionHasItsOwnName) {
    QStringList names;
    for (int edition : {0, 1, 2, 11, 12}) {
        const QString name = getEditionName(edition);
        EXPECT_NE(name, QStringLiteral("Version Unknown"));
        EXPECT_FALSE(names.contains(name));
        names << name;
    }
    for (int edition : {-1, 3, 5, 10, 13})
        EXPECT_EQ(getEditionName(edition), QStringLiteral("Version Unknown"));
}

TEST(AddBackslash, AppendsOneSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\A", "C:\\A\\"},
        {"C:\\A\\", "C:\\A\\"},
        {"  ", ""},
        {"", ""},
        {" C:\\A ", "C:\\A\\"},
        {"/opt/zrk", "/opt/zrk/"},
        {"/opt/zrk/", "/opt/zrk/"},
        {"rel", "rel/"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(addBackslash(QString::fromUtf8(path)), QString::fromUtf8(expected)) << path;
}

} // namespace
} // namespace zrk
