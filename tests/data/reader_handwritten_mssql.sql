-- Script exported by hand for the reader tests
USE [shop]
GO
SET ANSI_NULLS ON
GO
CREATE TABLE [dbo].[Customers](
	[CustomerID] [nchar](5) NOT NULL,
	[CompanyName] [nvarchar](40) NOT NULL,
	[Region] [nvarchar](15) NULL,
	[Notes] [nvarchar](max) NULL,
 CONSTRAINT [PK_Customers] PRIMARY KEY CLUSTERED 
(
	[CustomerID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF) ON [PRIMARY]
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO
create table "dbo"."Orders" (
    "OrderID" int identity(1, 1) not for replication not null,
    "CustomerID" nchar( 5 ) null constraint "FK_Orders_Customers" references "dbo"."Customers" ("CustomerID"),
    "Freight" money null default ((0)),
    "Discount" decimal( 4 , 2 ) not null default (0.5),
    ShippedOn datetime null,
    constraint "PK_Orders" primary key ("OrderID"),
    constraint "CK_Discount" check ([Discount] >= 0 and [Discount] <= (1))
);
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'客户:客户资料' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Customers'
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'地区' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Customers', @level2type=N'COLUMN',@level2name=N'Region'
GO
ALTER TABLE [dbo].[Orders] ADD  CONSTRAINT [DF_Orders_ShippedOn]  DEFAULT (getdate()) FOR [ShippedOn]
GO
