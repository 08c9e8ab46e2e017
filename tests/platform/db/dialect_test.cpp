// The T-SQL dialect layer: how batches split, and what translated statements do on the
// embedded engine.
#include "db_test_support.h"
#include "platform/db/db_errors.h"
#include "platform/db/sql_literal.h"
#include "platform/db/tsql_dialect.h"
#include "qt_printers.h"

using zrk::test::EmbeddedDb;
using namespace zrk;
using namespace zrk::db;

namespace {

TEST(SplitBatch, StatementsWithoutSemicolons) {
    struct Case {
        const char* batch;
        QStringList statements;
    } cases[] = {
        {"select 1 select 2", {"select 1", "select 2"}},
        {"Insert Into T Select a From U update T set a=1 delete from T",
         {"Insert Into T Select a From U", "update T set a=1", "delete from T"}},
        {"if not exists(select * from t) Begin create table t (a int) End",
         {"if not exists(select * from t)", "Begin", "create table t (a int)", "End"}},
        {"select case when a=1 then 'x' else 'y' end from t drop table t",
         {"select case when a=1 then 'x' else 'y' end from t", "drop table t"}},
        {"Update t1 Set t1.a=t2.a From T t1 Inner Join U t2 On t1.id=t2.id where t2.b=1 Set Nocount off",
         {"Update t1 Set t1.a=t2.a From T t1 Inner Join U t2 On t1.id=t2.id where t2.b=1",
          "Set Nocount off"}},
        {"select 1 union select 2; select 3", {"select 1 union select 2", "select 3"}},
        {"-- comment\nselect 1 /* a /* nested */ comment */ select 2", {"select 1", "select 2"}},
        {"if 1=1 select 1 else select 2", {"if 1=1", "select 1", "else", "select 2"}},
        {"insert into t values (1) select 2", {"insert into t values (1)", "select 2"}},
        {"ALTER TABLE t DROP COLUMN c select 1", {"ALTER TABLE t DROP COLUMN c", "select 1"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tsql::splitBatch(QString::fromUtf8(c.batch)), c.statements) << c.batch;
}

TEST(TranslateBatch, UnknownConstructsRaiseAnErrorNamingThem) {
    struct Case {
        const char* batch;
        const char* named;
    } cases[] = {
        {"declare @x int", "DECLARE"},
        {"select @x", "@x"},
        {"exec sp_who", "sp_who"},
        {"create procedure p as select 1", "CREATE PROCEDURE"},
        {"set rowcount 10", "rowcount"},
        {"select top 10 percent * from t", "PERCENT"},
        {"create table t (a sql_variant)", "sql_variant"},
        {"update t1 set a = 1 from T t1 left join U u on t1.id = u.id", "LEFT join"},
        {"alter table t drop column c", "DROP"},
        {"select convert(xml, a) from t", "xml"},
        {"select objectproperty(id, 'IsProcedure') from t", "IsProcedure"},
        {"while 1=1 select 1", "WHILE"},
    };
    for (const Case& c : cases) {
        try {
            tsql::translateBatch(QString::fromUtf8(c.batch));
            ADD_FAILURE() << "no error for " << c.batch;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), dberr::UnsupportedSyntax) << c.batch;
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.named), Qt::CaseInsensitive))
                << c.batch << " -> " << e.description().toStdString();
        }
    }
}

TEST(TranslateBatch, MalformedTextRaisesTheEngineWording) {
    struct Case {
        const char* batch;
        const char* message;
    } cases[] = {
        {"select 'abc", "Unclosed quotation mark"},        {"select 1 /* open", "Missing end comment mark"},
        {"begin select 1", "BEGIN without END"},           {"end", "Incorrect syntax near 'end'"},
        {"if exists(select 1)", "IF without a statement"},
    };
    for (const Case& c : cases) {
        try {
            tsql::translateBatch(QString::fromUtf8(c.batch));
            ADD_FAILURE() << "no error for " << c.batch;
        } catch (const Error& e) {
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.message)))
                << e.description().toStdString();
        }
    }
}

class Dialect : public EmbeddedDb {
protected:
    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(QStringLiteral(R"(
CREATE TABLE [dbo].[t_Item] ([FID] [int] NOT NULL, [FName] [nvarchar] (20) NOT NULL, [FFlag] [tinyint] NOT NULL,
  [FCode] [char] (1) NULL, [FDate] [datetime] NULL, [FOn] [bit] NOT NULL DEFAULT (0)) ON [PRIMARY]
insert into t_Item values (1, N'Alpha', 1, '1', '2024-03-01', 1)
insert into t_Item values (2, N'beta', 0, '0', NULL, 0)
insert into t_Item values (3, N'Gamma', 1, NULL, '2024-12-31 08:30:00', 0)
)"));
    }
};

