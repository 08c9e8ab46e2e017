#include "console_batches.h"

#include <vector>

namespace zrk::test {

namespace {

struct ColumnSpec {
    const char* name;
    const char* type; // as written after the name, e.g. "[nvarchar] (50)"
    bool collate;     // COLLATE Chinese_PRC_CI_AS
    const char* def;  // "0", "''" or nullptr for no default
};

struct Description {
    const char* column;
    const char* text;
};

const QString crlf = QStringLiteral("\r\n");

QString tableBlock(const QString& table, const std::vector<ColumnSpec>& columns, const QStringList& key,
                   const std::vector<Description>& descriptions) {
    QString b;
    b += QStringLiteral("if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[%1]') and "
                        "OBJECTPROPERTY(id, N'IsUserTable') = 1)")
             .arg(table) +
         crlf;
    b += QStringLiteral("Begin") + crlf;
    b += QStringLiteral("   CREATE TABLE [dbo].[%1] (").arg(table) + crlf;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnSpec& c = columns[i];
        b += QStringLiteral("       [%1] %2%3 NOT NULL%4")
                 .arg(QString::fromUtf8(c.name), QString::fromUtf8(c.type),
                      c.collate ? QStringLiteral(" COLLATE Chinese_PRC_CI_AS") : QString(),
                      i + 1 < columns.size() ? QStringLiteral(" ,") : QString()) +
             crlf;
    }
    b += QStringLiteral(") ON [PRIMARY]") + crlf;
    b += QStringLiteral("   ALTER TABLE [dbo].[%1] ADD ").arg(table) + crlf;
    for (const ColumnSpec& c : columns)
        if (c.def)
            b += QStringLiteral("       CONSTRAINT [DF_%1_%2] DEFAULT (%3) FOR [%2],")
                     .arg(table, QString::fromUtf8(c.name), QString::fromUtf8(c.def)) +
                 crlf;
    b += QStringLiteral("CONSTRAINT [PK_%1] PRIMARY KEY CLUSTERED").arg(table) + crlf;
    b += QStringLiteral("(") + crlf;
    for (int i = 0; i < key.size(); ++i)
        b +=
            QStringLiteral("[%1]%2").arg(key[i], i + 1 < key.size() ? QStringLiteral(",") : QString()) + crlf;
    b += QStringLiteral(")  ON [PRIMARY]") + crlf;
    for (const Description& d : descriptions)
        b += QStringLiteral(
                 "   exec sp_addextendedproperty N'MS_Description', '%1', N'user', N'dbo', N'table', "
                 "N'%2', N'column', N'%3'")
                 .arg(QString::fromUtf8(d.text), table, QString::fromUtf8(d.column)) +
             crlf;
    b += QStringLiteral("End") + crlf;
    return b;
}

std::vector<ColumnSpec> elementColumns(bool withShowColumns) {
    std::vector<ColumnSpec> c = {
        {"FAppType", "[int]", false, "0"},
        {"FZRKSubID", "[int]", false, "0"},
        {"FZRKIndex", "[int]", false, "0"},
        {"FZRKCaption", "[nvarchar] (255)", true, "''"},
        {"FZRKIMG", "[nvarchar] (255)", true, "''"},
        {"FZRKElementType", "[int]", false, "0"},
        {"FLeft", "[int]", false, "0"},
        {"FTop", "[int]", false, "0"},
        {"FDetailFuncID", "[int]", false, "0"},
        {"FSubFuncID", "[int]", false, "0"},
        {"FClassName", "[nvarchar] (255)", true, "''"},
        {"FClassParam", "[nvarchar] (255)", true, "''"},
        {"FFuncName", "[nvarchar] (50)", true, "''"},
        {"FFuncType", "[bit]", false, "0"},
        {"FHelpTitle", "[nvarchar] (50)", true, "''"},
        {"FDetailFuncType", "[bigint]", false, "0"},
    };
    if (withShowColumns) {
        c.push_back({"FisShow", "[tinyint]", false, "0"});
        c.push_back({"Forder", "[smallint]", false, "0"});
    }
    return c;
}

std::vector<Description> elementDescriptions(bool withShowColumns, const char* detailFuncType) {
    std::vector<Description> d = {
        {"FAppType", "版本类型"},
        {"FClassName", "控制类类名称"},
        {"FClassParam", "从Q5中继承而来"},
        {"FDetailFuncID", "从Q5中继承而来"},
        {"FDetailFuncType", detailFuncType},
        {"FFuncName", "从Q5中继函而来"},
        {"FFuncType", "从Q5中继函而来"},
        {"FHelpTitle", "当前功能的帮助页面"},
    };
    if (withShowColumns)
        d.push_back({"FisShow", "是否在主界面显示(1:显示,0:不显示)"});
    d.push_back({"FZRKCaption", "明细功能显示名称"});
    d.push_back({"FZRKElementType", "类型(-1按钮,0报表明细功能,1装饰图片)"});
    d.push_back({"FZRKIMG", "图片"});
    d.push_back({"FZRKIndex", "元素的序号"});
    d.push_back({"FZRKSubID", "所在模块的编号"});
    d.push_back({"FLeft", "中心点X坐标"});
    if (withShowColumns)
        d.push_back({"Forder", "显示顺序"});
    d.push_back({"FTop", "中心点Y坐标"});
    return d;
}

} // namespace

