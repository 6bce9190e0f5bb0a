#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// One stored procedure of a design; parameters use actualName, typeName and length.
struct ProcedureDesign {
  std::string name;
  std::string owner;  ///< empty when none was found
  std::string text;   ///< full source, lines separated by "\n"
  std::vector<ColumnDesign> parameters;
};

}  // namespace tablora
