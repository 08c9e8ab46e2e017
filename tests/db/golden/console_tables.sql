if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[t_Boss_AccountType]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
Begin
   CREATE TABLE [dbo].[t_Boss_AccountType] (
       [FID] [int] NOT NULL ,
       [FName] [nvarchar] (50) NOT NULL ,
       [FSeperaterPos] [int] NOT NULL ,
       [FDrawSize] [int] NOT NULL ,
       [FMenuStretchH] [decimal](18, 4) NOT NULL ,
       [FMenuStretchV] [decimal](18, 4) NOT NULL
) ON [PRIMARY]
   ALTER TABLE [dbo].[t_Boss_AccountType] ADD 
       CONSTRAINT [DF_t_Boss_AccountType_FName] DEFAULT ('') FOR [FName],
       CONSTRAINT [DF_t_Boss_AccountType_FSeperaterPos] DEFAULT (0) FOR [FSeperaterPos],
       CONSTRAINT [DF_t_Boss_AccountType_FDrawSize] DEFAULT (0) FOR [FDrawSize],
       CONSTRAINT [DF_t_Boss_AccountType_FMenuStretchH] DEFAULT (0) FOR [FMenuStretchH],
       CONSTRAINT [DF_t_Boss_AccountType_FMenuStretchV] DEFAULT (0) FOR [FMenuStretchV],
CONSTRAINT [PK_t_Boss_AccountType] PRIMARY KEY CLUSTERED
(
[FID]
)  ON [PRIMARY]
   exec sp_addextendedproperty N'MS_Description', '画布的纵向尺寸(以btnSub的高度为单位)', N'user', N'dbo', N'table', N't_Boss_AccountType', N'column', N'FDrawSize'
   exec sp_addextendedproperty N'MS_Description', '程序的版本编号', N'user', N'dbo', N'table', N't_Boss_AccountType', N'column', N'FID'
   exec sp_addextendedproperty N'MS_Description', '菜单项的水平拉伸系数', N'user', N'dbo', N'table', N't_Boss_AccountType', N'column', N'FMenuStretchH'
   exec sp_addextendedproperty N'MS_Description', '菜单项的垂直拉伸系数', N'user', N'dbo', N'table', N't_Boss_AccountType', N'column', N'FMenuStretchV'
   exec sp_addextendedproperty N'MS_Description', '名称.方便数据设计的备注字段,程序中不使用', N'user', N'dbo', N'table', N't_Boss_AccountType', N'column', N'FName'
   exec sp_addextendedproperty N'MS_Description', '分隔条的位置', N'user', N'dbo', N'table', N't_Boss_AccountType', N'column', N'FSeperaterPos'
End
if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[t_Boss_ElementPosition]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
Begin
   CREATE TABLE [dbo].[t_Boss_ElementPosition] (
       [FAppType] [int] NOT NULL ,
       [FZRKSubID] [int] NOT NULL ,
       [FZRKIndex] [int] NOT NULL ,
       [FZRKCaption] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FZRKIMG] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FZRKElementType] [int] NOT NULL ,
       [FLeft] [int] NOT NULL ,
       [FTop] [int] NOT NULL ,
       [FDetailFuncID] [int] NOT NULL ,
       [FSubFuncID] [int] NOT NULL ,
       [FClassName] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FClassParam] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FFuncName] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FFuncType] [bit] NOT NULL ,
       [FHelpTitle] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FDetailFuncType] [bigint] NOT NULL ,
       [FisShow] [tinyint] NOT NULL ,
       [Forder] [smallint] NOT NULL
) ON [PRIMARY]
   ALTER TABLE [dbo].[t_Boss_ElementPosition] ADD 
       CONSTRAINT [DF_t_Boss_ElementPosition_FAppType] DEFAULT (0) FOR [FAppType],
       CONSTRAINT [DF_t_Boss_ElementPosition_FZRKSubID] DEFAULT (0) FOR [FZRKSubID],
       CONSTRAINT [DF_t_Boss_ElementPosition_FZRKIndex] DEFAULT (0) FOR [FZRKIndex],
       CONSTRAINT [DF_t_Boss_ElementPosition_FZRKCaption] DEFAULT ('') FOR [FZRKCaption],
       CONSTRAINT [DF_t_Boss_ElementPosition_FZRKIMG] DEFAULT ('') FOR [FZRKIMG],
       CONSTRAINT [DF_t_Boss_ElementPosition_FZRKElementType] DEFAULT (0) FOR [FZRKElementType],
       CONSTRAINT [DF_t_Boss_ElementPosition_FLeft] DEFAULT (0) FOR [FLeft],
       CONSTRAINT [DF_t_Boss_ElementPosition_FTop] DEFAULT (0) FOR [FTop],
       CONSTRAINT [DF_t_Boss_ElementPosition_FDetailFuncID] DEFAULT (0) FOR [FDetailFuncID],
       CONSTRAINT [DF_t_Boss_ElementPosition_FSubFuncID] DEFAULT (0) FOR [FSubFuncID],
       CONSTRAINT [DF_t_Boss_ElementPosition_FClassName] DEFAULT ('') FOR [FClassName],
       CONSTRAINT [DF_t_Boss_ElementPosition_FClassParam] DEFAULT ('') FOR [FClassParam],
       CONSTRAINT [DF_t_Boss_ElementPosition_FFuncName] DEFAULT ('') FOR [FFuncName],
       CONSTRAINT [DF_t_Boss_ElementPosition_FFuncType] DEFAULT (0) FOR [FFuncType],
       CONSTRAINT [DF_t_Boss_ElementPosition_FHelpTitle] DEFAULT ('') FOR [FHelpTitle],
       CONSTRAINT [DF_t_Boss_ElementPosition_FDetailFuncType] DEFAULT (0) FOR [FDetailFuncType],
       CONSTRAINT [DF_t_Boss_ElementPosition_FisShow] DEFAULT (0) FOR [FisShow],
       CONSTRAINT [DF_t_Boss_ElementPosition_Forder] DEFAULT (0) FOR [Forder],
