#pragma once

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "db/access/access_file_reader.h"
#include "model/table_conflicts.h"

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
  /// A table the design already holds (same owner and name): replaced, kept beside it under
  /// a free name, skipped, or asked about.
  ConflictPolicy onConflict = ConflictPolicy::kAsk;
  /// Where kAsk's question goes (not owned); null: the design's prompts.
  Prompts* conflictPrompts = nullptr;
};

/// Turns a database's tables, columns, keys and comments into the design's tables:
/// appends one definition per table and creates each through AddTable, or rebuilds one
/// existing table in place. Runs on the shared connection; failing steps are skipped.
class SchemaImport {
 public:
  using AccessReader = std::function<bool(const std::string&, AccessFileSchema&)>;

  SchemaImport(Design& design, ConnectionState& state, ImportObserver* observer = nullptr);

  /// False when the connection could not be opened (the user was told), the kind has no
  /// direct connection, or the database's list of tables could not be read (error() says
  /// why); the design is then unchanged.
  bool Run(const ImportRequest& request);
  /// Why the last run read no table list (code page 936); empty otherwise.
  const std::string& error() const { return error_; }

  /// MS Access tables the last run left out because code page 936 cannot write their names
  /// (UTF-8).
  const std::vector<std::string>& skippedTables() const { return accessSchema_.unrepresentable; }

  /// Replaces how MS Access files are read (tests); the default uses AccessFileReader.
  void setAccessReader(AccessReader reader) { accessReader_ = std::move(reader); }

 private:
  bool OpenConnection(const ImportRequest& request);
  /// False when the driver could not list the tables.
  bool ReadTables(std::vector<TableDesign>& tables);
  void ReadColumns(TableDesign& table);
  void ReadOracleColumns(TableDesign& table);
  void ReadColumnDetails(std::vector<TableDesign>& tables);
  void ReadKeys(std::vector<TableDesign>& tables);
  void ReadKeysFromCatalog(std::vector<TableDesign>& tables);
  void ReadComments(std::vector<TableDesign>& tables);
  void Progress(int position);
  /// True when another schema holds a table of this one's name: statements and catalog
  /// answers then name the table's schema.
  bool Shared(const TableDesign& table) const;
  /// True when a catalog row of schema `schema` belongs to `table`.
  bool SchemaMatches(const TableDesign& table, const std::string& schema) const;
  /// Appends the tables of an import, placing those the design holds by the request's rule.
  void AddImported(std::vector<TableDesign>& tables, const ImportRequest& request);

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
  std::string error_;
  std::unordered_set<std::string> sharedNames_;  ///< lower-case names two schemas hold
};

}  // namespace tablora
