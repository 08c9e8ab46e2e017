#include "db/console_schema.h"

namespace zrk {

namespace {

const QString crlf = QStringLiteral("\r\n");

std::vector<BoardColumn> elementColumns(bool withShowColumns) {
    std::vector<BoardColumn> c = {
        {"FAppType", "[int]", ColumnKind::Integer, false, "0"},
        {"FZRKSubID", "[int]", ColumnKind::Integer, false, "0"},
        {"FZRKIndex", "[int]", ColumnKind::Integer, false, "0"},
        {"FZRKCaption", "[nvarchar] (255)", ColumnKind::Text, true, "''"},
        {"FZRKIMG", "[nvarchar] (255)", ColumnKind::Text, true, "''"},
        {"FZRKElementType", "[int]", ColumnKind::Integer, false, "0"},
        {"FLeft", "[int]", ColumnKind::Integer, false, "0"},
        {"FTop", "[int]", ColumnKind::Integer, false, "0"},
        {"FDetailFuncID", "[int]", ColumnKind::Integer, false, "0"},
        {"FSubFuncID", "[int]", ColumnKind::Integer, false, "0"},
        {"FClassName", "[nvarchar] (255)", ColumnKind::Text, true, "''"},
        {"FClassParam", "[nvarchar] (255)", ColumnKind::Text, true, "''"},
        {"FFuncName", "[nvarchar] (50)", ColumnKind::Text, true, "''"},
        {"FFuncType", "[bit]", ColumnKind::Bit, false, "0"},
        {"FHelpTitle", "[nvarchar] (50)", ColumnKind::Text, true, "''"},
        {"FDetailFuncType", "[bigint]", ColumnKind::Integer, false, "0"},
    };
    if (withShowColumns) {
        c.push_back({"FisShow", "[tinyint]", ColumnKind::Integer, false, "0"});
        c.push_back({"Forder", "[smallint]", ColumnKind::Integer, false, "0"});
    }
    return c;
}

std::vector<ColumnDescription> elementDescriptions(bool withShowColumns, const char* detailFuncType) {
    std::vector<ColumnDescription> d = {
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

std::vector<BoardTable> makeBoardTables() {
    const QStringList elementKey = {QStringLiteral("FAppType"), QStringLiteral("FZRKSubID"),
                                    QStringLiteral("FZRKIndex")};
    const char* funcType = "界面功能类型,(1:常用资料,2:序时簿,3:报表,0:其它)";
    std::vector<BoardTable> tables;
    tables.push_back({QStringLiteral("t_Boss_AccountType"),
                      QStringLiteral("AccountType"),
                      {{"FID", "[int]", ColumnKind::Integer, false, nullptr},
                       {"FName", "[nvarchar] (50)", ColumnKind::Text, false, "''"},
                       {"FSeperaterPos", "[int]", ColumnKind::Integer, false, "0"},
                       {"FDrawSize", "[int]", ColumnKind::Integer, false, "0"},
                       {"FMenuStretchH", "[decimal](18, 4)", ColumnKind::Decimal, false, "0"},
                       {"FMenuStretchV", "[decimal](18, 4)", ColumnKind::Decimal, false, "0"}},
                      {QStringLiteral("FID")},
                      {{"FDrawSize", "画布的纵向尺寸(以btnSub的高度为单位)"},
                       {"FID", "程序的版本编号"},
                       {"FMenuStretchH", "菜单项的水平拉伸系数"},
                       {"FMenuStretchV", "菜单项的垂直拉伸系数"},
                       {"FName", "名称.方便数据设计的备注字段,程序中不使用"},
                       {"FSeperaterPos", "分隔条的位置"}}});
    tables.push_back({QStringLiteral("t_Boss_ElementPosition"), QStringLiteral("ElementPosition"),
                      elementColumns(true), elementKey, elementDescriptions(true, funcType)});
    tables.push_back({QStringLiteral("t_Boss_ElementPosition_Bak"), QStringLiteral("ElementPosition_Bak"),
                      elementColumns(true), elementKey, elementDescriptions(true, funcType)});
    tables.push_back(
        {QStringLiteral("t_Boss_ElementPosition_Show"), QStringLiteral("ElementPosition_Show"),
         elementColumns(false), elementKey,
         elementDescriptions(false, "9.1收藏夹功能用,界面功能类型,(1:单据,2:序时簿,3:报表,0:其它)")});
    tables.push_back({QStringLiteral("t_Boss_SubFunction"),
                      QStringLiteral("SubFunction"),
                      {{"FID", "[int]", ColumnKind::Integer, false, nullptr},
                       {"FAppType", "[int]", ColumnKind::Integer, false, "0"},
                       {"FCaption", "[nvarchar] (30)", ColumnKind::Text, true, "''"},
                       {"FPictureName", "[nvarchar] (50)", ColumnKind::Text, true, "''"},
                       {"FIconName", "[nvarchar] (50)", ColumnKind::Text, true, "''"},
                       {"FPositon", "[int]", ColumnKind::Integer, false, "0"},
                       {"FSubSystemID", "[int]", ColumnKind::Integer, false, nullptr},
                       {"FHelpFile", "[nvarchar] (50)", ColumnKind::Text, true, nullptr},
                       {"FHasRpt", "[bit]", ColumnKind::Bit, false, "0"},
                       {"FRptCaption", "[nvarchar] (50)", ColumnKind::Text, true, "''"}},
                      {QStringLiteral("FID"), QStringLiteral("FAppType")},
                      {{"FAppType", "程序版本类型"},
                       {"FCaption", "模块名称"},
                       {"FHasRpt", "是否有报表区域"},
                       {"FHelpFile", "帮助文件"},
                       {"FIconName", "菜单项的图标"},
                       {"FPictureName", "菜单项的背景图片"},
                       {"FPositon", "界面的位置"},
                       {"FRptCaption", "报表区域的名称"}}});
    return tables;
}

// One table's block: the existence test, then creation, defaults with the key, and the column
// descriptions, all inside Begin ... End.
QString tableBlock(const BoardTable& t) {
    QString b;
    b += QStringLiteral("if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[%1]') and "
                        "OBJECTPROPERTY(id, N'IsUserTable') = 1)")
             .arg(t.name) +
         crlf;
    b += QStringLiteral("Begin") + crlf;
    b += QStringLiteral("   CREATE TABLE [dbo].[%1] (").arg(t.name) + crlf;
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
        const BoardColumn& c = t.columns[i];
        b += QStringLiteral("       [%1] %2%3 NOT NULL%4")
                 .arg(QString::fromUtf8(c.name), QString::fromUtf8(c.type),
                      c.collate ? QStringLiteral(" COLLATE Chinese_PRC_CI_AS") : QString(),
                      i + 1 < t.columns.size() ? QStringLiteral(" ,") : QString()) +
             crlf;
    }
    b += QStringLiteral(") ON [PRIMARY]") + crlf;
    b += QStringLiteral("   ALTER TABLE [dbo].[%1] ADD ").arg(t.name) + crlf;
    for (const BoardColumn& c : t.columns)
        if (c.defaultSql)
            b += QStringLiteral("       CONSTRAINT [DF_%1_%2] DEFAULT (%3) FOR [%2],")
                     .arg(t.name, QString::fromUtf8(c.name), QString::fromUtf8(c.defaultSql)) +
                 crlf;
    b += QStringLiteral("CONSTRAINT [PK_%1] PRIMARY KEY CLUSTERED").arg(t.name) + crlf;
    b += QStringLiteral("(") + crlf;
    for (int i = 0; i < t.key.size(); ++i)
        b += QStringLiteral("[%1]%2").arg(t.key[i], i + 1 < t.key.size() ? QStringLiteral(",") : QString()) +
             crlf;
    b += QStringLiteral(")  ON [PRIMARY]") + crlf;
    for (const ColumnDescription& d : t.descriptions)
        b += QStringLiteral(
                 "   exec sp_addextendedproperty N'MS_Description', '%1', N'user', N'dbo', N'table', "
                 "N'%2', N'column', N'%3'")
                 .arg(QString::fromUtf8(d.text), t.name, QString::fromUtf8(d.column)) +
             crlf;
    b += QStringLiteral("End") + crlf;
    return b;
}

} // namespace

const std::vector<BoardTable>& boardTables() {
    static const std::vector<BoardTable> tables = makeBoardTables();
    return tables;
}

QString consoleTablesBatch() {
    QString batch;
    for (const BoardTable& t : boardTables())
        batch += tableBlock(t);
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

} // namespace zrk