CONSTRAINT [PK_t_Boss_ElementPosition] PRIMARY KEY CLUSTERED
(
[FAppType],
[FZRKSubID],
[FZRKIndex]
)  ON [PRIMARY]
   exec sp_addextendedproperty N'MS_Description', '版本类型', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FAppType'
   exec sp_addextendedproperty N'MS_Description', '控制类类名称', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FClassName'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继承而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FClassParam'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继承而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FDetailFuncID'
   exec sp_addextendedproperty N'MS_Description', '界面功能类型,(1:常用资料,2:序时簿,3:报表,0:其它)', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FDetailFuncType'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继函而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FFuncName'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继函而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FFuncType'
   exec sp_addextendedproperty N'MS_Description', '当前功能的帮助页面', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FHelpTitle'
   exec sp_addextendedproperty N'MS_Description', '是否在主界面显示(1:显示,0:不显示)', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FisShow'
   exec sp_addextendedproperty N'MS_Description', '明细功能显示名称', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FZRKCaption'
   exec sp_addextendedproperty N'MS_Description', '类型(-1按钮,0报表明细功能,1装饰图片)', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FZRKElementType'
   exec sp_addextendedproperty N'MS_Description', '图片', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FZRKIMG'
   exec sp_addextendedproperty N'MS_Description', '元素的序号', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FZRKIndex'
   exec sp_addextendedproperty N'MS_Description', '所在模块的编号', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FZRKSubID'
   exec sp_addextendedproperty N'MS_Description', '中心点X坐标', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FLeft'
   exec sp_addextendedproperty N'MS_Description', '显示顺序', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'Forder'
   exec sp_addextendedproperty N'MS_Description', '中心点Y坐标', N'user', N'dbo', N'table', N't_Boss_ElementPosition', N'column', N'FTop'
End
if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[t_Boss_ElementPosition_Bak]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
Begin
   CREATE TABLE [dbo].[t_Boss_ElementPosition_Bak] (
       [FAppType] [int] NOT NULL ,
       [FZRKSubID] [int] NOT NULL ,
       [FZRKIndex] [int] NOT NULL ,
       [FZRKCaption] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FZRKIMG] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FZRKElementType] [int] NOT NULL ,
       [FLeft] [int] NOT NULL ,
       [FTop] [int] NOT NULL ,
       [FDetailFuncID] [int] NOT NULL ,
       [FSubFuncID] [int] NOT NULL ,
       [FClassName] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FClassParam] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FFuncName] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FFuncType] [bit] NOT NULL ,
       [FHelpTitle] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FDetailFuncType] [bigint] NOT NULL ,
       [FisShow] [tinyint] NOT NULL ,
       [Forder] [smallint] NOT NULL
) ON [PRIMARY]
   ALTER TABLE [dbo].[t_Boss_ElementPosition_Bak] ADD 
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FAppType] DEFAULT (0) FOR [FAppType],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FZRKSubID] DEFAULT (0) FOR [FZRKSubID],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FZRKIndex] DEFAULT (0) FOR [FZRKIndex],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FZRKCaption] DEFAULT ('') FOR [FZRKCaption],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FZRKIMG] DEFAULT ('') FOR [FZRKIMG],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FZRKElementType] DEFAULT (0) FOR [FZRKElementType],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FLeft] DEFAULT (0) FOR [FLeft],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FTop] DEFAULT (0) FOR [FTop],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FDetailFuncID] DEFAULT (0) FOR [FDetailFuncID],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FSubFuncID] DEFAULT (0) FOR [FSubFuncID],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FClassName] DEFAULT ('') FOR [FClassName],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FClassParam] DEFAULT ('') FOR [FClassParam],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FFuncName] DEFAULT ('') FOR [FFuncName],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FFuncType] DEFAULT (0) FOR [FFuncType],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FHelpTitle] DEFAULT ('') FOR [FHelpTitle],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FDetailFuncType] DEFAULT (0) FOR [FDetailFuncType],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_FisShow] DEFAULT (0) FOR [FisShow],
       CONSTRAINT [DF_t_Boss_ElementPosition_Bak_Forder] DEFAULT (0) FOR [Forder],
