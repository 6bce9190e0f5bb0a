#include "ui/work_box_trees.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {
const std::string& RootText() {
  static const std::string text = "Tablora";
  return text;
}

std::string BothNames(const std::string& first, const std::string& second) {
  if (first.empty()) return second;
  return first != second && !second.empty() ? first + "(" + second + ")" : first;
}
}  // namespace

const std::string& WorkBoxTrees::OtherTablesGroup() {
  static const std::string text = Cp936(u8"其他表");
  return text;
}

const std::string& WorkBoxTrees::NewGroupName() {
  static const std::string text = Cp936(u8"新分组");
  return text;
}

WorkBoxTrees::WorkBoxTrees(Design& design) : design_(design) {
  ResetTableTree();
  ResetGroupTree();
}

void WorkBoxTrees::TableAdded(int index, bool show) {
  if (index < 0 || index >= design_.tableCount()) return;
  if (show) {
    AddNewTableItem(index);
    AddToGroupTree(index);
  } else {
    AddLoadedTableItem(index, design_.editor(index).names().displayName);
  }
  ShowTableCount();
}

void WorkBoxTrees::TableRemoved(int index) {
  if (index < 0) return;
  if (index < static_cast<int>(tableItems_.size())) {
    tableTree_.Remove(tableItems_[index]);
    tableItems_.erase(tableItems_.begin() + index);
    for (std::size_t i = index; i < tableItems_.size(); ++i)
      tableTree_.SetData(tableItems_[i], static_cast<int>(i));
  }
  if (index < static_cast<int>(memberItems_.size())) {
    RemoveMember(memberItems_[index]);
    memberItems_.erase(memberItems_.begin() + index);
    for (std::size_t i = index; i < memberItems_.size(); ++i)
      groupTree_.SetData(memberItems_[i], static_cast<int>(i));
  }
  ShowTableCount();
}

void WorkBoxTrees::FollowGroup(int index) {
  if (index < 0 || index >= design_.tableCount() ||
      index >= static_cast<int>(memberItems_.size()) || !groupTree_.Exists(memberItems_[index])) {
    return;
  }
  std::string group = GroupText(index);
  if (group.empty()) group = OtherTablesGroup();
  const int member = memberItems_[index];
  if (groupTree_.Item(groupTree_.Item(member).parent).text == group) return;
  RemoveMember(member);
  AddToGroupTree(index);
}

void WorkBoxTrees::RemoveMember(int member) {
  if (!groupTree_.Exists(member)) return;
  const int group = groupTree_.Item(member).parent;
  groupTree_.Remove(member);
  if (!groupTree_.Exists(group) || groupTree_.Item(group).kind != TreeItemKind::kGroup ||
      !groupTree_.Children(group).empty()) {
    return;
  }
  auto it = groupsByName_.find(groupTree_.Item(group).text);
  if (it != groupsByName_.end()) {
    it->second.erase(std::remove(it->second.begin(), it->second.end(), group), it->second.end());
    if (it->second.empty()) groupsByName_.erase(it);
  }
  groupTree_.Remove(group);
}

void WorkBoxTrees::DesignCleared() {
  ResetTableTree();
  ResetGroupTree();
}

void WorkBoxTrees::DesignLoaded() {
  RebuildGroupTree();
  ShowBothNames();
  AddMissingProcedures();
}

void WorkBoxTrees::ResetTableTree() {
  static const std::string tables = Cp936(u8"表");
  tableTree_.Clear();
  tableItems_.clear();
  procedureItems_.clear();
  proceduresNode_ = -1;
  tableRoot_ = tableTree_.Append(-1, TreeItemKind::kRoot, RootText(), kRootImage, kRootImage);
  tablesNode_ = tableTree_.Append(tableRoot_, TreeItemKind::kTablesNode, tables, kNodeImage,
                                  kNodeImage, -1, true);
  tableTree_.Expand(tableRoot_);
}

void WorkBoxTrees::ResetGroupTree() {
  static const std::string groups = Cp936(u8"分组");
  groupTree_.Clear();
  groupsByName_.clear();
  memberItems_.clear();
  groupRoot_ = groupTree_.Append(-1, TreeItemKind::kRoot, RootText(), kRootImage, kRootImage);
  groupsNode_ = groupTree_.Append(groupRoot_, TreeItemKind::kGroupsNode, groups, kNodeImage,
                                  kNodeImage, -1, true);
  groupTree_.Expand(groupRoot_);
}

void WorkBoxTrees::AddLoadedTableItem(int index, const std::string& text) {
  if (index < 0) return;
  if (index >= static_cast<int>(tableItems_.size())) tableItems_.resize(index + 1, -1);
  const int item = tableTree_.Append(tablesNode_, TreeItemKind::kTable, text, kItemImage,
                                     kItemSelectedImage, index);
  tableItems_[index] = item;
  tableTree_.Expand(tablesNode_);
}

void WorkBoxTrees::AddNewTableItem(int index) {
  AddLoadedTableItem(index, Cp936(u8"新表") + std::to_string(index + 1));
}

