#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/gui/tree_mirror.h"
#include "ui/work_box_trees.h"

class wxMenu;
class wxTreeCtrl;
class wxTreeEvent;

namespace tablora {

class MainFrame;

/// The work box trees of the current design in their two tree controls: they follow the
/// design's notes, scroll the design view to a selected table, show a selected
/// procedure, and run the commands of their popup menus.
class WorkBoxCommands {
 public:
  explicit WorkBoxCommands(MainFrame& frame);
  ~WorkBoxCommands();

  /// The trees of the session's design (made anew when the design changed); nullptr
  /// without a design.
  WorkBoxTrees* trees();
  TreeMirror& mirror(WorkBoxTrees::Tree tree) {
    return tree == WorkBoxTrees::kTableTree ? tableMirror_ : groupMirror_;
  }

  // The design's notes.
  void TableAdded(int index, bool show);
  void TableTreeTextChanged(int index, const std::string& text);
  void TableChanged(int index);
  void TableRemoved(int index);
  /// Builds both trees again from the design (a table came back in the middle).
  void Rebuild();
  void DesignCleared();
  void DesignLoaded();

  /// The popup of an item (command ids minus kMenuIdBase); nullptr when it has none.
  std::unique_ptr<wxMenu> BuildMenu(WorkBoxTrees::Tree tree, int item);
  static constexpr int kMenuIdBase = 30000;
  bool IsCommandEnabled(WorkBoxTrees::Tree tree, int id, int item);
  void RunCommand(WorkBoxTrees::Tree tree, int id, int item);
  /// The edit-group dialog for a group item; OK applies it.
  void EditGroup(int groupItem);
  /// What a selected item shows: its table's window, or its procedure's text. With
  /// `takeFocus` the table window gets the keyboard; otherwise the tree keeps it.
  void ItemSelected(WorkBoxTrees::Tree tree, int item, bool takeFocus = true);

 private:
  wxTreeCtrl* Control(WorkBoxTrees::Tree tree) const;
  void OnRightClick(WorkBoxTrees::Tree tree, wxTreeEvent& event);
  /// Shows in both trees only the tables the filter field's text finds (all when empty).
  void ApplyFilter();

  MainFrame& frame_;
  /// The next selection change comes from a key: the tree keeps the focus.
  bool selectingByKey_ = false;
  Design* treesDesign_ = nullptr;
  std::unique_ptr<WorkBoxTrees> trees_;
  TreeMirror tableMirror_;
  TreeMirror groupMirror_;
  std::vector<char> filtered_;  ///< per table: shown under the filter; empty: no filter
};

}  // namespace tablora
