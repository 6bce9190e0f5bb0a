#pragma once

#include <wx/accel.h>

#include <string>

class wxFileHistory;
class wxMenuBar;
class wxToolBar;

namespace tablora {

/// Builds the main window's menus, toolbar and accelerators from the command table.
class CommandBars {
 public:
  /// Menu 129 when a document is open, otherwise menu 128.
  static wxMenuBar* BuildMenuBar(bool documentOpen);
  /// Adds the toolbar's buttons with the 16x16 icons of `iconFolder` (a missing icon
  /// shows as an empty square) and realizes the bar.
  static void FillToolBar(wxToolBar* toolBar, const std::string& iconFolder);
  /// Shows the history's files in place of the recent-file entries of the bar's first
  /// menu: "&1 path" and so on, or the disabled caption "最近文件" when there are none.
  static void ShowRecentFiles(wxMenuBar* menuBar, const wxFileHistory& history);
  /// The accelerators no menu item shows (F6, Shift+F6).
  static wxAcceleratorTable ExtraAccelerators();
  /// The icon file of a toolbar command ("new_table.png"), or empty.
  static std::string IconName(int commandId);
};

}  // namespace tablora
