-- 源格式: 两个表. 读脚本时表按实际名排序, 所以字段表叫 f1_fields, 分隔符表叫 f2_separators.
-- f1_fields: 每列一个字段, 列名是字段名 (输出格式里写成 %列名%), 默认值是提取规则:
--   空: 到下一个空格或Tab; before文本: 到下一个该文本; after文本: 最后一个该文本之后到行尾;
--   prelineafter文本: 同after, 本行没有时取上一行 (不是定义的注释行) 该文本之后的内容.
-- f2_separators: 每列一个分隔符, 注释里冒号前是字段号 (在提取该字段之前使用),
--   默认值是 space (跳过空格和Tab) 或要找的文本; 允许NULL的是可选的分隔符.
-- 这一格式: #define 名字 值 // 注释 (注释也可以在上一行)

CREATE TABLE [dbo].[f1_fields] (			--字段:#define 名字 值 // 注释
[defname] [varchar](128) NOT NULL ,  --名字:到空格为止
[defvalue] [varchar](128) NOT NULL ,  --值:到空格为止
[comment] [varchar](255) DEFAULT (prelineafter//) NULL   --注释://之后; 本行没有时取上一行的注释
) ON [PRIMARY]

CREATE TABLE [dbo].[f2_separators] (			--分隔符:显示名是字段号
[s1] [varchar](50) DEFAULT (#define) NOT NULL ,  --1:
[s2] [varchar](50) DEFAULT (space) NOT NULL ,  --1:
[s3] [varchar](50) DEFAULT (space) NOT NULL ,  --2:
[s4] [varchar](50) DEFAULT (//) NULL   --3:
) ON [PRIMARY]
