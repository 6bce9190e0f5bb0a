#pragma once

#include <string>
#include <vector>

namespace tablora {

/// One column of a result set read from a database.
struct ResultColumn {
  std::string name;     ///< code page 936
  int adoType = 0;      ///< the ADO data type number the driver's SQL type maps to
  int sqlType = 0;      ///< the driver's SQL type
  int definedSize = 0;  ///< column size the driver reports; 0 when none
  bool autoIncrement = false;
};

/// One value: its text as the driver gave it (code page 936), or null.
struct ResultCell {
  std::string text;
  bool null = true;
};

/// A whole result set held in memory, so record counts and positions behave the same on
/// every driver.
struct ResultSet {
  std::vector<ResultColumn> columns;
  std::vector<std::vector<ResultCell>> rows;

  /// Index of the column named `name` (ASCII case ignored), or -1.
  int ColumnIndex(const std::string& name) const;
  /// The cell's text; empty for null, a missing row or a missing column.
  const std::string& Text(std::size_t row, int column) const;
  bool IsNull(std::size_t row, int column) const;
};

}  // namespace tablora
