#!/usr/bin/env python3
"""Writes resources/samples/erp70.sql: a 70-table business design (customers, orders,
products, stock, purchasing, invoices, payments, staff) with Chinese display names, notes,
groups, identity columns, defaults, CHECKs and composite and self-referencing foreign keys.

The tables are written as a Tablora script and then saved once by tablora-cli, so the
sample holds exactly what the program writes (saving it again gives the same bytes):

    resources/samples/make_erp70.py [path/to/tablora-cli]     # default: build/tablora-cli
"""

import base64
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

# Window layout of the sample: each group starts a row; cells of the shipped new-window
# size and margins (TableWin Width + MarginW, Height + MarginH).
PER_ROW = 4
CELL_W = 200
CELL_H = 180
BACKGROUNDS = [0x0080FF80, 0x00FFE0C0, 0x00C0E0FF, 0x00E0FFFF,
               0x00FFD0FF, 0x00D0FFD0, 0x00E0E0E0, 0x00C0FFFF]


class Col:
    def __init__(self, name, cn, type_, flags="", default=None, note="", check=None):
        self.name, self.cn, self.type = name, cn, type_
        self.nullable = "null" in flags.split()
        self.identity = "id" in flags.split()
        self.pk = "pk" in flags.split()
        self.default, self.note, self.check = default, note, check


def ModifiedDate():
    return Col("ModifiedDate", "修改日期", "datetime", default="getdate()",
               note="行最后一次修改的日期和时间")


def Rowguid():
    return Col("rowguid", "行标识", "uniqueidentifier", default="newid()",
               note="唯一标识该行的 ROWGUIDCOL 值, 用于合并复制")


def Id(name, cn, note=""):
    return Col(name, cn, "int", "pk id", note=note or "主键, 自动编号")


def Ref(name, cn, note="", flags="", type_="int"):
    return Col(name, cn, type_, flags, note=note)


class Table:
    def __init__(self, owner, name, cn, comment, cols, fks=(), group=None):
        self.owner, self.name, self.cn, self.comment = owner, name, cn, comment
        self.cols, self.fks, self.group = cols, list(fks), group


GROUPS = []


def Group(name, tables):
    for t in tables:
        t.group = name
    GROUPS.append((name, tables))


# -- 基础资料 ------------------------------------------------------------------------------
Group("基础资料", [
    Table("Person", "BusinessEntity", "业务实体", "人员、商店和供应商共用的实体编号", [
        Id("BusinessEntityID", "业务实体编号"), Rowguid(), ModifiedDate()]),
    Table("Person", "Person", "人员", "员工、客户联系人和供应商联系人", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk", note="人员的主键, 同时引用业务实体"),
        Col("PersonType", "人员类型", "nchar(2)", note="SC 商店联系人, IN 个人客户, SP 销售员, EM 员工, VC 供应商联系人",
            check="[PersonType] IS NULL OR upper([PersonType])='GC' OR upper([PersonType])='SP' OR upper([PersonType])='EM' OR upper([PersonType])='IN' OR upper([PersonType])='VC' OR upper([PersonType])='SC'"),
        Col("NameStyle", "姓名顺序", "bit", default="(0)", note="0 表示西式姓名(名在前), 1 表示东方姓名(姓在前)"),
        Col("Title", "称谓", "nvarchar(8)", "null", note="Mr. Ms. Dr. 等"),
        Col("FirstName", "名", "nvarchar(50)"),
        Col("MiddleName", "中间名", "nvarchar(50)", "null"),
        Col("LastName", "姓", "nvarchar(50)"),
        Col("Suffix", "后缀", "nvarchar(10)", "null"),
        Col("EmailPromotion", "邮件推广", "int", default="(0)", note="0 不接收, 1 接收本公司, 2 接收合作伙伴",
            check="[EmailPromotion]>=(0) AND [EmailPromotion]<=(2)"),
        Col("AdditionalContactInfo", "其他联系方式", "xml", "null"),
        Col("Demographics", "人口统计", "xml", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["BusinessEntityID"], "BusinessEntity", ["BusinessEntityID"])]),
    Table("Person", "CountryRegion", "国家地区", "ISO 国家和地区代码", [
        Col("CountryRegionCode", "国家地区代码", "nvarchar(3)", "pk", note="ISO 标准代码"),
        Col("Name", "名称", "nvarchar(50)"), ModifiedDate()]),
    Table("Person", "StateProvince", "省州", "国家地区下的省、州", [
        Id("StateProvinceID", "省州编号"),
        Col("StateProvinceCode", "省州代码", "nchar(3)"),
        Ref("CountryRegionCode", "国家地区代码", type_="nvarchar(3)"),
        Col("IsOnlyStateProvinceFlag", "仅此省州", "bit", default="(1)",
            note="0 表示省州代码可用, 1 表示用国家地区代码代替"),
        Col("Name", "名称", "nvarchar(50)"),
        Ref("TerritoryID", "销售区域编号"),
        Rowguid(), ModifiedDate()],
        fks=[(["CountryRegionCode"], "CountryRegion", ["CountryRegionCode"])]),
    Table("Person", "AddressType", "地址类型", "账单、家庭、发货等地址类型", [
        Id("AddressTypeID", "地址类型编号"), Col("Name", "名称", "nvarchar(50)"), Rowguid(), ModifiedDate()]),
    Table("Person", "Address", "地址", "客户、员工和供应商的街道地址", [
        Id("AddressID", "地址编号"),
        Col("AddressLine1", "地址行1", "nvarchar(60)"),
        Col("AddressLine2", "地址行2", "nvarchar(60)", "null"),
        Col("City", "城市", "nvarchar(30)"),
        Ref("StateProvinceID", "省州编号"),
        Col("PostalCode", "邮政编码", "nvarchar(15)"),
        Col("SpatialLocation", "地理位置", "geography", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["StateProvinceID"], "StateProvince", ["StateProvinceID"])]),
    Table("Person", "BusinessEntityAddress", "实体地址", "业务实体与地址的对应关系", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Col("AddressID", "地址编号", "int", "pk"),
        Col("AddressTypeID", "地址类型编号", "int", "pk"),
        Rowguid(), ModifiedDate()],
        fks=[(["BusinessEntityID"], "BusinessEntity", ["BusinessEntityID"]),
             (["AddressID"], "Address", ["AddressID"]),
             (["AddressTypeID"], "AddressType", ["AddressTypeID"])]),
    Table("Person", "EmailAddress", "电子邮件", "人员的电子邮件地址", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Col("EmailAddressID", "邮件编号", "int", "pk id"),
        Col("EmailAddress", "电子邮件地址", "nvarchar(50)", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["BusinessEntityID"], "Person", ["BusinessEntityID"])])])

