#pragma once

#include <wx/frame.h>
#include <wx/print.h>

#include "ui/table_commands.h"

namespace tablora {

class Design;
class TableSurface;
class MainFrame;

/// The commands of the table windows' menus and the design commands of the main menu
/// ("新建表(&A)", "显示属性(&F)"), routed to their handlers by table index. Commands whose
/// work the program does not hold yet are disabled.
class TableWindowCommands : public TableCommandTarget {
 public:
  explicit TableWindowCommands(MainFrame& frame) : frame_(frame) {}

  bool IsTableCommandEnabled(int id, int table) const override;
  void RunTableCommand(int id, int table) override;

  /// Registers "新建表(&A)", "显示属性(&F)", the print commands and "导出图片(&G)..." with
  /// the frame.
  void RegisterMainCommands();
  /// A new table in the design window (the kind chooser comes first on the first table).
  void NewTable();
  /// Asks and takes `table` out of the design, with the windows selected together with it.
  void RemoveTables(int table);
  /// The display-style sheet; OK rebuilds every window (`table` -1) or that window only.
  void ChooseDisplayStyles(int table);
  /// Opens the print preview window (owned by wx); nullptr when none could be made.
  wxPrintPreview* ShowPrintPreview();
  void Print();
  void PageSetup();
  /// Asks for a file and writes the design's picture to it.
  void ExportPicture();

 private:
  Design* design() const;
  TableSurface* surface() const;
  MainFrame& frame_;
};

}  // namespace tablora
