#pragma once

#include <string>

namespace tablora {

/// The texts that read a table's records for the query window, in the dialect of the
/// database kind, or of the server behind the connection where it rejects TOP (SQLite).
class TableQuery {
 public:
  /// Reading all records.
  static constexpr int kAll = -1;

  /// The query for `count` records (1, 10, ...) or kAll of table `actualName` (code page 936):
  /// Oracle "SELECT * FROM \"%s\" WHERE rownum < %d" with count + 1; others
  /// "SELECT TOP %d * FROM [%s]", or "SELECT * FROM [%s] LIMIT %d" when `limitForm`. A "]"
  /// (Oracle: a "\"") in the name is doubled; in the limit form a name holding "]" goes in
  /// double quotes instead (SQLite reads no "]" inside brackets).
  static std::string Text(int databaseKind, const std::string& actualName, int count,
                          bool limitForm);
};

}  // namespace tablora