QString boardTablesBatch() {
    const QStringList elementKey = {QStringLiteral("FAppType"), QStringLiteral("FZRKSubID"),
                                    QStringLiteral("FZRKIndex")};
    const char* funcType = "界面功能类型,(1:常用资料,2:序时簿,3:报表,0:其它)";
    QString batch;
    batch += tableBlock(QStringLiteral("t_Boss_AccountType"),
                        {{"FID", "[int]", false, nullptr},
                         {"FName", "[nvarchar] (50)", false, "''"},
                         {"FSeperaterPos", "[int]", false, "0"},
                         {"FDrawSize", "[int]", false, "0"},
                         {"FMenuStretchH", "[decimal](18, 4)", false, "0"},
                         {"FMenuStretchV", "[decimal](18, 4)", false, "0"}},
                        {QStringLiteral("FID")},
                        {{"FDrawSize", "画布的纵向尺寸(以btnSub的高度为单位)"},
                         {"FID", "程序的版本编号"},
                         {"FMenuStretchH", "菜单项的水平拉伸系数"},
                         {"FMenuStretchV", "菜单项的垂直拉伸系数"},
                         {"FName", "名称.方便数据设计的备注字段,程序中不使用"},
                         {"FSeperaterPos", "分隔条的位置"}});
    batch += tableBlock(QStringLiteral("t_Boss_ElementPosition"), elementColumns(true), elementKey,
                        elementDescriptions(true, funcType));
    batch += tableBlock(QStringLiteral("t_Boss_ElementPosition_Bak"), elementColumns(true), elementKey,
                        elementDescriptions(true, funcType));
    batch += tableBlock(
        QStringLiteral("t_Boss_ElementPosition_Show"), elementColumns(false), elementKey,
        elementDescriptions(false, "9.1收藏夹功能用,界面功能类型,(1:单据,2:序时簿,3:报表,0:其它)"));
    batch += tableBlock(QStringLiteral("t_Boss_SubFunction"),
                        {{"FID", "[int]", false, nullptr},
                         {"FAppType", "[int]", false, "0"},
                         {"FCaption", "[nvarchar] (30)", true, "''"},
                         {"FPictureName", "[nvarchar] (50)", true, "''"},
                         {"FIconName", "[nvarchar] (50)", true, "''"},
                         {"FPositon", "[int]", false, "0"},
                         {"FSubSystemID", "[int]", false, nullptr},
                         {"FHelpFile", "[nvarchar] (50)", true, nullptr},
                         {"FHasRpt", "[bit]", false, "0"},
                         {"FRptCaption", "[nvarchar] (50)", true, "''"}},
                        {QStringLiteral("FID"), QStringLiteral("FAppType")},
                        {{"FAppType", "程序版本类型"},
                         {"FCaption", "模块名称"},
                         {"FHasRpt", "是否有报表区域"},
                         {"FHelpFile", "帮助文件"},
                         {"FIconName", "菜单项的图标"},
                         {"FPictureName", "菜单项的背景图片"},
                         {"FPositon", "界面的位置"},
                         {"FRptCaption", "报表区域的名称"}});
    return batch;
}

