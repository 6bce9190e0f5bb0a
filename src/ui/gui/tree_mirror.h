#pragma once

#include <wx/treectrl.h>

#include <functional>
#include <vector>

#include "ui/tree_model.h"

namespace tablora {

/// Keeps a tree control showing a TreeModel: every change of the model is made to the
/// control as it happens.
class TreeMirror : public TreeObserver {
 public:
  explicit TreeMirror(wxTreeCtrl* control) : control_(control) {}
  ~TreeMirror() override;

  /// Shows `model` (replacing what the control showed) and follows its changes.
  void Attach(TreeModel* model);
  void Detach();
  /// Only the model items `shown` accepts get control items (their children too); an
  /// empty filter shows every item. Takes effect when the model is next attached.
  void SetFilter(std::function<bool(int item)> shown) { shown_ = std::move(shown); }
  TreeModel* model() const { return model_; }
  /// The model item of a control item, or -1.
  int ModelItem(const wxTreeItemId& id) const;
  /// The control item of a model item (invalid when there is none).
  wxTreeItemId ControlItem(int item) const;

  void TreeCleared(const TreeModel& tree) override;
  void ItemAdded(const TreeModel& tree, int item) override;
  void ItemRemoving(const TreeModel& tree, int item) override;
  void ItemTextChanged(const TreeModel& tree, int item) override;
  void ItemExpanded(const TreeModel& tree, int item) override;

 private:
  void AddSubtree(const TreeModel& tree, int item);

  wxTreeCtrl* control_;
  TreeModel* model_ = nullptr;
  std::vector<wxTreeItemId> ids_;
  std::function<bool(int item)> shown_;
};

}  // namespace tablora
