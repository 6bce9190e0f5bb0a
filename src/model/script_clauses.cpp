#include "model/script_clauses.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "base/gbk_text.h"
#include "model/sql_cursor.h"

namespace tablora {

namespace {

using gbk::IsSpace;
char Lower(char c) { return gbk::LowerAscii(c); }
/// A byte that continues an ASCII word; a keyword never ends inside one.
bool IsWordByte(unsigned char c) { return gbk::IsSqlNameByte(c, false); }

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
  return SqlCursor::FindInCode(text, from, [&](std::size_t i) {
    const char c = text[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else if (depth == 0 && (i == 0 || !IsWordByte(static_cast<unsigned char>(text[i - 1]))) &&
               MatchWordAt(text, i, word) != 0) {
      return true;
    }
    return false;
  });
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

/// True when `text` is one parenthesised expression: its first "(" closes at its last byte.
bool WhollyParenthesised(std::string_view text) {
  if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
  std::size_t depth = 0;
  const std::size_t close = SqlCursor::FindInCode(text, 0, [&](std::size_t i) {
    if (text[i] == '(') ++depth;
    return text[i] == ')' && depth > 0 && --depth == 0;
  });
  return close != std::string_view::npos && close + 1 == text.size();
}

/// The parts of an expression between its top-level ANDs, trimmed.
std::vector<std::string> AndParts(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at = FindTopLevelWord(text, "and"); at != std::string_view::npos;
       at = FindTopLevelWord(text, "and", from)) {
    parts.push_back(gbk::Trim(text.substr(from, at - from)));
    from = at + 3;
  }
  parts.push_back(gbk::Trim(text.substr(from)));
  return parts;
}

/// Two CHECK expressions of one column as one: "(a) AND (b)", each side in parentheses
/// unless it stands in its own already (or is such a join); an expression the column
/// holds already is not added again.
std::string JoinChecks(const std::string& held, const std::string& added) {
  if (held.empty()) return added;
  const auto wrap = [](const std::string& text) {
    const std::string trimmed = gbk::Trim(text);
    return WhollyParenthesised(trimmed) ? trimmed : "(" + trimmed + ")";
  };
  const std::string next = wrap(added);
  const std::vector<std::string> parts = AndParts(held);
  bool joined = parts.size() > 1;
  for (const std::string& part : parts) {
    if (part == next) return held;
    joined = joined && WhollyParenthesised(part);
  }
  if (wrap(held) == next) return held;
  return (joined ? gbk::Trim(held) : wrap(held)) + " AND " + next;
}

}  // namespace

std::string ScriptClauses::NormaliseColons(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t size = gbk::CharSize(text, i);
    if (size > 1) {
      if (size == 2 && c == 0xA3 && static_cast<unsigned char>(text[i + 1]) == 0xBA) {
        out += ':';
      } else {
        out.append(text.substr(i, size));
      }
      i += size - 1;
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
    i += gbk::CharSize(text, i);
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
/// Where two owners hold a table of one name, a statement naming an owner finds that
/// owner's table, one naming none finds dbo's; otherwise the first of the name serves.
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
  /// The table of `owner` (empty: dbo) and `name`, or the first of the name.
  TableDesign* Find(std::string_view owner, std::string_view name) const {
    const std::vector<TableDesign*> named = All(name);
    for (TableDesign* table : named) {
      if (SameTable(table->owner, table->actualName, owner, name)) return table;
    }
    return named.empty() ? nullptr : named.front();
  }
  /// Every table of `owner` and `name`, or every one of the name when the owner has none.
  std::vector<TableDesign*> AllOf(std::string_view owner, std::string_view name) const {
    std::vector<TableDesign*> named = All(name);
    std::vector<TableDesign*> owned;
    for (TableDesign* table : named) {
      if (SameTable(table->owner, table->actualName, owner, name)) owned.push_back(table);
    }
    return owned.empty() ? named : owned;
  }

 private:
  std::vector<TableDesign>& tables_;
  std::unordered_map<std::string, std::vector<std::size_t>> byName_;
};

/// A foreign key's target from the referenced name's parts ([owner].[table]).
ForeignKeyRef Reference(const std::string& constraintName, const std::vector<std::string>& refTable,
                        const std::string& refColumn) {
  ForeignKeyRef ref;
  ref.constraintName = Cut(constraintName, width::kName);
  ref.refTable = Cut(refTable.back(), width::kName);
  if (refTable.size() >= 2) ref.refOwner = Cut(refTable[refTable.size() - 2], width::kName);
  ref.refColumn = Cut(refColumn, width::kName);
  return ref;
}

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
      i += gbk::CharSize(text, i);
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

namespace {

/// Calls `found(k, pos)` for every place where words[k] stands as code (see
/// FindCodeWords), in text order; stops when `found` returns false.
template <typename Found>
void ScanCodeWords(std::string_view text, const std::vector<std::string_view>& words, Found found) {
  // The bytes that need a closer look; any other byte is passed over.
  bool closer[256] = {};
  for (int b = 0x81; b <= 0xFE; ++b) closer[b] = true;
  for (unsigned char b : {'-', '/', '\''}) closer[b] = true;
  bool starts[256] = {};
  for (std::string_view word : words) {
    if (word.empty()) continue;
    for (int b = 0; b < 256; ++b) {
      if (Lower(static_cast<char>(b)) == Lower(word[0])) closer[b] = starts[b] = true;
    }
  }
  bool blockCommentsClosed = true;  // false once a "/*" without "*/" was seen
  std::size_t i = 0;
  while (i < text.size()) {
    if (!closer[static_cast<unsigned char>(text[i])]) {
      ++i;
      continue;
    }
    const char c = text[i];
    if (gbk::IsLeadByte(static_cast<unsigned char>(c))) {
      i += gbk::CharSize(text, i);
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
      if (starts[static_cast<unsigned char>(c)] &&
          (i == 0 || !IsWordByte(static_cast<unsigned char>(text[i - 1])))) {
        for (std::size_t k = 0; k < words.size(); ++k) {
          if (!words[k].empty() && Lower(c) == Lower(words[k][0]) &&
              MatchWordAt(text, i, words[k]) != 0 && !found(k, i)) {
            return;
          }
        }
      }
      ++i;
    }
  }
}

}  // namespace

std::vector<std::size_t> ScriptClauses::FindCodeWords(std::string_view text,
                                                      std::string_view word) {
  std::vector<std::size_t> found;
  ScanCodeWords(text, {word}, [&found](std::size_t, std::size_t pos) {
    found.push_back(pos);
    return true;
  });
  return found;
}

std::size_t ScriptClauses::FindFirstCodeWord(std::string_view text, std::string_view word) {
  std::size_t first = std::string_view::npos;
  ScanCodeWords(text, {word}, [&first](std::size_t, std::size_t pos) {
    first = pos;
    return false;
  });
  return first;
}

namespace {

/// The word that ends just before `pos` (white space skipped), lower case; empty when a
/// byte other than a letter stands there.
std::string WordBefore(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end > 0 && IsSpace(text[end - 1])) --end;
  std::size_t begin = end;
  while (begin > 0 && gbk::IsWordChar(static_cast<unsigned char>(text[begin - 1]))) --begin;
  return gbk::ToLowerAscii(text.substr(begin, end - begin));
}

/// The name of the procedure an EXEC at `pos` (`length` bytes long) calls, without its
/// owner and brackets, lower case.
std::string CalledProcedure(std::string_view text, std::size_t pos, std::size_t length) {
  std::size_t i = pos + length;
  while (i < text.size() && IsSpace(text[i])) ++i;
  std::string name;
  for (; i < text.size() && !IsSpace(text[i]) && text[i] != '(' && text[i] != ';'; ++i) {
    if (text[i] == '.') {
      name.clear();
    } else if (text[i] != '[' && text[i] != ']') {
      name += Lower(text[i]);
    }
  }
  return name;
}

/// True when the word found at `pos` starts a statement the design does not keep.
bool IsUnkeptStatement(std::string_view text, std::size_t pos, std::string_view word) {
  const std::size_t end = pos + word.size();
  // A name that reads like a keyword: [update], "delete", t.insert, @merge.
  const char before = pos > 0 ? text[pos - 1] : ' ';
  const char after = end < text.size() ? text[end] : ' ';
  if (before == '[' || before == '"' || before == '.' || after == ']' || after == '"' ||
      after == '.')
    return false;
  if (word == "create") {
    return MatchWordAt(text, pos, "create table") == 0 && MatchWordAt(text, pos, "create type") == 0;
  }
  if (word == "alter") {
    return MatchWordAt(text, pos, "alter table") == 0 &&
           MatchWordAt(text, pos, "alter column") == 0;
  }
  // ON UPDATE and ON DELETE are the actions of a foreign key.
  if (word == "update" || word == "delete") return WordBefore(text, pos) != "on";
  if (word == "exec" || word == "execute") {
    // The descriptions and types the reader reads, and the descriptions the writer drops
    // before it adds them again.
    const std::string called = CalledProcedure(text, pos, word.size());
    return called != "sp_addextendedproperty" && called != "sp_dropextendedproperty" &&
           called != "sp_updateextendedproperty" && called != "sp_addtype";
  }
  return true;
}

}  // namespace

ScriptClauses::Keywords ScriptClauses::FindKeywords(std::string_view text, bool unkept) {
  Keywords keywords;
  std::vector<std::size_t>* lists[] = {&keywords.createTable, &keywords.createType,
                                       &keywords.addType, &keywords.alterTable,
                                       &keywords.addProperty};
  static const std::vector<std::string_view> kKept = {
      "create table", "create type", "sp_addtype", "alter table", "sp_addextendedproperty"};
  static const std::vector<std::string_view> kWithUnkept = [] {
    std::vector<std::string_view> words = kKept;
    for (std::string_view word : {"create", "alter", "insert", "update", "delete", "merge",
                                  "truncate", "grant", "deny", "revoke", "exec", "execute"})
      words.push_back(word);
    return words;
  }();
  const std::vector<std::string_view>& words = unkept ? kWithUnkept : kKept;
  ScanCodeWords(text, words, [&](std::size_t k, std::size_t pos) {
    if (k < std::size(lists)) {
      lists[k]->push_back(pos);
    } else if (IsUnkeptStatement(text, pos, words[k]) &&
               (keywords.unkept.empty() || keywords.unkept.back() != pos)) {
      keywords.unkept.push_back(pos);
    }
    return true;
  });
  return keywords;
}

void ScriptClauses::ApplyConstraint(TableDesign& table, std::string_view clause,
                                    std::string_view statementOwner) {
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
    auto refTable = cursor.QualifiedNameParts();
    if (!refTable) return;
    auto refColumns = cursor.NameList();
    // Each column of a composite key refers to the referenced column at its position.
    for (std::size_t k = 0; k < names->size(); ++k) {
      ForeignKeyRef ref = Reference(constraintName, *refTable,
                                    refColumns && k < refColumns->size() ? (*refColumns)[k] : "");
      // A reference to the owner the statement names for its own table names no owner.
      if (gbk::EqualsIgnoreCase(ref.refOwner, statementOwner)) ref.refOwner.clear();
      ForColumnsNamed(table, (*names)[k], [&ref](ColumnDesign& c) {
        c.foreignKey = true;
        c.foreignKeyRef = std::make_unique<ForeignKeyRef>(ref);
      });
    }
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
    // Expressions are kept whole: a cut one would no longer parse. A column keeps every
    // CHECK of its own, joined as "(a) AND (b)": the server enforces the same.
    const std::string& value = *expression;
    ForColumnsNamed(table, column, [&value](ColumnDesign& c) {
      c.checkExpression = JoinChecks(c.checkExpression, value);
    });
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
    ForColumnsNamed(table, *column, [&value](ColumnDesign& c) { c.defaultValue = value; });
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
  auto refTable = cursor.QualifiedNameParts();
  if (!refTable) return;
  auto refColumns = cursor.NameList();
  column.foreignKey = true;
  column.foreignKeyRef = std::make_unique<ForeignKeyRef>(
      Reference(constraintName, *refTable, refColumns ? refColumns->front() : std::string()));
}

void ScriptClauses::ApplyAlterTables(std::vector<TableDesign>& tables, std::string_view text,
                                     const std::vector<std::size_t>& starts) {
  const TableIndex index(tables);
  for (std::size_t k = 0; k < starts.size(); ++k) {
    const std::size_t pos = starts[k];
    const std::size_t next = k + 1 < starts.size() ? starts[k + 1] : text.size();
    const std::size_t go = FindGoLine(text, pos);
    const std::size_t end = go < next ? go : next;
    const std::string_view statement =
        SqlCursor::SplitTopLevel(text.substr(pos, end - pos), ';')[0];

    SqlCursor cursor(statement);
    cursor.Keyword("alter table");
    auto name = cursor.QualifiedNameParts();
    if (!name) continue;
    const std::string owner = name->size() >= 2 ? (*name)[name->size() - 2] : std::string();
    TableDesign* table = index.Find(owner, name->back());
    if (!table) continue;
    if (!cursor.Keyword("with check")) cursor.Keyword("with nocheck");
    if (!cursor.Keyword("add")) continue;
    for (std::string_view clause : SqlCursor::SplitTopLevel(cursor.Rest(), ',')) {
      ApplyConstraint(*table, clause, owner);
    }
  }
}

namespace {

/// The arguments of one sp_addextendedproperty call at `pos` (just past the procedure's
/// name): positional or "@name =" arguments, each a literal, NULL or a bare or bracketed
/// name. Slots follow the procedure's parameters; absent ones stay empty.
std::vector<std::optional<std::string>> PropertyArguments(std::string_view text, std::size_t pos) {
  static const char* const kArgNames[] = {"@name",       "@value",      "@level0type",
                                          "@level0name", "@level1type", "@level1name",
                                          "@level2type", "@level2name"};
  std::vector<std::optional<std::string>> args(8);
  SqlCursor cursor(text, pos);
  cursor.Char(']');  // the end of a bracketed procedure name
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
    if (!value) value = cursor.Name();
    if (!value) break;
    if (slot >= 0) args[slot] = std::move(value);
  }
  return args;
}

/// A description split at its first ":" into display name and text; every further ":"
/// of the text becomes "-".
std::pair<std::string, std::string> SplitDescription(const std::string& description) {
  const std::size_t colon = description.find(':');
  if (colon == std::string::npos) return {std::string(), gbk::ReplaceAll(description, ":", "-")};
  return {description.substr(0, colon),
          gbk::ReplaceAll(std::string_view(description).substr(colon + 1), ":", "-")};
}

bool Is(const std::optional<std::string>& arg, std::string_view text) {
  return arg && gbk::EqualsIgnoreCase(*arg, text);
}

}  // namespace

