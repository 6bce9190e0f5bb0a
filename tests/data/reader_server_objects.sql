/****** Object:  Database [Shop]    Script Date: 2026-11-03 ******/
USE [Shop]
GO
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
/****** Object:  Table [dbo].[Customer] ******/
CREATE TABLE [dbo].[Customer](
	[CustomerID] [int] IDENTITY(1,1) NOT NULL,
	[Name] [nvarchar](50) NOT NULL,
	[City] [nvarchar](30) NULL,
 CONSTRAINT [PK_Customer] PRIMARY KEY CLUSTERED 
(
	[CustomerID] ASC
) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Orders] ******/
CREATE TABLE [dbo].[Orders](
	[OrderID] [int] IDENTITY(1,1) NOT NULL,
	[CustomerID] [int] NOT NULL,
	[Amount] [money] NOT NULL,
	[Placed] [datetime] NOT NULL,
 CONSTRAINT [PK_Orders] PRIMARY KEY CLUSTERED 
(
	[OrderID] ASC
) ON [PRIMARY]
) ON [PRIMARY]
GO
CREATE NONCLUSTERED INDEX [IX_Orders_Placed] ON [dbo].[Orders]
(
	[Placed] ASC
) ON [PRIMARY]
GO
ALTER TABLE [dbo].[Orders]  WITH CHECK ADD  CONSTRAINT [FK_Orders_Customer] FOREIGN KEY([CustomerID])
REFERENCES [dbo].[Customer] ([CustomerID])
GO
ALTER TABLE [dbo].[Orders] CHECK CONSTRAINT [FK_Orders_Customer]
GO
ALTER TABLE [dbo].[Orders] ADD  CONSTRAINT [DF_Orders_Placed]  DEFAULT (getdate()) FOR [Placed]
GO
/****** Object:  View [dbo].[CustomerTotals] ******/
CREATE VIEW [dbo].[CustomerTotals]
AS
SELECT c.[Name], SUM(o.[Amount]) AS [Total]
FROM [dbo].[Customer] c JOIN [dbo].[Orders] o ON o.[CustomerID] = c.[CustomerID]
GROUP BY c.[Name]
GO
/****** Object:  UserDefinedFunction [dbo].[OrderCount] ******/
CREATE FUNCTION [dbo].[OrderCount] (@CustomerID int)
RETURNS int
AS
BEGIN
	RETURN (SELECT COUNT(*) FROM [dbo].[Orders] WHERE [CustomerID] = @CustomerID)
END
GO
/****** Object:  StoredProcedure [dbo].[PlaceOrder] ******/
CREATE PROCEDURE [dbo].[PlaceOrder] @CustomerID int, @Amount money
AS
BEGIN
	SET NOCOUNT ON;
	INSERT INTO [dbo].[Orders] ([CustomerID], [Amount], [Placed]) VALUES (@CustomerID, @Amount, getdate())
END
GO
/****** Object:  Trigger [dbo].[Orders_NoNegative] ******/
CREATE TRIGGER [dbo].[Orders_NoNegative] ON [dbo].[Orders] AFTER INSERT, UPDATE
AS
IF EXISTS (SELECT 1 FROM inserted WHERE [Amount] < 0) ROLLBACK TRANSACTION
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'Customers who placed orders' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Customer'
GO
SET IDENTITY_INSERT [dbo].[Customer] ON
INSERT [dbo].[Customer] ([CustomerID], [Name], [City]) VALUES (1, N'Alfreds', N'Berlin')
INSERT [dbo].[Customer] ([CustomerID], [Name], [City]) VALUES (2, N'Bon app', N'Marseille')
SET IDENTITY_INSERT [dbo].[Customer] OFF
GO
GRANT SELECT ON [dbo].[CustomerTotals] TO [public]
GO
