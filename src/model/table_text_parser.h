#pragma once

#include <optional>
#include <string>

#include "model/table_design.h"

namespace tablora {

/// Turns one table's SQL text (table text followed by its extra statements) back into a
/// record: the parse half of the table editor's build-and-parse cycle.
class TableTextParser {
 public:
  virtual ~TableTextParser() = default;
  /// The first table found in `text` (code page 936), or nothing.
  virtual std::optional<TableDesign> ParseFirstTable(const std::string& text) = 0;
};

}  // namespace tablora