void ScriptClauses::ApplyDescriptions(std::vector<TableDesign>& tables, std::string_view text,
                                      const std::vector<std::size_t>& calls) {
  static const std::string kGroupMark = "(\xD7\xE9)";  // "(组)"
  const TableIndex index(tables);
  const std::string_view keyword = "sp_addextendedproperty";
  for (const std::size_t pos : calls) {
    const auto args = PropertyArguments(text, pos + keyword.size());
    // Only descriptions of a table, or of a column of a table, describe the design.
    if (!Is(args[0], "MS_Description") || !Is(args[4], "table") || !args[5]) continue;
    const bool onColumn = args[6] && !args[6]->empty();
    if (onColumn && (!Is(args[6], "column") || !args[7])) continue;
    const std::string description =
        ScriptClauses::NormaliseColons(StripLineBreaks(args[1].value_or("")));
    const std::string& tableName = *args[5];
    // The owner: level 0 names a user or schema.
    const std::string owner =
        Is(args[2], "user") || Is(args[2], "schema") ? args[3].value_or("") : "";
    if (onColumn) {
      const auto [display, note] = SplitDescription(description);
      TableDesign* table = index.Find(owner, tableName);
      if (!table) continue;
      for (ColumnDesign& column : table->columns) {
        if (column.actualName != *args[7]) continue;
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
    const auto [display, comment] = SplitDescription(rest);
    for (TableDesign* table : index.AllOf(owner, tableName)) {
      if (!display.empty()) table->displayName = Cut(display, width::kName);
      if (!comment.empty()) table->comment = Cut(comment, width::kComment);
      if (!group.empty()) table->group = Cut(group, width::kName);
    }
  }
}

std::vector<UserType> ScriptClauses::FindUserTypes(std::string_view text,
                                                   const Keywords& keywords) {
  std::vector<UserType> types;
  auto add = [&types](UserType type) {
    if (type.name.empty() || type.baseType.empty()) return;
    for (const UserType& known : types) {
      if (gbk::EqualsIgnoreCase(known.name, type.name)) return;
    }
    types.push_back(std::move(type));
  };
  // CREATE TYPE [owner.]name FROM base [NULL | NOT NULL]
  for (const std::size_t pos : keywords.createType) {
    SqlCursor cursor(text, pos);
    cursor.Keyword("create type");
    auto name = cursor.QualifiedName();
    if (!name || !cursor.Keyword("from")) continue;
    auto base = cursor.Name();
    if (!base) continue;
    UserType type;
    type.name = Cut(*name, width::kName);
    type.baseType = *base;
    if (auto size = cursor.Parenthesised()) type.baseType += "(" + gbk::Trim(*size) + ")";
    type.notNull = cursor.Keyword("not null");
    add(std::move(type));
  }
  // sp_addtype name, 'base', 'NOT NULL'
  const std::string_view addType = "sp_addtype";
  for (const std::size_t pos : keywords.addType) {
    SqlCursor cursor(text, pos + addType.size());
    cursor.Char(']');
    std::optional<std::string> args[3];
    for (int k = 0; k < 3; ++k) {
      if (k > 0 && !cursor.Char(',')) break;
      const std::size_t before = cursor.pos();
      if (auto argName = cursor.Name(); !(argName && (*argName)[0] == '@' && cursor.Char('='))) {
        cursor = SqlCursor(text, before);
      }
      args[k] = cursor.Literal();
      if (!args[k]) args[k] = cursor.Name();
      if (!args[k]) break;
    }
    if (!args[0] || !args[1]) continue;
    UserType type;
    type.name = Cut(*args[0], width::kName);
    type.baseType = gbk::Trim(*args[1]);
    type.notNull = args[2] && gbk::EqualsIgnoreCase(gbk::Trim(*args[2]), "not null");
    add(std::move(type));
  }
  return types;
}

}  // namespace tablora
