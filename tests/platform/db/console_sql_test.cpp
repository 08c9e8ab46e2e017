// The console's own SQL texts, run on the embedded engine, with their effect checked on real
// tables.
#include "console_batches.h"
#include "db/console_schema.h"
#include "db/console_tables.h"
#include "db_test_support.h"
#include "platform/db/sql_literal.h"
#include "qt_printers.h"
#include "support/test_console.h"

using zrk::test::EmbeddedDb;
using namespace zrk;
using namespace zrk::db;

namespace {

class BoardTables : public EmbeddedDb {};

TEST_F(BoardTables, BatchCreatesTheFiveTablesWithTheirColumns) {
    conn->execute(consoleTablesBatch());
    const QStringList tables = column(QStringLiteral(
        "select name from dbo.sysobjects where xtype = 'U' and name like 't_Boss%' order by name"));
    EXPECT_EQ(tables,
              QStringList({"t_Boss_AccountType", "t_Boss_ElementPosition", "t_Boss_ElementPosition_Bak",
                           "t_Boss_ElementPosition_Show", "t_Boss_SubFunction"}));
    struct Case {
        const char* table;
        int columns;
    } cases[] = {{"t_Boss_AccountType", 6},
                 {"t_Boss_ElementPosition", 18},
                 {"t_Boss_ElementPosition_Bak", 18},
                 {"t_Boss_ElementPosition_Show", 16},
                 {"t_Boss_SubFunction", 10}};
    for (const Case& c : cases) {
        auto rs = conn->openRecordset(
            QStringLiteral("Select * From %1 Where 1=2").arg(QString::fromLatin1(c.table)));
        EXPECT_EQ(rs->fieldCount(), c.columns) << c.table;
    }
    auto show = conn->openRecordset(QStringLiteral("Select * From t_Boss_ElementPosition_Show Where 1=2"));
    EXPECT_EQ(show->fieldIndex(QStringLiteral("FisShow")), -1);
    EXPECT_EQ(show->fieldIndex(QStringLiteral("Forder")), -1);
}

TEST_F(BoardTables, DefaultsAndKeysCarryTheirConstraintNames) {
    conn->execute(consoleTablesBatch());
    const QString bak =
        scalar(QStringLiteral("select sql from sqlite_schema where name = 't_Boss_ElementPosition_Bak'"));
    EXPECT_TRUE(bak.contains(QStringLiteral("\"DF_t_Boss_ElementPosition_Bak_FAppType\""))) << bak;
    EXPECT_TRUE(bak.contains(
        QStringLiteral("\"PK_t_Boss_ElementPosition_Bak\" PRIMARY KEY (\"FAppType\", \"FZRKSubID\", "
                       "\"FZRKIndex\")")))
        << bak;
    // A row with only its key gets the defaults.
    conn->execute(QStringLiteral(
        "insert into t_Boss_ElementPosition (FAppType, FZRKSubID, FZRKIndex) values (0, 3, 5)"));
    EXPECT_EQ(scalar(QStringLiteral("select '[' + FZRKCaption + ']' from t_Boss_ElementPosition")),
              QStringLiteral("[]"));
    EXPECT_EQ(scalar(QStringLiteral("select FisShow from t_Boss_ElementPosition")), QStringLiteral("0"));
    // The key refuses a second row with the same three values.
    EXPECT_THROW(conn->execute(QStringLiteral(
                     "insert into t_Boss_ElementPosition (FAppType, FZRKSubID, FZRKIndex) values (0, 3, 5)")),
                 Error);
    // FSubSystemID and FHelpFile have no default.
    EXPECT_THROW(
        conn->execute(QStringLiteral("insert into t_Boss_SubFunction (FID, FAppType) values (1, 0)")), Error);
    conn->execute(QStringLiteral(
        "insert into t_Boss_SubFunction (FID, FAppType, FSubSystemID, FHelpFile) values (1, 0, 7, 'a.chm')"));
    EXPECT_EQ(scalar(QStringLiteral("select FHasRpt from t_Boss_SubFunction")), QStringLiteral("False"));
}

TEST_F(BoardTables, DescriptionsAreKeptAsExtendedProperties) {
    conn->execute(consoleTablesBatch());
    auto description = [&](const QString& table, const QString& column) {
        return scalar(
            QStringLiteral("select value from sys.extended_properties where major_id = object_id(%1) and "
                           "name = N'MS_Description' and column_name = %2")
                .arg(sqlNText(table), sqlNText(column)));
    };
    EXPECT_EQ(description(QStringLiteral("t_Boss_AccountType"), QStringLiteral("FID")),
              QStringLiteral("程序的版本编号"));
    EXPECT_EQ(description(QStringLiteral("t_Boss_ElementPosition_Show"), QStringLiteral("FDetailFuncType")),
              QStringLiteral("9.1收藏夹功能用,界面功能类型,(1:单据,2:序时簿,3:报表,0:其它)"));
    EXPECT_EQ(description(QStringLiteral("t_Boss_SubFunction"), QStringLiteral("FPositon")),
              QStringLiteral("界面的位置"));
    EXPECT_EQ(description(QStringLiteral("t_Boss_ElementPosition"), QStringLiteral("FSubFuncID")),
              QStringLiteral("<no row>"));
    // minor_id is the column's position.
    EXPECT_EQ(scalar(QStringLiteral("select minor_id from sys.extended_properties where major_id = "
                                    "object_id('t_Boss_ElementPosition') and column_name = 'FZRKCaption'")),
              QStringLiteral("4"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sys.extended_properties")), QStringLiteral("63"));
}

TEST_F(BoardTables, RunningTheBatchAgainChangesNothing) {
    conn->execute(consoleTablesBatch());
    conn->execute(QStringLiteral("insert into t_Boss_AccountType (FID, FName) values (1, N'标准版')"));
    conn->execute(consoleTablesBatch());
    EXPECT_EQ(scalar(QStringLiteral("select FName from t_Boss_AccountType where FID = 1")),
              QStringLiteral("标准版"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from sys.extended_properties")), QStringLiteral("63"));
}

TEST_F(BoardTables, ADatabaseWithOneTableGetsTheOtherFour) {
    conn->execute(QStringLiteral("CREATE TABLE [dbo].[t_Boss_AccountType] ([FID] [int] NOT NULL, [FName] "
                                 "[nvarchar] (50) NOT NULL) ON [PRIMARY]"));
    conn->execute(QStringLiteral("insert into t_Boss_AccountType values (7, 'kept')"));
    conn->execute(consoleTablesBatch());
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from dbo.sysobjects where name like 't_Boss%'")),
              QStringLiteral("5"));
    EXPECT_EQ(scalar(QStringLiteral("select FName from t_Boss_AccountType")), QStringLiteral("kept"));
    auto rs = conn->openRecordset(QStringLiteral("Select * From t_Boss_AccountType Where 1=2"));
    EXPECT_EQ(rs->fieldCount(), 2); // the existing table is not altered
}

TEST_F(BoardTables, ConsoleQueriesOnTheElementTable) {
    conn->execute(consoleTablesBatch());
    conn->execute(QStringLiteral(R"(
insert into t_Boss_ElementPosition (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,FDetailFuncType,FisShow,Forder) values (0,3,5,N'现金流量表',3,1,2)
insert into t_Boss_ElementPosition (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,FDetailFuncType,FisShow,Forder) values (0,1,1,N'客户',1,1,1)
insert into t_Boss_ElementPosition (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,FDetailFuncType,FisShow,Forder) values (0,3,6,N'利润表',3,1,1)
insert into t_Boss_ElementPosition (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,FDetailFuncType,FisShow,Forder) values (0,3,7,N'隐藏',3,0,3)
)"));
    struct Case {
        const char* sql;
        QStringList captions;
    } cases[] = {
        {"Select * from t_Boss_ElementPosition where FDetailFuncType=3 and FisShow='1' order by Forder",
         {"利润表", "现金流量表"}},
        {"Select * from t_Boss_ElementPosition where FDetailFuncType=1 and FisShow='1' order by Forder",
         {"客户"}},
        {"Select * from t_Boss_ElementPosition where FAppType=0 and FZRKSubID=3 and FZRKIndex=5 ",
         {"现金流量表"}},
        {"Select * from t_Boss_ElementPosition where FAppType=0 and FDetailFuncType=3 and FisShow='0' order "
         "by "
         "FAppType,FZRKSubID,Forder",
         {"隐藏"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(column(QString::fromUtf8(c.sql), 3), c.captions) << c.sql;
}

// The report-list synchronisation.
class OwnerReports : public EmbeddedDb {
protected:
    void sync() { syncOwnerReportList(console.ctx, *conn); }
    test::TestConsole console;

    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(test::suiteTablesBatch());
    }
    void report(int id, const QString& name, int type, const QString& visible) {
        conn->execute(
            QStringLiteral("insert into t_Rpt_Content (FRptID,FRptName,FRptName_Cht,FSysName,FOwner,FRptType,"
                           "FVisibleInList) values (%1,%2,%3,'sys',0,%4,%5)")
                .arg(id)
                .arg(sqlNText(name), sqlNText(name + QStringLiteral("(繁)")))
                .arg(type)
                .arg(sqlText(visible)));
    }
    QStringList list() {
        return column(
            QStringLiteral("select cast(FRptID as varchar(10)) + ':' + FRptName + ':' + FVisibleInList from "
                           "t_Rpt_Content_Boss order by FRptID"));
    }
};

TEST_F(OwnerReports, SyncCopiesVisibleTypeOneReportsHidden) {
    report(1, QStringLiteral("应收账款"), 1, QStringLiteral("1"));
    report(2, QStringLiteral("内部报表"), 2, QStringLiteral("1"));
    report(3, QStringLiteral("不可见"), 1, QStringLiteral("0"));
    sync();
    EXPECT_EQ(list(), QStringList({"1:应收账款:0"}));
    // A new row without FRptID gets -1.
    conn->execute(
        QStringLiteral("insert into t_Rpt_Content_Boss (FRptName, FSysName, FOwner, FRptType) values ('x', "
                       "'s', 0, 1)"));
    EXPECT_EQ(scalar(QStringLiteral("select FRptID from t_Rpt_Content_Boss where FRptName = 'x'")),
              QStringLiteral("-1"));
}

TEST_F(OwnerReports, SyncFollowsTheCatalogue) {
    report(1, QStringLiteral("应收账款"), 1, QStringLiteral("1"));
    report(2, QStringLiteral("应付账款"), 1, QStringLiteral("1"));
    report(4, QStringLiteral("删除的"), 1, QStringLiteral("1"));
    sync();
    conn->execute(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1' where FRptID in (1, 2)"));

    conn->execute(QStringLiteral(
        "update t_Rpt_Content set FRptName = N'应收款明细', FRptName_Cht = N'改' where FRptID = 1"));
    conn->execute(QStringLiteral("update t_Rpt_Content set FVisibleInList = '0' where FRptID = 2"));
    conn->execute(QStringLiteral("delete from t_Rpt_Content where FRptID = 4"));
    report(5, QStringLiteral("新报表"), 1, QStringLiteral("1"));
    sync();

    EXPECT_EQ(list(), QStringList({"1:应收款明细:1", "5:新报表:0"}));
    EXPECT_EQ(scalar(QStringLiteral("select FRptName_Cht from t_Rpt_Content_Boss where FRptID = 1")),
              QStringLiteral("应收账款(繁)"));
}

// Copying a seed table into an empty board table, as the console does it.
class SeedCopy : public EmbeddedDb {
protected:
    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(consoleTablesBatch());
        seedPath = dir.filePath(QStringLiteral("ZRK_Boss.dat"));
        Connection maker;
        maker.open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(seedPath), MissingDatabase::Create);
        maker.execute(QStringLiteral("create table AccountType (FID int not null, FName nvarchar(50) null, "
                                     "FSeperaterPos int, FDrawSize int, "
                                     "FMenuStretchH decimal(18,4), FMenuStretchV decimal(18,4))"));
        maker.execute(QStringLiteral("insert into AccountType values (0, N'标准版', 4200, 12, 1.25, 0.5)"));
        maker.execute(QStringLiteral("insert into AccountType values (1, NULL, 3000, 10, 1, 1)"));
        seed.open(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False")
                .arg(seedPath));
    }

    bool copySeedTable(const QString& source, const QString& target) {
        return zrk::copySeedTable(console.ctx, *conn, seed, source, target);
    }

    QString seedPath;
    Connection seed;
    test::TestConsole console;
};

TEST_F(SeedCopy, EmptyTargetReceivesTheSeedRowsWithDefaultsForNulls) {
    ASSERT_TRUE(copySeedTable(QStringLiteral("AccountType"), QStringLiteral("t_Boss_AccountType")));
    EXPECT_EQ(column(QStringLiteral("select FName from t_Boss_AccountType order by FID")),
              QStringList({"标准版", ""}));
    auto rs = conn->execute(
        QStringLiteral("select FMenuStretchH, FSeperaterPos from t_Boss_AccountType where FID = 0"));
    EXPECT_DOUBLE_EQ(rs->value(0).toDouble(), 1.25);
    EXPECT_EQ(rs->value(1).toInt32(), 4200);
}

TEST_F(SeedCopy, TargetWithARowKeepsItAndReceivesNothing) {
    conn->execute(QStringLiteral("insert into t_Boss_AccountType (FID, FName) values (9, 'own')"));
    ASSERT_TRUE(copySeedTable(QStringLiteral("AccountType"), QStringLiteral("t_Boss_AccountType")));
    EXPECT_EQ(column(QStringLiteral("select FName from t_Boss_AccountType")), QStringList({"own"}));
}

TEST_F(SeedCopy, AFailedCopyLeavesTheTargetEmpty) {
    Connection maker;
    maker.open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(seedPath));
    // Two rows with the same key: the second insert fails, the first is rolled back with it.
    maker.execute(QStringLiteral("insert into AccountType values (0, 'dup', 1, 1, 1, 1)"));
    EXPECT_FALSE(copySeedTable(QStringLiteral("AccountType"), QStringLiteral("t_Boss_AccountType")));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from t_Boss_AccountType")), QStringLiteral("0"));
    EXPECT_FALSE(conn->inTransaction());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text,
              QStringLiteral("老板报表数据表初始化失败(t_Boss_AccountType)！"));
}

// The direct inventory query.
class Inventory : public EmbeddedDb {
protected:
    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(test::suiteTablesBatch());
        conn->execute(QStringLiteral(R"(
insert into t_MeasureUnit values (1, N'个', '01', 1)
insert into t_MeasureUnit values (2, N'箱', '02', 10)
insert into t_ICItem (FItemID, FName, FNumber, FUnitID, FStoreUnitID, FDeleted) values (1, N'螺丝', 'A1', 1, 2, 0)
insert into t_ICItem (FItemID, FName, FNumber, FUnitID, FStoreUnitID, FDeleted) values (2, N'螺母', 'A2', 1, 1, 0)
insert into t_ICItem (FItemID, FName, FNumber, FUnitID, FStoreUnitID, FDeleted) values (3, N'作废', 'A3', 1, 1, 1)
insert into t_Stock values (10, N'成品库', 'S1')
insert into t_Stock values (20, N'原料库', 'S2')
insert into t_StockPlace values (1, N'货位一', 'P1')
)"));
    }
};

TEST_F(Inventory, SumsBaseQuantityPerWarehouseLargestFirst) {
    conn->execute(QStringLiteral(R"(
insert into ICInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FQtyLock,FSecQty) values ('0',1,'',10,40,400,1,30,'2024-01-15',25,0)
insert into ICInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FQtyLock,FSecQty) values ('0',2,'B1',20,70.5,100,NULL,0,NULL,0,2)
insert into ICInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FQtyLock,FSecQty) values ('0',2,'',10,0,0,NULL,0,NULL,0,0)
insert into ICInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FQtyLock,FSecQty) values ('0',3,'',10,999,0,NULL,0,NULL,0,0)
insert into ICInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FQtyLock,FSecQty) values ('0',1,'',99,5,0,NULL,0,'not a date',0,0)
insert into POInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FStockTypeID,FSecQty) values ('0',1,'',10,60,0,NULL,0,NULL,501,0)
)"));
    auto rs = conn->execute(test::inventoryBatch());
    ASSERT_TRUE(rs);
    QStringList rows;
    for (; !rs->eof(); rs->moveNext())
        rows << (rs->value(QStringLiteral("Fstockname")).isNull()
                     ? QStringLiteral("NULL")
                     : rs->value(QStringLiteral("Fstockname")).toString()) +
                    QLatin1Char('=') + QString::number(rs->value(QStringLiteral("sumQty")).toDouble());
    // 成品库 40 + 60 (locked quantity not subtracted), 原料库 70.5, the missing warehouse 99 as NULL;
    // zero quantity and the deleted item are left out.
    EXPECT_EQ(rows, QStringList({"成品库=100", "原料库=70.5", "NULL=5"}));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from temp.sqlite_temp_schema where name like '#Temp%'")),
              QStringLiteral("0"));
    // The same batch runs again on the same connection.
    EXPECT_TRUE(conn->execute(test::inventoryBatch()));
}

