// Creating and seeding the board tables, and the owner-report list, on real company databases
// with the seed file the build generates.
#include "console_fixture.h"
#include "db/connections.h"
#include "db/console_tables.h"
#include "demo_generator.h"

#include <QDate>
#include <QRegularExpression>

namespace zrk {
namespace {

const QString kBuiltSeed = QStringLiteral(ZRK_BUILT_SEED_FILE);

const QStringList kBoardTables = {"t_Boss_AccountType", "t_Boss_ElementPosition",
                                  "t_Boss_ElementPosition_Bak", "t_Boss_ElementPosition_Show",
                                  "t_Boss_SubFunction"};

class ConsoleTables : public test::ConsoleWithCompany {
protected:
    void SetUp() override {
        ConsoleWithCompany::SetUp();
        seed = openSeedFile(kBuiltSeed);
    }

    bool ensure() { return ensureConsoleTables(console.ctx, *conn, *seed); }

    QStringList boardTablesPresent() {
        return column(
            QStringLiteral("select name from dbo.sysobjects where xtype = 'U' and name like 't_Boss%' "
                           "order by name"));
    }

    QString rowCount(const QString& table) { return scalar(QStringLiteral("select count(*) from ") + table); }

    QString seedRowCount(const QString& table) {
        return seed->execute(QStringLiteral("select count(*) from ") + table)->value(0).toString();
    }

    // A copy of the built seed file, opened and broken by the statement.
    db::ConnectionPtr brokenSeed(const QString& breakIt) {
        const QString copy = console.folder() + QStringLiteral("/broken.dat");
        if (brokenCopy)
            brokenCopy->close();
        QFile::remove(copy);
        if (!QFile::copy(kBuiltSeed, copy))
            return nullptr;
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        brokenCopy = std::make_shared<db::Connection>();
        brokenCopy->open(QStringLiteral("Provider=SQLite;Data Source=") + copy);
        brokenCopy->execute(breakIt);
        return brokenCopy;
    }

