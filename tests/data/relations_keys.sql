CREATE TABLE [dbo].[Customers] (
	[CustomerID] [int] NOT NULL ,
	[Name] [varchar] (50) NULL 
) ON [PRIMARY]
GO
CREATE TABLE [sales].[Orders] (
	[OrderID] [int] NOT NULL ,
	[CustomerID] [int] NOT NULL ,
	[ParentOrderID] [int] NULL ,
	[AgentID] [int] NULL 
) ON [PRIMARY]
GO
CREATE TABLE [sales].[OrderLines] (
	[OrderID] [int] NOT NULL ,
	[LineNo] [int] NOT NULL ,
	[Note] [varchar] (50) NULL 
) ON [PRIMARY]
GO
CREATE TABLE [sales].[LineNotes] (
	[OrderID] [int] NOT NULL ,
	[LineNo] [int] NOT NULL ,
	[Text] [varchar] (200) NULL ,
	[SeenBy] [int] NULL REFERENCES [dbo].[Customers] ([CustomerID]) ,
	[Buyer] [int] NULL REFERENCES [Customers] ([CustomerID])
) ON [PRIMARY]
GO
CREATE TABLE [dbo].[Agents] (
	[AgentID] [int] NOT NULL ,
	[Region] [varchar] (10) NULL 
) ON [PRIMARY]
GO
ALTER TABLE [dbo].[Customers] ADD CONSTRAINT [PK_Customers] PRIMARY KEY ([CustomerID])
GO
ALTER TABLE [sales].[Orders] ADD CONSTRAINT [PK_Orders] PRIMARY KEY ([OrderID])
GO
ALTER TABLE [sales].[Orders] ADD CONSTRAINT [FK_Orders_Customers] FOREIGN KEY ([CustomerID]) REFERENCES [DBO].[customers] ([CustomerID])
GO
ALTER TABLE [sales].[Orders] ADD CONSTRAINT [FK_Orders_Parent] FOREIGN KEY ([ParentOrderID]) REFERENCES [sales].[Orders] ([OrderID])
GO
ALTER TABLE [sales].[Orders] ADD CONSTRAINT [FK_Orders_Agents] FOREIGN KEY ([AgentID]) REFERENCES [dbo].[Agents] ([AgentNo])
GO
ALTER TABLE [sales].[OrderLines] ADD CONSTRAINT [PK_OrderLines] PRIMARY KEY ([OrderID], [LineNo])
GO
ALTER TABLE [sales].[OrderLines] ADD CONSTRAINT [FK_OrderLines_Orders] FOREIGN KEY ([OrderID]) REFERENCES [Orders] ([OrderID])
GO
ALTER TABLE [sales].[LineNotes] ADD CONSTRAINT [PK_LineNotes] PRIMARY KEY ([OrderID], [LineNo])
GO
ALTER TABLE [sales].[LineNotes] ADD CONSTRAINT [FK_LineNotes_Lines] FOREIGN KEY ([OrderID], [LineNo]) REFERENCES [sales].[OrderLines] ([OrderID], [LineNo])
GO
ALTER TABLE [dbo].[Agents] ADD CONSTRAINT [FK_Agents_Missing] FOREIGN KEY ([Region]) REFERENCES [dbo].[Regions] ([Region])
GO
