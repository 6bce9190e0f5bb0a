CREATE TABLE [dbo].[orders] (			
[cust_id] [int] NOT NULL ,
[line_no] [int] NOT NULL ,
[amount] [decimal](10,2) NULL 
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[orders] WITH NOCHECK ADD
CONSTRAINT [PK_ORDERS] PRIMARY KEY  CLUSTERED
(
[cust_id],
[line_no]
)
ON [PRIMARY]
GO
