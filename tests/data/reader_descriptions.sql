-- Tables of the procurement module
/* CREATE TABLE [dbo].[Old] ([x] int) */
CREATE TABLE [dbo].[Item](
	[ItemID] [int] IDENTITY(100000,1) NOT NULL, -- surrogate key: never reused
	[Name] [nvarchar](50) NOT NULL,
	[Note] [nvarchar](max) NULL,
 CONSTRAINT [PK_Item] PRIMARY KEY CLUSTERED ([ItemID] ASC)
) ON [PRIMARY]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Item:Stock items: all warehouses', N'SCHEMA', [dbo], N'TABLE', [Item]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'编号:内部编号', N'SCHEMA', [dbo], N'TABLE', [Item], N'COLUMN', [ItemID]
GO
EXEC sp_addextendedproperty 'MS_Description', '名称:商品的名称: 中文', 'SCHEMA', dbo, 'TABLE', Item, 'COLUMN', Name
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Clustered key', N'SCHEMA', [dbo], N'TABLE', [Item], N'CONSTRAINT', [PK_Item]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Warehouse objects', N'SCHEMA', [dbo]
GO
