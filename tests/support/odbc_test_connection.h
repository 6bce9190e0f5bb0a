#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tablora {
class OdbcConnection;
}

namespace tablora::testing {

/// The program's ODBC connection as tests that run generated SQL against real drivers use
/// it: every value read as text, NULL as "<null>", the driver's first message as the error.
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
  void KeepError();

  std::unique_ptr<OdbcConnection> connection_;
  std::string error_;
};

}  // namespace tablora::testing
