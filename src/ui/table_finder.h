#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"

namespace tablora {

/// Finds the tables of a design by a piece of text: their display name, actual name,
/// comment or any column's display or actual name holds it. Latin letters match in
/// either case; double-byte characters (code page 936) match only whole and as they are.
class TableFinder {
 public:
  /// Takes the texts of every table as they stand (the definition, or the editor's names
  /// while a new table has none); call again after the design changed.
  void Build(const Design& design);
  /// The tables holding `text`, in table-list order; none for an empty text.
  std::vector<int> Find(std::string_view text) const;
  int tableCount() const { return static_cast<int>(texts_.size()); }

  /// `text` with single-byte Latin letters made lower case (double-byte characters kept).
  static std::string Fold(std::string_view text);
  /// True when `folded` (made by Fold) holds `needle` starting on a character boundary.
  static bool Holds(std::string_view folded, std::string_view needle);

 private:
  std::vector<std::string> texts_;  ///< per table, its texts folded, one per line
};

}  // namespace tablora
