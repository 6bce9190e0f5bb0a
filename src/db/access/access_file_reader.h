#pragma once

#include <functional>
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
///
/// The library trusts the file: a damaged one can make it crash or loop. Read therefore
/// runs it in a child process (ForkedCall) that also fetches the first row of every table,
/// as the driver's first query does, so that a file the driver would stumble over is
/// refused before the driver opens it.
class AccessFileReader {
 public:
  /// How long the reading may go without progress (each table is progress) before the
  /// file is taken for damaged.
  static constexpr int kStallMilliseconds = 5000;

  /// False with `error` (code page 936, shown to the user) when the file cannot be read
  /// ("无法读取数据库文件: PATH (reason)"), is no MS Access file ("不是MS Access数据库文件:
  /// PATH") or is damaged ("数据库文件已损坏: PATH (what)"); `schema` is then empty.
  /// `stallMilliseconds`: how long the reading may go without progress.
  static bool Read(const std::string& path, AccessFileSchema& schema, std::string* error = nullptr,
                   int stallMilliseconds = kStallMilliseconds);

  /// The same reading in this process, without protection from a damaged file: for the
  /// reader's own child process and for fuzzing it. `progress` is called for each table.
  static bool ReadInProcess(const std::string& path, AccessFileSchema& schema, std::string& error,
                            const std::function<void()>& progress = {});

  /// The schema as bytes and back: how the child hands it to the parent. Decode is false
  /// for bytes Encode did not make.
  static std::string Encode(const AccessFileSchema& schema);
  static bool Decode(const std::string& bytes, AccessFileSchema& schema);
};

}  // namespace tablora
