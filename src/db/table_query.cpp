#include "db/table_query.h"

#include "base/gbk_text.h"
#include "base/settings.h"

namespace tablora {

namespace {

/// `name` (code page 936) between `open` and `close`, each `close` character inside doubled;
/// the second byte of a double-byte character is never taken for one.
std::string Quoted(const std::string& name, char open, char close) {
  std::string text(1, open);
  for (std::size_t i = 0; i < name.size(); ++i) {
    text += name[i];
    if (gbk::IsLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size()) {
      text += name[++i];
    } else if (name[i] == close) {
      text += close;
    }
  }
  return text + close;
}

}  // namespace

std::string TableQuery::Text(int databaseKind, const std::string& actualName, int count,
                             bool limitForm) {
  if (databaseKind == kOracle) {
    const std::string text = "SELECT * FROM " + Quoted(actualName, '"', '"');
    return count == kAll ? text : text + " WHERE rownum < " + std::to_string(count + 1);
  }
  const std::string table = Quoted(actualName, '[', ']');
  if (count == kAll) return "SELECT * FROM " + table;
  if (limitForm) return "SELECT * FROM " + table + " LIMIT " + std::to_string(count);
  return "SELECT TOP " + std::to_string(count) + " * FROM " + table;
}

}  // namespace tablora
