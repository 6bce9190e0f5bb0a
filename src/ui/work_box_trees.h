#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "model/design.h"
#include "ui/tree_model.h"

namespace tablora {

/// How the trees name their table items.
enum class TreeNameMode {
  kDisplayName,  ///< "只显示中文名(&A)"
  kActualName,   ///< "只显示实际表名(&B)"
  kBothNames,    ///< "全显示(&C)"
};

/// Which popup menu an item of the trees opens.
enum class TreePopup {
  kNone,
  kTableTreeNode,  ///< root, tables node or procedures node of the table tree
  kTable,          ///< a table item of either tree
  kGroupTreeNode,  ///< root or groups node of the group tree
  kGroup,
};

/// The contents of the work box's two trees: the table tree (every table and the stored
/// procedures) and the group tree (the groups and the tables in each). Table items carry
/// the table's index, procedure items the procedure's index. A group is only a name: the
/// group text of each table's editor.
class WorkBoxTrees {
 public:
  enum Tree { kTableTree, kGroupTree };
  /// Images of the two image lists.
  enum TableTreeImage { kRootImage = 0, kNodeImage = 1, kItemImage = 2, kItemSelectedImage = 3 };
  enum GroupTreeImage {
    kGroupImage = 2,
    kGroupSelectedImage = 3,
    kMemberImage = 4,
    kMemberSelectedImage = 5
  };

  explicit WorkBoxTrees(Design& design);

  TreeModel& tableTree() { return tableTree_; }
  TreeModel& groupTree() { return groupTree_; }
  const TreeModel& tree(Tree which) const { return which == kTableTree ? tableTree_ : groupTree_; }
  int tablesNode() const { return tablesNode_; }
  int proceduresNode() const { return proceduresNode_; }
  int groupsNode() const { return groupsNode_; }

  // The design's notes (DesignView), as the window side passes them on.
  /// Table `index` was added: a new table (`show`) as "新表%d", a loaded one by its
  /// display name; the tables node shows the count. A new table joins the group tree at
  /// once; loaded ones join when the design is loaded (DesignLoaded).
  void TableAdded(int index, bool show);
  /// Both trees are emptied.
  void DesignCleared();
  /// Table `index` is gone: its items go from both trees (a group it leaves empty with
  /// them), and the items of the tables after it name their new indexes.
  void TableRemoved(int index);
  /// Table `index`'s definition changed: its group tree item moves to the group its editor
  /// now names, when that is another one (a group it leaves empty goes).
  void FollowGroup(int index);
  /// After an open or import: the group tree is rebuilt, the table tree shows both
  /// names, and procedures without an item get one.
  void DesignLoaded();

  /// Empties the tree and makes its root "Tablora" (expanded) and node.
  void ResetTableTree();
  void ResetGroupTree();
  /// A table the user creates: "新表%d" with index + 1.
  void AddNewTableItem(int index);
  /// A loaded table, named `text` (its display name).
  void AddLoadedTableItem(int index, const std::string& text);
  /// Sets "表(%d)" with the table count on the tables node.
  void ShowTableCount();
  /// Appends procedure `index`, making the procedures node when missing.
  void AddProcedureItem(int index, const std::string& name);
  /// Adds items for the design's procedures that have none yet.
  void AddMissingProcedures();
  /// The table tree item's text; the table's group tree item shows the display name.
  void SetTableItemText(int index, const std::string& text);
  /// The table tree's item of table `index`, or -1.
  int TableItem(int index) const;
  /// The root items' texts (the database and host after an import).
  void SetRootTexts(const std::string& text);

  /// Empties the group tree and adds every table in table-list order.
  void RebuildGroupTree();
  /// Appends table `index` below its group (its editor's group text, "其他表" when empty),
  /// making the group when no group of that name exists.
  void AddToGroupTree(int index);
  /// The first group item named `name`, or -1.
  int FindGroup(const std::string& name) const;
  /// Appends an empty group "新分组" and returns it.
  int NewGroup();
  /// The tables of a group item, in tree order.
  std::vector<int> GroupTables(int groupItem) const;
  /// The group items in tree order.
  std::vector<int> Groups() const;

  /// Renames the table items of one tree.
  void ShowNames(Tree which, TreeNameMode mode);
  void ShowBothNames() { ShowNames(kTableTree, TreeNameMode::kBothNames); }

  /// The edit-group dialog's OK: group `groupItem` is renamed to `name` and holds exactly
  /// `tables` (in that order). Tables leaving it lose their group; tables joining it
  /// leave their old group. Every editor whose group changed rebuilds its SQL text, so
  /// that the next refresh of the definitions keeps the change.
  void ApplyGroupEdit(int groupItem, const std::string& name, const std::vector<int>& tables);

  /// The table an item stands for, or -1.
  int TableOf(Tree which, int item) const;
  /// The procedure a table-tree item stands for, or -1.
  int ProcedureOf(int item) const;
  TreePopup PopupFor(Tree which, int item) const;

  /// "其他表": the group of the tables without one.
  static const std::string& OtherTablesGroup();
  /// "新分组": the name of a new group.
  static const std::string& NewGroupName();

 private:
  std::string GroupText(int index) const;
  void SetGroup(int index, const std::string& group);
  void AddMember(int groupItem, int index);
  /// A group tree item's text: the display name, or the table tree item's text while the
  /// table has no names.
  std::string MemberText(int index) const;
  /// Removes a member item, and its group when that is left empty.
  void RemoveMember(int member);
  void RenameGroup(int groupItem, const std::string& name);
  int AddGroup(const std::string& name);

  Design& design_;
  TreeModel tableTree_;
  TreeModel groupTree_;
  int tableRoot_ = -1;
  int tablesNode_ = -1;
  int proceduresNode_ = -1;
  int groupRoot_ = -1;
  int groupsNode_ = -1;
  std::vector<int> tableItems_;      ///< table index -> table tree item
  std::vector<int> memberItems_;     ///< table index -> group tree item (or a removed one)
  std::vector<int> procedureItems_;  ///< procedure index -> table tree item
  /// Group name -> its group items, in tree order (groups are only appended).
  std::unordered_map<std::string, std::vector<int>> groupsByName_;
};

}  // namespace tablora
