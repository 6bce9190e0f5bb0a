#pragma once

#include <string>
#include <vector>

namespace tablora::testing {

/// A bare ODBC connection for tests that run generated SQL against real drivers (narrow
/// API, every value read as text, NULL as "<null>").
class OdbcTestConnection {
 public:
  OdbcTestConnection();
  ~OdbcTestConnection();
  OdbcTestConnection(const OdbcTestConnection&) = delete;
  OdbcTestConnection& operator=(const OdbcTestConnection&) = delete;

  /// False (with the driver's message in error()) when the connection fails.
  bool Connect(const std::string& connectionString);
  /// Runs a statement that returns no rows.
  bool Execute(const std::string& sql);
  /// Runs a query and reads every row.
  bool Query(const std::string& sql, std::vector<std::vector<std::string>>& rows);
  const std::string& error() const { return error_; }

  /// True when unixODBC lists a driver of this name.
  static bool HasDriver(const std::string& name);

 private:
  bool Run(const std::string& sql, std::vector<std::vector<std::string>>* rows);

  void* env_ = nullptr;
  void* dbc_ = nullptr;
  bool connected_ = false;
  std::string error_;
};

}  // namespace tablora::testing