void WorkBoxTrees::ShowTableCount() {
  tableTree_.SetText(tablesNode_, Cp936(u8"表(") + std::to_string(design_.tableCount()) + ")");
}

void WorkBoxTrees::AddProcedureItem(int index, const std::string& name) {
  static const std::string procedures = Cp936(u8"存储过程");
  if (index < 0) return;
  if (!tableTree_.Exists(proceduresNode_)) {
    proceduresNode_ = tableTree_.Append(tableRoot_, TreeItemKind::kProceduresNode, procedures,
                                        kNodeImage, kNodeImage, -1, true);
  }
  if (index >= static_cast<int>(procedureItems_.size())) procedureItems_.resize(index + 1, -1);
  procedureItems_[index] = tableTree_.Append(proceduresNode_, TreeItemKind::kProcedure, name,
                                             kItemImage, kItemSelectedImage, index);
}

void WorkBoxTrees::AddMissingProcedures() {
  const std::vector<ProcedureDesign>& procedures = design_.procedures();
  for (int i = 0; i < static_cast<int>(procedures.size()); ++i) {
    if (i < static_cast<int>(procedureItems_.size()) && procedureItems_[i] >= 0) continue;
    AddProcedureItem(i, procedures[i].name);
  }
}

void WorkBoxTrees::SetTableItemText(int index, const std::string& text) {
  tableTree_.SetText(TableItem(index), text);
  if (index >= 0 && index < static_cast<int>(memberItems_.size()) && index < design_.tableCount())
    groupTree_.SetText(memberItems_[index], MemberText(index));
}

int WorkBoxTrees::TableItem(int index) const {
  return index >= 0 && index < static_cast<int>(tableItems_.size()) ? tableItems_[index] : -1;
}

void WorkBoxTrees::SetRootTexts(const std::string& text) {
  tableTree_.SetText(tableRoot_, text);
  groupTree_.SetText(groupRoot_, text);
}

std::string WorkBoxTrees::GroupText(int index) const {
  return design_.entries().at(index)->editor->names().group;
}

void WorkBoxTrees::SetGroup(int index, const std::string& group) {
  design_.editor(index).GroupChanged(group);
  if (index < static_cast<int>(design_.definitions().size())) {
    design_.definitions()[index].group = group;
  }
}

int WorkBoxTrees::AddGroup(const std::string& name) {
  const int item =
      groupTree_.Append(groupsNode_, TreeItemKind::kGroup, name, kGroupImage, kGroupSelectedImage);
  groupsByName_[name].push_back(item);
  return item;
}

std::string WorkBoxTrees::MemberText(int index) const {
  const TableNames& names = design_.entries().at(index)->editor->names();
  if (!names.displayName.empty()) return names.displayName;
  if (!names.actualName.empty()) return names.actualName;
  const int item = TableItem(index);
  return tableTree_.Exists(item) ? tableTree_.Item(item).text : std::string();
}

void WorkBoxTrees::AddMember(int groupItem, int index) {
  const int item = groupTree_.Append(groupItem, TreeItemKind::kGroupTable, MemberText(index),
                                     kMemberImage, kMemberSelectedImage, index);
  if (index >= static_cast<int>(memberItems_.size())) memberItems_.resize(index + 1, -1);
  memberItems_[index] = item;
}

int WorkBoxTrees::FindGroup(const std::string& name) const {
  auto it = groupsByName_.find(name);
  return it == groupsByName_.end() || it->second.empty() ? -1 : it->second.front();
}

void WorkBoxTrees::RenameGroup(int groupItem, const std::string& name) {
  const std::string& old = groupTree_.Item(groupItem).text;
  auto it = groupsByName_.find(old);
  if (it != groupsByName_.end()) {
    it->second.erase(std::remove(it->second.begin(), it->second.end(), groupItem),
                     it->second.end());
    if (it->second.empty()) groupsByName_.erase(it);
  }
  std::vector<int>& same = groupsByName_[name];
  same.insert(std::upper_bound(same.begin(), same.end(), groupItem), groupItem);
  groupTree_.SetText(groupItem, name);
}

void WorkBoxTrees::RebuildGroupTree() {
  ResetGroupTree();
  for (int i = 0; i < design_.tableCount(); ++i) AddToGroupTree(i);
}

void WorkBoxTrees::AddToGroupTree(int index) {
  if (index < 0 || index >= design_.tableCount()) return;
  std::string group = GroupText(index);
  if (group.empty()) group = OtherTablesGroup();
  int item = FindGroup(group);
  if (item < 0) item = AddGroup(group);
  AddMember(item, index);
  groupTree_.Expand(groupsNode_);
}

int WorkBoxTrees::NewGroup() {
  const int item = AddGroup(NewGroupName());
  groupTree_.Expand(groupsNode_);
  return item;
}

std::vector<int> WorkBoxTrees::GroupTables(int groupItem) const {
  std::vector<int> tables;
  if (!groupTree_.Exists(groupItem)) return tables;
  for (int child : groupTree_.Children(groupItem)) tables.push_back(groupTree_.Item(child).data);
  return tables;
}

