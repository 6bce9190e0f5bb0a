#include "model/script_clauses.h"

#include <string>
#include <unordered_map>

#include "base/gbk_text.h"
#include "model/sql_cursor.h"

namespace tablora {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '@' || c == '#' || c == '$';
}
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

/// Length of `word` matched at `pos` (a space in `word` matches any white space), or 0.
std::size_t MatchWordAt(std::string_view text, std::size_t pos, std::string_view word) {
  std::size_t i = pos;
  for (char w : word) {
    if (w == ' ') {
      if (i >= text.size() || !IsSpace(text[i])) return 0;
      while (i < text.size() && IsSpace(text[i])) ++i;
      continue;
    }
    if (i >= text.size() || Lower(text[i]) != Lower(w)) return 0;
    ++i;
  }
  if (i < text.size() && IsWordByte(static_cast<unsigned char>(text[i]))) return 0;
  return i - pos;
}

/// `word` at paren depth 0 and outside literals, names and comments; npos when absent.
std::size_t FindTopLevelWord(std::string_view text, std::string_view word, std::size_t from = 0) {
  std::size_t depth = 0;
  std::size_t i = from;
  while (i < text.size()) {
    const std::size_t skipped = SqlCursor::SkipQuoted(text, i);
    if (skipped != i) {
      i = skipped;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else if (depth == 0 && (i == 0 || !IsWordByte(static_cast<unsigned char>(text[i - 1]))) &&
               MatchWordAt(text, i, word) != 0) {
      return i;
    }
    i += (gbk::IsLeadByte(c) && i + 1 < text.size()) ? 2 : 1;
  }
  return std::string_view::npos;
}

/// The start of the next line that holds only "GO" (any case) at or after `from`.
std::size_t FindGoLine(std::string_view text, std::size_t from) {
  std::size_t nl = text.find('\n', from);
  while (nl != std::string_view::npos) {
    std::size_t i = nl + 1;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i + 1 < text.size() + 0 && Lower(text[i]) == 'g' && Lower(text[i + 1]) == 'o') {
      std::size_t j = i + 2;
      while (j < text.size() && (text[j] == ' ' || text[j] == '\t' || text[j] == '\r')) ++j;
      if (j >= text.size() || text[j] == '\n' || text[j] == ';') return nl;
    }
    nl = text.find('\n', nl + 1);
  }
  return std::string_view::npos;
}

std::string Cut(std::string_view text, std::size_t width) { return gbk::CutToWidth(text, width); }

}  // namespace

std::string ScriptClauses::NormaliseColons(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (gbk::IsLeadByte(c) && i + 1 < text.size()) {
      if (c == 0xA3 && static_cast<unsigned char>(text[i + 1]) == 0xBA) {
        out += ':';
      } else {
        out.append(text.substr(i, 2));
      }
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

namespace {

/// The first [bracketed] name in `text`, or empty.
std::string FirstBracketedName(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\'') {
      i = SqlCursor::SkipQuoted(text, i);
      continue;
    }
    if (c == '[') {
      SqlCursor cursor(text, i);
      if (auto name = cursor.Name()) return *name;
    }
    i += (gbk::IsLeadByte(c) && i + 1 < text.size()) ? 2 : 1;
  }
  return {};
}

template <typename Fn>
void ForColumnsNamed(TableDesign& table, const std::string& name, Fn fn) {
  for (ColumnDesign& column : table.columns) {
    if (column.actualName == name) fn(column);
  }
}

/// The tables by actual name ignoring letter case, each name's tables in list order.
class TableIndex {
 public:
  explicit TableIndex(std::vector<TableDesign>& tables) : tables_(tables) {
    for (std::size_t i = 0; i < tables.size(); ++i)
      byName_[gbk::ToLowerAscii(tables[i].actualName)].push_back(i);
  }
  /// Every table of that name (ignoring case), in list order.
  std::vector<TableDesign*> All(std::string_view name) const {
    std::vector<TableDesign*> found;
    auto it = byName_.find(gbk::ToLowerAscii(name));
    if (it != byName_.end()) {
      for (std::size_t i : it->second) found.push_back(&tables_[i]);
    }
    return found;
  }
  TableDesign* First(std::string_view name) const {
    auto it = byName_.find(gbk::ToLowerAscii(name));
    return it == byName_.end() ? nullptr : &tables_[it->second.front()];
  }

 private:
  std::vector<TableDesign>& tables_;
  std::unordered_map<std::string, std::vector<std::size_t>> byName_;
};

std::string StripLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '\r' && c != '\n') out += c;
  }
  return out;
}

}  // namespace

std::size_t ScriptClauses::FindWord(std::string_view text, std::string_view word,
                                    std::size_t from) {
  std::size_t i = from;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (gbk::IsLeadByte(c)) {
      i += 2;
      continue;
    }
    if (Lower(static_cast<char>(c)) == Lower(word[0]) &&
        (i == 0 || !IsWordByte(static_cast<unsigned char>(text[i - 1]))) &&
        MatchWordAt(text, i, word) != 0) {
      return i;
    }
    ++i;
  }
  return std::string_view::npos;
}

