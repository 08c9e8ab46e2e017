// The company and seed connections and the program directory.
#include "console_fixture.h"
#include "db/connections.h"

#include <QCoreApplication>
#include <unistd.h>

namespace zrk {
namespace {

const QString kBuiltSeed = QStringLiteral(ZRK_BUILT_SEED_FILE);

using Connections = test::ConsoleWithCompany;

TEST_F(Connections, TheCompanyConnectionOpensOnTheSessionsConnectString) {
    conn->execute(QStringLiteral("create table t_Probe (FID int)"));
    ASSERT_TRUE(openCompanyConnection(console.ctx));
    ASSERT_TRUE(console.ctx.session().companyConnection);
    EXPECT_EQ(console.ctx.session().companyConnection->state(), 1);
    EXPECT_EQ(console.ctx.session().companyConnection->connectionString(), connectString);
    EXPECT_TRUE(
        console.ctx.session().companyConnection->execute(QStringLiteral("select count(*) from t_Probe")));
}

TEST_F(Connections, TheEnginesErrorPassesOnUnchanged) {
    struct Case {
        const char* name;
        QString connect;
    } cases[] = {
        {"a missing database file",
         QStringLiteral("Provider=SQLite;Data Source=") + console.folder() + QStringLiteral("/missing.db")},
        {"an unknown provider", QStringLiteral("Provider=Nobody.1;Data Source=x")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        publishSession(c.connect);
        std::optional<Error> direct;
        try {
            db::Connection same;
            same.open(c.connect);
        } catch (const Error& e) {
            direct = e;
        }
        ASSERT_TRUE(direct);
        try {
            openCompanyConnection(console.ctx);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e, *direct);
        }
        ASSERT_TRUE(console.ctx.session().companyConnection);
        EXPECT_EQ(console.ctx.session().companyConnection->state(), 0);
        EXPECT_TRUE(console.prompts.messages().empty());
    }
}

TEST_F(Connections, APropertyStringWithoutAConnectStringSaysSo) {
    for (const QString& props :
         {QStringLiteral("UserName=boss;AcctID=1;"), QStringLiteral("UserName=boss;ConnectString={  };")}) {
        SCOPED_TRACE(props.toStdString());
        publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("PropsString"), props}});
        console.ctx.session().companyConnection.reset();
        try {
            openCompanyConnection(console.ctx);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.description(), kNoConnectStringText);
        }
        EXPECT_FALSE(console.ctx.session().companyConnection); // no engine was asked
    }
}

// Why an account set cannot take writes, and the message that names the file with the cause.
TEST_F(Connections, AnAccountSetThatCannotTakeWritesIsNamedWithTheCause) {
    EXPECT_EQ(companyDatabaseWriteRefusal(*conn).cause, QString());

    db::Connection readOnly;
    readOnly.open(connectString + QStringLiteral(";Mode=Read"));
    EXPECT_EQ(companyDatabaseWriteRefusal(readOnly).cause, kOpenedReadOnlyText);
    try {
        checkCompanyDatabaseWritable(console.ctx, readOnly);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.description(),
                  QStringLiteral("账套数据库无法写入：%1（%2）").arg(companyFile, kOpenedReadOnlyText));
    }

    conn->beginTrans();
    conn->execute(QStringLiteral("create table t_Held (FID int)")); // this handle holds the write lock
    db::Connection second;
    second.open(connectString);
    const WriteRefusal locked = companyDatabaseWriteRefusal(second);
    EXPECT_EQ(locked.cause, kLockedText);
    EXPECT_TRUE(locked.detail.contains(QStringLiteral("locked"))) << locked.detail.toStdString();
    conn->rollbackTrans();
    EXPECT_EQ(companyDatabaseWriteRefusal(second).cause, QString());
}

