CREATE PROCEDURE [dbo].[p_订单查询]
	@客户 nvarchar(40),   -- 客户名称
	@数量 int = 10
AS
/* 按客户查询订单,
   最多返回 @数量 行 */
	select top 10 N'中文' as 名称, count(*) from [订单] where [客户] = @客户
	if @数量 > 100
goto done
done:
	return
GO
CREATE PROC [sales].[p_统计]
AS
	select 1 -- 结束
GO