    db::ConnectionPtr seed;
    db::ConnectionPtr brokenCopy;
};

TEST_F(ConsoleTables, AFreshDatabaseGetsTheFiveTablesFilledFromTheSeed) {
    ASSERT_TRUE(ensure());
    EXPECT_TRUE(console.prompts.messages().empty());
    EXPECT_EQ(boardTablesPresent(), kBoardTables);
    const QStringList seeds = {"AccountType", "ElementPosition", "ElementPosition_Bak",
                               "ElementPosition_Show", "SubFunction"};
    for (int i = 0; i < seeds.size(); ++i) {
        EXPECT_NE(seedRowCount(seeds[i]), QStringLiteral("0")) << seeds[i].toStdString();
        EXPECT_EQ(rowCount(kBoardTables[i]), seedRowCount(seeds[i])) << kBoardTables[i].toStdString();
    }
    // What the board reads of it.
    EXPECT_EQ(
        column(QStringLiteral("Select * from t_Boss_ElementPosition where FDetailFuncType=1 and FisShow='1' "
                              "order by Forder"),
               3),
        QStringList({"供应商", "客户", "采购价格资料", "销售价格资料", "物料", "会计科目"}));
    EXPECT_EQ(
        column(QStringLiteral(
                   "Select * from t_Boss_ElementPosition where FAppType=0 and FZRKSubID=3 and FZRKIndex=5 "),
               3),
        QStringList({"现金流量表"}));
}

TEST_F(ConsoleTables, ANullInTheSeedLeavesTheColumnDefault) {
    // Some elements of the seed have no help page (a Null there).
    const auto nulls = seed->execute(QStringLiteral("select FZRKSubID, FZRKIndex from ElementPosition where "
                                                    "FHelpTitle is null"));
    ASSERT_FALSE(nulls->eof());
    ASSERT_TRUE(ensure());
    EXPECT_EQ(
        scalar(QStringLiteral("select '[' + FHelpTitle + ']' from t_Boss_ElementPosition where FZRKSubID=%1 "
                              "and FZRKIndex=%2")
                   .arg(nulls->value(0).toString(), nulls->value(1).toString())),
        QStringLiteral("[]"));
}

TEST_F(ConsoleTables, ASecondRunChangesNothing) {
    ASSERT_TRUE(ensure());
    conn->execute(
        QStringLiteral("update t_Boss_ElementPosition set FisShow=0 where FZRKSubID=2 and FZRKIndex=1"));
    conn->execute(QStringLiteral("delete from t_Boss_SubFunction where FID=4"));
    const QString before = rowCount(QStringLiteral("t_Boss_SubFunction"));
    ASSERT_TRUE(ensure());
    EXPECT_TRUE(console.prompts.messages().empty());
    EXPECT_EQ(rowCount(QStringLiteral("t_Boss_SubFunction")), before);
    EXPECT_EQ(scalar(QStringLiteral(
                  "select FisShow from t_Boss_ElementPosition where FZRKSubID=2 and FZRKIndex=1")),
              QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sys.extended_properties")), QStringLiteral("63"));
}

TEST_F(ConsoleTables, ADatabaseWithOneTableGetsOnlyTheMissingOnes) {
    conn->execute(
        QStringLiteral("CREATE TABLE [dbo].[t_Boss_AccountType] ([FID] [int] NOT NULL, [FName] "
                       "[nvarchar] (50) NOT NULL, [FSeperaterPos] [int] NOT NULL DEFAULT (0), [FDrawSize] "
                       "[int] NOT NULL DEFAULT (0), [FMenuStretchH] [decimal](18, 4) NOT NULL DEFAULT (0), "
                       "[FMenuStretchV] [decimal](18, 4) NOT NULL DEFAULT (0))"));
    conn->execute(QStringLiteral("insert into t_Boss_AccountType (FID, FName) values (7, N'自己的')"));
    ASSERT_TRUE(ensure());
    EXPECT_EQ(boardTablesPresent(), kBoardTables);
    EXPECT_EQ(column(QStringLiteral("select FName from t_Boss_AccountType")), QStringList({"自己的"}));
    EXPECT_EQ(rowCount(QStringLiteral("t_Boss_SubFunction")), seedRowCount(QStringLiteral("SubFunction")));
}

TEST_F(ConsoleTables, AFailingBatchLeavesNoTableBehind) {
    // Something that is not a table already holds the last table's name: its creation fails
    // after the first four tables were made.
    conn->execute(QStringLiteral("create view t_Boss_SubFunction as select 1 as FID"));
    EXPECT_FALSE(ensure());
    EXPECT_EQ(messageTexts(), QStringList({"初始化老板报表环境失败！"}));
    EXPECT_EQ(console.prompts.messages()[0].title, QStringLiteral("Quorvel提示"));
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(boardTablesPresent().isEmpty());
    EXPECT_FALSE(conn->inTransaction());
}

// A seed file that cannot serve: the company database stays untouched.
TEST_F(ConsoleTables, AnUnusableSeedStopsBeforeAnyTableIsCreated) {
    struct Case {
        const char* name;
        const char* breakIt;
        const char* target;
    } cases[] = {
        {"a seed table is missing", "drop table ElementPosition_Show", "t_Boss_ElementPosition_Show"},
        {"a seed table is empty", "delete from SubFunction", "t_Boss_SubFunction"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto broken = brokenSeed(QString::fromUtf8(c.breakIt));
        ASSERT_TRUE(broken);
        console.prompts.clear();
        EXPECT_FALSE(ensureConsoleTables(console.ctx, *conn, *broken));
        EXPECT_EQ(messageTexts(), QStringList({QStringLiteral("老板报表数据表初始化失败(") +
                                               QString::fromUtf8(c.target) + QStringLiteral(")！")}));
        EXPECT_TRUE(boardTablesPresent().isEmpty());
    }
}

// A seed file with a broken table serves an account set whose board table already has rows:
// nothing would be copied from that table, so it is not looked at.
TEST_F(ConsoleTables, OnlyTheSeedTablesThatWillBeCopiedAreChecked) {
    struct Case {
        const char* name;
        const char* breakIt;
        const char* ownTable; // made by hand before (with one row or none); the others are missing
        bool ownTableHasARow;
        bool ready;
    } cases[] = {
        {"empty seed table, its board table has rows", "delete from SubFunction", "t_Boss_SubFunction", true,
         true},
        {"missing seed table, its board table has rows", "drop table ElementPosition_Show",
         "t_Boss_ElementPosition_Show", true, true},
        {"empty seed table, its board table is missing", "delete from SubFunction", "t_Boss_AccountType",
         true, false},
        {"empty seed table, its board table is empty", "delete from SubFunction", "t_Boss_SubFunction", false,
         false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db::Connection company;
        company.open(
            QStringLiteral("Provider=SQLite;Data Source=%1/company%2.db").arg(console.folder()).arg(++n),
            db::MissingDatabase::Create);
        const QString own = QString::fromUtf8(c.ownTable);
        company.execute(QStringLiteral("create table ") + own + QStringLiteral(" (FID int)"));
        if (c.ownTableHasARow)
            company.execute(QStringLiteral("insert into ") + own + QStringLiteral(" (FID) values (7)"));
        const auto broken = brokenSeed(QString::fromUtf8(c.breakIt));
        ASSERT_TRUE(broken);
        console.prompts.clear();
        EXPECT_EQ(ensureConsoleTables(console.ctx, company, *broken), c.ready);
        const QString tables =
            test::columnTexts(company, QStringLiteral("select name from dbo.sysobjects where xtype = 'U' "
                                                      "and name like 't_Boss%' order by name"))
                .join(QLatin1Char(','));
        if (c.ready) {
            EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(tables, kBoardTables.join(QLatin1Char(',')));
            EXPECT_EQ(test::scalarText(company, QStringLiteral("select count(*) from ") + own),
                      QStringLiteral("1"));
        } else {
            EXPECT_EQ(messageTexts(),
                      QStringList({QStringLiteral("老板报表数据表初始化失败(t_Boss_SubFunction)！")}));
            EXPECT_EQ(tables, own) << "nothing was created";
        }
    }
}

// Copying one seed table.
class SeedTableCopy : public ConsoleTables {
protected:
    void SetUp() override {
        ConsoleTables::SetUp();
        ASSERT_TRUE(ensure());
        conn->execute(QStringLiteral("delete from t_Boss_SubFunction"));
        // A seed of the test's own, with rows to break.
        ownSeedFile = console.folder() + QStringLiteral("/own.dat");
        own.open(QStringLiteral("Provider=SQLite;Data Source=") + ownSeedFile, db::MissingDatabase::Create);
        own.execute(
            QStringLiteral("create table SubFunction (FID int null, FAppType int null, FCaption nvarchar(30) "
                           "null, FSubSystemID int null, FHelpFile nvarchar(50) null, FHasRpt bit null)"));
    }
    bool copy() {
        return copySeedTable(console.ctx, *conn, own, QStringLiteral("SubFunction"),
                             QStringLiteral("t_Boss_SubFunction"));
    }

    QString ownSeedFile;
    db::Connection own;
};

TEST_F(SeedTableCopy, AFaultInTheThirdRowLeavesTheTargetEmpty) {
    struct Case {
        const char* name;
        const char* thirdRow;
    } cases[] = {
        {"a repeated key", "insert into SubFunction values (1, 0, N'重复', 1, 'a.chm', 0)"},
        {"a column without default left Null",
         "insert into SubFunction values (3, 0, N'无帮助', 1, NULL, 0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        own.execute(QStringLiteral("delete from SubFunction"));
        own.execute(QStringLiteral("insert into SubFunction values (1, 0, N'基础资料', 1, 'a.chm', 0)"));
        own.execute(QStringLiteral("insert into SubFunction values (2, 0, N'往来', 3, 'a.chm', 1)"));
        own.execute(QString::fromUtf8(c.thirdRow));
        console.prompts.clear();
        EXPECT_FALSE(copy());
        EXPECT_EQ(messageTexts(), QStringList({"老板报表数据表初始化失败(t_Boss_SubFunction)！"}));
        EXPECT_EQ(rowCount(QStringLiteral("t_Boss_SubFunction")), QStringLiteral("0"));
        EXPECT_FALSE(conn->inTransaction());
    }
}

TEST_F(SeedTableCopy, ASeedColumnTheTargetLacksFailsTheWholeCopy) {
    own.execute(QStringLiteral("alter table SubFunction add FExtra int null"));
    own.execute(QStringLiteral("insert into SubFunction values (1, 0, N'基础资料', 1, 'a.chm', 0, NULL)"));
    own.execute(QStringLiteral("insert into SubFunction values (2, 0, N'往来', 3, 'a.chm', 1, 5)"));
    EXPECT_FALSE(copy());
    EXPECT_EQ(messageTexts(), QStringList({"老板报表数据表初始化失败(t_Boss_SubFunction)！"}));
    EXPECT_EQ(rowCount(QStringLiteral("t_Boss_SubFunction")), QStringLiteral("0"));
}

TEST_F(SeedTableCopy, AnEmptySeedTableGivesFalseWithoutAMessage) {
    EXPECT_FALSE(copy());
    EXPECT_TRUE(console.prompts.messages().empty());
    EXPECT_EQ(rowCount(QStringLiteral("t_Boss_SubFunction")), QStringLiteral("0"));
}

TEST_F(SeedTableCopy, ATargetWithARowReceivesNothing) {
    own.execute(QStringLiteral("insert into SubFunction values (1, 0, N'基础资料', 1, 'a.chm', 0)"));
    conn->execute(
        QStringLiteral("insert into t_Boss_SubFunction (FID, FAppType, FSubSystemID, FHelpFile) values "
                       "(9, 0, 1, 'own.chm')"));
    EXPECT_TRUE(copy());
    EXPECT_EQ(column(QStringLiteral("select FHelpFile from t_Boss_SubFunction")), QStringList({"own.chm"}));
}

TEST_F(SeedTableCopy, AMissingTargetTableShowsTheErrorBox) {
    own.execute(QStringLiteral("insert into SubFunction values (1, 0, N'基础资料', 1, 'a.chm', 0)"));
    EXPECT_FALSE(
        copySeedTable(console.ctx, *conn, own, QStringLiteral("SubFunction"), QStringLiteral("t_Missing")));
    EXPECT_EQ(messageTexts(), QStringList({"老板报表数据表初始化失败(t_Missing)！"}));
}

TEST_F(SeedTableCopy, ValuesArriveByColumnNameWithDefaultsForTheRest) {
    own.execute(QStringLiteral("insert into SubFunction values (2, 0, N'往来''管理', 3, 'arap.chm', 1)"));
    own.execute(QStringLiteral("insert into SubFunction values (1, 0, NULL, 1, 'base.chm', NULL)"));
    ASSERT_TRUE(copy());
    EXPECT_EQ(
        column(QStringLiteral("select cast(FID as varchar(5)) + ':' + FCaption + ':' + FHelpFile + ':' + "
                              "cast(FPositon as varchar(5)) from t_Boss_SubFunction order by FID")),
        QStringList({"1::base.chm:0", "2:往来'管理:arap.chm:0"}));
    EXPECT_EQ(column(QStringLiteral("select FHasRpt from t_Boss_SubFunction order by FID")),
              QStringList({"False", "True"}));
}

// The owner-report list on the demo account set.
class OwnerReportList : public test::ConsoleWithCompany {
protected:
    void SetUp() override {
        ConsoleWithCompany::SetUp();
        conn->close();
        demo::DemoOptions options;
        options.today = QDate(2025, 6, 18);
        options.passwordIterations = test::kTestPasswordIterations;
        demo::buildDemoDatabase(companyFile, options);
        conn->open(connectString);
    }
    QStringList ownerList() {
        return column(
            QStringLiteral("select cast(FRptID as varchar(10)) + ':' + FRptName + ':' + FVisibleInList "
                           "from t_Rpt_Content_Boss order by FRptID"));
    }
    QStringList catalogueVisibleOwnerReports() {
        return column(
            QStringLiteral("select cast(FRptID as varchar(10)) + ':' + FRptName + ':0' from t_Rpt_Content "
                           "where FRptType=1 and FVisibleInList='1' order by FRptID"));
    }
};

TEST_F(OwnerReportList, EveryLoadKeepsTheListInStepWithTheCatalogue) {
    syncOwnerReportList(console.ctx, *conn);
    const QStringList first = ownerList();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(first, catalogueVisibleOwnerReports());

    // The owner shows one report; the catalogue renames one, hides one, adds one.
    conn->execute(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1' where FRptID=131"));
    conn->execute(QStringLiteral("update t_Rpt_Content set FRptName=N'应收款明细表(新)' where FRptID=131"));
    conn->execute(QStringLiteral("update t_Rpt_Content set FVisibleInList='0' where FRptID=132"));
    conn->execute(QStringLiteral("insert into t_Rpt_Content (FRptID,FRptName,FSysName,FOwner,FRptType,"
                                 "FVisibleInList) values (9001,N'新增报表','ar',0,1,'1')"));
    syncOwnerReportList(console.ctx, *conn);
    const QStringList second = ownerList();
    EXPECT_TRUE(second.contains(QStringLiteral("131:应收款明细表(新):1")));
    EXPECT_TRUE(second.contains(QStringLiteral("9001:新增报表:0")));
    EXPECT_FALSE(second.filter(QRegularExpression(QStringLiteral("^132:"))).size());
    EXPECT_EQ(second.size(), first.size());
}

TEST_F(OwnerReportList, AClosedConnectionIsOpenedAgain) {
    conn->close();
    syncOwnerReportList(console.ctx, *conn);
    EXPECT_EQ(conn->state(), 1);
    EXPECT_EQ(ownerList(), catalogueVisibleOwnerReports());
}

TEST_F(OwnerReportList, AnErrorPassesOnUnchangedWithoutAMessage) {
    conn->execute(QStringLiteral("drop table t_Rpt_Content"));
    try {
        syncOwnerReportList(console.ctx, *conn);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("t_Rpt_Content")))
            << e.description().toStdString();
    }
    EXPECT_TRUE(console.prompts.messages().empty());
}

} // namespace
} // namespace zrk