# -- 人力资源 ------------------------------------------------------------------------------
Group("人力资源", [
    Table("HumanResources", "Department", "部门", "公司内部的部门, 可多级", [
        Col("DepartmentID", "部门编号", "smallint", "pk id"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("GroupName", "部门组", "nvarchar(50)", note="部门所属的上级分组名称"),
        Ref("ParentDepartmentID", "上级部门编号", "空表示顶级部门", "null", "smallint"),
        Col("CostCenterCode", "成本中心", "varchar(10)", "null"),
        ModifiedDate()],
        fks=[(["ParentDepartmentID"], "Department", ["DepartmentID"])]),
    Table("HumanResources", "Employee", "员工", "员工信息: 职务、生日、婚姻状况、入职日期", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk", note="员工的主键, 引用人员"),
        Col("NationalIDNumber", "身份证号", "nvarchar(15)"),
        Col("LoginID", "登录名", "nvarchar(256)"),
        Ref("ManagerID", "经理编号", "直属上级, 引用员工", "null"),
        Col("JobTitle", "职务", "nvarchar(50)"),
        Col("BirthDate", "出生日期", "date", check="[BirthDate]>='1930-01-01' AND [BirthDate]<=dateadd(year,(-18),getdate())"),
        Col("MaritalStatus", "婚姻状况", "nchar(1)", note="M 已婚, S 单身",
            check="upper([MaritalStatus])='S' OR upper([MaritalStatus])='M'"),
        Col("Gender", "性别", "nchar(1)", note="M 男, F 女", check="upper([Gender])='F' OR upper([Gender])='M'"),
        Col("HireDate", "入职日期", "date"),
        Col("SalariedFlag", "计薪方式", "bit", default="(1)", note="0 计时, 1 月薪"),
        Col("VacationHours", "年假小时数", "smallint", default="(0)",
            check="[VacationHours]>=(-40) AND [VacationHours]<=(240)"),
        Col("SickLeaveHours", "病假小时数", "smallint", default="(0)",
            check="[SickLeaveHours]>=(0) AND [SickLeaveHours]<=(120)"),
        Col("CurrentFlag", "在职", "bit", default="(1)"),
        Rowguid(), ModifiedDate()],
        fks=[(["BusinessEntityID"], "Person", ["BusinessEntityID"]),
             (["ManagerID"], "Employee", ["BusinessEntityID"])]),
    Table("HumanResources", "Shift", "班次", "工作班次", [
        Col("ShiftID", "班次编号", "tinyint", "pk id"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("StartTime", "开始时间", "time"),
        Col("EndTime", "结束时间", "time"), ModifiedDate()]),
    Table("HumanResources", "EmployeeDepartmentHistory", "部门履历", "员工所在部门的历史, 含当前部门", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Col("DepartmentID", "部门编号", "smallint", "pk"),
        Col("ShiftID", "班次编号", "tinyint", "pk"),
        Col("StartDate", "开始日期", "date", "pk"),
        Col("EndDate", "结束日期", "date", "null", note="空表示当前所在部门",
            check="[EndDate]>=[StartDate] OR [EndDate] IS NULL"),
        ModifiedDate()],
        fks=[(["BusinessEntityID"], "Employee", ["BusinessEntityID"]),
             (["DepartmentID"], "Department", ["DepartmentID"]),
             (["ShiftID"], "Shift", ["ShiftID"])]),
    Table("HumanResources", "EmployeePayHistory", "薪资履历", "员工薪资变动记录", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Col("RateChangeDate", "调薪日期", "datetime", "pk"),
        Col("Rate", "时薪", "money", check="[Rate]>=(6.50) AND [Rate]<=(200.00)"),
        Col("PayFrequency", "发薪频率", "tinyint", note="1 每月, 2 每两周", check="[PayFrequency]=(3) OR [PayFrequency]=(2) OR [PayFrequency]=(1)"),
        ModifiedDate()],
        fks=[(["BusinessEntityID"], "Employee", ["BusinessEntityID"])]),
    Table("HumanResources", "JobCandidate", "应聘者", "应聘者提交的简历", [
        Id("JobCandidateID", "应聘者编号"),
        Ref("BusinessEntityID", "业务实体编号", "已录用时为员工编号", "null"),
        Col("Resume", "简历", "xml", "null"),
        ModifiedDate()],
        fks=[(["BusinessEntityID"], "Employee", ["BusinessEntityID"])]),
    Table("HumanResources", "Attendance", "考勤", "员工每日打卡记录", [
        Id("AttendanceID", "考勤编号"),
        Ref("BusinessEntityID", "业务实体编号"),
        Col("WorkDate", "工作日期", "date"),
        Ref("ShiftID", "班次编号", type_="tinyint"),
        Col("ClockIn", "上班打卡", "datetime2(0)", "null"),
        Col("ClockOut", "下班打卡", "datetime2(0)", "null", check="[ClockOut] IS NULL OR [ClockOut]>[ClockIn]"),
        Col("OvertimeMinutes", "加班分钟", "int", default="(0)"),
        ModifiedDate()],
        fks=[(["BusinessEntityID"], "Employee", ["BusinessEntityID"])]),
    Table("HumanResources", "LeaveRequest", "请假单", "员工请假申请与审批", [
        Id("LeaveRequestID", "请假单编号"),
        Ref("BusinessEntityID", "业务实体编号"),
        Ref("ApproverID", "审批人编号", "审批的员工", "null"),
        Col("LeaveType", "请假类型", "tinyint", note="1 年假, 2 病假, 3 事假"),
        Col("StartDate", "开始日期", "date"),
        Col("EndDate", "结束日期", "date", check="[EndDate]>=[StartDate]"),
        Col("Status", "状态", "tinyint", default="(1)", note="1 待审, 2 批准, 3 驳回"),
        ModifiedDate()],
        fks=[(["BusinessEntityID"], "Employee", ["BusinessEntityID"])])])

