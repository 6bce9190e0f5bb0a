CREATE TABLE [dbo].[company] (			--公司:(组)基础
[company_id] [int] NOT NULL ,  --公司号:
[name] [varchar](100) NOT NULL ,  --名称:
[tax_no] [varchar](30) NULL ,  --税号:
[currency_code] [char](3) NOT NULL    --本位币:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[currency] (			--币种:(组)基础
[currency_code] [char](3) NOT NULL ,  --币种代码:
[name] [varchar](30) NOT NULL ,  --名称:
[decimals] [tinyint] NOT NULL    --小数位:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[exchange_rate] (			--汇率:(组)基础
[currency_code] [char](3) NOT NULL ,  --币种:
[rate_date] [datetime] NOT NULL ,  --日期:
[rate] [decimal](18,6) NOT NULL    --汇率:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[region] (			--地区:(组)基础
[region_id] [int] NOT NULL ,  --地区号:
[parent_id] [int] NULL ,  --上级地区:
[name] [varchar](50) NOT NULL ,  --名称:
[level_no] [tinyint] NOT NULL    --级别:
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

CREATE TABLE [dbo].[employee] (			--员工:(组)人事
[emp_id] [int] NOT NULL ,  --工号:
[dept_id] [int] NOT NULL ,  --部门:
[position_id] [int] NULL ,  --职位:
[manager_id] [int] NULL ,  --直属上级:
[name] [varchar](30) NOT NULL ,  --姓名:
[hired] [datetime] NOT NULL    --入职日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[position] (			--职位:(组)人事
[position_id] [int] NOT NULL ,  --职位号:
[name] [varchar](50) NOT NULL ,  --名称:
[grade] [tinyint] NOT NULL    --职级:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[unit] (			--计量单位:(组)基础
[unit_code] [varchar](10) NOT NULL ,  --单位:
[name] [varchar](20) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[unit_conversion] (			--单位换算:(组)基础
[from_unit] [varchar](10) NOT NULL ,  --原单位:
[to_unit] [varchar](10) NOT NULL ,  --目标单位:
[factor] [decimal](18,6) NOT NULL    --系数:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[payment_term] (			--付款条件:(组)基础
[term_id] [int] NOT NULL ,  --条件号:
[name] [varchar](50) NOT NULL ,  --名称:
[days] [int] NOT NULL    --天数:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[tax_code] (			--税码:(组)基础
[tax_code] [varchar](10) NOT NULL ,  --税码:
[rate] [decimal](5,2) NOT NULL    --税率:
) ON [PRIMARY]
GO

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

CREATE TABLE [dbo].[customer_contact] (			--客户联系人:(组)销售
[customer_id] [int] NOT NULL ,  --客户:
[contact_no] [int] NOT NULL ,  --序号:
[name] [varchar](30) NOT NULL ,  --姓名:
[phone] [varchar](30) NULL    --电话:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[customer_address] (			--客户地址:(组)销售
[address_id] [int] NOT NULL ,  --地址号:
[customer_id] [int] NOT NULL ,  --客户:
[region_id] [int] NULL ,  --地区:
[street] [varchar](200) NOT NULL    --街道:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[price_list] (			--价目表:(组)销售
[price_list_id] [int] NOT NULL ,  --价目表号:
[currency_code] [char](3) NOT NULL ,  --币种:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[price_list_item] (			--价目明细:(组)销售
[price_list_id] [int] NOT NULL ,  --价目表:
[item_id] [int] NOT NULL ,  --物料:
[unit_code] [varchar](10) NOT NULL ,  --单位:
[price] [money] NOT NULL    --单价:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sales_quote] (			--报价单:(组)销售
[quote_id] [int] NOT NULL ,  --报价单号:
[customer_id] [int] NOT NULL ,  --客户:
[sales_rep_id] [int] NULL ,  --业务员:
[quoted] [datetime] NOT NULL    --日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sales_quote_line] (			--报价明细:(组)销售
[quote_id] [int] NOT NULL ,  --报价单:
[line_no] [int] NOT NULL ,  --行号:
[item_id] [int] NOT NULL ,  --物料:
[qty] [decimal](18,3) NOT NULL ,  --数量:
[price] [money] NOT NULL    --单价:
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

CREATE TABLE [dbo].[carrier] (			--承运商:(组)销售
[carrier_id] [int] NOT NULL ,  --承运商号:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sales_return] (			--销售退货:(组)销售
[return_id] [int] NOT NULL ,  --退货单号:
[delivery_id] [int] NOT NULL ,  --发货单:
[reason] [varchar](200) NULL    --原因:
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

CREATE TABLE [dbo].[receipt_payment] (			--收款:(组)应收
[payment_id] [int] NOT NULL ,  --收款号:
[customer_id] [int] NOT NULL ,  --客户:
[bank_account_id] [int] NOT NULL ,  --银行账户:
[amount] [money] NOT NULL    --金额:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[payment_allocation] (			--收款核销:(组)应收
[payment_id] [int] NOT NULL ,  --收款:
[invoice_id] [int] NOT NULL ,  --发票:
[amount] [money] NOT NULL    --金额:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[supplier] (			--供应商:(组)采购
[supplier_id] [int] NOT NULL ,  --供应商号:
[name] [varchar](100) NOT NULL ,  --名称:
[region_id] [int] NULL ,  --地区:
[term_id] [int] NULL ,  --付款条件:
[currency_code] [char](3) NOT NULL    --币种:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[supplier_item] (			--供应商物料:(组)采购
[supplier_id] [int] NOT NULL ,  --供应商:
[item_id] [int] NOT NULL ,  --物料:
[supplier_code] [varchar](30) NULL ,  --供应商编码:
[lead_days] [int] NULL    --提前期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[purchase_request] (			--请购单:(组)采购
[request_id] [int] NOT NULL ,  --请购单号:
[dept_id] [int] NOT NULL ,  --部门:
[requested_by] [int] NOT NULL ,  --申请人:
[approved_by] [int] NULL    --审批人:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[purchase_order] (			--采购订单:(组)采购
[po_id] [int] NOT NULL ,  --采购单号:
[supplier_id] [int] NOT NULL ,  --供应商:
[request_id] [int] NULL ,  --请购单:
[buyer_id] [int] NULL ,  --采购员:
[currency_code] [char](3) NOT NULL ,  --币种:
[ordered] [datetime] NOT NULL    --日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[purchase_order_line] (			--采购订单明细:(组)采购
[po_id] [int] NOT NULL ,  --采购单:
[line_no] [int] NOT NULL ,  --行号:
[item_id] [int] NOT NULL ,  --物料:
[qty] [decimal](18,3) NOT NULL ,  --数量:
[price] [money] NOT NULL    --单价:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[goods_receipt] (			--收货单:(组)采购
[receipt_id] [int] NOT NULL ,  --收货单号:
[po_id] [int] NOT NULL ,  --采购单:
[warehouse_id] [int] NOT NULL ,  --仓库:
[received] [datetime] NOT NULL    --日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[goods_receipt_line] (			--收货明细:(组)采购
[receipt_id] [int] NOT NULL ,  --收货单:
[line_no] [int] NOT NULL ,  --行号:
[po_id] [int] NOT NULL ,  --采购单:
[po_line_no] [int] NOT NULL ,  --采购行:
[location_id] [int] NULL ,  --库位:
[qty] [decimal](18,3) NOT NULL    --数量:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[supplier_invoice] (			--采购发票:(组)应付
[sinv_id] [int] NOT NULL ,  --发票号:
[supplier_id] [int] NOT NULL ,  --供应商:
[period_id] [int] NOT NULL ,  --会计期间:
[amount] [money] NOT NULL    --金额:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[supplier_payment] (			--付款:(组)应付
[spay_id] [int] NOT NULL ,  --付款号:
[sinv_id] [int] NOT NULL ,  --发票:
[bank_account_id] [int] NOT NULL ,  --银行账户:
[amount] [money] NOT NULL    --金额:
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

CREATE TABLE [dbo].[item_category] (			--物料类别:(组)库存
[category_id] [int] NOT NULL ,  --类别号:
[parent_id] [int] NULL ,  --上级类别:
[name] [varchar](50) NOT NULL    --名称:
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

CREATE TABLE [dbo].[item_lot] (			--批次:(组)库存
[item_id] [int] NOT NULL ,  --物料:
[lot_no] [varchar](30) NOT NULL ,  --批号:
[expires] [datetime] NULL    --有效期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[stock] (			--库存量:(组)库存
[item_id] [int] NOT NULL ,  --物料:
[location_id] [int] NOT NULL ,  --库位:
[qty] [decimal](18,3) NOT NULL    --数量:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[stock_move] (			--库存移动:(组)库存
[move_id] [int] NOT NULL ,  --移动号:
[item_id] [int] NOT NULL ,  --物料:
[from_location_id] [int] NULL ,  --源库位:
[to_location_id] [int] NULL ,  --目标库位:
[moved_by] [int] NULL ,  --经办人:
[qty] [decimal](18,3) NOT NULL    --数量:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[stock_count] (			--盘点单:(组)库存
[count_id] [int] NOT NULL ,  --盘点号:
[warehouse_id] [int] NOT NULL ,  --仓库:
[counted] [datetime] NOT NULL    --日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[stock_count_line] (			--盘点明细:(组)库存
[count_id] [int] NOT NULL ,  --盘点单:
[item_id] [int] NOT NULL ,  --物料:
[location_id] [int] NOT NULL ,  --库位:
[qty] [decimal](18,3) NOT NULL    --实盘数:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[bom] (			--物料清单:(组)生产
[bom_id] [int] NOT NULL ,  --清单号:
[item_id] [int] NOT NULL ,  --成品:
[version] [varchar](10) NOT NULL    --版本:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[bom_line] (			--物料清单明细:(组)生产
[bom_id] [int] NOT NULL ,  --清单:
[line_no] [int] NOT NULL ,  --行号:
[component_id] [int] NOT NULL ,  --子件:
[qty] [decimal](18,6) NOT NULL    --用量:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[work_center] (			--工作中心:(组)生产
[center_id] [int] NOT NULL ,  --中心号:
[dept_id] [int] NOT NULL ,  --部门:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[routing] (			--工艺路线:(组)生产
[routing_id] [int] NOT NULL ,  --路线号:
[item_id] [int] NOT NULL ,  --物料:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[routing_step] (			--工序:(组)生产
[routing_id] [int] NOT NULL ,  --路线:
[step_no] [int] NOT NULL ,  --工序号:
[center_id] [int] NOT NULL ,  --工作中心:
[minutes] [int] NOT NULL    --工时:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[work_order] (			--生产工单:(组)生产
[wo_id] [int] NOT NULL ,  --工单号:
[item_id] [int] NOT NULL ,  --物料:
[bom_id] [int] NOT NULL ,  --清单:
[routing_id] [int] NULL ,  --路线:
[sales_order_id] [int] NULL ,  --销售订单:
[parent_wo_id] [int] NULL ,  --上级工单:
[qty] [decimal](18,3) NOT NULL    --数量:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[work_order_step] (			--工单工序:(组)生产
[wo_id] [int] NOT NULL ,  --工单:
[step_no] [int] NOT NULL ,  --工序:
[operator_id] [int] NULL ,  --操作员:
[done] [datetime] NULL    --完工:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[material_issue] (			--领料单:(组)生产
[issue_id] [int] NOT NULL ,  --领料号:
[wo_id] [int] NOT NULL ,  --工单:
[warehouse_id] [int] NOT NULL ,  --仓库:
[issued_by] [int] NULL    --发料人:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[quality_check] (			--质检单:(组)生产
[check_id] [int] NOT NULL ,  --质检号:
[receipt_id] [int] NULL ,  --收货单:
[wo_id] [int] NULL ,  --工单:
[inspector_id] [int] NULL ,  --质检员:
[passed] [bit] NOT NULL    --合格:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[fiscal_year] (			--会计年度:(组)财务
[year_id] [int] NOT NULL ,  --年度:
[company_id] [int] NOT NULL ,  --公司:
[closed] [bit] NOT NULL    --已结账:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[fiscal_period] (			--会计期间:(组)财务
[period_id] [int] NOT NULL ,  --期间号:
[year_id] [int] NOT NULL ,  --年度:
[period_no] [tinyint] NOT NULL ,  --期:
[closed] [bit] NOT NULL    --已结账:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[account] (			--会计科目:(组)财务
[account_id] [int] NOT NULL ,  --科目号:
[parent_id] [int] NULL ,  --上级科目:
[code] [varchar](20) NOT NULL ,  --编码:
[name] [varchar](50) NOT NULL ,  --名称:
[currency_code] [char](3) NULL    --币种:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[cost_center] (			--成本中心:(组)财务
[cost_center_id] [int] NOT NULL ,  --中心号:
[dept_id] [int] NOT NULL ,  --部门:
[name] [varchar](50) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[journal] (			--凭证:(组)财务
[journal_id] [int] NOT NULL ,  --凭证号:
[period_id] [int] NOT NULL ,  --期间:
[posted_by] [int] NULL ,  --记账人:
[reversal_of] [int] NULL ,  --冲销凭证:
[posted] [datetime] NULL    --记账日期:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[journal_line] (			--凭证分录:(组)财务
[journal_id] [int] NOT NULL ,  --凭证:
[line_no] [int] NOT NULL ,  --行号:
[account_id] [int] NOT NULL ,  --科目:
[cost_center_id] [int] NULL ,  --成本中心:
[debit] [money] NOT NULL ,  --借方:
[credit] [money] NOT NULL    --贷方:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[bank_account] (			--银行账户:(组)财务
[bank_account_id] [int] NOT NULL ,  --账户号:
[company_id] [int] NOT NULL ,  --公司:
[account_id] [int] NOT NULL ,  --科目:
[currency_code] [char](3) NOT NULL ,  --币种:
[number] [varchar](40) NOT NULL    --账号:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[budget] (			--预算:(组)财务
[year_id] [int] NOT NULL ,  --年度:
[account_id] [int] NOT NULL ,  --科目:
[cost_center_id] [int] NOT NULL ,  --成本中心:
[amount] [money] NOT NULL    --金额:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[fixed_asset] (			--固定资产:(组)财务
[asset_id] [int] NOT NULL ,  --资产号:
[account_id] [int] NOT NULL ,  --科目:
[dept_id] [int] NULL ,  --使用部门:
[cost] [money] NOT NULL    --原值:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[payroll] (			--工资单:(组)人事
[payroll_id] [int] NOT NULL ,  --工资单号:
[period_id] [int] NOT NULL ,  --期间:
[emp_id] [int] NOT NULL ,  --员工:
[gross] [money] NOT NULL    --应发:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[leave_request] (			--请假单:(组)人事
[leave_id] [int] NOT NULL ,  --请假号:
[emp_id] [int] NOT NULL ,  --员工:
[approver_id] [int] NULL ,  --审批人:
[days] [decimal](5,1) NOT NULL    --天数:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sys_user] (			--系统用户:(组)系统
[user_id] [int] NOT NULL ,  --用户号:
[emp_id] [int] NULL ,  --员工:
[login] [varchar](30) NOT NULL    --登录名:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sys_role] (			--角色:(组)系统
[role_id] [int] NOT NULL ,  --角色号:
[name] [varchar](30) NOT NULL    --名称:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[sys_user_role] (			--用户角色:(组)系统
[user_id] [int] NOT NULL ,  --用户:
[role_id] [int] NOT NULL    --角色:
) ON [PRIMARY]
GO

CREATE TABLE [dbo].[audit_log] (			--操作日志:(组)系统
[log_id] [bigint] NOT NULL ,  --日志号:
[user_id] [int] NULL ,  --用户:
[at] [datetime] NOT NULL ,  --时间:
[action] [varchar](200) NOT NULL    --操作:
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[company] ADD CONSTRAINT [PK_company] PRIMARY KEY ([company_id])
GO
ALTER TABLE [dbo].[currency] ADD CONSTRAINT [PK_currency] PRIMARY KEY ([currency_code])
GO
ALTER TABLE [dbo].[exchange_rate] ADD CONSTRAINT [PK_exchange_rate] PRIMARY KEY ([currency_code], [rate_date])
GO
ALTER TABLE [dbo].[region] ADD CONSTRAINT [PK_region] PRIMARY KEY ([region_id])
GO
ALTER TABLE [dbo].[department] ADD CONSTRAINT [PK_department] PRIMARY KEY ([dept_id])
GO
ALTER TABLE [dbo].[employee] ADD CONSTRAINT [PK_employee] PRIMARY KEY ([emp_id])
GO
ALTER TABLE [dbo].[position] ADD CONSTRAINT [PK_position] PRIMARY KEY ([position_id])
GO
ALTER TABLE [dbo].[unit] ADD CONSTRAINT [PK_unit] PRIMARY KEY ([unit_code])
GO
ALTER TABLE [dbo].[unit_conversion] ADD CONSTRAINT [PK_unit_conversion] PRIMARY KEY ([from_unit], [to_unit])
GO
ALTER TABLE [dbo].[payment_term] ADD CONSTRAINT [PK_payment_term] PRIMARY KEY ([term_id])
GO
ALTER TABLE [dbo].[tax_code] ADD CONSTRAINT [PK_tax_code] PRIMARY KEY ([tax_code])
GO
ALTER TABLE [dbo].[customer] ADD CONSTRAINT [PK_customer] PRIMARY KEY ([customer_id])
GO
ALTER TABLE [dbo].[customer_contact] ADD CONSTRAINT [PK_customer_contact] PRIMARY KEY ([customer_id], [contact_no])
GO
ALTER TABLE [dbo].[customer_address] ADD CONSTRAINT [PK_customer_address] PRIMARY KEY ([address_id])
GO
ALTER TABLE [dbo].[price_list] ADD CONSTRAINT [PK_price_list] PRIMARY KEY ([price_list_id])
GO
ALTER TABLE [dbo].[price_list_item] ADD CONSTRAINT [PK_price_list_item] PRIMARY KEY ([price_list_id], [item_id])
GO
ALTER TABLE [dbo].[sales_quote] ADD CONSTRAINT [PK_sales_quote] PRIMARY KEY ([quote_id])
GO
ALTER TABLE [dbo].[sales_quote_line] ADD CONSTRAINT [PK_sales_quote_line] PRIMARY KEY ([quote_id], [line_no])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [PK_sales_order] PRIMARY KEY ([order_id])
GO
ALTER TABLE [dbo].[sales_order_line] ADD CONSTRAINT [PK_sales_order_line] PRIMARY KEY ([order_id], [line_no])
GO
ALTER TABLE [dbo].[delivery] ADD CONSTRAINT [PK_delivery] PRIMARY KEY ([delivery_id])
GO
ALTER TABLE [dbo].[delivery_line] ADD CONSTRAINT [PK_delivery_line] PRIMARY KEY ([delivery_id], [line_no])
GO
ALTER TABLE [dbo].[carrier] ADD CONSTRAINT [PK_carrier] PRIMARY KEY ([carrier_id])
GO
ALTER TABLE [dbo].[sales_return] ADD CONSTRAINT [PK_sales_return] PRIMARY KEY ([return_id])
GO
ALTER TABLE [dbo].[invoice] ADD CONSTRAINT [PK_invoice] PRIMARY KEY ([invoice_id])
GO
ALTER TABLE [dbo].[invoice_line] ADD CONSTRAINT [PK_invoice_line] PRIMARY KEY ([invoice_id], [line_no])
GO
ALTER TABLE [dbo].[receipt_payment] ADD CONSTRAINT [PK_receipt_payment] PRIMARY KEY ([payment_id])
GO
ALTER TABLE [dbo].[payment_allocation] ADD CONSTRAINT [PK_payment_allocation] PRIMARY KEY ([payment_id], [invoice_id])
GO
ALTER TABLE [dbo].[supplier] ADD CONSTRAINT [PK_supplier] PRIMARY KEY ([supplier_id])
GO
ALTER TABLE [dbo].[supplier_item] ADD CONSTRAINT [PK_supplier_item] PRIMARY KEY ([supplier_id], [item_id])
GO
ALTER TABLE [dbo].[purchase_request] ADD CONSTRAINT [PK_purchase_request] PRIMARY KEY ([request_id])
GO
ALTER TABLE [dbo].[purchase_order] ADD CONSTRAINT [PK_purchase_order] PRIMARY KEY ([po_id])
GO
ALTER TABLE [dbo].[purchase_order_line] ADD CONSTRAINT [PK_purchase_order_line] PRIMARY KEY ([po_id], [line_no])
GO
ALTER TABLE [dbo].[goods_receipt] ADD CONSTRAINT [PK_goods_receipt] PRIMARY KEY ([receipt_id])
GO
ALTER TABLE [dbo].[goods_receipt_line] ADD CONSTRAINT [PK_goods_receipt_line] PRIMARY KEY ([receipt_id], [line_no])
GO
ALTER TABLE [dbo].[supplier_invoice] ADD CONSTRAINT [PK_supplier_invoice] PRIMARY KEY ([sinv_id])
GO
ALTER TABLE [dbo].[supplier_payment] ADD CONSTRAINT [PK_supplier_payment] PRIMARY KEY ([spay_id])
GO
ALTER TABLE [dbo].[warehouse] ADD CONSTRAINT [PK_warehouse] PRIMARY KEY ([warehouse_id])
GO
ALTER TABLE [dbo].[location] ADD CONSTRAINT [PK_location] PRIMARY KEY ([location_id])
GO
ALTER TABLE [dbo].[item_category] ADD CONSTRAINT [PK_item_category] PRIMARY KEY ([category_id])
GO
ALTER TABLE [dbo].[item] ADD CONSTRAINT [PK_item] PRIMARY KEY ([item_id])
GO
ALTER TABLE [dbo].[item_lot] ADD CONSTRAINT [PK_item_lot] PRIMARY KEY ([item_id], [lot_no])
GO
ALTER TABLE [dbo].[stock] ADD CONSTRAINT [PK_stock] PRIMARY KEY ([item_id], [location_id])
GO
ALTER TABLE [dbo].[stock_move] ADD CONSTRAINT [PK_stock_move] PRIMARY KEY ([move_id])
GO
ALTER TABLE [dbo].[stock_count] ADD CONSTRAINT [PK_stock_count] PRIMARY KEY ([count_id])
GO
ALTER TABLE [dbo].[stock_count_line] ADD CONSTRAINT [PK_stock_count_line] PRIMARY KEY ([count_id], [item_id], [location_id])
GO
ALTER TABLE [dbo].[bom] ADD CONSTRAINT [PK_bom] PRIMARY KEY ([bom_id])
GO
ALTER TABLE [dbo].[bom_line] ADD CONSTRAINT [PK_bom_line] PRIMARY KEY ([bom_id], [line_no])
GO
ALTER TABLE [dbo].[work_center] ADD CONSTRAINT [PK_work_center] PRIMARY KEY ([center_id])
GO
ALTER TABLE [dbo].[routing] ADD CONSTRAINT [PK_routing] PRIMARY KEY ([routing_id])
GO
ALTER TABLE [dbo].[routing_step] ADD CONSTRAINT [PK_routing_step] PRIMARY KEY ([routing_id], [step_no])
GO
ALTER TABLE [dbo].[work_order] ADD CONSTRAINT [PK_work_order] PRIMARY KEY ([wo_id])
GO
ALTER TABLE [dbo].[work_order_step] ADD CONSTRAINT [PK_work_order_step] PRIMARY KEY ([wo_id], [step_no])
GO
ALTER TABLE [dbo].[material_issue] ADD CONSTRAINT [PK_material_issue] PRIMARY KEY ([issue_id])
GO
ALTER TABLE [dbo].[quality_check] ADD CONSTRAINT [PK_quality_check] PRIMARY KEY ([check_id])
GO
ALTER TABLE [dbo].[fiscal_year] ADD CONSTRAINT [PK_fiscal_year] PRIMARY KEY ([year_id])
GO
ALTER TABLE [dbo].[fiscal_period] ADD CONSTRAINT [PK_fiscal_period] PRIMARY KEY ([period_id])
GO
ALTER TABLE [dbo].[account] ADD CONSTRAINT [PK_account] PRIMARY KEY ([account_id])
GO
ALTER TABLE [dbo].[cost_center] ADD CONSTRAINT [PK_cost_center] PRIMARY KEY ([cost_center_id])
GO
ALTER TABLE [dbo].[journal] ADD CONSTRAINT [PK_journal] PRIMARY KEY ([journal_id])
GO
ALTER TABLE [dbo].[journal_line] ADD CONSTRAINT [PK_journal_line] PRIMARY KEY ([journal_id], [line_no])
GO
ALTER TABLE [dbo].[bank_account] ADD CONSTRAINT [PK_bank_account] PRIMARY KEY ([bank_account_id])
GO
ALTER TABLE [dbo].[budget] ADD CONSTRAINT [PK_budget] PRIMARY KEY ([year_id], [account_id], [cost_center_id])
GO
ALTER TABLE [dbo].[fixed_asset] ADD CONSTRAINT [PK_fixed_asset] PRIMARY KEY ([asset_id])
GO
ALTER TABLE [dbo].[payroll] ADD CONSTRAINT [PK_payroll] PRIMARY KEY ([payroll_id])
GO
ALTER TABLE [dbo].[leave_request] ADD CONSTRAINT [PK_leave_request] PRIMARY KEY ([leave_id])
GO
ALTER TABLE [dbo].[sys_user] ADD CONSTRAINT [PK_sys_user] PRIMARY KEY ([user_id])
GO
ALTER TABLE [dbo].[sys_role] ADD CONSTRAINT [PK_sys_role] PRIMARY KEY ([role_id])
GO
ALTER TABLE [dbo].[sys_user_role] ADD CONSTRAINT [PK_sys_user_role] PRIMARY KEY ([user_id], [role_id])
GO
ALTER TABLE [dbo].[audit_log] ADD CONSTRAINT [PK_audit_log] PRIMARY KEY ([log_id])
GO
ALTER TABLE [dbo].[company] ADD CONSTRAINT [FK_company_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[exchange_rate] ADD CONSTRAINT [FK_exchange_rate_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[region] ADD CONSTRAINT [FK_region_region] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[region] ([region_id])
GO
ALTER TABLE [dbo].[department] ADD CONSTRAINT [FK_department_company] FOREIGN KEY ([company_id]) REFERENCES [dbo].[company] ([company_id])
GO
ALTER TABLE [dbo].[department] ADD CONSTRAINT [FK_department_department] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[department] ([dept_id])
GO
ALTER TABLE [dbo].[employee] ADD CONSTRAINT [FK_employee_position] FOREIGN KEY ([position_id]) REFERENCES [dbo].[position] ([position_id])
GO
ALTER TABLE [dbo].[employee] ADD CONSTRAINT [FK_employee_employee] FOREIGN KEY ([manager_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[unit_conversion] ADD CONSTRAINT [FK_unit_conversion_unit] FOREIGN KEY ([to_unit]) REFERENCES [dbo].[unit] ([unit_code])
GO
ALTER TABLE [dbo].[customer] ADD CONSTRAINT [FK_customer_region] FOREIGN KEY ([region_id]) REFERENCES [dbo].[region] ([region_id])
GO
ALTER TABLE [dbo].[customer] ADD CONSTRAINT [FK_customer_customer] FOREIGN KEY ([parent_customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[customer_contact] ADD CONSTRAINT [FK_customer_contact_customer] FOREIGN KEY ([customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[customer_address] ADD CONSTRAINT [FK_customer_address_region] FOREIGN KEY ([region_id]) REFERENCES [dbo].[region] ([region_id])
GO
ALTER TABLE [dbo].[price_list] ADD CONSTRAINT [FK_price_list_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[price_list_item] ADD CONSTRAINT [FK_price_list_item_unit] FOREIGN KEY ([unit_code]) REFERENCES [dbo].[unit] ([unit_code])
GO
ALTER TABLE [dbo].[sales_quote] ADD CONSTRAINT [FK_sales_quote_customer] FOREIGN KEY ([customer_id]) REFERENCES [dbo].[customer] ([customer_id])
GO
ALTER TABLE [dbo].[sales_quote_line] ADD CONSTRAINT [FK_sales_quote_line_sales_quote] FOREIGN KEY ([quote_id]) REFERENCES [dbo].[sales_quote] ([quote_id])
GO
ALTER TABLE [dbo].[sales_quote_line] ADD CONSTRAINT [FK_sales_quote_line_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [FK_sales_order_sales_quote] FOREIGN KEY ([quote_id]) REFERENCES [dbo].[sales_quote] ([quote_id])
GO
ALTER TABLE [dbo].[sales_order] ADD CONSTRAINT [FK_sales_order_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[sales_order_line] ADD CONSTRAINT [FK_sales_order_line_sales_order] FOREIGN KEY ([order_id]) REFERENCES [dbo].[sales_order] ([order_id])
GO
ALTER TABLE [dbo].[sales_order_line] ADD CONSTRAINT [FK_sales_order_line_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[delivery] ADD CONSTRAINT [FK_delivery_sales_order] FOREIGN KEY ([order_id]) REFERENCES [dbo].[sales_order] ([order_id])
GO
ALTER TABLE [dbo].[delivery] ADD CONSTRAINT [FK_delivery_warehouse] FOREIGN KEY ([warehouse_id]) REFERENCES [dbo].[warehouse] ([warehouse_id])
GO
ALTER TABLE [dbo].[delivery_line] ADD CONSTRAINT [FK_delivery_line_delivery] FOREIGN KEY ([delivery_id]) REFERENCES [dbo].[delivery] ([delivery_id])
GO
ALTER TABLE [dbo].[delivery_line] ADD CONSTRAINT [FK_delivery_line_sales_order_line] FOREIGN KEY ([order_id], [order_line_no]) REFERENCES [dbo].[sales_order_line] ([order_id], [line_no])
GO
ALTER TABLE [dbo].[invoice] ADD CONSTRAINT [FK_invoice_sales_order] FOREIGN KEY ([order_id]) REFERENCES [dbo].[sales_order] ([order_id])
GO
ALTER TABLE [dbo].[invoice] ADD CONSTRAINT [FK_invoice_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[invoice_line] ADD CONSTRAINT [FK_invoice_line_invoice] FOREIGN KEY ([invoice_id]) REFERENCES [dbo].[invoice] ([invoice_id])
GO
ALTER TABLE [dbo].[invoice_line] ADD CONSTRAINT [FK_invoice_line_delivery_line] FOREIGN KEY ([delivery_id], [delivery_line_no]) REFERENCES [dbo].[delivery_line] ([delivery_id], [line_no])
GO
ALTER TABLE [dbo].[payment_allocation] ADD CONSTRAINT [FK_payment_allocation_receipt_payment] FOREIGN KEY ([payment_id]) REFERENCES [dbo].[receipt_payment] ([payment_id])
GO
ALTER TABLE [dbo].[payment_allocation] ADD CONSTRAINT [FK_payment_allocation_invoice] FOREIGN KEY ([invoice_id]) REFERENCES [dbo].[invoice] ([invoice_id])
GO
ALTER TABLE [dbo].[supplier] ADD CONSTRAINT [FK_supplier_payment_term] FOREIGN KEY ([term_id]) REFERENCES [dbo].[payment_term] ([term_id])
GO
ALTER TABLE [dbo].[supplier] ADD CONSTRAINT [FK_supplier_currency] FOREIGN KEY ([currency_code]) REFERENCES [dbo].[currency] ([currency_code])
GO
ALTER TABLE [dbo].[purchase_request] ADD CONSTRAINT [FK_purchase_request_department] FOREIGN KEY ([dept_id]) REFERENCES [dbo].[department] ([dept_id])
GO
ALTER TABLE [dbo].[purchase_request] ADD CONSTRAINT [FK_purchase_request_employee] FOREIGN KEY ([requested_by]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[purchase_order] ADD CONSTRAINT [FK_purchase_order_supplier] FOREIGN KEY ([supplier_id]) REFERENCES [dbo].[supplier] ([supplier_id])
GO
ALTER TABLE [dbo].[purchase_order] ADD CONSTRAINT [FK_purchase_order_purchase_request] FOREIGN KEY ([request_id]) REFERENCES [dbo].[purchase_request] ([request_id])
GO
ALTER TABLE [dbo].[purchase_order_line] ADD CONSTRAINT [FK_purchase_order_line_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[goods_receipt] ADD CONSTRAINT [FK_goods_receipt_purchase_order] FOREIGN KEY ([po_id]) REFERENCES [dbo].[purchase_order] ([po_id])
GO
ALTER TABLE [dbo].[goods_receipt_line] ADD CONSTRAINT [FK_goods_receipt_line_goods_receipt] FOREIGN KEY ([receipt_id]) REFERENCES [dbo].[goods_receipt] ([receipt_id])
GO
ALTER TABLE [dbo].[goods_receipt_line] ADD CONSTRAINT [FK_goods_receipt_line_purchase_order_line] FOREIGN KEY ([po_id], [po_line_no]) REFERENCES [dbo].[purchase_order_line] ([po_id], [line_no])
GO
ALTER TABLE [dbo].[supplier_payment] ADD CONSTRAINT [FK_supplier_payment_supplier_invoice] FOREIGN KEY ([sinv_id]) REFERENCES [dbo].[supplier_invoice] ([sinv_id])
GO
ALTER TABLE [dbo].[supplier_payment] ADD CONSTRAINT [FK_supplier_payment_bank_account] FOREIGN KEY ([bank_account_id]) REFERENCES [dbo].[bank_account] ([bank_account_id])
GO
ALTER TABLE [dbo].[location] ADD CONSTRAINT [FK_location_warehouse] FOREIGN KEY ([warehouse_id]) REFERENCES [dbo].[warehouse] ([warehouse_id])
GO
ALTER TABLE [dbo].[location] ADD CONSTRAINT [FK_location_location] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[location] ([location_id])
GO
ALTER TABLE [dbo].[item_category] ADD CONSTRAINT [FK_item_category_item_category] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[item_category] ([category_id])
GO
ALTER TABLE [dbo].[item] ADD CONSTRAINT [FK_item_unit] FOREIGN KEY ([unit_code]) REFERENCES [dbo].[unit] ([unit_code])
GO
ALTER TABLE [dbo].[item_lot] ADD CONSTRAINT [FK_item_lot_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[stock] ADD CONSTRAINT [FK_stock_location] FOREIGN KEY ([location_id]) REFERENCES [dbo].[location] ([location_id])
GO
ALTER TABLE [dbo].[stock_move] ADD CONSTRAINT [FK_stock_move_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[stock_count] ADD CONSTRAINT [FK_stock_count_warehouse] FOREIGN KEY ([warehouse_id]) REFERENCES [dbo].[warehouse] ([warehouse_id])
GO
ALTER TABLE [dbo].[stock_count_line] ADD CONSTRAINT [FK_stock_count_line_stock_count] FOREIGN KEY ([count_id]) REFERENCES [dbo].[stock_count] ([count_id])
GO
ALTER TABLE [dbo].[stock_count_line] ADD CONSTRAINT [FK_stock_count_line_stock] FOREIGN KEY ([item_id], [location_id]) REFERENCES [dbo].[stock] ([item_id], [location_id])
GO
ALTER TABLE [dbo].[bom] ADD CONSTRAINT [FK_bom_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[bom_line] ADD CONSTRAINT [FK_bom_line_bom] FOREIGN KEY ([bom_id]) REFERENCES [dbo].[bom] ([bom_id])
GO
ALTER TABLE [dbo].[routing] ADD CONSTRAINT [FK_routing_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[routing_step] ADD CONSTRAINT [FK_routing_step_routing] FOREIGN KEY ([routing_id]) REFERENCES [dbo].[routing] ([routing_id])
GO
ALTER TABLE [dbo].[routing_step] ADD CONSTRAINT [FK_routing_step_work_center] FOREIGN KEY ([center_id]) REFERENCES [dbo].[work_center] ([center_id])
GO
ALTER TABLE [dbo].[work_order] ADD CONSTRAINT [FK_work_order_item] FOREIGN KEY ([item_id]) REFERENCES [dbo].[item] ([item_id])
GO
ALTER TABLE [dbo].[work_order] ADD CONSTRAINT [FK_work_order_bom] FOREIGN KEY ([bom_id]) REFERENCES [dbo].[bom] ([bom_id])
GO
ALTER TABLE [dbo].[work_order] ADD CONSTRAINT [FK_work_order_routing] FOREIGN KEY ([routing_id]) REFERENCES [dbo].[routing] ([routing_id])
GO
ALTER TABLE [dbo].[work_order] ADD CONSTRAINT [FK_work_order_sales_order] FOREIGN KEY ([sales_order_id]) REFERENCES [dbo].[sales_order] ([order_id])
GO
ALTER TABLE [dbo].[work_order] ADD CONSTRAINT [FK_work_order_work_order] FOREIGN KEY ([parent_wo_id]) REFERENCES [dbo].[work_order] ([wo_id])
GO
ALTER TABLE [dbo].[work_order_step] ADD CONSTRAINT [FK_work_order_step_work_order] FOREIGN KEY ([wo_id]) REFERENCES [dbo].[work_order] ([wo_id])
GO
ALTER TABLE [dbo].[work_order_step] ADD CONSTRAINT [FK_work_order_step_employee] FOREIGN KEY ([operator_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[material_issue] ADD CONSTRAINT [FK_material_issue_work_order] FOREIGN KEY ([wo_id]) REFERENCES [dbo].[work_order] ([wo_id])
GO
ALTER TABLE [dbo].[material_issue] ADD CONSTRAINT [FK_material_issue_warehouse] FOREIGN KEY ([warehouse_id]) REFERENCES [dbo].[warehouse] ([warehouse_id])
GO
ALTER TABLE [dbo].[quality_check] ADD CONSTRAINT [FK_quality_check_goods_receipt] FOREIGN KEY ([receipt_id]) REFERENCES [dbo].[goods_receipt] ([receipt_id])
GO
ALTER TABLE [dbo].[quality_check] ADD CONSTRAINT [FK_quality_check_work_order] FOREIGN KEY ([wo_id]) REFERENCES [dbo].[work_order] ([wo_id])
GO
ALTER TABLE [dbo].[fiscal_year] ADD CONSTRAINT [FK_fiscal_year_company] FOREIGN KEY ([company_id]) REFERENCES [dbo].[company] ([company_id])
GO
ALTER TABLE [dbo].[fiscal_period] ADD CONSTRAINT [FK_fiscal_period_fiscal_year] FOREIGN KEY ([year_id]) REFERENCES [dbo].[fiscal_year] ([year_id])
GO
ALTER TABLE [dbo].[account] ADD CONSTRAINT [FK_account_account] FOREIGN KEY ([parent_id]) REFERENCES [dbo].[account] ([account_id])
GO
ALTER TABLE [dbo].[cost_center] ADD CONSTRAINT [FK_cost_center_department] FOREIGN KEY ([dept_id]) REFERENCES [dbo].[department] ([dept_id])
GO
ALTER TABLE [dbo].[journal] ADD CONSTRAINT [FK_journal_fiscal_period] FOREIGN KEY ([period_id]) REFERENCES [dbo].[fiscal_period] ([period_id])
GO
ALTER TABLE [dbo].[journal] ADD CONSTRAINT [FK_journal_journal] FOREIGN KEY ([reversal_of]) REFERENCES [dbo].[journal] ([journal_id])
GO
ALTER TABLE [dbo].[journal_line] ADD CONSTRAINT [FK_journal_line_journal] FOREIGN KEY ([journal_id]) REFERENCES [dbo].[journal] ([journal_id])
GO
ALTER TABLE [dbo].[journal_line] ADD CONSTRAINT [FK_journal_line_account] FOREIGN KEY ([account_id]) REFERENCES [dbo].[account] ([account_id])
GO
ALTER TABLE [dbo].[journal_line] ADD CONSTRAINT [FK_journal_line_cost_center] FOREIGN KEY ([cost_center_id]) REFERENCES [dbo].[cost_center] ([cost_center_id])
GO
ALTER TABLE [dbo].[bank_account] ADD CONSTRAINT [FK_bank_account_company] FOREIGN KEY ([company_id]) REFERENCES [dbo].[company] ([company_id])
GO
ALTER TABLE [dbo].[bank_account] ADD CONSTRAINT [FK_bank_account_account] FOREIGN KEY ([account_id]) REFERENCES [dbo].[account] ([account_id])
GO
ALTER TABLE [dbo].[budget] ADD CONSTRAINT [FK_budget_fiscal_year] FOREIGN KEY ([year_id]) REFERENCES [dbo].[fiscal_year] ([year_id])
GO
ALTER TABLE [dbo].[budget] ADD CONSTRAINT [FK_budget_account] FOREIGN KEY ([account_id]) REFERENCES [dbo].[account] ([account_id])
GO
ALTER TABLE [dbo].[budget] ADD CONSTRAINT [FK_budget_cost_center] FOREIGN KEY ([cost_center_id]) REFERENCES [dbo].[cost_center] ([cost_center_id])
GO
ALTER TABLE [dbo].[fixed_asset] ADD CONSTRAINT [FK_fixed_asset_account] FOREIGN KEY ([account_id]) REFERENCES [dbo].[account] ([account_id])
GO
ALTER TABLE [dbo].[payroll] ADD CONSTRAINT [FK_payroll_fiscal_period] FOREIGN KEY ([period_id]) REFERENCES [dbo].[fiscal_period] ([period_id])
GO
ALTER TABLE [dbo].[payroll] ADD CONSTRAINT [FK_payroll_employee] FOREIGN KEY ([emp_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[leave_request] ADD CONSTRAINT [FK_leave_request_emp_id] FOREIGN KEY ([emp_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[leave_request] ADD CONSTRAINT [FK_leave_request_approver_id] FOREIGN KEY ([approver_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[sys_user] ADD CONSTRAINT [FK_sys_user_employee] FOREIGN KEY ([emp_id]) REFERENCES [dbo].[employee] ([emp_id])
GO
ALTER TABLE [dbo].[sys_user_role] ADD CONSTRAINT [FK_sys_user_role_sys_user] FOREIGN KEY ([user_id]) REFERENCES [dbo].[sys_user] ([user_id])
GO
ALTER TABLE [dbo].[sys_user_role] ADD CONSTRAINT [FK_sys_user_role_sys_role] FOREIGN KEY ([role_id]) REFERENCES [dbo].[sys_role] ([role_id])
GO
ALTER TABLE [dbo].[audit_log] ADD CONSTRAINT [FK_audit_log_sys_user] FOREIGN KEY ([user_id]) REFERENCES [dbo].[sys_user] ([user_id])
GO
