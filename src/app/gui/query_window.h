#pragma once

#include <wx/dialog.h>

#include <string>

class wxButton;
class wxStaticText;
class wxTextCtrl;

namespace tablora {

class CommandHost;
class DataGrid;

/// The result window "结果集": an SQL text, "执行(&E)", "退出", the count of the last run and
/// its rows in a grid. Modeless; any number may be open; it destroys itself when closed.
class QueryWindow : public wxDialog {
 public:
  enum { kQuitId = wxID_CANCEL, kGridId = 1084, kSqlId = 1085, kCountId = 1086, kExecuteId = 1088 };

  /// Creates and shows a new window over `parent`; `host` must outlive it.
  static QueryWindow* Open(wxWindow* parent, CommandHost& host);

  /// The rows of design table `table`: `count` 1, 10 or -1 for all. With no such table
  /// the window stays empty.
  void ShowTableRows(int count, int table);
  /// Puts `sql` (code page 936) into the SQL box and runs it.
  void RunQuery(const std::string& sql);
  /// "执行(&E)": runs the SQL box's text.
  void Execute();

  std::string sqlText() const;
  std::string countText() const;
  DataGrid& grid() { return *grid_; }

 private:
  QueryWindow(wxWindow* parent, CommandHost& host);
  /// The connection is opened (through the connect dialog) unless it is open already.
  bool EnsureConnected();
  /// Column widths from the field names and the first rows.
  void FitColumns();

  CommandHost& host_;
  wxTextCtrl* sql_ = nullptr;
  wxStaticText* count_ = nullptr;
  DataGrid* grid_ = nullptr;
  bool gridPrepared_ = false;
};

}  // namespace tablora
