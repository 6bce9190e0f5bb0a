#include "ui/group_edit_lists.h"

#include <algorithm>
#include <numeric>

namespace tablora {

GroupEditLists::GroupEditLists(const Design& design, const std::vector<int>& members)
    : design_(design) {
  MoveAllLeft();
  for (int table : members) {
    auto it = std::find(left_.begin(), left_.end(), table);
    if (it != left_.end()) Move(left_, right_, static_cast<int>(it - left_.begin()));
  }
}

std::string GroupEditLists::ItemText(int table) const {
  const TableNames& names = design_.entries().at(table)->editor->names();
  return names.displayName.empty() ? names.actualName
                                   : names.displayName + "(" + names.actualName + ")";
}

int GroupEditLists::Move(std::vector<int>& from, std::vector<int>& to, int row) {
  if (row < 0 || row >= static_cast<int>(from.size())) return -1;
  to.push_back(from[row]);
  from.erase(from.begin() + row);
  return row < static_cast<int>(from.size()) ? row : -1;
}

int GroupEditLists::MoveRight(int row) { return Move(left_, right_, row); }
int GroupEditLists::MoveLeft(int row) { return Move(right_, left_, row); }

void GroupEditLists::MoveAllRight() {
  left_.clear();
  right_.resize(design_.tableCount());
  std::iota(right_.begin(), right_.end(), 0);
}

void GroupEditLists::MoveAllLeft() {
  right_.clear();
  left_.resize(design_.tableCount());
  std::iota(left_.begin(), left_.end(), 0);
}

}  // namespace tablora
