CREATE TABLE [dbo].[订单] (			--订单:Umsätze 😀 表(组)Ünïcode
[id] [int] NOT NULL ,  --编号:主键
[Antônio 😀] [varchar](40) NULL ,  --Antônio 😀:Ä � 𠀀
[名称] [varchar](20) NULL 
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[订单] WITH NOCHECK ADD
CONSTRAINT [PK_订单] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO
