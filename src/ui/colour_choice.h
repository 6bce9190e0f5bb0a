#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/design.h"

namespace tablora {

/// The state of the colour dialog: which table (or all of them) and which colour, and
/// applying the colour as text or background colour of the table windows.
class ColourChoice {
 public:
  enum Mode { kText = 1, kBackground = 2 };
  /// No colour chosen yet.
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  /// `preselected` is a table index, or -1 (or any index outside the list) for all tables.
  ColourChoice(Design& design, int preselected, int mode);

  /// "请选择文字颜色" or "请选择背景颜色".
  std::string Caption() const;
  /// One item per table in table-list order, then "<<全部表>>".
  std::vector<std::string> Items() const;
  int selection() const { return selection_; }
  bool AllTablesSelected() const { return selection_ >= design_.tableCount(); }
  /// Selects an item; the colour becomes that table's current colour, or none for all.
  void Select(int item);
  std::uint32_t colour() const { return colour_; }
  /// The colour the system chooser returned (COLORREF 0x00BBGGRR).
  void SetColour(std::uint32_t colour) { colour_ = colour & 0x00FFFFFF; }
  /// Whether the swatch beside the chooser button is painted.
  bool ShowsSwatch() const { return colour_ != kNone; }
  /// "确定": gives the colour to the selected table, or to every table; nothing while no
  /// colour is chosen. Returns the tables whose windows changed.
  std::vector<int> Apply();

 private:
  Design& design_;
  int mode_;
  int selection_ = 0;
  std::uint32_t colour_ = kNone;
};

}  // namespace tablora
