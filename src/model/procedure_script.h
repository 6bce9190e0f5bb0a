#pragma once

#include <string>
#include <vector>

#include "model/procedure_design.h"

namespace tablora {

/// Reads stored procedures from a script (code page 936): each "create ... proc" line
/// starts one procedure, which runs to its "go" line.
class ProcedureScript {
 public:
  /// True when the first CREATE of the text that is code (outside comments and literals,
  /// any letter case) creates a procedure: "CREATE [OR ALTER] PROC[EDURE]".
  static bool IsProcedureScript(const std::string& text);

  /// The procedures of the script in order. Stops at the first "create" line that is not
  /// a procedure's. Name and owner come from the create line ("[dbo].[p_x]" gives owner
  /// dbo and name p_x; without an owner the name is the word after the procedure keyword).
  /// Each procedure's text runs through its first GO line (see FindGoLine).
  static std::vector<ProcedureDesign> ParseProcedureScript(const std::string& text);

  /// A line that holds only the batch separator GO (any letter case, blanks around it).
  struct GoLine {
    std::size_t start = std::string::npos;  ///< the "\n" before the line; npos: none found
    std::size_t end = std::string::npos;    ///< just past the line's own line feed (or the text)
  };
  /// The first GO line that starts after the line feed at or after `from`. A word that only
  /// begins with "go" ("goto") is not one.
  static GoLine FindGoLine(const std::string& text, std::size_t from);
  /// The batches of `text` between its GO lines (a GO line on the first line counts too),
  /// without the GO lines; batches of nothing but white space are left out.
  static std::vector<std::string> SplitBatches(const std::string& text);
};

}  // namespace tablora
