#include "ui/table_commands.h"

namespace tablora {

const std::vector<TableCommand>& TableMenuCommands() {
  using namespace table_cmd;
  static const std::vector<TableCommand> commands = {
      {kProperties, u8"属性(&R)", false},
      {kTextColour, u8"字体颜色(&A)", false},
      {kBackColour, u8"背景颜色(&B)", false},
      {kWholeBox, u8"框全显示(&F)", false},
      {kDisplayStyles, u8"字段显示属性(&V)", true},
      {kGenCStruct, u8"产生C结构(&C)", false},
      {kGenJavaClass, u8"产生Java类(&J)", false},
      {kGenCppClass, u8"产生C++类(&D)", true},
      {kSelectOne, u8"选择1条记录", false},
      {kSelectTen, u8"选择前10条记录", false},
      {kSelectAll, u8"选择所有记录", true},
      {kSelectStatement, u8"选择语句(SELECT)", false},
      {kInsertStatement, u8"插入语句(INSERT)", false},
      {kUpdateStatement, u8"更新语句(UPDATE)", false},
      {kDeleteStatement, u8"删除语句(DELETE)", false},
      {kBackupStatement, u8"备件表(BACKUP TABLE)", false},
      {kDropStatement, u8"删除表(DROP TABLE)", true},
      {kReloadFromDatabase, u8"从数据库更新表(&U)", false},
      {kWriteToDatabase, u8"更新到数据库(&S)", false},
      {kWriteCommentsToDatabase, u8"只更新注释到数据库(&V)", true},
      {kSaveTableScript, u8"保存创建表的SQL语句(&M)", true},
      {kRemoveTable, u8"删除表(&E)", false},
  };
  return commands;
}

}  // namespace tablora
