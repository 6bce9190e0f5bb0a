/* TABLORA V1.5 :1538:RgAAAMgAAAC0AAAAAAAAAID/gAAAAAAAtAAAAAAAAACA/4AAyAAAAKgMAAAAAAAA///AAAAAAACo
DAAAAAAAAP//wACQAQAAqAwAAAAAAAD//8AAkAEAABwCAAAAAAAAwOD/AFgCAACoDAAAAAAAAP//
wADIAAAAOAQAAAAAAAD/4MAAAAAAAAAAAAAAAAAAgP+AAJABAAC0AAAAAAAAAID/gACQAQAAAAAA
AAAAAACA/4AAkAEAAIwKAAAAAAAA4ODgAAAAAACMCgAAAAAAAODg4ADIAAAAjAoAAAAAAADg4OAA
WAIAAHAIAAAAAAAA0P/QAAAAAABcDQAAAAAAAP//wAAAAAAAaAEAAAAAAADA4P8AWAIAALQAAAAA
AAAAgP+AAMgAAABoAQAAAAAAAMDg/wBYAgAAaAEAAAAAAADA4P8AAAAAABwCAAAAAAAAwOD/AAAA
AAD0CwAAAAAAAODg4ACQAQAACAcAAAAAAAD/0P8AWAIAAAgHAAAAAAAA/9D/AAAAAABACwAAAAAA
AODg4ADIAAAAQAsAAAAAAADg4OAAyAAAABwCAAAAAAAAwOD/AMgAAAD0CwAAAAAAAODg4ACQAQAA
9AsAAAAAAADg4OAAWAIAABwCAAAAAAAAwOD/AMgAAADsBAAAAAAAAP//4ACQAQAAQAsAAAAAAADg
4OAAWAIAAEALAAAAAAAA4ODgAFgCAACMCgAAAAAAAODg4ADIAAAAAAAAAAAAAACA/4AAAAAAAIQD
AAAAAAAA/+DAAMgAAADQAgAAAAAAAP/gwABYAgAAhAMAAAAAAAD/4MAAkAEAAOwEAAAAAAAA///g
AAAAAAA4BAAAAAAAAP/gwABYAgAA0AIAAAAAAAD/4MAAyAAAAIQDAAAAAAAA/+DAAJABAACEAwAA
AAAAAP/gwACQAQAA0AIAAAAAAAD/4MAAWAIAAFQGAAAAAAAA/9D/AMgAAAAIBwAAAAAAAP/Q/wAA
AAAACAcAAAAAAAD/0P8AWAIAACQJAAAAAAAA0P/QAJABAAAkCQAAAAAAAND/0ADIAAAA2AkAAAAA
AADQ/9AAyAAAAHAIAAAAAAAA0P/QAAAAAADYCQAAAAAAAND/0AAAAAAAcAgAAAAAAADQ/9AAkAEA
AGgBAAAAAAAAwOD/AJABAABUBgAAAAAAAP/Q/wAAAAAAJAkAAAAAAADQ/9AAyAAAACQJAAAAAAAA
0P/QAFgCAAAAAAAAAAAAAID/gAAAAAAAoAUAAAAAAAD//+AAyAAAAKAFAAAAAAAA///gAJABAABw
CAAAAAAAAND/0ADIAAAAXA0AAAAAAAD//8AAWAIAAOwEAAAAAAAA///gAJABAACgBQAAAAAAAP//
4ABYAgAAoAUAAAAAAAD//+AAAAAAANACAAAAAAAA/+DAAAAAAABUBgAAAAAAAP/Q/wDIAAAAVAYA
AAAAAAD/0P8AAAAAALwHAAAAAAAA/9D/AAAAAADsBAAAAAAAAP//4AAA      */







