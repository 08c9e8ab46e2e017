if not exists(select * from dbo.sysobjects where id = object_id(N'[dbo].[t]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
Begin
 CREATE TABLE [dbo].[t] ([a] [int] NOT NULL) ON [PRIMARY]
 ALTER TABLE [dbo].[t] ADD CONSTRAINT [DF_t_a] DEFAULT (0) FOR [a], CONSTRAINT [PK_t] PRIMARY KEY CLUSTERED ([a]) ON [PRIMARY]
End
select top 1 isnull(a,'') + 'x', convert(datetime, a) + 1 from t
Update t1 Set t1.a=t2.a From t t1 Inner Join u t2 On t1.a=t2.a where t2.b=1