#pragma once

#include <map>
#include <string>
#include <vector>

#include "db/access/ado_connection.h"

namespace tablora {

/// A connection that reaches no server: it records every text it is sent and answers with
/// result sets given in advance, for exact-SQL tests of servers a test cannot run.
/// Catalog calls are recorded as "SQLTables", "SQLColumns <table>", "SQLPrimaryKeys <table>",
/// "SQLForeignKeys <table>" and "SQLProcedures"; key calls given a schema as
/// "SQLPrimaryKeys <schema>.<table>" and "SQLForeignKeys <schema>.<table>".
class RecordingConnection : public AdoConnection {
 public:
  explicit RecordingConnection(Prompts* prompts = nullptr) : AdoConnection(prompts) {}

  /// `call` (an SQL text or a catalog call as recorded) answers `result`.
  void Answer(const std::string& call, ResultSet result) { answers_[call] = std::move(result); }
  /// `call` fails with one diagnostic.
  void Fail(const std::string& call) { failures_[call] = true; }
  /// Open fails (with `description` as its diagnostic) until told otherwise.
  void FailOpen(const std::string& description) { openFailure_ = description; }

  /// Every text sent, in order; opens are recorded as "OPEN " + the connection string.
  const std::vector<std::string>& sent() const { return sent_; }
  void ClearSent() { sent_.clear(); }

  bool IsOpen() const override { return open_; }
  void Close() override { open_ = false; }
  bool Query(const std::string& sql, ResultSet& out) override { return Reply(sql, out); }
  bool Tables(ResultSet& out) override { return Reply("SQLTables", out); }
  bool Columns(const std::string& table, ResultSet& out) override {
    return Reply(table.empty() ? "SQLColumns" : "SQLColumns " + table, out);
  }
  bool PrimaryKeys(const std::string& table, ResultSet& out) override {
    return Reply("SQLPrimaryKeys " + table, out);
  }
  bool ForeignKeys(const std::string& table, ResultSet& out) override {
    return Reply("SQLForeignKeys " + table, out);
  }
  bool Procedures(ResultSet& out) override { return Reply("SQLProcedures", out); }
  bool PrimaryKeysOf(const std::string& schema, const std::string& table, ResultSet& out) override {
    return Reply("SQLPrimaryKeys " + (schema.empty() ? table : schema + "." + table), out);
  }
  bool ForeignKeysOf(const std::string& schema, const std::string& table, ResultSet& out) override {
    return Reply("SQLForeignKeys " + (schema.empty() ? table : schema + "." + table), out);
  }
  std::string DbmsName() override { return dbmsName_; }
  void setDbmsName(const std::string& name) { dbmsName_ = name; }

 protected:
  bool Connect(const std::string& connectionString, int options) override;

 private:
  bool Reply(const std::string& call, ResultSet& out);

  std::map<std::string, ResultSet> answers_;
  std::map<std::string, bool> failures_;
  std::vector<std::string> sent_;
  std::string openFailure_;
  std::string dbmsName_;
  bool open_ = false;
};

}  // namespace tablora
