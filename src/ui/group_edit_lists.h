#pragma once

#include <string>
#include <vector>

#include "model/design.h"

namespace tablora {

/// The two lists of the edit-group dialog: the tables outside the group (left) and the
/// group's tables (right), as table indexes in list order, with the moves of its buttons.
class GroupEditLists {
 public:
  /// Every table goes to the left list in table-list order, then each of `members` moves
  /// to the right list.
  GroupEditLists(const Design& design, const std::vector<int>& members);

  const std::vector<int>& left() const { return left_; }
  const std::vector<int>& right() const { return right_; }
  /// "%s(%s)" with display and actual name when the display name is set, else the
  /// actual name.
  std::string ItemText(int table) const;

  /// ">": moves left item `row` to the end of the right list; returns the row the left
  /// list selects next: the same row, or -1 when the list has no such row any more.
  int MoveRight(int row);
  /// "<": the same from right to left.
  int MoveLeft(int row);
  /// ">>": every table to the right list, in table-list order.
  void MoveAllRight();
  /// "<<": every table to the left list.
  void MoveAllLeft();

 private:
  static int Move(std::vector<int>& from, std::vector<int>& to, int row);
  const Design& design_;
  std::vector<int> left_;
  std::vector<int> right_;
};

}  // namespace tablora
