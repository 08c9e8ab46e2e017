#include "platform/error.h"
#include "suite/account_catalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zrk::suite {
namespace {

void writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(AccountCatalogue, LivesInTheCommonFolder) {
    EXPECT_EQ(accountCatalogueFile(QStringLiteral("/opt/zrk")),
              QStringLiteral("/opt/zrk/Common/AccountSets.json"));
}

TEST(AccountCatalogue, WritesAndReadsBackEveryEntryInOrder) {
    QTemporaryDir dir;
    const QString file = accountCatalogueFile(dir.path());
    const std::vector<AccountSetEntry> entries = {
        {7, QStringLiteral("华岳商贸"), QStringLiteral("Provider=SQLite;Data Source=/data/a b/华岳.zrkdb")},
        {2, QStringLiteral("Server set"),
         QStringLiteral("Provider=SQLOLEDB.1;Data Source=srv;Initial Catalog=AIS2024;User ID=sa;Password=x")},
    };
    writeAccountCatalogue(file, entries);
    const std::vector<AccountSetEntry> read = readAccountCatalogue(file);
    ASSERT_EQ(read.size(), entries.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].id, entries[i].id);
        EXPECT_EQ(read[i].name, entries[i].name);
        EXPECT_EQ(read[i].connectString, entries[i].connectString);
    }
}

TEST(AccountCatalogue, UpsertReplacesTheSameIdAndKeepsTheOthers) {
    std::vector<AccountSetEntry> entries = {{1, QStringLiteral("a"), QStringLiteral("x")},
                                            {2, QStringLiteral("b"), QStringLiteral("y")}};
    upsertAccountSet(entries, {1, QStringLiteral("a2"), QStringLiteral("x2")});
    upsertAccountSet(entries, {3, QStringLiteral("c"), QStringLiteral("z")});
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, QStringLiteral("a2"));
    EXPECT_EQ(entries[0].connectString, QStringLiteral("x2"));
    EXPECT_EQ(entries[1].name, QStringLiteral("b"));
    EXPECT_EQ(entries[2].id, 3);
}

TEST(AccountCatalogue, AMissingFileIsAnEmptyCatalogue) {
    QTemporaryDir dir;
    EXPECT_TRUE(readAccountCatalogue(dir.filePath(QStringLiteral("none.json"))).empty());
}

TEST(AccountCatalogue, RejectsDamagedFilesNamingThem) {
    const QByteArray bad[] = {
        "not json",
        "[1, 2]",
        R"({"accountSets": {}})",
        R"({"accountSets": [{"name": "no id", "connectString": "Provider=SQLite;Data Source=/x"}]})",
        R"({"accountSets": [{"id": 1.5, "connectString": "Provider=SQLite;Data Source=/x"}]})",
        R"({"accountSets": [{"id": 1, "name": "no connection"}]})",
        R"({"accountSets": [{"id": 1, "connectString": "a"}, {"id": 1, "connectString": "b"}]})",
        // A name that would add or override fields of the session's property string.
        R"({"accountSets": [{"id": 1, "name": "A;UserName=root", "connectString": "a"}]})",
        R"({"accountSets": [{"id": 1, "name": "A=B", "connectString": "a"}]})",
        R"({"accountSets": [{"id": 1, "name": "x}", "connectString": "a"}]})",
        R"({"accountSets": [{"id": 1, "name": "{x", "connectString": "a"}]})",
    };
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("AccountSets.json"));
    for (const QByteArray& text : bad) {
        writeText(file, text);
        try {
            readAccountCatalogue(file);
            ADD_FAILURE() << "accepted " << text.constData();
        } catch (const Error& e) {
            EXPECT_TRUE(e.description().contains(QDir::toNativeSeparators(file)))
                << e.description().toStdString();
        }
    }
}

TEST(AccountCatalogue, ANameWithPropertySyntaxSaysWhatIsWrong) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("AccountSets.json"));
    writeText(file, R"({"accountSets": [{"id": 3, "name": "A;B", "connectString": "a"}]})");
    try {
        readAccountCatalogue(file);
        ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("账套 3 的名称“A;B”含有不允许的字符")))
            << e.description().toStdString();
    }
    EXPECT_TRUE(isPlainPropertyValue(QStringLiteral("华岳商贸（演示账套）")));
    EXPECT_FALSE(isPlainPropertyValue(QStringLiteral("a;b")));
}

TEST(AccountCatalogue, SqliteConnectStringNamesTheAbsoluteFile) {
    EXPECT_EQ(sqliteConnectString(QStringLiteral("/tmp/x/demo.zrkdb")),
              QStringLiteral("Provider=SQLite;Data Source=/tmp/x/demo.zrkdb"));
    const QString relative = sqliteConnectString(QStringLiteral("demo.zrkdb"));
    EXPECT_EQ(relative, QStringLiteral("Provider=SQLite;Data Source=") +
                            QDir::current().absoluteFilePath("demo.zrkdb"));
}

} // namespace
} // namespace zrk::suite
