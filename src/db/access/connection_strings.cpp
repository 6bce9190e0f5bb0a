#include "db/access/connection_strings.h"

#include <cstdlib>
#include <vector>

#include "base/gbk_text.h"
#include "base/settings.h"

namespace tablora {

namespace {

/// Splits "k=v;k={v;v};..." into pairs; braces quote a value, "}}" is one "}".
std::vector<std::pair<std::string, std::string>> Split(const std::string& text) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t eq = text.find('=', i);
    const std::size_t semi = text.find(';', i);
    if (eq == std::string::npos || (semi != std::string::npos && semi < eq)) {
      if (semi == std::string::npos) break;
      i = semi + 1;
      continue;
    }
    std::string key = gbk::Trim(text.substr(i, eq - i));
    std::size_t j = eq + 1;
    while (j < text.size() && text[j] == ' ') ++j;
    std::string value;
    if (j < text.size() && text[j] == '{') {
      ++j;
      while (j < text.size()) {
        if (text[j] == '}') {
          if (j + 1 < text.size() && text[j + 1] == '}') {
            value += '}';
            j += 2;
            continue;
          }
          ++j;
          break;
        }
        value += text[j++];
      }
      const std::size_t end = text.find(';', j);
      i = end == std::string::npos ? text.size() : end + 1;
    } else {
      const std::size_t end = text.find(';', j);
      value = gbk::Trim(text.substr(j, end == std::string::npos ? std::string::npos : end - j));
      i = end == std::string::npos ? text.size() : end + 1;
    }
    pairs.emplace_back(std::move(key), std::move(value));
  }
  return pairs;
}

bool HasAttribute(const std::vector<std::pair<std::string, std::string>>& pairs,
                  const std::string& key) {
  for (const auto& pair : pairs)
    if (gbk::EqualsIgnoreCase(pair.first, key)) return true;
  return false;
}

bool Contains(const std::string& text, const char* lowerPart) {
  return gbk::ToLowerAscii(text).find(lowerPart) != std::string::npos;
}

/// A yes/no option as the SQLite driver reads it: a number not 0, or a word starting
/// with y or t.
bool OptionIsOn(const std::string& value) {
  if (value.empty()) return false;
  if (value[0] >= '0' && value[0] <= '9') return std::atoi(value.c_str()) != 0;
  return value[0] == 'y' || value[0] == 'Y' || value[0] == 't' || value[0] == 'T';
}

bool IsSqliteString(const std::string& connectionString) {
  return Contains(ConnectionStrings::Attribute(connectionString, "Driver"), "sqlite");
}

}  // namespace

std::string ConnectionStrings::Quote(const std::string& value) {
  const bool needs = value.find_first_of(";{}=") != std::string::npos ||
                     (!value.empty() && (value.front() == ' ' || value.back() == ' '));
  if (!needs) return value;
  return "{" + gbk::ReplaceAll(value, "}", "}}") + "}";
}

std::string ConnectionStrings::SqlServer(const std::string& host, const std::string& database,
                                         const std::string& user, const std::string& password,
                                         bool integrated) {
  std::string server = gbk::Trim(host);
  std::string port = "1433";
  const std::size_t comma = server.find(',');
  if (comma != std::string::npos) {
    port = gbk::Trim(server.substr(comma + 1));
    server = gbk::Trim(server.substr(0, comma));
  }
  if (server == "(local)" || server == "." || gbk::EqualsIgnoreCase(server, "(localdb)"))
    server = "127.0.0.1";
  std::string text = "Driver=FreeTDS;SERVER=" + Quote(server);
  if (server.find('\\') == std::string::npos) text += ";PORT=" + Quote(port);
  if (!database.empty()) {
    text += ";DATABASE=" + Quote(database);
    if (!integrated)
      text += ";UID=" + Quote(user) + ";PWD={" + gbk::ReplaceAll(password, "}", "}}") + "}";
  }
  return text + ";TDS_Version=7.4";
}

std::string ConnectionStrings::Access(const std::string& path, const std::string& password) {
  return "Driver=MDBTools;DBQ=" + Quote(path);
}

std::string ConnectionStrings::WithPassword(const std::string& connectionString,
                                            const std::string& password) {
  if (password.empty()) return connectionString;
  std::string text = connectionString;
  if (!text.empty() && text.back() != ';') text += ';';
  return text + "PWD={" + gbk::ReplaceAll(password, "}", "}}") + "}";
}

std::string ConnectionStrings::Attribute(const std::string& connectionString,
                                         const std::string& key) {
  for (const auto& [k, v] : Split(connectionString))
    if (gbk::EqualsIgnoreCase(k, key)) return v;
  return "";
}

bool ConnectionStrings::IsOracle(const std::string& connectionString) {
  if (connectionString.find("MSDAORA") != std::string::npos) return true;
  return gbk::ToLowerAscii(Attribute(connectionString, "Driver")).find("oracle") !=
         std::string::npos;
}

std::string ConnectionStrings::AccessFile(const std::string& connectionString) {
  const std::string driver = gbk::ToLowerAscii(Attribute(connectionString, "Driver"));
  if (driver.find("mdbtools") == std::string::npos) return "";
  return Attribute(connectionString, "DBQ");
}

int ConnectionStrings::ImpliedKind(const std::string& connectionString,
                                   const std::string& dataSourceDriver) {
  if (IsOracle(connectionString)) return kOracle;
  std::string driver = Attribute(connectionString, "Driver");
  if (driver.empty()) driver = dataSourceDriver;
  if (Contains(driver, "oracle")) return kOracle;
  if (Contains(driver, "mdbtools")) return kAccess;
  if (Contains(driver, "freetds") || Contains(driver, "sqlite")) return kSqlServer;
  return -1;
}

std::string ConnectionStrings::WithSqliteDefaults(const std::string& connectionString) {
  if (!IsSqliteString(connectionString)) return connectionString;
  const auto pairs = Split(connectionString);
  std::string text = connectionString;
  const std::pair<const char*, std::string> defaults[] = {
      {"Timeout", std::to_string(kSqliteTimeout)}, {"StepAPI", "1"}, {"NoCreat", "1"}};
  for (const auto& [key, value] : defaults) {
    if (HasAttribute(pairs, key)) continue;
    if (!text.empty() && text.back() != ';') text += ';';
    text += std::string(key) + "=" + value;
  }
  return text;
}

std::string ConnectionStrings::WithUtf8Client(const std::string& connectionString) {
  const std::string driver = gbk::ToLowerAscii(Attribute(connectionString, "Driver"));
  std::string key;
  std::string value;
  if (driver.find("freetds") != std::string::npos) {
    key = "ClientCharset";
    value = "UTF-8";
  } else if (driver.find("mariadb") != std::string::npos ||
             driver.find("mysql") != std::string::npos) {
    key = "CHARSET";
    value = "utf8mb4";
  } else {
    return connectionString;
  }
  if (HasAttribute(Split(connectionString), key)) return connectionString;
  std::string text = connectionString;
  if (!text.empty() && text.back() != ';') text += ';';
  return text + key + "=" + value;
}

std::string ConnectionStrings::SqliteFileThatMustExist(const std::string& connectionString) {
  if (!IsSqliteString(connectionString) || !OptionIsOn(Attribute(connectionString, "NoCreat")))
    return "";
  const std::string file = Attribute(connectionString, "Database");
  if (file == ":memory:" || file.rfind("file:", 0) == 0) return "";
  return file;
}

}  // namespace tablora
