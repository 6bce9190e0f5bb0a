#pragma once

#include <string>
#include <vector>

#include "gen/generation_options.h"
#include "gen/type_mapper.h"
#include "model/table_design.h"

namespace tablora {

/// Writes one C++ class per table, member types from Table2StructC.
class CppClassGenerator {
 public:
  /// The text of the header file for every table (index -1) or the table at `index`, in
  /// list order, each class followed by an empty line. Line ends are "\n"; texts are code
  /// page 936. The prefix and accessor options apply. The accessors of character arrays
  /// call strcpy and those of other arrays memcpy, so the file needs <cstring>.
  static std::string Build(const std::vector<TableDesign>& tables, const TypeMapper& types,
                           const GenerationOptions& options, int index);

  /// One class with its trailing empty line.
  static void AppendTable(std::string& out, const TableDesign& table, const TypeMapper& types,
                          const GenerationOptions& options);

 private:
  /// `name`: the column's member name without "m_" and prefix.
  static void AppendAccessors(std::string& methods, const std::string& name, int length,
                              const std::string& cType, const std::string& cPrefix,
                              const GenerationOptions& options);
};

}  // namespace tablora
