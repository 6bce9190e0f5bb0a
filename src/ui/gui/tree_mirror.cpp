#include "ui/gui/tree_mirror.h"

#include "base/gui/wx_text.h"

namespace tablora {

namespace {
class ModelId : public wxTreeItemData {
 public:
  explicit ModelId(int item) : item(item) {}
  int item;
};
}  // namespace

TreeMirror::~TreeMirror() { Detach(); }

void TreeMirror::Attach(TreeModel* model) {
  Detach();
  model_ = model;
  control_->DeleteAllItems();
  ids_.clear();
  if (model_ == nullptr) return;
  model_->SetObserver(this);
  control_->Freeze();
  for (int top : model_->TopLevel()) AddSubtree(*model_, top);
  control_->Thaw();
}

void TreeMirror::Detach() {
  if (model_ != nullptr) model_->SetObserver(nullptr);
  model_ = nullptr;
}

void TreeMirror::AddSubtree(const TreeModel& tree, int item) {
  ItemAdded(tree, item);
  for (int child : tree.Children(item)) AddSubtree(tree, child);
  if (tree.Item(item).expanded) ItemExpanded(tree, item);
}

int TreeMirror::ModelItem(const wxTreeItemId& id) const {
  if (!id.IsOk()) return -1;
  auto* data = dynamic_cast<ModelId*>(control_->GetItemData(id));
  return data != nullptr ? data->item : -1;
}

wxTreeItemId TreeMirror::ControlItem(int item) const {
  return item >= 0 && item < static_cast<int>(ids_.size()) ? ids_[item] : wxTreeItemId();
}

void TreeMirror::TreeCleared(const TreeModel&) {
  control_->DeleteAllItems();
  ids_.clear();
}

void TreeMirror::ItemAdded(const TreeModel& tree, int item) {
  const TreeItem& it = tree.Item(item);
  if (shown_ && !shown_(item)) return;
  // A child of an item that is not shown is not shown either.
  if (it.parent >= 0 && !ControlItem(it.parent).IsOk() && control_->GetRootItem().IsOk()) return;
  const wxString text = to_wx(it.text);
  wxTreeItemId id;
  const wxTreeItemId parent = ControlItem(it.parent);
  if (parent.IsOk()) {
    id = control_->AppendItem(parent, text, it.image, it.selectedImage, new ModelId(item));
  } else {
    id = control_->AddRoot(text, it.image, it.selectedImage, new ModelId(item));
  }
  if (it.bold) control_->SetItemBold(id);
  if (item >= static_cast<int>(ids_.size())) ids_.resize(item + 1);
  ids_[item] = id;
}

void TreeMirror::ItemRemoving(const TreeModel&, int item) {
  const wxTreeItemId id = ControlItem(item);
  if (id.IsOk()) control_->Delete(id);
  if (item < static_cast<int>(ids_.size())) ids_[item] = wxTreeItemId();
}

void TreeMirror::ItemTextChanged(const TreeModel& tree, int item) {
  const wxTreeItemId id = ControlItem(item);
  if (id.IsOk()) control_->SetItemText(id, to_wx(tree.Item(item).text));
}

void TreeMirror::ItemExpanded(const TreeModel&, int item) {
  const wxTreeItemId id = ControlItem(item);
  if (id.IsOk() && control_->ItemHasChildren(id)) control_->Expand(id);
}

}  // namespace tablora
