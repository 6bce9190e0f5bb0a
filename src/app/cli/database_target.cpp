#include "app/cli/database_target.h"

#include <sys/stat.h>

#include <cstdio>

#include "app/cli/cli_commands.h"
#include "base/gbk_text.h"
#include "base/settings.h"
#include "db/access/connection_strings.h"
#include "db/access/odbc_connection.h"

namespace tablora::cli {

namespace {

bool EndsWithMdb(const std::string& text) {
  return text.size() >= 4 && gbk::EqualsIgnoreCase(text.substr(text.size() - 4), ".mdb");
}

bool IsRegularFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

bool ParseKind(const std::string& text, int& kind) {
  static const char* const kNumbers[] = {"0", "1", "2"};
  for (int k = kSqlServer; k <= kOracle; ++k) {
    if (text == kNumbers[k]) {
      kind = k;
      return true;
    }
  }
  return false;
}

bool ResolveTarget(const char* command, const std::string& text, int kind,
                   const std::string& password, DatabaseTarget& target) {
  target = DatabaseTarget{};
  if (gbk::Trim(text).empty()) {
    std::fprintf(stderr,
                 "tablora-cli %s: the connection string is empty: give one "
                 "(\"Driver=SQLite3;Database=FILE\", \"Driver=FreeTDS;SERVER=...\", ...) "
                 "or an MS Access file (.mdb)\n",
                 command);
    return false;
  }
  const bool mdb = EndsWithMdb(text);
  if (mdb && (text.find('=') == std::string::npos || IsRegularFile(text))) {
    target.accessFile = AbsolutePath(text);
    target.connectionString = ConnectionStrings::Access(target.accessFile, password);
    target.kind = kAccess;  // a file is always read as one
    return true;
  }
  if (text.find('=') == std::string::npos) {
    std::fprintf(stderr,
                 "tablora-cli %s: '%s' is neither a connection string (KEY=VALUE;...) nor an "
                 "MS Access file (.mdb)\n",
                 command, text.c_str());
    return false;
  }
  target.connectionString = ConnectionStrings::WithPassword(text, password);
  const int implied = OdbcConnection::ImpliedKind(text);
  target.kind = kind >= 0 ? kind : (implied >= 0 ? implied : kSqlServer);
  return true;
}

}  // namespace tablora::cli
