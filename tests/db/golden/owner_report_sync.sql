If Not Exists(Select * From dbo.sysobjects Where id=Object_ID(N'[dbo].[t_Rpt_Content_Boss]') and OBJECTPROPERTY(id,N'IsUserTable')=1)
CREATE TABLE [dbo].[t_Rpt_Content_Boss] (
    [FRptID] [int] PRIMARY KEY CLUSTERED Not Null Default ((-1)),
    [FRptName] [nvarchar] (600) COLLATE Chinese_PRC_CI_AS Not Null,
    [FRptName_Cht] [nvarchar] (600) COLLATE Chinese_PRC_CI_AS Not Null Default (''),
    [FRptName_EN] [nvarchar] (600) COLLATE Chinese_PRC_CI_AS Not Null Default (''),
    [FSysName] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS Not Null,
    [FYear] [smallint] Null,
    [FPeriod] [smallint] Null,
    [FOwner] [smallint] Not Null,
    [FRptType] [smallint] Not Null,
    [FRptData] [image] Null,
    [FPrinterBuf] [image] Null,
    [FLastOperator] [smallint] Null,
    [FLastDate] [smalldatetime] Null,
    [F500] [smallint] Not Null Default (0),
    [F1001] [smallint] Not Null Default (0),
    [FVisibleInList] [char] (1) COLLATE Chinese_PRC_CI_AS Null Default ('1')
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]

--删除不存在的
Delete From t_Rpt_Content_Boss Where FRptID Not In(Select FRptID From t_Rpt_Content Where FRptType=1 and FVisibleInList='1')

--插入不存在的
Insert Into t_Rpt_Content_Boss
Select FRptID,FRptName,FRptName_Cht,FRptName_EN,FSysName,FYear,FPeriod,FOwner,FRptType,FRptData,
FPrinterBuf,FLastOperator,FLastDate,F500,F1001,'0' from t_Rpt_Content
Where FRptType=1 and FVisibleInList='1' And FRptID Not In(select FRptID From t_Rpt_Content_Boss)

--更新已存在的
Update t1 Set t1.FRptName=t2.FRptName
From t_Rpt_Content_Boss  t1
Inner Join t_Rpt_Content t2 On t1.FRptID=t2.FRptID
where t2.FRptType=1 and t2.FVisibleInList='1'