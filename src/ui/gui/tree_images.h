#pragma once

#include <wx/imaglist.h>

namespace tablora {

/// The 16 x 16 images of the work box trees, drawn by the program itself.
class TreeImages {
 public:
  /// The table tree's list: 0 the root, 1 a node, 2 a table or procedure, 3 the same
  /// selected.
  static wxImageList* TableTreeImages();
  /// The group tree's list: 0 the root, 1 the groups node, 2 a group, 3 an open group,
  /// 4 a table, 5 a selected table.
  static wxImageList* GroupTreeImages();
};

}  // namespace tablora
