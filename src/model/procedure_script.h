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
  static std::vector<ProcedureDesign> ParseProcedureScript(const std::string& text);
};

}  // namespace tablora
