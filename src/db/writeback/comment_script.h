#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// The comment script files of the main menu ("产生注释(B)"): the statements that put the
/// design's display names, comments and notes into a database, for the user to run.
class CommentScript {
 public:
  /// The proposed file names: "Tablora_GroupComment.sql" (tables only) and
  /// "Tablora_AllComment.sql".
  static const char* FileName(bool tablesOnly);
  /// The text written before the statements (code page 936, line feeds).
  static const std::string& Header();
  /// True for the kinds that have comment statements (MS SQL Server and Oracle).
  static bool HasStatements(int databaseKind);
  /// The header and the statements of every table for `databaseKind`; empty for a kind
  /// without comment statements.
  static std::string Build(const std::vector<TableDesign>& tables, int databaseKind,
                           bool tablesOnly);
};

}  // namespace tablora