TEST_F(Connections, AReadOnlyFileOrFolderIsTheCauseNamed) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "file modes do not hold the super-user back";
    QFile::setPermissions(companyFile, QFile::ReadOwner);
    EXPECT_EQ(companyDatabaseWriteRefusal(*conn).cause, kReadOnlyFileText);
    QFile::setPermissions(companyFile, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(console.folder(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(companyDatabaseWriteRefusal(*conn).cause, kReadOnlyFolderText);
    QFile::setPermissions(console.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(Connections, CloseConnectionAcceptsNoneClosedAndOpen) {
    db::ConnectionPtr none;
    closeConnection(none);
    EXPECT_FALSE(none);

    auto closed = std::make_shared<db::Connection>();
    closeConnection(closed);
    EXPECT_FALSE(closed);

    auto open = conn;
    ASSERT_EQ(open->state(), 1);
    closeConnection(open);
    EXPECT_FALSE(open);
    EXPECT_EQ(conn->state(), 0); // the connection itself was closed, not only let go
}

TEST(AppDir, EndsInOneSeparatorAddedOnlyWhenMissing) {
    struct Case {
        const char* dir;
        const char* expected;
    } cases[] = {{"/opt/zrk", "/opt/zrk/"}, {"/opt/zrk/", "/opt/zrk/"}, {"/", "/"}, {"", "/"}};
    for (const Case& c : cases)
        EXPECT_EQ(withTrailingSeparator(QString::fromUtf8(c.dir)), QString::fromUtf8(c.expected)) << c.dir;
    EXPECT_EQ(getAppDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

// The seed file's location may be given from outside; the variable is put back afterwards.
class SeedLocation : public ::testing::Test {
protected:
    void SetUp() override {
        saved = qgetenv(kSeedFileVariable);
        had = qEnvironmentVariableIsSet(kSeedFileVariable);
    }
    void TearDown() override {
        if (had)
            qputenv(kSeedFileVariable, saved);
        else
            qunsetenv(kSeedFileVariable);
    }
    QByteArray saved;
    bool had = false;
};

TEST_F(SeedLocation, BesideTheProgramUnlessNamedOtherwise) {
    qunsetenv(kSeedFileVariable);
    EXPECT_EQ(seedFilePath(), getAppDir() + QStringLiteral("ZRK_Boss.dat"));
    qputenv(kSeedFileVariable, kBuiltSeed.toUtf8());
    EXPECT_EQ(seedFilePath(), kBuiltSeed);
    test::TestConsole console;
    const auto seed = openLocalConnection(console.ctx);
    ASSERT_TRUE(seed);
    EXPECT_EQ(seed->state(), 1);
    EXPECT_TRUE(
        seed->connectionString().startsWith(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")));
    EXPECT_TRUE(
        seed->connectionString().endsWith(kBuiltSeed + QStringLiteral(";Persist Security Info=False")));
    EXPECT_FALSE(seed->execute(QStringLiteral("select * from ElementPosition"))->eof());
}

// Files that are not a seed file: the error names the file, and nothing else happens.
TEST_F(SeedLocation, ABadSeedFileRaisesAnErrorNamingIt) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        const char* file;
        QByteArray content; // none: the file is not there
        bool create;
    } cases[] = {
        {"missing", "missing.dat", {}, false},
        {"empty", "empty.dat", QByteArray(), true},
        {"not a database", "text.dat", QByteArray("This is a text file, not a database.\n").repeated(200),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.file));
        if (c.create) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.content);
        }
        const QByteArray before = c.create ? [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }()
                                           : QByteArray();
        qputenv(kSeedFileVariable, path.toUtf8());
        test::TestConsole console;
        try {
            openLocalConnection(console.ctx);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
        }
        EXPECT_TRUE(console.prompts.messages().empty());
        // The file is left as it was: an empty file does not become a database.
        EXPECT_EQ(QFileInfo::exists(path), c.create);
        if (c.create) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), before);
        }
    }
}

// A database that holds none of the seed tables is not a seed file.
TEST_F(SeedLocation, ADatabaseWithoutSeedTablesIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("foreign.dat"));
    {
        db::Connection edit;
        edit.open(QStringLiteral("Provider=SQLite;Data Source=") + path, db::MissingDatabase::Create);
        edit.execute(QStringLiteral("create table Customers (FID int)"));
    }
    try {
        openSeedFile(path);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 3343);
        EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
    }
}

// A seed file with a table missing or empty still opens: whether that table is needed is known
// only when the account set's board tables are looked at (ensureConsoleTables).
TEST_F(SeedLocation, ASeedWithoutATableOrItsRowsStillOpens) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        const char* breakIt;
        const char* table;
    } cases[] = {
        {"missing table", "drop table SubFunction", "SubFunction"},
        {"empty table", "delete from ElementPosition_Bak", "ElementPosition_Bak"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.table) + QStringLiteral(".dat"));
        ASSERT_TRUE(QFile::copy(kBuiltSeed, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        {
            db::Connection edit;
            edit.open(QStringLiteral("Provider=SQLite;Data Source=") + path);
            edit.execute(QString::fromLatin1(c.breakIt));
        }
        const auto seed = openSeedFile(path);
        ASSERT_TRUE(seed);
        EXPECT_EQ(seed->state(), 1);
    }
}

} // namespace
} // namespace zrk
