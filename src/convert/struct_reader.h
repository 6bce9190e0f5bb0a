#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// Reads C/C++ structure declarations (code page 936 text) as table designs: each
/// structure a table named after it, each member a column, the comments next to them
/// display names, comments, groups and notes.
class StructReader {
 public:
  /// Every structure of `text`: first each "typedef struct", then each other "struct "
  /// whose line holds no ";", in text order each.
  static std::vector<TableDesign> Read(std::string_view text);

  /// The column of one member line (comment cut off), or nothing when the line declares
  /// no member. `comment` is the member's comment.
  static std::optional<ColumnDesign> ReadMember(std::string_view code, std::string_view comment);

  /// The columns of a structure body (the text between "{" and "}").
  static std::vector<ColumnDesign> ReadBody(std::string_view body);
};

}  // namespace tablora
