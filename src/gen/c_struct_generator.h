#pragma once

#include <string>
#include <vector>

#include "gen/generation_options.h"
#include "gen/type_mapper.h"
#include "model/table_design.h"

namespace tablora {

/// Writes one "typedef struct{" declaration per table, member types from Table2StructC.
class CStructGenerator {
 public:
  /// The text of the header file for every table (index -1) or the table at `index`, in
  /// list order, each declaration followed by an empty line. Line ends are "\n"; texts are
  /// code page 936. Only the prefix option applies.
  static std::string Build(const std::vector<TableDesign>& tables, const TypeMapper& types,
                           const GenerationOptions& options, int index);

  /// One declaration with its trailing empty line.
  static void AppendTable(std::string& out, const TableDesign& table, const TypeMapper& types,
                          const GenerationOptions& options);
};

}  // namespace tablora
