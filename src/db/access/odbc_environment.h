#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tablora {

/// The process's one ODBC environment (ODBC 3), shared by every connection and freed after
/// the last one. Creating it first sets MDBICONV=UTF-8, so MS Access texts arrive in UTF-8
/// as every other driver's do.
class OdbcEnvironment {
 public:
  /// The environment, created on first use; null when the driver manager refuses one.
  static std::shared_ptr<OdbcEnvironment> Get();
  ~OdbcEnvironment();
  void* handle() const { return handle_; }

  /// The installed drivers' names and the data sources ("name (driver)"), as the driver
  /// manager lists them.
  std::vector<std::string> Drivers();
  std::vector<std::string> DataSources();
  /// The driver of data source `name` (ASCII case ignored), or empty when there is none.
  std::string DataSourceDriver(const std::string& name);

 private:
  OdbcEnvironment() = default;
  void* handle_ = nullptr;
};

}  // namespace tablora
