#pragma once

#include <string_view>

namespace tablora {

class Design;

/// The structure-to-table conversion: the structures of C/C++ text become new tables of
/// a design.
class StructConversion {
 public:
  /// Appends one table per structure of `text` (code page 936) to `design`, each through
  /// AddTable, so its editor is filled and its definition built from the editor's text;
  /// existing tables are not touched. Sets designHasContent when a table was added.
  /// Returns the number of tables added, or -1 when no design view is open (then nothing
  /// is added).
  static int AddToDesign(Design& design, std::string_view text);
};

}  // namespace tablora
