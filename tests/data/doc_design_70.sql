/* TABLORA V1.5 :1538:RgAAAAAAAAAAAAAAAAAAAID/gAAJAQAAAAAAAAAAAACA/4AAEgIAAAAAAAAAAAAAgP+AAAAAAAC0
AAAAAAAAAID/gAAJAQAAtAAAAAAAAACA/4AAEgIAALQAAAAAAAAAgP+AAAAAAABoAQAAAAAAAID/
gAAJAQAAaAEAAAAAAACA/4AAEgIAAGgBAAAAAAAAgP+AAAAAAAAcAgAAAAAAAID/gAAJAQAAHAIA
AAAAAACA/4AAEgIAABwCAAAAAAAAgP+AAAAAAADQAgAAAAAAAID/gAAJAQAA0AIAAAAAAACA/4AA
EgIAANACAAAAAAAAgP+AAAAAAACEAwAAAAAAAID/gAAJAQAAhAMAAAAAAACA/4AAEgIAAIQDAAAA
AAAAgP+AAAAAAAA4BAAAAAAAAID/gAAJAQAAOAQAAAAAAACA/4AAEgIAADgEAAAAAAAAgP+AAAAA
AADsBAAAAAAAAID/gAAJAQAA7AQAAAAAAACA/4AAEgIAAOwEAAAAAAAAgP+AAAAAAACgBQAAAAAA
AID/gAAJAQAAoAUAAAAAAACA/4AAEgIAAKAFAAAAAAAAgP+AAAAAAABUBgAAAAAAAID/gAAJAQAA
VAYAAAAAAACA/4AAEgIAAFQGAAAAAAAAgP+AAAAAAAAIBwAAAAAAAID/gAAJAQAACAcAAAAAAACA
/4AAEgIAAAgHAAAAAAAAgP+AAAAAAAC8BwAAAAAAAID/gAAJAQAAvAcAAAAAAACA/4AAEgIAALwH
AAAAAAAAgP+AAAAAAABwCAAAAAAAAID/gAAJAQAAcAgAAAAAAACA/4AAEgIAAHAIAAAAAAAAgP+A
AAAAAAAkCQAAAAAAAID/gAAJAQAAJAkAAAAAAACA/4AAEgIAACQJAAAAAAAAgP+AAAAAAADYCQAA
AAAAAID/gAAJAQAA2AkAAAAAAACA/4AAEgIAANgJAAAAAAAAgP+AAAAAAACMCgAAAAAAAID/gAAJ
AQAAjAoAAAAAAACA/4AAEgIAAIwKAAAAAAAAgP+AAAAAAABACwAAAAAAAID/gAAJAQAAQAsAAAAA
AACA/4AAEgIAAEALAAAAAAAAgP+AAAAAAAD0CwAAAAAAAID/gAAJAQAA9AsAAAAAAACA/4AAEgIA
APQLAAAAAAAAgP+AAAAAAACoDAAAAAAAAID/gAAJAQAAqAwAAAAAAACA/4AAEgIAAKgMAAAAAAAA
gP+AAAAAAABcDQAAAAAAAID/gAAJAQAAXA0AAAAAAACA/4AAEgIAAFwNAAAAAAAAgP+AAAAAAAAQ
DgAAAAAAAID/gAAJAQAAEA4AAAAAAACA/4AAEgIAABAOAAAAAAAAgP+AAAAAAADEDgAAAAAAAID/
gAAJAQAAxA4AAAAAAACA/4AAEgIAAMQOAAAAAAAAgP+AAAAAAAB4DwAAAAAAAID/gAAJAQAAeA8A
AAAAAACA/4AAEgIAAHgPAAAAAAAAgP+AAAAAAAAsEAAAAAAAAID/gAAA      */







