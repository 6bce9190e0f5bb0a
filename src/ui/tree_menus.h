#pragma once

#include <vector>

#include "ui/table_commands.h"
#include "ui/work_box_trees.h"

namespace tablora {

namespace tree_cmd {
constexpr int kNewTable = 32771;
constexpr int kShowDisplayNames = 32791;
constexpr int kShowActualNames = 32792;
constexpr int kShowBothNames = 32793;
constexpr int kNewGroup = 32794;
constexpr int kEditGroup = 32795;
constexpr int kWriteGroupsToDatabase = 32823;
}  // namespace tree_cmd

/// The commands of a tree item's popup menu, in menu order: for the nodes of the table
/// tree ("Treeleft_popup"), a table of either tree, the nodes of the group tree
/// ("Treeleft2_popup1") and a group ("Treeleft2_popup2"). Empty for kNone.
const std::vector<TableCommand>& TreeMenuCommands(TreePopup popup);

}  // namespace tablora