TEST_F(Inventory, NoStockGivesAnEmptyResult) {
    auto rs = conn->execute(test::inventoryBatch());
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_EQ(rs->fieldName(1), QStringLiteral("sumQty"));
}

TEST_F(Inventory, StoreUnitQuantitiesKeepTheirFraction) {
    // 45 pieces in boxes of 10 are 4.5 boxes, as on the server, though the embedded engine keeps
    // the whole decimals 45 and 10 as integers.
    conn->execute(QStringLiteral(
        "insert into ICInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FKFPeriod,FKFDate,FQtyLock,"
        "FSecQty) values ('0',1,'',10,45,0,0,NULL,25,2)"));
    const QString from = QStringLiteral(
        " from ICInventory u1 left join t_ICItem t1 on u1.FItemID = t1.FItemID left join t_MeasureUnit t4 "
        "on t1.FStoreUnitID=t4.FMeasureUnitID");
    struct Case {
        const char* column;
        double expected;
    } cases[] = {
        {"u1.FQty/t4.FCoefficient as FCUUQty", 4.5},
        {"u1.FQtyLock/t4.FCoefficient as FCUUQtyLock", 2.5},
        {"case when u1.FSecQty=0 then 0 else u1.FQty/u1.FSecQty end as FConvRate", 22.5},
        {"t1.FQtyDecimal/t4.FCoefficient", 0.2},
        {"(u1.FStockID + 1)/t1.FStoreUnitID", 5},
        {"u1.FItemID/t1.FQtyDecimal", 0},
    };
    for (const Case& c : cases) {
        auto rs = conn->execute(QStringLiteral("select ") + QString::fromUtf8(c.column) + from);
        ASSERT_TRUE(rs && !rs->eof()) << c.column;
        EXPECT_DOUBLE_EQ(rs->value(0).toDouble(), c.expected) << c.column;
    }
}