# -- 产品 ----------------------------------------------------------------------------------
Group("产品", [
    Table("Production", "UnitMeasure", "计量单位", "计量单位代码", [
        Col("UnitMeasureCode", "单位代码", "nchar(3)", "pk"),
        Col("Name", "名称", "nvarchar(50)"), ModifiedDate()]),
    Table("Production", "ProductCategory", "产品大类", "产品大类, 可多级", [
        Id("ProductCategoryID", "大类编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Ref("ParentCategoryID", "上级大类编号", "空表示顶级", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["ParentCategoryID"], "ProductCategory", ["ProductCategoryID"])]),
    Table("Production", "ProductSubcategory", "产品子类", "产品大类下的子类", [
        Id("ProductSubcategoryID", "子类编号"),
        Ref("ProductCategoryID", "大类编号"),
        Col("Name", "名称", "nvarchar(50)"), Rowguid(), ModifiedDate()],
        fks=[(["ProductCategoryID"], "ProductCategory", ["ProductCategoryID"])]),
    Table("Production", "ProductModel", "产品型号", "产品型号与说明书", [
        Id("ProductModelID", "型号编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("CatalogDescription", "目录说明", "xml", "null"),
        Col("Instructions", "制造说明", "xml", "null"),
        Rowguid(), ModifiedDate()]),
    Table("Production", "Product", "产品", "出售或用于生产的产品", [
        Id("ProductID", "产品编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("ProductNumber", "产品编码", "nvarchar(25)"),
        Col("MakeFlag", "自制", "bit", default="(1)", note="0 外购, 1 自制"),
        Col("FinishedGoodsFlag", "可销售", "bit", default="(1)"),
        Col("Color", "颜色", "nvarchar(15)", "null"),
        Col("SafetyStockLevel", "安全库存", "smallint", check="[SafetyStockLevel]>(0)"),
        Col("ReorderPoint", "再订货点", "smallint", check="[ReorderPoint]>(0)"),
        Col("StandardCost", "标准成本", "money", check="[StandardCost]>=(0.00)"),
        Col("ListPrice", "标价", "money", check="[ListPrice]>=(0.00)"),
        Col("Size", "尺寸", "nvarchar(5)", "null"),
        Ref("SizeUnitMeasureCode", "尺寸单位", flags="null", type_="nchar(3)"),
        Ref("WeightUnitMeasureCode", "重量单位", flags="null", type_="nchar(3)"),
        Col("Weight", "重量", "decimal(8,2)", "null", check="[Weight]>(0.00)"),
        Col("DaysToManufacture", "生产天数", "int", check="[DaysToManufacture]>=(0)"),
        Ref("ProductSubcategoryID", "子类编号", flags="null"),
        Ref("ProductModelID", "型号编号", flags="null"),
        Col("SellStartDate", "开售日期", "datetime"),
        Col("SellEndDate", "停售日期", "datetime", "null", check="[SellEndDate]>=[SellStartDate] OR [SellEndDate] IS NULL"),
        Col("DiscontinuedDate", "停产日期", "datetime", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["SizeUnitMeasureCode"], "UnitMeasure", ["UnitMeasureCode"]),
             (["ProductSubcategoryID"], "ProductSubcategory", ["ProductSubcategoryID"]),
             (["ProductModelID"], "ProductModel", ["ProductModelID"])]),
    Table("Production", "ProductPhoto", "产品图片", "产品的大图和缩略图", [
        Id("ProductPhotoID", "图片编号"),
        Col("ThumbNailPhoto", "缩略图", "varbinary(max)", "null"),
        Col("ThumbnailPhotoFileName", "缩略图文件名", "nvarchar(50)", "null"),
        Col("LargePhoto", "大图", "varbinary(max)", "null"),
        Col("LargePhotoFileName", "大图文件名", "nvarchar(50)", "null"),
        ModifiedDate()]),
    Table("Production", "ProductProductPhoto", "产品图片关系", "产品与图片的多对多关系", [
        Col("ProductID", "产品编号", "int", "pk"),
        Col("ProductPhotoID", "图片编号", "int", "pk"),
        Col("Primary", "主图", "bit", default="(0)"),
        ModifiedDate()],
        fks=[(["ProductID"], "Product", ["ProductID"]),
             (["ProductPhotoID"], "ProductPhoto", ["ProductPhotoID"])]),
    Table("Production", "ProductCostHistory", "成本履历", "产品标准成本的变动", [
        Col("ProductID", "产品编号", "int", "pk"),
        Col("StartDate", "开始日期", "datetime", "pk"),
        Col("EndDate", "结束日期", "datetime", "null", check="[EndDate]>=[StartDate] OR [EndDate] IS NULL"),
        Col("StandardCost", "标准成本", "money", check="[StandardCost]>=(0.00)"),
        ModifiedDate()],
        fks=[(["ProductID"], "Product", ["ProductID"])]),
    Table("Production", "ProductListPriceHistory", "价格履历", "产品标价的变动", [
        Col("ProductID", "产品编号", "int", "pk"),
        Col("StartDate", "开始日期", "datetime", "pk"),
        Col("EndDate", "结束日期", "datetime", "null", check="[EndDate]>=[StartDate] OR [EndDate] IS NULL"),
        Col("ListPrice", "标价", "money", check="[ListPrice]>(0.00)"),
        ModifiedDate()],
        fks=[(["ProductID"], "Product", ["ProductID"])]),
    Table("Production", "BillOfMaterials", "物料清单", "生产产品所需的部件及数量", [
        Id("BillOfMaterialsID", "清单编号"),
        Ref("ProductAssemblyID", "父件编号", "空表示顶层组件", "null"),
        Ref("ComponentID", "子件编号"),
        Col("StartDate", "开始日期", "datetime", default="getdate()"),
        Col("EndDate", "结束日期", "datetime", "null", check="[EndDate]>[StartDate] OR [EndDate] IS NULL"),
        Ref("UnitMeasureCode", "单位代码", type_="nchar(3)"),
        Col("BOMLevel", "层级", "smallint"),
        Col("PerAssemblyQty", "单件用量", "decimal(8,2)", default="(1.00)", check="[PerAssemblyQty]>=(1.00)"),
        ModifiedDate()],
        fks=[(["ProductAssemblyID"], "Product", ["ProductID"]),
             (["ComponentID"], "Product", ["ProductID"])])])

# -- 库存 ----------------------------------------------------------------------------------
Group("库存", [
    Table("Inventory", "Warehouse", "仓库", "存放产品的仓库", [
        Id("WarehouseID", "仓库编号"),
        Col("WarehouseCode", "仓库代码", "varchar(10)"),
        Col("Name", "名称", "nvarchar(50)"),
        Ref("AddressID", "地址编号", flags="null"),
        Ref("ManagerID", "负责人编号", "负责的员工", "null"),
        Col("IsActive", "启用", "bit", default="(1)"),
        ModifiedDate()]),
    Table("Inventory", "Location", "库位", "仓库中的库位, 可多级", [
        Col("LocationID", "库位编号", "smallint", "pk id"),
        Ref("WarehouseID", "仓库编号"),
        Ref("ParentLocationID", "上级库位编号", flags="null", type_="smallint"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("CostRate", "费率", "smallmoney", default="(0.00)", check="[CostRate]>=(0.00)"),
        Col("Availability", "可用工时", "decimal(8,2)", default="(0.00)", check="[Availability]>=(0.00)"),
        ModifiedDate()],
        fks=[(["WarehouseID"], "Warehouse", ["WarehouseID"]),
             (["ParentLocationID"], "Location", ["LocationID"])]),
    Table("Inventory", "ProductInventory", "产品库存", "各库位的产品数量", [
        Col("ProductID", "产品编号", "int", "pk"),
        Col("LocationID", "库位编号", "smallint", "pk"),
        Col("Shelf", "货架", "nvarchar(10)", note="货架的字母编号"),
        Col("Bin", "货格", "tinyint", check="[Bin]>=(0) AND [Bin]<=(100)"),
        Col("Quantity", "数量", "smallint", default="(0)"),
        Rowguid(), ModifiedDate()],
        fks=[(["ProductID"], "Product", ["ProductID"]),
             (["LocationID"], "Location", ["LocationID"])]),
    Table("Inventory", "TransactionHistory", "库存流水", "采购、销售和生产引起的库存变动", [
        Col("TransactionID", "流水编号", "int", "pk id", note="自 100000 起编号"),
        Ref("ProductID", "产品编号"),
        Col("ReferenceOrderID", "单据编号", "int"),
        Col("ReferenceOrderLineID", "单据行号", "int", default="(0)"),
        Col("TransactionDate", "发生日期", "datetime", default="getdate()"),
        Col("TransactionType", "流水类型", "nchar(1)", note="W 生产, S 销售, P 采购",
            check="upper([TransactionType])='P' OR upper([TransactionType])='S' OR upper([TransactionType])='W'"),
        Col("Quantity", "数量", "int"),
        Col("ActualCost", "实际成本", "money"),
        ModifiedDate()],
        fks=[(["ProductID"], "Product", ["ProductID"])]),
    Table("Inventory", "StockCount", "盘点单", "仓库盘点", [
        Id("StockCountID", "盘点单编号"),
        Ref("WarehouseID", "仓库编号"),
        Col("CountDate", "盘点日期", "date"),
        Ref("CountedByID", "盘点人编号", "负责盘点的员工"),
        Col("Status", "状态", "tinyint", default="(1)", note="1 进行中, 2 已完成, 3 已过账"),
        ModifiedDate()],
        fks=[(["WarehouseID"], "Warehouse", ["WarehouseID"])]),
    Table("Inventory", "StockCountLine", "盘点明细", "每个库位每种产品的盘点数量", [
        Col("StockCountID", "盘点单编号", "int", "pk"),
        Col("LineNumber", "行号", "smallint", "pk"),
        Ref("ProductID", "产品编号"),
        Ref("LocationID", "库位编号", type_="smallint"),
        Col("SystemQuantity", "账面数量", "int"),
        Col("CountedQuantity", "实盘数量", "int", check="[CountedQuantity]>=(0)"),
        ModifiedDate()],
        fks=[(["StockCountID"], "StockCount", ["StockCountID"]),
             (["ProductID", "LocationID"], "ProductInventory", ["ProductID", "LocationID"])]),
    Table("Inventory", "TransferOrder", "调拨单", "仓库之间的调拨", [
        Id("TransferOrderID", "调拨单编号"),
        Ref("FromWarehouseID", "调出仓库编号"),
        Ref("ToWarehouseID", "调入仓库编号"),
        Col("OrderDate", "调拨日期", "datetime", default="getdate()"),
        Col("ShipDate", "发出日期", "datetime", "null"),
        Col("Status", "状态", "tinyint", default="(1)"),
        Rowguid(), ModifiedDate()],
        fks=[(["FromWarehouseID"], "Warehouse", ["WarehouseID"]),
             (["ToWarehouseID"], "Warehouse", ["WarehouseID"])]),
    Table("Inventory", "TransferOrderLine", "调拨明细", "调拨单的产品明细", [
        Col("TransferOrderID", "调拨单编号", "int", "pk"),
        Col("LineNumber", "行号", "smallint", "pk"),
        Ref("ProductID", "产品编号"),
        Ref("FromLocationID", "调出库位编号", type_="smallint"),
        Col("Quantity", "数量", "int", check="[Quantity]>(0)"),
        ModifiedDate()],
        fks=[(["TransferOrderID"], "TransferOrder", ["TransferOrderID"]),
             (["ProductID", "FromLocationID"], "ProductInventory", ["ProductID", "LocationID"])])])

# -- 采购 ----------------------------------------------------------------------------------
Group("采购", [
    Table("Purchasing", "Vendor", "供应商", "提供产品的公司", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Col("AccountNumber", "账号", "nvarchar(15)"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("CreditRating", "信用等级", "tinyint", note="1 优秀, 2 良好, 3 一般, 4 较差, 5 差",
            check="[CreditRating]>=(1) AND [CreditRating]<=(5)"),
        Col("PreferredVendorStatus", "首选供应商", "bit", default="(1)"),
        Col("ActiveFlag", "有效", "bit", default="(1)"),
        Col("PurchasingWebServiceURL", "采购服务网址", "nvarchar(1024)", "null"),
        ModifiedDate()],
        fks=[(["BusinessEntityID"], "BusinessEntity", ["BusinessEntityID"])]),
    Table("Purchasing", "VendorContact", "供应商联系人", "供应商的联系人", [
        Col("VendorID", "供应商编号", "int", "pk"),
        Col("PersonID", "人员编号", "int", "pk"),
        Col("ContactTypeName", "联系人类型", "nvarchar(50)"),
        ModifiedDate()],
        fks=[(["VendorID"], "Vendor", ["BusinessEntityID"]),
             (["PersonID"], "Person", ["BusinessEntityID"])]),
    Table("Purchasing", "ShipMethod", "运输方式", "运输公司和运费", [
        Id("ShipMethodID", "运输方式编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("ShipBase", "起步运费", "money", default="(0.00)", check="[ShipBase]>(0.00)"),
        Col("ShipRate", "单位运费", "money", default="(0.00)", check="[ShipRate]>(0.00)"),
        Rowguid(), ModifiedDate()]),
    Table("Purchasing", "ProductVendor", "产品供应商", "产品与供应商的对应和采购条件", [
        Col("ProductID", "产品编号", "int", "pk"),
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Col("AverageLeadTime", "平均交货天数", "int", check="[AverageLeadTime]>=(1)"),
        Col("StandardPrice", "标准价", "money", check="[StandardPrice]>(0.00)"),
        Col("LastReceiptCost", "上次进价", "money", "null"),
        Col("LastReceiptDate", "上次进货日期", "datetime", "null"),
        Col("MinOrderQty", "最小订量", "int", check="[MinOrderQty]>=(1)"),
        Col("MaxOrderQty", "最大订量", "int", check="[MaxOrderQty]>=(1)"),
        Col("OnOrderQty", "在途数量", "int", "null"),
        Ref("UnitMeasureCode", "单位代码", type_="nchar(3)"),
        ModifiedDate()],
        fks=[(["ProductID"], "Product", ["ProductID"]),
             (["BusinessEntityID"], "Vendor", ["BusinessEntityID"])]),
    Table("Purchasing", "PurchaseOrderHeader", "采购订单", "采购订单抬头", [
        Id("PurchaseOrderID", "采购订单编号"),
        Col("RevisionNumber", "修订号", "tinyint", default="(0)"),
        Col("Status", "状态", "tinyint", default="(1)", note="1 待审, 2 批准, 3 驳回, 4 完成",
            check="[Status]>=(1) AND [Status]<=(4)"),
        Ref("EmployeeID", "采购员编号", "下单的员工"),
        Ref("VendorID", "供应商编号"),
        Ref("ShipMethodID", "运输方式编号"),
        Col("OrderDate", "订单日期", "datetime", default="getdate()"),
        Col("ShipDate", "发货日期", "datetime", "null", check="[ShipDate]>=[OrderDate] OR [ShipDate] IS NULL"),
        Col("SubTotal", "小计", "money", default="(0.00)", check="[SubTotal]>=(0.00)"),
        Col("TaxAmt", "税额", "money", default="(0.00)", check="[TaxAmt]>=(0.00)"),
        Col("Freight", "运费", "money", default="(0.00)", check="[Freight]>=(0.00)"),
        ModifiedDate()],
        fks=[(["EmployeeID"], "Employee", ["BusinessEntityID"]),
             (["VendorID"], "Vendor", ["BusinessEntityID"]),
             (["ShipMethodID"], "ShipMethod", ["ShipMethodID"])]),
    Table("Purchasing", "PurchaseOrderDetail", "采购明细", "采购订单的产品行", [
        Col("PurchaseOrderID", "采购订单编号", "int", "pk"),
        Col("PurchaseOrderDetailID", "采购明细编号", "int", "pk id"),
        Col("DueDate", "到货日期", "datetime"),
        Col("OrderQty", "订购数量", "smallint", check="[OrderQty]>(0)"),
        Ref("ProductID", "产品编号"),
        Col("UnitPrice", "单价", "money", check="[UnitPrice]>=(0.00)"),
        Col("ReceivedQty", "收货数量", "decimal(8,2)", check="[ReceivedQty]>=(0.00)"),
        Col("RejectedQty", "拒收数量", "decimal(8,2)", check="[RejectedQty]>=(0.00)"),
        ModifiedDate()],
        fks=[(["PurchaseOrderID"], "PurchaseOrderHeader", ["PurchaseOrderID"]),
             (["ProductID"], "Product", ["ProductID"])]),
    Table("Purchasing", "GoodsReceipt", "收货单", "供应商送货的收货记录", [
        Id("GoodsReceiptID", "收货单编号"),
        Ref("VendorID", "供应商编号"),
        Ref("WarehouseID", "仓库编号"),
        Col("ReceiptDate", "收货日期", "datetime", default="getdate()"),
        Ref("ReceivedByID", "收货人编号", "收货的员工"),
        Col("DeliveryNoteNumber", "送货单号", "nvarchar(25)", "null"),
        ModifiedDate()],
        fks=[(["VendorID"], "Vendor", ["BusinessEntityID"]),
             (["WarehouseID"], "Warehouse", ["WarehouseID"])]),
    Table("Purchasing", "GoodsReceiptLine", "收货明细", "收货单的产品行, 对应采购明细", [
        Col("GoodsReceiptID", "收货单编号", "int", "pk"),
        Col("LineNumber", "行号", "smallint", "pk"),
        Ref("PurchaseOrderID", "采购订单编号"),
        Ref("PurchaseOrderDetailID", "采购明细编号"),
        Ref("LocationID", "库位编号", type_="smallint"),
        Col("ReceivedQty", "收货数量", "decimal(8,2)", check="[ReceivedQty]>(0.00)"),
        ModifiedDate()],
        fks=[(["GoodsReceiptID"], "GoodsReceipt", ["GoodsReceiptID"]),
             (["PurchaseOrderID", "PurchaseOrderDetailID"], "PurchaseOrderDetail",
              ["PurchaseOrderID", "PurchaseOrderDetailID"])]),
    Table("Purchasing", "VendorInvoice", "供应商发票", "供应商开具的发票", [
        Id("VendorInvoiceID", "供应商发票编号"),
        Ref("VendorID", "供应商编号"),
        Ref("PurchaseOrderID", "采购订单编号", flags="null"),
        Col("InvoiceNumber", "发票号", "nvarchar(30)"),
        Col("InvoiceDate", "开票日期", "date"),
        Col("DueDate", "到期日", "date", check="[DueDate]>=[InvoiceDate]"),
        Col("TotalDue", "应付金额", "money", check="[TotalDue]>=(0.00)"),
        ModifiedDate()],
        fks=[(["VendorID"], "Vendor", ["BusinessEntityID"])])])

# -- 销售 ----------------------------------------------------------------------------------
Group("销售", [
    Table("Sales", "SalesTerritory", "销售区域", "销售区域及其业绩", [
        Id("TerritoryID", "销售区域编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Ref("CountryRegionCode", "国家地区代码", type_="nvarchar(3)"),
        Col("Group", "区域组", "nvarchar(50)"),
        Col("SalesYTD", "本年销售额", "money", default="(0.00)", check="[SalesYTD]>=(0.00)"),
        Col("SalesLastYear", "去年销售额", "money", default="(0.00)", check="[SalesLastYear]>=(0.00)"),
        Rowguid(), ModifiedDate()],
        fks=[(["CountryRegionCode"], "CountryRegion", ["CountryRegionCode"])]),
    Table("Sales", "SalesPerson", "销售员", "销售代表及其业绩", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Ref("TerritoryID", "销售区域编号", flags="null"),
        Col("SalesQuota", "销售定额", "money", "null", check="[SalesQuota]>(0.00)"),
        Col("Bonus", "奖金", "money", default="(0.00)", check="[Bonus]>=(0.00)"),
        Col("CommissionPct", "提成比例", "smallmoney", default="(0.00)", check="[CommissionPct]>=(0.00)"),
        Col("SalesYTD", "本年销售额", "money", default="(0.00)"),
        Rowguid(), ModifiedDate()],
        fks=[(["BusinessEntityID"], "Employee", ["BusinessEntityID"]),
             (["TerritoryID"], "SalesTerritory", ["TerritoryID"])]),
    Table("Sales", "Store", "商店", "经销本公司产品的商店", [
        Col("BusinessEntityID", "业务实体编号", "int", "pk"),
        Col("Name", "名称", "nvarchar(50)"),
        Ref("SalesPersonID", "销售员编号", flags="null"),
        Col("Demographics", "经营概况", "xml", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["BusinessEntityID"], "BusinessEntity", ["BusinessEntityID"]),
             (["SalesPersonID"], "SalesPerson", ["BusinessEntityID"])]),
    Table("Sales", "Customer", "客户", "个人客户和商店客户", [
        Id("CustomerID", "客户编号"),
        Ref("PersonID", "人员编号", "个人客户", "null"),
        Ref("StoreID", "商店编号", "商店客户", "null"),
        Ref("TerritoryID", "销售区域编号", flags="null"),
        Col("AccountNumber", "客户账号", "varchar(10)", note="AW 加八位客户编号"),
        Col("CreditLimit", "信用额度", "money", default="(0.00)", check="[CreditLimit]>=(0.00)"),
        Rowguid(), ModifiedDate()],
        fks=[(["PersonID"], "Person", ["BusinessEntityID"]),
             (["StoreID"], "Store", ["BusinessEntityID"]),
             (["TerritoryID"], "SalesTerritory", ["TerritoryID"])]),
    Table("Sales", "SpecialOffer", "促销", "促销折扣", [
        Id("SpecialOfferID", "促销编号"),
        Col("Description", "说明", "nvarchar(255)"),
        Col("DiscountPct", "折扣率", "smallmoney", default="(0.00)", check="[DiscountPct]>=(0.00)"),
        Col("Type", "折扣类型", "nvarchar(50)"),
        Col("StartDate", "开始日期", "datetime"),
        Col("EndDate", "结束日期", "datetime", check="[EndDate]>=[StartDate]"),
        Col("MinQty", "最少数量", "int", default="(0)", check="[MinQty]>=(0)"),
        Col("MaxQty", "最多数量", "int", "null", check="[MaxQty]>=(0)"),
        Rowguid(), ModifiedDate()]),
    Table("Sales", "SpecialOfferProduct", "促销产品", "参加促销的产品", [
        Col("SpecialOfferID", "促销编号", "int", "pk"),
        Col("ProductID", "产品编号", "int", "pk"),
        Rowguid(), ModifiedDate()],
        fks=[(["SpecialOfferID"], "SpecialOffer", ["SpecialOfferID"]),
             (["ProductID"], "Product", ["ProductID"])]),
    Table("Sales", "SalesOrderHeader", "销售订单", "销售订单抬头", [
        Id("SalesOrderID", "销售订单编号"),
        Col("RevisionNumber", "修订号", "tinyint", default="(0)"),
        Col("OrderDate", "订单日期", "datetime", default="getdate()"),
        Col("DueDate", "交货日期", "datetime", check="[DueDate]>=[OrderDate]"),
        Col("ShipDate", "发货日期", "datetime", "null", check="[ShipDate]>=[OrderDate] OR [ShipDate] IS NULL"),
        Col("Status", "状态", "tinyint", default="(1)", note="1 处理中, 2 已批准, 3 缺货, 4 已拒绝, 5 已发货, 6 已取消",
            check="[Status]>=(0) AND [Status]<=(8)"),
        Col("OnlineOrderFlag", "网上订单", "bit", default="(1)"),
        Col("PurchaseOrderNumber", "客户采购单号", "nvarchar(25)", "null"),
        Ref("CustomerID", "客户编号"),
        Ref("SalesPersonID", "销售员编号", flags="null"),
        Ref("BillToAddressID", "账单地址编号"),
        Ref("ShipToAddressID", "收货地址编号"),
        Ref("ShipMethodID", "运输方式编号"),
        Ref("CreditCardID", "信用卡编号", flags="null"),
        Ref("CurrencyRateID", "汇率编号", flags="null"),
        Col("SubTotal", "小计", "money", default="(0.00)", check="[SubTotal]>=(0.00)"),
        Col("TaxAmt", "税额", "money", default="(0.00)", check="[TaxAmt]>=(0.00)"),
        Col("Freight", "运费", "money", default="(0.00)", check="[Freight]>=(0.00)"),
        Col("Comment", "备注", "nvarchar(128)", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["CustomerID"], "Customer", ["CustomerID"]),
             (["SalesPersonID"], "SalesPerson", ["BusinessEntityID"]),
             (["BillToAddressID"], "Address", ["AddressID"]),
             (["ShipToAddressID"], "Address", ["AddressID"]),
             (["ShipMethodID"], "ShipMethod", ["ShipMethodID"]),
             (["CreditCardID"], "CreditCard", ["CreditCardID"]),
             (["CurrencyRateID"], "CurrencyRate", ["CurrencyRateID"])]),
    Table("Sales", "SalesOrderDetail", "销售明细", "销售订单的产品行", [
        Col("SalesOrderID", "销售订单编号", "int", "pk"),
        Col("SalesOrderDetailID", "销售明细编号", "int", "pk id"),
        Col("CarrierTrackingNumber", "运单号", "nvarchar(25)", "null"),
        Col("OrderQty", "数量", "smallint", check="[OrderQty]>(0)"),
        Ref("SpecialOfferID", "促销编号"),
        Ref("ProductID", "产品编号"),
        Col("UnitPrice", "单价", "money", check="[UnitPrice]>=(0.00)"),
        Col("UnitPriceDiscount", "单价折扣", "money", default="(0.0)", check="[UnitPriceDiscount]>=(0.00)"),
        Rowguid(), ModifiedDate()],
        fks=[(["SalesOrderID"], "SalesOrderHeader", ["SalesOrderID"]),
             (["SpecialOfferID", "ProductID"], "SpecialOfferProduct", ["SpecialOfferID", "ProductID"])]),
    Table("Sales", "SalesReason", "购买原因", "客户购买的原因", [
        Id("SalesReasonID", "购买原因编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("ReasonType", "原因类别", "nvarchar(50)"), ModifiedDate()]),
    Table("Sales", "SalesOrderHeaderSalesReason", "订单购买原因", "销售订单与购买原因的对应", [
        Col("SalesOrderID", "销售订单编号", "int", "pk"),
        Col("SalesReasonID", "购买原因编号", "int", "pk"),
        ModifiedDate()],
        fks=[(["SalesOrderID"], "SalesOrderHeader", ["SalesOrderID"]),
             (["SalesReasonID"], "SalesReason", ["SalesReasonID"])])])

# -- 财务 ----------------------------------------------------------------------------------
Group("财务", [
    Table("Finance", "Currency", "币种", "ISO 货币代码", [
        Col("CurrencyCode", "币种代码", "nchar(3)", "pk"),
        Col("Name", "名称", "nvarchar(50)"), ModifiedDate()]),
    Table("Finance", "CurrencyRate", "汇率", "每日汇率", [
        Id("CurrencyRateID", "汇率编号"),
        Col("CurrencyRateDate", "汇率日期", "datetime"),
        Ref("FromCurrencyCode", "源币种", type_="nchar(3)"),
        Ref("ToCurrencyCode", "目标币种", type_="nchar(3)"),
        Col("AverageRate", "平均汇率", "money"),
        Col("EndOfDayRate", "收盘汇率", "money"),
        ModifiedDate()],
        fks=[(["FromCurrencyCode"], "Currency", ["CurrencyCode"]),
             (["ToCurrencyCode"], "Currency", ["CurrencyCode"])]),
    Table("Finance", "CreditCard", "信用卡", "客户的信用卡", [
        Id("CreditCardID", "信用卡编号"),
        Col("CardType", "卡类型", "nvarchar(50)"),
        Col("CardNumber", "卡号", "nvarchar(25)"),
        Col("ExpMonth", "到期月", "tinyint", check="[ExpMonth]>=(1) AND [ExpMonth]<=(12)"),
        Col("ExpYear", "到期年", "smallint"),
        ModifiedDate()]),
    Table("Finance", "PaymentMethod", "付款方式", "现金、转账、信用卡等", [
        Id("PaymentMethodID", "付款方式编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("RequiresReference", "需填凭证号", "bit", default="(0)"),
        ModifiedDate()]),
    Table("Finance", "Invoice", "销售发票", "开给客户的发票", [
        Id("InvoiceID", "发票编号"),
        Col("InvoiceNumber", "发票号", "nvarchar(30)"),
        Ref("CustomerID", "客户编号"),
        Ref("SalesOrderID", "销售订单编号", flags="null"),
        Ref("CurrencyCode", "币种代码", type_="nchar(3)"),
        Col("InvoiceDate", "开票日期", "date"),
        Col("DueDate", "到期日", "date", check="[DueDate]>=[InvoiceDate]"),
        Col("TotalDue", "应收金额", "money", default="(0.00)", check="[TotalDue]>=(0.00)"),
        Col("AmountPaid", "已收金额", "money", default="(0.00)", check="[AmountPaid]>=(0.00)"),
        Rowguid(), ModifiedDate()],
        fks=[(["CustomerID"], "Customer", ["CustomerID"]),
             (["SalesOrderID"], "SalesOrderHeader", ["SalesOrderID"])]),
    Table("Finance", "InvoiceLine", "发票明细", "发票的行, 对应销售明细", [
        Col("InvoiceID", "发票编号", "int", "pk"),
        Col("LineNumber", "行号", "smallint", "pk"),
        Ref("SalesOrderID", "销售订单编号"),
        Ref("SalesOrderDetailID", "销售明细编号"),
        Col("Quantity", "数量", "smallint", check="[Quantity]>(0)"),
        Col("LineTotal", "金额", "money"),
        ModifiedDate()],
        fks=[(["InvoiceID"], "Invoice", ["InvoiceID"]),
             (["SalesOrderID", "SalesOrderDetailID"], "SalesOrderDetail",
              ["SalesOrderID", "SalesOrderDetailID"])]),
    Table("Finance", "Payment", "收款", "客户的付款", [
        Id("PaymentID", "收款编号"),
        Ref("CustomerID", "客户编号"),
        Ref("PaymentMethodID", "付款方式编号"),
        Ref("CurrencyCode", "币种代码", type_="nchar(3)"),
        Col("PaymentDate", "收款日期", "datetime", default="getdate()"),
        Col("Amount", "金额", "money", check="[Amount]>(0.00)"),
        Col("ReferenceNumber", "凭证号", "nvarchar(50)", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["CustomerID"], "Customer", ["CustomerID"]),
             (["PaymentMethodID"], "PaymentMethod", ["PaymentMethodID"])]),
    Table("Finance", "PaymentAllocation", "收款核销", "收款冲销到发票的金额", [
        Col("PaymentID", "收款编号", "int", "pk"),
        Col("InvoiceID", "发票编号", "int", "pk"),
        Col("AllocatedAmount", "核销金额", "money", check="[AllocatedAmount]>(0.00)"),
        ModifiedDate()],
        fks=[(["PaymentID"], "Payment", ["PaymentID"]),
             (["InvoiceID"], "Invoice", ["InvoiceID"])]),
    Table("Finance", "GeneralLedgerAccount", "会计科目", "总账科目, 可多级", [
        Id("AccountID", "科目编号"),
        Col("AccountCode", "科目代码", "varchar(20)"),
        Col("Name", "名称", "nvarchar(100)"),
        Ref("ParentAccountID", "上级科目编号", "空表示一级科目", "null"),
        Col("AccountType", "科目类别", "tinyint", note="1 资产, 2 负债, 3 权益, 4 收入, 5 费用",
            check="[AccountType]>=(1) AND [AccountType]<=(5)"),
        Col("IsActive", "启用", "bit", default="(1)"),
        ModifiedDate()],
        fks=[(["ParentAccountID"], "GeneralLedgerAccount", ["AccountID"])]),
    Table("Finance", "JournalEntry", "记账凭证", "总账凭证抬头", [
        Id("JournalEntryID", "凭证编号"),
        Col("EntryDate", "记账日期", "date"),
        Col("Description", "摘要", "nvarchar(200)", "null"),
        Ref("PostedByID", "记账人编号", "记账的员工"),
        Col("IsPosted", "已过账", "bit", default="(0)"),
        Rowguid(), ModifiedDate()]),
    Table("Finance", "JournalEntryLine", "凭证分录", "凭证的借贷分录", [
        Col("JournalEntryID", "凭证编号", "int", "pk"),
        Col("LineNumber", "行号", "smallint", "pk"),
        Ref("AccountID", "科目编号"),
        Col("DebitAmount", "借方金额", "money", default="(0.00)", check="[DebitAmount]>=(0.00)"),
        Col("CreditAmount", "贷方金额", "money", default="(0.00)", check="[CreditAmount]>=(0.00)"),
        Ref("DepartmentID", "部门编号", flags="null", type_="smallint"),
        ModifiedDate()],
        fks=[(["JournalEntryID"], "JournalEntry", ["JournalEntryID"]),
             (["AccountID"], "GeneralLedgerAccount", ["AccountID"])])])

# -- 系统 ----------------------------------------------------------------------------------
Group("系统", [
    Table("dbo", "AppUser", "系统用户", "登录本系统的用户", [
        Id("UserID", "用户编号"),
        Col("LoginName", "登录名", "nvarchar(128)"),
        Ref("BusinessEntityID", "业务实体编号", "对应的员工", "null"),
        Col("PasswordHash", "密码散列", "varbinary(64)"),
        Col("PasswordSalt", "密码盐", "varbinary(16)"),
        Col("IsLocked", "已锁定", "bit", default="(0)"),
        Col("LastLoginTime", "最后登录时间", "datetime", "null"),
        Rowguid(), ModifiedDate()],
        fks=[(["BusinessEntityID"], "Employee", ["BusinessEntityID"])]),
    Table("dbo", "AppRole", "角色", "权限角色", [
        Id("RoleID", "角色编号"),
        Col("Name", "名称", "nvarchar(50)"),
        Col("Description", "说明", "nvarchar(200)", "null"),
        ModifiedDate()]),
    Table("dbo", "AppUserRole", "用户角色", "用户与角色的对应", [
        Col("UserID", "用户编号", "int", "pk"),
        Col("RoleID", "角色编号", "int", "pk"),
        Col("GrantedDate", "授权日期", "datetime", default="getdate()"),
        Ref("GrantedByID", "授权人编号", "授权的用户", "null"),
        ModifiedDate()],
        fks=[(["UserID"], "AppUser", ["UserID"]),
             (["RoleID"], "AppRole", ["RoleID"])]),
    Table("dbo", "AuditLog", "审计日志", "数据变更的审计记录", [
        Col("AuditLogID", "审计日志编号", "bigint", "pk id"),
        Ref("UserID", "用户编号", flags="null"),
        Col("TableName", "表名", "sysname"),
        Col("Operation", "操作", "char(1)", note="I 插入, U 更新, D 删除",
            check="[Operation]='D' OR [Operation]='U' OR [Operation]='I'"),
        Col("KeyValue", "主键值", "nvarchar(100)"),
        Col("OldValues", "旧值", "xml", "null"),
        Col("NewValues", "新值", "xml", "null"),
        Col("ChangedTime", "变更时间", "datetime2(3)", default="sysdatetime()"),
        Col("HostName", "主机名", "nvarchar(128)", "null", default="host_name()")]),
    Table("dbo", "DatabaseLog", "架构日志", "数据库架构变更的记录", [
        Id("DatabaseLogID", "架构日志编号"),
        Col("PostTime", "发生时间", "datetime"),
        Col("DatabaseUser", "数据库用户", "sysname"),
        Col("Event", "事件", "sysname"),
        Col("Schema", "架构", "sysname", "null"),
        Col("Object", "对象", "sysname", "null"),
        Col("TSQL", "语句", "nvarchar(max)"),
        Col("XmlEvent", "事件数据", "xml")]),
    Table("dbo", "SystemSetting", "系统参数", "系统级参数设置", [
        Col("SettingKey", "参数名", "varchar(64)", "pk"),
        Col("SettingValue", "参数值", "nvarchar(400)", "null"),
        Col("Description", "说明", "nvarchar(200)", "null"),
        Ref("ModifiedByID", "修改人编号", "最后修改的用户", "null"),
        ModifiedDate()])])


def tables():
    return [t for _, group in GROUPS for t in group]


def check(all_tables):
    names = {t.name: t for t in all_tables}
    assert len(all_tables) == 70, len(all_tables)
    assert len({n.lower() for n in names}) == 70
    for t in all_tables:
        cols = {c.name: c for c in t.cols}
        assert len(cols) == len(t.cols), t.name
        used = set()
        for cols_, ref, refcols in t.fks:
            assert ref in names, (t.name, ref)
            target = {c.name: c for c in names[ref].cols}
            assert len(cols_) == len(refcols)
            for c, r in zip(cols_, refcols):
                assert c in cols, (t.name, c)
                assert r in target and target[r].pk, (t.name, ref, r)
                # The design holds one reference per column.
                assert c not in used, (t.name, c)
                used.add(c)


def type_text(type_):
    if "(" not in type_:
        return "[%s]" % type_
    name, rest = type_.split("(", 1)
    return "[%s](%s" % (name, rest)


def fk_name(table, cols, ref):
    return "FK_%s_%s_%s" % (table.name, ref, "_".join(cols))


def script(all_tables):
    """The tables in the program's own script form: CREATE TABLE with the names and notes
    in comments, then the keys, CHECKs and references."""
    owners = {t.name: t.owner for t in all_tables}
    out = []
    for t in all_tables:
        out.append("CREATE TABLE [%s].[%s] (\t\t\t--%s:%s(组)%s" % (t.owner, t.name, t.cn, t.comment, t.group))
        for i, c in enumerate(t.cols):
            line = "[%s] %s" % (c.name, type_text(c.type))
            if c.identity:
                line += " IDENTITY (1,1)"
            if c.default is not None:
                line += " DEFAULT (%s)" % c.default
            line += " NULL" if c.nullable else " NOT NULL"
            line += " ," if i + 1 < len(t.cols) else " "
            line += "  --%s:%s" % (c.cn, c.note)
            out.append(line)
        out.append(") ON [PRIMARY]")
        out.append("GO")
        out.append("")
    for t in all_tables:
        keys = [c.name for c in t.cols if c.pk]
        clauses = ["CONSTRAINT [PK_%s] PRIMARY KEY  CLUSTERED\n(\n%s\n)\nON [PRIMARY]" %
                   (t.name, ",\n".join("[%s]" % k for k in keys))]
        for c in t.cols:
            if c.check:
                clauses.append("CONSTRAINT [CK_%s] CHECK (%s)" % (c.name, c.check))
        out.append("ALTER TABLE [%s].[%s] WITH NOCHECK ADD\n%s\nGO\n" % (t.owner, t.name, ",\n".join(clauses)))
        for cols, ref, refcols in t.fks:
            out.append("ALTER TABLE [%s].[%s] ADD\nCONSTRAINT [%s] FOREIGN KEY\n(\n%s\n) REFERENCES [%s].[%s] (\n%s\n)\nGO\n" % (
                t.owner, t.name, fk_name(t, cols, ref), ",\n".join("[%s]" % c for c in cols),
                owners[ref], ref, ",\n".join("[%s]" % c for c in refcols)))
    return "\r\n".join("\n".join(out).split("\n")) + "\r\n"


def layout(all_tables):
    """The layout comment: the windows group by group, each group from a new row; record i
    belongs to the i-th CREATE TABLE of the script."""
    place = {}
    row = 0
    for g, (_, group) in enumerate(GROUPS):
        for i, t in enumerate(group):
            if i and i % PER_ROW == 0:
                row += 1
            place[t.name] = (CELL_W * (i % PER_ROW), CELL_H * row, BACKGROUNDS[g % len(BACKGROUNDS)])
        row += 1
    block = struct.pack("<i", len(all_tables))
    for t in all_tables:
        left, top, back = place[t.name]
        block += struct.pack("<iiII", left, top, 0, back)
    block += b"\0"
    encoded = base64.b64encode(block).decode("ascii")
    lines = [encoded[i:i + 76] for i in range(0, len(encoded), 76)]
    text = "\r\n".join(lines)
    return "/* TABLORA V1.5 :%d:%s      */\r\n" % (len(text), text)


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "tablora-cli")
    all_tables = tables()
    check(all_tables)
    raw = layout(all_tables) + "\r\n" + script(all_tables)
    target = os.path.join(HERE, "erp70.sql")
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "erp70_source.sql")
        with open(source, "wb") as f:
            f.write(raw.encode("gbk"))
        subprocess.run([cli, "save", source, target], check=True)
    fks = sum(len(t.fks) for t in all_tables)
    print("%s: %d tables, %d foreign keys" % (target, len(all_tables), fks))


if __name__ == "__main__":
    main()