CONSTRAINT [PK_t_Boss_ElementPosition_Bak] PRIMARY KEY CLUSTERED
(
[FAppType],
[FZRKSubID],
[FZRKIndex]
)  ON [PRIMARY]
   exec sp_addextendedproperty N'MS_Description', '版本类型', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FAppType'
   exec sp_addextendedproperty N'MS_Description', '控制类类名称', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FClassName'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继承而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FClassParam'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继承而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FDetailFuncID'
   exec sp_addextendedproperty N'MS_Description', '界面功能类型,(1:常用资料,2:序时簿,3:报表,0:其它)', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FDetailFuncType'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继函而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FFuncName'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继函而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FFuncType'
   exec sp_addextendedproperty N'MS_Description', '当前功能的帮助页面', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FHelpTitle'
   exec sp_addextendedproperty N'MS_Description', '是否在主界面显示(1:显示,0:不显示)', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FisShow'
   exec sp_addextendedproperty N'MS_Description', '明细功能显示名称', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FZRKCaption'
   exec sp_addextendedproperty N'MS_Description', '类型(-1按钮,0报表明细功能,1装饰图片)', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FZRKElementType'
   exec sp_addextendedproperty N'MS_Description', '图片', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FZRKIMG'
   exec sp_addextendedproperty N'MS_Description', '元素的序号', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FZRKIndex'
   exec sp_addextendedproperty N'MS_Description', '所在模块的编号', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FZRKSubID'
   exec sp_addextendedproperty N'MS_Description', '中心点X坐标', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FLeft'
   exec sp_addextendedproperty N'MS_Description', '显示顺序', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'Forder'
   exec sp_addextendedproperty N'MS_Description', '中心点Y坐标', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Bak', N'column', N'FTop'
End
if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[t_Boss_ElementPosition_Show]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
Begin
   CREATE TABLE [dbo].[t_Boss_ElementPosition_Show] (
       [FAppType] [int] NOT NULL ,
       [FZRKSubID] [int] NOT NULL ,
       [FZRKIndex] [int] NOT NULL ,
       [FZRKCaption] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FZRKIMG] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FZRKElementType] [int] NOT NULL ,
       [FLeft] [int] NOT NULL ,
       [FTop] [int] NOT NULL ,
       [FDetailFuncID] [int] NOT NULL ,
       [FSubFuncID] [int] NOT NULL ,
       [FClassName] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FClassParam] [nvarchar] (255) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FFuncName] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FFuncType] [bit] NOT NULL ,
       [FHelpTitle] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FDetailFuncType] [bigint] NOT NULL
) ON [PRIMARY]
   ALTER TABLE [dbo].[t_Boss_ElementPosition_Show] ADD 
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FAppType] DEFAULT (0) FOR [FAppType],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FZRKSubID] DEFAULT (0) FOR [FZRKSubID],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FZRKIndex] DEFAULT (0) FOR [FZRKIndex],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FZRKCaption] DEFAULT ('') FOR [FZRKCaption],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FZRKIMG] DEFAULT ('') FOR [FZRKIMG],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FZRKElementType] DEFAULT (0) FOR [FZRKElementType],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FLeft] DEFAULT (0) FOR [FLeft],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FTop] DEFAULT (0) FOR [FTop],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FDetailFuncID] DEFAULT (0) FOR [FDetailFuncID],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FSubFuncID] DEFAULT (0) FOR [FSubFuncID],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FClassName] DEFAULT ('') FOR [FClassName],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FClassParam] DEFAULT ('') FOR [FClassParam],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FFuncName] DEFAULT ('') FOR [FFuncName],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FFuncType] DEFAULT (0) FOR [FFuncType],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FHelpTitle] DEFAULT ('') FOR [FHelpTitle],
       CONSTRAINT [DF_t_Boss_ElementPosition_Show_FDetailFuncType] DEFAULT (0) FOR [FDetailFuncType],
