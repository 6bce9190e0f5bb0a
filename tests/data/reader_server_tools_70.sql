/****** Object:  Database [Trade]    Script Date: 2026-12-07 ******/
USE [Trade]
GO
CREATE TYPE [dbo].[Name] FROM [nvarchar](50) NULL
GO
CREATE TYPE [dbo].[Flag] FROM [bit] NOT NULL
GO
CREATE TYPE [dbo].[Phone] FROM [nvarchar](25) NULL
GO
/****** Object:  Table [Person].[Account00] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Account00](
	[Account00ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Account00] PRIMARY KEY CLUSTERED 
(
	[Account00ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Address01] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Address01](
	[Address01ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Address01] PRIMARY KEY CLUSTERED 
(
	[Address01ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Bill02] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Bill02](
	[Bill02ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Bill02] PRIMARY KEY CLUSTERED 
(
	[Bill02ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Carrier03] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Carrier03](
	[Carrier03ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Address01ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Carrier03] PRIMARY KEY CLUSTERED 
(
	[Carrier03ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Contact04] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Contact04](
	[Contact04ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Contact04] PRIMARY KEY CLUSTERED 
(
	[Contact04ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Credit05] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Credit05](
	[Credit05ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Credit05] PRIMARY KEY CLUSTERED 
(
	[Credit05ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Depot06] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Depot06](
	[Depot06ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Carrier03ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Depot06] PRIMARY KEY CLUSTERED 
(
	[Depot06ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Entry07] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Entry07](
	[Entry07ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Entry07] PRIMARY KEY CLUSTERED 
(
	[Entry07ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Fleet08] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Fleet08](
	[Fleet08ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Fleet08] PRIMARY KEY CLUSTERED 
(
	[Fleet08ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Grade09] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Grade09](
	[Grade09ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Entry07ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Grade09] PRIMARY KEY CLUSTERED 
(
	[Grade09ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Invoice10] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Invoice10](
	[Invoice10ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Invoice10] PRIMARY KEY CLUSTERED 
(
	[Invoice10ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Journal11] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Journal11](
	[Journal11ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Journal11] PRIMARY KEY CLUSTERED 
(
	[Journal11ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Kit12] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Kit12](
	[Kit12ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Bill02ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Kit12] PRIMARY KEY CLUSTERED 
(
	[Kit12ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Ledger13] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Ledger13](
	[Ledger13ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Ledger13] PRIMARY KEY CLUSTERED 
(
	[Ledger13ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Market14] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Market14](
	[Market14ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Market14] PRIMARY KEY CLUSTERED 
(
	[Market14ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Notice15] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Notice15](
	[Notice15ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Address01ID] [int] NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Notice15] PRIMARY KEY CLUSTERED 
(
	[Notice15ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Offer16] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Offer16](
	[Offer16ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Offer16] PRIMARY KEY CLUSTERED 
(
	[Offer16ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Parcel17] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Parcel17](
	[Parcel17ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Parcel17] PRIMARY KEY CLUSTERED 
(
	[Parcel17ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Quote18] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Quote18](
	[Quote18ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Contact04ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Quote18] PRIMARY KEY CLUSTERED 
(
	[Quote18ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Region19] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Region19](
	[Region19ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Region19] PRIMARY KEY CLUSTERED 
(
	[Region19ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Store20] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Store20](
	[Store20ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Store20] PRIMARY KEY CLUSTERED 
(
	[Store20ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Tariff21] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Tariff21](
	[Tariff21ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Region19ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Tariff21] PRIMARY KEY CLUSTERED 
(
	[Tariff21ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Unit22] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Unit22](
	[Unit22ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Unit22] PRIMARY KEY CLUSTERED 
(
	[Unit22ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Vendor23] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Vendor23](
	[Vendor23ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Vendor23] PRIMARY KEY CLUSTERED 
(
	[Vendor23ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Wage24] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Wage24](
	[Wage24ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Depot06ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Wage24] PRIMARY KEY CLUSTERED 
(
	[Wage24ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Yard25] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Yard25](
	[Yard25ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Yard25] PRIMARY KEY CLUSTERED 
(
	[Yard25ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Zone26] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Zone26](
	[Zone26ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Zone26] PRIMARY KEY CLUSTERED 
(
	[Zone26ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Account27] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Account27](
	[Account27ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Unit22ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Account27] PRIMARY KEY CLUSTERED 
(
	[Account27ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Address28] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Address28](
	[Address28ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Address28] PRIMARY KEY CLUSTERED 
(
	[Address28ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Bill29] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Bill29](
	[Bill29ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Bill29] PRIMARY KEY CLUSTERED 
(
	[Bill29ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Carrier30] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Carrier30](
	[Carrier30ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Tariff21ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Carrier30] PRIMARY KEY CLUSTERED 
(
	[Carrier30ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Contact31] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Contact31](
	[Contact31ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Contact31] PRIMARY KEY CLUSTERED 
(
	[Contact31ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Credit32] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Credit32](
	[Credit32ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Credit32] PRIMARY KEY CLUSTERED 
(
	[Credit32ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Depot33] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Depot33](
	[Depot33ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Zone26ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Depot33] PRIMARY KEY CLUSTERED 
(
	[Depot33ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Entry34] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Entry34](
	[Entry34ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Entry34] PRIMARY KEY CLUSTERED 
(
	[Entry34ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Fleet35] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Fleet35](
	[Fleet35ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Fleet35] PRIMARY KEY CLUSTERED 
(
	[Fleet35ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Grade36] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Grade36](
	[Grade36ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Wage24ID] [int] NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Grade36] PRIMARY KEY CLUSTERED 
(
	[Grade36ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Invoice37] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Invoice37](
	[Invoice37ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Invoice37] PRIMARY KEY CLUSTERED 
(
	[Invoice37ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Journal38] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Journal38](
	[Journal38ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Journal38] PRIMARY KEY CLUSTERED 
(
	[Journal38ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Kit39] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Kit39](
	[Kit39ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Contact04ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Kit39] PRIMARY KEY CLUSTERED 
(
	[Kit39ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Ledger40] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Ledger40](
	[Ledger40ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Ledger40] PRIMARY KEY CLUSTERED 
(
	[Ledger40ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Market41] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Market41](
	[Market41ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Market41] PRIMARY KEY CLUSTERED 
(
	[Market41ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Notice42] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Notice42](
	[Notice42ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Credit32ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Notice42] PRIMARY KEY CLUSTERED 
(
	[Notice42ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Offer43] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Offer43](
	[Offer43ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Offer43] PRIMARY KEY CLUSTERED 
(
	[Offer43ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Parcel44] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Parcel44](
	[Parcel44ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Parcel44] PRIMARY KEY CLUSTERED 
(
	[Parcel44ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Quote45] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Quote45](
	[Quote45ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Parcel17ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Quote45] PRIMARY KEY CLUSTERED 
(
	[Quote45ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Region46] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Region46](
	[Region46ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Region46] PRIMARY KEY CLUSTERED 
(
	[Region46ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Store47] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Store47](
	[Store47ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Store47] PRIMARY KEY CLUSTERED 
(
	[Store47ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Tariff48] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Tariff48](
	[Tariff48ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Wage24ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Tariff48] PRIMARY KEY CLUSTERED 
(
	[Tariff48ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Unit49] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Unit49](
	[Unit49ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Unit49] PRIMARY KEY CLUSTERED 
(
	[Unit49ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Vendor50] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Vendor50](
	[Vendor50ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Vendor50] PRIMARY KEY CLUSTERED 
(
	[Vendor50ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Wage51] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Wage51](
	[Wage51ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Unit49ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Wage51] PRIMARY KEY CLUSTERED 
(
	[Wage51ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Yard52] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Yard52](
	[Yard52ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Yard52] PRIMARY KEY CLUSTERED 
(
	[Yard52ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Zone53] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Zone53](
	[Zone53ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Zone53] PRIMARY KEY CLUSTERED 
(
	[Zone53ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Account54] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Account54](
	[Account54ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Address28ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Account54] PRIMARY KEY CLUSTERED 
(
	[Account54ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Address55] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Address55](
	[Address55ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Address55] PRIMARY KEY CLUSTERED 
(
	[Address55ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Bill56] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Bill56](
	[Bill56ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Bill56] PRIMARY KEY CLUSTERED 
(
	[Bill56ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Carrier57] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Carrier57](
	[Carrier57ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Account54ID] [int] NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Carrier57] PRIMARY KEY CLUSTERED 
(
	[Carrier57ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Contact58] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Contact58](
	[Contact58ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Contact58] PRIMARY KEY CLUSTERED 
(
	[Contact58ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Credit59] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Credit59](
	[Credit59ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Credit59] PRIMARY KEY CLUSTERED 
(
	[Credit59ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Depot60] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Depot60](
	[Depot60ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Depot06ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Depot60] PRIMARY KEY CLUSTERED 
(
	[Depot60ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Entry61] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Entry61](
	[Entry61ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Entry61] PRIMARY KEY CLUSTERED 
(
	[Entry61ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Fleet62] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Fleet62](
	[Fleet62ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Fleet62] PRIMARY KEY CLUSTERED 
(
	[Fleet62ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Grade63] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Grade63](
	[Grade63ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Bill02ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Grade63] PRIMARY KEY CLUSTERED 
(
	[Grade63ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Invoice64] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Invoice64](
	[Invoice64ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[RefID] [int] NULL,
	[RefLine] [smallint] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Invoice64] PRIMARY KEY CLUSTERED 
(
	[Invoice64ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Journal65] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Journal65](
	[Journal65ID] [int] IDENTITY(1,1) NOT NULL,
	[LineNo] [smallint] NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Journal65] PRIMARY KEY CLUSTERED 
(
	[Journal65ID] ASC,
	[LineNo] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Production].[Kit66] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Production].[Kit66](
	[Kit66ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Fleet62ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Kit66] PRIMARY KEY CLUSTERED 
(
	[Kit66ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [dbo].[Ledger67] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [dbo].[Ledger67](
	[Ledger67ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Ledger67] PRIMARY KEY CLUSTERED 
(
	[Ledger67ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Person].[Market68] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Person].[Market68](
	[Market68ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
 CONSTRAINT [PK_Market68] PRIMARY KEY CLUSTERED 
(
	[Market68ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
/****** Object:  Table [Sales].[Notice69] ******/
SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO
CREATE TABLE [Sales].[Notice69](
	[Notice69ID] [int] IDENTITY(1,1) NOT NULL,
	[Title] [dbo].[Name] NOT NULL,
	[Active] [dbo].[Flag],
	[Phone] [dbo].[Phone] NULL,
	[Qty] [int] NOT NULL,
	[UnitPrice] [money] NOT NULL,
	[Notes] [nvarchar](max) NULL,
	[Modified] [datetime] NOT NULL,
	[Parcel44ID] [int] NULL,
	[Total]  AS ([Qty]*[UnitPrice]),
	[Rounded]  AS (round([UnitPrice],(0))) PERSISTED NOT NULL,
 CONSTRAINT [PK_Notice69] PRIMARY KEY CLUSTERED 
(
	[Notice69ID] ASC
)WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY]
) ON [PRIMARY]
GO
ALTER TABLE [Person].[Account00] ADD  CONSTRAINT [DF_Account00_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Account00]  WITH CHECK ADD  CONSTRAINT [CK_Account00_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Account00] CHECK CONSTRAINT [CK_Account00_Qty]
GO
ALTER TABLE [Sales].[Address01] ADD  CONSTRAINT [DF_Address01_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Address01]  WITH CHECK ADD  CONSTRAINT [CK_Address01_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Address01] CHECK CONSTRAINT [CK_Address01_Qty]
GO
ALTER TABLE [Production].[Bill02] ADD  CONSTRAINT [DF_Bill02_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Bill02]  WITH CHECK ADD  CONSTRAINT [CK_Bill02_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Bill02] CHECK CONSTRAINT [CK_Bill02_Qty]
GO
ALTER TABLE [dbo].[Carrier03] ADD  CONSTRAINT [DF_Carrier03_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Carrier03]  WITH CHECK ADD  CONSTRAINT [CK_Carrier03_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Carrier03] CHECK CONSTRAINT [CK_Carrier03_Qty]
GO
ALTER TABLE [dbo].[Carrier03]  WITH CHECK ADD  CONSTRAINT [FK_Carrier03_Address01] FOREIGN KEY([Address01ID])
REFERENCES [Sales].[Address01] ([Address01ID])
GO
ALTER TABLE [Person].[Contact04] ADD  CONSTRAINT [DF_Contact04_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Contact04]  WITH CHECK ADD  CONSTRAINT [CK_Contact04_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Contact04] CHECK CONSTRAINT [CK_Contact04_Qty]
GO
ALTER TABLE [Sales].[Credit05] ADD  CONSTRAINT [DF_Credit05_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Credit05]  WITH CHECK ADD  CONSTRAINT [CK_Credit05_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Credit05] CHECK CONSTRAINT [CK_Credit05_Qty]
GO
ALTER TABLE [Production].[Depot06] ADD  CONSTRAINT [DF_Depot06_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Depot06]  WITH CHECK ADD  CONSTRAINT [CK_Depot06_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Depot06] CHECK CONSTRAINT [CK_Depot06_Qty]
GO
ALTER TABLE [Production].[Depot06]  WITH CHECK ADD  CONSTRAINT [FK_Depot06_Carrier03] FOREIGN KEY([Carrier03ID])
REFERENCES [dbo].[Carrier03] ([Carrier03ID])
GO
ALTER TABLE [dbo].[Entry07] ADD  CONSTRAINT [DF_Entry07_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Entry07]  WITH CHECK ADD  CONSTRAINT [CK_Entry07_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Entry07] CHECK CONSTRAINT [CK_Entry07_Qty]
GO
ALTER TABLE [Person].[Fleet08] ADD  CONSTRAINT [DF_Fleet08_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Fleet08]  WITH CHECK ADD  CONSTRAINT [CK_Fleet08_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Fleet08] CHECK CONSTRAINT [CK_Fleet08_Qty]
GO
ALTER TABLE [Person].[Fleet08]  WITH CHECK ADD  CONSTRAINT [FK_Fleet08_Credit05_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [Sales].[Credit05] ([Credit05ID], [LineNo])
GO
ALTER TABLE [Sales].[Grade09] ADD  CONSTRAINT [DF_Grade09_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Grade09]  WITH CHECK ADD  CONSTRAINT [CK_Grade09_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Grade09] CHECK CONSTRAINT [CK_Grade09_Qty]
GO
ALTER TABLE [Sales].[Grade09]  WITH CHECK ADD  CONSTRAINT [FK_Grade09_Entry07] FOREIGN KEY([Entry07ID])
REFERENCES [dbo].[Entry07] ([Entry07ID])
GO
ALTER TABLE [Production].[Invoice10] ADD  CONSTRAINT [DF_Invoice10_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Invoice10]  WITH CHECK ADD  CONSTRAINT [CK_Invoice10_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Invoice10] CHECK CONSTRAINT [CK_Invoice10_Qty]
GO
ALTER TABLE [dbo].[Journal11] ADD  CONSTRAINT [DF_Journal11_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Journal11]  WITH CHECK ADD  CONSTRAINT [CK_Journal11_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Journal11] CHECK CONSTRAINT [CK_Journal11_Qty]
GO
ALTER TABLE [Person].[Kit12] ADD  CONSTRAINT [DF_Kit12_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Kit12]  WITH CHECK ADD  CONSTRAINT [CK_Kit12_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Kit12] CHECK CONSTRAINT [CK_Kit12_Qty]
GO
ALTER TABLE [Person].[Kit12]  WITH CHECK ADD  CONSTRAINT [FK_Kit12_Bill02] FOREIGN KEY([Bill02ID])
REFERENCES [Production].[Bill02] ([Bill02ID])
GO
ALTER TABLE [Sales].[Ledger13] ADD  CONSTRAINT [DF_Ledger13_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Ledger13]  WITH CHECK ADD  CONSTRAINT [CK_Ledger13_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Ledger13] CHECK CONSTRAINT [CK_Ledger13_Qty]
GO
ALTER TABLE [Production].[Market14] ADD  CONSTRAINT [DF_Market14_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Market14]  WITH CHECK ADD  CONSTRAINT [CK_Market14_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Market14] CHECK CONSTRAINT [CK_Market14_Qty]
GO
ALTER TABLE [dbo].[Notice15] ADD  CONSTRAINT [DF_Notice15_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Notice15]  WITH CHECK ADD  CONSTRAINT [CK_Notice15_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Notice15] CHECK CONSTRAINT [CK_Notice15_Qty]
GO
ALTER TABLE [dbo].[Notice15]  WITH CHECK ADD  CONSTRAINT [FK_Notice15_Address01] FOREIGN KEY([Address01ID])
REFERENCES [Sales].[Address01] ([Address01ID])
GO
ALTER TABLE [dbo].[Notice15]  WITH CHECK ADD  CONSTRAINT [FK_Notice15_Invoice10_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [Production].[Invoice10] ([Invoice10ID], [LineNo])
GO
ALTER TABLE [Person].[Offer16] ADD  CONSTRAINT [DF_Offer16_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Offer16]  WITH CHECK ADD  CONSTRAINT [CK_Offer16_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Offer16] CHECK CONSTRAINT [CK_Offer16_Qty]
GO
ALTER TABLE [Sales].[Parcel17] ADD  CONSTRAINT [DF_Parcel17_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Parcel17]  WITH CHECK ADD  CONSTRAINT [CK_Parcel17_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Parcel17] CHECK CONSTRAINT [CK_Parcel17_Qty]
GO
ALTER TABLE [Production].[Quote18] ADD  CONSTRAINT [DF_Quote18_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Quote18]  WITH CHECK ADD  CONSTRAINT [CK_Quote18_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Quote18] CHECK CONSTRAINT [CK_Quote18_Qty]
GO
ALTER TABLE [Production].[Quote18]  WITH CHECK ADD  CONSTRAINT [FK_Quote18_Contact04] FOREIGN KEY([Contact04ID])
REFERENCES [Person].[Contact04] ([Contact04ID])
GO
ALTER TABLE [dbo].[Region19] ADD  CONSTRAINT [DF_Region19_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Region19]  WITH CHECK ADD  CONSTRAINT [CK_Region19_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Region19] CHECK CONSTRAINT [CK_Region19_Qty]
GO
ALTER TABLE [Person].[Store20] ADD  CONSTRAINT [DF_Store20_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Store20]  WITH CHECK ADD  CONSTRAINT [CK_Store20_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Store20] CHECK CONSTRAINT [CK_Store20_Qty]
GO
ALTER TABLE [Sales].[Tariff21] ADD  CONSTRAINT [DF_Tariff21_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Tariff21]  WITH CHECK ADD  CONSTRAINT [CK_Tariff21_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Tariff21] CHECK CONSTRAINT [CK_Tariff21_Qty]
GO
ALTER TABLE [Sales].[Tariff21]  WITH CHECK ADD  CONSTRAINT [FK_Tariff21_Region19] FOREIGN KEY([Region19ID])
REFERENCES [dbo].[Region19] ([Region19ID])
GO
ALTER TABLE [Production].[Unit22] ADD  CONSTRAINT [DF_Unit22_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Unit22]  WITH CHECK ADD  CONSTRAINT [CK_Unit22_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Unit22] CHECK CONSTRAINT [CK_Unit22_Qty]
GO
ALTER TABLE [Production].[Unit22]  WITH CHECK ADD  CONSTRAINT [FK_Unit22_Store20_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [Person].[Store20] ([Store20ID], [LineNo])
GO
ALTER TABLE [dbo].[Vendor23] ADD  CONSTRAINT [DF_Vendor23_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Vendor23]  WITH CHECK ADD  CONSTRAINT [CK_Vendor23_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Vendor23] CHECK CONSTRAINT [CK_Vendor23_Qty]
GO
ALTER TABLE [Person].[Wage24] ADD  CONSTRAINT [DF_Wage24_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Wage24]  WITH CHECK ADD  CONSTRAINT [CK_Wage24_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Wage24] CHECK CONSTRAINT [CK_Wage24_Qty]
GO
ALTER TABLE [Person].[Wage24]  WITH CHECK ADD  CONSTRAINT [FK_Wage24_Depot06] FOREIGN KEY([Depot06ID])
REFERENCES [Production].[Depot06] ([Depot06ID])
GO
ALTER TABLE [Sales].[Yard25] ADD  CONSTRAINT [DF_Yard25_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Yard25]  WITH CHECK ADD  CONSTRAINT [CK_Yard25_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Yard25] CHECK CONSTRAINT [CK_Yard25_Qty]
GO
ALTER TABLE [Production].[Zone26] ADD  CONSTRAINT [DF_Zone26_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Zone26]  WITH CHECK ADD  CONSTRAINT [CK_Zone26_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Zone26] CHECK CONSTRAINT [CK_Zone26_Qty]
GO
ALTER TABLE [dbo].[Account27] ADD  CONSTRAINT [DF_Account27_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Account27]  WITH CHECK ADD  CONSTRAINT [CK_Account27_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Account27] CHECK CONSTRAINT [CK_Account27_Qty]
GO
ALTER TABLE [dbo].[Account27]  WITH CHECK ADD  CONSTRAINT [FK_Account27_Unit22] FOREIGN KEY([Unit22ID])
REFERENCES [Production].[Unit22] ([Unit22ID])
GO
ALTER TABLE [Person].[Address28] ADD  CONSTRAINT [DF_Address28_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Address28]  WITH CHECK ADD  CONSTRAINT [CK_Address28_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Address28] CHECK CONSTRAINT [CK_Address28_Qty]
GO
ALTER TABLE [Sales].[Bill29] ADD  CONSTRAINT [DF_Bill29_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Bill29]  WITH CHECK ADD  CONSTRAINT [CK_Bill29_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Bill29] CHECK CONSTRAINT [CK_Bill29_Qty]
GO
ALTER TABLE [Sales].[Bill29]  WITH CHECK ADD  CONSTRAINT [FK_Bill29_Yard25_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [Sales].[Yard25] ([Yard25ID], [LineNo])
GO
ALTER TABLE [Production].[Carrier30] ADD  CONSTRAINT [DF_Carrier30_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Carrier30]  WITH CHECK ADD  CONSTRAINT [CK_Carrier30_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Carrier30] CHECK CONSTRAINT [CK_Carrier30_Qty]
GO
ALTER TABLE [Production].[Carrier30]  WITH CHECK ADD  CONSTRAINT [FK_Carrier30_Tariff21] FOREIGN KEY([Tariff21ID])
REFERENCES [Sales].[Tariff21] ([Tariff21ID])
GO
ALTER TABLE [dbo].[Contact31] ADD  CONSTRAINT [DF_Contact31_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Contact31]  WITH CHECK ADD  CONSTRAINT [CK_Contact31_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Contact31] CHECK CONSTRAINT [CK_Contact31_Qty]
GO
ALTER TABLE [Person].[Credit32] ADD  CONSTRAINT [DF_Credit32_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Credit32]  WITH CHECK ADD  CONSTRAINT [CK_Credit32_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Credit32] CHECK CONSTRAINT [CK_Credit32_Qty]
GO
ALTER TABLE [Sales].[Depot33] ADD  CONSTRAINT [DF_Depot33_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Depot33]  WITH CHECK ADD  CONSTRAINT [CK_Depot33_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Depot33] CHECK CONSTRAINT [CK_Depot33_Qty]
GO
ALTER TABLE [Sales].[Depot33]  WITH CHECK ADD  CONSTRAINT [FK_Depot33_Zone26] FOREIGN KEY([Zone26ID])
REFERENCES [Production].[Zone26] ([Zone26ID])
GO
ALTER TABLE [Production].[Entry34] ADD  CONSTRAINT [DF_Entry34_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Entry34]  WITH CHECK ADD  CONSTRAINT [CK_Entry34_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Entry34] CHECK CONSTRAINT [CK_Entry34_Qty]
GO
ALTER TABLE [dbo].[Fleet35] ADD  CONSTRAINT [DF_Fleet35_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Fleet35]  WITH CHECK ADD  CONSTRAINT [CK_Fleet35_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Fleet35] CHECK CONSTRAINT [CK_Fleet35_Qty]
GO
ALTER TABLE [Person].[Grade36] ADD  CONSTRAINT [DF_Grade36_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Grade36]  WITH CHECK ADD  CONSTRAINT [CK_Grade36_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Grade36] CHECK CONSTRAINT [CK_Grade36_Qty]
GO
ALTER TABLE [Person].[Grade36]  WITH CHECK ADD  CONSTRAINT [FK_Grade36_Wage24] FOREIGN KEY([Wage24ID])
REFERENCES [Person].[Wage24] ([Wage24ID])
GO
ALTER TABLE [Person].[Grade36]  WITH CHECK ADD  CONSTRAINT [FK_Grade36_Fleet35_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [dbo].[Fleet35] ([Fleet35ID], [LineNo])
GO
ALTER TABLE [Sales].[Invoice37] ADD  CONSTRAINT [DF_Invoice37_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Invoice37]  WITH CHECK ADD  CONSTRAINT [CK_Invoice37_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Invoice37] CHECK CONSTRAINT [CK_Invoice37_Qty]
GO
ALTER TABLE [Production].[Journal38] ADD  CONSTRAINT [DF_Journal38_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Journal38]  WITH CHECK ADD  CONSTRAINT [CK_Journal38_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Journal38] CHECK CONSTRAINT [CK_Journal38_Qty]
GO
ALTER TABLE [dbo].[Kit39] ADD  CONSTRAINT [DF_Kit39_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Kit39]  WITH CHECK ADD  CONSTRAINT [CK_Kit39_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Kit39] CHECK CONSTRAINT [CK_Kit39_Qty]
GO
ALTER TABLE [dbo].[Kit39]  WITH CHECK ADD  CONSTRAINT [FK_Kit39_Contact04] FOREIGN KEY([Contact04ID])
REFERENCES [Person].[Contact04] ([Contact04ID])
GO
ALTER TABLE [Person].[Ledger40] ADD  CONSTRAINT [DF_Ledger40_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Ledger40]  WITH CHECK ADD  CONSTRAINT [CK_Ledger40_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Ledger40] CHECK CONSTRAINT [CK_Ledger40_Qty]
GO
ALTER TABLE [Sales].[Market41] ADD  CONSTRAINT [DF_Market41_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Market41]  WITH CHECK ADD  CONSTRAINT [CK_Market41_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Market41] CHECK CONSTRAINT [CK_Market41_Qty]
GO
ALTER TABLE [Production].[Notice42] ADD  CONSTRAINT [DF_Notice42_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Notice42]  WITH CHECK ADD  CONSTRAINT [CK_Notice42_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Notice42] CHECK CONSTRAINT [CK_Notice42_Qty]
GO
ALTER TABLE [Production].[Notice42]  WITH CHECK ADD  CONSTRAINT [FK_Notice42_Credit32] FOREIGN KEY([Credit32ID])
REFERENCES [Person].[Credit32] ([Credit32ID])
GO
ALTER TABLE [dbo].[Offer43] ADD  CONSTRAINT [DF_Offer43_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Offer43]  WITH CHECK ADD  CONSTRAINT [CK_Offer43_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Offer43] CHECK CONSTRAINT [CK_Offer43_Qty]
GO
ALTER TABLE [dbo].[Offer43]  WITH CHECK ADD  CONSTRAINT [FK_Offer43_Ledger40_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [Person].[Ledger40] ([Ledger40ID], [LineNo])
GO
ALTER TABLE [Person].[Parcel44] ADD  CONSTRAINT [DF_Parcel44_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Parcel44]  WITH CHECK ADD  CONSTRAINT [CK_Parcel44_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Parcel44] CHECK CONSTRAINT [CK_Parcel44_Qty]
GO
ALTER TABLE [Sales].[Quote45] ADD  CONSTRAINT [DF_Quote45_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Quote45]  WITH CHECK ADD  CONSTRAINT [CK_Quote45_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Quote45] CHECK CONSTRAINT [CK_Quote45_Qty]
GO
ALTER TABLE [Sales].[Quote45]  WITH CHECK ADD  CONSTRAINT [FK_Quote45_Parcel17] FOREIGN KEY([Parcel17ID])
REFERENCES [Sales].[Parcel17] ([Parcel17ID])
GO
ALTER TABLE [Production].[Region46] ADD  CONSTRAINT [DF_Region46_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Region46]  WITH CHECK ADD  CONSTRAINT [CK_Region46_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Region46] CHECK CONSTRAINT [CK_Region46_Qty]
GO
ALTER TABLE [dbo].[Store47] ADD  CONSTRAINT [DF_Store47_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Store47]  WITH CHECK ADD  CONSTRAINT [CK_Store47_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Store47] CHECK CONSTRAINT [CK_Store47_Qty]
GO
ALTER TABLE [Person].[Tariff48] ADD  CONSTRAINT [DF_Tariff48_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Tariff48]  WITH CHECK ADD  CONSTRAINT [CK_Tariff48_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Tariff48] CHECK CONSTRAINT [CK_Tariff48_Qty]
GO
ALTER TABLE [Person].[Tariff48]  WITH CHECK ADD  CONSTRAINT [FK_Tariff48_Wage24] FOREIGN KEY([Wage24ID])
REFERENCES [Person].[Wage24] ([Wage24ID])
GO
ALTER TABLE [Sales].[Unit49] ADD  CONSTRAINT [DF_Unit49_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Unit49]  WITH CHECK ADD  CONSTRAINT [CK_Unit49_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Unit49] CHECK CONSTRAINT [CK_Unit49_Qty]
GO
ALTER TABLE [Production].[Vendor50] ADD  CONSTRAINT [DF_Vendor50_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Vendor50]  WITH CHECK ADD  CONSTRAINT [CK_Vendor50_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Vendor50] CHECK CONSTRAINT [CK_Vendor50_Qty]
GO
ALTER TABLE [Production].[Vendor50]  WITH CHECK ADD  CONSTRAINT [FK_Vendor50_Quote45_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [Sales].[Quote45] ([Quote45ID], [LineNo])
GO
ALTER TABLE [dbo].[Wage51] ADD  CONSTRAINT [DF_Wage51_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Wage51]  WITH CHECK ADD  CONSTRAINT [CK_Wage51_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Wage51] CHECK CONSTRAINT [CK_Wage51_Qty]
GO
ALTER TABLE [dbo].[Wage51]  WITH CHECK ADD  CONSTRAINT [FK_Wage51_Unit49] FOREIGN KEY([Unit49ID])
REFERENCES [Sales].[Unit49] ([Unit49ID])
GO
ALTER TABLE [Person].[Yard52] ADD  CONSTRAINT [DF_Yard52_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Yard52]  WITH CHECK ADD  CONSTRAINT [CK_Yard52_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Yard52] CHECK CONSTRAINT [CK_Yard52_Qty]
GO
ALTER TABLE [Sales].[Zone53] ADD  CONSTRAINT [DF_Zone53_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Zone53]  WITH CHECK ADD  CONSTRAINT [CK_Zone53_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Zone53] CHECK CONSTRAINT [CK_Zone53_Qty]
GO
ALTER TABLE [Production].[Account54] ADD  CONSTRAINT [DF_Account54_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Account54]  WITH CHECK ADD  CONSTRAINT [CK_Account54_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Account54] CHECK CONSTRAINT [CK_Account54_Qty]
GO
ALTER TABLE [Production].[Account54]  WITH CHECK ADD  CONSTRAINT [FK_Account54_Address28] FOREIGN KEY([Address28ID])
REFERENCES [Person].[Address28] ([Address28ID])
GO
ALTER TABLE [dbo].[Address55] ADD  CONSTRAINT [DF_Address55_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Address55]  WITH CHECK ADD  CONSTRAINT [CK_Address55_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Address55] CHECK CONSTRAINT [CK_Address55_Qty]
GO
ALTER TABLE [Person].[Bill56] ADD  CONSTRAINT [DF_Bill56_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Bill56]  WITH CHECK ADD  CONSTRAINT [CK_Bill56_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Bill56] CHECK CONSTRAINT [CK_Bill56_Qty]
GO
ALTER TABLE [Sales].[Carrier57] ADD  CONSTRAINT [DF_Carrier57_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Carrier57]  WITH CHECK ADD  CONSTRAINT [CK_Carrier57_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Carrier57] CHECK CONSTRAINT [CK_Carrier57_Qty]
GO
ALTER TABLE [Sales].[Carrier57]  WITH CHECK ADD  CONSTRAINT [FK_Carrier57_Account54] FOREIGN KEY([Account54ID])
REFERENCES [Production].[Account54] ([Account54ID])
GO
ALTER TABLE [Sales].[Carrier57]  WITH CHECK ADD  CONSTRAINT [FK_Carrier57_Address55_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [dbo].[Address55] ([Address55ID], [LineNo])
GO
ALTER TABLE [Production].[Contact58] ADD  CONSTRAINT [DF_Contact58_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Contact58]  WITH CHECK ADD  CONSTRAINT [CK_Contact58_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Contact58] CHECK CONSTRAINT [CK_Contact58_Qty]
GO
ALTER TABLE [dbo].[Credit59] ADD  CONSTRAINT [DF_Credit59_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Credit59]  WITH CHECK ADD  CONSTRAINT [CK_Credit59_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Credit59] CHECK CONSTRAINT [CK_Credit59_Qty]
GO
ALTER TABLE [Person].[Depot60] ADD  CONSTRAINT [DF_Depot60_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Depot60]  WITH CHECK ADD  CONSTRAINT [CK_Depot60_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Depot60] CHECK CONSTRAINT [CK_Depot60_Qty]
GO
ALTER TABLE [Person].[Depot60]  WITH CHECK ADD  CONSTRAINT [FK_Depot60_Depot06] FOREIGN KEY([Depot06ID])
REFERENCES [Production].[Depot06] ([Depot06ID])
GO
ALTER TABLE [Sales].[Entry61] ADD  CONSTRAINT [DF_Entry61_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Entry61]  WITH CHECK ADD  CONSTRAINT [CK_Entry61_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Entry61] CHECK CONSTRAINT [CK_Entry61_Qty]
GO
ALTER TABLE [Production].[Fleet62] ADD  CONSTRAINT [DF_Fleet62_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Fleet62]  WITH CHECK ADD  CONSTRAINT [CK_Fleet62_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Fleet62] CHECK CONSTRAINT [CK_Fleet62_Qty]
GO
ALTER TABLE [dbo].[Grade63] ADD  CONSTRAINT [DF_Grade63_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Grade63]  WITH CHECK ADD  CONSTRAINT [CK_Grade63_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Grade63] CHECK CONSTRAINT [CK_Grade63_Qty]
GO
ALTER TABLE [dbo].[Grade63]  WITH CHECK ADD  CONSTRAINT [FK_Grade63_Bill02] FOREIGN KEY([Bill02ID])
REFERENCES [Production].[Bill02] ([Bill02ID])
GO
ALTER TABLE [Person].[Invoice64] ADD  CONSTRAINT [DF_Invoice64_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Invoice64]  WITH CHECK ADD  CONSTRAINT [CK_Invoice64_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Invoice64] CHECK CONSTRAINT [CK_Invoice64_Qty]
GO
ALTER TABLE [Person].[Invoice64]  WITH CHECK ADD  CONSTRAINT [FK_Invoice64_Depot60_Line] FOREIGN KEY([RefID], [RefLine])
REFERENCES [Person].[Depot60] ([Depot60ID], [LineNo])
GO
ALTER TABLE [Sales].[Journal65] ADD  CONSTRAINT [DF_Journal65_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Journal65]  WITH CHECK ADD  CONSTRAINT [CK_Journal65_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Journal65] CHECK CONSTRAINT [CK_Journal65_Qty]
GO
ALTER TABLE [Production].[Kit66] ADD  CONSTRAINT [DF_Kit66_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Production].[Kit66]  WITH CHECK ADD  CONSTRAINT [CK_Kit66_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Production].[Kit66] CHECK CONSTRAINT [CK_Kit66_Qty]
GO
ALTER TABLE [Production].[Kit66]  WITH CHECK ADD  CONSTRAINT [FK_Kit66_Fleet62] FOREIGN KEY([Fleet62ID])
REFERENCES [Production].[Fleet62] ([Fleet62ID])
GO
ALTER TABLE [dbo].[Ledger67] ADD  CONSTRAINT [DF_Ledger67_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [dbo].[Ledger67]  WITH CHECK ADD  CONSTRAINT [CK_Ledger67_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [dbo].[Ledger67] CHECK CONSTRAINT [CK_Ledger67_Qty]
GO
ALTER TABLE [Person].[Market68] ADD  CONSTRAINT [DF_Market68_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Person].[Market68]  WITH CHECK ADD  CONSTRAINT [CK_Market68_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Person].[Market68] CHECK CONSTRAINT [CK_Market68_Qty]
GO
ALTER TABLE [Sales].[Notice69] ADD  CONSTRAINT [DF_Notice69_Modified]  DEFAULT (getdate()) FOR [Modified]
GO
ALTER TABLE [Sales].[Notice69]  WITH CHECK ADD  CONSTRAINT [CK_Notice69_Qty] CHECK  (([Qty]>=(0)))
GO
ALTER TABLE [Sales].[Notice69] CHECK CONSTRAINT [CK_Notice69_Qty]
GO
ALTER TABLE [Sales].[Notice69]  WITH CHECK ADD  CONSTRAINT [FK_Notice69_Parcel44] FOREIGN KEY([Parcel44ID])
REFERENCES [Person].[Parcel44] ([Parcel44ID])
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Account00 的说明', N'SCHEMA', [Person], N'TABLE', [Account00]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Account00ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Account00ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Account00], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Account00], N'CONSTRAINT', [PK_Account00]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Address01 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Address01'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Address01ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Address01ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Address01], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Address01], N'CONSTRAINT', [PK_Address01]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Bill02 的说明', N'SCHEMA', [Production], N'TABLE', [Bill02]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Bill02ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Bill02ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Bill02], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Bill02], N'CONSTRAINT', [PK_Bill02]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Carrier03 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Carrier03'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Carrier03ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Carrier03ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Address01ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Address01ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Carrier03], N'CONSTRAINT', [PK_Carrier03]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Contact04 的说明', N'SCHEMA', [Person], N'TABLE', [Contact04]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Contact04ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Contact04ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Contact04], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Contact04], N'CONSTRAINT', [PK_Contact04]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Credit05 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Credit05'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Credit05ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Credit05ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Credit05], N'CONSTRAINT', [PK_Credit05]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Depot06 的说明', N'SCHEMA', [Production], N'TABLE', [Depot06]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Depot06ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Depot06ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Carrier03ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Carrier03ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Depot06], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Depot06], N'CONSTRAINT', [PK_Depot06]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Entry07 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Entry07'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Entry07ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Entry07ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Entry07], N'CONSTRAINT', [PK_Entry07]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Fleet08 的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Fleet08ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Fleet08ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Fleet08], N'CONSTRAINT', [PK_Fleet08]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Grade09 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Grade09'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Grade09ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Grade09ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Entry07ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Entry07ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Grade09], N'CONSTRAINT', [PK_Grade09]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Invoice10 的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Invoice10ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Invoice10ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Invoice10], N'CONSTRAINT', [PK_Invoice10]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Journal11 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Journal11'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Journal11ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Journal11ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Journal11], N'CONSTRAINT', [PK_Journal11]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Kit12 的说明', N'SCHEMA', [Person], N'TABLE', [Kit12]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Kit12ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Kit12ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Bill02ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Bill02ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Kit12], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Kit12], N'CONSTRAINT', [PK_Kit12]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Ledger13 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Ledger13'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Ledger13ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Ledger13ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Ledger13], N'CONSTRAINT', [PK_Ledger13]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Market14 的说明', N'SCHEMA', [Production], N'TABLE', [Market14]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Market14ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Market14ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Market14], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Market14], N'CONSTRAINT', [PK_Market14]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Notice15 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Notice15'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notice15ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Notice15ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Address01ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Address01ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Notice15], N'CONSTRAINT', [PK_Notice15]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Offer16 的说明', N'SCHEMA', [Person], N'TABLE', [Offer16]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Offer16ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Offer16ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Offer16], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Offer16], N'CONSTRAINT', [PK_Offer16]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Parcel17 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Parcel17'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Parcel17ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Parcel17ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Parcel17], N'CONSTRAINT', [PK_Parcel17]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Quote18 的说明', N'SCHEMA', [Production], N'TABLE', [Quote18]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Quote18ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Quote18ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Contact04ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Contact04ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Quote18], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Quote18], N'CONSTRAINT', [PK_Quote18]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Region19 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Region19'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Region19ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Region19ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Region19], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Region19], N'CONSTRAINT', [PK_Region19]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Store20 的说明', N'SCHEMA', [Person], N'TABLE', [Store20]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Store20ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Store20ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Store20], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Store20], N'CONSTRAINT', [PK_Store20]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Tariff21 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Tariff21'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Tariff21ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Tariff21ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Region19ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Region19ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Tariff21], N'CONSTRAINT', [PK_Tariff21]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Unit22 的说明', N'SCHEMA', [Production], N'TABLE', [Unit22]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Unit22ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Unit22ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Unit22], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Unit22], N'CONSTRAINT', [PK_Unit22]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Vendor23 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Vendor23'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Vendor23ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Vendor23ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Vendor23], N'CONSTRAINT', [PK_Vendor23]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Wage24 的说明', N'SCHEMA', [Person], N'TABLE', [Wage24]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Wage24ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Wage24ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Depot06ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Depot06ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Wage24], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Wage24], N'CONSTRAINT', [PK_Wage24]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Yard25 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Yard25'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Yard25ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Yard25ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Yard25], N'CONSTRAINT', [PK_Yard25]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Zone26 的说明', N'SCHEMA', [Production], N'TABLE', [Zone26]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Zone26ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Zone26ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Zone26], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Zone26], N'CONSTRAINT', [PK_Zone26]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Account27 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Account27'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Account27ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Account27ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Unit22ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Unit22ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Account27], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Account27], N'CONSTRAINT', [PK_Account27]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Address28 的说明', N'SCHEMA', [Person], N'TABLE', [Address28]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Address28ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Address28ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Address28], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Address28], N'CONSTRAINT', [PK_Address28]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Bill29 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Bill29'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Bill29ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Bill29ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Bill29], N'CONSTRAINT', [PK_Bill29]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Carrier30 的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Carrier30ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Carrier30ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Tariff21ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Tariff21ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Carrier30], N'CONSTRAINT', [PK_Carrier30]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Contact31 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Contact31'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Contact31ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Contact31ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Contact31], N'CONSTRAINT', [PK_Contact31]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Credit32 的说明', N'SCHEMA', [Person], N'TABLE', [Credit32]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Credit32ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Credit32ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Credit32], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Credit32], N'CONSTRAINT', [PK_Credit32]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Depot33 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Depot33'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Depot33ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Depot33ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Zone26ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Zone26ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Depot33], N'CONSTRAINT', [PK_Depot33]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Entry34 的说明', N'SCHEMA', [Production], N'TABLE', [Entry34]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Entry34ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Entry34ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Entry34], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Entry34], N'CONSTRAINT', [PK_Entry34]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Fleet35 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Fleet35'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Fleet35ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Fleet35ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Fleet35], N'CONSTRAINT', [PK_Fleet35]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Grade36 的说明', N'SCHEMA', [Person], N'TABLE', [Grade36]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Grade36ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Grade36ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Wage24ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Wage24ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Grade36], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Grade36], N'CONSTRAINT', [PK_Grade36]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Invoice37 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Invoice37'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Invoice37ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Invoice37ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Invoice37], N'CONSTRAINT', [PK_Invoice37]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Journal38 的说明', N'SCHEMA', [Production], N'TABLE', [Journal38]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Journal38ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Journal38ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Journal38], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Journal38], N'CONSTRAINT', [PK_Journal38]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Kit39 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Kit39'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Kit39ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Kit39ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Contact04ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Contact04ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Kit39], N'CONSTRAINT', [PK_Kit39]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Ledger40 的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Ledger40ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Ledger40ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Ledger40], N'CONSTRAINT', [PK_Ledger40]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Market41 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Market41'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Market41ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Market41ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Market41], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Market41], N'CONSTRAINT', [PK_Market41]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Notice42 的说明', N'SCHEMA', [Production], N'TABLE', [Notice42]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notice42ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Notice42ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Credit32ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Credit32ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Notice42], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Notice42], N'CONSTRAINT', [PK_Notice42]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Offer43 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Offer43'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Offer43ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Offer43ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Offer43], N'CONSTRAINT', [PK_Offer43]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Parcel44 的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Parcel44ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Parcel44ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Parcel44], N'CONSTRAINT', [PK_Parcel44]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Quote45 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Quote45'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Quote45ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Quote45ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Parcel17ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Parcel17ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Quote45], N'CONSTRAINT', [PK_Quote45]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Region46 的说明', N'SCHEMA', [Production], N'TABLE', [Region46]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Region46ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Region46ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Region46], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Region46], N'CONSTRAINT', [PK_Region46]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Store47 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Store47'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Store47ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Store47ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Store47], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Store47], N'CONSTRAINT', [PK_Store47]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Tariff48 的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Tariff48ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Tariff48ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Wage24ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Wage24ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Tariff48], N'CONSTRAINT', [PK_Tariff48]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Unit49 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Unit49'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Unit49ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Unit49ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Unit49], N'CONSTRAINT', [PK_Unit49]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Vendor50 的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Vendor50ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Vendor50ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Vendor50], N'CONSTRAINT', [PK_Vendor50]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Wage51 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Wage51'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Wage51ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Wage51ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Unit49ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Unit49ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Wage51], N'CONSTRAINT', [PK_Wage51]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Yard52 的说明', N'SCHEMA', [Person], N'TABLE', [Yard52]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Yard52ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Yard52ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Yard52], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Yard52], N'CONSTRAINT', [PK_Yard52]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Zone53 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Zone53'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Zone53ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Zone53ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Zone53], N'CONSTRAINT', [PK_Zone53]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Account54 的说明', N'SCHEMA', [Production], N'TABLE', [Account54]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Account54ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Account54ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Address28ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Address28ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Account54], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Account54], N'CONSTRAINT', [PK_Account54]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Address55 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Address55'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Address55ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Address55ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Address55], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Address55], N'CONSTRAINT', [PK_Address55]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Bill56 的说明', N'SCHEMA', [Person], N'TABLE', [Bill56]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Bill56ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Bill56ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Bill56], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Bill56], N'CONSTRAINT', [PK_Bill56]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Carrier57 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Carrier57'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Carrier57ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Carrier57ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Account54ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Account54ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Carrier57], N'CONSTRAINT', [PK_Carrier57]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Contact58 的说明', N'SCHEMA', [Production], N'TABLE', [Contact58]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Contact58ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Contact58ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Contact58], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Contact58], N'CONSTRAINT', [PK_Contact58]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Credit59 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Credit59'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Credit59ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Credit59ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Credit59], N'CONSTRAINT', [PK_Credit59]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Depot60 的说明', N'SCHEMA', [Person], N'TABLE', [Depot60]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Depot60ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Depot60ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Depot06ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Depot06ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Depot60], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Depot60], N'CONSTRAINT', [PK_Depot60]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Entry61 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Entry61'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Entry61ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Entry61ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Entry61], N'CONSTRAINT', [PK_Entry61]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Fleet62 的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Fleet62ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Fleet62ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Fleet62], N'CONSTRAINT', [PK_Fleet62]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Grade63 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Grade63'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Grade63ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Grade63ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Bill02ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Bill02ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Grade63], N'CONSTRAINT', [PK_Grade63]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Invoice64 的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Invoice64ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Invoice64ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefID 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [RefID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'RefLine 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [RefLine]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Invoice64], N'CONSTRAINT', [PK_Invoice64]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Journal65 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Journal65'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Journal65ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Journal65ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'LineNo 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [LineNo]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Journal65], N'CONSTRAINT', [PK_Journal65]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Kit66 的说明', N'SCHEMA', [Production], N'TABLE', [Kit66]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Kit66ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Kit66ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Fleet62ID 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Fleet62ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Production], N'TABLE', [Kit66], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Production], N'TABLE', [Kit66], N'CONSTRAINT', [PK_Kit66]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Ledger67 的说明' , @level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Ledger67'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Ledger67ID 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Ledger67ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [dbo], N'TABLE', [Ledger67], N'CONSTRAINT', [PK_Ledger67]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'表 Market68 的说明', N'SCHEMA', [Person], N'TABLE', [Market68]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Market68ID 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Market68ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Person], N'TABLE', [Market68], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Person], N'TABLE', [Market68], N'CONSTRAINT', [PK_Market68]
GO
EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'表 Notice69 的说明' , @level0type=N'SCHEMA',@level0name=N'Sales', @level1type=N'TABLE',@level1name=N'Notice69'
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notice69ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Notice69ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Title 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Title]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Active 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Active]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Phone 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Phone]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Qty 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Qty]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'UnitPrice 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [UnitPrice]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Notes 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Notes]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Modified 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Modified]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Parcel44ID 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Parcel44ID]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Total 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Total]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'Rounded 列的说明', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'COLUMN', [Rounded]
GO
EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'主键', N'SCHEMA', [Sales], N'TABLE', [Notice69], N'CONSTRAINT', [PK_Notice69]
GO
