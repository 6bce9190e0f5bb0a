#include "db/dialects/sqlite_dialect.h"

#include <regex>

#include "base/gbk_text.h"
#include "db/access/ado_connection.h"
#include "model/sql_cursor.h"
#include "model/sql_names.h"

namespace tablora {

namespace {

/// Where the bracketed or plain name starting at `p` ends (one past it).
std::size_t NameEnd(const std::string& text, std::size_t p) {
  if (p < text.size() && text[p] == '[') {
    for (std::size_t i = p + 1; i < text.size(); ++i) {
      if (gbk::IsLeadByte(static_cast<unsigned char>(text[i]))) {
        i += gbk::CharSize(text, i) - 1;  // a later byte of a character may be "]"
        continue;
      }
      if (text[i] != ']') continue;
      if (i + 1 < text.size() && text[i + 1] == ']') {
        ++i;
        continue;
      }
      return i + 1;
    }
    return text.size();
  }
  std::size_t i = p;
  while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_' ||
                             static_cast<unsigned char>(text[i]) >= 0x80)) {
    ++i;
  }
  return i;
}

/// Removes "owner." from the names that follow `keyword` (ASCII case ignored).
std::string DropOwners(const std::string& text, const std::string& keyword) {
  std::string out = text;
  const std::string upperKeyword = gbk::ToUpperAscii(keyword);
  std::size_t from = 0;
  for (;;) {
    const std::string upper = gbk::ToUpperAscii(out);
    const std::size_t at = upper.find(upperKeyword, from);
    if (at == std::string::npos) return out;
    std::size_t p = at + keyword.size();
    while (p < out.size() && gbk::IsSpace(out[p])) ++p;
    const std::size_t end = NameEnd(out, p);
    if (end > p && end < out.size() && out[end] == '.' && end + 1 < out.size() &&
        NameEnd(out, end + 1) > end + 1) {
      out.erase(p, end + 1 - p);
    }
    from = p;
  }
}

/// `text` with each [bracketed] name that holds "]]" written "double-quoted": SQLite reads no
/// "]" inside brackets. Literals and comments are left as they are.
std::string QuoteClosingBrackets(const std::string& text) {
  if (text.find("]]") == std::string::npos) return text;
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t next = SqlCursor::SkipQuoted(text, i);
    if (next == i) {
      const std::size_t size = gbk::CharSize(text, i);
      out.append(text, i, size);
      i += size;
      continue;
    }
    const std::string_view inside = text[i] == '[' && next > i + 1
                                        ? std::string_view(text).substr(i + 1, next - i - 2)
                                        : std::string_view();
    if (inside.find("]]") != std::string_view::npos) {
      out += sql_names::Quoted(sql_names::FromInsideBrackets(inside), '"', '"');
    } else {
      out.append(text, i, next - i);
    }
    i = next;
  }
  return out;
}

}  // namespace

std::string SqliteDialect::QualifiedName(const TableDesign& table) const {
  return TableName(table.actualName);
}

std::string SqliteDialect::FirstRows(const std::string& actualName, int count) const {
  const std::string table = TableName(actualName);
  if (count == kAllRows) return "SELECT * FROM " + table;
  return "SELECT * FROM " + table + " LIMIT " + std::to_string(count);
}

std::string SqliteDialect::DropTable(const TableDesign& table) const {
  return Adapt(SqlServerDialect::DropTable(table));
}

void SqliteDialect::AdaptTableScript(std::string& create, std::vector<std::string>& batches) const {
  std::vector<std::string> constraints;
  std::vector<std::string> others;
  for (const std::string& batch : batches) {
    const std::string adapted = Adapt(batch);
    std::string list;
    if (ConstraintList(adapted, list)) {
      constraints.push_back(list);
    } else {
      others.push_back(adapted);
    }
  }
  create = WithConstraints(Adapt(create), constraints);
  batches = std::move(others);
}

bool SqliteDialect::CannotRead(AdoConnection& connection) {
  ResultSet probe;
  return IsSqlite(connection.DbmsName()) &&
         !connection.Query("SELECT COUNT(*) FROM sqlite_master", probe);
}

bool SqliteDialect::IsSqlite(const std::string& dbmsName) {
  return gbk::ToUpperAscii(dbmsName).find("SQLITE") != std::string::npos;
}

std::string SqliteDialect::TableName(const std::string& name) {
  const std::string inside = sql_names::InsideBrackets(name);
  return inside.size() == name.size() ? "[" + inside + "]" : sql_names::Quoted(name, '"', '"');
}

std::string SqliteDialect::Adapt(const std::string& text) {
  std::string out = text;
  for (const char* keyword : {"CREATE TABLE ", "ALTER TABLE ", "DROP TABLE ", "REFERENCES "}) {
    out = DropOwners(out, keyword);
  }
  static const std::regex filegroup(R"(\s*\bON\s*\[PRIMARY\])", std::regex::icase);
  static const std::regex clustered(R"(\s+(NON)?CLUSTERED\b)", std::regex::icase);
  static const std::regex nocheck(R"(\s+WITH\s+NOCHECK\b)", std::regex::icase);
  static const std::regex identity(R"(\s+IDENTITY\s*(\(\s*[-+]?\d+\s*,\s*[-+]?\d+\s*\))?)",
                                   std::regex::icase);
  out = std::regex_replace(out, filegroup, "");
  out = std::regex_replace(out, clustered, "");
  out = std::regex_replace(out, nocheck, "");
  out = std::regex_replace(out, identity, "");
  return QuoteClosingBrackets(out);
}

bool SqliteDialect::ConstraintList(const std::string& batch, std::string& list) {
  // Only the head is matched: the clauses after ADD are taken whole.
  static const std::regex head(
      R"(\s*ALTER\s+TABLE\s+(?:\[(?:[^\]]|\]\])*\]|"(?:[^"]|"")*"|[^\s\["]+))"
      R"((?:\s*\.\s*(?:\[(?:[^\]]|\]\])*\]|"(?:[^"]|"")*"|[^\s\["]+))?)"
      R"((?:\s+WITH\s+(?:NO)?CHECK)?\s+ADD\s+(?=(?:CONSTRAINT|PRIMARY\s+KEY|FOREIGN\s+KEY|UNIQUE|CHECK)\b))",
      std::regex::icase);
  std::smatch match;
  if (!std::regex_search(batch, match, head, std::regex_constants::match_continuous)) return false;
  list = gbk::Trim(match.suffix().str());
  return !list.empty();
}

std::string SqliteDialect::WithConstraints(const std::string& create,
                                           const std::vector<std::string>& constraintLists) {
  if (constraintLists.empty()) return create;
  const std::size_t close = create.rfind(')');
  if (close == std::string::npos) return create;
  std::string inserted;
  for (const std::string& list : constraintLists) inserted += ",\n" + list + "\n";
  return create.substr(0, close) + inserted + create.substr(close);
}

}  // namespace tablora