TEST_F(Inventory, MaturityDateAddsTheShelfLifeInDays) {
    conn->execute(QStringLiteral(
        "insert into ICInventory (FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FKFPeriod,FKFDate) "
        "values ('0',1,'',10,1,1,30,'2024-01-15')"));
    const QString sql = QStringLiteral("select Case when isdate(u1.FKFDate)=0 then null else "
                                       "Convert(datetime,u1.FKFDate) + u1.FKFPeriod END AS "
                                       "FMaturityDate from ICInventory u1");
    EXPECT_EQ(scalar(sql), QStringLiteral("2024-02-14 00:00:00"));
}

// The visibility settings dialog's saves and reset.
class ReportSettings : public EmbeddedDb {
protected:
    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(test::suiteTablesBatch());
        conn->execute(consoleTablesBatch());
        conn->execute(ownerReportSyncBatch());
        for (int i = 1; i <= 3; ++i) {
            conn->execute(
                QStringLiteral("insert into t_Boss_ElementPosition (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,"
                               "FDetailFuncType,FisShow,Forder) values (0,3,%1,'R%1',3,%2,%1)")
                    .arg(i)
                    .arg(i == 1 ? 1 : 0));
            conn->execute(
                QStringLiteral(
                    "insert into t_Boss_ElementPosition_Bak (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,"
                    "FDetailFuncType,FisShow,Forder) values (0,3,%1,'R%1',3,%2,%3)")
                    .arg(i)
                    .arg(i == 1 ? 0 : 1)
                    .arg(10 - i));
        }
        conn->execute(
            QStringLiteral("insert into t_Rpt_Content_Boss (FRptID,FRptName,FSysName,FOwner,FRptType,"
                           "FVisibleInList) values (100,'O1','s',0,1,'1')"));
        conn->execute(
            QStringLiteral("insert into t_Rpt_Content_Boss (FRptID,FRptName,FSysName,FOwner,FRptType,"
                           "FVisibleInList) values (101,'O2','s',0,1,'0')"));
    }
    QStringList shown() {
        QStringList out = column(
            QStringLiteral("Select * from t_Boss_ElementPosition where FAppType=0 and FDetailFuncType=3 and "
                           "FisShow='1' order by FAppType,FZRKSubID,Forder"),
            3);
        out << column(
            QStringLiteral("Select * from  t_Rpt_Content_Boss where FRptType = 1 and  FVisibleInList='1'  "),
            1);
        return out;
    }
};

