#pragma once

#include <string>
#include <vector>

namespace tablora {

/// A column of an MS Access table as the file itself describes it.
struct AccessColumnInfo {
  std::string name;
  int adoType = 0;  ///< the ADO type number of the column's Access type
  int size = 0;     ///< text length in characters; other types their byte size
  bool autoNumber = false;
  bool required = false;
  std::string defaultValue;  ///< the DefaultValue property; empty when none
  std::string description;   ///< the Description property
};

struct AccessTableInfo {
  std::string name;
  std::string description;
  std::vector<AccessColumnInfo> columns;
  std::vector<std::string> primaryKey;  ///< columns of the "PrimaryKey" index, in order
};

/// One column pair of a relationship (table.column references refTable.refColumn).
struct AccessRelationship {
  std::string table;
  std::string column;
  std::string refTable;
  std::string refColumn;
  std::string name;
};

struct AccessFileSchema {
  std::vector<AccessTableInfo> tables;  ///< user tables, in catalog order
  std::vector<AccessRelationship> relationships;
  /// User tables left out because code page 936 cannot write their names (UTF-8).
  std::vector<std::string> unrepresentable;

  const AccessTableInfo* Find(const std::string& table) const;
};

/// Reads an MS Access file's schema through MDBTools' own library: what its ODBC driver
/// does not give (auto-numbers, the primary key, column properties, table descriptions,
/// relationships). Texts are code page 936.
class AccessFileReader {
 public:
  /// False (with `error`) when the file cannot be opened as an MS Access database.
  static bool Read(const std::string& path, AccessFileSchema& schema, std::string* error = nullptr);
};

}  // namespace tablora
