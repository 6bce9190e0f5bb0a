#include "ui/tree_menus.h"

namespace tablora {

const std::vector<TableCommand>& TreeMenuCommands(TreePopup popup) {
  using namespace tree_cmd;
  using namespace table_cmd;
  static const TableCommand displayNames{kShowDisplayNames, u8"只显示中文名(&A)", false};
  static const TableCommand actualNames{kShowActualNames, u8"只显示实际表名(&B)", false};
  static const TableCommand bothNames{kShowBothNames, u8"全显示(&C)", true};
  static const TableCommand writeGroups{kWriteGroupsToDatabase, u8"更新所有分组信息到数据库(&C)",
                                        false};
  static const std::vector<TableCommand> none;
  static const std::vector<TableCommand> tableTreeNode = {
      {kNewTable, u8"新建表(&A)", true}, displayNames, actualNames, bothNames};
  static const std::vector<TableCommand> table = {
      {kProperties, u8"属性(&R)", false},
      {kWholeBox, u8"框全显示(&F)", true},
      {kSelectOne, u8"选择1条记录", false},
      {kSelectTen, u8"选择前10条记录", false},
      {kSelectAll, u8"选择所有记录", true},
      {kSelectStatement, u8"选择语句(SELECT)", false},
      {kInsertStatement, u8"插入语句(INSERT)", true},
      {kNewTable, u8"新建表(&A)", true},
      {kRemoveTable, u8"删除表(&E)", false},
  };
  static const std::vector<TableCommand> groupTreeNode = {
      {kNewGroup, u8"新建分组(&A)", true}, displayNames, actualNames, bothNames, writeGroups};
  static const std::vector<TableCommand> group = {
      {kEditGroup, u8"编辑分组或改分组名(&B)", false},
      {kNewGroup, u8"新建分组(&A)", true},
      displayNames,
      actualNames,
      bothNames,
      writeGroups,
  };
  switch (popup) {
    case TreePopup::kTableTreeNode:
      return tableTreeNode;
    case TreePopup::kTable:
      return table;
    case TreePopup::kGroupTreeNode:
      return groupTreeNode;
    case TreePopup::kGroup:
      return group;
    default:
      return none;
  }
}

}  // namespace tablora