CREATE TABLE [dbo].[account] (			--会计科目:会计科目的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[app_setting] (			--系统设置:键|值 *配置* <a> & $x$ #1 _私有_
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[attachment] (			--附件:附件的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[attendance] (			--考勤:考勤的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[employee_id] [int] NOT NULL ,  --员工:引用员工
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[audit_log] (			--审计日志:审计日志的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[sys_user_id] [int] NOT NULL ,  --系统用户:引用系统用户
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[bank_account] (			--银行账户:银行账户的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[currency_id] [int] NOT NULL ,  --币种:引用币种
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[batch] (			--批次:批次的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[product_id] [int] NOT NULL ,  --商品:引用商品
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[bin_location] (			--库位:库位的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[warehouse_id] [int] NOT NULL ,  --仓库:引用仓库
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[budget] (			--预算:预算的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[department_id] [int] NOT NULL ,  --部门:引用部门
[account_id] [int] NOT NULL ,  --会计科目:引用会计科目
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[carrier] (			--承运商:承运商的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[contract] (			--劳动合同:劳动合同的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[employee_id] [int] NOT NULL ,  --员工:引用员工
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[cost_center] (			--成本中心:成本中心的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[department_id] [int] NOT NULL ,  --部门:引用部门
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[currency] (			--币种:币种的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[customer] (			--客户:客户的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[region_id] [int] NOT NULL ,  --地区:引用地区
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[customer_contact] (			--客户联系人:客户联系人的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[customer_id] [int] NOT NULL ,  --客户:引用客户
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[delivery] (			--发货单:发货单的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[customer_id] [int] NOT NULL ,  --客户:引用客户
[warehouse_id] [int] NOT NULL ,  --仓库:引用仓库
[carrier_id] [int] NOT NULL ,  --承运商:引用承运商
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[delivery_line] (			--发货明细:发货明细的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[delivery_id] [int] NOT NULL ,  --发货单:引用发货单
[product_id] [int] NOT NULL ,  --商品:引用商品
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[department] (			--部门:部门的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[employee] (			--员工:员工的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[department_id] [int] NOT NULL ,  --部门:引用部门
[position_id] [int] NOT NULL ,  --职位:引用职位
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[fiscal_period] (			--会计期间:会计期间的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[history] (			--操作历史:操作历史的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[sys_user_id] [int] NOT NULL ,  --系统用户:引用系统用户
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[invoice] (			--发票:发票的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[customer_id] [int] NOT NULL ,  --客户:引用客户
[currency_id] [int] NOT NULL ,  --币种:引用币种
[tax_rate_id] [int] NOT NULL ,  --税率:引用税率
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[invoice_line] (			--发票明细:发票明细的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[invoice_id] [int] NOT NULL ,  --发票:引用发票
[product_id] [int] NOT NULL ,  --商品:引用商品
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[journal] (			--凭证:凭证的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[period_id] [int] NOT NULL ,  --会计期间:引用会计期间
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[journal_line] (			--凭证分录:凭证分录的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[journal_id] [int] NOT NULL ,  --凭证:引用凭证
[account_id] [int] NOT NULL ,  --会计科目:引用会计科目
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[leave_request] (			--请假单:请假单的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[employee_id] [int] NOT NULL ,  --员工:引用员工
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[message_queue] (			--消息队列:消息队列的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[notice] (			--公告:公告的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[number_rule] (			--编号规则:编号规则的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[payment] (			--付款单:付款单的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[currency_id] [int] NOT NULL ,  --币种:引用币种
[supplier_id] [int] NOT NULL ,  --供应商:引用供应商
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[payment_term] (			--付款条件:付款条件的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[position] (			--职位:职位的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[price_list] (			--价目表:价目表的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[currency_id] [int] NOT NULL ,  --币种:引用币种
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[price_list_item] (			--价目表明细:价目表明细的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[price_list_id] [int] NOT NULL ,  --价目表:引用价目表
[product_id] [int] NOT NULL ,  --商品:引用商品
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[product] (			--商品:商品的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[category_id] [int] NOT NULL ,  --商品分类:引用商品分类
[unit_id] [int] NOT NULL ,  --计量单位:引用计量单位
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[product_category] (			--商品分类:商品分类的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[parent_id] [int] NOT NULL ,  --商品分类:引用商品分类
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[promotion] (			--促销活动:促销活动的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_order] (			--采购订单:采购订单的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[supplier_id] [int] NOT NULL ,  --供应商:引用供应商
[currency_id] [int] NOT NULL ,  --币种:引用币种
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_order_approval_history_detail] (			--采购订单审批历史明细:采购订单审批历史明细的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[purchase_order_id] [int] NOT NULL ,  --采购订单:引用采购订单
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_order_approval_history_summary] (			--采购订单审批历史汇总:采购订单审批历史汇总的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[purchase_order_id] [int] NOT NULL ,  --采购订单:引用采购订单
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_order_line] (			--采购订单明细:采购订单明细的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[purchase_order_id] [int] NOT NULL ,  --采购订单:引用采购订单
[product_id] [int] NOT NULL ,  --商品:引用商品
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_receipt] (			--采购入库单:采购入库单的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[supplier_id] [int] NOT NULL ,  --供应商:引用供应商
[warehouse_id] [int] NOT NULL ,  --仓库:引用仓库
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_receipt_line] (			--采购入库明细:采购入库明细的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[purchase_receipt_id] [int] NOT NULL ,  --采购入库单:引用采购入库单
[product_id] [int] NOT NULL ,  --商品:引用商品
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_return] (			--采购退货单:采购退货单的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[supplier_id] [int] NOT NULL ,  --供应商:引用供应商
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[purchase_return_line] (			--采购退货明细:采购退货明细的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[purchase_return_id] [int] NOT NULL ,  --采购退货单:引用采购退货单
[product_id] [int] NOT NULL ,  --商品:引用商品
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[quotation] (			--报价单:报价单的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[customer_id] [int] NOT NULL ,  --客户:引用客户
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[quotation_line] (			--报价明细:报价明细的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[quotation_id] [int] NOT NULL ,  --报价单:引用报价单
[product_id] [int] NOT NULL ,  --商品:引用商品
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[receipt] (			--收款单:收款单的资料(组)财务
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[customer_id] [int] NOT NULL ,  --客户:引用客户
[currency_id] [int] NOT NULL ,  --币种:引用币种
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[region] (			--地区:地区的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[salary] (			--工资:工资的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[employee_id] [int] NOT NULL ,  --员工:引用员工
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[sales_order] (			--销售订单:销售订单的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[customer_id] [int] NOT NULL ,  --客户:引用客户
[currency_id] [int] NOT NULL ,  --币种:引用币种
[payment_term_id] [int] NOT NULL ,  --付款条件:引用付款条件
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[sales_order_line] (			--销售订单明细:销售订单明细的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[sales_order_id] [int] NOT NULL ,  --销售订单:引用销售订单
[product_id] [int] NOT NULL ,  --商品:引用商品
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[sales_return] (			--销售退货单:销售退货单的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[customer_id] [int] NOT NULL ,  --客户:引用客户
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[sales_return_line] (			--销售退货明细:销售退货明细的资料(组)销售
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[sales_return_id] [int] NOT NULL ,  --销售退货单:引用销售退货单
[product_id] [int] NOT NULL ,  --商品:引用商品
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[serial_number] (			--序列号:序列号的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[product_id] [int] NOT NULL ,  --商品:引用商品
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[stock] (			--库存:库存的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[product_id] [int] NOT NULL ,  --商品:引用商品
[warehouse_id] [int] NOT NULL ,  --仓库:引用仓库
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[stock_count] (			--盘点单:盘点单的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[warehouse_id] [int] NOT NULL ,  --仓库:引用仓库
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[stock_count_line] (			--盘点明细:盘点明细的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[stock_count_id] [int] NOT NULL ,  --盘点单:引用盘点单
[product_id] [int] NOT NULL ,  --商品:引用商品
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[stock_move] (			--库存移动:库存移动的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[product_id] [int] NOT NULL ,  --商品:引用商品
[warehouse_id] [int] NOT NULL ,  --仓库:引用仓库
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[supplier] (			--供应商:供应商的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[region_id] [int] NOT NULL ,  --地区:引用地区
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[supplier_contact] (			--供应商联系人:供应商联系人的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[supplier_id] [int] NOT NULL ,  --供应商:引用供应商
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[supplier_quote] (			--供应商报价:供应商报价的资料(组)采购
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[supplier_id] [int] NOT NULL ,  --供应商:引用供应商
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[sys_role] (			--系统角色:系统角色的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[sys_user] (			--系统用户:系统用户的资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[employee_id] [int] NOT NULL ,  --员工:引用员工
[role_id] [int] NOT NULL ,  --系统角色:引用系统角色
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[tax_rate] (			--税率:税率的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[remark] [varchar](200) NULL ,  --备注:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[training] (			--培训记录:培训记录的资料(组)人事
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[employee_id] [int] NOT NULL ,  --员工:引用员工
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[transfer] (			--调拨单:调拨单的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[warehouse_id] [int] NOT NULL ,  --仓库:引用仓库
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[transfer_line] (			--调拨明细:调拨明细的资料(组)库存
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[transfer_id] [int] NOT NULL ,  --调拨单:引用调拨单
[product_id] [int] NOT NULL ,  --商品:引用商品
[amount] [decimal](12,2) DEFAULT (0) NOT NULL ,  --金额:含税 | 人民币
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[unit] (			--计量单位:计量单位的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]

CREATE TABLE [dbo].[warehouse] (			--仓库:仓库的资料(组)基础资料
[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键
[code] [varchar](20) NOT NULL ,  --代码:唯一代码
[name] [nvarchar](50) NULL ,  --名称:
[created] [datetime] DEFAULT (getdate()) NOT NULL   --创建时间:
) ON [PRIMARY]



exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'account'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'account', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'account', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'account', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'account', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'会计科目:会计科目的资料(组)财务', N'user', N'dbo', N'table', N'account'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'account', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'account', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'account', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'account', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'app_setting'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'app_setting', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'app_setting', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'app_setting', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'app_setting', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'系统设置:键|值 *配置* <a> & $x$ #1 _私有_', N'user', N'dbo', N'table', N'app_setting'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'app_setting', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'app_setting', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'app_setting', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'app_setting', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attachment'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attachment', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attachment', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attachment', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attachment', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'附件:附件的资料', N'user', N'dbo', N'table', N'attachment'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'attachment', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'attachment', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'attachment', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'attachment', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attendance'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attendance', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attendance', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attendance', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attendance', N'column', N'employee_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'attendance', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'考勤:考勤的资料(组)人事', N'user', N'dbo', N'table', N'attendance'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'attendance', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'attendance', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'attendance', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'员工:引用员工', N'user', N'dbo', N'table', N'attendance', N'column', N'employee_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'attendance', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'audit_log'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'audit_log', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'audit_log', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'audit_log', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'audit_log', N'column', N'sys_user_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'audit_log', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'audit_log', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'审计日志:审计日志的资料', N'user', N'dbo', N'table', N'audit_log'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'audit_log', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'audit_log', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'audit_log', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'系统用户:引用系统用户', N'user', N'dbo', N'table', N'audit_log', N'column', N'sys_user_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'audit_log', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'audit_log', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bank_account'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bank_account', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bank_account', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bank_account', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bank_account', N'column', N'currency_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bank_account', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'银行账户:银行账户的资料(组)基础资料', N'user', N'dbo', N'table', N'bank_account'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'bank_account', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'bank_account', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'bank_account', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'币种:引用币种', N'user', N'dbo', N'table', N'bank_account', N'column', N'currency_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'bank_account', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'batch'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'batch', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'batch', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'batch', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'batch', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'batch', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'批次:批次的资料(组)库存', N'user', N'dbo', N'table', N'batch'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'batch', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'batch', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'batch', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'batch', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'batch', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bin_location'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bin_location', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bin_location', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bin_location', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bin_location', N'column', N'warehouse_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bin_location', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'bin_location', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'库位:库位的资料(组)库存', N'user', N'dbo', N'table', N'bin_location'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'bin_location', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'bin_location', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'bin_location', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库:引用仓库', N'user', N'dbo', N'table', N'bin_location', N'column', N'warehouse_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'bin_location', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'bin_location', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget', N'column', N'department_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget', N'column', N'account_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'budget', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'预算:预算的资料(组)财务', N'user', N'dbo', N'table', N'budget'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'budget', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'budget', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'budget', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'部门:引用部门', N'user', N'dbo', N'table', N'budget', N'column', N'department_id'
GO
exec sp_addextendedproperty N'MS_Description', N'会计科目:引用会计科目', N'user', N'dbo', N'table', N'budget', N'column', N'account_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'budget', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'budget', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'carrier'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'carrier', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'carrier', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'carrier', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'carrier', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'承运商:承运商的资料(组)基础资料', N'user', N'dbo', N'table', N'carrier'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'carrier', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'carrier', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'carrier', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'carrier', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'contract'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'contract', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'contract', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'contract', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'contract', N'column', N'employee_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'contract', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'contract', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'劳动合同:劳动合同的资料(组)人事', N'user', N'dbo', N'table', N'contract'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'contract', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'contract', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'contract', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'员工:引用员工', N'user', N'dbo', N'table', N'contract', N'column', N'employee_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'contract', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'contract', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'cost_center'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'cost_center', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'cost_center', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'cost_center', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'cost_center', N'column', N'department_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'cost_center', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'成本中心:成本中心的资料(组)财务', N'user', N'dbo', N'table', N'cost_center'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'cost_center', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'cost_center', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'cost_center', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'部门:引用部门', N'user', N'dbo', N'table', N'cost_center', N'column', N'department_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'cost_center', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'currency'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'currency', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'currency', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'currency', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'currency', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'currency', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'币种:币种的资料(组)基础资料', N'user', N'dbo', N'table', N'currency'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'currency', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'currency', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'currency', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'currency', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'currency', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer', N'column', N'region_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'客户:客户的资料(组)基础资料', N'user', N'dbo', N'table', N'customer'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'customer', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'customer', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'customer', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'地区:引用地区', N'user', N'dbo', N'table', N'customer', N'column', N'region_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'customer', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'customer', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer_contact'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer_contact', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer_contact', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer_contact', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer_contact', N'column', N'customer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer_contact', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'customer_contact', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'客户联系人:客户联系人的资料(组)销售', N'user', N'dbo', N'table', N'customer_contact'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'customer_contact', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'customer_contact', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'customer_contact', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'客户:引用客户', N'user', N'dbo', N'table', N'customer_contact', N'column', N'customer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'customer_contact', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'customer_contact', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'customer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'warehouse_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'carrier_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'发货单:发货单的资料(组)销售', N'user', N'dbo', N'table', N'delivery'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'delivery', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'delivery', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'delivery', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'客户:引用客户', N'user', N'dbo', N'table', N'delivery', N'column', N'customer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库:引用仓库', N'user', N'dbo', N'table', N'delivery', N'column', N'warehouse_id'
GO
exec sp_addextendedproperty N'MS_Description', N'承运商:引用承运商', N'user', N'dbo', N'table', N'delivery', N'column', N'carrier_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'delivery', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'delivery', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line', N'column', N'delivery_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'delivery_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'发货明细:发货明细的资料(组)销售', N'user', N'dbo', N'table', N'delivery_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'delivery_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'delivery_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'delivery_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'发货单:引用发货单', N'user', N'dbo', N'table', N'delivery_line', N'column', N'delivery_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'delivery_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'delivery_line', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'delivery_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'department'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'department', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'department', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'department', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'department', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'department', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'部门:部门的资料(组)人事', N'user', N'dbo', N'table', N'department'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'department', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'department', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'department', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'department', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'department', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee', N'column', N'department_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee', N'column', N'position_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'employee', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'员工:员工的资料(组)人事', N'user', N'dbo', N'table', N'employee'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'employee', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'employee', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'employee', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'部门:引用部门', N'user', N'dbo', N'table', N'employee', N'column', N'department_id'
GO
exec sp_addextendedproperty N'MS_Description', N'职位:引用职位', N'user', N'dbo', N'table', N'employee', N'column', N'position_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'employee', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'employee', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'fiscal_period'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'会计期间:会计期间的资料(组)财务', N'user', N'dbo', N'table', N'fiscal_period'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'fiscal_period', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'history'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'history', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'history', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'history', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'history', N'column', N'sys_user_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'history', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'history', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'操作历史:操作历史的资料', N'user', N'dbo', N'table', N'history'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'history', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'history', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'history', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'系统用户:引用系统用户', N'user', N'dbo', N'table', N'history', N'column', N'sys_user_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'history', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'history', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice', N'column', N'customer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice', N'column', N'currency_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice', N'column', N'tax_rate_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'发票:发票的资料(组)财务', N'user', N'dbo', N'table', N'invoice'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'invoice', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'invoice', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'invoice', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'客户:引用客户', N'user', N'dbo', N'table', N'invoice', N'column', N'customer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'币种:引用币种', N'user', N'dbo', N'table', N'invoice', N'column', N'currency_id'
GO
exec sp_addextendedproperty N'MS_Description', N'税率:引用税率', N'user', N'dbo', N'table', N'invoice', N'column', N'tax_rate_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'invoice', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice_line', N'column', N'invoice_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'invoice_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'发票明细:发票明细的资料(组)财务', N'user', N'dbo', N'table', N'invoice_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'invoice_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'invoice_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'invoice_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'发票:引用发票', N'user', N'dbo', N'table', N'invoice_line', N'column', N'invoice_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'invoice_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'invoice_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal', N'column', N'period_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'凭证:凭证的资料(组)财务', N'user', N'dbo', N'table', N'journal'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'journal', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'journal', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'journal', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'会计期间:引用会计期间', N'user', N'dbo', N'table', N'journal', N'column', N'period_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'journal', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'journal_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'account_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'journal_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'凭证分录:凭证分录的资料(组)财务', N'user', N'dbo', N'table', N'journal_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'journal_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'journal_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'journal_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'凭证:引用凭证', N'user', N'dbo', N'table', N'journal_line', N'column', N'journal_id'
GO
exec sp_addextendedproperty N'MS_Description', N'会计科目:引用会计科目', N'user', N'dbo', N'table', N'journal_line', N'column', N'account_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'journal_line', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'journal_line', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'journal_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'leave_request'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'leave_request', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'leave_request', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'leave_request', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'leave_request', N'column', N'employee_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'leave_request', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'请假单:请假单的资料(组)人事', N'user', N'dbo', N'table', N'leave_request'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'leave_request', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'leave_request', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'leave_request', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'员工:引用员工', N'user', N'dbo', N'table', N'leave_request', N'column', N'employee_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'leave_request', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'message_queue'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'message_queue', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'message_queue', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'message_queue', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'message_queue', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'消息队列:消息队列的资料', N'user', N'dbo', N'table', N'message_queue'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'message_queue', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'message_queue', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'message_queue', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'message_queue', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'notice'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'notice', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'notice', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'notice', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'notice', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'notice', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'notice', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'公告:公告的资料', N'user', N'dbo', N'table', N'notice'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'notice', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'notice', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'notice', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'notice', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'notice', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'notice', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'number_rule'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'number_rule', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'number_rule', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'number_rule', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'number_rule', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'编号规则:编号规则的资料', N'user', N'dbo', N'table', N'number_rule'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'number_rule', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'number_rule', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'number_rule', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'number_rule', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment', N'column', N'currency_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment', N'column', N'supplier_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'付款单:付款单的资料(组)财务', N'user', N'dbo', N'table', N'payment'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'payment', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'payment', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'payment', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'币种:引用币种', N'user', N'dbo', N'table', N'payment', N'column', N'currency_id'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商:引用供应商', N'user', N'dbo', N'table', N'payment', N'column', N'supplier_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'payment', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'payment', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment_term'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment_term', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment_term', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment_term', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'payment_term', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'付款条件:付款条件的资料(组)基础资料', N'user', N'dbo', N'table', N'payment_term'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'payment_term', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'payment_term', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'payment_term', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'payment_term', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'position'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'position', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'position', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'position', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'position', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'职位:职位的资料(组)人事', N'user', N'dbo', N'table', N'position'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'position', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'position', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'position', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'position', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list', N'column', N'currency_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'价目表:价目表的资料(组)销售', N'user', N'dbo', N'table', N'price_list'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'price_list', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'price_list', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'price_list', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'币种:引用币种', N'user', N'dbo', N'table', N'price_list', N'column', N'currency_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'price_list', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list_item'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list_item', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list_item', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list_item', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list_item', N'column', N'price_list_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list_item', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'price_list_item', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'价目表明细:价目表明细的资料(组)销售', N'user', N'dbo', N'table', N'price_list_item'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'price_list_item', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'price_list_item', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'price_list_item', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'价目表:引用价目表', N'user', N'dbo', N'table', N'price_list_item', N'column', N'price_list_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'price_list_item', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'price_list_item', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product', N'column', N'category_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product', N'column', N'unit_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'商品:商品的资料(组)基础资料', N'user', N'dbo', N'table', N'product'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'product', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'product', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'product', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'商品分类:引用商品分类', N'user', N'dbo', N'table', N'product', N'column', N'category_id'
GO
exec sp_addextendedproperty N'MS_Description', N'计量单位:引用计量单位', N'user', N'dbo', N'table', N'product', N'column', N'unit_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'product', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product_category'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product_category', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product_category', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product_category', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product_category', N'column', N'parent_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product_category', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'product_category', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'商品分类:商品分类的资料(组)基础资料', N'user', N'dbo', N'table', N'product_category'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'product_category', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'product_category', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'product_category', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'商品分类:引用商品分类', N'user', N'dbo', N'table', N'product_category', N'column', N'parent_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'product_category', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'product_category', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'promotion'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'promotion', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'promotion', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'promotion', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'promotion', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'promotion', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'promotion', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'促销活动:促销活动的资料(组)销售', N'user', N'dbo', N'table', N'promotion'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'promotion', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'promotion', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'promotion', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'promotion', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'promotion', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'promotion', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order', N'column', N'supplier_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order', N'column', N'currency_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购订单:采购订单的资料(组)采购', N'user', N'dbo', N'table', N'purchase_order'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_order', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_order', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_order', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商:引用供应商', N'user', N'dbo', N'table', N'purchase_order', N'column', N'supplier_id'
GO
exec sp_addextendedproperty N'MS_Description', N'币种:引用币种', N'user', N'dbo', N'table', N'purchase_order', N'column', N'currency_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'purchase_order', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_order', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'purchase_order_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购订单审批历史明细:采购订单审批历史明细的资料(组)采购', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'采购订单:引用采购订单', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'purchase_order_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_order_approval_history_detail', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'purchase_order_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购订单审批历史汇总:采购订单审批历史汇总的资料(组)采购', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'采购订单:引用采购订单', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'purchase_order_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_order_approval_history_summary', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'purchase_order_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购订单明细:采购订单明细的资料(组)采购', N'user', N'dbo', N'table', N'purchase_order_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'采购订单:引用采购订单', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'purchase_order_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_order_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'supplier_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'warehouse_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购入库单:采购入库单的资料(组)采购', N'user', N'dbo', N'table', N'purchase_receipt'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商:引用供应商', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'supplier_id'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库:引用仓库', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'warehouse_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_receipt', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'purchase_receipt_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购入库明细:采购入库明细的资料(组)采购', N'user', N'dbo', N'table', N'purchase_receipt_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'采购入库单:引用采购入库单', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'purchase_receipt_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_receipt_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return', N'column', N'supplier_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购退货单:采购退货单的资料(组)采购', N'user', N'dbo', N'table', N'purchase_return'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_return', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_return', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_return', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商:引用供应商', N'user', N'dbo', N'table', N'purchase_return', N'column', N'supplier_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_return', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'purchase_return_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'采购退货明细:采购退货明细的资料(组)采购', N'user', N'dbo', N'table', N'purchase_return_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'采购退货单:引用采购退货单', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'purchase_return_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'purchase_return_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation', N'column', N'customer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'报价单:报价单的资料(组)销售', N'user', N'dbo', N'table', N'quotation'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'quotation', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'quotation', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'quotation', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'客户:引用客户', N'user', N'dbo', N'table', N'quotation', N'column', N'customer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'quotation', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line', N'column', N'quotation_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'quotation_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'报价明细:报价明细的资料(组)销售', N'user', N'dbo', N'table', N'quotation_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'quotation_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'quotation_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'quotation_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'报价单:引用报价单', N'user', N'dbo', N'table', N'quotation_line', N'column', N'quotation_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'quotation_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'quotation_line', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'quotation_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt', N'column', N'customer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt', N'column', N'currency_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'receipt', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'收款单:收款单的资料(组)财务', N'user', N'dbo', N'table', N'receipt'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'receipt', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'receipt', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'receipt', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'客户:引用客户', N'user', N'dbo', N'table', N'receipt', N'column', N'customer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'币种:引用币种', N'user', N'dbo', N'table', N'receipt', N'column', N'currency_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'receipt', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'receipt', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'region'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'region', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'region', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'region', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'region', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'region', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'地区:地区的资料(组)基础资料', N'user', N'dbo', N'table', N'region'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'region', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'region', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'region', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'region', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'region', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary', N'column', N'employee_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'salary', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'工资:工资的资料(组)人事', N'user', N'dbo', N'table', N'salary'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'salary', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'salary', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'salary', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'员工:引用员工', N'user', N'dbo', N'table', N'salary', N'column', N'employee_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'salary', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'salary', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'salary', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order', N'column', N'customer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order', N'column', N'currency_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order', N'column', N'payment_term_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'销售订单:销售订单的资料(组)销售', N'user', N'dbo', N'table', N'sales_order'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'sales_order', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'sales_order', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'sales_order', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'客户:引用客户', N'user', N'dbo', N'table', N'sales_order', N'column', N'customer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'币种:引用币种', N'user', N'dbo', N'table', N'sales_order', N'column', N'currency_id'
GO
exec sp_addextendedproperty N'MS_Description', N'付款条件:引用付款条件', N'user', N'dbo', N'table', N'sales_order', N'column', N'payment_term_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'sales_order', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'sales_order_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'销售订单明细:销售订单明细的资料(组)销售', N'user', N'dbo', N'table', N'sales_order_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'销售订单:引用销售订单', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'sales_order_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'sales_order_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return', N'column', N'customer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'销售退货单:销售退货单的资料(组)销售', N'user', N'dbo', N'table', N'sales_return'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'sales_return', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'sales_return', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'sales_return', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'客户:引用客户', N'user', N'dbo', N'table', N'sales_return', N'column', N'customer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'sales_return', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'sales_return_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'销售退货明细:销售退货明细的资料(组)销售', N'user', N'dbo', N'table', N'sales_return_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'销售退货单:引用销售退货单', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'sales_return_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'sales_return_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'serial_number'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'serial_number', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'serial_number', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'serial_number', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'serial_number', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'serial_number', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'serial_number', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'序列号:序列号的资料(组)库存', N'user', N'dbo', N'table', N'serial_number'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'serial_number', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'serial_number', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'serial_number', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'serial_number', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'serial_number', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'serial_number', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock', N'column', N'warehouse_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'库存:库存的资料(组)库存', N'user', N'dbo', N'table', N'stock'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'stock', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'stock', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'stock', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'stock', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库:引用仓库', N'user', N'dbo', N'table', N'stock', N'column', N'warehouse_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'stock', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count', N'column', N'warehouse_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'盘点单:盘点单的资料(组)库存', N'user', N'dbo', N'table', N'stock_count'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'stock_count', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'stock_count', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'stock_count', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库:引用仓库', N'user', N'dbo', N'table', N'stock_count', N'column', N'warehouse_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'stock_count', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'stock_count', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'stock_count_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'盘点明细:盘点明细的资料(组)库存', N'user', N'dbo', N'table', N'stock_count_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'盘点单:引用盘点单', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'stock_count_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'stock_count_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_move'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_move', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_move', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_move', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_move', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_move', N'column', N'warehouse_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'stock_move', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'库存移动:库存移动的资料(组)库存', N'user', N'dbo', N'table', N'stock_move'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'stock_move', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'stock_move', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'stock_move', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'stock_move', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库:引用仓库', N'user', N'dbo', N'table', N'stock_move', N'column', N'warehouse_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'stock_move', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier', N'column', N'region_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'供应商:供应商的资料(组)基础资料', N'user', N'dbo', N'table', N'supplier'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'supplier', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'supplier', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'supplier', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'地区:引用地区', N'user', N'dbo', N'table', N'supplier', N'column', N'region_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'supplier', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'supplier', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_contact'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'supplier_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'供应商联系人:供应商联系人的资料(组)采购', N'user', N'dbo', N'table', N'supplier_contact'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商:引用供应商', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'supplier_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'supplier_contact', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_quote'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'supplier_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'供应商报价:供应商报价的资料(组)采购', N'user', N'dbo', N'table', N'supplier_quote'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'供应商:引用供应商', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'supplier_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'supplier_quote', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_role'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_role', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_role', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_role', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_role', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_role', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'系统角色:系统角色的资料', N'user', N'dbo', N'table', N'sys_role'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'sys_role', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'sys_role', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'sys_role', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'sys_role', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'sys_role', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user', N'column', N'employee_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user', N'column', N'role_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'sys_user', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'系统用户:系统用户的资料', N'user', N'dbo', N'table', N'sys_user'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'sys_user', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'sys_user', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'sys_user', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'员工:引用员工', N'user', N'dbo', N'table', N'sys_user', N'column', N'employee_id'
GO
exec sp_addextendedproperty N'MS_Description', N'系统角色:引用系统角色', N'user', N'dbo', N'table', N'sys_user', N'column', N'role_id'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'sys_user', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'sys_user', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'tax_rate'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'tax_rate', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'tax_rate', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'tax_rate', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'tax_rate', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'tax_rate', N'column', N'remark'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'tax_rate', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'税率:税率的资料(组)基础资料', N'user', N'dbo', N'table', N'tax_rate'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'tax_rate', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'tax_rate', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'tax_rate', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'tax_rate', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'备注:', N'user', N'dbo', N'table', N'tax_rate', N'column', N'remark'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'tax_rate', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'training'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'training', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'training', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'training', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'training', N'column', N'employee_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'training', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'培训记录:培训记录的资料(组)人事', N'user', N'dbo', N'table', N'training'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'training', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'training', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'training', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'员工:引用员工', N'user', N'dbo', N'table', N'training', N'column', N'employee_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'training', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer', N'column', N'warehouse_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'调拨单:调拨单的资料(组)库存', N'user', N'dbo', N'table', N'transfer'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'transfer', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'transfer', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'transfer', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'仓库:引用仓库', N'user', N'dbo', N'table', N'transfer', N'column', N'warehouse_id'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'transfer', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line', N'column', N'transfer_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line', N'column', N'product_id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line', N'column', N'amount'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'transfer_line', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'调拨明细:调拨明细的资料(组)库存', N'user', N'dbo', N'table', N'transfer_line'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'transfer_line', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'transfer_line', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'transfer_line', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'调拨单:引用调拨单', N'user', N'dbo', N'table', N'transfer_line', N'column', N'transfer_id'
GO
exec sp_addextendedproperty N'MS_Description', N'商品:引用商品', N'user', N'dbo', N'table', N'transfer_line', N'column', N'product_id'
GO
exec sp_addextendedproperty N'MS_Description', N'金额:含税 | 人民币', N'user', N'dbo', N'table', N'transfer_line', N'column', N'amount'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'transfer_line', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'unit'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'unit', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'unit', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'unit', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'unit', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'计量单位:计量单位的资料(组)基础资料', N'user', N'dbo', N'table', N'unit'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'unit', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'unit', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'unit', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'unit', N'column', N'created'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'warehouse'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'warehouse', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'warehouse', N'column', N'code'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'warehouse', N'column', N'name'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'warehouse', N'column', N'created'
GO


exec sp_addextendedproperty N'MS_Description', N'仓库:仓库的资料(组)基础资料', N'user', N'dbo', N'table', N'warehouse'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:主键', N'user', N'dbo', N'table', N'warehouse', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'代码:唯一代码', N'user', N'dbo', N'table', N'warehouse', N'column', N'code'
GO
exec sp_addextendedproperty N'MS_Description', N'名称:', N'user', N'dbo', N'table', N'warehouse', N'column', N'name'
GO
exec sp_addextendedproperty N'MS_Description', N'创建时间:', N'user', N'dbo', N'table', N'warehouse', N'column', N'created'
GO


ALTER TABLE [dbo].[account] WITH NOCHECK ADD
CONSTRAINT [PK_ACCOUNT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[app_setting] WITH NOCHECK ADD
CONSTRAINT [PK_APP_SETTING] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[attachment] WITH NOCHECK ADD
CONSTRAINT [PK_ATTACHMENT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[attendance] WITH NOCHECK ADD
CONSTRAINT [PK_ATTENDANCE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[attendance] ADD
CONSTRAINT [FK_attendance_employee_id] FOREIGN KEY
(
[employee_id]
) REFERENCES [dbo].[employee] (
[id]
)
GO



ALTER TABLE [dbo].[audit_log] WITH NOCHECK ADD
CONSTRAINT [PK_AUDIT_LOG] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[audit_log] ADD
CONSTRAINT [FK_audit_log_sys_user_id] FOREIGN KEY
(
[sys_user_id]
) REFERENCES [dbo].[sys_user] (
[id]
)
GO



ALTER TABLE [dbo].[bank_account] WITH NOCHECK ADD
CONSTRAINT [PK_BANK_ACCOUNT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[bank_account] ADD
CONSTRAINT [FK_bank_account_currency_id] FOREIGN KEY
(
[currency_id]
) REFERENCES [dbo].[currency] (
[id]
)
GO



ALTER TABLE [dbo].[batch] WITH NOCHECK ADD
CONSTRAINT [PK_BATCH] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[batch] ADD
CONSTRAINT [FK_batch_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[bin_location] WITH NOCHECK ADD
CONSTRAINT [PK_BIN_LOCATION] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[bin_location] ADD
CONSTRAINT [FK_bin_location_warehouse_id] FOREIGN KEY
(
[warehouse_id]
) REFERENCES [dbo].[warehouse] (
[id]
)
GO



ALTER TABLE [dbo].[budget] WITH NOCHECK ADD
CONSTRAINT [PK_BUDGET] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[budget] ADD
CONSTRAINT [FK_budget_department_id] FOREIGN KEY
(
[department_id]
) REFERENCES [dbo].[department] (
[id]
),
CONSTRAINT [FK_budget_account_id] FOREIGN KEY
(
[account_id]
) REFERENCES [dbo].[account] (
[id]
)
GO



ALTER TABLE [dbo].[carrier] WITH NOCHECK ADD
CONSTRAINT [PK_CARRIER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[contract] WITH NOCHECK ADD
CONSTRAINT [PK_CONTRACT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[contract] ADD
CONSTRAINT [FK_contract_employee_id] FOREIGN KEY
(
[employee_id]
) REFERENCES [dbo].[employee] (
[id]
)
GO



ALTER TABLE [dbo].[cost_center] WITH NOCHECK ADD
CONSTRAINT [PK_COST_CENTER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[cost_center] ADD
CONSTRAINT [FK_cost_center_department_id] FOREIGN KEY
(
[department_id]
) REFERENCES [dbo].[department] (
[id]
)
GO



ALTER TABLE [dbo].[currency] WITH NOCHECK ADD
CONSTRAINT [PK_CURRENCY] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[customer] WITH NOCHECK ADD
CONSTRAINT [PK_CUSTOMER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[customer] ADD
CONSTRAINT [FK_customer_region_id] FOREIGN KEY
(
[region_id]
) REFERENCES [dbo].[region] (
[id]
)
GO



ALTER TABLE [dbo].[customer_contact] WITH NOCHECK ADD
CONSTRAINT [PK_CUSTOMER_CONTACT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[customer_contact] ADD
CONSTRAINT [FK_customer_contact_customer_id] FOREIGN KEY
(
[customer_id]
) REFERENCES [dbo].[customer] (
[id]
)
GO



ALTER TABLE [dbo].[delivery] WITH NOCHECK ADD
CONSTRAINT [PK_DELIVERY] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[delivery] ADD
CONSTRAINT [FK_delivery_customer_id] FOREIGN KEY
(
[customer_id]
) REFERENCES [dbo].[customer] (
[id]
),
CONSTRAINT [FK_delivery_warehouse_id] FOREIGN KEY
(
[warehouse_id]
) REFERENCES [dbo].[warehouse] (
[id]
),
CONSTRAINT [FK_delivery_carrier_id] FOREIGN KEY
(
[carrier_id]
) REFERENCES [dbo].[carrier] (
[id]
)
GO



ALTER TABLE [dbo].[delivery_line] WITH NOCHECK ADD
CONSTRAINT [PK_DELIVERY_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[delivery_line] ADD
CONSTRAINT [FK_delivery_line_delivery_id] FOREIGN KEY
(
[delivery_id]
) REFERENCES [dbo].[delivery] (
[id]
),
CONSTRAINT [FK_delivery_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[department] WITH NOCHECK ADD
CONSTRAINT [PK_DEPARTMENT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[employee] WITH NOCHECK ADD
CONSTRAINT [PK_EMPLOYEE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[employee] ADD
CONSTRAINT [FK_employee_department_id] FOREIGN KEY
(
[department_id]
) REFERENCES [dbo].[department] (
[id]
),
CONSTRAINT [FK_employee_position_id] FOREIGN KEY
(
[position_id]
) REFERENCES [dbo].[position] (
[id]
)
GO



ALTER TABLE [dbo].[fiscal_period] WITH NOCHECK ADD
CONSTRAINT [PK_FISCAL_PERIOD] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[history] WITH NOCHECK ADD
CONSTRAINT [PK_HISTORY] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[history] ADD
CONSTRAINT [FK_history_sys_user_id] FOREIGN KEY
(
[sys_user_id]
) REFERENCES [dbo].[sys_user] (
[id]
)
GO



ALTER TABLE [dbo].[invoice] WITH NOCHECK ADD
CONSTRAINT [PK_INVOICE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[invoice] ADD
CONSTRAINT [FK_invoice_customer_id] FOREIGN KEY
(
[customer_id]
) REFERENCES [dbo].[customer] (
[id]
),
CONSTRAINT [FK_invoice_currency_id] FOREIGN KEY
(
[currency_id]
) REFERENCES [dbo].[currency] (
[id]
),
CONSTRAINT [FK_invoice_tax_rate_id] FOREIGN KEY
(
[tax_rate_id]
) REFERENCES [dbo].[tax_rate] (
[id]
)
GO



ALTER TABLE [dbo].[invoice_line] WITH NOCHECK ADD
CONSTRAINT [PK_INVOICE_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[invoice_line] ADD
CONSTRAINT [FK_invoice_line_invoice_id] FOREIGN KEY
(
[invoice_id]
) REFERENCES [dbo].[invoice] (
[id]
),
CONSTRAINT [FK_invoice_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[journal] WITH NOCHECK ADD
CONSTRAINT [PK_JOURNAL] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[journal] ADD
CONSTRAINT [FK_journal_period_id] FOREIGN KEY
(
[period_id]
) REFERENCES [dbo].[fiscal_period] (
[id]
)
GO



ALTER TABLE [dbo].[journal_line] WITH NOCHECK ADD
CONSTRAINT [PK_JOURNAL_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[journal_line] ADD
CONSTRAINT [FK_journal_line_journal_id] FOREIGN KEY
(
[journal_id]
) REFERENCES [dbo].[journal] (
[id]
),
CONSTRAINT [FK_journal_line_account_id] FOREIGN KEY
(
[account_id]
) REFERENCES [dbo].[account] (
[id]
)
GO



ALTER TABLE [dbo].[leave_request] WITH NOCHECK ADD
CONSTRAINT [PK_LEAVE_REQUEST] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[leave_request] ADD
CONSTRAINT [FK_leave_request_employee_id] FOREIGN KEY
(
[employee_id]
) REFERENCES [dbo].[employee] (
[id]
)
GO



ALTER TABLE [dbo].[message_queue] WITH NOCHECK ADD
CONSTRAINT [PK_MESSAGE_QUEUE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[notice] WITH NOCHECK ADD
CONSTRAINT [PK_NOTICE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[number_rule] WITH NOCHECK ADD
CONSTRAINT [PK_NUMBER_RULE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[payment] WITH NOCHECK ADD
CONSTRAINT [PK_PAYMENT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[payment] ADD
CONSTRAINT [FK_payment_currency_id] FOREIGN KEY
(
[currency_id]
) REFERENCES [dbo].[currency] (
[id]
),
CONSTRAINT [FK_payment_supplier_id] FOREIGN KEY
(
[supplier_id]
) REFERENCES [dbo].[supplier] (
[id]
)
GO



ALTER TABLE [dbo].[payment_term] WITH NOCHECK ADD
CONSTRAINT [PK_PAYMENT_TERM] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[position] WITH NOCHECK ADD
CONSTRAINT [PK_POSITION] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[price_list] WITH NOCHECK ADD
CONSTRAINT [PK_PRICE_LIST] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[price_list] ADD
CONSTRAINT [FK_price_list_currency_id] FOREIGN KEY
(
[currency_id]
) REFERENCES [dbo].[currency] (
[id]
)
GO



ALTER TABLE [dbo].[price_list_item] WITH NOCHECK ADD
CONSTRAINT [PK_PRICE_LIST_ITEM] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[price_list_item] ADD
CONSTRAINT [FK_price_list_item_price_list_id] FOREIGN KEY
(
[price_list_id]
) REFERENCES [dbo].[price_list] (
[id]
),
CONSTRAINT [FK_price_list_item_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[product] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[product] ADD
CONSTRAINT [FK_product_category_id] FOREIGN KEY
(
[category_id]
) REFERENCES [dbo].[product_category] (
[id]
),
CONSTRAINT [FK_product_unit_id] FOREIGN KEY
(
[unit_id]
) REFERENCES [dbo].[unit] (
[id]
)
GO



ALTER TABLE [dbo].[product_category] WITH NOCHECK ADD
CONSTRAINT [PK_PRODUCT_CATEGORY] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[product_category] ADD
CONSTRAINT [FK_product_category_parent_id] FOREIGN KEY
(
[parent_id]
) REFERENCES [dbo].[product_category] (
[id]
)
GO



ALTER TABLE [dbo].[promotion] WITH NOCHECK ADD
CONSTRAINT [PK_PROMOTION] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_order] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_ORDER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_order] ADD
CONSTRAINT [FK_purchase_order_supplier_id] FOREIGN KEY
(
[supplier_id]
) REFERENCES [dbo].[supplier] (
[id]
),
CONSTRAINT [FK_purchase_order_currency_id] FOREIGN KEY
(
[currency_id]
) REFERENCES [dbo].[currency] (
[id]
)
GO



ALTER TABLE [dbo].[purchase_order_approval_history_detail] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_ORDER_APPROVAL_HISTORY_DETAIL] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_order_approval_history_detail] ADD
CONSTRAINT [FK_purchase_order_approval_history_detail_purchase_order_id] FOREIGN KEY
(
[purchase_order_id]
) REFERENCES [dbo].[purchase_order] (
[id]
)
GO



ALTER TABLE [dbo].[purchase_order_approval_history_summary] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_ORDER_APPROVAL_HISTORY_SUMMARY] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_order_approval_history_summary] ADD
CONSTRAINT [FK_purchase_order_approval_history_summary_purchase_order_id] FOREIGN KEY
(
[purchase_order_id]
) REFERENCES [dbo].[purchase_order] (
[id]
)
GO



ALTER TABLE [dbo].[purchase_order_line] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_ORDER_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_order_line] ADD
CONSTRAINT [FK_purchase_order_line_purchase_order_id] FOREIGN KEY
(
[purchase_order_id]
) REFERENCES [dbo].[purchase_order] (
[id]
),
CONSTRAINT [FK_purchase_order_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[purchase_receipt] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_RECEIPT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_receipt] ADD
CONSTRAINT [FK_purchase_receipt_supplier_id] FOREIGN KEY
(
[supplier_id]
) REFERENCES [dbo].[supplier] (
[id]
),
CONSTRAINT [FK_purchase_receipt_warehouse_id] FOREIGN KEY
(
[warehouse_id]
) REFERENCES [dbo].[warehouse] (
[id]
)
GO



ALTER TABLE [dbo].[purchase_receipt_line] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_RECEIPT_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_receipt_line] ADD
CONSTRAINT [FK_purchase_receipt_line_purchase_receipt_id] FOREIGN KEY
(
[purchase_receipt_id]
) REFERENCES [dbo].[purchase_receipt] (
[id]
),
CONSTRAINT [FK_purchase_receipt_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[purchase_return] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_RETURN] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_return] ADD
CONSTRAINT [FK_purchase_return_supplier_id] FOREIGN KEY
(
[supplier_id]
) REFERENCES [dbo].[supplier] (
[id]
)
GO



ALTER TABLE [dbo].[purchase_return_line] WITH NOCHECK ADD
CONSTRAINT [PK_PURCHASE_RETURN_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[purchase_return_line] ADD
CONSTRAINT [FK_purchase_return_line_purchase_return_id] FOREIGN KEY
(
[purchase_return_id]
) REFERENCES [dbo].[purchase_return] (
[id]
),
CONSTRAINT [FK_purchase_return_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[quotation] WITH NOCHECK ADD
CONSTRAINT [PK_QUOTATION] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[quotation] ADD
CONSTRAINT [FK_quotation_customer_id] FOREIGN KEY
(
[customer_id]
) REFERENCES [dbo].[customer] (
[id]
)
GO



ALTER TABLE [dbo].[quotation_line] WITH NOCHECK ADD
CONSTRAINT [PK_QUOTATION_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[quotation_line] ADD
CONSTRAINT [FK_quotation_line_quotation_id] FOREIGN KEY
(
[quotation_id]
) REFERENCES [dbo].[quotation] (
[id]
),
CONSTRAINT [FK_quotation_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[receipt] WITH NOCHECK ADD
CONSTRAINT [PK_RECEIPT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[receipt] ADD
CONSTRAINT [FK_receipt_customer_id] FOREIGN KEY
(
[customer_id]
) REFERENCES [dbo].[customer] (
[id]
),
CONSTRAINT [FK_receipt_currency_id] FOREIGN KEY
(
[currency_id]
) REFERENCES [dbo].[currency] (
[id]
)
GO



ALTER TABLE [dbo].[region] WITH NOCHECK ADD
CONSTRAINT [PK_REGION] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[salary] WITH NOCHECK ADD
CONSTRAINT [PK_SALARY] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[salary] ADD
CONSTRAINT [FK_salary_employee_id] FOREIGN KEY
(
[employee_id]
) REFERENCES [dbo].[employee] (
[id]
)
GO



ALTER TABLE [dbo].[sales_order] WITH NOCHECK ADD
CONSTRAINT [PK_SALES_ORDER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[sales_order] ADD
CONSTRAINT [FK_sales_order_customer_id] FOREIGN KEY
(
[customer_id]
) REFERENCES [dbo].[customer] (
[id]
),
CONSTRAINT [FK_sales_order_currency_id] FOREIGN KEY
(
[currency_id]
) REFERENCES [dbo].[currency] (
[id]
),
CONSTRAINT [FK_sales_order_payment_term_id] FOREIGN KEY
(
[payment_term_id]
) REFERENCES [dbo].[payment_term] (
[id]
)
GO



ALTER TABLE [dbo].[sales_order_line] WITH NOCHECK ADD
CONSTRAINT [PK_SALES_ORDER_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[sales_order_line] ADD
CONSTRAINT [FK_sales_order_line_sales_order_id] FOREIGN KEY
(
[sales_order_id]
) REFERENCES [dbo].[sales_order] (
[id]
),
CONSTRAINT [FK_sales_order_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[sales_return] WITH NOCHECK ADD
CONSTRAINT [PK_SALES_RETURN] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[sales_return] ADD
CONSTRAINT [FK_sales_return_customer_id] FOREIGN KEY
(
[customer_id]
) REFERENCES [dbo].[customer] (
[id]
)
GO



ALTER TABLE [dbo].[sales_return_line] WITH NOCHECK ADD
CONSTRAINT [PK_SALES_RETURN_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[sales_return_line] ADD
CONSTRAINT [FK_sales_return_line_sales_return_id] FOREIGN KEY
(
[sales_return_id]
) REFERENCES [dbo].[sales_return] (
[id]
),
CONSTRAINT [FK_sales_return_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[serial_number] WITH NOCHECK ADD
CONSTRAINT [PK_SERIAL_NUMBER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[serial_number] ADD
CONSTRAINT [FK_serial_number_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[stock] WITH NOCHECK ADD
CONSTRAINT [PK_STOCK] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[stock] ADD
CONSTRAINT [FK_stock_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
),
CONSTRAINT [FK_stock_warehouse_id] FOREIGN KEY
(
[warehouse_id]
) REFERENCES [dbo].[warehouse] (
[id]
)
GO



ALTER TABLE [dbo].[stock_count] WITH NOCHECK ADD
CONSTRAINT [PK_STOCK_COUNT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[stock_count] ADD
CONSTRAINT [FK_stock_count_warehouse_id] FOREIGN KEY
(
[warehouse_id]
) REFERENCES [dbo].[warehouse] (
[id]
)
GO



ALTER TABLE [dbo].[stock_count_line] WITH NOCHECK ADD
CONSTRAINT [PK_STOCK_COUNT_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[stock_count_line] ADD
CONSTRAINT [FK_stock_count_line_stock_count_id] FOREIGN KEY
(
[stock_count_id]
) REFERENCES [dbo].[stock_count] (
[id]
),
CONSTRAINT [FK_stock_count_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[stock_move] WITH NOCHECK ADD
CONSTRAINT [PK_STOCK_MOVE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[stock_move] ADD
CONSTRAINT [FK_stock_move_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
),
CONSTRAINT [FK_stock_move_warehouse_id] FOREIGN KEY
(
[warehouse_id]
) REFERENCES [dbo].[warehouse] (
[id]
)
GO



ALTER TABLE [dbo].[supplier] WITH NOCHECK ADD
CONSTRAINT [PK_SUPPLIER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[supplier] ADD
CONSTRAINT [FK_supplier_region_id] FOREIGN KEY
(
[region_id]
) REFERENCES [dbo].[region] (
[id]
)
GO



ALTER TABLE [dbo].[supplier_contact] WITH NOCHECK ADD
CONSTRAINT [PK_SUPPLIER_CONTACT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[supplier_contact] ADD
CONSTRAINT [FK_supplier_contact_supplier_id] FOREIGN KEY
(
[supplier_id]
) REFERENCES [dbo].[supplier] (
[id]
)
GO



ALTER TABLE [dbo].[supplier_quote] WITH NOCHECK ADD
CONSTRAINT [PK_SUPPLIER_QUOTE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[supplier_quote] ADD
CONSTRAINT [FK_supplier_quote_supplier_id] FOREIGN KEY
(
[supplier_id]
) REFERENCES [dbo].[supplier] (
[id]
)
GO



ALTER TABLE [dbo].[sys_role] WITH NOCHECK ADD
CONSTRAINT [PK_SYS_ROLE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[sys_user] WITH NOCHECK ADD
CONSTRAINT [PK_SYS_USER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[sys_user] ADD
CONSTRAINT [FK_sys_user_employee_id] FOREIGN KEY
(
[employee_id]
) REFERENCES [dbo].[employee] (
[id]
),
CONSTRAINT [FK_sys_user_role_id] FOREIGN KEY
(
[role_id]
) REFERENCES [dbo].[sys_role] (
[id]
)
GO



ALTER TABLE [dbo].[tax_rate] WITH NOCHECK ADD
CONSTRAINT [PK_TAX_RATE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[training] WITH NOCHECK ADD
CONSTRAINT [PK_TRAINING] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[training] ADD
CONSTRAINT [FK_training_employee_id] FOREIGN KEY
(
[employee_id]
) REFERENCES [dbo].[employee] (
[id]
)
GO



ALTER TABLE [dbo].[transfer] WITH NOCHECK ADD
CONSTRAINT [PK_TRANSFER] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[transfer] ADD
CONSTRAINT [FK_transfer_warehouse_id] FOREIGN KEY
(
[warehouse_id]
) REFERENCES [dbo].[warehouse] (
[id]
)
GO



ALTER TABLE [dbo].[transfer_line] WITH NOCHECK ADD
CONSTRAINT [PK_TRANSFER_LINE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[transfer_line] ADD
CONSTRAINT [FK_transfer_line_transfer_id] FOREIGN KEY
(
[transfer_id]
) REFERENCES [dbo].[transfer] (
[id]
),
CONSTRAINT [FK_transfer_line_product_id] FOREIGN KEY
(
[product_id]
) REFERENCES [dbo].[product] (
[id]
)
GO



ALTER TABLE [dbo].[unit] WITH NOCHECK ADD
CONSTRAINT [PK_UNIT] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO



ALTER TABLE [dbo].[warehouse] WITH NOCHECK ADD
CONSTRAINT [PK_WAREHOUSE] PRIMARY KEY  CLUSTERED
(
[id]
)
ON [PRIMARY]
GO