std::vector<std::size_t> ScriptClauses::FindCodeWords(std::string_view text,
                                                      std::string_view word) {
  std::vector<std::size_t> found;
  bool blockCommentsClosed = true;  // false once a "/*" without "*/" was seen
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (gbk::IsLeadByte(static_cast<unsigned char>(c))) {
      i += 2;
    } else if (c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      const std::size_t nl = text.find('\n', i);
      i = nl == std::string_view::npos ? text.size() : nl + 1;
    } else if (c == '/' && blockCommentsClosed && i + 1 < text.size() && text[i + 1] == '*') {
      const std::size_t close = text.find("*/", i + 2);
      if (close == std::string_view::npos) {
        blockCommentsClosed = false;
        i += 2;
      } else {
        i = close + 2;
      }
    } else if (c == '\'') {
      std::size_t j = i + 1;
      while (j < text.size() && text[j] != '\n') {
        if (text[j] == '\'') {
          if (j + 1 < text.size() && text[j + 1] == '\'') {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      i = j + 1;
    } else {
      if (Lower(c) == Lower(word[0]) &&
          (i == 0 || !IsWordByte(static_cast<unsigned char>(text[i - 1]))) &&
          MatchWordAt(text, i, word) != 0) {
        found.push_back(i);
      }
      ++i;
    }
  }
  return found;
}

void ScriptClauses::ApplyConstraint(TableDesign& table, std::string_view clause) {
  SqlCursor cursor(clause);
  while (cursor.Char(',')) {
  }
  std::string constraintName;
  if (cursor.Keyword("constraint")) {
    auto name = cursor.Name();
    if (!name) return;
    constraintName = *name;
  }
  if (cursor.Keyword("primary key")) {
    if (!cursor.Keyword("clustered")) cursor.Keyword("nonclustered");
    auto names = cursor.NameList();
    if (!names) return;
    for (const std::string& name : *names) {
      ForColumnsNamed(table, name, [](ColumnDesign& c) { c.primaryKey = true; });
    }
  } else if (cursor.Keyword("foreign key")) {
    auto names = cursor.NameList();
    if (!names || !cursor.Keyword("references")) return;
    auto refTable = cursor.QualifiedName();
    if (!refTable) return;
    auto refColumns = cursor.NameList();
    ForeignKeyRef ref{Cut(constraintName, width::kName), Cut(*refTable, width::kName),
                      refColumns ? Cut(refColumns->front(), width::kName) : std::string()};
    ForColumnsNamed(table, names->front(), [&ref](ColumnDesign& c) {
      c.foreignKey = true;
      c.foreignKeyRef = std::make_unique<ForeignKeyRef>(ref);
    });
  } else if (cursor.Keyword("check")) {
    cursor.Keyword("not for replication");
    auto expression = cursor.Parenthesised();
    if (!expression) return;
    // The writer names its checks "CK_" + column; other scripts name the column first.
    std::string column;
    if (constraintName.compare(0, 3, "CK_") == 0) {
      const std::string named = constraintName.substr(3);
      for (const ColumnDesign& c : table.columns) {
        if (c.actualName == named) column = named;
      }
    }
    if (column.empty()) column = FirstBracketedName(*expression);
    if (column.empty()) return;
    const std::string value = Cut(*expression, width::kCheck);
    ForColumnsNamed(table, column, [&value](ColumnDesign& c) { c.checkExpression = value; });
  } else if (cursor.Keyword("default")) {
    std::string value;
    if (auto inside = cursor.Parenthesised()) {
      value = *inside;
    } else {
      const std::string_view rest = cursor.Rest();
      const std::size_t forPos = FindTopLevelWord(rest, "for");
      if (forPos == std::string_view::npos) return;
      value = gbk::Trim(rest.substr(0, forPos));
      cursor = SqlCursor(rest, forPos);
    }
    if (!cursor.Keyword("for")) return;
    auto column = cursor.Name();
    if (!column) return;
    const std::string cut = Cut(value, width::kDefault);
    ForColumnsNamed(table, *column, [&cut](ColumnDesign& c) { c.defaultValue = cut; });
  }
}

void ScriptClauses::ApplyColumnConstraints(ColumnDesign& column, std::string_view options) {
  if (FindTopLevelWord(options, "primary key") != std::string_view::npos) column.primaryKey = true;
  const std::size_t references = FindTopLevelWord(options, "references");
  if (references == std::string_view::npos) return;
  std::string constraintName;
  for (std::size_t at = FindTopLevelWord(options, "constraint"); at < references;
       at = FindTopLevelWord(options, "constraint", at + 1)) {
    SqlCursor named(options, at);
    named.Keyword("constraint");
    if (auto name = named.Name()) constraintName = *name;
  }
  SqlCursor cursor(options, references);
  cursor.Keyword("references");
  auto refTable = cursor.QualifiedName();
  if (!refTable) return;
  auto refColumns = cursor.NameList();
  column.foreignKey = true;
  column.foreignKeyRef = std::make_unique<ForeignKeyRef>(
      ForeignKeyRef{Cut(constraintName, width::kName), Cut(*refTable, width::kName),
                    refColumns ? Cut(refColumns->front(), width::kName) : std::string()});
}

void ScriptClauses::ApplyAlterTables(std::vector<TableDesign>& tables, std::string_view text) {
  const TableIndex index(tables);
  const std::vector<std::size_t> starts = FindCodeWords(text, "alter table");
  for (std::size_t k = 0; k < starts.size(); ++k) {
    const std::size_t pos = starts[k];
    const std::size_t next = k + 1 < starts.size() ? starts[k + 1] : text.size();
    const std::size_t go = FindGoLine(text, pos);
    const std::size_t end = go < next ? go : next;
    const std::string_view statement =
        SqlCursor::SplitTopLevel(text.substr(pos, end - pos), ';')[0];

    SqlCursor cursor(statement);
    cursor.Keyword("alter table");
    auto name = cursor.QualifiedName();
    if (!name) continue;
    TableDesign* table = index.First(*name);
    if (!table) continue;
    if (!cursor.Keyword("with check")) cursor.Keyword("with nocheck");
    if (!cursor.Keyword("add")) continue;
    for (std::string_view clause : SqlCursor::SplitTopLevel(cursor.Rest(), ',')) {
      ApplyConstraint(*table, clause);
    }
  }
}

void ScriptClauses::ApplyDescriptions(std::vector<TableDesign>& tables, std::string_view text) {
  static const std::string kGroupMark = "(\xD7\xE9)";  // "(组)"
  static const char* const kArgNames[] = {"@name",       "@value",      "@level0type",
                                          "@level0name", "@level1type", "@level1name",
                                          "@level2type", "@level2name"};
  const TableIndex index(tables);
  const std::string_view keyword = "sp_addextendedproperty";
  for (const std::size_t pos : FindCodeWords(text, keyword)) {
    SqlCursor cursor(text, pos + keyword.size());
    std::string args[8];
    bool present[8] = {};
    for (int k = 0; k < 8; ++k) {
      if (k > 0 && !cursor.Char(',')) break;
      int slot = k;
      const std::size_t before = cursor.pos();
      if (auto argName = cursor.Name(); argName && (*argName)[0] == '@' && cursor.Char('=')) {
        slot = -1;
        for (int a = 0; a < 8; ++a) {
          if (gbk::EqualsIgnoreCase(*argName, kArgNames[a])) slot = a;
        }
      } else {
        cursor = SqlCursor(text, before);
      }
      std::optional<std::string> value = cursor.Literal();
      if (!value && cursor.Keyword("null")) value = std::string();
      if (!value) break;
      if (slot >= 0) {
        args[slot] = *value;
        present[slot] = true;
      }
    }

    if (!present[0] || !gbk::EqualsIgnoreCase(args[0], "MS_Description") || !present[5] ||
        !gbk::EqualsIgnoreCase(args[4], "table")) {
      continue;
    }
    const std::string description = ScriptClauses::NormaliseColons(StripLineBreaks(args[1]));
    const std::string& tableName = args[5];
    if (present[7] && gbk::EqualsIgnoreCase(args[6], "column")) {
      std::string display;
      std::string note = description;
      const std::size_t colon = description.find(':');
      if (colon != std::string::npos) {
        display = description.substr(0, colon);
        note = description.substr(colon + 1);
      }
      TableDesign* table = index.First(tableName);
      if (!table) continue;
      for (ColumnDesign& column : table->columns) {
        if (column.actualName != args[7]) continue;
        if (!display.empty()) column.displayName = Cut(display, width::kName);
        if (!note.empty()) column.note = Cut(note, width::kNote);
        break;
      }
      continue;
    }
    std::string rest = description;
    std::string group;
    const std::size_t mark = description.find(kGroupMark);
    if (mark != std::string::npos) {
      group = description.substr(mark + kGroupMark.size());
      rest = description.substr(0, mark);
    }
    std::string display;
    std::string comment = rest;
    const std::size_t colon = rest.find(':');
    if (colon != std::string::npos) {
      display = rest.substr(0, colon);
      comment = rest.substr(colon + 1);
    }
    for (TableDesign* table : index.All(tableName)) {
      if (!display.empty()) table->displayName = Cut(display, width::kName);
      if (!comment.empty()) table->comment = Cut(comment, width::kComment);
      if (!group.empty()) table->group = Cut(group, width::kName);
    }
  }
}

}  // namespace tablora
