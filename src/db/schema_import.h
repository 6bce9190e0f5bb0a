#pragma once

#include <functional>
#include <string>
#include <vector>

#include "db/access_file_reader.h"

namespace tablora {

class AdoConnection;
class Design;
struct ConnectionState;
struct TableDesign;

/// What an import shows while it runs: the progress dialog and the trees' root texts.
class ImportObserver {
 public:
  virtual ~ImportObserver() = default;
  virtual void ProgressStarted() {}
  /// 0 to 100.
  virtual void ProgressChanged(int position) {}
  virtual void ProgressEnded() {}
  /// The root items of the table and group trees get `text` (code page 936).
  virtual void RootTextChanged(const std::string& text) {}
};

/// One import request. For MS Access `database` is the file path.
struct ImportRequest {
  int kind = 0;
  std::string host;
  std::string database;
  std::string user;
  std::string password;
  bool integrated = false;
  int tableIndex = -1;  ///< -1: import every table; otherwise refresh that table
  /// Every table: runs once the tables are read, before they are added (may be empty).
  std::function<void()> beforeAdding;
};

/// Turns a database's tables, columns, keys and comments into the design's tables:
/// appends one definition per table and creates each through AddTable, or rebuilds one
/// existing table in place. Runs on the shared connection; failing steps are skipped.
class SchemaImport {
 public:
  using AccessReader = std::function<bool(const std::string&, AccessFileSchema&)>;

  SchemaImport(Design& design, ConnectionState& state, ImportObserver* observer = nullptr);

  /// False when the connection could not be opened (the user was told) or the kind has no
  /// direct connection; the design is then unchanged.
  bool Run(const ImportRequest& request);

  /// MS Access tables the last run left out because code page 936 cannot write their names
  /// (UTF-8).
  const std::vector<std::string>& skippedTables() const { return accessSchema_.unrepresentable; }

  /// Replaces how MS Access files are read (tests); the default uses AccessFileReader.
  void setAccessReader(AccessReader reader) { accessReader_ = std::move(reader); }

  /// `name` as the inside of a '...' literal (apostrophes doubled).
  static std::string Literal(const std::string& name);

 private:
  bool OpenConnection(const ImportRequest& request);
  void ReadTables(std::vector<TableDesign>& tables);
  void ReadColumns(TableDesign& table);
  void ReadOracleColumns(TableDesign& table);
  void ReadColumnDetails(std::vector<TableDesign>& tables);
  void ReadKeys(std::vector<TableDesign>& tables);
  void ReadKeysFromCatalog(std::vector<TableDesign>& tables);
  void ReadComments(std::vector<TableDesign>& tables);
  void Progress(int position);

  Design& design_;
  ConnectionState& state_;
  ImportObserver* observer_;
  AccessReader accessReader_;
  AdoConnection* connection_ = nullptr;
  int kind_ = 0;
  bool all_ = true;
  bool topFails_ = false;   ///< the driver rejected "SELECT TOP 1": use "WHERE 1=0"
  std::string accessFile_;  ///< the MS Access file behind the connection, if any
  AccessFileSchema accessSchema_;
  bool haveAccessSchema_ = false;
};

}  // namespace tablora
