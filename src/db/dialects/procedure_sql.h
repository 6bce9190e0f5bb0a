#pragma once

#include <string>

namespace tablora {

/// The MS SQL Server statements about one stored procedure. Names are code page 936 and
/// go in as "[owner].[name]" ("]" doubled), inside literals with apostrophes doubled, so
/// any name and any owner are found.
class ProcedureSql {
 public:
  /// "[owner].[name]", or "[name]" when the owner is empty.
  static std::string ObjectName(const std::string& owner, const std::string& name);
  /// The source text, one row per piece in the field "Text".
  static std::string TextQuery(const std::string& owner, const std::string& name);
  /// The parameters: "Parameter_name", "Type", "Length", "Prec".
  static std::string ParameterQuery(const std::string& owner, const std::string& name);
  /// Drops the procedure when it exists; nothing happens when it does not.
  static std::string DropIfExists(const std::string& owner, const std::string& name);
};

}  // namespace tablora
