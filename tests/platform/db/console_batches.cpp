#include "console_batches.h"

namespace zrk::test {

namespace {

const QString crlf = QStringLiteral("\r\n");

} // namespace

QString inventoryBatch() {
    const QStringList joins = {
        QStringLiteral(" left join t_Stock t2 on u1.FStockID=t2.FItemID"),
        QStringLiteral(" left join t_MeasureUnit t3 on t1.FUnitID=t3.FMeasureUnitID"),
        QStringLiteral(" left join t_MeasureUnit t4 on t1.FStoreUnitID=t4.FMeasureUnitID"),
        QStringLiteral(" left join t_StockPlace t5 on u1.FStockPlaceID=t5.FSPID"),
    };
    QStringList lines = {
        QStringLiteral("Set Nocount on"),
        QStringLiteral(" Create Table #TempInventory("),
        QStringLiteral("                             [FBrNo] [varchar] (10)  NOT NULL ,"),
        QStringLiteral("                             [FItemID] [int] NOT NULL ,"),
        QStringLiteral("                             [FBatchNo] [varchar] (200)  NOT NULL ,"),
        QStringLiteral("                             [FStockID] [int] NOT NULL ,"),
        QStringLiteral("                             [FQty] [decimal](28, 10) NOT NULL ,"),
        QStringLiteral("                             [FBal] [decimal](20, 2) NOT NULL ,"),
        QStringLiteral("                             [FStockPlaceID] [int] NULL ,"),
        QStringLiteral("                             [FKFPeriod] [int] NOT NULL Default(0),"),
        QStringLiteral("                             [FKFDate] [varchar] (255)  NOT NULL ,"),
        QStringLiteral("                             [FMyKFDate] [varchar] (255),"),
        QStringLiteral("                             [FStockTypeID] [Int] NOT NULL,"),
        QStringLiteral("                             [FQtyLock] [decimal](28, 10) NOT NULL,"),
        QStringLiteral("                             [FAuxPropID] [int] NOT NULL,"),
        QStringLiteral("                             [FSecQty] [decimal](28, 10) NOT NULL"),
        QStringLiteral("                              )"),
        QStringLiteral(
            " Insert Into #TempInventory Select u1.FBrNo,u1.FItemID,u1.FBatchNo,u1.FStockID,u1.FQty,u1.FBal,"
            "u1.FStockPlaceID,"),
        QStringLiteral(
            " u1.FKFPeriod,ISNULL(u1.FKFDate,''),ISNULL(u1.FKFDate,''),500,u1.FQtyLock,u1.FAuxPropID,"
            "u1.FSecQty From ICInventory u1 left join t_ICItem t1 on u1.FItemID = t1.FItemID"),
    };
    lines << joins << QStringLiteral(" Where u1.FQty <> 0 And t1.FDeleted = 0");
    lines << QStringLiteral(
                 " Insert Into #TempInventory Select u1.FBrNo,u1.FItemID,u1.FBatchNo,u1.FStockID,u1.FQty,"
                 "u1.FBal,u1.FStockPlaceID,")
          << QStringLiteral(
                 " u1.FKFPeriod,ISNULL(u1.FKFDate,''),ISNULL(u1.FKFDate,''),u1.FStockTypeID,0,u1.FAuxPropID,"
                 "u1.FSecQty From POInventory u1 left join t_ICItem t1 on u1.FItemID = t1.FItemID");
    lines << joins << QStringLiteral(" Where u1.FQty <> 0 And t1.FDeleted = 0");
    lines << QStringLiteral(" select Fstockname,sum(fbuqty) as sumQty from (")
          << QStringLiteral(
                 " Select u1.FAuxPropID,case when u1.FSecQty=0 then 0 else u1.FQty/u1.FSecQty end as "
                 "FConvRate,u1.FStockTypeID,t1.FName as FMaterialName,t1.FModel as FMaterialModel,t19.FName "
                 "as FSecUnitName,")
          << QStringLiteral(
                 " u1.FBatchNo,t2.FName as FStockName ,u1.FQtyLock as FBUQtyLock,u1.FQtyLock/t4.FCoefficient "
                 "as FCUUQtyLock,")
          << QStringLiteral(" t5.FName as FSPName,u1.FKFPeriod,case when isdate(u1.FKFDate)=1 then "
                            "Convert(datetime,u1.FKFDate) else null end as FKFDate,")
          << QStringLiteral(
                 "  case when isdate(u1.FMyKFDate)=1 then Convert(datetime,u1.FMyKFDate) else null end as "
                 "FMyKFDate, t3.FName as FBUUnitName,u1.FQty as FBUQty,")
          << QStringLiteral(" t4.FName as FCUUnitName ,u1.FQty/t4.FCoefficient as FCUUQty,t1.FQtyDecimal, "
                            "t1.FPriceDecimal,0 as FSumSort,")
          << QStringLiteral(" Case when isdate(u1.FKFDate)=0 then null else Convert(datetime,u1.FKFDate) + "
                            "u1.FKFPeriod END AS FMaturityDate,")
          << QStringLiteral(
                 " t2.FNumber AS FStockNumber, t1.FNumber AS FMaterialNumber,t5.FNumber as FSPNumber,"
                 "t4.FNumber as FCUUnitCode,t4.FMeasureunitID as FCUUnitID")
          << QStringLiteral(
                 " ,t1.FitemID ,T2.FitemID FStockID,T5.FSPID FSPID,t9.FName as FAuxPropName,t9.FNumber as "
                 "FAuxPropNumber,u1.FSecQty From #TempInventory u1")
          << QStringLiteral("  left join t_ICItem t1 on u1.FItemID = t1.FItemID");
    lines << joins;
    lines << QStringLiteral(
                 "  left join t_AuxItem t9 on u1.FAuxPropID=t9.FItemID left join t_Measureunit t19 on "
                 "t1.FSecUnitID=t19.FMeasureunitID  where u1.FQty<>0 and t1.FDeleted=0")
          << QStringLiteral(" ) aa") << QStringLiteral(" group by Fstockname order by sum(fbuqty) desc")
          << QStringLiteral(" Drop Table #TempInventory") << QStringLiteral(" Set Nocount off");
    return lines.join(crlf);
}

QString suiteTablesBatch() {
    return QStringLiteral(R"(
CREATE TABLE [dbo].[t_Rpt_Content] (
    [FRptID] [int] NOT NULL PRIMARY KEY,
    [FRptName] [nvarchar] (600) NOT NULL,
    [FRptName_Cht] [nvarchar] (600) NOT NULL DEFAULT (''),
    [FRptName_EN] [nvarchar] (600) NOT NULL DEFAULT (''),
    [FSysName] [nvarchar] (100) NOT NULL,
    [FYear] [smallint] NULL, [FPeriod] [smallint] NULL,
    [FOwner] [smallint] NOT NULL, [FRptType] [smallint] NOT NULL,
    [FRptData] [image] NULL, [FPrinterBuf] [image] NULL,
    [FLastOperator] [smallint] NULL, [FLastDate] [smalldatetime] NULL,
    [F500] [smallint] NOT NULL DEFAULT (0), [F1001] [smallint] NOT NULL DEFAULT (0),
    [FVisibleInList] [char] (1) NULL DEFAULT ('1')
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
CREATE TABLE ICInventory (FBrNo varchar(10) NOT NULL, FItemID int NOT NULL, FBatchNo varchar(200) NOT NULL,
    FStockID int NOT NULL, FQty decimal(28,10) NOT NULL, FBal decimal(20,2) NOT NULL, FStockPlaceID int NULL,
    FKFPeriod int NOT NULL DEFAULT 0, FKFDate varchar(255) NULL, FQtyLock decimal(28,10) NOT NULL DEFAULT 0,
    FAuxPropID int NOT NULL DEFAULT 0, FSecQty decimal(28,10) NOT NULL DEFAULT 0)
CREATE TABLE POInventory (FBrNo varchar(10) NOT NULL, FItemID int NOT NULL, FBatchNo varchar(200) NOT NULL,
    FStockID int NOT NULL, FQty decimal(28,10) NOT NULL, FBal decimal(20,2) NOT NULL, FStockPlaceID int NULL,
    FKFPeriod int NOT NULL DEFAULT 0, FKFDate varchar(255) NULL, FStockTypeID int NOT NULL,
    FAuxPropID int NOT NULL DEFAULT 0, FSecQty decimal(28,10) NOT NULL DEFAULT 0)
CREATE TABLE t_ICItem (FItemID int NOT NULL PRIMARY KEY, FName nvarchar(255) NOT NULL, FModel nvarchar(255) NULL,
    FNumber nvarchar(80) NOT NULL, FUnitID int NOT NULL DEFAULT 0, FStoreUnitID int NOT NULL DEFAULT 0,
    FSecUnitID int NOT NULL DEFAULT 0, FQtyDecimal smallint NOT NULL DEFAULT 2,
    FPriceDecimal smallint NOT NULL DEFAULT 2, FDeleted smallint NOT NULL DEFAULT 0)
CREATE TABLE t_Stock (FItemID int NOT NULL PRIMARY KEY, FName nvarchar(80) NOT NULL, FNumber nvarchar(80) NOT NULL)
CREATE TABLE t_MeasureUnit (FMeasureUnitID int NOT NULL PRIMARY KEY, FName nvarchar(80) NOT NULL,
    FNumber nvarchar(30) NOT NULL, FCoefficient decimal(28,10) NOT NULL DEFAULT 1)
CREATE TABLE t_StockPlace (FSPID int NOT NULL PRIMARY KEY, FName nvarchar(80) NOT NULL, FNumber nvarchar(80) NOT NULL)
CREATE TABLE t_AuxItem (FItemID int NOT NULL PRIMARY KEY, FName nvarchar(80) NOT NULL, FNumber nvarchar(80) NOT NULL)
CREATE TABLE t_SystemProfile (FCategory nvarchar(30) NOT NULL, FKey nvarchar(100) NOT NULL, FValue nvarchar(255) NULL)
CREATE TABLE t_UserMenuStore (FInnerID int NOT NULL PRIMARY KEY, FClickCount int NOT NULL DEFAULT 0)
CREATE TABLE t_PeriodDate (FYear int NOT NULL, FPeriod int NOT NULL, FStartDate datetime NOT NULL, FEndDate datetime NOT NULL)
CREATE TABLE t_Currency (FCurrencyID int NOT NULL PRIMARY KEY, FName nvarchar(40) NULL)
)");
}

} // namespace zrk::test
