#pragma once

#include <string>
#include <vector>

namespace tablora {

/// What an item of a work box tree stands for.
enum class TreeItemKind {
  kRoot,
  kTablesNode,      ///< "表" in the table tree
  kProceduresNode,  ///< "存储过程" in the table tree
  kTable,           ///< a table in the table tree; data = table index
  kProcedure,       ///< data = procedure index
  kGroupsNode,      ///< "分组" in the group tree
  kGroup,
  kGroupTable,  ///< a table below a group; data = table index
};

struct TreeItem {
  TreeItemKind kind = TreeItemKind::kRoot;
  int parent = -1;
  std::vector<int> children;
  std::string text;  ///< code page 936
  bool bold = false;
  int image = 0;
  int selectedImage = 0;
  int data = -1;
  bool expanded = false;
};

class TreeModel;

/// Hears every change of a tree, in the order made, so that a window can follow it.
class TreeObserver {
 public:
  virtual ~TreeObserver() = default;
  virtual void TreeCleared(const TreeModel& tree) = 0;
  /// The item was appended as the last child of its parent.
  virtual void ItemAdded(const TreeModel& tree, int item) = 0;
  /// The item (a leaf) is about to go.
  virtual void ItemRemoving(const TreeModel& tree, int item) = 0;
  virtual void ItemTextChanged(const TreeModel& tree, int item) = 0;
  virtual void ItemExpanded(const TreeModel& tree, int item) = 0;
};

/// The items of one tree. Items are named by ids that stay valid until the item is
/// removed or the tree cleared; ids grow in the order items are made.
class TreeModel {
 public:
  void SetObserver(TreeObserver* observer) { observer_ = observer; }

  void Clear();
  /// Appends an item below `parent` (-1: a top-level item) and returns its id.
  int Append(int parent, TreeItemKind kind, const std::string& text, int image, int selectedImage,
             int data = -1, bool bold = false);
  /// Removes a leaf item.
  void Remove(int item);
  void SetText(int item, const std::string& text);
  /// Sets what the item stands for (a table's index moved); trees show nothing of it.
  void SetData(int item, int data);
  void Expand(int item);

  bool Exists(int item) const;
  const TreeItem& Item(int item) const { return items_.at(item); }
  const std::vector<int>& Children(int item) const { return items_.at(item).children; }
  /// The top-level items.
  const std::vector<int>& TopLevel() const { return top_; }
  int Count() const { return count_; }

 private:
  std::vector<TreeItem> items_;
  std::vector<bool> alive_;
  std::vector<int> top_;
  int count_ = 0;
  TreeObserver* observer_ = nullptr;
};

}  // namespace tablora