CONSTRAINT [PK_t_Boss_ElementPosition_Show] PRIMARY KEY CLUSTERED
(
[FAppType],
[FZRKSubID],
[FZRKIndex]
)  ON [PRIMARY]
   exec sp_addextendedproperty N'MS_Description', '版本类型', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FAppType'
   exec sp_addextendedproperty N'MS_Description', '控制类类名称', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FClassName'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继承而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FClassParam'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继承而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FDetailFuncID'
   exec sp_addextendedproperty N'MS_Description', '9.1收藏夹功能用,界面功能类型,(1:单据,2:序时簿,3:报表,0:其它)', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FDetailFuncType'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继函而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FFuncName'
   exec sp_addextendedproperty N'MS_Description', '从Q5中继函而来', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FFuncType'
   exec sp_addextendedproperty N'MS_Description', '当前功能的帮助页面', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FHelpTitle'
   exec sp_addextendedproperty N'MS_Description', '明细功能显示名称', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FZRKCaption'
   exec sp_addextendedproperty N'MS_Description', '类型(-1按钮,0报表明细功能,1装饰图片)', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FZRKElementType'
   exec sp_addextendedproperty N'MS_Description', '图片', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FZRKIMG'
   exec sp_addextendedproperty N'MS_Description', '元素的序号', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FZRKIndex'
   exec sp_addextendedproperty N'MS_Description', '所在模块的编号', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FZRKSubID'
   exec sp_addextendedproperty N'MS_Description', '中心点X坐标', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FLeft'
   exec sp_addextendedproperty N'MS_Description', '中心点Y坐标', N'user', N'dbo', N'table', N't_Boss_ElementPosition_Show', N'column', N'FTop'
End
if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[t_Boss_SubFunction]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
Begin
   CREATE TABLE [dbo].[t_Boss_SubFunction] (
       [FID] [int] NOT NULL ,
       [FAppType] [int] NOT NULL ,
       [FCaption] [nvarchar] (30) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FPictureName] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FIconName] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FPositon] [int] NOT NULL ,
       [FSubSystemID] [int] NOT NULL ,
       [FHelpFile] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
       [FHasRpt] [bit] NOT NULL ,
       [FRptCaption] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL
) ON [PRIMARY]
   ALTER TABLE [dbo].[t_Boss_SubFunction] ADD 
       CONSTRAINT [DF_t_Boss_SubFunction_FAppType] DEFAULT (0) FOR [FAppType],
       CONSTRAINT [DF_t_Boss_SubFunction_FCaption] DEFAULT ('') FOR [FCaption],
       CONSTRAINT [DF_t_Boss_SubFunction_FPictureName] DEFAULT ('') FOR [FPictureName],
       CONSTRAINT [DF_t_Boss_SubFunction_FIconName] DEFAULT ('') FOR [FIconName],
       CONSTRAINT [DF_t_Boss_SubFunction_FPositon] DEFAULT (0) FOR [FPositon],
       CONSTRAINT [DF_t_Boss_SubFunction_FHasRpt] DEFAULT (0) FOR [FHasRpt],
       CONSTRAINT [DF_t_Boss_SubFunction_FRptCaption] DEFAULT ('') FOR [FRptCaption],
CONSTRAINT [PK_t_Boss_SubFunction] PRIMARY KEY CLUSTERED
(
[FID],
[FAppType]
)  ON [PRIMARY]
   exec sp_addextendedproperty N'MS_Description', '程序版本类型', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FAppType'
   exec sp_addextendedproperty N'MS_Description', '模块名称', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FCaption'
   exec sp_addextendedproperty N'MS_Description', '是否有报表区域', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FHasRpt'
   exec sp_addextendedproperty N'MS_Description', '帮助文件', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FHelpFile'
   exec sp_addextendedproperty N'MS_Description', '菜单项的图标', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FIconName'
   exec sp_addextendedproperty N'MS_Description', '菜单项的背景图片', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FPictureName'
   exec sp_addextendedproperty N'MS_Description', '界面的位置', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FPositon'
   exec sp_addextendedproperty N'MS_Description', '报表区域的名称', N'user', N'dbo', N'table', N't_Boss_SubFunction', N'column', N'FRptCaption'
End
