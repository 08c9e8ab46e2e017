// The stock-by-warehouse batch as the server receives it, line by line.

#include "analysis/inventory_batch.h"

#include <gtest/gtest.h>

namespace zrk::analysis {
namespace {

const char* const kBatchLines[] = {
    "Set Nocount on",
    " Create Table #TempInventory(",
    "                             [FBrNo] [varchar] (10)  NOT NULL ,",
    "                             [FItemID] [int] NOT NULL ,",
    "                             [FBatchNo] [varchar] (200)  NOT NULL ,",
    "                             [FStockID] [int] NOT NULL ,",
    "                             [FQty] [decimal](28, 10) NOT NULL ,",
    "                             [FBal] [decimal](20, 2) NOT NULL ,",
    "                             [FStockPlaceID] [int] NULL ,",
    "                             [FKFPeriod] [int] NOT NULL Default(0),",
    "                             [FKFDate] [varchar] (255)  NOT NULL ,",
    "                             [FMyKFDate] [varchar] (255),",
    "                             [FStockTypeID] [Int] NOT NULL,",
    "                             [FQtyLock] [decimal](28, 10) NOT NULL,",
    "                             [FAuxPropID] [int] NOT NULL,",
    "                             [FSecQty] [decimal](28, 10) NOT NULL",
    "                              )",
    " Insert Into #TempInventory Select "
    "u1.FBrNo,u1.FItemID,u1.FBatchNo,u1.FStockID,u1.FQty,u1.FBal,u1.FStockPlaceID,",
    " u1.FKFPeriod,ISNULL(u1.FKFDate,''),ISNULL(u1.FKFDate,''),500,u1.FQtyLock,u1.FAuxPropID,u1.FSecQty From "
    "ICInventory u1 left join t_ICItem t1 on u1.FItemID = t1.FItemID",
    " left join t_Stock t2 on u1.FStockID=t2.FItemID",
    " left join t_MeasureUnit t3 on t1.FUnitID=t3.FMeasureUnitID",
    " left join t_MeasureUnit t4 on t1.FStoreUnitID=t4.FMeasureUnitID",
    " left join t_StockPlace t5 on u1.FStockPlaceID=t5.FSPID",
    " Where u1.FQty <> 0 And t1.FDeleted = 0",
    " Insert Into #TempInventory Select "
    "u1.FBrNo,u1.FItemID,u1.FBatchNo,u1.FStockID,u1.FQty,u1.FBal,u1.FStockPlaceID,",
    " u1.FKFPeriod,ISNULL(u1.FKFDate,''),ISNULL(u1.FKFDate,''),u1.FStockTypeID,0,u1.FAuxPropID,u1.FSecQty "
    "From POInventory u1 left join t_ICItem t1 on u1.FItemID = t1.FItemID",
    " left join t_Stock t2 on u1.FStockID=t2.FItemID",
    " left join t_MeasureUnit t3 on t1.FUnitID=t3.FMeasureUnitID",
    " left join t_MeasureUnit t4 on t1.FStoreUnitID=t4.FMeasureUnitID",
    " left join t_StockPlace t5 on u1.FStockPlaceID=t5.FSPID",
    " Where u1.FQty <> 0 And t1.FDeleted = 0",
    " select Fstockname,sum(fbuqty) as sumQty from (",
    " Select u1.FAuxPropID,case when u1.FSecQty=0 then 0 else u1.FQty/u1.FSecQty end as "
    "FConvRate,u1.FStockTypeID,t1.FName as FMaterialName,t1.FModel as FMaterialModel,t19.FName as "
    "FSecUnitName,",
    " u1.FBatchNo,t2.FName as FStockName ,u1.FQtyLock as FBUQtyLock,u1.FQtyLock/t4.FCoefficient as "
    "FCUUQtyLock,",
    " t5.FName as FSPName,u1.FKFPeriod,case when isdate(u1.FKFDate)=1 then Convert(datetime,u1.FKFDate) else "
    "null end as FKFDate,",
    "  case when isdate(u1.FMyKFDate)=1 then Convert(datetime,u1.FMyKFDate) else null end as FMyKFDate, "
    "t3.FName as FBUUnitName,u1.FQty as FBUQty,",
    " t4.FName as FCUUnitName ,u1.FQty/t4.FCoefficient as FCUUQty,t1.FQtyDecimal, t1.FPriceDecimal,0 as "
    "FSumSort,",
    " Case when isdate(u1.FKFDate)=0 then null else Convert(datetime,u1.FKFDate) + u1.FKFPeriod END AS "
    "FMaturityDate,",
    " t2.FNumber AS FStockNumber, t1.FNumber AS FMaterialNumber,t5.FNumber as FSPNumber,t4.FNumber as "
    "FCUUnitCode,t4.FMeasureunitID as FCUUnitID",
    " ,t1.FitemID ,T2.FitemID FStockID,T5.FSPID FSPID,t9.FName as FAuxPropName,t9.FNumber as "
    "FAuxPropNumber,u1.FSecQty From #TempInventory u1",
    "  left join t_ICItem t1 on u1.FItemID = t1.FItemID",
    " left join t_Stock t2 on u1.FStockID=t2.FItemID",
    " left join t_MeasureUnit t3 on t1.FUnitID=t3.FMeasureUnitID",
    " left join t_MeasureUnit t4 on t1.FStoreUnitID=t4.FMeasureUnitID",
    " left join t_StockPlace t5 on u1.FStockPlaceID=t5.FSPID",
    "  left join t_AuxItem t9 on u1.FAuxPropID=t9.FItemID left join t_Measureunit t19 on "
    "t1.FSecUnitID=t19.FMeasureunitID  where u1.FQty<>0 and t1.FDeleted=0",
    " ) aa",
    " group by Fstockname order by sum(fbuqty) desc",
    " Drop Table #TempInventory",
    " Set Nocount off",
};

TEST(StockByWarehouseBatch, IsTheFiftyLinesJoinedByCarriageReturnAndLineFeed) {
    QStringList lines;
    for (const char* line : kBatchLines)
        lines << QString::fromLatin1(line);
    ASSERT_EQ(lines.size(), 50);
    const QString batch = stockByWarehouseBatch();
    EXPECT_EQ(batch.split(QStringLiteral("\r\n")), lines);
    EXPECT_EQ(batch, lines.join(QStringLiteral("\r\n")));
    EXPECT_FALSE(batch.endsWith(QStringLiteral("\r\n")));
}

} // namespace
} // namespace zrk::analysis