CREATE TABLE [Person].[Address] (			--地址:客户、员工和供应商的街道地址(组)基础资料
[AddressID] [int] IDENTITY (1,1) NOT NULL ,  --地址编号:主键, 自动编号
[AddressLine1] [nvarchar](60) NOT NULL ,  --地址行1:
[AddressLine2] [nvarchar](60) NULL ,  --地址行2:
[City] [nvarchar](30) NOT NULL ,  --城市:
[StateProvinceID] [int] NOT NULL ,  --省州编号:
[PostalCode] [nvarchar](15) NOT NULL ,  --邮政编码:
[SpatialLocation] [geography] NULL ,  --地理位置:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Person].[AddressType] (			--地址类型:账单、家庭、发货等地址类型(组)基础资料
[AddressTypeID] [int] IDENTITY (1,1) NOT NULL ,  --地址类型编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [dbo].[AppRole] (			--角色:权限角色(组)系统
[RoleID] [int] IDENTITY (1,1) NOT NULL ,  --角色编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[Description] [nvarchar](200) NULL ,  --说明:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [dbo].[AppUser] (			--系统用户:登录本系统的用户(组)系统
[UserID] [int] IDENTITY (1,1) NOT NULL ,  --用户编号:主键, 自动编号
[LoginName] [nvarchar](128) NOT NULL ,  --登录名:
[BusinessEntityID] [int] NULL ,  --业务实体编号:对应的员工
[PasswordHash] [varbinary](64) NOT NULL ,  --密码散列:
[PasswordSalt] [varbinary](16) NOT NULL ,  --密码盐:
[IsLocked] [bit] DEFAULT ((0)) NOT NULL ,  --已锁定:
[LastLoginTime] [datetime] NULL ,  --最后登录时间:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [dbo].[AppUserRole] (			--用户角色:用户与角色的对应(组)系统
[UserID] [int] NOT NULL ,  --用户编号:
[RoleID] [int] NOT NULL ,  --角色编号:
[GrantedDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --授权日期:
[GrantedByID] [int] NULL ,  --授权人编号:授权的用户
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [HumanResources].[Attendance] (			--考勤:员工每日打卡记录(组)人力资源
[AttendanceID] [int] IDENTITY (1,1) NOT NULL ,  --考勤编号:主键, 自动编号
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[WorkDate] [date] NOT NULL ,  --工作日期:
[ShiftID] [tinyint] NOT NULL ,  --班次编号:
[ClockIn] [datetime2] NULL ,  --上班打卡:
[ClockOut] [datetime2] NULL ,  --下班打卡:
[OvertimeMinutes] [int] DEFAULT ((0)) NOT NULL ,  --加班分钟:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [dbo].[AuditLog] (			--审计日志:数据变更的审计记录(组)系统
[AuditLogID] [bigint] IDENTITY (1,1) NOT NULL ,  --审计日志编号:
[UserID] [int] NULL ,  --用户编号:
[TableName] [sysname] NOT NULL ,  --表名:
[Operation] [char](1) NOT NULL ,  --操作:I 插入, U 更新, D 删除
[KeyValue] [nvarchar](100) NOT NULL ,  --主键值:
[OldValues] [xml] NULL ,  --旧值:
[NewValues] [xml] NULL ,  --新值:
[ChangedTime] [datetime2](3) DEFAULT (sysdatetime()) NOT NULL ,  --变更时间:
[HostName] [nvarchar](128) DEFAULT (host_name()) NULL   --主机名:
) ON [PRIMARY]

CREATE TABLE [Production].[BillOfMaterials] (			--物料清单:生产产品所需的部件及数量(组)产品
[BillOfMaterialsID] [int] IDENTITY (1,1) NOT NULL ,  --清单编号:主键, 自动编号
[ProductAssemblyID] [int] NULL ,  --父件编号:空表示顶层组件
[ComponentID] [int] NOT NULL ,  --子件编号:
[StartDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --开始日期:
[EndDate] [datetime] NULL ,  --结束日期:
[UnitMeasureCode] [nchar](3) NOT NULL ,  --单位代码:
[BOMLevel] [smallint] NOT NULL ,  --层级:
[PerAssemblyQty] [decimal](8,2) DEFAULT ((1.00)) NOT NULL ,  --单件用量:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Person].[BusinessEntity] (			--业务实体:人员、商店和供应商共用的实体编号(组)基础资料
[BusinessEntityID] [int] IDENTITY (1,1) NOT NULL ,  --业务实体编号:主键, 自动编号
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Person].[BusinessEntityAddress] (			--实体地址:业务实体与地址的对应关系(组)基础资料
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[AddressID] [int] NOT NULL ,  --地址编号:
[AddressTypeID] [int] NOT NULL ,  --地址类型编号:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Person].[CountryRegion] (			--国家地区:ISO 国家和地区代码(组)基础资料
[CountryRegionCode] [nvarchar](3) NOT NULL ,  --国家地区代码:ISO 标准代码
[Name] [nvarchar](50) NOT NULL ,  --名称:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[CreditCard] (			--信用卡:客户的信用卡(组)财务
[CreditCardID] [int] IDENTITY (1,1) NOT NULL ,  --信用卡编号:主键, 自动编号
[CardType] [nvarchar](50) NOT NULL ,  --卡类型:
[CardNumber] [nvarchar](25) NOT NULL ,  --卡号:
[ExpMonth] [tinyint] NOT NULL ,  --到期月:
[ExpYear] [smallint] NOT NULL ,  --到期年:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[Currency] (			--币种:ISO 货币代码(组)财务
[CurrencyCode] [nchar](3) NOT NULL ,  --币种代码:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[CurrencyRate] (			--汇率:每日汇率(组)财务
[CurrencyRateID] [int] IDENTITY (1,1) NOT NULL ,  --汇率编号:主键, 自动编号
[CurrencyRateDate] [datetime] NOT NULL ,  --汇率日期:
[FromCurrencyCode] [nchar](3) NOT NULL ,  --源币种:
[ToCurrencyCode] [nchar](3) NOT NULL ,  --目标币种:
[AverageRate] [money] NOT NULL ,  --平均汇率:
[EndOfDayRate] [money] NOT NULL ,  --收盘汇率:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[Customer] (			--客户:个人客户和商店客户(组)销售
[CustomerID] [int] IDENTITY (1,1) NOT NULL ,  --客户编号:主键, 自动编号
[PersonID] [int] NULL ,  --人员编号:个人客户
[StoreID] [int] NULL ,  --商店编号:商店客户
[TerritoryID] [int] NULL ,  --销售区域编号:
[AccountNumber] [varchar](10) NOT NULL ,  --客户账号:AW 加八位客户编号
[CreditLimit] [money] DEFAULT ((0.00)) NOT NULL ,  --信用额度:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [dbo].[DatabaseLog] (			--架构日志:数据库架构变更的记录(组)系统
[DatabaseLogID] [int] IDENTITY (1,1) NOT NULL ,  --架构日志编号:主键, 自动编号
[PostTime] [datetime] NOT NULL ,  --发生时间:
[DatabaseUser] [sysname] NOT NULL ,  --数据库用户:
[Event] [sysname] NOT NULL ,  --事件:
[Schema] [sysname] NULL ,  --架构:
[Object] [sysname] NULL ,  --对象:
[TSQL] [nvarchar](max) NOT NULL ,  --语句:
[XmlEvent] [xml] NOT NULL   --事件数据:
) ON [PRIMARY]

CREATE TABLE [HumanResources].[Department] (			--部门:公司内部的部门, 可多级(组)人力资源
[DepartmentID] [smallint] IDENTITY (1,1) NOT NULL ,  --部门编号:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[GroupName] [nvarchar](50) NOT NULL ,  --部门组:部门所属的上级分组名称
[ParentDepartmentID] [smallint] NULL ,  --上级部门编号:空表示顶级部门
[CostCenterCode] [varchar](10) NULL ,  --成本中心:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Person].[EmailAddress] (			--电子邮件:人员的电子邮件地址(组)基础资料
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[EmailAddressID] [int] IDENTITY (1,1) NOT NULL ,  --邮件编号:
[EmailAddress] [nvarchar](50) NULL ,  --电子邮件地址:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [HumanResources].[Employee] (			--员工:员工信息- 职务、生日、婚姻状况、入职日期(组)人力资源
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:员工的主键, 引用人员
[NationalIDNumber] [nvarchar](15) NOT NULL ,  --身份证号:
[LoginID] [nvarchar](256) NOT NULL ,  --登录名:
[ManagerID] [int] NULL ,  --经理编号:直属上级, 引用员工
[JobTitle] [nvarchar](50) NOT NULL ,  --职务:
[BirthDate] [date] NOT NULL ,  --出生日期:
[MaritalStatus] [nchar](1) NOT NULL ,  --婚姻状况:M 已婚, S 单身
[Gender] [nchar](1) NOT NULL ,  --性别:M 男, F 女
[HireDate] [date] NOT NULL ,  --入职日期:
[SalariedFlag] [bit] DEFAULT ((1)) NOT NULL ,  --计薪方式:0 计时, 1 月薪
[VacationHours] [smallint] DEFAULT ((0)) NOT NULL ,  --年假小时数:
[SickLeaveHours] [smallint] DEFAULT ((0)) NOT NULL ,  --病假小时数:
[CurrentFlag] [bit] DEFAULT ((1)) NOT NULL ,  --在职:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [HumanResources].[EmployeeDepartmentHistory] (			--部门履历:员工所在部门的历史, 含当前部门(组)人力资源
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[DepartmentID] [smallint] NOT NULL ,  --部门编号:
[ShiftID] [tinyint] NOT NULL ,  --班次编号:
[StartDate] [date] NOT NULL ,  --开始日期:
[EndDate] [date] NULL ,  --结束日期:空表示当前所在部门
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [HumanResources].[EmployeePayHistory] (			--薪资履历:员工薪资变动记录(组)人力资源
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[RateChangeDate] [datetime] NOT NULL ,  --调薪日期:
[Rate] [money] NOT NULL ,  --时薪:
[PayFrequency] [tinyint] NOT NULL ,  --发薪频率:1 每月, 2 每两周
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[GeneralLedgerAccount] (			--会计科目:总账科目, 可多级(组)财务
[AccountID] [int] IDENTITY (1,1) NOT NULL ,  --科目编号:主键, 自动编号
[AccountCode] [varchar](20) NOT NULL ,  --科目代码:
[Name] [nvarchar](100) NOT NULL ,  --名称:
[ParentAccountID] [int] NULL ,  --上级科目编号:空表示一级科目
[AccountType] [tinyint] NOT NULL ,  --科目类别:1 资产, 2 负债, 3 权益, 4 收入, 5 费用
[IsActive] [bit] DEFAULT ((1)) NOT NULL ,  --启用:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[GoodsReceipt] (			--收货单:供应商送货的收货记录(组)采购
[GoodsReceiptID] [int] IDENTITY (1,1) NOT NULL ,  --收货单编号:主键, 自动编号
[VendorID] [int] NOT NULL ,  --供应商编号:
[WarehouseID] [int] NOT NULL ,  --仓库编号:
[ReceiptDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --收货日期:
[ReceivedByID] [int] NOT NULL ,  --收货人编号:收货的员工
[DeliveryNoteNumber] [nvarchar](25) NULL ,  --送货单号:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[GoodsReceiptLine] (			--收货明细:收货单的产品行, 对应采购明细(组)采购
[GoodsReceiptID] [int] NOT NULL ,  --收货单编号:
[LineNumber] [smallint] NOT NULL ,  --行号:
[PurchaseOrderID] [int] NOT NULL ,  --采购订单编号:
[PurchaseOrderDetailID] [int] NOT NULL ,  --采购明细编号:
[LocationID] [smallint] NOT NULL ,  --库位编号:
[ReceivedQty] [decimal](8,2) NOT NULL ,  --收货数量:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[Invoice] (			--销售发票:开给客户的发票(组)财务
[InvoiceID] [int] IDENTITY (1,1) NOT NULL ,  --发票编号:主键, 自动编号
[InvoiceNumber] [nvarchar](30) NOT NULL ,  --发票号:
[CustomerID] [int] NOT NULL ,  --客户编号:
[SalesOrderID] [int] NULL ,  --销售订单编号:
[CurrencyCode] [nchar](3) NOT NULL ,  --币种代码:
[InvoiceDate] [date] NOT NULL ,  --开票日期:
[DueDate] [date] NOT NULL ,  --到期日:
[TotalDue] [money] DEFAULT ((0.00)) NOT NULL ,  --应收金额:
[AmountPaid] [money] DEFAULT ((0.00)) NOT NULL ,  --已收金额:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[InvoiceLine] (			--发票明细:发票的行, 对应销售明细(组)财务
[InvoiceID] [int] NOT NULL ,  --发票编号:
[LineNumber] [smallint] NOT NULL ,  --行号:
[SalesOrderID] [int] NOT NULL ,  --销售订单编号:
[SalesOrderDetailID] [int] NOT NULL ,  --销售明细编号:
[Quantity] [smallint] NOT NULL ,  --数量:
[LineTotal] [money] NOT NULL ,  --金额:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [HumanResources].[JobCandidate] (			--应聘者:应聘者提交的简历(组)人力资源
[JobCandidateID] [int] IDENTITY (1,1) NOT NULL ,  --应聘者编号:主键, 自动编号
[BusinessEntityID] [int] NULL ,  --业务实体编号:已录用时为员工编号
[Resume] [xml] NULL ,  --简历:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[JournalEntry] (			--记账凭证:总账凭证抬头(组)财务
[JournalEntryID] [int] IDENTITY (1,1) NOT NULL ,  --凭证编号:主键, 自动编号
[EntryDate] [date] NOT NULL ,  --记账日期:
[Description] [nvarchar](200) NULL ,  --摘要:
[PostedByID] [int] NOT NULL ,  --记账人编号:记账的员工
[IsPosted] [bit] DEFAULT ((0)) NOT NULL ,  --已过账:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[JournalEntryLine] (			--凭证分录:凭证的借贷分录(组)财务
[JournalEntryID] [int] NOT NULL ,  --凭证编号:
[LineNumber] [smallint] NOT NULL ,  --行号:
[AccountID] [int] NOT NULL ,  --科目编号:
[DebitAmount] [money] DEFAULT ((0.00)) NOT NULL ,  --借方金额:
[CreditAmount] [money] DEFAULT ((0.00)) NOT NULL ,  --贷方金额:
[DepartmentID] [smallint] NULL ,  --部门编号:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [HumanResources].[LeaveRequest] (			--请假单:员工请假申请与审批(组)人力资源
[LeaveRequestID] [int] IDENTITY (1,1) NOT NULL ,  --请假单编号:主键, 自动编号
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[ApproverID] [int] NULL ,  --审批人编号:审批的员工
[LeaveType] [tinyint] NOT NULL ,  --请假类型:1 年假, 2 病假, 3 事假
[StartDate] [date] NOT NULL ,  --开始日期:
[EndDate] [date] NOT NULL ,  --结束日期:
[Status] [tinyint] DEFAULT ((1)) NOT NULL ,  --状态:1 待审, 2 批准, 3 驳回
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[Location] (			--库位:仓库中的库位, 可多级(组)库存
[LocationID] [smallint] IDENTITY (1,1) NOT NULL ,  --库位编号:
[WarehouseID] [int] NOT NULL ,  --仓库编号:
[ParentLocationID] [smallint] NULL ,  --上级库位编号:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[CostRate] [smallmoney] DEFAULT ((0.00)) NOT NULL ,  --费率:
[Availability] [decimal](8,2) DEFAULT ((0.00)) NOT NULL ,  --可用工时:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[Payment] (			--收款:客户的付款(组)财务
[PaymentID] [int] IDENTITY (1,1) NOT NULL ,  --收款编号:主键, 自动编号
[CustomerID] [int] NOT NULL ,  --客户编号:
[PaymentMethodID] [int] NOT NULL ,  --付款方式编号:
[CurrencyCode] [nchar](3) NOT NULL ,  --币种代码:
[PaymentDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --收款日期:
[Amount] [money] NOT NULL ,  --金额:
[ReferenceNumber] [nvarchar](50) NULL ,  --凭证号:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[PaymentAllocation] (			--收款核销:收款冲销到发票的金额(组)财务
[PaymentID] [int] NOT NULL ,  --收款编号:
[InvoiceID] [int] NOT NULL ,  --发票编号:
[AllocatedAmount] [money] NOT NULL ,  --核销金额:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Finance].[PaymentMethod] (			--付款方式:现金、转账、信用卡等(组)财务
[PaymentMethodID] [int] IDENTITY (1,1) NOT NULL ,  --付款方式编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[RequiresReference] [bit] DEFAULT ((0)) NOT NULL ,  --需填凭证号:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Person].[Person] (			--人员:员工、客户联系人和供应商联系人(组)基础资料
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:人员的主键, 同时引用业务实体
[PersonType] [nchar](2) NOT NULL ,  --人员类型:SC 商店联系人, IN 个人客户, SP 销售员, EM 员工, VC 供应商联系人
[NameStyle] [bit] DEFAULT ((0)) NOT NULL ,  --姓名顺序:0 表示西式姓名(名在前), 1 表示东方姓名(姓在前)
[Title] [nvarchar](8) NULL ,  --称谓:Mr. Ms. Dr. 等
[FirstName] [nvarchar](50) NOT NULL ,  --名:
[MiddleName] [nvarchar](50) NULL ,  --中间名:
[LastName] [nvarchar](50) NOT NULL ,  --姓:
[Suffix] [nvarchar](10) NULL ,  --后缀:
[EmailPromotion] [int] DEFAULT ((0)) NOT NULL ,  --邮件推广:0 不接收, 1 接收本公司, 2 接收合作伙伴
[AdditionalContactInfo] [xml] NULL ,  --其他联系方式:
[Demographics] [xml] NULL ,  --人口统计:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[Product] (			--产品:出售或用于生产的产品(组)产品
[ProductID] [int] IDENTITY (1,1) NOT NULL ,  --产品编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[ProductNumber] [nvarchar](25) NOT NULL ,  --产品编码:
[MakeFlag] [bit] DEFAULT ((1)) NOT NULL ,  --自制:0 外购, 1 自制
[FinishedGoodsFlag] [bit] DEFAULT ((1)) NOT NULL ,  --可销售:
[Color] [nvarchar](15) NULL ,  --颜色:
[SafetyStockLevel] [smallint] NOT NULL ,  --安全库存:
[ReorderPoint] [smallint] NOT NULL ,  --再订货点:
[StandardCost] [money] NOT NULL ,  --标准成本:
[ListPrice] [money] NOT NULL ,  --标价:
[Size] [nvarchar](5) NULL ,  --尺寸:
[SizeUnitMeasureCode] [nchar](3) NULL ,  --尺寸单位:
[WeightUnitMeasureCode] [nchar](3) NULL ,  --重量单位:
[Weight] [decimal](8,2) NULL ,  --重量:
[DaysToManufacture] [int] NOT NULL ,  --生产天数:
[ProductSubcategoryID] [int] NULL ,  --子类编号:
[ProductModelID] [int] NULL ,  --型号编号:
[SellStartDate] [datetime] NOT NULL ,  --开售日期:
[SellEndDate] [datetime] NULL ,  --停售日期:
[DiscontinuedDate] [datetime] NULL ,  --停产日期:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[ProductCategory] (			--产品大类:产品大类, 可多级(组)产品
[ProductCategoryID] [int] IDENTITY (1,1) NOT NULL ,  --大类编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[ParentCategoryID] [int] NULL ,  --上级大类编号:空表示顶级
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[ProductCostHistory] (			--成本履历:产品标准成本的变动(组)产品
[ProductID] [int] NOT NULL ,  --产品编号:
[StartDate] [datetime] NOT NULL ,  --开始日期:
[EndDate] [datetime] NULL ,  --结束日期:
[StandardCost] [money] NOT NULL ,  --标准成本:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[ProductInventory] (			--产品库存:各库位的产品数量(组)库存
[ProductID] [int] NOT NULL ,  --产品编号:
[LocationID] [smallint] NOT NULL ,  --库位编号:
[Shelf] [nvarchar](10) NOT NULL ,  --货架:货架的字母编号
[Bin] [tinyint] NOT NULL ,  --货格:
[Quantity] [smallint] DEFAULT ((0)) NOT NULL ,  --数量:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[ProductListPriceHistory] (			--价格履历:产品标价的变动(组)产品
[ProductID] [int] NOT NULL ,  --产品编号:
[StartDate] [datetime] NOT NULL ,  --开始日期:
[EndDate] [datetime] NULL ,  --结束日期:
[ListPrice] [money] NOT NULL ,  --标价:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[ProductModel] (			--产品型号:产品型号与说明书(组)产品
[ProductModelID] [int] IDENTITY (1,1) NOT NULL ,  --型号编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[CatalogDescription] [xml] NULL ,  --目录说明:
[Instructions] [xml] NULL ,  --制造说明:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[ProductPhoto] (			--产品图片:产品的大图和缩略图(组)产品
[ProductPhotoID] [int] IDENTITY (1,1) NOT NULL ,  --图片编号:主键, 自动编号
[ThumbNailPhoto] [varbinary](max) NULL ,  --缩略图:
[ThumbnailPhotoFileName] [nvarchar](50) NULL ,  --缩略图文件名:
[LargePhoto] [varbinary](max) NULL ,  --大图:
[LargePhotoFileName] [nvarchar](50) NULL ,  --大图文件名:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[ProductProductPhoto] (			--产品图片关系:产品与图片的多对多关系(组)产品
[ProductID] [int] NOT NULL ,  --产品编号:
[ProductPhotoID] [int] NOT NULL ,  --图片编号:
[Primary] [bit] DEFAULT ((0)) NOT NULL ,  --主图:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[ProductSubcategory] (			--产品子类:产品大类下的子类(组)产品
[ProductSubcategoryID] [int] IDENTITY (1,1) NOT NULL ,  --子类编号:主键, 自动编号
[ProductCategoryID] [int] NOT NULL ,  --大类编号:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[ProductVendor] (			--产品供应商:产品与供应商的对应和采购条件(组)采购
[ProductID] [int] NOT NULL ,  --产品编号:
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[AverageLeadTime] [int] NOT NULL ,  --平均交货天数:
[StandardPrice] [money] NOT NULL ,  --标准价:
[LastReceiptCost] [money] NULL ,  --上次进价:
[LastReceiptDate] [datetime] NULL ,  --上次进货日期:
[MinOrderQty] [int] NOT NULL ,  --最小订量:
[MaxOrderQty] [int] NOT NULL ,  --最大订量:
[OnOrderQty] [int] NULL ,  --在途数量:
[UnitMeasureCode] [nchar](3) NOT NULL ,  --单位代码:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[PurchaseOrderDetail] (			--采购明细:采购订单的产品行(组)采购
[PurchaseOrderID] [int] NOT NULL ,  --采购订单编号:
[PurchaseOrderDetailID] [int] IDENTITY (1,1) NOT NULL ,  --采购明细编号:
[DueDate] [datetime] NOT NULL ,  --到货日期:
[OrderQty] [smallint] NOT NULL ,  --订购数量:
[ProductID] [int] NOT NULL ,  --产品编号:
[UnitPrice] [money] NOT NULL ,  --单价:
[ReceivedQty] [decimal](8,2) NOT NULL ,  --收货数量:
[RejectedQty] [decimal](8,2) NOT NULL ,  --拒收数量:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[PurchaseOrderHeader] (			--采购订单:采购订单抬头(组)采购
[PurchaseOrderID] [int] IDENTITY (1,1) NOT NULL ,  --采购订单编号:主键, 自动编号
[RevisionNumber] [tinyint] DEFAULT ((0)) NOT NULL ,  --修订号:
[Status] [tinyint] DEFAULT ((1)) NOT NULL ,  --状态:1 待审, 2 批准, 3 驳回, 4 完成
[EmployeeID] [int] NOT NULL ,  --采购员编号:下单的员工
[VendorID] [int] NOT NULL ,  --供应商编号:
[ShipMethodID] [int] NOT NULL ,  --运输方式编号:
[OrderDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --订单日期:
[ShipDate] [datetime] NULL ,  --发货日期:
[SubTotal] [money] DEFAULT ((0.00)) NOT NULL ,  --小计:
[TaxAmt] [money] DEFAULT ((0.00)) NOT NULL ,  --税额:
[Freight] [money] DEFAULT ((0.00)) NOT NULL ,  --运费:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SalesOrderDetail] (			--销售明细:销售订单的产品行(组)销售
[SalesOrderID] [int] NOT NULL ,  --销售订单编号:
[SalesOrderDetailID] [int] IDENTITY (1,1) NOT NULL ,  --销售明细编号:
[CarrierTrackingNumber] [nvarchar](25) NULL ,  --运单号:
[OrderQty] [smallint] NOT NULL ,  --数量:
[SpecialOfferID] [int] NOT NULL ,  --促销编号:
[ProductID] [int] NOT NULL ,  --产品编号:
[UnitPrice] [money] NOT NULL ,  --单价:
[UnitPriceDiscount] [money] DEFAULT ((0.0)) NOT NULL ,  --单价折扣:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SalesOrderHeader] (			--销售订单:销售订单抬头(组)销售
[SalesOrderID] [int] IDENTITY (1,1) NOT NULL ,  --销售订单编号:主键, 自动编号
[RevisionNumber] [tinyint] DEFAULT ((0)) NOT NULL ,  --修订号:
[OrderDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --订单日期:
[DueDate] [datetime] NOT NULL ,  --交货日期:
[ShipDate] [datetime] NULL ,  --发货日期:
[Status] [tinyint] DEFAULT ((1)) NOT NULL ,  --状态:1 处理中, 2 已批准, 3 缺货, 4 已拒绝, 5 已发货, 6 已取消
[OnlineOrderFlag] [bit] DEFAULT ((1)) NOT NULL ,  --网上订单:
[PurchaseOrderNumber] [nvarchar](25) NULL ,  --客户采购单号:
[CustomerID] [int] NOT NULL ,  --客户编号:
[SalesPersonID] [int] NULL ,  --销售员编号:
[BillToAddressID] [int] NOT NULL ,  --账单地址编号:
[ShipToAddressID] [int] NOT NULL ,  --收货地址编号:
[ShipMethodID] [int] NOT NULL ,  --运输方式编号:
[CreditCardID] [int] NULL ,  --信用卡编号:
[CurrencyRateID] [int] NULL ,  --汇率编号:
[SubTotal] [money] DEFAULT ((0.00)) NOT NULL ,  --小计:
[TaxAmt] [money] DEFAULT ((0.00)) NOT NULL ,  --税额:
[Freight] [money] DEFAULT ((0.00)) NOT NULL ,  --运费:
[Comment] [nvarchar](128) NULL ,  --备注:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SalesOrderHeaderSalesReason] (			--订单购买原因:销售订单与购买原因的对应(组)销售
[SalesOrderID] [int] NOT NULL ,  --销售订单编号:
[SalesReasonID] [int] NOT NULL ,  --购买原因编号:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SalesPerson] (			--销售员:销售代表及其业绩(组)销售
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[TerritoryID] [int] NULL ,  --销售区域编号:
[SalesQuota] [money] NULL ,  --销售定额:
[Bonus] [money] DEFAULT ((0.00)) NOT NULL ,  --奖金:
[CommissionPct] [smallmoney] DEFAULT ((0.00)) NOT NULL ,  --提成比例:
[SalesYTD] [money] DEFAULT ((0.00)) NOT NULL ,  --本年销售额:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SalesReason] (			--购买原因:客户购买的原因(组)销售
[SalesReasonID] [int] IDENTITY (1,1) NOT NULL ,  --购买原因编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[ReasonType] [nvarchar](50) NOT NULL ,  --原因类别:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SalesTerritory] (			--销售区域:销售区域及其业绩(组)销售
[TerritoryID] [int] IDENTITY (1,1) NOT NULL ,  --销售区域编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[CountryRegionCode] [nvarchar](3) NOT NULL ,  --国家地区代码:
[Group] [nvarchar](50) NOT NULL ,  --区域组:
[SalesYTD] [money] DEFAULT ((0.00)) NOT NULL ,  --本年销售额:
[SalesLastYear] [money] DEFAULT ((0.00)) NOT NULL ,  --去年销售额:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [HumanResources].[Shift] (			--班次:工作班次(组)人力资源
[ShiftID] [tinyint] IDENTITY (1,1) NOT NULL ,  --班次编号:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[StartTime] [time] NOT NULL ,  --开始时间:
[EndTime] [time] NOT NULL ,  --结束时间:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[ShipMethod] (			--运输方式:运输公司和运费(组)采购
[ShipMethodID] [int] IDENTITY (1,1) NOT NULL ,  --运输方式编号:主键, 自动编号
[Name] [nvarchar](50) NOT NULL ,  --名称:
[ShipBase] [money] DEFAULT ((0.00)) NOT NULL ,  --起步运费:
[ShipRate] [money] DEFAULT ((0.00)) NOT NULL ,  --单位运费:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SpecialOffer] (			--促销:促销折扣(组)销售
[SpecialOfferID] [int] IDENTITY (1,1) NOT NULL ,  --促销编号:主键, 自动编号
[Description] [nvarchar](255) NOT NULL ,  --说明:
[DiscountPct] [smallmoney] DEFAULT ((0.00)) NOT NULL ,  --折扣率:
[Type] [nvarchar](50) NOT NULL ,  --折扣类型:
[StartDate] [datetime] NOT NULL ,  --开始日期:
[EndDate] [datetime] NOT NULL ,  --结束日期:
[MinQty] [int] DEFAULT ((0)) NOT NULL ,  --最少数量:
[MaxQty] [int] NULL ,  --最多数量:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[SpecialOfferProduct] (			--促销产品:参加促销的产品(组)销售
[SpecialOfferID] [int] NOT NULL ,  --促销编号:
[ProductID] [int] NOT NULL ,  --产品编号:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Person].[StateProvince] (			--省州:国家地区下的省、州(组)基础资料
[StateProvinceID] [int] IDENTITY (1,1) NOT NULL ,  --省州编号:主键, 自动编号
[StateProvinceCode] [nchar](3) NOT NULL ,  --省州代码:
[CountryRegionCode] [nvarchar](3) NOT NULL ,  --国家地区代码:
[IsOnlyStateProvinceFlag] [bit] DEFAULT ((1)) NOT NULL ,  --仅此省州:0 表示省州代码可用, 1 表示用国家地区代码代替
[Name] [nvarchar](50) NOT NULL ,  --名称:
[TerritoryID] [int] NOT NULL ,  --销售区域编号:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[StockCount] (			--盘点单:仓库盘点(组)库存
[StockCountID] [int] IDENTITY (1,1) NOT NULL ,  --盘点单编号:主键, 自动编号
[WarehouseID] [int] NOT NULL ,  --仓库编号:
[CountDate] [date] NOT NULL ,  --盘点日期:
[CountedByID] [int] NOT NULL ,  --盘点人编号:负责盘点的员工
[Status] [tinyint] DEFAULT ((1)) NOT NULL ,  --状态:1 进行中, 2 已完成, 3 已过账
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[StockCountLine] (			--盘点明细:每个库位每种产品的盘点数量(组)库存
[StockCountID] [int] NOT NULL ,  --盘点单编号:
[LineNumber] [smallint] NOT NULL ,  --行号:
[ProductID] [int] NOT NULL ,  --产品编号:
[LocationID] [smallint] NOT NULL ,  --库位编号:
[SystemQuantity] [int] NOT NULL ,  --账面数量:
[CountedQuantity] [int] NOT NULL ,  --实盘数量:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Sales].[Store] (			--商店:经销本公司产品的商店(组)销售
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[SalesPersonID] [int] NULL ,  --销售员编号:
[Demographics] [xml] NULL ,  --经营概况:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [dbo].[SystemSetting] (			--系统参数:系统级参数设置(组)系统
[SettingKey] [varchar](64) NOT NULL ,  --参数名:
[SettingValue] [nvarchar](400) NULL ,  --参数值:
[Description] [nvarchar](200) NULL ,  --说明:
[ModifiedByID] [int] NULL ,  --修改人编号:最后修改的用户
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[TransactionHistory] (			--库存流水:采购、销售和生产引起的库存变动(组)库存
[TransactionID] [int] IDENTITY (1,1) NOT NULL ,  --流水编号:自 100000 起编号
[ProductID] [int] NOT NULL ,  --产品编号:
[ReferenceOrderID] [int] NOT NULL ,  --单据编号:
[ReferenceOrderLineID] [int] DEFAULT ((0)) NOT NULL ,  --单据行号:
[TransactionDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --发生日期:
[TransactionType] [nchar](1) NOT NULL ,  --流水类型:W 生产, S 销售, P 采购
[Quantity] [int] NOT NULL ,  --数量:
[ActualCost] [money] NOT NULL ,  --实际成本:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[TransferOrder] (			--调拨单:仓库之间的调拨(组)库存
[TransferOrderID] [int] IDENTITY (1,1) NOT NULL ,  --调拨单编号:主键, 自动编号
[FromWarehouseID] [int] NOT NULL ,  --调出仓库编号:
[ToWarehouseID] [int] NOT NULL ,  --调入仓库编号:
[OrderDate] [datetime] DEFAULT (getdate()) NOT NULL ,  --调拨日期:
[ShipDate] [datetime] NULL ,  --发出日期:
[Status] [tinyint] DEFAULT ((1)) NOT NULL ,  --状态:
[rowguid] [uniqueidentifier] DEFAULT (newid()) NOT NULL ,  --行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[TransferOrderLine] (			--调拨明细:调拨单的产品明细(组)库存
[TransferOrderID] [int] NOT NULL ,  --调拨单编号:
[LineNumber] [smallint] NOT NULL ,  --行号:
[ProductID] [int] NOT NULL ,  --产品编号:
[FromLocationID] [smallint] NOT NULL ,  --调出库位编号:
[Quantity] [int] NOT NULL ,  --数量:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Production].[UnitMeasure] (			--计量单位:计量单位代码(组)产品
[UnitMeasureCode] [nchar](3) NOT NULL ,  --单位代码:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[Vendor] (			--供应商:提供产品的公司(组)采购
[BusinessEntityID] [int] NOT NULL ,  --业务实体编号:
[AccountNumber] [nvarchar](15) NOT NULL ,  --账号:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[CreditRating] [tinyint] NOT NULL ,  --信用等级:1 优秀, 2 良好, 3 一般, 4 较差, 5 差
[PreferredVendorStatus] [bit] DEFAULT ((1)) NOT NULL ,  --首选供应商:
[ActiveFlag] [bit] DEFAULT ((1)) NOT NULL ,  --有效:
[PurchasingWebServiceURL] [nvarchar](1024) NULL ,  --采购服务网址:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[VendorContact] (			--供应商联系人:供应商的联系人(组)采购
[VendorID] [int] NOT NULL ,  --供应商编号:
[PersonID] [int] NOT NULL ,  --人员编号:
[ContactTypeName] [nvarchar](50) NOT NULL ,  --联系人类型:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Purchasing].[VendorInvoice] (			--供应商发票:供应商开具的发票(组)采购
[VendorInvoiceID] [int] IDENTITY (1,1) NOT NULL ,  --供应商发票编号:主键, 自动编号
[VendorID] [int] NOT NULL ,  --供应商编号:
[PurchaseOrderID] [int] NULL ,  --采购订单编号:
[InvoiceNumber] [nvarchar](30) NOT NULL ,  --发票号:
[InvoiceDate] [date] NOT NULL ,  --开票日期:
[DueDate] [date] NOT NULL ,  --到期日:
[TotalDue] [money] NOT NULL ,  --应付金额:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]

CREATE TABLE [Inventory].[Warehouse] (			--仓库:存放产品的仓库(组)库存
[WarehouseID] [int] IDENTITY (1,1) NOT NULL ,  --仓库编号:主键, 自动编号
[WarehouseCode] [varchar](10) NOT NULL ,  --仓库代码:
[Name] [nvarchar](50) NOT NULL ,  --名称:
[AddressID] [int] NULL ,  --地址编号:
[ManagerID] [int] NULL ,  --负责人编号:负责的员工
[IsActive] [bit] DEFAULT ((1)) NOT NULL ,  --启用:
[ModifiedDate] [datetime] DEFAULT (getdate()) NOT NULL   --修改日期:行最后一次修改的日期和时间
) ON [PRIMARY]



exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'AddressID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'AddressLine1'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'AddressLine2'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'City'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'StateProvinceID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'PostalCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'SpatialLocation'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Address', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'地址:客户、员工和供应商的街道地址(组)基础资料', N'user', N'Person', N'table', N'Address'
GO
exec sp_addextendedproperty N'MS_Description', N'地址编号:主键, 自动编号', N'user', N'Person', N'table', N'Address', N'column', N'AddressID'
GO
exec sp_addextendedproperty N'MS_Description', N'地址行1:', N'user', N'Person', N'table', N'Address', N'column', N'AddressLine1'
GO
exec sp_addextendedproperty N'MS_Description', N'地址行2:', N'user', N'Person', N'table', N'Address', N'column', N'AddressLine2'
GO
exec sp_addextendedproperty N'MS_Description', N'城市:', N'user', N'Person', N'table', N'Address', N'column', N'City'
GO
exec sp_addextendedproperty N'MS_Description', N'省州编号:', N'user', N'Person', N'table', N'Address', N'column', N'StateProvinceID'
GO
exec sp_addextendedproperty N'MS_Description', N'邮政编码:', N'user', N'Person', N'table', N'Address', N'column', N'PostalCode'
GO
exec sp_addextendedproperty N'MS_Description', N'地理位置:', N'user', N'Person', N'table', N'Address', N'column', N'SpatialLocation'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Person', N'table', N'Address', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'Address', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'AddressType'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'AddressType', N'column', N'AddressTypeID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'AddressType', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'AddressType', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'AddressType', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'地址类型:账单、家庭、发货等地址类型(组)基础资料', N'user', N'Person', N'table', N'AddressType'
GO
exec sp_addextendedproperty N'MS_Description', N'地址类型编号:主键, 自动编号', N'user', N'Person', N'table', N'AddressType', N'column', N'AddressTypeID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Person', N'table', N'AddressType', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Person', N'table', N'AddressType', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'AddressType', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppRole'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppRole', N'column', N'RoleID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppRole', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppRole', N'column', N'Description'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppRole', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'角色:权限角色(组)系统', N'user', N'dbo', N'table', N'AppRole'
GO
exec sp_addextendedproperty N'MS_Description', N'角色编号:主键, 自动编号', N'user', N'dbo', N'table', N'AppRole', N'column', N'RoleID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'AppRole', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'说明:', N'user', N'dbo', N'table', N'AppRole', N'column', N'Description'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'dbo', N'table', N'AppRole', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'UserID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'LoginName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'PasswordHash'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'PasswordSalt'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'IsLocked'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'LastLoginTime'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUser', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'系统用户:登录本系统的用户(组)系统', N'user', N'dbo', N'table', N'AppUser'
GO
exec sp_addextendedproperty N'MS_Description', N'用户编号:主键, 自动编号', N'user', N'dbo', N'table', N'AppUser', N'column', N'UserID'
GO
exec sp_addextendedproperty N'MS_Description', N'登录名:', N'user', N'dbo', N'table', N'AppUser', N'column', N'LoginName'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:对应的员工', N'user', N'dbo', N'table', N'AppUser', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'密码散列:', N'user', N'dbo', N'table', N'AppUser', N'column', N'PasswordHash'
GO
exec sp_addextendedproperty N'MS_Description', N'密码盐:', N'user', N'dbo', N'table', N'AppUser', N'column', N'PasswordSalt'
GO
exec sp_addextendedproperty N'MS_Description', N'已锁定:', N'user', N'dbo', N'table', N'AppUser', N'column', N'IsLocked'
GO
exec sp_addextendedproperty N'MS_Description', N'最后登录时间:', N'user', N'dbo', N'table', N'AppUser', N'column', N'LastLoginTime'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'dbo', N'table', N'AppUser', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'dbo', N'table', N'AppUser', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUserRole'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'UserID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'RoleID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'GrantedDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'GrantedByID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'用户角色:用户与角色的对应(组)系统', N'user', N'dbo', N'table', N'AppUserRole'
GO
exec sp_addextendedproperty N'MS_Description', N'用户编号:', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'UserID'
GO
exec sp_addextendedproperty N'MS_Description', N'角色编号:', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'RoleID'
GO
exec sp_addextendedproperty N'MS_Description', N'授权日期:', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'GrantedDate'
GO
exec sp_addextendedproperty N'MS_Description', N'授权人编号:授权的用户', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'GrantedByID'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'dbo', N'table', N'AppUserRole', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'AttendanceID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'WorkDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ShiftID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ClockIn'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ClockOut'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'OvertimeMinutes'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'考勤:员工每日打卡记录(组)人力资源', N'user', N'HumanResources', N'table', N'Attendance'
GO
exec sp_addextendedproperty N'MS_Description', N'考勤编号:主键, 自动编号', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'AttendanceID'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'工作日期:', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'WorkDate'
GO
exec sp_addextendedproperty N'MS_Description', N'班次编号:', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ShiftID'
GO
exec sp_addextendedproperty N'MS_Description', N'上班打卡:', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ClockIn'
GO
exec sp_addextendedproperty N'MS_Description', N'下班打卡:', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ClockOut'
GO
exec sp_addextendedproperty N'MS_Description', N'加班分钟:', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'OvertimeMinutes'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'Attendance', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'AuditLogID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'UserID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'TableName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'Operation'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'KeyValue'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'OldValues'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'NewValues'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'ChangedTime'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'AuditLog', N'column', N'HostName'
GO


exec sp_addextendedproperty N'MS_Description', N'审计日志:数据变更的审计记录(组)系统', N'user', N'dbo', N'table', N'AuditLog'
GO
exec sp_addextendedproperty N'MS_Description', N'审计日志编号:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'AuditLogID'
GO
exec sp_addextendedproperty N'MS_Description', N'用户编号:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'UserID'
GO
exec sp_addextendedproperty N'MS_Description', N'表名:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'TableName'
GO
exec sp_addextendedproperty N'MS_Description', N'操作:I 插入, U 更新, D 删除', N'user', N'dbo', N'table', N'AuditLog', N'column', N'Operation'
GO
exec sp_addextendedproperty N'MS_Description', N'主键值:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'KeyValue'
GO
exec sp_addextendedproperty N'MS_Description', N'旧值:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'OldValues'
GO
exec sp_addextendedproperty N'MS_Description', N'新值:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'NewValues'
GO
exec sp_addextendedproperty N'MS_Description', N'变更时间:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'ChangedTime'
GO
exec sp_addextendedproperty N'MS_Description', N'主机名:', N'user', N'dbo', N'table', N'AuditLog', N'column', N'HostName'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'BillOfMaterialsID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'ProductAssemblyID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'ComponentID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'StartDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'EndDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'UnitMeasureCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'BOMLevel'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'PerAssemblyQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'物料清单:生产产品所需的部件及数量(组)产品', N'user', N'Production', N'table', N'BillOfMaterials'
GO
exec sp_addextendedproperty N'MS_Description', N'清单编号:主键, 自动编号', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'BillOfMaterialsID'
GO
exec sp_addextendedproperty N'MS_Description', N'父件编号:空表示顶层组件', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'ProductAssemblyID'
GO
exec sp_addextendedproperty N'MS_Description', N'子件编号:', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'ComponentID'
GO
exec sp_addextendedproperty N'MS_Description', N'开始日期:', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'StartDate'
GO
exec sp_addextendedproperty N'MS_Description', N'结束日期:', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'EndDate'
GO
exec sp_addextendedproperty N'MS_Description', N'单位代码:', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'UnitMeasureCode'
GO
exec sp_addextendedproperty N'MS_Description', N'层级:', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'BOMLevel'
GO
exec sp_addextendedproperty N'MS_Description', N'单件用量:', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'PerAssemblyQty'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'BillOfMaterials', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntity'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntity', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntity', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntity', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'业务实体:人员、商店和供应商共用的实体编号(组)基础资料', N'user', N'Person', N'table', N'BusinessEntity'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:主键, 自动编号', N'user', N'Person', N'table', N'BusinessEntity', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Person', N'table', N'BusinessEntity', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'BusinessEntity', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntityAddress'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'AddressID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'AddressTypeID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'实体地址:业务实体与地址的对应关系(组)基础资料', N'user', N'Person', N'table', N'BusinessEntityAddress'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'地址编号:', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'AddressID'
GO
exec sp_addextendedproperty N'MS_Description', N'地址类型编号:', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'AddressTypeID'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'BusinessEntityAddress', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'CountryRegion'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'CountryRegion', N'column', N'CountryRegionCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'CountryRegion', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'CountryRegion', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'国家地区:ISO 国家和地区代码(组)基础资料', N'user', N'Person', N'table', N'CountryRegion'
GO
exec sp_addextendedproperty N'MS_Description', N'国家地区代码:ISO 标准代码', N'user', N'Person', N'table', N'CountryRegion', N'column', N'CountryRegionCode'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Person', N'table', N'CountryRegion', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'CountryRegion', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CreditCard'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CreditCard', N'column', N'CreditCardID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CreditCard', N'column', N'CardType'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CreditCard', N'column', N'CardNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CreditCard', N'column', N'ExpMonth'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CreditCard', N'column', N'ExpYear'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CreditCard', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'信用卡:客户的信用卡(组)财务', N'user', N'Finance', N'table', N'CreditCard'
GO
exec sp_addextendedproperty N'MS_Description', N'信用卡编号:主键, 自动编号', N'user', N'Finance', N'table', N'CreditCard', N'column', N'CreditCardID'
GO
exec sp_addextendedproperty N'MS_Description', N'卡类型:', N'user', N'Finance', N'table', N'CreditCard', N'column', N'CardType'
GO
exec sp_addextendedproperty N'MS_Description', N'卡号:', N'user', N'Finance', N'table', N'CreditCard', N'column', N'CardNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'到期月:', N'user', N'Finance', N'table', N'CreditCard', N'column', N'ExpMonth'
GO
exec sp_addextendedproperty N'MS_Description', N'到期年:', N'user', N'Finance', N'table', N'CreditCard', N'column', N'ExpYear'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'CreditCard', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Currency'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Currency', N'column', N'CurrencyCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Currency', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Currency', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'币种:ISO 货币代码(组)财务', N'user', N'Finance', N'table', N'Currency'
GO
exec sp_addextendedproperty N'MS_Description', N'币种代码:', N'user', N'Finance', N'table', N'Currency', N'column', N'CurrencyCode'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Finance', N'table', N'Currency', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'Currency', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'CurrencyRateID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'CurrencyRateDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'FromCurrencyCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'ToCurrencyCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'AverageRate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'EndOfDayRate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'汇率:每日汇率(组)财务', N'user', N'Finance', N'table', N'CurrencyRate'
GO
exec sp_addextendedproperty N'MS_Description', N'汇率编号:主键, 自动编号', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'CurrencyRateID'
GO
exec sp_addextendedproperty N'MS_Description', N'汇率日期:', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'CurrencyRateDate'
GO
exec sp_addextendedproperty N'MS_Description', N'源币种:', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'FromCurrencyCode'
GO
exec sp_addextendedproperty N'MS_Description', N'目标币种:', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'ToCurrencyCode'
GO
exec sp_addextendedproperty N'MS_Description', N'平均汇率:', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'AverageRate'
GO
exec sp_addextendedproperty N'MS_Description', N'收盘汇率:', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'EndOfDayRate'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'CurrencyRate', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'CustomerID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'PersonID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'StoreID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'TerritoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'AccountNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'CreditLimit'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Customer', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'客户:个人客户和商店客户(组)销售', N'user', N'Sales', N'table', N'Customer'
GO
exec sp_addextendedproperty N'MS_Description', N'客户编号:主键, 自动编号', N'user', N'Sales', N'table', N'Customer', N'column', N'CustomerID'
GO
exec sp_addextendedproperty N'MS_Description', N'人员编号:个人客户', N'user', N'Sales', N'table', N'Customer', N'column', N'PersonID'
GO
exec sp_addextendedproperty N'MS_Description', N'商店编号:商店客户', N'user', N'Sales', N'table', N'Customer', N'column', N'StoreID'
GO
exec sp_addextendedproperty N'MS_Description', N'销售区域编号:', N'user', N'Sales', N'table', N'Customer', N'column', N'TerritoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'客户账号:AW 加八位客户编号', N'user', N'Sales', N'table', N'Customer', N'column', N'AccountNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'信用额度:', N'user', N'Sales', N'table', N'Customer', N'column', N'CreditLimit'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'Customer', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'Customer', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'DatabaseLogID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'PostTime'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'DatabaseUser'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'Event'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'Schema'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'Object'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'TSQL'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'XmlEvent'
GO


exec sp_addextendedproperty N'MS_Description', N'架构日志:数据库架构变更的记录(组)系统', N'user', N'dbo', N'table', N'DatabaseLog'
GO
exec sp_addextendedproperty N'MS_Description', N'架构日志编号:主键, 自动编号', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'DatabaseLogID'
GO
exec sp_addextendedproperty N'MS_Description', N'发生时间:', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'PostTime'
GO
exec sp_addextendedproperty N'MS_Description', N'数据库用户:', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'DatabaseUser'
GO
exec sp_addextendedproperty N'MS_Description', N'事件:', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'Event'
GO
exec sp_addextendedproperty N'MS_Description', N'架构:', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'Schema'
GO
exec sp_addextendedproperty N'MS_Description', N'对象:', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'Object'
GO
exec sp_addextendedproperty N'MS_Description', N'语句:', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'TSQL'
GO
exec sp_addextendedproperty N'MS_Description', N'事件数据:', N'user', N'dbo', N'table', N'DatabaseLog', N'column', N'XmlEvent'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Department'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Department', N'column', N'DepartmentID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Department', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Department', N'column', N'GroupName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Department', N'column', N'ParentDepartmentID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Department', N'column', N'CostCenterCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Department', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'部门:公司内部的部门, 可多级(组)人力资源', N'user', N'HumanResources', N'table', N'Department'
GO
exec sp_addextendedproperty N'MS_Description', N'部门编号:', N'user', N'HumanResources', N'table', N'Department', N'column', N'DepartmentID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'HumanResources', N'table', N'Department', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'部门组:部门所属的上级分组名称', N'user', N'HumanResources', N'table', N'Department', N'column', N'GroupName'
GO
exec sp_addextendedproperty N'MS_Description', N'上级部门编号:空表示顶级部门', N'user', N'HumanResources', N'table', N'Department', N'column', N'ParentDepartmentID'
GO
exec sp_addextendedproperty N'MS_Description', N'成本中心:', N'user', N'HumanResources', N'table', N'Department', N'column', N'CostCenterCode'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'Department', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'EmailAddress'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'EmailAddress', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'EmailAddress', N'column', N'EmailAddressID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'EmailAddress', N'column', N'EmailAddress'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'EmailAddress', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'EmailAddress', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'电子邮件:人员的电子邮件地址(组)基础资料', N'user', N'Person', N'table', N'EmailAddress'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'Person', N'table', N'EmailAddress', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'邮件编号:', N'user', N'Person', N'table', N'EmailAddress', N'column', N'EmailAddressID'
GO
exec sp_addextendedproperty N'MS_Description', N'电子邮件地址:', N'user', N'Person', N'table', N'EmailAddress', N'column', N'EmailAddress'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Person', N'table', N'EmailAddress', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'EmailAddress', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'NationalIDNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'LoginID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'ManagerID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'JobTitle'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'BirthDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'MaritalStatus'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'Gender'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'HireDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'SalariedFlag'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'VacationHours'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'SickLeaveHours'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'CurrentFlag'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Employee', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'员工:员工信息- 职务、生日、婚姻状况、入职日期(组)人力资源', N'user', N'HumanResources', N'table', N'Employee'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:员工的主键, 引用人员', N'user', N'HumanResources', N'table', N'Employee', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'身份证号:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'NationalIDNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'登录名:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'LoginID'
GO
exec sp_addextendedproperty N'MS_Description', N'经理编号:直属上级, 引用员工', N'user', N'HumanResources', N'table', N'Employee', N'column', N'ManagerID'
GO
exec sp_addextendedproperty N'MS_Description', N'职务:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'JobTitle'
GO
exec sp_addextendedproperty N'MS_Description', N'出生日期:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'BirthDate'
GO
exec sp_addextendedproperty N'MS_Description', N'婚姻状况:M 已婚, S 单身', N'user', N'HumanResources', N'table', N'Employee', N'column', N'MaritalStatus'
GO
exec sp_addextendedproperty N'MS_Description', N'性别:M 男, F 女', N'user', N'HumanResources', N'table', N'Employee', N'column', N'Gender'
GO
exec sp_addextendedproperty N'MS_Description', N'入职日期:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'HireDate'
GO
exec sp_addextendedproperty N'MS_Description', N'计薪方式:0 计时, 1 月薪', N'user', N'HumanResources', N'table', N'Employee', N'column', N'SalariedFlag'
GO
exec sp_addextendedproperty N'MS_Description', N'年假小时数:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'VacationHours'
GO
exec sp_addextendedproperty N'MS_Description', N'病假小时数:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'SickLeaveHours'
GO
exec sp_addextendedproperty N'MS_Description', N'在职:', N'user', N'HumanResources', N'table', N'Employee', N'column', N'CurrentFlag'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'HumanResources', N'table', N'Employee', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'Employee', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'DepartmentID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'ShiftID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'StartDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'EndDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'部门履历:员工所在部门的历史, 含当前部门(组)人力资源', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'部门编号:', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'DepartmentID'
GO
exec sp_addextendedproperty N'MS_Description', N'班次编号:', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'ShiftID'
GO
exec sp_addextendedproperty N'MS_Description', N'开始日期:', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'StartDate'
GO
exec sp_addextendedproperty N'MS_Description', N'结束日期:空表示当前所在部门', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'EndDate'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'EmployeeDepartmentHistory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeePayHistory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'RateChangeDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'Rate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'PayFrequency'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'薪资履历:员工薪资变动记录(组)人力资源', N'user', N'HumanResources', N'table', N'EmployeePayHistory'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'调薪日期:', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'RateChangeDate'
GO
exec sp_addextendedproperty N'MS_Description', N'时薪:', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'Rate'
GO
exec sp_addextendedproperty N'MS_Description', N'发薪频率:1 每月, 2 每两周', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'PayFrequency'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'EmployeePayHistory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'AccountID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'AccountCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'ParentAccountID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'AccountType'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'IsActive'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'会计科目:总账科目, 可多级(组)财务', N'user', N'Finance', N'table', N'GeneralLedgerAccount'
GO
exec sp_addextendedproperty N'MS_Description', N'科目编号:主键, 自动编号', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'AccountID'
GO
exec sp_addextendedproperty N'MS_Description', N'科目代码:', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'AccountCode'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'上级科目编号:空表示一级科目', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'ParentAccountID'
GO
exec sp_addextendedproperty N'MS_Description', N'科目类别:1 资产, 2 负债, 3 权益, 4 收入, 5 费用', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'AccountType'
GO
exec sp_addextendedproperty N'MS_Description', N'启用:', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'IsActive'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'GeneralLedgerAccount', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'GoodsReceiptID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'VendorID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'WarehouseID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'ReceiptDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'ReceivedByID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'DeliveryNoteNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'收货单:供应商送货的收货记录(组)采购', N'user', N'Purchasing', N'table', N'GoodsReceipt'
GO
exec sp_addextendedproperty N'MS_Description', N'收货单编号:主键, 自动编号', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'GoodsReceiptID'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商编号:', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'VendorID'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库编号:', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'WarehouseID'
GO
exec sp_addextendedproperty N'MS_Description', N'收货日期:', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'ReceiptDate'
GO
exec sp_addextendedproperty N'MS_Description', N'收货人编号:收货的员工', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'ReceivedByID'
GO
exec sp_addextendedproperty N'MS_Description', N'送货单号:', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'DeliveryNoteNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'GoodsReceipt', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'GoodsReceiptID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'LineNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'PurchaseOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'PurchaseOrderDetailID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'LocationID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'ReceivedQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'收货明细:收货单的产品行, 对应采购明细(组)采购', N'user', N'Purchasing', N'table', N'GoodsReceiptLine'
GO
exec sp_addextendedproperty N'MS_Description', N'收货单编号:', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'GoodsReceiptID'
GO
exec sp_addextendedproperty N'MS_Description', N'行号:', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'LineNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'采购订单编号:', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'PurchaseOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'采购明细编号:', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'PurchaseOrderDetailID'
GO
exec sp_addextendedproperty N'MS_Description', N'库位编号:', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'LocationID'
GO
exec sp_addextendedproperty N'MS_Description', N'收货数量:', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'ReceivedQty'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'GoodsReceiptLine', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'InvoiceID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'InvoiceNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'CustomerID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'SalesOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'CurrencyCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'InvoiceDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'DueDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'TotalDue'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'AmountPaid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Invoice', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'销售发票:开给客户的发票(组)财务', N'user', N'Finance', N'table', N'Invoice'
GO
exec sp_addextendedproperty N'MS_Description', N'发票编号:主键, 自动编号', N'user', N'Finance', N'table', N'Invoice', N'column', N'InvoiceID'
GO
exec sp_addextendedproperty N'MS_Description', N'发票号:', N'user', N'Finance', N'table', N'Invoice', N'column', N'InvoiceNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'客户编号:', N'user', N'Finance', N'table', N'Invoice', N'column', N'CustomerID'
GO
exec sp_addextendedproperty N'MS_Description', N'销售订单编号:', N'user', N'Finance', N'table', N'Invoice', N'column', N'SalesOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'币种代码:', N'user', N'Finance', N'table', N'Invoice', N'column', N'CurrencyCode'
GO
exec sp_addextendedproperty N'MS_Description', N'开票日期:', N'user', N'Finance', N'table', N'Invoice', N'column', N'InvoiceDate'
GO
exec sp_addextendedproperty N'MS_Description', N'到期日:', N'user', N'Finance', N'table', N'Invoice', N'column', N'DueDate'
GO
exec sp_addextendedproperty N'MS_Description', N'应收金额:', N'user', N'Finance', N'table', N'Invoice', N'column', N'TotalDue'
GO
exec sp_addextendedproperty N'MS_Description', N'已收金额:', N'user', N'Finance', N'table', N'Invoice', N'column', N'AmountPaid'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Finance', N'table', N'Invoice', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'Invoice', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'InvoiceID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'LineNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'SalesOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'SalesOrderDetailID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'Quantity'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'LineTotal'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'发票明细:发票的行, 对应销售明细(组)财务', N'user', N'Finance', N'table', N'InvoiceLine'
GO
exec sp_addextendedproperty N'MS_Description', N'发票编号:', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'InvoiceID'
GO
exec sp_addextendedproperty N'MS_Description', N'行号:', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'LineNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'销售订单编号:', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'SalesOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'销售明细编号:', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'SalesOrderDetailID'
GO
exec sp_addextendedproperty N'MS_Description', N'数量:', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'Quantity'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'LineTotal'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'InvoiceLine', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'JobCandidate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'JobCandidateID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'Resume'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'应聘者:应聘者提交的简历(组)人力资源', N'user', N'HumanResources', N'table', N'JobCandidate'
GO
exec sp_addextendedproperty N'MS_Description', N'应聘者编号:主键, 自动编号', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'JobCandidateID'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:已录用时为员工编号', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'简历:', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'Resume'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'JobCandidate', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'JournalEntryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'EntryDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'Description'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'PostedByID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'IsPosted'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'记账凭证:总账凭证抬头(组)财务', N'user', N'Finance', N'table', N'JournalEntry'
GO
exec sp_addextendedproperty N'MS_Description', N'凭证编号:主键, 自动编号', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'JournalEntryID'
GO
exec sp_addextendedproperty N'MS_Description', N'记账日期:', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'EntryDate'
GO
exec sp_addextendedproperty N'MS_Description', N'摘要:', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'Description'
GO
exec sp_addextendedproperty N'MS_Description', N'记账人编号:记账的员工', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'PostedByID'
GO
exec sp_addextendedproperty N'MS_Description', N'已过账:', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'IsPosted'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'JournalEntry', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'JournalEntryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'LineNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'AccountID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'DebitAmount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'CreditAmount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'DepartmentID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'凭证分录:凭证的借贷分录(组)财务', N'user', N'Finance', N'table', N'JournalEntryLine'
GO
exec sp_addextendedproperty N'MS_Description', N'凭证编号:', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'JournalEntryID'
GO
exec sp_addextendedproperty N'MS_Description', N'行号:', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'LineNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'科目编号:', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'AccountID'
GO
exec sp_addextendedproperty N'MS_Description', N'借方金额:', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'DebitAmount'
GO
exec sp_addextendedproperty N'MS_Description', N'贷方金额:', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'CreditAmount'
GO
exec sp_addextendedproperty N'MS_Description', N'部门编号:', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'DepartmentID'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'JournalEntryLine', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'LeaveRequestID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'ApproverID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'LeaveType'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'StartDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'EndDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'Status'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'请假单:员工请假申请与审批(组)人力资源', N'user', N'HumanResources', N'table', N'LeaveRequest'
GO
exec sp_addextendedproperty N'MS_Description', N'请假单编号:主键, 自动编号', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'LeaveRequestID'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'审批人编号:审批的员工', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'ApproverID'
GO
exec sp_addextendedproperty N'MS_Description', N'请假类型:1 年假, 2 病假, 3 事假', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'LeaveType'
GO
exec sp_addextendedproperty N'MS_Description', N'开始日期:', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'StartDate'
GO
exec sp_addextendedproperty N'MS_Description', N'结束日期:', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'EndDate'
GO
exec sp_addextendedproperty N'MS_Description', N'状态:1 待审, 2 批准, 3 驳回', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'Status'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'LeaveRequest', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location', N'column', N'LocationID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location', N'column', N'WarehouseID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location', N'column', N'ParentLocationID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location', N'column', N'CostRate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location', N'column', N'Availability'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Location', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'库位:仓库中的库位, 可多级(组)库存', N'user', N'Inventory', N'table', N'Location'
GO
exec sp_addextendedproperty N'MS_Description', N'库位编号:', N'user', N'Inventory', N'table', N'Location', N'column', N'LocationID'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库编号:', N'user', N'Inventory', N'table', N'Location', N'column', N'WarehouseID'
GO
exec sp_addextendedproperty N'MS_Description', N'上级库位编号:', N'user', N'Inventory', N'table', N'Location', N'column', N'ParentLocationID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Inventory', N'table', N'Location', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'费率:', N'user', N'Inventory', N'table', N'Location', N'column', N'CostRate'
GO
exec sp_addextendedproperty N'MS_Description', N'可用工时:', N'user', N'Inventory', N'table', N'Location', N'column', N'Availability'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'Location', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'PaymentID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'CustomerID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'PaymentMethodID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'CurrencyCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'PaymentDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'Amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'ReferenceNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'Payment', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'收款:客户的付款(组)财务', N'user', N'Finance', N'table', N'Payment'
GO
exec sp_addextendedproperty N'MS_Description', N'收款编号:主键, 自动编号', N'user', N'Finance', N'table', N'Payment', N'column', N'PaymentID'
GO
exec sp_addextendedproperty N'MS_Description', N'客户编号:', N'user', N'Finance', N'table', N'Payment', N'column', N'CustomerID'
GO
exec sp_addextendedproperty N'MS_Description', N'付款方式编号:', N'user', N'Finance', N'table', N'Payment', N'column', N'PaymentMethodID'
GO
exec sp_addextendedproperty N'MS_Description', N'币种代码:', N'user', N'Finance', N'table', N'Payment', N'column', N'CurrencyCode'
GO
exec sp_addextendedproperty N'MS_Description', N'收款日期:', N'user', N'Finance', N'table', N'Payment', N'column', N'PaymentDate'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:', N'user', N'Finance', N'table', N'Payment', N'column', N'Amount'
GO
exec sp_addextendedproperty N'MS_Description', N'凭证号:', N'user', N'Finance', N'table', N'Payment', N'column', N'ReferenceNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Finance', N'table', N'Payment', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'Payment', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentAllocation'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'PaymentID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'InvoiceID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'AllocatedAmount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'收款核销:收款冲销到发票的金额(组)财务', N'user', N'Finance', N'table', N'PaymentAllocation'
GO
exec sp_addextendedproperty N'MS_Description', N'收款编号:', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'PaymentID'
GO
exec sp_addextendedproperty N'MS_Description', N'发票编号:', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'InvoiceID'
GO
exec sp_addextendedproperty N'MS_Description', N'核销金额:', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'AllocatedAmount'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'PaymentAllocation', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentMethod'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'PaymentMethodID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'RequiresReference'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'付款方式:现金、转账、信用卡等(组)财务', N'user', N'Finance', N'table', N'PaymentMethod'
GO
exec sp_addextendedproperty N'MS_Description', N'付款方式编号:主键, 自动编号', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'PaymentMethodID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'需填凭证号:', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'RequiresReference'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Finance', N'table', N'PaymentMethod', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'PersonType'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'NameStyle'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'Title'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'FirstName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'MiddleName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'LastName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'Suffix'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'EmailPromotion'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'AdditionalContactInfo'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'Demographics'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'Person', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'人员:员工、客户联系人和供应商联系人(组)基础资料', N'user', N'Person', N'table', N'Person'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:人员的主键, 同时引用业务实体', N'user', N'Person', N'table', N'Person', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'人员类型:SC 商店联系人, IN 个人客户, SP 销售员, EM 员工, VC 供应商联系人', N'user', N'Person', N'table', N'Person', N'column', N'PersonType'
GO
exec sp_addextendedproperty N'MS_Description', N'姓名顺序:0 表示西式姓名(名在前), 1 表示东方姓名(姓在前)', N'user', N'Person', N'table', N'Person', N'column', N'NameStyle'
GO
exec sp_addextendedproperty N'MS_Description', N'称谓:Mr. Ms. Dr. 等', N'user', N'Person', N'table', N'Person', N'column', N'Title'
GO
exec sp_addextendedproperty N'MS_Description', N'名:', N'user', N'Person', N'table', N'Person', N'column', N'FirstName'
GO
exec sp_addextendedproperty N'MS_Description', N'中间名:', N'user', N'Person', N'table', N'Person', N'column', N'MiddleName'
GO
exec sp_addextendedproperty N'MS_Description', N'姓:', N'user', N'Person', N'table', N'Person', N'column', N'LastName'
GO
exec sp_addextendedproperty N'MS_Description', N'后缀:', N'user', N'Person', N'table', N'Person', N'column', N'Suffix'
GO
exec sp_addextendedproperty N'MS_Description', N'邮件推广:0 不接收, 1 接收本公司, 2 接收合作伙伴', N'user', N'Person', N'table', N'Person', N'column', N'EmailPromotion'
GO
exec sp_addextendedproperty N'MS_Description', N'其他联系方式:', N'user', N'Person', N'table', N'Person', N'column', N'AdditionalContactInfo'
GO
exec sp_addextendedproperty N'MS_Description', N'人口统计:', N'user', N'Person', N'table', N'Person', N'column', N'Demographics'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Person', N'table', N'Person', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'Person', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'ProductNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'MakeFlag'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'FinishedGoodsFlag'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'Color'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'SafetyStockLevel'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'ReorderPoint'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'StandardCost'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'ListPrice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'Size'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'SizeUnitMeasureCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'WeightUnitMeasureCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'Weight'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'DaysToManufacture'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'ProductSubcategoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'ProductModelID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'SellStartDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'SellEndDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'DiscontinuedDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'Product', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品:出售或用于生产的产品(组)产品', N'user', N'Production', N'table', N'Product'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:主键, 自动编号', N'user', N'Production', N'table', N'Product', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Production', N'table', N'Product', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编码:', N'user', N'Production', N'table', N'Product', N'column', N'ProductNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'自制:0 外购, 1 自制', N'user', N'Production', N'table', N'Product', N'column', N'MakeFlag'
GO
exec sp_addextendedproperty N'MS_Description', N'可销售:', N'user', N'Production', N'table', N'Product', N'column', N'FinishedGoodsFlag'
GO
exec sp_addextendedproperty N'MS_Description', N'颜色:', N'user', N'Production', N'table', N'Product', N'column', N'Color'
GO
exec sp_addextendedproperty N'MS_Description', N'安全库存:', N'user', N'Production', N'table', N'Product', N'column', N'SafetyStockLevel'
GO
exec sp_addextendedproperty N'MS_Description', N'再订货点:', N'user', N'Production', N'table', N'Product', N'column', N'ReorderPoint'
GO
exec sp_addextendedproperty N'MS_Description', N'标准成本:', N'user', N'Production', N'table', N'Product', N'column', N'StandardCost'
GO
exec sp_addextendedproperty N'MS_Description', N'标价:', N'user', N'Production', N'table', N'Product', N'column', N'ListPrice'
GO
exec sp_addextendedproperty N'MS_Description', N'尺寸:', N'user', N'Production', N'table', N'Product', N'column', N'Size'
GO
exec sp_addextendedproperty N'MS_Description', N'尺寸单位:', N'user', N'Production', N'table', N'Product', N'column', N'SizeUnitMeasureCode'
GO
exec sp_addextendedproperty N'MS_Description', N'重量单位:', N'user', N'Production', N'table', N'Product', N'column', N'WeightUnitMeasureCode'
GO
exec sp_addextendedproperty N'MS_Description', N'重量:', N'user', N'Production', N'table', N'Product', N'column', N'Weight'
GO
exec sp_addextendedproperty N'MS_Description', N'生产天数:', N'user', N'Production', N'table', N'Product', N'column', N'DaysToManufacture'
GO
exec sp_addextendedproperty N'MS_Description', N'子类编号:', N'user', N'Production', N'table', N'Product', N'column', N'ProductSubcategoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'型号编号:', N'user', N'Production', N'table', N'Product', N'column', N'ProductModelID'
GO
exec sp_addextendedproperty N'MS_Description', N'开售日期:', N'user', N'Production', N'table', N'Product', N'column', N'SellStartDate'
GO
exec sp_addextendedproperty N'MS_Description', N'停售日期:', N'user', N'Production', N'table', N'Product', N'column', N'SellEndDate'
GO
exec sp_addextendedproperty N'MS_Description', N'停产日期:', N'user', N'Production', N'table', N'Product', N'column', N'DiscontinuedDate'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Production', N'table', N'Product', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'Product', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCategory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCategory', N'column', N'ProductCategoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCategory', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCategory', N'column', N'ParentCategoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCategory', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCategory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品大类:产品大类, 可多级(组)产品', N'user', N'Production', N'table', N'ProductCategory'
GO
exec sp_addextendedproperty N'MS_Description', N'大类编号:主键, 自动编号', N'user', N'Production', N'table', N'ProductCategory', N'column', N'ProductCategoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Production', N'table', N'ProductCategory', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'上级大类编号:空表示顶级', N'user', N'Production', N'table', N'ProductCategory', N'column', N'ParentCategoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Production', N'table', N'ProductCategory', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'ProductCategory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCostHistory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'StartDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'EndDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'StandardCost'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'成本履历:产品标准成本的变动(组)产品', N'user', N'Production', N'table', N'ProductCostHistory'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'开始日期:', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'StartDate'
GO
exec sp_addextendedproperty N'MS_Description', N'结束日期:', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'EndDate'
GO
exec sp_addextendedproperty N'MS_Description', N'标准成本:', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'StandardCost'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'ProductCostHistory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'LocationID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'Shelf'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'Bin'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'Quantity'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品库存:各库位的产品数量(组)库存', N'user', N'Inventory', N'table', N'ProductInventory'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'库位编号:', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'LocationID'
GO
exec sp_addextendedproperty N'MS_Description', N'货架:货架的字母编号', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'Shelf'
GO
exec sp_addextendedproperty N'MS_Description', N'货格:', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'Bin'
GO
exec sp_addextendedproperty N'MS_Description', N'数量:', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'Quantity'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'ProductInventory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductListPriceHistory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'StartDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'EndDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'ListPrice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'价格履历:产品标价的变动(组)产品', N'user', N'Production', N'table', N'ProductListPriceHistory'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'开始日期:', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'StartDate'
GO
exec sp_addextendedproperty N'MS_Description', N'结束日期:', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'EndDate'
GO
exec sp_addextendedproperty N'MS_Description', N'标价:', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'ListPrice'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'ProductListPriceHistory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductModel'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductModel', N'column', N'ProductModelID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductModel', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductModel', N'column', N'CatalogDescription'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductModel', N'column', N'Instructions'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductModel', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductModel', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品型号:产品型号与说明书(组)产品', N'user', N'Production', N'table', N'ProductModel'
GO
exec sp_addextendedproperty N'MS_Description', N'型号编号:主键, 自动编号', N'user', N'Production', N'table', N'ProductModel', N'column', N'ProductModelID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Production', N'table', N'ProductModel', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'目录说明:', N'user', N'Production', N'table', N'ProductModel', N'column', N'CatalogDescription'
GO
exec sp_addextendedproperty N'MS_Description', N'制造说明:', N'user', N'Production', N'table', N'ProductModel', N'column', N'Instructions'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Production', N'table', N'ProductModel', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'ProductModel', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductPhoto'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ProductPhotoID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ThumbNailPhoto'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ThumbnailPhotoFileName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'LargePhoto'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'LargePhotoFileName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品图片:产品的大图和缩略图(组)产品', N'user', N'Production', N'table', N'ProductPhoto'
GO
exec sp_addextendedproperty N'MS_Description', N'图片编号:主键, 自动编号', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ProductPhotoID'
GO
exec sp_addextendedproperty N'MS_Description', N'缩略图:', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ThumbNailPhoto'
GO
exec sp_addextendedproperty N'MS_Description', N'缩略图文件名:', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ThumbnailPhotoFileName'
GO
exec sp_addextendedproperty N'MS_Description', N'大图:', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'LargePhoto'
GO
exec sp_addextendedproperty N'MS_Description', N'大图文件名:', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'LargePhotoFileName'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'ProductPhoto', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductProductPhoto'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'ProductPhotoID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'Primary'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品图片关系:产品与图片的多对多关系(组)产品', N'user', N'Production', N'table', N'ProductProductPhoto'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'图片编号:', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'ProductPhotoID'
GO
exec sp_addextendedproperty N'MS_Description', N'主图:', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'Primary'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'ProductProductPhoto', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductSubcategory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'ProductSubcategoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'ProductCategoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品子类:产品大类下的子类(组)产品', N'user', N'Production', N'table', N'ProductSubcategory'
GO
exec sp_addextendedproperty N'MS_Description', N'子类编号:主键, 自动编号', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'ProductSubcategoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'大类编号:', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'ProductCategoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'ProductSubcategory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'AverageLeadTime'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'StandardPrice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'LastReceiptCost'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'LastReceiptDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'MinOrderQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'MaxOrderQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'OnOrderQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'UnitMeasureCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'产品供应商:产品与供应商的对应和采购条件(组)采购', N'user', N'Purchasing', N'table', N'ProductVendor'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'平均交货天数:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'AverageLeadTime'
GO
exec sp_addextendedproperty N'MS_Description', N'标准价:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'StandardPrice'
GO
exec sp_addextendedproperty N'MS_Description', N'上次进价:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'LastReceiptCost'
GO
exec sp_addextendedproperty N'MS_Description', N'上次进货日期:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'LastReceiptDate'
GO
exec sp_addextendedproperty N'MS_Description', N'最小订量:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'MinOrderQty'
GO
exec sp_addextendedproperty N'MS_Description', N'最大订量:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'MaxOrderQty'
GO
exec sp_addextendedproperty N'MS_Description', N'在途数量:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'OnOrderQty'
GO
exec sp_addextendedproperty N'MS_Description', N'单位代码:', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'UnitMeasureCode'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'ProductVendor', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'PurchaseOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'PurchaseOrderDetailID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'DueDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'OrderQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'UnitPrice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'ReceivedQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'RejectedQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'采购明细:采购订单的产品行(组)采购', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail'
GO
exec sp_addextendedproperty N'MS_Description', N'采购订单编号:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'PurchaseOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'采购明细编号:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'PurchaseOrderDetailID'
GO
exec sp_addextendedproperty N'MS_Description', N'到货日期:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'DueDate'
GO
exec sp_addextendedproperty N'MS_Description', N'订购数量:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'OrderQty'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'单价:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'UnitPrice'
GO
exec sp_addextendedproperty N'MS_Description', N'收货数量:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'ReceivedQty'
GO
exec sp_addextendedproperty N'MS_Description', N'拒收数量:', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'RejectedQty'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'PurchaseOrderDetail', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'PurchaseOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'RevisionNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'Status'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'EmployeeID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'VendorID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'ShipMethodID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'OrderDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'ShipDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'SubTotal'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'TaxAmt'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'Freight'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'采购订单:采购订单抬头(组)采购', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader'
GO
exec sp_addextendedproperty N'MS_Description', N'采购订单编号:主键, 自动编号', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'PurchaseOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'修订号:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'RevisionNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'状态:1 待审, 2 批准, 3 驳回, 4 完成', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'Status'
GO
exec sp_addextendedproperty N'MS_Description', N'采购员编号:下单的员工', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'EmployeeID'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商编号:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'VendorID'
GO
exec sp_addextendedproperty N'MS_Description', N'运输方式编号:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'ShipMethodID'
GO
exec sp_addextendedproperty N'MS_Description', N'订单日期:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'OrderDate'
GO
exec sp_addextendedproperty N'MS_Description', N'发货日期:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'ShipDate'
GO
exec sp_addextendedproperty N'MS_Description', N'小计:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'SubTotal'
GO
exec sp_addextendedproperty N'MS_Description', N'税额:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'TaxAmt'
GO
exec sp_addextendedproperty N'MS_Description', N'运费:', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'Freight'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'PurchaseOrderHeader', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'SalesOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'SalesOrderDetailID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'CarrierTrackingNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'OrderQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'SpecialOfferID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'UnitPrice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'UnitPriceDiscount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'销售明细:销售订单的产品行(组)销售', N'user', N'Sales', N'table', N'SalesOrderDetail'
GO
exec sp_addextendedproperty N'MS_Description', N'销售订单编号:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'SalesOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'销售明细编号:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'SalesOrderDetailID'
GO
exec sp_addextendedproperty N'MS_Description', N'运单号:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'CarrierTrackingNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'数量:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'OrderQty'
GO
exec sp_addextendedproperty N'MS_Description', N'促销编号:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'SpecialOfferID'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'单价:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'UnitPrice'
GO
exec sp_addextendedproperty N'MS_Description', N'单价折扣:', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'UnitPriceDiscount'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SalesOrderDetail', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'SalesOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'RevisionNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'OrderDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'DueDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ShipDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'Status'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'OnlineOrderFlag'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'PurchaseOrderNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'CustomerID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'SalesPersonID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'BillToAddressID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ShipToAddressID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ShipMethodID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'CreditCardID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'CurrencyRateID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'SubTotal'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'TaxAmt'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'Freight'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'Comment'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'销售订单:销售订单抬头(组)销售', N'user', N'Sales', N'table', N'SalesOrderHeader'
GO
exec sp_addextendedproperty N'MS_Description', N'销售订单编号:主键, 自动编号', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'SalesOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'修订号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'RevisionNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'订单日期:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'OrderDate'
GO
exec sp_addextendedproperty N'MS_Description', N'交货日期:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'DueDate'
GO
exec sp_addextendedproperty N'MS_Description', N'发货日期:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ShipDate'
GO
exec sp_addextendedproperty N'MS_Description', N'状态:1 处理中, 2 已批准, 3 缺货, 4 已拒绝, 5 已发货, 6 已取消', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'Status'
GO
exec sp_addextendedproperty N'MS_Description', N'网上订单:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'OnlineOrderFlag'
GO
exec sp_addextendedproperty N'MS_Description', N'客户采购单号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'PurchaseOrderNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'客户编号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'CustomerID'
GO
exec sp_addextendedproperty N'MS_Description', N'销售员编号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'SalesPersonID'
GO
exec sp_addextendedproperty N'MS_Description', N'账单地址编号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'BillToAddressID'
GO
exec sp_addextendedproperty N'MS_Description', N'收货地址编号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ShipToAddressID'
GO
exec sp_addextendedproperty N'MS_Description', N'运输方式编号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ShipMethodID'
GO
exec sp_addextendedproperty N'MS_Description', N'信用卡编号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'CreditCardID'
GO
exec sp_addextendedproperty N'MS_Description', N'汇率编号:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'CurrencyRateID'
GO
exec sp_addextendedproperty N'MS_Description', N'小计:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'SubTotal'
GO
exec sp_addextendedproperty N'MS_Description', N'税额:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'TaxAmt'
GO
exec sp_addextendedproperty N'MS_Description', N'运费:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'Freight'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'Comment'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SalesOrderHeader', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason', N'column', N'SalesOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason', N'column', N'SalesReasonID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'订单购买原因:销售订单与购买原因的对应(组)销售', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason'
GO
exec sp_addextendedproperty N'MS_Description', N'销售订单编号:', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason', N'column', N'SalesOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'购买原因编号:', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason', N'column', N'SalesReasonID'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SalesOrderHeaderSalesReason', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'TerritoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'SalesQuota'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'Bonus'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'CommissionPct'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'SalesYTD'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'销售员:销售代表及其业绩(组)销售', N'user', N'Sales', N'table', N'SalesPerson'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'销售区域编号:', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'TerritoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'销售定额:', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'SalesQuota'
GO
exec sp_addextendedproperty N'MS_Description', N'奖金:', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'Bonus'
GO
exec sp_addextendedproperty N'MS_Description', N'提成比例:', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'CommissionPct'
GO
exec sp_addextendedproperty N'MS_Description', N'本年销售额:', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'SalesYTD'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SalesPerson', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesReason'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesReason', N'column', N'SalesReasonID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesReason', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesReason', N'column', N'ReasonType'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesReason', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'购买原因:客户购买的原因(组)销售', N'user', N'Sales', N'table', N'SalesReason'
GO
exec sp_addextendedproperty N'MS_Description', N'购买原因编号:主键, 自动编号', N'user', N'Sales', N'table', N'SalesReason', N'column', N'SalesReasonID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Sales', N'table', N'SalesReason', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'原因类别:', N'user', N'Sales', N'table', N'SalesReason', N'column', N'ReasonType'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SalesReason', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'TerritoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'CountryRegionCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'Group'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'SalesYTD'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'SalesLastYear'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'销售区域:销售区域及其业绩(组)销售', N'user', N'Sales', N'table', N'SalesTerritory'
GO
exec sp_addextendedproperty N'MS_Description', N'销售区域编号:主键, 自动编号', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'TerritoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'国家地区代码:', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'CountryRegionCode'
GO
exec sp_addextendedproperty N'MS_Description', N'区域组:', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'Group'
GO
exec sp_addextendedproperty N'MS_Description', N'本年销售额:', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'SalesYTD'
GO
exec sp_addextendedproperty N'MS_Description', N'去年销售额:', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'SalesLastYear'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SalesTerritory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Shift'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Shift', N'column', N'ShiftID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Shift', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Shift', N'column', N'StartTime'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Shift', N'column', N'EndTime'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'HumanResources', N'table', N'Shift', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'班次:工作班次(组)人力资源', N'user', N'HumanResources', N'table', N'Shift'
GO
exec sp_addextendedproperty N'MS_Description', N'班次编号:', N'user', N'HumanResources', N'table', N'Shift', N'column', N'ShiftID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'HumanResources', N'table', N'Shift', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'开始时间:', N'user', N'HumanResources', N'table', N'Shift', N'column', N'StartTime'
GO
exec sp_addextendedproperty N'MS_Description', N'结束时间:', N'user', N'HumanResources', N'table', N'Shift', N'column', N'EndTime'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'HumanResources', N'table', N'Shift', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ShipMethod'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ShipMethodID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ShipBase'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ShipRate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'运输方式:运输公司和运费(组)采购', N'user', N'Purchasing', N'table', N'ShipMethod'
GO
exec sp_addextendedproperty N'MS_Description', N'运输方式编号:主键, 自动编号', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ShipMethodID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'起步运费:', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ShipBase'
GO
exec sp_addextendedproperty N'MS_Description', N'单位运费:', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ShipRate'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'ShipMethod', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'SpecialOfferID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'Description'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'DiscountPct'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'Type'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'StartDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'EndDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'MinQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'MaxQty'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'促销:促销折扣(组)销售', N'user', N'Sales', N'table', N'SpecialOffer'
GO
exec sp_addextendedproperty N'MS_Description', N'促销编号:主键, 自动编号', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'SpecialOfferID'
GO
exec sp_addextendedproperty N'MS_Description', N'说明:', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'Description'
GO
exec sp_addextendedproperty N'MS_Description', N'折扣率:', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'DiscountPct'
GO
exec sp_addextendedproperty N'MS_Description', N'折扣类型:', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'Type'
GO
exec sp_addextendedproperty N'MS_Description', N'开始日期:', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'StartDate'
GO
exec sp_addextendedproperty N'MS_Description', N'结束日期:', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'EndDate'
GO
exec sp_addextendedproperty N'MS_Description', N'最少数量:', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'MinQty'
GO
exec sp_addextendedproperty N'MS_Description', N'最多数量:', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'MaxQty'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SpecialOffer', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOfferProduct'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'SpecialOfferID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'促销产品:参加促销的产品(组)销售', N'user', N'Sales', N'table', N'SpecialOfferProduct'
GO
exec sp_addextendedproperty N'MS_Description', N'促销编号:', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'SpecialOfferID'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'SpecialOfferProduct', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'StateProvinceID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'StateProvinceCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'CountryRegionCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'IsOnlyStateProvinceFlag'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'TerritoryID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Person', N'table', N'StateProvince', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'省州:国家地区下的省、州(组)基础资料', N'user', N'Person', N'table', N'StateProvince'
GO
exec sp_addextendedproperty N'MS_Description', N'省州编号:主键, 自动编号', N'user', N'Person', N'table', N'StateProvince', N'column', N'StateProvinceID'
GO
exec sp_addextendedproperty N'MS_Description', N'省州代码:', N'user', N'Person', N'table', N'StateProvince', N'column', N'StateProvinceCode'
GO
exec sp_addextendedproperty N'MS_Description', N'国家地区代码:', N'user', N'Person', N'table', N'StateProvince', N'column', N'CountryRegionCode'
GO
exec sp_addextendedproperty N'MS_Description', N'仅此省州:0 表示省州代码可用, 1 表示用国家地区代码代替', N'user', N'Person', N'table', N'StateProvince', N'column', N'IsOnlyStateProvinceFlag'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Person', N'table', N'StateProvince', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'销售区域编号:', N'user', N'Person', N'table', N'StateProvince', N'column', N'TerritoryID'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Person', N'table', N'StateProvince', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Person', N'table', N'StateProvince', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCount', N'column', N'StockCountID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCount', N'column', N'WarehouseID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCount', N'column', N'CountDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCount', N'column', N'CountedByID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCount', N'column', N'Status'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCount', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'盘点单:仓库盘点(组)库存', N'user', N'Inventory', N'table', N'StockCount'
GO
exec sp_addextendedproperty N'MS_Description', N'盘点单编号:主键, 自动编号', N'user', N'Inventory', N'table', N'StockCount', N'column', N'StockCountID'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库编号:', N'user', N'Inventory', N'table', N'StockCount', N'column', N'WarehouseID'
GO
exec sp_addextendedproperty N'MS_Description', N'盘点日期:', N'user', N'Inventory', N'table', N'StockCount', N'column', N'CountDate'
GO
exec sp_addextendedproperty N'MS_Description', N'盘点人编号:负责盘点的员工', N'user', N'Inventory', N'table', N'StockCount', N'column', N'CountedByID'
GO
exec sp_addextendedproperty N'MS_Description', N'状态:1 进行中, 2 已完成, 3 已过账', N'user', N'Inventory', N'table', N'StockCount', N'column', N'Status'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'StockCount', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'StockCountID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'LineNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'LocationID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'SystemQuantity'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'CountedQuantity'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'盘点明细:每个库位每种产品的盘点数量(组)库存', N'user', N'Inventory', N'table', N'StockCountLine'
GO
exec sp_addextendedproperty N'MS_Description', N'盘点单编号:', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'StockCountID'
GO
exec sp_addextendedproperty N'MS_Description', N'行号:', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'LineNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'库位编号:', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'LocationID'
GO
exec sp_addextendedproperty N'MS_Description', N'账面数量:', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'SystemQuantity'
GO
exec sp_addextendedproperty N'MS_Description', N'实盘数量:', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'CountedQuantity'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'StockCountLine', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Store'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Store', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Store', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Store', N'column', N'SalesPersonID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Store', N'column', N'Demographics'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Store', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Sales', N'table', N'Store', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'商店:经销本公司产品的商店(组)销售', N'user', N'Sales', N'table', N'Store'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'Sales', N'table', N'Store', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Sales', N'table', N'Store', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'销售员编号:', N'user', N'Sales', N'table', N'Store', N'column', N'SalesPersonID'
GO
exec sp_addextendedproperty N'MS_Description', N'经营概况:', N'user', N'Sales', N'table', N'Store', N'column', N'Demographics'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Sales', N'table', N'Store', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Sales', N'table', N'Store', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'SystemSetting'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'SettingKey'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'SettingValue'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'Description'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'ModifiedByID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'系统参数:系统级参数设置(组)系统', N'user', N'dbo', N'table', N'SystemSetting'
GO
exec sp_addextendedproperty N'MS_Description', N'参数名:', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'SettingKey'
GO
exec sp_addextendedproperty N'MS_Description', N'参数值:', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'SettingValue'
GO
exec sp_addextendedproperty N'MS_Description', N'说明:', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'Description'
GO
exec sp_addextendedproperty N'MS_Description', N'修改人编号:最后修改的用户', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'ModifiedByID'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'dbo', N'table', N'SystemSetting', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'TransactionID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ReferenceOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ReferenceOrderLineID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'TransactionDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'TransactionType'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'Quantity'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ActualCost'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'库存流水:采购、销售和生产引起的库存变动(组)库存', N'user', N'Inventory', N'table', N'TransactionHistory'
GO
exec sp_addextendedproperty N'MS_Description', N'流水编号:自 100000 起编号', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'TransactionID'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'单据编号:', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ReferenceOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'单据行号:', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ReferenceOrderLineID'
GO
exec sp_addextendedproperty N'MS_Description', N'发生日期:', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'TransactionDate'
GO
exec sp_addextendedproperty N'MS_Description', N'流水类型:W 生产, S 销售, P 采购', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'TransactionType'
GO
exec sp_addextendedproperty N'MS_Description', N'数量:', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'Quantity'
GO
exec sp_addextendedproperty N'MS_Description', N'实际成本:', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ActualCost'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'TransactionHistory', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'TransferOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'FromWarehouseID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'ToWarehouseID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'OrderDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'ShipDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'Status'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'rowguid'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'调拨单:仓库之间的调拨(组)库存', N'user', N'Inventory', N'table', N'TransferOrder'
GO
exec sp_addextendedproperty N'MS_Description', N'调拨单编号:主键, 自动编号', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'TransferOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'调出仓库编号:', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'FromWarehouseID'
GO
exec sp_addextendedproperty N'MS_Description', N'调入仓库编号:', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'ToWarehouseID'
GO
exec sp_addextendedproperty N'MS_Description', N'调拨日期:', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'OrderDate'
GO
exec sp_addextendedproperty N'MS_Description', N'发出日期:', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'ShipDate'
GO
exec sp_addextendedproperty N'MS_Description', N'状态:', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'Status'
GO
exec sp_addextendedproperty N'MS_Description', N'行标识:唯一标识该行的 ROWGUIDCOL 值, 用于合并复制', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'rowguid'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'TransferOrder', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrderLine'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'TransferOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'LineNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'ProductID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'FromLocationID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'Quantity'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'调拨明细:调拨单的产品明细(组)库存', N'user', N'Inventory', N'table', N'TransferOrderLine'
GO
exec sp_addextendedproperty N'MS_Description', N'调拨单编号:', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'TransferOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'行号:', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'LineNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'产品编号:', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'ProductID'
GO
exec sp_addextendedproperty N'MS_Description', N'调出库位编号:', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'FromLocationID'
GO
exec sp_addextendedproperty N'MS_Description', N'数量:', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'Quantity'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'TransferOrderLine', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'UnitMeasure'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'UnitMeasure', N'column', N'UnitMeasureCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'UnitMeasure', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Production', N'table', N'UnitMeasure', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'计量单位:计量单位代码(组)产品', N'user', N'Production', N'table', N'UnitMeasure'
GO
exec sp_addextendedproperty N'MS_Description', N'单位代码:', N'user', N'Production', N'table', N'UnitMeasure', N'column', N'UnitMeasureCode'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Production', N'table', N'UnitMeasure', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Production', N'table', N'UnitMeasure', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'BusinessEntityID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'AccountNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'CreditRating'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'PreferredVendorStatus'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'ActiveFlag'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'PurchasingWebServiceURL'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'供应商:提供产品的公司(组)采购', N'user', N'Purchasing', N'table', N'Vendor'
GO
exec sp_addextendedproperty N'MS_Description', N'业务实体编号:', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'BusinessEntityID'
GO
exec sp_addextendedproperty N'MS_Description', N'账号:', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'AccountNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'信用等级:1 优秀, 2 良好, 3 一般, 4 较差, 5 差', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'CreditRating'
GO
exec sp_addextendedproperty N'MS_Description', N'首选供应商:', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'PreferredVendorStatus'
GO
exec sp_addextendedproperty N'MS_Description', N'有效:', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'ActiveFlag'
GO
exec sp_addextendedproperty N'MS_Description', N'采购服务网址:', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'PurchasingWebServiceURL'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'Vendor', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorContact'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'VendorID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'PersonID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'ContactTypeName'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'供应商联系人:供应商的联系人(组)采购', N'user', N'Purchasing', N'table', N'VendorContact'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商编号:', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'VendorID'
GO
exec sp_addextendedproperty N'MS_Description', N'人员编号:', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'PersonID'
GO
exec sp_addextendedproperty N'MS_Description', N'联系人类型:', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'ContactTypeName'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'VendorContact', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'VendorInvoiceID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'VendorID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'PurchaseOrderID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'InvoiceNumber'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'InvoiceDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'DueDate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'TotalDue'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'供应商发票:供应商开具的发票(组)采购', N'user', N'Purchasing', N'table', N'VendorInvoice'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商发票编号:主键, 自动编号', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'VendorInvoiceID'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商编号:', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'VendorID'
GO
exec sp_addextendedproperty N'MS_Description', N'采购订单编号:', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'PurchaseOrderID'
GO
exec sp_addextendedproperty N'MS_Description', N'发票号:', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'InvoiceNumber'
GO
exec sp_addextendedproperty N'MS_Description', N'开票日期:', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'InvoiceDate'
GO
exec sp_addextendedproperty N'MS_Description', N'到期日:', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'DueDate'
GO
exec sp_addextendedproperty N'MS_Description', N'应付金额:', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'TotalDue'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Purchasing', N'table', N'VendorInvoice', N'column', N'ModifiedDate'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'WarehouseID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'WarehouseCode'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'Name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'AddressID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'ManagerID'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'IsActive'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'ModifiedDate'
GO


exec sp_addextendedproperty N'MS_Description', N'仓库:存放产品的仓库(组)库存', N'user', N'Inventory', N'table', N'Warehouse'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库编号:主键, 自动编号', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'WarehouseID'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库代码:', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'WarehouseCode'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'Name'
GO
exec sp_addextendedproperty N'MS_Description', N'地址编号:', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'AddressID'
GO
exec sp_addextendedproperty N'MS_Description', N'负责人编号:负责的员工', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'ManagerID'
GO
exec sp_addextendedproperty N'MS_Description', N'启用:', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'IsActive'
GO
exec sp_addextendedproperty N'MS_Description', N'修改日期:行最后一次修改的日期和时间', N'user', N'Inventory', N'table', N'Warehouse', N'column', N'ModifiedDate'
GO


ALTER TABLE [Person].[Address] WITH NOCHECK ADD
CONSTRAINT [PK_ADDRESS] PRIMARY KEY  CLUSTERED
(
[AddressID]
)
ON [PRIMARY]
GO



ALTER TABLE [Person].[Address] ADD
CONSTRAINT [FK_Address_StateProvince_StateProvinceID] FOREIGN KEY
(
[StateProvinceID]
) REFERENCES [Person].[StateProvince] (
[StateProvinceID]
)
GO



ALTER TABLE [Person].[AddressType] WITH NOCHECK ADD
CONSTRAINT [PK_ADDRESSTYPE] PRIMARY KEY  CLUSTERED
(
[AddressTypeID]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[AppRole] WITH NOCHECK ADD
CONSTRAINT [PK_APPROLE] PRIMARY KEY  CLUSTERED
(
[RoleID]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[AppUser] WITH NOCHECK ADD
CONSTRAINT [PK_APPUSER] PRIMARY KEY  CLUSTERED
(
[UserID]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[AppUser] ADD
CONSTRAINT [FK_AppUser_Employee_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
)
GO



ALTER TABLE [dbo].[AppUserRole] WITH NOCHECK ADD
CONSTRAINT [PK_APPUSERROLE] PRIMARY KEY  CLUSTERED
(
[UserID],
[RoleID]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[AppUserRole] ADD
CONSTRAINT [FK_AppUserRole_AppUser_UserID] FOREIGN KEY
(
[UserID]
) REFERENCES [dbo].[AppUser] (
[UserID]
),
CONSTRAINT [FK_AppUserRole_AppRole_RoleID] FOREIGN KEY
(
[RoleID]
) REFERENCES [dbo].[AppRole] (
[RoleID]
)
GO



ALTER TABLE [HumanResources].[Attendance] WITH NOCHECK ADD
CONSTRAINT [PK_ATTENDANCE] PRIMARY KEY  CLUSTERED
(
[AttendanceID]
)
ON [PRIMARY],
CONSTRAINT [CK_ClockOut] CHECK ([ClockOut] IS NULL OR [ClockOut]>[ClockIn])

GO



ALTER TABLE [HumanResources].[Attendance] ADD
CONSTRAINT [FK_Attendance_Employee_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
)
GO



ALTER TABLE [dbo].[AuditLog] WITH NOCHECK ADD
CONSTRAINT [PK_AUDITLOG] PRIMARY KEY  CLUSTERED
(
[AuditLogID]
)
ON [PRIMARY],
CONSTRAINT [CK_Operation] CHECK ([Operation]='D' OR [Operation]='U' OR [Operation]='I')

GO



ALTER TABLE [Production].[BillOfMaterials] WITH NOCHECK ADD
CONSTRAINT [PK_BILLOFMATERIALS] PRIMARY KEY  CLUSTERED
(
[BillOfMaterialsID]
)
ON [PRIMARY],
CONSTRAINT [CK_EndDate] CHECK ([EndDate]>[StartDate] OR [EndDate] IS NULL)
,
CONSTRAINT [CK_PerAssemblyQty] CHECK ([PerAssemblyQty]>=(1.00))

GO



ALTER TABLE [Production].[BillOfMaterials] ADD
CONSTRAINT [FK_BillOfMaterials_Product_ProductAssemblyID] FOREIGN KEY
(
[ProductAssemblyID]
) REFERENCES [Production].[Product] (
[ProductID]
),
CONSTRAINT [FK_BillOfMaterials_Product_ComponentID] FOREIGN KEY
(
[ComponentID]
) REFERENCES [Production].[Product] (
[ProductID]
)
GO



ALTER TABLE [Person].[BusinessEntity] WITH NOCHECK ADD
CONSTRAINT [PK_BUSINESSENTITY] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID]
)
ON [PRIMARY]
GO



ALTER TABLE [Person].[BusinessEntityAddress] WITH NOCHECK ADD
CONSTRAINT [PK_BUSINESSENTITYADDRESS] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID],
[AddressID],
[AddressTypeID]
)
ON [PRIMARY]
GO



ALTER TABLE [Person].[BusinessEntityAddress] ADD
CONSTRAINT [FK_BusinessEntityAddress_BusinessEntity_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [Person].[BusinessEntity] (
[BusinessEntityID]
),
CONSTRAINT [FK_BusinessEntityAddress_Address_AddressID] FOREIGN KEY
(
[AddressID]
) REFERENCES [Person].[Address] (
[AddressID]
),
CONSTRAINT [FK_BusinessEntityAddress_AddressType_AddressTypeID] FOREIGN KEY
(
[AddressTypeID]
) REFERENCES [Person].[AddressType] (
[AddressTypeID]
)
GO



ALTER TABLE [Person].[CountryRegion] WITH NOCHECK ADD
CONSTRAINT [PK_COUNTRYREGION] PRIMARY KEY  CLUSTERED
(
[CountryRegionCode]
)
ON [PRIMARY]
GO



ALTER TABLE [Finance].[CreditCard] WITH NOCHECK ADD
CONSTRAINT [PK_CREDITCARD] PRIMARY KEY  CLUSTERED
(
[CreditCardID]
)
ON [PRIMARY],
CONSTRAINT [CK_ExpMonth] CHECK ([ExpMonth]>=(1) AND [ExpMonth]<=(12))

GO



ALTER TABLE [Finance].[Currency] WITH NOCHECK ADD
CONSTRAINT [PK_CURRENCY] PRIMARY KEY  CLUSTERED
(
[CurrencyCode]
)
ON [PRIMARY]
GO



ALTER TABLE [Finance].[CurrencyRate] WITH NOCHECK ADD
CONSTRAINT [PK_CURRENCYRATE] PRIMARY KEY  CLUSTERED
(
[CurrencyRateID]
)
ON [PRIMARY]
GO



ALTER TABLE [Finance].[CurrencyRate] ADD
CONSTRAINT [FK_CurrencyRate_Currency_FromCurrencyCode] FOREIGN KEY
(
[FromCurrencyCode]
) REFERENCES [Finance].[Currency] (
[CurrencyCode]
),
CONSTRAINT [FK_CurrencyRate_Currency_ToCurrencyCode] FOREIGN KEY
(
[ToCurrencyCode]
) REFERENCES [Finance].[Currency] (
[CurrencyCode]
)
GO



ALTER TABLE [Sales].[Customer] WITH NOCHECK ADD
CONSTRAINT [PK_CUSTOMER] PRIMARY KEY  CLUSTERED
(
[CustomerID]
)
ON [PRIMARY],
CONSTRAINT [CK_CreditLimit] CHECK ([CreditLimit]>=(0.00))

GO



ALTER TABLE [Sales].[Customer] ADD
CONSTRAINT [FK_Customer_Person_PersonID] FOREIGN KEY
(
[PersonID]
) REFERENCES [Person].[Person] (
[BusinessEntityID]
),
CONSTRAINT [FK_Customer_Store_StoreID] FOREIGN KEY
(
[StoreID]
) REFERENCES [Sales].[Store] (
[BusinessEntityID]
),
CONSTRAINT [FK_Customer_SalesTerritory_TerritoryID] FOREIGN KEY
(
[TerritoryID]
) REFERENCES [Sales].[SalesTerritory] (
[TerritoryID]
)
GO



ALTER TABLE [dbo].[DatabaseLog] WITH NOCHECK ADD
CONSTRAINT [PK_DATABASELOG] PRIMARY KEY  CLUSTERED
(
[DatabaseLogID]
)
ON [PRIMARY]
GO



ALTER TABLE [HumanResources].[Department] WITH NOCHECK ADD
CONSTRAINT [PK_DEPARTMENT] PRIMARY KEY  CLUSTERED
(
[DepartmentID]
)
ON [PRIMARY]
GO



ALTER TABLE [HumanResources].[Department] ADD
CONSTRAINT [FK_Department_Department_ParentDepartmentID] FOREIGN KEY
(
[ParentDepartmentID]
) REFERENCES [HumanResources].[Department] (
[DepartmentID]
)
GO



ALTER TABLE [Person].[EmailAddress] WITH NOCHECK ADD
CONSTRAINT [PK_EMAILADDRESS] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID],
[EmailAddressID]
)
ON [PRIMARY]
GO



ALTER TABLE [Person].[EmailAddress] ADD
CONSTRAINT [FK_EmailAddress_Person_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [Person].[Person] (
[BusinessEntityID]
)
GO



ALTER TABLE [HumanResources].[Employee] WITH NOCHECK ADD
CONSTRAINT [PK_EMPLOYEE] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID]
)
ON [PRIMARY],
CONSTRAINT [CK_BirthDate] CHECK ([BirthDate]>='1930-01-01' AND [BirthDate]<=dateadd(year,(-18),getdate()))
,
CONSTRAINT [CK_MaritalStatus] CHECK (upper([MaritalStatus])='S' OR upper([MaritalStatus])='M')
,
CONSTRAINT [CK_Gender] CHECK (upper([Gender])='F' OR upper([Gender])='M')
,
CONSTRAINT [CK_VacationHours] CHECK ([VacationHours]>=(-40) AND [VacationHours]<=(240))
,
CONSTRAINT [CK_SickLeaveHours] CHECK ([SickLeaveHours]>=(0) AND [SickLeaveHours]<=(120))

GO



ALTER TABLE [HumanResources].[Employee] ADD
CONSTRAINT [FK_Employee_Person_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [Person].[Person] (
[BusinessEntityID]
),
CONSTRAINT [FK_Employee_Employee_ManagerID] FOREIGN KEY
(
[ManagerID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
)
GO



ALTER TABLE [HumanResources].[EmployeeDepartmentHistory] WITH NOCHECK ADD
CONSTRAINT [PK_EMPLOYEEDEPARTMENTHISTORY] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID],
[DepartmentID],
[ShiftID],
[StartDate]
)
ON [PRIMARY],
CONSTRAINT [CK_EndDate] CHECK ([EndDate]>=[StartDate] OR [EndDate] IS NULL)

GO



ALTER TABLE [HumanResources].[EmployeeDepartmentHistory] ADD
CONSTRAINT [FK_EmployeeDepartmentHistory_Employee_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
),
CONSTRAINT [FK_EmployeeDepartmentHistory_Department_DepartmentID] FOREIGN KEY
(
[DepartmentID]
) REFERENCES [HumanResources].[Department] (
[DepartmentID]
),
CONSTRAINT [FK_EmployeeDepartmentHistory_Shift_ShiftID] FOREIGN KEY
(
[ShiftID]
) REFERENCES [HumanResources].[Shift] (
[ShiftID]
)
GO



ALTER TABLE [HumanResources].[EmployeePayHistory] WITH NOCHECK ADD
CONSTRAINT [PK_EMPLOYEEPAYHISTORY] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID],
[RateChangeDate]
)
ON [PRIMARY],
CONSTRAINT [CK_Rate] CHECK ([Rate]>=(6.50) AND [Rate]<=(200.00))
,
CONSTRAINT [CK_PayFrequency] CHECK ([PayFrequency]=(3) OR [PayFrequency]=(2) OR [PayFrequency]=(1))

GO



ALTER TABLE [HumanResources].[EmployeePayHistory] ADD
CONSTRAINT [FK_EmployeePayHistory_Employee_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
)
GO



ALTER TABLE [Finance].[GeneralLedgerAccount] WITH NOCHECK ADD
CONSTRAINT [PK_GENERALLEDGERACCOUNT] PRIMARY KEY  CLUSTERED
(
[AccountID]
)
ON [PRIMARY],
CONSTRAINT [CK_AccountType] CHECK ([AccountType]>=(1) AND [AccountType]<=(5))

GO



ALTER TABLE [Finance].[GeneralLedgerAccount] ADD
CONSTRAINT [FK_GeneralLedgerAccount_GeneralLedgerAccount_ParentAccountID] FOREIGN KEY
(
[ParentAccountID]
) REFERENCES [Finance].[GeneralLedgerAccount] (
[AccountID]
)
GO



ALTER TABLE [Purchasing].[GoodsReceipt] WITH NOCHECK ADD
CONSTRAINT [PK_GOODSRECEIPT] PRIMARY KEY  CLUSTERED
(
[GoodsReceiptID]
)
ON [PRIMARY]
GO



ALTER TABLE [Purchasing].[GoodsReceipt] ADD
CONSTRAINT [FK_GoodsReceipt_Vendor_VendorID] FOREIGN KEY
(
[VendorID]
) REFERENCES [Purchasing].[Vendor] (
[BusinessEntityID]
),
CONSTRAINT [FK_GoodsReceipt_Warehouse_WarehouseID] FOREIGN KEY
(
[WarehouseID]
) REFERENCES [Inventory].[Warehouse] (
[WarehouseID]
)
GO



ALTER TABLE [Purchasing].[GoodsReceiptLine] WITH NOCHECK ADD
CONSTRAINT [PK_GOODSRECEIPTLINE] PRIMARY KEY  CLUSTERED
(
[GoodsReceiptID],
[LineNumber]
)
ON [PRIMARY],
CONSTRAINT [CK_ReceivedQty] CHECK ([ReceivedQty]>(0.00))

GO



ALTER TABLE [Purchasing].[GoodsReceiptLine] ADD
CONSTRAINT [FK_GoodsReceiptLine_GoodsReceipt_GoodsReceiptID] FOREIGN KEY
(
[GoodsReceiptID]
) REFERENCES [Purchasing].[GoodsReceipt] (
[GoodsReceiptID]
),
CONSTRAINT [FK_GoodsReceiptLine_PurchaseOrderDetail_PurchaseOrderID_PurchaseOrderDetailID] FOREIGN KEY
(
[PurchaseOrderID],
[PurchaseOrderDetailID]
) REFERENCES [Purchasing].[PurchaseOrderDetail] (
[PurchaseOrderID],
[PurchaseOrderDetailID]
)
GO



ALTER TABLE [Finance].[Invoice] WITH NOCHECK ADD
CONSTRAINT [PK_INVOICE] PRIMARY KEY  CLUSTERED
(
[InvoiceID]
)
ON [PRIMARY],
CONSTRAINT [CK_DueDate] CHECK ([DueDate]>=[InvoiceDate])
,
CONSTRAINT [CK_TotalDue] CHECK ([TotalDue]>=(0.00))
,
CONSTRAINT [CK_AmountPaid] CHECK ([AmountPaid]>=(0.00))

GO



ALTER TABLE [Finance].[Invoice] ADD
CONSTRAINT [FK_Invoice_Customer_CustomerID] FOREIGN KEY
(
[CustomerID]
) REFERENCES [Sales].[Customer] (
[CustomerID]
),
CONSTRAINT [FK_Invoice_SalesOrderHeader_SalesOrderID] FOREIGN KEY
(
[SalesOrderID]
) REFERENCES [Sales].[SalesOrderHeader] (
[SalesOrderID]
)
GO



ALTER TABLE [Finance].[InvoiceLine] WITH NOCHECK ADD
CONSTRAINT [PK_INVOICELINE] PRIMARY KEY  CLUSTERED
(
[InvoiceID],
[LineNumber]
)
ON [PRIMARY],
CONSTRAINT [CK_Quantity] CHECK ([Quantity]>(0))

GO



ALTER TABLE [Finance].[InvoiceLine] ADD
CONSTRAINT [FK_InvoiceLine_Invoice_InvoiceID] FOREIGN KEY
(
[InvoiceID]
) REFERENCES [Finance].[Invoice] (
[InvoiceID]
),
CONSTRAINT [FK_InvoiceLine_SalesOrderDetail_SalesOrderID_SalesOrderDetailID] FOREIGN KEY
(
[SalesOrderID],
[SalesOrderDetailID]
) REFERENCES [Sales].[SalesOrderDetail] (
[SalesOrderID],
[SalesOrderDetailID]
)
GO



ALTER TABLE [HumanResources].[JobCandidate] WITH NOCHECK ADD
CONSTRAINT [PK_JOBCANDIDATE] PRIMARY KEY  CLUSTERED
(
[JobCandidateID]
)
ON [PRIMARY]
GO



ALTER TABLE [HumanResources].[JobCandidate] ADD
CONSTRAINT [FK_JobCandidate_Employee_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
)
GO



ALTER TABLE [Finance].[JournalEntry] WITH NOCHECK ADD
CONSTRAINT [PK_JOURNALENTRY] PRIMARY KEY  CLUSTERED
(
[JournalEntryID]
)
ON [PRIMARY]
GO



ALTER TABLE [Finance].[JournalEntryLine] WITH NOCHECK ADD
CONSTRAINT [PK_JOURNALENTRYLINE] PRIMARY KEY  CLUSTERED
(
[JournalEntryID],
[LineNumber]
)
ON [PRIMARY],
CONSTRAINT [CK_DebitAmount] CHECK ([DebitAmount]>=(0.00))
,
CONSTRAINT [CK_CreditAmount] CHECK ([CreditAmount]>=(0.00))

GO



ALTER TABLE [Finance].[JournalEntryLine] ADD
CONSTRAINT [FK_JournalEntryLine_JournalEntry_JournalEntryID] FOREIGN KEY
(
[JournalEntryID]
) REFERENCES [Finance].[JournalEntry] (
[JournalEntryID]
),
CONSTRAINT [FK_JournalEntryLine_GeneralLedgerAccount_AccountID] FOREIGN KEY
(
[AccountID]
) REFERENCES [Finance].[GeneralLedgerAccount] (
[AccountID]
)
GO



ALTER TABLE [HumanResources].[LeaveRequest] WITH NOCHECK ADD
CONSTRAINT [PK_LEAVEREQUEST] PRIMARY KEY  CLUSTERED
(
[LeaveRequestID]
)
ON [PRIMARY],
CONSTRAINT [CK_EndDate] CHECK ([EndDate]>=[StartDate])

GO



ALTER TABLE [HumanResources].[LeaveRequest] ADD
CONSTRAINT [FK_LeaveRequest_Employee_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
)
GO



ALTER TABLE [Inventory].[Location] WITH NOCHECK ADD
CONSTRAINT [PK_LOCATION] PRIMARY KEY  CLUSTERED
(
[LocationID]
)
ON [PRIMARY],
CONSTRAINT [CK_CostRate] CHECK ([CostRate]>=(0.00))
,
CONSTRAINT [CK_Availability] CHECK ([Availability]>=(0.00))

GO



ALTER TABLE [Inventory].[Location] ADD
CONSTRAINT [FK_Location_Warehouse_WarehouseID] FOREIGN KEY
(
[WarehouseID]
) REFERENCES [Inventory].[Warehouse] (
[WarehouseID]
),
CONSTRAINT [FK_Location_Location_ParentLocationID] FOREIGN KEY
(
[ParentLocationID]
) REFERENCES [Inventory].[Location] (
[LocationID]
)
GO



ALTER TABLE [Finance].[Payment] WITH NOCHECK ADD
CONSTRAINT [PK_PAYMENT] PRIMARY KEY  CLUSTERED
(
[PaymentID]
)
ON [PRIMARY],
CONSTRAINT [CK_Amount] CHECK ([Amount]>(0.00))

GO



ALTER TABLE [Finance].[Payment] ADD
CONSTRAINT [FK_Payment_Customer_CustomerID] FOREIGN KEY
(
[CustomerID]
) REFERENCES [Sales].[Customer] (
[CustomerID]
),
CONSTRAINT [FK_Payment_PaymentMethod_PaymentMethodID] FOREIGN KEY
(
[PaymentMethodID]
) REFERENCES [Finance].[PaymentMethod] (
[PaymentMethodID]
)
GO



ALTER TABLE [Finance].[PaymentAllocation] WITH NOCHECK ADD
CONSTRAINT [PK_PAYMENTALLOCATION] PRIMARY KEY  CLUSTERED
(
[PaymentID],
[InvoiceID]
)
ON [PRIMARY],
CONSTRAINT [CK_AllocatedAmount] CHECK ([AllocatedAmount]>(0.00))

GO



ALTER TABLE [Finance].[PaymentAllocation] ADD
CONSTRAINT [FK_PaymentAllocation_Payment_PaymentID] FOREIGN KEY
(
[PaymentID]
) REFERENCES [Finance].[Payment] (
[PaymentID]
),
CONSTRAINT [FK_PaymentAllocation_Invoice_InvoiceID] FOREIGN KEY
(
[InvoiceID]
) REFERENCES [Finance].[Invoice] (
[InvoiceID]
)
GO



ALTER TABLE [Finance].[PaymentMethod] WITH NOCHECK ADD
CONSTRAINT [PK_PAYMENTMETHOD] PRIMARY KEY  CLUSTERED
(
[PaymentMethodID]
)
ON [PRIMARY]
GO



ALTER TABLE [Person].[Person] WITH NOCHECK ADD
CONSTRAINT [PK_PERSON] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID]
)
ON [PRIMARY],
CONSTRAINT [CK_PersonType] CHECK ([PersonType] IS NULL OR upper([PersonType])='GC' OR upper([PersonType])='SP' OR upper([PersonType])='EM' OR upper([PersonType])='IN' OR upper([PersonType])='VC' OR upper([PersonType])='SC')
,
CONSTRAINT [CK_EmailPromotion] CHECK ([EmailPromotion]>=(0) AND [EmailPromotion]<=(2))

GO



ALTER TABLE [Person].[Person] ADD
CONSTRAINT [FK_Person_BusinessEntity_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [Person].[BusinessEntity] (
[BusinessEntityID]
)
GO



ALTER TABLE [Production].[Product] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCT] PRIMARY KEY  CLUSTERED
(
[ProductID]
)
ON [PRIMARY],
CONSTRAINT [CK_SafetyStockLevel] CHECK ([SafetyStockLevel]>(0))
,
CONSTRAINT [CK_ReorderPoint] CHECK ([ReorderPoint]>(0))
,
CONSTRAINT [CK_StandardCost] CHECK ([StandardCost]>=(0.00))
,
CONSTRAINT [CK_ListPrice] CHECK ([ListPrice]>=(0.00))
,
CONSTRAINT [CK_Weight] CHECK ([Weight]>(0.00))
,
CONSTRAINT [CK_DaysToManufacture] CHECK ([DaysToManufacture]>=(0))
,
CONSTRAINT [CK_SellEndDate] CHECK ([SellEndDate]>=[SellStartDate] OR [SellEndDate] IS NULL)

GO



ALTER TABLE [Production].[Product] ADD
CONSTRAINT [FK_Product_UnitMeasure_SizeUnitMeasureCode] FOREIGN KEY
(
[SizeUnitMeasureCode]
) REFERENCES [Production].[UnitMeasure] (
[UnitMeasureCode]
),
CONSTRAINT [FK_Product_ProductSubcategory_ProductSubcategoryID] FOREIGN KEY
(
[ProductSubcategoryID]
) REFERENCES [Production].[ProductSubcategory] (
[ProductSubcategoryID]
),
CONSTRAINT [FK_Product_ProductModel_ProductModelID] FOREIGN KEY
(
[ProductModelID]
) REFERENCES [Production].[ProductModel] (
[ProductModelID]
)
GO



ALTER TABLE [Production].[ProductCategory] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTCATEGORY] PRIMARY KEY  CLUSTERED
(
[ProductCategoryID]
)
ON [PRIMARY]
GO



ALTER TABLE [Production].[ProductCategory] ADD
CONSTRAINT [FK_ProductCategory_ProductCategory_ParentCategoryID] FOREIGN KEY
(
[ParentCategoryID]
) REFERENCES [Production].[ProductCategory] (
[ProductCategoryID]
)
GO



ALTER TABLE [Production].[ProductCostHistory] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTCOSTHISTORY] PRIMARY KEY  CLUSTERED
(
[ProductID],
[StartDate]
)
ON [PRIMARY],
CONSTRAINT [CK_EndDate] CHECK ([EndDate]>=[StartDate] OR [EndDate] IS NULL)
,
CONSTRAINT [CK_StandardCost] CHECK ([StandardCost]>=(0.00))

GO



ALTER TABLE [Production].[ProductCostHistory] ADD
CONSTRAINT [FK_ProductCostHistory_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
)
GO



ALTER TABLE [Inventory].[ProductInventory] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTINVENTORY] PRIMARY KEY  CLUSTERED
(
[ProductID],
[LocationID]
)
ON [PRIMARY],
CONSTRAINT [CK_Bin] CHECK ([Bin]>=(0) AND [Bin]<=(100))

GO



ALTER TABLE [Inventory].[ProductInventory] ADD
CONSTRAINT [FK_ProductInventory_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
),
CONSTRAINT [FK_ProductInventory_Location_LocationID] FOREIGN KEY
(
[LocationID]
) REFERENCES [Inventory].[Location] (
[LocationID]
)
GO



ALTER TABLE [Production].[ProductListPriceHistory] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTLISTPRICEHISTORY] PRIMARY KEY  CLUSTERED
(
[ProductID],
[StartDate]
)
ON [PRIMARY],
CONSTRAINT [CK_EndDate] CHECK ([EndDate]>=[StartDate] OR [EndDate] IS NULL)
,
CONSTRAINT [CK_ListPrice] CHECK ([ListPrice]>(0.00))

GO



ALTER TABLE [Production].[ProductListPriceHistory] ADD
CONSTRAINT [FK_ProductListPriceHistory_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
)
GO



ALTER TABLE [Production].[ProductModel] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTMODEL] PRIMARY KEY  CLUSTERED
(
[ProductModelID]
)
ON [PRIMARY]
GO



ALTER TABLE [Production].[ProductPhoto] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTPHOTO] PRIMARY KEY  CLUSTERED
(
[ProductPhotoID]
)
ON [PRIMARY]
GO



ALTER TABLE [Production].[ProductProductPhoto] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTPRODUCTPHOTO] PRIMARY KEY  CLUSTERED
(
[ProductID],
[ProductPhotoID]
)
ON [PRIMARY]
GO



ALTER TABLE [Production].[ProductProductPhoto] ADD
CONSTRAINT [FK_ProductProductPhoto_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
),
CONSTRAINT [FK_ProductProductPhoto_ProductPhoto_ProductPhotoID] FOREIGN KEY
(
[ProductPhotoID]
) REFERENCES [Production].[ProductPhoto] (
[ProductPhotoID]
)
GO



ALTER TABLE [Production].[ProductSubcategory] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTSUBCATEGORY] PRIMARY KEY  CLUSTERED
(
[ProductSubcategoryID]
)
ON [PRIMARY]
GO



ALTER TABLE [Production].[ProductSubcategory] ADD
CONSTRAINT [FK_ProductSubcategory_ProductCategory_ProductCategoryID] FOREIGN KEY
(
[ProductCategoryID]
) REFERENCES [Production].[ProductCategory] (
[ProductCategoryID]
)
GO



ALTER TABLE [Purchasing].[ProductVendor] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCTVENDOR] PRIMARY KEY  CLUSTERED
(
[ProductID],
[BusinessEntityID]
)
ON [PRIMARY],
CONSTRAINT [CK_AverageLeadTime] CHECK ([AverageLeadTime]>=(1))
,
CONSTRAINT [CK_StandardPrice] CHECK ([StandardPrice]>(0.00))
,
CONSTRAINT [CK_MinOrderQty] CHECK ([MinOrderQty]>=(1))
,
CONSTRAINT [CK_MaxOrderQty] CHECK ([MaxOrderQty]>=(1))

GO



ALTER TABLE [Purchasing].[ProductVendor] ADD
CONSTRAINT [FK_ProductVendor_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
),
CONSTRAINT [FK_ProductVendor_Vendor_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [Purchasing].[Vendor] (
[BusinessEntityID]
)
GO



ALTER TABLE [Purchasing].[PurchaseOrderDetail] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASEORDERDETAIL] PRIMARY KEY  CLUSTERED
(
[PurchaseOrderID],
[PurchaseOrderDetailID]
)
ON [PRIMARY],
CONSTRAINT [CK_OrderQty] CHECK ([OrderQty]>(0))
,
CONSTRAINT [CK_UnitPrice] CHECK ([UnitPrice]>=(0.00))
,
CONSTRAINT [CK_ReceivedQty] CHECK ([ReceivedQty]>=(0.00))
,
CONSTRAINT [CK_RejectedQty] CHECK ([RejectedQty]>=(0.00))

GO



ALTER TABLE [Purchasing].[PurchaseOrderDetail] ADD
CONSTRAINT [FK_PurchaseOrderDetail_PurchaseOrderHeader_PurchaseOrderID] FOREIGN KEY
(
[PurchaseOrderID]
) REFERENCES [Purchasing].[PurchaseOrderHeader] (
[PurchaseOrderID]
),
CONSTRAINT [FK_PurchaseOrderDetail_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
)
GO



ALTER TABLE [Purchasing].[PurchaseOrderHeader] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASEORDERHEADER] PRIMARY KEY  CLUSTERED
(
[PurchaseOrderID]
)
ON [PRIMARY],
CONSTRAINT [CK_Status] CHECK ([Status]>=(1) AND [Status]<=(4))
,
CONSTRAINT [CK_ShipDate] CHECK ([ShipDate]>=[OrderDate] OR [ShipDate] IS NULL)
,
CONSTRAINT [CK_SubTotal] CHECK ([SubTotal]>=(0.00))
,
CONSTRAINT [CK_TaxAmt] CHECK ([TaxAmt]>=(0.00))
,
CONSTRAINT [CK_Freight] CHECK ([Freight]>=(0.00))

GO



ALTER TABLE [Purchasing].[PurchaseOrderHeader] ADD
CONSTRAINT [FK_PurchaseOrderHeader_Employee_EmployeeID] FOREIGN KEY
(
[EmployeeID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
),
CONSTRAINT [FK_PurchaseOrderHeader_Vendor_VendorID] FOREIGN KEY
(
[VendorID]
) REFERENCES [Purchasing].[Vendor] (
[BusinessEntityID]
),
CONSTRAINT [FK_PurchaseOrderHeader_ShipMethod_ShipMethodID] FOREIGN KEY
(
[ShipMethodID]
) REFERENCES [Purchasing].[ShipMethod] (
[ShipMethodID]
)
GO



ALTER TABLE [Sales].[SalesOrderDetail] WITH NOCHECK ADD
CONSTRAINT [PK_SALESORDERDETAIL] PRIMARY KEY  CLUSTERED
(
[SalesOrderID],
[SalesOrderDetailID]
)
ON [PRIMARY],
CONSTRAINT [CK_OrderQty] CHECK ([OrderQty]>(0))
,
CONSTRAINT [CK_UnitPrice] CHECK ([UnitPrice]>=(0.00))
,
CONSTRAINT [CK_UnitPriceDiscount] CHECK ([UnitPriceDiscount]>=(0.00))

GO



ALTER TABLE [Sales].[SalesOrderDetail] ADD
CONSTRAINT [FK_SalesOrderDetail_SalesOrderHeader_SalesOrderID] FOREIGN KEY
(
[SalesOrderID]
) REFERENCES [Sales].[SalesOrderHeader] (
[SalesOrderID]
),
CONSTRAINT [FK_SalesOrderDetail_SpecialOfferProduct_SpecialOfferID_ProductID] FOREIGN KEY
(
[SpecialOfferID],
[ProductID]
) REFERENCES [Sales].[SpecialOfferProduct] (
[SpecialOfferID],
[ProductID]
)
GO



ALTER TABLE [Sales].[SalesOrderHeader] WITH NOCHECK ADD
CONSTRAINT [PK_SALESORDERHEADER] PRIMARY KEY  CLUSTERED
(
[SalesOrderID]
)
ON [PRIMARY],
CONSTRAINT [CK_DueDate] CHECK ([DueDate]>=[OrderDate])
,
CONSTRAINT [CK_ShipDate] CHECK ([ShipDate]>=[OrderDate] OR [ShipDate] IS NULL)
,
CONSTRAINT [CK_Status] CHECK ([Status]>=(0) AND [Status]<=(8))
,
CONSTRAINT [CK_SubTotal] CHECK ([SubTotal]>=(0.00))
,
CONSTRAINT [CK_TaxAmt] CHECK ([TaxAmt]>=(0.00))
,
CONSTRAINT [CK_Freight] CHECK ([Freight]>=(0.00))

GO



ALTER TABLE [Sales].[SalesOrderHeader] ADD
CONSTRAINT [FK_SalesOrderHeader_Customer_CustomerID] FOREIGN KEY
(
[CustomerID]
) REFERENCES [Sales].[Customer] (
[CustomerID]
),
CONSTRAINT [FK_SalesOrderHeader_SalesPerson_SalesPersonID] FOREIGN KEY
(
[SalesPersonID]
) REFERENCES [Sales].[SalesPerson] (
[BusinessEntityID]
),
CONSTRAINT [FK_SalesOrderHeader_Address_BillToAddressID] FOREIGN KEY
(
[BillToAddressID]
) REFERENCES [Person].[Address] (
[AddressID]
),
CONSTRAINT [FK_SalesOrderHeader_Address_ShipToAddressID] FOREIGN KEY
(
[ShipToAddressID]
) REFERENCES [Person].[Address] (
[AddressID]
),
CONSTRAINT [FK_SalesOrderHeader_ShipMethod_ShipMethodID] FOREIGN KEY
(
[ShipMethodID]
) REFERENCES [Purchasing].[ShipMethod] (
[ShipMethodID]
),
CONSTRAINT [FK_SalesOrderHeader_CreditCard_CreditCardID] FOREIGN KEY
(
[CreditCardID]
) REFERENCES [Finance].[CreditCard] (
[CreditCardID]
),
CONSTRAINT [FK_SalesOrderHeader_CurrencyRate_CurrencyRateID] FOREIGN KEY
(
[CurrencyRateID]
) REFERENCES [Finance].[CurrencyRate] (
[CurrencyRateID]
)
GO



ALTER TABLE [Sales].[SalesOrderHeaderSalesReason] WITH NOCHECK ADD
CONSTRAINT [PK_SALESORDERHEADERSALESREASON] PRIMARY KEY  CLUSTERED
(
[SalesOrderID],
[SalesReasonID]
)
ON [PRIMARY]
GO



ALTER TABLE [Sales].[SalesOrderHeaderSalesReason] ADD
CONSTRAINT [FK_SalesOrderHeaderSalesReason_SalesOrderHeader_SalesOrderID] FOREIGN KEY
(
[SalesOrderID]
) REFERENCES [Sales].[SalesOrderHeader] (
[SalesOrderID]
),
CONSTRAINT [FK_SalesOrderHeaderSalesReason_SalesReason_SalesReasonID] FOREIGN KEY
(
[SalesReasonID]
) REFERENCES [Sales].[SalesReason] (
[SalesReasonID]
)
GO



ALTER TABLE [Sales].[SalesPerson] WITH NOCHECK ADD
CONSTRAINT [PK_SALESPERSON] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID]
)
ON [PRIMARY],
CONSTRAINT [CK_SalesQuota] CHECK ([SalesQuota]>(0.00))
,
CONSTRAINT [CK_Bonus] CHECK ([Bonus]>=(0.00))
,
CONSTRAINT [CK_CommissionPct] CHECK ([CommissionPct]>=(0.00))

GO



ALTER TABLE [Sales].[SalesPerson] ADD
CONSTRAINT [FK_SalesPerson_Employee_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [HumanResources].[Employee] (
[BusinessEntityID]
),
CONSTRAINT [FK_SalesPerson_SalesTerritory_TerritoryID] FOREIGN KEY
(
[TerritoryID]
) REFERENCES [Sales].[SalesTerritory] (
[TerritoryID]
)
GO



ALTER TABLE [Sales].[SalesReason] WITH NOCHECK ADD
CONSTRAINT [PK_SALESREASON] PRIMARY KEY  CLUSTERED
(
[SalesReasonID]
)
ON [PRIMARY]
GO



ALTER TABLE [Sales].[SalesTerritory] WITH NOCHECK ADD
CONSTRAINT [PK_SALESTERRITORY] PRIMARY KEY  CLUSTERED
(
[TerritoryID]
)
ON [PRIMARY],
CONSTRAINT [CK_SalesYTD] CHECK ([SalesYTD]>=(0.00))
,
CONSTRAINT [CK_SalesLastYear] CHECK ([SalesLastYear]>=(0.00))

GO



ALTER TABLE [Sales].[SalesTerritory] ADD
CONSTRAINT [FK_SalesTerritory_CountryRegion_CountryRegionCode] FOREIGN KEY
(
[CountryRegionCode]
) REFERENCES [Person].[CountryRegion] (
[CountryRegionCode]
)
GO



ALTER TABLE [HumanResources].[Shift] WITH NOCHECK ADD
CONSTRAINT [PK_SHIFT] PRIMARY KEY  CLUSTERED
(
[ShiftID]
)
ON [PRIMARY]
GO



ALTER TABLE [Purchasing].[ShipMethod] WITH NOCHECK ADD
CONSTRAINT [PK_SHIPMETHOD] PRIMARY KEY  CLUSTERED
(
[ShipMethodID]
)
ON [PRIMARY],
CONSTRAINT [CK_ShipBase] CHECK ([ShipBase]>(0.00))
,
CONSTRAINT [CK_ShipRate] CHECK ([ShipRate]>(0.00))

GO



ALTER TABLE [Sales].[SpecialOffer] WITH NOCHECK ADD
CONSTRAINT [PK_SPECIALOFFER] PRIMARY KEY  CLUSTERED
(
[SpecialOfferID]
)
ON [PRIMARY],
CONSTRAINT [CK_DiscountPct] CHECK ([DiscountPct]>=(0.00))
,
CONSTRAINT [CK_EndDate] CHECK ([EndDate]>=[StartDate])
,
CONSTRAINT [CK_MinQty] CHECK ([MinQty]>=(0))
,
CONSTRAINT [CK_MaxQty] CHECK ([MaxQty]>=(0))

GO



ALTER TABLE [Sales].[SpecialOfferProduct] WITH NOCHECK ADD
CONSTRAINT [PK_SPECIALOFFERPRODUCT] PRIMARY KEY  CLUSTERED
(
[SpecialOfferID],
[ProductID]
)
ON [PRIMARY]
GO



ALTER TABLE [Sales].[SpecialOfferProduct] ADD
CONSTRAINT [FK_SpecialOfferProduct_SpecialOffer_SpecialOfferID] FOREIGN KEY
(
[SpecialOfferID]
) REFERENCES [Sales].[SpecialOffer] (
[SpecialOfferID]
),
CONSTRAINT [FK_SpecialOfferProduct_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
)
GO



ALTER TABLE [Person].[StateProvince] WITH NOCHECK ADD
CONSTRAINT [PK_STATEPROVINCE] PRIMARY KEY  CLUSTERED
(
[StateProvinceID]
)
ON [PRIMARY]
GO



ALTER TABLE [Person].[StateProvince] ADD
CONSTRAINT [FK_StateProvince_CountryRegion_CountryRegionCode] FOREIGN KEY
(
[CountryRegionCode]
) REFERENCES [Person].[CountryRegion] (
[CountryRegionCode]
)
GO



ALTER TABLE [Inventory].[StockCount] WITH NOCHECK ADD
CONSTRAINT [PK_STOCKCOUNT] PRIMARY KEY  CLUSTERED
(
[StockCountID]
)
ON [PRIMARY]
GO



ALTER TABLE [Inventory].[StockCount] ADD
CONSTRAINT [FK_StockCount_Warehouse_WarehouseID] FOREIGN KEY
(
[WarehouseID]
) REFERENCES [Inventory].[Warehouse] (
[WarehouseID]
)
GO



ALTER TABLE [Inventory].[StockCountLine] WITH NOCHECK ADD
CONSTRAINT [PK_STOCKCOUNTLINE] PRIMARY KEY  CLUSTERED
(
[StockCountID],
[LineNumber]
)
ON [PRIMARY],
CONSTRAINT [CK_CountedQuantity] CHECK ([CountedQuantity]>=(0))

GO



ALTER TABLE [Inventory].[StockCountLine] ADD
CONSTRAINT [FK_StockCountLine_StockCount_StockCountID] FOREIGN KEY
(
[StockCountID]
) REFERENCES [Inventory].[StockCount] (
[StockCountID]
),
CONSTRAINT [FK_StockCountLine_ProductInventory_ProductID_LocationID] FOREIGN KEY
(
[ProductID],
[LocationID]
) REFERENCES [Inventory].[ProductInventory] (
[ProductID],
[LocationID]
)
GO



ALTER TABLE [Sales].[Store] WITH NOCHECK ADD
CONSTRAINT [PK_STORE] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID]
)
ON [PRIMARY]
GO



ALTER TABLE [Sales].[Store] ADD
CONSTRAINT [FK_Store_BusinessEntity_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [Person].[BusinessEntity] (
[BusinessEntityID]
),
CONSTRAINT [FK_Store_SalesPerson_SalesPersonID] FOREIGN KEY
(
[SalesPersonID]
) REFERENCES [Sales].[SalesPerson] (
[BusinessEntityID]
)
GO



ALTER TABLE [dbo].[SystemSetting] WITH NOCHECK ADD
CONSTRAINT [PK_SYSTEMSETTING] PRIMARY KEY  CLUSTERED
(
[SettingKey]
)
ON [PRIMARY]
GO



ALTER TABLE [Inventory].[TransactionHistory] WITH NOCHECK ADD
CONSTRAINT [PK_TRANSACTIONHISTORY] PRIMARY KEY  CLUSTERED
(
[TransactionID]
)
ON [PRIMARY],
CONSTRAINT [CK_TransactionType] CHECK (upper([TransactionType])='P' OR upper([TransactionType])='S' OR upper([TransactionType])='W')

GO



ALTER TABLE [Inventory].[TransactionHistory] ADD
CONSTRAINT [FK_TransactionHistory_Product_ProductID] FOREIGN KEY
(
[ProductID]
) REFERENCES [Production].[Product] (
[ProductID]
)
GO



ALTER TABLE [Inventory].[TransferOrder] WITH NOCHECK ADD
CONSTRAINT [PK_TRANSFERORDER] PRIMARY KEY  CLUSTERED
(
[TransferOrderID]
)
ON [PRIMARY]
GO



ALTER TABLE [Inventory].[TransferOrder] ADD
CONSTRAINT [FK_TransferOrder_Warehouse_FromWarehouseID] FOREIGN KEY
(
[FromWarehouseID]
) REFERENCES [Inventory].[Warehouse] (
[WarehouseID]
),
CONSTRAINT [FK_TransferOrder_Warehouse_ToWarehouseID] FOREIGN KEY
(
[ToWarehouseID]
) REFERENCES [Inventory].[Warehouse] (
[WarehouseID]
)
GO



ALTER TABLE [Inventory].[TransferOrderLine] WITH NOCHECK ADD
CONSTRAINT [PK_TRANSFERORDERLINE] PRIMARY KEY  CLUSTERED
(
[TransferOrderID],
[LineNumber]
)
ON [PRIMARY],
CONSTRAINT [CK_Quantity] CHECK ([Quantity]>(0))

GO



ALTER TABLE [Inventory].[TransferOrderLine] ADD
CONSTRAINT [FK_TransferOrderLine_TransferOrder_TransferOrderID] FOREIGN KEY
(
[TransferOrderID]
) REFERENCES [Inventory].[TransferOrder] (
[TransferOrderID]
),
CONSTRAINT [FK_TransferOrderLine_ProductInventory_ProductID_FromLocationID] FOREIGN KEY
(
[ProductID],
[FromLocationID]
) REFERENCES [Inventory].[ProductInventory] (
[ProductID],
[LocationID]
)
GO



ALTER TABLE [Production].[UnitMeasure] WITH NOCHECK ADD
CONSTRAINT [PK_UNITMEASURE] PRIMARY KEY  CLUSTERED
(
[UnitMeasureCode]
)
ON [PRIMARY]
GO



ALTER TABLE [Purchasing].[Vendor] WITH NOCHECK ADD
CONSTRAINT [PK_VENDOR] PRIMARY KEY  CLUSTERED
(
[BusinessEntityID]
)
ON [PRIMARY],
CONSTRAINT [CK_CreditRating] CHECK ([CreditRating]>=(1) AND [CreditRating]<=(5))

GO



ALTER TABLE [Purchasing].[Vendor] ADD
CONSTRAINT [FK_Vendor_BusinessEntity_BusinessEntityID] FOREIGN KEY
(
[BusinessEntityID]
) REFERENCES [Person].[BusinessEntity] (
[BusinessEntityID]
)
GO



ALTER TABLE [Purchasing].[VendorContact] WITH NOCHECK ADD
CONSTRAINT [PK_VENDORCONTACT] PRIMARY KEY  CLUSTERED
(
[VendorID],
[PersonID]
)
ON [PRIMARY]
GO



ALTER TABLE [Purchasing].[VendorContact] ADD
CONSTRAINT [FK_VendorContact_Vendor_VendorID] FOREIGN KEY
(
[VendorID]
) REFERENCES [Purchasing].[Vendor] (
[BusinessEntityID]
),
CONSTRAINT [FK_VendorContact_Person_PersonID] FOREIGN KEY
(
[PersonID]
) REFERENCES [Person].[Person] (
[BusinessEntityID]
)
GO



ALTER TABLE [Purchasing].[VendorInvoice] WITH NOCHECK ADD
CONSTRAINT [PK_VENDORINVOICE] PRIMARY KEY  CLUSTERED
(
[VendorInvoiceID]
)
ON [PRIMARY],
CONSTRAINT [CK_DueDate] CHECK ([DueDate]>=[InvoiceDate])
,
CONSTRAINT [CK_TotalDue] CHECK ([TotalDue]>=(0.00))

GO



ALTER TABLE [Purchasing].[VendorInvoice] ADD
CONSTRAINT [FK_VendorInvoice_Vendor_VendorID] FOREIGN KEY
(
[VendorID]
) REFERENCES [Purchasing].[Vendor] (
[BusinessEntityID]
)
GO



ALTER TABLE [Inventory].[Warehouse] WITH NOCHECK ADD
CONSTRAINT [PK_WAREHOUSE] PRIMARY KEY  CLUSTERED
(
[WarehouseID]
)
ON [PRIMARY]
GO

