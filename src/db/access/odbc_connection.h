#pragma once

#include <memory>
#include <string>

#include "db/access/ado_connection.h"

namespace tablora {

class OdbcEnvironment;

/// A connection through unixODBC's narrow API in UTF-8, the one place where the core's
/// GB18030 texts (SQL, names, values, messages) are converted to and from what the drivers
/// speak; the connection string goes as it is (file paths are the system's bytes). One
/// connection handle, a fresh statement handle per call, a login timeout always set.
/// Every value is read as text. SQLite strings get the driver options they leave unsaid
/// (ConnectionStrings::WithSqliteDefaults), and SQLite's busy errors read "数据库被锁定: ...".
class OdbcConnection : public AdoConnection {
 public:
  static constexpr int kDefaultLoginTimeout = 15;  ///< seconds

  explicit OdbcConnection(Prompts* prompts = nullptr);
  ~OdbcConnection() override;

  bool IsOpen() const override { return connection_ != nullptr; }
  void Close() override;
  bool Query(const std::string& sql, ResultSet& out) override;
  /// Fetches a row from the driver at each Next.
  std::unique_ptr<RowCursor> OpenCursor(const std::string& sql) override;
  bool Tables(ResultSet& out) override;
  bool Columns(const std::string& table, ResultSet& out) override;
  bool PrimaryKeys(const std::string& table, ResultSet& out) override;
  bool ForeignKeys(const std::string& table, ResultSet& out) override;
  bool PrimaryKeysOf(const std::string& schema, const std::string& table, ResultSet& out) override;
  bool ForeignKeysOf(const std::string& schema, const std::string& table, ResultSet& out) override;
  bool Procedures(ResultSet& out) override;
  std::string DbmsName() override;

  void setLoginTimeout(int seconds) { loginTimeout_ = seconds; }

  /// The kind the string's driver implies (ConnectionStrings::ImpliedKind), the driver of a
  /// data source (DSN=) taken from the driver manager's list; -1 when nothing is implied.
  static int ImpliedKind(const std::string& connectionString);

 protected:
  bool Connect(const std::string& connectionString, int options) override;

 private:
  enum class Call { kTables, kColumns, kPrimaryKeys, kForeignKeys, kProcedures, kQuery };
  /// `schema` (empty: none) goes to the key calls with the table name `text`.
  bool Run(Call call, const std::string& text, ResultSet& out, const std::string& schema = {});

  std::shared_ptr<OdbcEnvironment> environment_;
  void* connection_ = nullptr;  ///< SQLHDBC while connected
  int loginTimeout_ = kDefaultLoginTimeout;
};

}  // namespace tablora
