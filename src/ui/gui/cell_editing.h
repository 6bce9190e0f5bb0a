#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <wx/string.h>

#include "ui/grid_edit_rules.h"
#include "ui/grid_model.h"

class wxWindow;

namespace tablora {

class DataGrid;
class InPlaceEdit;
class InPlaceList;

/// The in-place editing of one grid: opens the text editor or drop-down list over a
/// cell, applies the column-0 follow rule while the user types, writes the text back
/// when the editor closes and tells the grid how the edit ended.
class CellEditing {
 public:
  /// Items of a column's drop-down list (code page 936), or nothing for a plain edit.
  using ListProvider = std::function<std::optional<std::vector<std::string>>(int column)>;

  explicit CellEditing(DataGrid& grid) : grid_(grid) {}

  void SetListProvider(ListProvider provider) { listProvider_ = std::move(provider); }
  /// While a cell of column `source` is edited, column `target` of its row follows the
  /// typed text; -1 switches it off.
  void SetFollowColumns(int source, int target);

  /// Opens the editor over `cell` when it may be edited.
  bool Start(CellId cell, EditStartKind kind, const wxString& typed);
  bool IsEditing() const { return cell_.IsValid(); }
  CellId Cell() const { return cell_; }
  /// The open editor window, or null.
  wxWindow* Editor() const;
  /// Ends the open editor with its current text.
  void End();
  /// From now on editors closing report nothing (the grid is being destroyed).
  void Detach() { detached_ = true; }

 private:
  void Ended(const wxString& text, int key);
  void Changed(const wxString& text);

  DataGrid& grid_;
  ListProvider listProvider_;
  int followSource_ = 0;
  int followTarget_ = 1;
  CellId cell_;
  InPlaceEdit* edit_ = nullptr;
  InPlaceList* list_ = nullptr;
  bool detached_ = false;
};

}  // namespace tablora
