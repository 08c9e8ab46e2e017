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

// Tens of thousands of levels used to take tens of seconds before the engine's parser gave up;
// the text is now refused in one pass, whether it is split or translated.
TEST(TranslateBatch, TextsNestedBeyondTheLimitAreRefusedUnread) {
    const int deep = 40000;
    const QString texts[] = {
        QStringLiteral("select ") + QStringLiteral("IsNull(").repeated(deep) + QStringLiteral("1") +
            QStringLiteral(",0)").repeated(deep),
        QStringLiteral("select ") + QStringLiteral("case when 1=1 then ").repeated(deep) +
            QStringLiteral("1") + QStringLiteral(" end").repeated(deep),
        QStringLiteral("select ") + QStringLiteral("(").repeated(300),
    };
    for (const QString& text : texts) {
        for (const auto& read : {+[](const QString& t) { tsql::splitBatch(t); },
                                 +[](const QString& t) { tsql::translateBatch(t); }}) {
            try {
                read(text);
                ADD_FAILURE() << "no error for " << text.left(40).toStdString();
            } catch (const Error& e) {
                EXPECT_EQ(e.number(), dberr::UnsupportedSyntax);
                EXPECT_TRUE(e.description().contains(QStringLiteral("nested more than 256 levels deep")))
                    << e.description().toStdString();
            }
        }
    }
    // Block ENDs do not close CASE expressions, and brackets at the limit are read.
    EXPECT_NO_THROW(tsql::splitBatch(QStringLiteral("begin select case when 1=1 then 1 end end")));
    EXPECT_NO_THROW(tsql::splitBatch(QStringLiteral("select ") + QStringLiteral("(").repeated(256) +
                                     QStringLiteral("1") + QStringLiteral(")").repeated(256)));
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

TEST_F(Dialect, ADroppedTableTakesItsDescriptionsAlong) {
    const QString add =
        QStringLiteral("exec sp_addextendedproperty N'MS_Description', 'Name', N'user', N'dbo', "
                       "N'table', N't_Item', N'column', N'FName'");
    const QString remake = QStringLiteral("create table t_Item (FID int not null, FName nvarchar(20) null)");
    conn->execute(add);
    conn->execute(QStringLiteral("drop table [dbo].[T_ITEM]"));
    conn->execute(remake);
    EXPECT_NO_THROW(conn->execute(add));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sys.extended_properties")), QStringLiteral("1"));

    // A database that already carries descriptions of a table dropped before they went with it
    // takes new ones once the table is made again.
    conn->execute(
        QStringLiteral("insert into zrk_extended_properties (object_name, column_name, name, value) "
                       "values ('t_Old', 'FName', 'MS_Description', 'Old')"));
    conn->execute(QStringLiteral("create table t_Old (FName nvarchar(20) null)"));
    EXPECT_NO_THROW(conn->execute(QString(add).replace(QStringLiteral("t_Item"), QStringLiteral("t_Old"))));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sys.extended_properties")), QStringLiteral("2"));
}

TEST_F(Dialect, IdentityColumnsNumberTheRows) {
    conn->execute(
        QStringLiteral("create table t_Auto ([FItemID] [int] IDENTITY (1, 1) NOT NULL, [FName] [varchar] "
                       "(10) NOT NULL, CONSTRAINT [PK_t_Auto] PRIMARY KEY CLUSTERED ([FItemID]))"));
    conn->execute(
        QStringLiteral("insert into t_Auto (FName) values ('a') insert into t_Auto (FName) values ('b')"));
    EXPECT_EQ(column(QStringLiteral("select FItemID from t_Auto order by FName")), QStringList({"1", "2"}));
}

// Division follows the operands' declared types as on the server: integers alone divide as
// integers, a decimal, money or float operand (or a literal with a decimal point) gives an
// exact quotient, even though the embedded engine keeps a whole decimal as an integer.
class Division : public EmbeddedDb {
protected:
    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(QStringLiteral(R"(
create table t_Qty (FID int not null, FQty decimal(28,10) not null, FCoef decimal(18,4) not null,
  FInt int not null, FSmall smallint not null, FMoney money not null, FFloat float not null,
  FText varchar(10) null)
create table t_Unit (FUnitID int not null, FCoefficient decimal(28,10) not null)
insert into t_Qty values (1, 10, 4, 10, 4, 10, 10, '10')
insert into t_Unit values (1, 4)
)"));
    }
};

TEST_F(Division, QuotientsHaveTheServersType) {
    struct Case {
        const char* sql;
        double expected;
    } cases[] = {
        {"select FQty/FCoef from t_Qty", 2.5},
        {"select u1.FQty/t4.FCoefficient from t_Qty u1 left join t_Unit t4 on u1.FID = t4.FUnitID", 2.5},
        {"select FQty/FSmall from t_Qty", 2.5},
        {"select FInt/FCoef from t_Qty", 2.5},
        {"select FInt/FSmall from t_Qty", 2},
        {"select FInt/4 from t_Qty", 2},
        {"select 10/4", 2},
        {"select 10/4.0", 2.5},
        {"select FInt/4.0 from t_Qty", 2.5},
        {"select 10.0/FSmall from t_Qty", 2.5},
        {"select FMoney/FSmall from t_Qty", 2.5},
        {"select FFloat/FSmall from t_Qty", 2.5},
        {"select FText/FSmall from t_Qty", 2},
        {"select FInt/FSmall/FCoef from t_Qty", 0.5},
        {"select FInt/FSmall*FCoef from t_Qty", 8},
        {"select FQty/FSmall*2 from t_Qty", 5},
        {"select FInt*FQty/FInt/FSmall from t_Qty", 2.5},
        {"select -FQty/FSmall from t_Qty", -2.5},
        {"select FInt/-FSmall from t_Qty", -2},
        {"select 1 + FInt/FSmall from t_Qty", 3},
        {"select (FInt + 1)/FSmall from t_Qty", 2},
        {"select (FQty + 1)/FSmall from t_Qty", 2.75},
        {"select count(*)/2 from t_Qty", 0},
        {"select sum(FQty)/FSmall from t_Qty group by FSmall", 2.5},
        {"select sum(FInt)/4 from t_Qty", 2},
        {"select isnull(FQty, 0)/4 from t_Qty", 2.5},
        {"select cast(FQty as int)/FSmall from t_Qty", 2},
        {"select convert(decimal(10,2), FInt)/FSmall from t_Qty", 2.5},
        {"select case when FInt > 0 then FQty else 0 end/FSmall from t_Qty", 2.5},
        {"select case when FInt > 0 then 1 else 0 end/2 from t_Qty", 0},
        {"select (select FQty from t_Qty)/FSmall from t_Qty", 2.5},
        {"select t_Qty.FQty/t_Qty.FSmall from dbo.t_Qty", 2.5},
        {"select count(*) from t_Qty where FQty/FSmall > 2", 1},
        {"select count(*) from t_Qty where FInt/FSmall > 2", 0},
        {"create table #D (a decimal(9,2), b int) insert into #D values (5, 5) "
         "select a/2 + b/2 from #D drop table #D",
         4.5},
    };
    for (const Case& c : cases) {
        auto rs = conn->execute(QString::fromUtf8(c.sql));
        ASSERT_TRUE(rs && !rs->eof()) << c.sql;
        EXPECT_DOUBLE_EQ(rs->value(0).toDouble(), c.expected) << c.sql;
    }
}

// A column of a derived table or a common table expression has the type of its expression:
// what it is named by (alias, the CTE's column list, the column itself), over
// every branch of a UNION; a recursive one, or a *, cannot be told and divides exactly.
TEST_F(Division, DerivedColumnsHaveTheirExpressionsType) {
    struct Case {
        const char* sql;
        double expected;
    } cases[] = {
        {"with n(i) as (select 7) select i/2 from n", 3},
        {"with n as (select 7 as i) select i/2 from n", 3},
        {"with n as (select 7.0 i) select i/2 from n", 3.5},
        {"with n as (select FInt from t_Qty) select n.FInt/4 from n", 2},
        {"with n as (select FQty from t_Qty) select FQty/4 from n", 2.5},
        {"with n as (select sum(FInt) s from t_Qty) select s/4 from n", 2},
        {"with a(i) as (select 5), b(j) as (select i * 2 from a) select j/4 from b", 2},
        {"with n(i) as (select 7 union all select 1.5) select max(i)/2 from n", 3.5},
        {"select x.q/4 from (select FInt q from t_Qty) x", 2},
        {"select x.q/4 from (select FCoef * FSmall as q from t_Qty) x", 4},
        {"select q/3 from (select FInt + 1 as q from t_Qty) x", 3},
        {"select x.FInt/4 from (select * from t_Qty) x", 2.5},
        {"with n(i) as (select 1 union all select i + 1 from n where i < 9) select max(i)/2 from n", 4.5},
    };
    for (const Case& c : cases) {
        auto rs = conn->execute(QString::fromUtf8(c.sql));
        ASSERT_TRUE(rs && !rs->eof()) << c.sql;
        EXPECT_DOUBLE_EQ(rs->value(0).toDouble(), c.expected) << c.sql;
    }
}

TEST_F(Division, ATableDeclaredAgainIsTranslatedAgain) {
    // The same text before and after the column changes from integer to decimal: the cached
    // translation of the first run must not serve the second.
    const QString sql = QStringLiteral("select FN/4 from t_Again");
    struct Case {
        const char* type;
        double expected;
    } cases[] = {{"int", 2}, {"decimal(9,2)", 2.5}, {"smallint", 2}, {"money", 2.5}};
    for (const Case& c : cases) {
        conn->execute(
            QStringLiteral("if exists (select * from dbo.sysobjects where id = object_id('t_Again')) "
                           "drop table t_Again"));
        conn->execute(QStringLiteral("create table t_Again (FN %1) insert into t_Again values (10)")
                          .arg(QString::fromUtf8(c.type)));
        for (int run = 0; run < 2; ++run)
            EXPECT_DOUBLE_EQ(conn->execute(sql)->value(0).toDouble(), c.expected) << c.type << " run " << run;
    }
}

// A datetime compared with a date literal compares as dates: the literal means midnight of its
// day, whatever form it is written in, and a stored date without a time is midnight too.
class DateComparison : public EmbeddedDb {
protected:
    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(QStringLiteral(R"(
create table t_Bill (FID int not null, FDate datetime null, FDay date null, FText varchar(30) null)
insert into t_Bill values (1, '2026-12-09 23:59:59', '2026-12-09', '2026-12-09 23:59:59')
insert into t_Bill values (2, '2026-12-10', '2026-12-10', '2026-12-10')
insert into t_Bill values (3, '2026-12-10 00:00:00', '2026-12-10 00:00:00', '2026-12-10 00:00:00')
insert into t_Bill values (4, '2026-12-10 08:30:00', '2026-12-11', '2026-12-10 08:30:00')
insert into t_Bill values (5, '2026-12-10 00:00:00.500', NULL, '2026-12-10 00:00:00.500')
insert into t_Bill values (6, '2026-12-11 00:00:00', '2026-12-11 00:00:00', '2026-12-11 00:00:00')
insert into t_Bill values (7, NULL, NULL, NULL)
)"));
        // A date written through a recordset is kept in the stored form.
        auto rs =
            conn->openRecordset(QStringLiteral("select * from t_Bill where 1=2"), LockType::BatchOptimistic);
        rs->addNew();
        rs->setValue(QStringLiteral("FID"), Variant(8));
        rs->setValue(QStringLiteral("FDate"), Variant(QDateTime(QDate(2026, 12, 10), QTime(0, 0))));
        rs->updateBatch();
    }
};

TEST_F(DateComparison, LiteralsMeanTheMomentTheyName) {
    struct Case {
        const char* where;
        const char* ids;
    } cases[] = {
        {"FDate <= '2026-12-10'", "1,2,3,8"},
        {"FDate = '2026-12-10'", "2,3,8"},
        {"FDate < '2026-12-10'", "1"},
        {"FDate >= '2026-12-10'", "2,3,4,5,6,8"},
        {"FDate > '2026-12-10'", "4,5,6"},
        {"FDate <> '2026-12-10'", "1,4,5,6"},
        {"FDate != '2026-12-10'", "1,4,5,6"},
        {"FDate !> '2026-12-10'", "1,2,3,8"},
        {"FDate !< '2026-12-10'", "2,3,4,5,6,8"},
        {"FDate between '2026-12-10' and '2026-12-11'", "2,3,4,5,6,8"},
        {"FDate not between '2026-12-10' and '2026-12-10'", "1,4,5,6"},
        {"FDate <= '2026-12-10 08:30'", "1,2,3,4,5,8"},
        {"FDate = '2026-12-10 08:30:00'", "4"},
        {"FDate = '2026-12-10 00:00:00.5'", "5"},
        {"FDate > '2026-12-10 00:00:00.500'", "4,6"},
        {"FDate <= '2026/12/10'", "1,2,3,8"},
        {"FDate <= '20261210'", "1,2,3,8"},
        {"FDate <= '2026-12-9 23:59:59'", "1"},
        {"FDate = '2026.12.10'", "2,3,8"},
        {"'2026-12-10' >= FDate", "1,2,3,8"},
        {"'2026-12-10' < FDate", "4,5,6"},
        {"b.FDate = '2026-12-10' and b.FID > 2", "3,8"},
        {"not FDate = '2026-12-10'", "1,4,5,6"},
        {"FDate = '2026-12-10' or FID = 1", "1,2,3,8"},
        {"FDate = Convert(datetime, '2026-12-10')", "2,3,8"},
        {"FDate <= cast('2026-12-10' as datetime)", "1,2,3,8"},
        {"Convert(datetime, FText) <= '2026-12-10'", "1,2,3"},
        {"Convert(datetime, FText) = '2026-12-10'", "2,3"},
        {"FDay = '2026-12-10 10:00'", "2,3"},
        {"FDay < '2026-12-11'", "1,2,3"},
        {"FDay >= '2026-12-11 23:00'", "4,6"},
        // A text column compares as text, on the server as here.
        {"FText <= '2026-12-10'", "1,2"},
        {"FText = '2026-12-10'", "2"},
    };
    for (const Case& c : cases) {
        const QStringList ids = column(
            QStringLiteral("select FID from t_Bill b where %1 order by FID").arg(QString::fromUtf8(c.where)));
        EXPECT_EQ(ids.join(QLatin1Char(',')), QString::fromUtf8(c.ids)) << c.where;
    }
}

TEST_F(DateComparison, ConvertedLiteralsGiveTheStoredForm) {
    struct Case {
        const char* sql;
        const char* expected;
    } cases[] = {
        {"select Convert(varchar(30), Convert(datetime, '2026-12-10'), 120)", "2026-12-10 00:00:00"},
        {"select Convert(varchar(30), Convert(datetime, '2026/12/10'), 120)", "2026-12-10 00:00:00"},
        {"select Convert(varchar(30), Convert(datetime, '20261210'), 120)", "2026-12-10 00:00:00"},
        {"select Convert(varchar(30), Convert(datetime, '2026-1-5 7:05:09'), 120)", "2026-01-05 07:05:09"},
        {"select count(*) from t_Bill where FDate = Convert(datetime, '2026-12-10')", "3"},
        {"select count(*) from t_Bill where FDate between Convert(datetime, '2026-12-10') and '2026-12-10'",
         "3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scalar(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected)) << c.sql;
}

TEST_F(DateComparison, ALiteralThatIsNoDateRaisesAnError) {
    struct Case {
        const char* where;
        int number;
        const char* message;
    } cases[] = {
        {"FDate = '2026-02-30'", dberr::CommandFailed, "out-of-range value: '2026-02-30'"},
        {"FDate <= '2026-12-10 10:00 PM'", dberr::UnsupportedSyntax, "'2026-12-10 10:00 PM'"},
        {"FDate > Convert(datetime, 'Dec 10 2026')", dberr::UnsupportedSyntax, "'Dec 10 2026'"},
        // The server takes no sign before a date; here it would compare wrongly without a word.
        {"+FDate < '2026-12-10'", dberr::UnsupportedSyntax, "a sign before the date 'FDate'"},
        {"FID = 1 and -FDate >= '2026-12-10'", dberr::UnsupportedSyntax, "a sign before the date 'FDate'"},
    };
    for (const Case& c : cases) {
        try {
            conn->execute(QStringLiteral("select FID from t_Bill where %1").arg(QString::fromUtf8(c.where)));
            ADD_FAILURE() << "no error for " << c.where;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), c.number) << c.where;
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.message)))
                << c.where << " -> " << e.description().toStdString();
        }
    }
    // A sign before a number, and a sum with a date, are what they were.
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from t_Bill where +FID < 3 and 1 + FID > 1")),
              QStringLiteral("2"));
    // The same texts against a text column are plain texts.
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from t_Bill where FText = '2026-02-30' or FText = "
                                    "'2026-12-10 10:00 PM'")),
              QStringLiteral("0"));
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
