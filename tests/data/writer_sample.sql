/* TABLORA V1.5 :94:BAAAAAAAAAAAAAAAAAAAAID/gACgAAAAAAAAAAAAAACA/4AAQAEAAAAAAAAAAAAAgP+AAOABAAAA
AAAAAAAAAID/gAAA      */







CREATE TABLE [dbo].[t_user] (			--用户:系统用户(组)基础
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[name] [varchar](50) NOT NULL ,  --用户名:
[email] [varchar](100) DEFAULT ('') NULL ,  --邮箱:
[age] [int] NULL   --年龄:周岁
) ON [PRIMARY]

CREATE TABLE [dbo].[t_order] (			--订单:客户订单(组)销售
[order_id] [int] IDENTITY (1,1) NOT NULL ,  --订单号:
[user_id] [int] NOT NULL ,  --用户:
[amount] [decimal](10,2) DEFAULT (0) NOT NULL ,  --金额:含税
[created] [datetime] DEFAULT (getdate()) NOT NULL   --下单时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[t_order_item] (			--订单明细:(组)销售
[order_id] [int] NOT NULL ,  --订单号:
[line_no] [int] NOT NULL ,  --行号:
[product] [varchar](80) NULL ,  --商品:
[qty] [int] DEFAULT (1) NOT NULL   --数量:
) ON [PRIMARY]

CREATE TABLE [dbo].[log] (			
[at] [datetime] NOT NULL ,  
[message] [varchar](200) NULL   --内容
) ON [PRIMARY]



exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user', N'column', N'email'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user', N'column', N'age'
GO


exec sp_addextendedproperty N'MS_Description', N'用户:系统用户(组)基础', N'user', N'dbo', N'table', N't_user'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N't_user', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'用户名:', N'user', N'dbo', N'table', N't_user', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'邮箱:', N'user', N'dbo', N'table', N't_user', N'column', N'email'
GO
exec sp_addextendedproperty N'MS_Description', N'年龄:周岁', N'user', N'dbo', N'table', N't_user', N'column', N'age'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order', N'column', N'order_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order', N'column', N'user_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'订单:客户订单(组)销售', N'user', N'dbo', N'table', N't_order'
GO
exec sp_addextendedproperty N'MS_Description', N'订单号:', N'user', N'dbo', N'table', N't_order', N'column', N'order_id'
GO
exec sp_addextendedproperty N'MS_Description', N'用户:', N'user', N'dbo', N'table', N't_order', N'column', N'user_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税', N'user', N'dbo', N'table', N't_order', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'下单时间:', N'user', N'dbo', N'table', N't_order', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order_item'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order_item', N'column', N'order_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order_item', N'column', N'line_no'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order_item', N'column', N'product'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_order_item', N'column', N'qty'
GO


exec sp_addextendedproperty N'MS_Description', N'订单明细:(组)销售', N'user', N'dbo', N'table', N't_order_item'
GO
exec sp_addextendedproperty N'MS_Description', N'订单号:', N'user', N'dbo', N'table', N't_order_item', N'column', N'order_id'
GO
exec sp_addextendedproperty N'MS_Description', N'行号:', N'user', N'dbo', N'table', N't_order_item', N'column', N'line_no'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:', N'user', N'dbo', N'table', N't_order_item', N'column', N'product'
GO
exec sp_addextendedproperty N'MS_Description', N'数量:', N'user', N'dbo', N'table', N't_order_item', N'column', N'qty'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'log'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'log', N'column', N'at'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'log', N'column', N'message'
GO
exec sp_addextendedproperty N'MS_Description', N'内容', N'user', N'dbo', N'table', N'log', N'column', N'message'
GO


ALTER TABLE [dbo].[t_user] WITH NOCHECK ADD
CONSTRAINT [PK_T_USER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY],
CONSTRAINT [CK_age] CHECK ([age] >= 0)

GO



ALTER TABLE [dbo].[t_order] WITH NOCHECK ADD
CONSTRAINT [PK_T_ORDER] PRIMARY KEY  CLUSTERED
(
[order_id]
)
ON [PRIMARY],
CONSTRAINT [CK_amount] CHECK ([amount] >= 0)

GO



ALTER TABLE [dbo].[t_order] ADD
CONSTRAINT [FK_order_user] FOREIGN KEY
(
[user_id]
) REFERENCES [dbo].[t_user] (
[id]
)
GO



ALTER TABLE [dbo].[t_order_item] WITH NOCHECK ADD
CONSTRAINT [PK_T_ORDER_ITEM] PRIMARY KEY  CLUSTERED
(
[order_id],
[line_no]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[t_order_item] ADD
CONSTRAINT [FK_item_order] FOREIGN KEY
(
[order_id]
) REFERENCES [dbo].[t_order] (
[order_id]
)
GO

