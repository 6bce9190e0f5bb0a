CREATE TABLE [dbo].[customer] (			--客户:(组)销售
[customer_id] [int] NOT NULL ,  --客户号:
[name] [varchar](100) NOT NULL ,  --名称:
[region_id] [int] NULL ,  --地区:
[term_id] [int] NULL ,  --付款条件:
[sales_rep_id] [int] NULL ,  --业务员:
[parent_customer_id] [int] NULL ,  --上级客户:
[credit_limit] [money] NULL    --信用额度:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[customer_address] (			--客户地址:(组)销售
[address_id] [int] NOT NULL ,  --地址号:
[customer_id] [int] NOT NULL ,  --客户:
[region_id] [int] NULL ,  --地区:
[street] [varchar](200) NOT NULL    --街道:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[customer_contact] (			--客户联系人:(组)销售
[customer_id] [int] NOT NULL ,  --客户:
[contact_no] [int] NOT NULL ,  --序号:
[name] [varchar](30) NOT NULL ,  --姓名:
[phone] [varchar](30) NULL    --电话:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sales_order] (			--销售订单:(组)销售
[order_id] [int] NOT NULL ,  --订单号:
[customer_id] [int] NOT NULL ,  --客户:
[ship_address_id] [int] NULL ,  --送货地址:
[quote_id] [int] NULL ,  --报价单:
[currency_code] [char](3) NOT NULL ,  --币种:
[sales_rep_id] [int] NULL ,  --业务员:
[ordered] [datetime] NOT NULL    --下单日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sales_order_line] (			--销售订单明细:(组)销售
[order_id] [int] NOT NULL ,  --订单:
[line_no] [int] NOT NULL ,  --行号:
[item_id] [int] NOT NULL ,  --物料:
[warehouse_id] [int] NULL ,  --发货仓库:
[qty] [decimal](18,3) NOT NULL ,  --数量:
[price] [money] NOT NULL ,  --单价:
[tax_code] [varchar](10) NULL    --税码:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[delivery] (			--发货单:(组)销售
[delivery_id] [int] NOT NULL ,  --发货单号:
[order_id] [int] NOT NULL ,  --订单:
[warehouse_id] [int] NOT NULL ,  --仓库:
[carrier_id] [int] NULL ,  --承运商:
[shipped] [datetime] NULL    --发货日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[delivery_line] (			--发货明细:(组)销售
[delivery_id] [int] NOT NULL ,  --发货单:
[line_no] [int] NOT NULL ,  --行号:
[order_id] [int] NOT NULL ,  --订单:
[order_line_no] [int] NOT NULL ,  --订单行:
[qty] [decimal](18,3) NOT NULL ,  --数量:
[lot_no] [varchar](30) NULL    --批号:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[invoice] (			--销售发票:(组)应收
[invoice_id] [int] NOT NULL ,  --发票号:
[customer_id] [int] NOT NULL ,  --客户:
[order_id] [int] NULL ,  --订单:
[currency_code] [char](3) NOT NULL ,  --币种:
[period_id] [int] NOT NULL ,  --会计期间:
[amount] [money] NOT NULL    --金额:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[invoice_line] (			--发票明细:(组)应收
[invoice_id] [int] NOT NULL ,  --发票:
[line_no] [int] NOT NULL ,  --行号:
[delivery_id] [int] NULL ,  --发货单:
[delivery_line_no] [int] NULL ,  --发货行:
[amount] [money] NOT NULL ,  --金额:
[tax_code] [varchar](10) NULL    --税码:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[item] (			--物料:(组)库存
[item_id] [int] NOT NULL ,  --物料号:
[category_id] [int] NOT NULL ,  --类别:
[unit_code] [varchar](10) NOT NULL ,  --单位:
[tax_code] [varchar](10) NULL ,  --税码:
[name] [varchar](100) NOT NULL ,  --名称:
[spec] [varchar](100) NULL    --规格:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[item_category] (			--物料类别:(组)库存
[category_id] [int] NOT NULL ,  --类别号:
[parent_id] [int] NULL ,  --上级类别:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[unit] (			--计量单位:(组)基础
[unit_code] [varchar](10) NOT NULL ,  --单位:
[name] [varchar](20) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[warehouse] (			--仓库:(组)库存
[warehouse_id] [int] NOT NULL ,  --仓库号:
[company_id] [int] NOT NULL ,  --公司:
[region_id] [int] NULL ,  --地区:
[keeper_id] [int] NULL ,  --仓管员:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[location] (			--库位:(组)库存
[location_id] [int] NOT NULL ,  --库位号:
[warehouse_id] [int] NOT NULL ,  --仓库:
[parent_id] [int] NULL ,  --上级库位:
[code] [varchar](20) NOT NULL    --编码:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[employee] (			--员工:(组)人事
[emp_id] [int] NOT NULL ,  --工号:
[dept_id] [int] NOT NULL ,  --部门:
[position_id] [int] NULL ,  --职位:
[manager_id] [int] NULL ,  --直属上级:
[name] [varchar](30) NOT NULL ,  --姓名:
[hired] [datetime] NOT NULL    --入职日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[department] (			--部门:(组)基础
[dept_id] [int] NOT NULL ,  --部门号:
[company_id] [int] NOT NULL ,  --公司:
[parent_id] [int] NULL ,  --上级部门:
[name] [varchar](50) NOT NULL ,  --名称:
[manager_id] [int] NULL    --负责人:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[region] (			--地区:(组)基础
[region_id] [int] NOT NULL ,  --地区号:
[parent_id] [int] NULL ,  --上级地区:
[name] [varchar](50) NOT NULL ,  --名称:
[level_no] [tinyint] NOT NULL    --级别:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[currency] (			--币种:(组)基础
[currency_code] [char](3) NOT NULL ,  --币种代码:
[name] [varchar](30) NOT NULL ,  --名称:
[decimals] [tinyint] NOT NULL    --小数位:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[payment_term] (			--付款条件:(组)基础
[term_id] [int] NOT NULL ,  --条件号:
[name] [varchar](50) NOT NULL ,  --名称:
[days] [int] NOT NULL    --天数:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[carrier] (			--承运商:(组)销售
[carrier_id] [int] NOT NULL ,  --承运商号:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[customer] ADD CONSTRAINT [PK_customer] PRIMARY KEY ([customer_id])
GO
ALTER TABLE [dbo].[customer_address] ADD CONSTRAINT [PK_customer_address] PRIMARY KEY ([address_id])
GO
ALTER TABLE [dbo].[customer_contact] ADD CONSTRAINT [PK_customer_contact] PRIMARY KEY ([customer_id], [contact_no])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [PK_sales_order] PRIMARY KEY ([order_id])
GO
ALTER TABLE [dbo].[sales_order_line] ADD CONSTRAINT [PK_sales_order_line] PRIMARY KEY ([order_id], [line_no])
GO
ALTER TABLE [dbo].[delivery] ADD CONSTRAINT [PK_delivery] PRIMARY KEY ([delivery_id])
GO
ALTER TABLE [dbo].[delivery_line] ADD CONSTRAINT [PK_delivery_line] PRIMARY KEY ([delivery_id], [line_no])
GO
ALTER TABLE [dbo].[invoice] ADD CONSTRAINT [PK_invoice] PRIMARY KEY ([invoice_id])
GO
ALTER TABLE [dbo].[invoice_line] ADD CONSTRAINT [PK_invoice_line] PRIMARY KEY ([invoice_id], [line_no])
GO
ALTER TABLE [dbo].[item] ADD CONSTRAINT [PK_item] PRIMARY KEY ([item_id])
GO
ALTER TABLE [dbo].[item_category] ADD CONSTRAINT [PK_item_category] PRIMARY KEY ([category_id])
GO
ALTER TABLE [dbo].[unit] ADD CONSTRAINT [PK_unit] PRIMARY KEY ([unit_code])
GO
ALTER TABLE [dbo].[warehouse] ADD CONSTRAINT [PK_warehouse] PRIMARY KEY ([warehouse_id])
GO
ALTER TABLE [dbo].[location] ADD CONSTRAINT [PK_location] PRIMARY KEY ([location_id])
GO
ALTER TABLE [dbo].[employee] ADD CONSTRAINT [PK_employee] PRIMARY KEY ([emp_id])
GO
ALTER TABLE [dbo].[department] ADD CONSTRAINT [PK_department] PRIMARY KEY ([dept_id])
GO
ALTER TABLE [dbo].[region] ADD CONSTRAINT [PK_region] PRIMARY KEY ([region_id])
GO
ALTER TABLE [dbo].[currency] ADD CONSTRAINT [PK_currency] PRIMARY KEY ([currency_code])
GO
ALTER TABLE [dbo].[payment_term] ADD CONSTRAINT [PK_payment_term] PRIMARY KEY ([term_id])
GO
ALTER TABLE [dbo].[carrier] ADD CONSTRAINT [PK_carrier] PRIMARY KEY ([carrier_id])
GO
ALTER TABLE [dbo].[region] ADD CONSTRAINT [FK_region_region] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[region] ([region_id])
GO
ALTER TABLE [dbo].[department] ADD CONSTRAINT [FK_department_department] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[department] ([dept_id])
GO
ALTER TABLE [dbo].[department] ADD CONSTRAINT [FK_department_employee] FOREIGN KEY ([manager_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[employee] ADD CONSTRAINT [FK_employee_department] FOREIGN KEY ([dept_id]) REFERENCES [dbo].[department] ([dept_id])
GO
ALTER TABLE [dbo].[employee] ADD CONSTRAINT [FK_employee_employee] FOREIGN KEY ([manager_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[customer] ADD CONSTRAINT [FK_customer_region] FOREIGN KEY ([region_id]) REFERENCES [dbo].[region] ([region_id])
GO
ALTER TABLE [dbo].[customer] ADD CONSTRAINT [FK_customer_payment_term] FOREIGN KEY ([term_id]) REFERENCES [dbo].[payment_term] ([term_id])
GO
ALTER TABLE [dbo].[customer] ADD CONSTRAINT [FK_customer_employee] FOREIGN KEY ([sales_rep_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[customer] ADD CONSTRAINT [FK_customer_customer] FOREIGN KEY ([parent_customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[customer_contact] ADD CONSTRAINT [FK_customer_contact_customer] FOREIGN KEY ([customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[customer_address] ADD CONSTRAINT [FK_customer_address_customer] FOREIGN KEY ([customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[customer_address] ADD CONSTRAINT [FK_customer_address_region] FOREIGN KEY ([region_id]) REFERENCES [dbo].[region] ([region_id])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [FK_sales_order_customer] FOREIGN KEY ([customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [FK_sales_order_customer_address] FOREIGN KEY ([ship_address_id]) REFERENCES [dbo].[customer_address] ([address_id])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [FK_sales_order_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [FK_sales_order_employee] FOREIGN KEY ([sales_rep_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[sales_order_line] ADD CONSTRAINT [FK_sales_order_line_sales_order] FOREIGN KEY ([order_id]) REFERENCES [dbo].[sales_order] ([order_id])
GO
ALTER TABLE [dbo].[sales_order_line] ADD CONSTRAINT [FK_sales_order_line_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[sales_order_line] ADD CONSTRAINT [FK_sales_order_line_warehouse] FOREIGN KEY ([warehouse_id]) REFERENCES [dbo].[warehouse] ([warehouse_id])
GO
ALTER TABLE [dbo].[delivery] ADD CONSTRAINT [FK_delivery_sales_order] FOREIGN KEY ([order_id]) REFERENCES [dbo].[sales_order] ([order_id])
GO
ALTER TABLE [dbo].[delivery] ADD CONSTRAINT [FK_delivery_warehouse] FOREIGN KEY ([warehouse_id]) REFERENCES [dbo].[warehouse] ([warehouse_id])
GO
ALTER TABLE [dbo].[delivery] ADD CONSTRAINT [FK_delivery_carrier] FOREIGN KEY ([carrier_id]) REFERENCES [dbo].[carrier] ([carrier_id])
GO
ALTER TABLE [dbo].[delivery_line] ADD CONSTRAINT [FK_delivery_line_delivery] FOREIGN KEY ([delivery_id]) REFERENCES [dbo].[delivery] ([delivery_id])
GO
ALTER TABLE [dbo].[delivery_line] ADD CONSTRAINT [FK_delivery_line_sales_order_line] FOREIGN KEY ([order_id], [order_line_no]) REFERENCES [dbo].[sales_order_line] ([order_id], [line_no])
GO
ALTER TABLE [dbo].[invoice] ADD CONSTRAINT [FK_invoice_customer] FOREIGN KEY ([customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[invoice] ADD CONSTRAINT [FK_invoice_sales_order] FOREIGN KEY ([order_id]) REFERENCES [dbo].[sales_order] ([order_id])
GO
ALTER TABLE [dbo].[invoice] ADD CONSTRAINT [FK_invoice_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[invoice_line] ADD CONSTRAINT [FK_invoice_line_invoice] FOREIGN KEY ([invoice_id]) REFERENCES [dbo].[invoice] ([invoice_id])
GO
ALTER TABLE [dbo].[invoice_line] ADD CONSTRAINT [FK_invoice_line_delivery_line] FOREIGN KEY ([delivery_id], [delivery_line_no]) REFERENCES [dbo].[delivery_line] ([delivery_id], [line_no])
GO
ALTER TABLE [dbo].[location] ADD CONSTRAINT [FK_location_warehouse] FOREIGN KEY ([warehouse_id]) REFERENCES [dbo].[warehouse] ([warehouse_id])
GO
ALTER TABLE [dbo].[location] ADD CONSTRAINT [FK_location_location] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[location] ([location_id])
GO
ALTER TABLE [dbo].[item_category] ADD CONSTRAINT [FK_item_category_item_category] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[item_category] ([category_id])
GO
ALTER TABLE [dbo].[item] ADD CONSTRAINT [FK_item_item_category] FOREIGN KEY ([category_id]) REFERENCES [dbo].[item_category] ([category_id])
GO
ALTER TABLE [dbo].[item] ADD CONSTRAINT [FK_item_unit] FOREIGN KEY ([unit_code]) REFERENCES [dbo].[unit] ([unit_code])
GO
