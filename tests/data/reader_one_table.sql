/* TABLORA V1.5    自动产生 */







CREATE TABLE [dbo].[log] (			--日志
[at] [datetime] NOT NULL ,  
[message] [varchar](200) NULL   --内容
) ON [PRIMARY]

CREATE TABLE [after_eof] ([x] int)
