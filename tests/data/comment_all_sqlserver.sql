/* TABLORA V1.5 
请将此脚本拷贝到MS SQL Server的 SQL查询分析器 中运行!*/




exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user', N'column', N'id'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_user', N'column', N'name'
GO


exec sp_addextendedproperty N'MS_Description', N'用户:系统用户(组)系统', N'user', N'dbo', N'table', N't_user'
GO
exec sp_addextendedproperty N'MS_Description', N'编号:', N'user', N'dbo', N'table', N't_user', N'column', N'id'
GO
exec sp_addextendedproperty N'MS_Description', N'it''s', N'user', N'dbo', N'table', N't_user', N'column', N'name'
GO


exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'log'
GO
exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N'log', N'column', N'at'
GO
