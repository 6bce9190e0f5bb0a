#pragma once

#include <wx/propdlg.h>

#include <functional>

#include "base/app_state.h"
#include "base/prompts.h"
#include "model/table_editor.h"

class wxCheckBox;
class wxTextCtrl;

namespace tablora {

class DataGrid;

/// The table editor sheet "表属性对话框": a modeless sheet with the pages "表名", "设计" and
/// "查看SQL" over one table's `TableEditor`, which keeps the data while the sheet is hidden.
/// The close box applies the SQL text and hides the sheet.
class TableEditorSheet : public wxPropertySheetDialog {
 public:
  /// `prompts` (not owned) tells the user why a text was not taken.
  TableEditorSheet(wxWindow* parent, AppState& state, Prompts& prompts, TableEditor& editor);
  ~TableEditorSheet() override;

  /// Shows the sheet on the editor's active page.
  void ShowSheet();
  /// Shows the design page with the row of column `column` (0-based) selected.
  void ShowColumn(int column);
  /// Shows the editor's names, grid and SQL text again (after the editor changed them).
  void ShowEditorData();

  wxTextCtrl* displayNameBox() const { return displayName_; }
  wxTextCtrl* actualNameBox() const { return actualName_; }
  wxTextCtrl* commentBox() const { return comment_; }
  wxTextCtrl* groupBox() const { return group_; }
  wxTextCtrl* sqlBox() const { return sql_; }
  wxCheckBox* extraBox() const { return extra_; }
  DataGrid* grid() const { return grid_; }
  TableEditor& editor() { return editor_; }
  /// The button "更新(&U)".
  void ApplyText();
  /// The close box.
  void CloseSheet();
  /// Called after the close box hid the sheet.
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }
  /// The table is gone (its editor with it): the sheet touches the editor no more and
  /// waits to be destroyed.
  void Orphan();

 private:
  wxWindow* BuildNamePage(wxWindow* book);
  wxWindow* BuildDesignPage(wxWindow* book);
  wxWindow* BuildSqlPage(wxWindow* book);
  void ShowNames();
  void ShowSql();
  void TakeNames();
  void OnPageChanged();

  AppState& state_;
  Prompts& prompts_;
  TableEditor& editor_;
  wxTextCtrl* displayName_ = nullptr;
  wxTextCtrl* actualName_ = nullptr;
  wxTextCtrl* comment_ = nullptr;
  wxTextCtrl* group_ = nullptr;
  wxTextCtrl* owner_ = nullptr;
  DataGrid* grid_ = nullptr;
  wxTextCtrl* sql_ = nullptr;
  wxCheckBox* extra_ = nullptr;
  bool showing_ = false;  ///< the sheet writes its controls: their change events are its own
  bool orphaned_ = false;
  std::function<void()> onClosed_;
};

}  // namespace tablora
