#pragma once

#include <string>

namespace tablora {

/// The type names and lengths an import gives columns, by ADO data type number.
class SchemaTypes {
 public:
  /// The MS Access name for kind 1, the MS SQL Server name for every other kind;
  /// "unknown" for a number neither table names.
  static std::string Name(int kind, int adoType);
  /// True when a column of this type takes the field's defined size as its length.
  static bool HasLength(int kind, int adoType);
};

}  // namespace tablora
