#pragma once

#include <optional>
#include <string>

#include "model/table_text_parser.h"

namespace tablora {

/// Reads back exactly the text the table editor builds (its CREATE TABLE statement with
/// "--" comments, and its ALTER TABLE key, CHECK and foreign key statements),
/// line by line and without pattern files. A light stand-in for ScriptParser in tests
/// that have no program folder; texts of other shapes may give partial records.
class EditorTextParser : public TableTextParser {
 public:
  std::optional<TableDesign> ParseFirstTable(const std::string& text) override;
};

}  // namespace tablora
