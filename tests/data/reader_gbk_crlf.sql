/* TABLORA V1.5 :94:BAAAAEABAAAoAAAA/wAAAN3u/wD7////vAIAAFY0EgDvzasAAQAAAAIAAAADAAAABAAAAAUAAAAG
AAAABwAAAAgAAAAA      */







CREATE TABLE [dbo].[t_user] (			--用户:系统用户, 含逗号(组)基础
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[name] [varchar](50) NOT NULL ,  --用户名:
[email] [varchar](100) DEFAULT ('') NULL ,  --邮箱:it's (optional), x
[age] [int] NULL   --年龄:周岁
) ON [PRIMARY]

CREATE TABLE [sales].[t_order] (			--订单
[order_id] [int] NOT NULL ,  --订单号:
[user_id] [int] NOT NULL ,  --用户:
[amount] [decimal](10,2) DEFAULT (0) NOT NULL   --金额:含税
) ON [PRIMARY]



exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user'
GO


exec sp_addextendedproperty N'MS_Description', N'用户:系统用户, 含逗号(组)基础', N'user', N'dbo', N'table', N't_user'
GO
exec sp_addextendedproperty N'MS_Description', N'邮箱:it''s (optional), x', N'user', N'dbo', N'table', N't_user', N'column', N'email'
GO


ALTER TABLE [dbo].[t_user] WITH NOCHECK ADD
CONSTRAINT [PK_T_USER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY],
CONSTRAINT [CK_age] CHECK ([age] >= 0 AND [age] IN (1,2,3))

GO



ALTER TABLE [sales].[t_order] WITH NOCHECK ADD
CONSTRAINT [PK_T_ORDER] PRIMARY KEY  CLUSTERED
(
[order_id]
)
ON [PRIMARY]
GO



ALTER TABLE [sales].[t_order] ADD
CONSTRAINT [FK_order_user] FOREIGN KEY
(
[user_id]
) REFERENCES [sales].[t_user] (
[id]
)
GO