TEST_F(Dialect, ExpressionsBehaveAsOnTheServer) {
    struct Case {
        const char* sql;
        const char* expected;
    } cases[] = {
        {"select count(*) from t_Item where FFlag='1'", "2"},
        {"select count(*) from t_Item where FName = 'ALPHA'", "1"},
        {"select count(*) from t_Item where FName = 'alpha   '", "1"},
        {"select Top 1 FName from dbo.t_Item order by FID desc", "Gamma"},
        {"select ISNULL(FCode, 'none') from t_Item where FID = 3", "none"},
        {"select isdate(FDate) from t_Item where FID = 1", "1"},
        {"select isdate('2024-02-30')", "0"},
        {"select Convert(datetime, '2024-01-31') + 1", "2024-02-01 00:00:00"},
        {"select Convert(datetime, FDate) - 1 from t_Item where FID = 1", "2024-02-29 00:00:00"},
        {"select convert(varchar(10), FDate, 120) from t_Item where FID = 3", "2024-12-31"},
        {"select dateadd(month, 1, '2024-01-31')", "2024-02-29 00:00:00"},
        {"select datediff(day, '2024-01-01', '2024-03-01')", "60"},
        {"select year(FDate) from t_Item where FID = 3", "2024"},
        {"select len('ab  ')", "2"},
        {"select charindex('TA', N'beta')", "3"},
        {"select substring('abcdef', 2, 3)", "bcd"},
        {"select 'a' + 'b' + FName from t_Item where FID = 2", "abbeta"},
        {"select count(*) from t_Item (nolock) where FOn = 1", "1"},
        {"select N'中文' + '''q'''", "中文'q'"},
        {"select [FName] from [dbo].[t_Item] where [FID] = 2", "beta"},
        {"select cast('12' as int) + 1", "13"},
        {"select count(*) from dbo.sysobjects where id = object_id(N'[dbo].[t_Item]') and "
         "OBJECTPROPERTY(id, N'IsUserTable') = 1",
         "1"},
        {"select count(*) from dbo.sysobjects where id = object_id(N'[dbo].[t_None]')", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scalar(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected)) << c.sql;
}

TEST_F(Dialect, ValuesComeBackInTheirColumnTypes) {
    auto rs = conn->execute(QStringLiteral("select FID, FFlag, FDate, FOn, FName from t_Item where FID = 1"));
    EXPECT_EQ(rs->value(QStringLiteral("FID")).type(), Variant::Type::Int32);
    EXPECT_EQ(rs->value(QStringLiteral("FFlag")).type(), Variant::Type::Int16);
    EXPECT_EQ(rs->value(QStringLiteral("FDate")).toDate(), QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    EXPECT_EQ(rs->value(QStringLiteral("FOn")), Variant(true));
    EXPECT_EQ(rs->value(QStringLiteral("FName")), Variant(QStringLiteral("Alpha")));
}

TEST_F(Dialect, IfElseChoosesOneBranch) {
    conn->execute(
        QStringLiteral("if exists(select * from t_Item where FID = 1) insert into t_Item (FID, FName, FFlag) "
                       "values (10, 'then', 0) else insert into t_Item (FID, FName, FFlag) values (11, "
                       "'else', 0)"));
    conn->execute(
        QStringLiteral("IF NOT EXISTS (select * from t_Item where FID = 1)\nBEGIN\n insert into t_Item "
                       "(FID, FName, FFlag) values (12, 'no', 0)\nEND\nELSE\nBEGIN\n insert into t_Item "
                       "(FID, FName, FFlag) values (13, 'yes', 0)\n insert into t_Item (FID, FName, FFlag) "
                       "values (14, 'yes2', 0)\nEND"));
    EXPECT_EQ(column(QStringLiteral("select FName from t_Item where FID >= 10 order by FID")),
              QStringList({"then", "yes", "yes2"}));
}

TEST_F(Dialect, UpdateFromAJoin) {
    conn->execute(QStringLiteral(
        "create table t_Name (FID int not null, FName nvarchar(20) not null, FUse int not null)"));
    conn->execute(
        QStringLiteral("insert into t_Name values (1, 'ONE', 1) insert into t_Name values (2, 'TWO', 0)"));
    conn->execute(QStringLiteral("Update t1 Set t1.FName=t2.FName From t_Item t1 Inner Join t_Name t2 On "
                                 "t1.FID=t2.FID where t2.FUse=1"));
    EXPECT_EQ(column(QStringLiteral("select FName from t_Item order by FID")),
              QStringList({"ONE", "beta", "Gamma"}));
}

TEST_F(Dialect, TemporaryTablesSelectIntoAndTruncate) {
    conn->execute(QStringLiteral("select FID, FName into #Copy from t_Item where FFlag = 1 "
                                 "insert into #Copy select FID + 100, FName from #Copy"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from #Copy")), QStringLiteral("4"));
    conn->execute(QStringLiteral("drop table #Copy"));
    EXPECT_THROW(conn->execute(QStringLiteral("select * from #Copy")), Error);
    conn->execute(QStringLiteral("Truncate Table t_Item"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from t_Item")), QStringLiteral("0"));
}

TEST_F(Dialect, AFailedBatchDropsTheTemporaryTablesItMade) {
    const QString batch =
        QStringLiteral("create table #Work (a int) insert into #Work values (1) select * from t_None");
    EXPECT_THROW(conn->execute(batch), Error);
    // Without the clean-up the second run would fail on "#Work already exists" instead.
    try {
        conn->execute(batch);
        FAIL();
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QLatin1String("t_None"))) << e.description().toStdString();
    }
}

TEST_F(Dialect, ConstraintsAddedLaterRebuildTheTableKeepingRows) {
    conn->execute(QStringLiteral(
        "create table [dbo].[t_K] ([FA] [int] NOT NULL, [FB] [nvarchar] (5) NOT NULL) ON [PRIMARY]"));
    conn->execute(QStringLiteral("create index ix_K on t_K (FB)"));
    conn->execute(QStringLiteral("insert into t_K (FA, FB) values (1, 'x')"));
    conn->execute(QStringLiteral("ALTER TABLE [dbo].[t_K] ADD CONSTRAINT [DF_t_K_FB] DEFAULT ('d') FOR [FB], "
                                 "CONSTRAINT [PK_t_K] PRIMARY KEY CLUSTERED ([FA])  ON [PRIMARY]"));
    conn->execute(QStringLiteral("insert into t_K (FA) values (2)"));
    EXPECT_EQ(column(QStringLiteral("select FB from t_K order by FA")), QStringList({"x", "d"}));
    EXPECT_THROW(conn->execute(QStringLiteral("insert into t_K (FA) values (2)")), Error);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sqlite_schema where name = 'ix_K'")),
              QStringLiteral("1"));
    // A second default or key is refused as the server refuses it.
    struct Case {
        const char* sql;
        const char* message;
    } cases[] = {
        {"ALTER TABLE t_K ADD CONSTRAINT [DF2] DEFAULT ('e') FOR [FB]", "already has a DEFAULT"},
        {"ALTER TABLE t_K ADD CONSTRAINT [PK2] PRIMARY KEY ([FB])", "already has a primary key"},
        {"ALTER TABLE t_K ADD CONSTRAINT [DF3] DEFAULT (0) FOR [FZ]", "'FZ' does not exist"},
        {"ALTER TABLE t_None ADD CONSTRAINT [DF4] DEFAULT (0) FOR [FZ]", "t_None"},
    };
    for (const Case& c : cases) {
        try {
            conn->execute(QString::fromUtf8(c.sql));
            ADD_FAILURE() << c.sql;
        } catch (const Error& e) {
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.message)))
                << e.description().toStdString();
        }
    }
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from t_K")), QStringLiteral("2"));
}

