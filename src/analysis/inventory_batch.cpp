#include "analysis/inventory_batch.h"

#include "analysis/log_category.h"
#include "platform/caught_error.h"
#include "platform/error.h"

#include <QStringList>

namespace zrk::analysis {

namespace {

const char* const kJoins[] = {
    " left join t_Stock t2 on u1.FStockID=t2.FItemID",
    " left join t_MeasureUnit t3 on t1.FUnitID=t3.FMeasureUnitID",
    " left join t_MeasureUnit t4 on t1.FStoreUnitID=t4.FMeasureUnitID",
    " left join t_StockPlace t5 on u1.FStockPlaceID=t5.FSPID",
};

void addJoins(QStringList& lines) {
    for (const char* line : kJoins)
        lines << QString::fromLatin1(line);
}

void addCopyFrom(QStringList& lines, const char* secondLine) {
    lines << QStringLiteral(" Insert Into #TempInventory Select "
                            "u1.FBrNo,u1.FItemID,u1.FBatchNo,u1.FStockID,u1.FQty,u1.FBal,u1.FStockPlaceID,")
          << QString::fromLatin1(secondLine);
    addJoins(lines);
    lines << QStringLiteral(" Where u1.FQty <> 0 And t1.FDeleted = 0");
}

} // namespace

QString stockByWarehouseBatch() {
    const QString indent = QStringLiteral("                             ");
    QStringList lines;
    lines << QStringLiteral("Set Nocount on") << QStringLiteral(" Create Table #TempInventory(");
    for (const char* column : {"[FBrNo] [varchar] (10)  NOT NULL ,", "[FItemID] [int] NOT NULL ,",
                               "[FBatchNo] [varchar] (200)  NOT NULL ,", "[FStockID] [int] NOT NULL ,",
                               "[FQty] [decimal](28, 10) NOT NULL ,", "[FBal] [decimal](20, 2) NOT NULL ,",
                               "[FStockPlaceID] [int] NULL ,", "[FKFPeriod] [int] NOT NULL Default(0),",
                               "[FKFDate] [varchar] (255)  NOT NULL ,", "[FMyKFDate] [varchar] (255),",
                               "[FStockTypeID] [Int] NOT NULL,", "[FQtyLock] [decimal](28, 10) NOT NULL,",
                               "[FAuxPropID] [int] NOT NULL,", "[FSecQty] [decimal](28, 10) NOT NULL"})
        lines << indent + QString::fromLatin1(column);
    lines << indent + QStringLiteral(" )");
    addCopyFrom(lines,
                " u1.FKFPeriod,ISNULL(u1.FKFDate,''),ISNULL(u1.FKFDate,''),500,u1.FQtyLock,u1.FAuxPropID,"
                "u1.FSecQty From ICInventory u1 left join t_ICItem t1 on u1.FItemID = t1.FItemID");
    addCopyFrom(lines,
                " u1.FKFPeriod,ISNULL(u1.FKFDate,''),ISNULL(u1.FKFDate,''),u1.FStockTypeID,0,u1.FAuxPropID,"
                "u1.FSecQty From POInventory u1 left join t_ICItem t1 on u1.FItemID = t1.FItemID");
    lines << QStringLiteral(" select Fstockname,sum(fbuqty) as sumQty from (")
          << QStringLiteral(
                 " Select u1.FAuxPropID,case when u1.FSecQty=0 then 0 else u1.FQty/u1.FSecQty end as "
                 "FConvRate,u1.FStockTypeID,t1.FName as FMaterialName,t1.FModel as "
                 "FMaterialModel,t19.FName as FSecUnitName,")
          << QStringLiteral(" u1.FBatchNo,t2.FName as FStockName ,u1.FQtyLock as FBUQtyLock,u1.FQtyLock/"
                            "t4.FCoefficient as FCUUQtyLock,")
          << QStringLiteral(" t5.FName as FSPName,u1.FKFPeriod,case when isdate(u1.FKFDate)=1 then "
                            "Convert(datetime,u1.FKFDate) else null end as FKFDate,")
          << QStringLiteral(
                 "  case when isdate(u1.FMyKFDate)=1 then Convert(datetime,u1.FMyKFDate) else null end "
                 "as FMyKFDate, t3.FName as FBUUnitName,u1.FQty as FBUQty,")
          << QStringLiteral(" t4.FName as FCUUnitName ,u1.FQty/t4.FCoefficient as FCUUQty,t1.FQtyDecimal, "
                            "t1.FPriceDecimal,0 as FSumSort,")
          << QStringLiteral(" Case when isdate(u1.FKFDate)=0 then null else Convert(datetime,u1.FKFDate) + "
                            "u1.FKFPeriod END AS FMaturityDate,")
          << QStringLiteral(" t2.FNumber AS FStockNumber, t1.FNumber AS FMaterialNumber,t5.FNumber as "
                            "FSPNumber,t4.FNumber as FCUUnitCode,t4.FMeasureunitID as FCUUnitID")
          << QStringLiteral(" ,t1.FitemID ,T2.FitemID FStockID,T5.FSPID FSPID,t9.FName as "
                            "FAuxPropName,t9.FNumber as FAuxPropNumber,u1.FSecQty From #TempInventory u1")
          << QStringLiteral("  left join t_ICItem t1 on u1.FItemID = t1.FItemID");
    addJoins(lines);
    lines << QStringLiteral(
                 "  left join t_AuxItem t9 on u1.FAuxPropID=t9.FItemID left join t_Measureunit t19 on "
                 "t1.FSecUnitID=t19.FMeasureunitID  where u1.FQty<>0 and t1.FDeleted=0")
          << QStringLiteral(" ) aa") << QStringLiteral(" group by Fstockname order by sum(fbuqty) desc")
          << QStringLiteral(" Drop Table #TempInventory") << QStringLiteral(" Set Nocount off");
    return lines.join(QStringLiteral("\r\n"));
}

db::RecordsetPtr queryStockByWarehouse(db::Connection& company) {
    try {
        return company.execute(stockByWarehouseBatch());
    } catch (const Error&) {
        try {
            company.execute(QStringLiteral("Drop Table #TempInventory"));
        } catch (const Error& dropError) {
            logCaughtError(lcAnalysis(), "queryStockByWarehouse: no temporary table was left to drop",
                           dropError);
        }
        throw;
    }
}

} // namespace zrk::analysis