std::vector<int> WorkBoxTrees::Groups() const {
  return groupTree_.Exists(groupsNode_) ? groupTree_.Children(groupsNode_) : std::vector<int>{};
}

void WorkBoxTrees::ShowNames(Tree which, TreeNameMode mode) {
  auto text = [&](int index, bool actualFirst) {
    const TableNames& names = design_.entries().at(index)->editor->names();
    switch (mode) {
      case TreeNameMode::kDisplayName:
        return names.displayName;
      case TreeNameMode::kActualName:
        return names.actualName;
      default:
        return actualFirst ? BothNames(names.actualName, names.displayName)
                           : BothNames(names.displayName, names.actualName);
    }
  };
  if (which == kTableTree) {
    // A new table without names keeps its "新表%d".
    for (int i = 0; i < static_cast<int>(tableItems_.size()) && i < design_.tableCount(); ++i) {
      const std::string shown = text(i, true);
      if (tableItems_[i] >= 0 && !shown.empty()) tableTree_.SetText(tableItems_[i], shown);
    }
    return;
  }
  for (int group : Groups()) {
    for (int member : groupTree_.Children(group)) {
      const std::string shown = text(groupTree_.Item(member).data, false);
      if (!shown.empty()) groupTree_.SetText(member, shown);
    }
  }
}

void WorkBoxTrees::ApplyGroupEdit(int groupItem, const std::string& newName,
                                  const std::vector<int>& tables) {
  if (!groupTree_.Exists(groupItem) || groupTree_.Item(groupItem).kind != TreeItemKind::kGroup) {
    return;
  }
  const int count = design_.tableCount();
  const std::string name = gbk::CutToWidth(newName, width::kName);
  std::vector<int> chosen;
  for (int t : tables) {
    if (t >= 0 && t < count && std::find(chosen.begin(), chosen.end(), t) == chosen.end()) {
      chosen.push_back(t);
    }
  }
  std::vector<std::string> before(count);
  for (int i = 0; i < count; ++i) before[i] = GroupText(i);

  // The group's old members and the chosen tables lose their groups...
  const std::vector<int> members = groupTree_.Children(groupItem);
  for (int member : members) {
    SetGroup(groupTree_.Item(member).data, "");
    groupTree_.Remove(member);
  }
  for (int t : chosen) SetGroup(t, "");
  // ...and their items in the other groups go.
  for (int group : Groups()) {
    const std::vector<int> children = groupTree_.Children(group);
    for (int child : children) {
      if (GroupText(groupTree_.Item(child).data).empty()) groupTree_.Remove(child);
    }
  }
  RenameGroup(groupItem, name);
  for (int t : chosen) {
    SetGroup(t, name);
    AddMember(groupItem, t);
  }
  groupTree_.Expand(groupItem);
  const int others = FindGroup(OtherTablesGroup());
  if (others >= 0) {
    for (int i = 0; i < count; ++i) {
      if (GroupText(i).empty()) AddMember(others, i);
    }
  }

  // The editors' SQL texts are what the definitions are refreshed from.
  for (int i = 0; i < count; ++i) {
    if (GroupText(i) == before[i]) continue;
    TableEditor& editor = design_.editor(i);
    if (!editor.tableText().empty()) editor.BuildSqlText();
    design_.TableChanged(i);
  }
}

int WorkBoxTrees::TableOf(Tree which, int item) const {
  const TreeModel& t = tree(which);
  if (!t.Exists(item)) return -1;
  const TreeItem& it = t.Item(item);
  const bool isTable =
      which == kTableTree ? it.kind == TreeItemKind::kTable : it.kind == TreeItemKind::kGroupTable;
  return isTable && it.data < design_.tableCount() ? it.data : -1;
}

int WorkBoxTrees::ProcedureOf(int item) const {
  if (!tableTree_.Exists(item) || tableTree_.Item(item).kind != TreeItemKind::kProcedure) return -1;
  const int index = tableTree_.Item(item).data;
  return index < static_cast<int>(design_.procedures().size()) ? index : -1;
}

TreePopup WorkBoxTrees::PopupFor(Tree which, int item) const {
  const TreeModel& t = tree(which);
  if (!t.Exists(item)) return TreePopup::kNone;
  switch (t.Item(item).kind) {
    case TreeItemKind::kRoot:
      return which == kTableTree ? TreePopup::kTableTreeNode : TreePopup::kGroupTreeNode;
    case TreeItemKind::kTablesNode:
    case TreeItemKind::kProceduresNode:
      return TreePopup::kTableTreeNode;
    case TreeItemKind::kGroupsNode:
      return TreePopup::kGroupTreeNode;
    case TreeItemKind::kGroup:
      return TreePopup::kGroup;
    case TreeItemKind::kTable:
    case TreeItemKind::kGroupTable:
      return TableOf(which, item) >= 0 ? TreePopup::kTable : TreePopup::kNone;
    default:
      return TreePopup::kNone;
  }
}

}  // namespace tablora
