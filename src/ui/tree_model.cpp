#include "ui/tree_model.h"

#include <algorithm>

namespace tablora {

void TreeModel::Clear() {
  items_.clear();
  alive_.clear();
  top_.clear();
  count_ = 0;
  if (observer_ != nullptr) observer_->TreeCleared(*this);
}

int TreeModel::Append(int parent, TreeItemKind kind, const std::string& text, int image,
                      int selectedImage, int data, bool bold) {
  const int id = static_cast<int>(items_.size());
  TreeItem item;
  item.kind = kind;
  item.parent = Exists(parent) ? parent : -1;
  item.text = text;
  item.image = image;
  item.selectedImage = selectedImage;
  item.data = data;
  item.bold = bold;
  items_.push_back(std::move(item));
  alive_.push_back(true);
  ++count_;
  if (items_[id].parent >= 0) {
    items_[items_[id].parent].children.push_back(id);
  } else {
    top_.push_back(id);
  }
  if (observer_ != nullptr) observer_->ItemAdded(*this, id);
  return id;
}

void TreeModel::Remove(int item) {
  if (!Exists(item) || !items_[item].children.empty()) return;
  if (observer_ != nullptr) observer_->ItemRemoving(*this, item);
  std::vector<int>& siblings =
      items_[item].parent >= 0 ? items_[items_[item].parent].children : top_;
  siblings.erase(std::find(siblings.begin(), siblings.end(), item));
  alive_[item] = false;
  items_[item] = TreeItem{};
  --count_;
}

void TreeModel::SetText(int item, const std::string& text) {
  if (!Exists(item) || items_[item].text == text) return;
  items_[item].text = text;
  if (observer_ != nullptr) observer_->ItemTextChanged(*this, item);
}

void TreeModel::SetData(int item, int data) {
  if (Exists(item)) items_[item].data = data;
}

void TreeModel::Expand(int item) {
  if (!Exists(item)) return;
  items_[item].expanded = true;
  if (observer_ != nullptr) observer_->ItemExpanded(*this, item);
}

bool TreeModel::Exists(int item) const {
  return item >= 0 && item < static_cast<int>(items_.size()) && alive_[item];
}

}  // namespace tablora