QString ownerReportSyncBatch() {
    const QStringList lines = {
        QStringLiteral(
            "If Not Exists(Select * From dbo.sysobjects Where id=Object_ID(N'[dbo].[t_Rpt_Content_Boss]') "
            "and OBJECTPROPERTY(id,N'IsUserTable')=1)"),
        QStringLiteral("CREATE TABLE [dbo].[t_Rpt_Content_Boss] ("),
        QStringLiteral("    [FRptID] [int] PRIMARY KEY CLUSTERED Not Null Default ((-1)),"),
        QStringLiteral("    [FRptName] [nvarchar] (600) COLLATE Chinese_PRC_CI_AS Not Null,"),
        QStringLiteral(
            "    [FRptName_Cht] [nvarchar] (600) COLLATE Chinese_PRC_CI_AS Not Null Default (''),"),
        QStringLiteral("    [FRptName_EN] [nvarchar] (600) COLLATE Chinese_PRC_CI_AS Not Null Default (''),"),
        QStringLiteral("    [FSysName] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS Not Null,"),
        QStringLiteral("    [FYear] [smallint] Null,"),
        QStringLiteral("    [FPeriod] [smallint] Null,"),
        QStringLiteral("    [FOwner] [smallint] Not Null,"),
        QStringLiteral("    [FRptType] [smallint] Not Null,"),
        QStringLiteral("    [FRptData] [image] Null,"),
        QStringLiteral("    [FPrinterBuf] [image] Null,"),
        QStringLiteral("    [FLastOperator] [smallint] Null,"),
        QStringLiteral("    [FLastDate] [smalldatetime] Null,"),
        QStringLiteral("    [F500] [smallint] Not Null Default (0),"),
        QStringLiteral("    [F1001] [smallint] Not Null Default (0),"),
        QStringLiteral("    [FVisibleInList] [char] (1) COLLATE Chinese_PRC_CI_AS Null Default ('1')"),
        QStringLiteral(") ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]"),
        QString(),
        QStringLiteral("--删除不存在的"),
        QStringLiteral(
            "Delete From t_Rpt_Content_Boss Where FRptID Not In(Select FRptID From t_Rpt_Content Where "
            "FRptType=1 and FVisibleInList='1')"),
        QString(),
        QStringLiteral("--插入不存在的"),
        QStringLiteral("Insert Into t_Rpt_Content_Boss"),
        QStringLiteral(
            "Select "
            "FRptID,FRptName,FRptName_Cht,FRptName_EN,FSysName,FYear,FPeriod,FOwner,FRptType,FRptData,"),
        QStringLiteral("FPrinterBuf,FLastOperator,FLastDate,F500,F1001,'0' from t_Rpt_Content"),
        QStringLiteral("Where FRptType=1 and FVisibleInList='1' And FRptID Not In(select FRptID From "
                       "t_Rpt_Content_Boss)"),
        QString(),
        QStringLiteral("--更新已存在的"),
        QStringLiteral("Update t1 Set t1.FRptName=t2.FRptName"),
        QStringLiteral("From t_Rpt_Content_Boss  t1"),
        QStringLiteral("Inner Join t_Rpt_Content t2 On t1.FRptID=t2.FRptID"),
    };
    return lines.join(crlf) + crlf + QStringLiteral("where t2.FRptType=1 and t2.FVisibleInList='1'");
}

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