TEST_F(Dialect, ExtendedPropertiesNeedAnExistingColumnAndAreAddedOnce) {
    const QString add =
        QStringLiteral("exec sp_addextendedproperty N'MS_Description', 'Name', N'user', N'dbo', "
                       "N'table', N'%1', N'column', N'%2'");
    conn->execute(add.arg(QStringLiteral("t_Item"), QStringLiteral("FName")));
    EXPECT_THROW(conn->execute(add.arg(QStringLiteral("t_Item"), QStringLiteral("FName"))), Error);
    EXPECT_THROW(conn->execute(add.arg(QStringLiteral("t_Item"), QStringLiteral("FNone"))), Error);
    EXPECT_THROW(conn->execute(add.arg(QStringLiteral("t_None"), QStringLiteral("FName"))), Error);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sys.extended_properties")), QStringLiteral("1"));
}

TEST_F(Dialect, IdentityColumnsNumberTheRows) {
    conn->execute(
        QStringLiteral("create table t_Auto ([FItemID] [int] IDENTITY (1, 1) NOT NULL, [FName] [varchar] "
                       "(10) NOT NULL, CONSTRAINT [PK_t_Auto] PRIMARY KEY CLUSTERED ([FItemID]))"));
    conn->execute(
        QStringLiteral("insert into t_Auto (FName) values ('a') insert into t_Auto (FName) values ('b')"));
    EXPECT_EQ(column(QStringLiteral("select FItemID from t_Auto order by FName")), QStringList({"1", "2"}));
}

TEST_F(Dialect, ATextWithAQuoteStaysOneValue) {
    // The quoting helper keeps a value from ending the literal and changing the statement.
    const QString hostile = QStringLiteral("x' or '1'='1");
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from t_Item where FName = %1").arg(sqlText(hostile))),
              QStringLiteral("0"));
    conn->execute(QStringLiteral("insert into t_Item (FID, FName, FFlag) values (20, %1, 0)")
                      .arg(sqlNText(QStringLiteral("O'Brien"))));
    EXPECT_EQ(scalar(QStringLiteral("select FName from t_Item where FName = %1")
                         .arg(sqlText(QStringLiteral("o'brien")))),
              QStringLiteral("O'Brien"));
}

} // namespace
