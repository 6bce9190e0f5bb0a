#pragma once

#include <vector>

#include "ui/arrange_layout.h"
#include "ui/gui/colour_dialog.h"

namespace tablora {

class DesignCanvas;
class MainFrame;

/// Arrange ("排列(&S)") and the colour dialog ("字体颜色(&A)", "背景颜色(&B)") of the
/// main menu, the toolbar and the table windows' menu.
class DesignLayoutCommands {
 public:
  explicit DesignLayoutCommands(MainFrame& frame) : frame_(frame) {}

  void RegisterMainCommands();
  /// The arrange dialog, preset with the current tables per row and width; OK arranges.
  void Arrange();
  /// Lays the table windows out; nothing without an open design view or tables.
  void ApplyArrange(const ArrangeOptions& options);
  /// The colour dialog for `table` (-1: all tables) in mode 1 (text) or 2 (background).
  void ChooseColour(int table, int mode);
  /// One colour, chosen once, for every window of `tables` (selected together).
  void ColourTogether(const std::vector<int>& tables, int mode);
  /// Replaces the system colour chooser (nullptr restores it).
  void SetColourChooser(ColourDialog::Chooser chooser) { chooser_ = std::move(chooser); }

 private:
  /// The open design view, or nullptr (it is not reopened).
  DesignCanvas* OpenCanvas() const;
  bool HasTables() const;

  MainFrame& frame_;
  ColourDialog::Chooser chooser_;
};

}  // namespace tablora
