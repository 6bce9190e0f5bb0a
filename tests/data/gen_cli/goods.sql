CREATE TABLE [dbo].[Goods] (			--商品:在售商品
[Id] [int] NOT NULL ,  --编号:主键
[Name] [varchar](20) NULL ,  --名称:
[Added] [datetime] NULL   --添加时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[Note] (			
[Body] [varchar](200) NULL   --内容
) ON [PRIMARY]
