#include "core/roles/component_roles.h"
#include "suite/core_registry.h"
#include "suite/lang_info.h"
#include "suite/res_text_loader.h"
#include "suite/text_table.h"
#include "support/test_console.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(SuiteComponents, EveryStandInIsRegistered) {
    test::TestConsole console;
    for (const char* progId : {"SharedProps.PropStore", "ServerCache.CacheFacade", "CoreObjects.Dictionary",
                               "CoreObjects.Registry", "LangSupport.LangInfo", "ResText.Loader",
                               "FormText.FrmResLoader", "MsgLog.Log", "UserSettings.UserProfile"})
        EXPECT_NE(createComponent(console.ctx.components(), QString::fromLatin1(progId), false), nullptr)
            << progId;
}

TEST(PropStore, InstancesShareTheirData) {
    test::TestConsole console;
    const auto a =
        queryInterface<IPropStore>(console.ctx.components().create(QStringLiteral("SharedProps.PropStore")));
    const auto b =
        queryInterface<IPropStore>(console.ctx.components().create(QStringLiteral("SharedProps.PropStore")));
    a->addProperty(1, QStringLiteral("UserName"), QStringLiteral("x"));
    a->addProperty(1, QStringLiteral("username"), QStringLiteral("y")); // replaces
    EXPECT_EQ(b->getProperty(1, QStringLiteral("USERNAME")), Variant(QStringLiteral("y")));
    EXPECT_TRUE(b->getProperty(2, QStringLiteral("UserName")).isEmpty());
    Variant reserved;
    b->delProperty(1, QStringLiteral("UserName"), reserved);
    EXPECT_TRUE(a->getProperty(1, QStringLiteral("UserName")).isEmpty());
    b->delProperty(3, QStringLiteral("Nothing"), reserved); // nothing there: no error
}

TEST(ServerCache, KeepsValuesByCategoryNameAndVersion) {
    test::TestConsole console;
    const auto cache = queryInterface<IServerCache>(
        console.ctx.components().create(QStringLiteral("ServerCache.CacheFacade")));
    cache->add(QStringLiteral("{System}"), QStringLiteral("Login_Server_Name"), QStringLiteral("S1"),
               QString());
    cache->add(QStringLiteral("{System}"), QStringLiteral("Login_Server_Name"), QStringLiteral("S2"),
               QStringLiteral("v2"));
    EXPECT_EQ(
        cache->getItem(QStringLiteral("login_server_name"), QStringLiteral("{SYSTEM}"), QString(), QString()),
        Variant(QStringLiteral("S1")));
    EXPECT_EQ(cache->getItem(QStringLiteral("Login_Server_Name"), QStringLiteral("{System}"), QString(),
                             QStringLiteral("v2")),
              Variant(QStringLiteral("S2")));
    EXPECT_EQ(cache->getItem(QStringLiteral("Other"), QStringLiteral("{System}"), 5, QString()), Variant(5));
}

TEST(CoreRegistry, ReadsAndWritesTheRegistryThroughTheSettings) {
    test::TestConsole console;
    const auto registry =
        queryInterface<IRegistry>(console.ctx.components().create(QStringLiteral("CoreObjects.Registry")));
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\SoftWare\\QuorVel\\QVReg");
    EXPECT_EQ(registry->getKeyValue(key, QStringLiteral("User"), QStringLiteral("1")), Variant(QString()));
    registry->setKeyValue(key, QStringLiteral("User"), 12);
    EXPECT_EQ(registry->getKeyValue(key, QStringLiteral("user"), QStringLiteral("1")),
              Variant(QStringLiteral("12")));
    EXPECT_EQ(console.settings
                  .read(Hive::CurrentUser, QStringLiteral("SOFTWARE\\QUORVEL\\QVREG"), QStringLiteral("User"))
                  .toInt32(),
              12);
    registry->deleteValue(key, QStringLiteral("User"));
    EXPECT_EQ(registry->getKeyValue(key, QStringLiteral("User"), QStringLiteral("1")), Variant(QString()));
    EXPECT_THROW(
        registry->getKeyValue(QStringLiteral("HKEY_USERS\\X"), QStringLiteral("V"), QStringLiteral("1")),
        Error);
}

