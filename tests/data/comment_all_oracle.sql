/* TABLORA V1.5 
请将此脚本拷贝到MS SQL Server的 SQL查询分析器 中运行!*/


COMMENT ON TABLE "SYSTEM"."t_user" IS '用户:系统用户(组)系统';
COMMENT ON COLUMN "SYSTEM"."t_user"."id" IS '编号:';
COMMENT ON COLUMN "SYSTEM"."t_user"."name" IS 'it''s';


COMMENT ON TABLE "SYSTEM"."log" IS '';
COMMENT ON COLUMN "SYSTEM"."log"."at" IS '';


