#include "db/access/odbc_environment.h"

#include <sql.h>
#include <sqlext.h>

#include <cstdlib>
#include <mutex>

#include "base/gbk_text.h"

namespace tablora {

std::shared_ptr<OdbcEnvironment> OdbcEnvironment::Get() {
  static std::mutex mutex;
  static std::weak_ptr<OdbcEnvironment> current;
  std::lock_guard<std::mutex> lock(mutex);
  if (auto env = current.lock()) return env;
  setenv("MDBICONV", "UTF-8", 1);
  std::shared_ptr<OdbcEnvironment> env(new OdbcEnvironment);
  SQLHENV h = SQL_NULL_HENV;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h))) return nullptr;
  SQLSetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  env->handle_ = h;
  current = env;
  return env;
}

OdbcEnvironment::~OdbcEnvironment() {
  if (handle_ != nullptr) SQLFreeHandle(SQL_HANDLE_ENV, handle_);
}

std::vector<std::string> OdbcEnvironment::Drivers() {
  std::vector<std::string> names;
  SQLCHAR name[512];
  SQLCHAR attributes[2048];
  SQLSMALLINT nameLength = 0;
  SQLSMALLINT attributesLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (SQL_SUCCEEDED(SQLDrivers(handle_, direction, name, sizeof name, &nameLength, attributes,
                                  sizeof attributes, &attributesLength))) {
    names.emplace_back(reinterpret_cast<char*>(name));
    direction = SQL_FETCH_NEXT;
  }
  return names;
}

std::vector<std::string> OdbcEnvironment::DataSources() {
  std::vector<std::string> names;
  SQLCHAR name[512];
  SQLCHAR description[512];
  SQLSMALLINT nameLength = 0;
  SQLSMALLINT descriptionLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (SQL_SUCCEEDED(SQLDataSources(handle_, direction, name, sizeof name, &nameLength,
                                      description, sizeof description, &descriptionLength))) {
    names.push_back(std::string(reinterpret_cast<char*>(name)) + " (" +
                    reinterpret_cast<char*>(description) + ")");
    direction = SQL_FETCH_NEXT;
  }
  return names;
}

std::string OdbcEnvironment::DataSourceDriver(const std::string& name) {
  SQLCHAR source[512];
  SQLCHAR driver[512];
  SQLSMALLINT sourceLength = 0;
  SQLSMALLINT driverLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (SQL_SUCCEEDED(SQLDataSources(handle_, direction, source, sizeof source, &sourceLength,
                                      driver, sizeof driver, &driverLength))) {
    direction = SQL_FETCH_NEXT;
    if (gbk::EqualsIgnoreCase(reinterpret_cast<char*>(source), name))
      return reinterpret_cast<char*>(driver);
  }
  return "";
}

}  // namespace tablora
