CREATE TABLE [dbo].[员工] (			--employee:职员表
[工号] [char](8) NOT NULL ,  --号:编号
[姓名] [nvarchar](20) NULL   
) ON [PRIMARY]