TEST_F(ReportSettings, SaveWritesTheRightGridInOrder) {
    EXPECT_EQ(shown(), QStringList({"R1", "O1"}));
    conn->beginTrans();
    conn->execute(QStringLiteral(
        "update t_Boss_ElementPosition set FisShow='0' where FAppType=0 and FDetailFuncType=3"));
    conn->execute(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='0' where FRptType = 1 "));
    conn->execute(
        QStringLiteral("update t_Boss_ElementPosition set FisShow='1',Forder=1 where FAppType=0 and "
                       "FZRKSubID=3 and FZRKIndex=3"));
    conn->execute(QStringLiteral(
        "update t_Rpt_Content_Boss set FVisibleInList='1' where FRptType = 1  and FrptID=101"));
    conn->execute(
        QStringLiteral("update t_Boss_ElementPosition set FisShow='1',Forder=2 where FAppType=0 and "
                       "FZRKSubID=3 and FZRKIndex=1"));
    conn->commitTrans();
    EXPECT_EQ(shown(), QStringList({"R3", "R1", "O2"}));
}

TEST_F(ReportSettings, FailedSaveRollsBack) {
    conn->beginTrans();
    conn->execute(QStringLiteral(
        "update t_Boss_ElementPosition set FisShow='0' where FAppType=0 and FDetailFuncType=3"));
    EXPECT_THROW(conn->execute(QStringLiteral("update t_Missing set FisShow='1'")), Error);
    conn->rollbackTrans();
    EXPECT_EQ(shown(), QStringList({"R1", "O1"}));
}

TEST_F(ReportSettings, ResetRestoresTheBackupOrderAndHidesOwnerReports) {
    conn->beginTrans();
    conn->execute(QStringLiteral(
        "update t_Boss_ElementPosition set FisShow='0' where FAppType=0 and FDetailFuncType=3"));
    auto bak = conn->execute(QStringLiteral("Select * from t_Boss_ElementPosition_BAK where FAppType=0 and "
                                            "FDetailFuncType=3 and FisShow='1' order by Forder"));
    int i = 1;
    for (; !bak->eof(); bak->moveNext(), ++i)
        conn->execute(
            QStringLiteral("update t_Boss_ElementPosition set FisShow='1',Forder=%1 where FAppType=%2 and "
                           "FZRKSubID=%3 and FZRKIndex=%4")
                .arg(i)
                .arg(bak->value(QStringLiteral("FAppType")).toString(),
                     bak->value(QStringLiteral("FZRKSubID")).toString(),
                     bak->value(QStringLiteral("FZRKIndex")).toString()));
    conn->execute(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='0' where FRptType = 1 "));
    conn->commitTrans();
    EXPECT_EQ(shown(), QStringList({"R3", "R2"}));
}

// The other texts the console sends.
class SuiteQueries : public EmbeddedDb {
protected:
    void SetUp() override {
        EmbeddedDb::SetUp();
        conn->execute(test::suiteTablesBatch());
    }
};

TEST_F(SuiteQueries, ProfilePeriodsCurrenciesAndClickCounts) {
    conn->execute(QStringLiteral(R"(
insert into t_SystemProfile values ('IC', 'StartYear', '2023')
insert into t_SystemProfile values ('IC', 'CurrentPeriod', '7')
insert into t_SystemProfile values ('ARAP', 'Closed', NULL)
insert into t_SystemProfile values ('GL', 'Rate', '2.5')
insert into t_PeriodDate values (2023, 1, '2023-01-01', '2023-01-31')
insert into t_Currency values (0, N'记账本位币')
insert into t_Currency values (1, N'人民币')
insert into t_Currency values (2, NULL)
insert into t_UserMenuStore values (42, 3)
)"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='StartYear'")),
              QStringLiteral("2023"));
    EXPECT_EQ(
        scalar(QStringLiteral("Select FValue from t_SystemProfile WHERE FCateGory='ARAP' AND FKey='Closed'")),
        QStringLiteral("NULL"));
    // Keys compare without regard to letter case, as under the server's collation.
    EXPECT_EQ(scalar(QStringLiteral("select * from t_systemprofile where FCategory='gl' and fkey ='rate'")),
              QStringLiteral("GL"));
    auto period = conn->execute(
        QStringLiteral("select FStartDate,FEndDate from t_PeriodDate where FYear=2023  and FPeriod=1"));
    ASSERT_TRUE(period);
    EXPECT_EQ(period->value(QStringLiteral("FStartDate")).type(), Variant::Type::Date);
    EXPECT_EQ(period->value(QStringLiteral("FEndDate")).toDate(), QDateTime(QDate(2023, 1, 31), QTime(0, 0)));
    EXPECT_EQ(column(QStringLiteral(" Select FCurrencyID,FName from t_Currency Where FCurrencyID>0 "), 1),
              QStringList({"人民币", "NULL"}));
    conn->execute(QStringLiteral("update t_UserMenuStore set FClickCount = FClickCount+1 where FInnerID=42"));
    EXPECT_EQ(scalar(QStringLiteral("select FClickCount from t_UserMenuStore")), QStringLiteral("4"));
}

} // namespace