TEST(FormatPlaceholders, ReplacesNumberedValues) {
    const QList<Variant> values = {QStringLiteral("a"), 2, Variant::null()};
    const std::pair<const char*, const char*> cases[] = {
        {"%1-%2", "a-2"}, {"%2%1", "2a"}, {"100%%", "100%"}, {"%4", "%4"}, {"%3|", "|"},
        {"%12", "a2"},    {"%", "%"},     {"%x", "%x"},      {"", ""},     {"%1%1", "aa"},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(suite::formatPlaceholders(QString::fromUtf8(pattern), values), QString::fromUtf8(expected))
            << pattern;
}

TEST(LangInfo, MapsLocales) {
    const std::pair<const char*, const char*> cases[] = {
        {"zh_TW", "cht"}, {"zh_HK", "cht"}, {"zh-TW", "cht"},      {"zh_CN", "chs"},
        {"zh_SG", "chs"}, {"en_US", "en"},  {"en_GB.UTF-8", "en"}, {"en", "en"},
        {"de_DE", "chs"}, {"C", "chs"},     {"", "chs"},
    };
    for (const auto& [locale, expected] : cases)
        EXPECT_EQ(suite::languageForLocale(QString::fromUtf8(locale)), QString::fromUtf8(expected)) << locale;
}

TEST(TextTable, ParsesEscapesAndSkipsComments) {
    const suite::TextTable table =
        suite::TextTable::parse(QStringLiteral("# comment\r\n保存\tSave\r\n两行\\n文字\tTwo\\nlines\n\tno "
                                               "source\nno tab\n反斜杠\\\\\tback\\\\slash\n"));
    EXPECT_EQ(table.size(), 3);
    EXPECT_EQ(table.find(QStringLiteral("保存")), QStringLiteral("Save"));
    EXPECT_EQ(table.find(QStringLiteral("两行\n文字")), QStringLiteral("Two\nlines"));
    EXPECT_EQ(table.find(QStringLiteral("反斜杠\\")), QStringLiteral("back\\slash"));
    EXPECT_FALSE(table.find(QStringLiteral("no tab")));
}

TEST(TextTable, BuiltInTablesCoverTheSameTexts) {
    const suite::TextTable english =
        suite::TextTable::load(QString(), QStringLiteral("Q5Base"), QStringLiteral("en"));
    const suite::TextTable traditional =
        suite::TextTable::load(QString(), QStringLiteral("Q5Base"), QStringLiteral("cht"));
    EXPECT_GT(english.size(), 10);
    EXPECT_EQ(english.size(), traditional.size());
    EXPECT_EQ(suite::TextTable::load(QString(), QStringLiteral("Q5Base"), QStringLiteral("xx")).size(), 0);
}

TEST(ResTextLoader, ReadsTablesFromAFolderWhenOneIsSet) {
    test::TestConsole console;
    QFile file(console.folder() + QStringLiteral("/Custom.en.tsv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("保存\tStore\n");
    file.close();
    suite::ResTextLoader loader;
    loader.setLanguageID(QStringLiteral("en"));
    EXPECT_EQ(loader.loadString(QStringLiteral("保存")), QStringLiteral("Save"));
    loader.setResDirectory(console.folder());
    loader.setResFileBaseName(QStringLiteral("Custom"));
    EXPECT_EQ(loader.loadString(QStringLiteral("保存")), QStringLiteral("Store"));
    EXPECT_EQ(loader.loadString(QStringLiteral("就绪")), QStringLiteral("就绪"));
    EXPECT_THROW(loader.loadString2(QStringLiteral("就绪")), Error);
}

} // namespace
} // namespace zrk
