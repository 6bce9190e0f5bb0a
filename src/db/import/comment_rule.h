#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// How database comments carry display names, notes and groups: a table's comment is
/// "display:comment(组)group", a column's "display:note". Full-width colons count as ":"
/// and line breaks are dropped; a ":" left inside the comment or note becomes "-". Empty
/// parts leave their field as it was.
class CommentRule {
 public:
  /// Applies `text` to the table named `table` (ASCII case ignored; the first such).
  static void ApplyToTable(std::vector<TableDesign>& tables, const std::string& table,
                           const std::string& text);
  /// Applies `text` to the column named exactly `column` of the table named `table`.
  static void ApplyToColumn(std::vector<TableDesign>& tables, const std::string& table,
                            const std::string& column, const std::string& text);
  /// The same for one table.
  static void ApplyToTable(TableDesign& table, const std::string& text);
  static void ApplyToColumn(TableDesign& table, const std::string& column, const std::string& text);
};

}  // namespace tablora
