#pragma once

#include <string>
#include <vector>

#include "gen/generation_options.h"
#include "gen/type_mapper.h"
#include "model/table_design.h"

namespace tablora {

/// One generated Java source file.
struct JavaSource {
  /// The table's actual name as a Java type name (owner + "_" + name where two tables
  /// share it, see gen_text::TypeNames); the file is className + ".java".
  std::string className;
  std::string text;  ///< "\n" line ends, code page 936
};

/// Writes one Java class per table, field types from Table2ClassJava.
class JavaClassGenerator {
 public:
  /// One class per selected table (every table for index -1, else the one at `index`).
  /// `packageName` (code page 936) goes into each "package" line; `year` into the
  /// copyright line.
  static std::vector<JavaSource> Build(const std::vector<TableDesign>& tables,
                                       const TypeMapper& types, const GenerationOptions& options,
                                       int index, const std::string& packageName, int year);

  /// The text of one class file. An empty package name leaves out the package line (the
  /// class is in the default package).
  static std::string BuildClass(const TableDesign& table, const TypeMapper& types,
                                const GenerationOptions& options, const std::string& packageName,
                                int year);

  /// The package named after a folder: its last path component ("/a/b/" gives "b").
  /// Separators are "/" and "\", and a drive "C:" ends a component too.
  static std::string PackageNameOf(const std::string& folder);
};

}  // namespace tablora
