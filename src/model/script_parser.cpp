#include "model/script_parser.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string_view>

#include "base/gbk_text.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "model/script_clauses.h"
#include "model/sql_names.h"
#include "model/table_body_scanner.h"

namespace tablora {

namespace {

using Iter = std::string::const_iterator;

/// The largest group number of the table pattern's head.
constexpr int kHeadGroups = 8;

/// Group numbers of the table pattern (setting/e1.dat).
enum TableGroup { kOwner = 2, kTableName = 3, kTableDisplay = 6, kTableComment = 7, kBody = 9 };
/// Group numbers of the column pattern (setting/e2.dat).
enum ColumnGroup {
  kColumnName = 1,
  kTypeName = 2,
  kSize = 4,
  kPrecision = 6,
  kScale = 7,
  kIdentity = 8,
  kDefault = 10,
  kBareDefault = 11,
  kNotBeforeNull = 12,
  kCheck = 13,
  kColumnComment = 14,
  kColumnDisplay = 15,
  kNote = 16,
  kComputedName = 18,
  kComputedDefinition = 19,
  kComputedComment = 21,
  kComputedDisplay = 22,
  kComputedNote = 23,
};

const std::string& GroupMark() {
  static const std::string mark = "(\xD7\xE9)";  // "(组)"
  return mark;
}

std::string Text(const boost::smatch& m, int group) {
  return m[group].matched ? m[group].str() : std::string();
}

/// A name group's text; a [bracketed] name's "]]" reads as one "]".
std::string NameText(const boost::smatch& m, int group) {
  const auto& name = m[group];
  if (!name.matched) return {};
  // Only a bracketed or quoted name holds "]", so a character stands before it.
  if (std::find(name.first, name.second, ']') == name.second || *(name.first - 1) != '[')
    return name.str();
  return sql_names::FromInsideBrackets(
      std::string_view(&*name.first, static_cast<std::size_t>(name.second - name.first)));
}

std::string Cut(const std::string& text, std::size_t width) { return gbk::CutToWidth(text, width); }

/// One table as the table pattern found it, before its body is read (the body stays in
/// the script's text).
struct FoundTable {
  std::string owner;
  std::string displayName;
  std::string comment;
  std::pair<Iter, Iter> body;
};

/// A type name with its words separated by single spaces ("double   precision").
std::string TypeName(std::string text) {
  std::string out;
  for (char c : text) {
    if (gbk::IsSpace(c)) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

/// True when `text` ends with the ASCII word `word` (any case); the word is then removed
/// together with the white space before it.
bool TakeLastWord(std::string& text, std::string_view word) {
  if (text.size() < word.size()) return false;
  const std::size_t at = text.size() - word.size();
  if (!gbk::EqualsIgnoreCase(std::string_view(text).substr(at), word)) return false;
  if (at > 0 && gbk::IsSqlNameByte(static_cast<unsigned char>(text[at - 1]), false)) return false;
  text = gbk::Trim(std::string_view(text).substr(0, at));
  return true;
}

ColumnDesign ReadComputedColumn(const boost::smatch& m, bool lineComments) {
  ColumnDesign column;
  column.actualName = Cut(NameText(m, kComputedName), width::kName);
  std::string definition = gbk::Trim(m[kComputedDefinition].str());
  column.nullable = true;
  if (TakeLastWord(definition, "null")) column.nullable = !TakeLastWord(definition, "not");
  column.persisted = TakeLastWord(definition, "persisted");
  column.computedExpression = definition;
  if (lineComments) {
    column.displayName = Cut(Text(m, kComputedDisplay), width::kName);
    column.note = Cut(gbk::TrimChars(Text(m, kComputedNote), "\r\n"), width::kNote);
  }
  return column;
}

ColumnDesign ReadColumn(const boost::smatch& m, bool lineComments) {
  ColumnDesign column;
  column.actualName = Cut(NameText(m, kColumnName), width::kName);
  std::string typeName = TypeName(NameText(m, kTypeName));
  const std::string size = Text(m, kSize);
  if (gbk::EqualsIgnoreCase(size, "max")) {
    typeName += "(max)";  // kept in the name: a zero length would shrink the column to 1
  } else if (m[kPrecision].matched) {
    column.length = std::atoi(m[kPrecision].str().c_str());
    column.scale = std::atoi(Text(m, kScale).c_str());
  } else if (m[kSize].matched) {
    column.length = std::atoi(size.c_str());
  }
  column.typeName = Cut(typeName, width::kTypeName);
  column.identity = Cut(Text(m, kIdentity), width::kIdentity);
  // Expressions are kept whole: a cut one would no longer parse.
  if (m[kDefault].matched) {
    column.defaultValue = m[kDefault].str();
  } else if (m[kBareDefault].matched) {
    column.defaultValue = m[kBareDefault].str();
  }
  column.nullable = !gbk::EqualsIgnoreCase(Text(m, kNotBeforeNull), "not");
  if (m[kCheck].matched) {
    const std::string check = m[kCheck].str();
    column.checkExpression = check.substr(1, check.size() - 2);
  }
  if (lineComments) {
    column.displayName = Cut(Text(m, kColumnDisplay), width::kName);
    column.note = Cut(gbk::TrimChars(Text(m, kNote), "\r\n"), width::kNote);
  }

  // Keys and references written inside the column definition.
  const Iter optionsBegin = m[kTypeName].second;
  const Iter optionsEnd = m[kColumnComment].matched ? m[kColumnComment].first : m[0].second;
  if (optionsBegin < optionsEnd) {
    const std::string options(optionsBegin, optionsEnd);
    ScriptClauses::ApplyColumnConstraints(column, options);
  }
  return column;
}

/// True when the column said NULL or NOT NULL itself.
bool SaysNull(const boost::smatch& m) {
  if (m[kNotBeforeNull].matched) return true;
  const Iter begin = m[kTypeName].second;
  const Iter end = m[kColumnComment].matched ? m[kColumnComment].first : m[0].second;
  return begin < end &&
         ScriptClauses::FindWord(std::string(begin, end), "null") != std::string::npos;
}

}  // namespace

ScriptParser::ScriptParser(std::string programFolder, Prompts* prompts)
    : tablePattern_(programFolder + "/setting/e1.dat"),
      columnPattern_(programFolder + "/setting/e2.dat"),
      prompts_(prompts) {}

void ScriptParser::RefreshTableHead() {
  if (tableHeadLoad_ == tablePattern_.loadCount()) return;
  tableHeadLoad_ = tablePattern_.loadCount();
  tableHead_.reset();
  const std::optional<std::string> head = TableBodyScanner::HeadOf(tablePattern_.pattern());
  if (!head) return;
  try {
    auto compiled = std::make_unique<boost::regex>(*head, boost::regex::perl);
    if (compiled->mark_count() == kHeadGroups) tableHead_ = std::move(compiled);
  } catch (const std::exception&) {
    // An edited head that compiles only with its body: the whole pattern serves.
  }
}

bool ScriptParser::MatchTable(Iter begin, Iter end, boost::smatch& m, std::pair<Iter, Iter>& body) {
  if (tableHead_) {
    // Whatever the whole pattern matches starts with a match of its head.
    if (!boost::regex_search(begin, end, m, *tableHead_, boost::match_continuous)) return false;
    const char* const base = &*begin;
    if (const char* close =
            TableBodyScanner::FindEnd(base + (m[0].second - begin), base + (end - begin))) {
      body = {m[0].second, begin + (close - base)};
      return true;
    }
  }
  if (!boost::regex_search(begin, end, m, *tablePattern_.regex(), boost::match_continuous))
    return false;
  body = m[kBody].matched ? std::pair(m[kBody].first, m[kBody].second) : std::pair(end, end);
  return true;
}

bool ScriptParser::LoadPatterns() {
  const bool tableOk = tablePattern_.Refresh();
  const bool columnOk = columnPattern_.Refresh();
  if (tableOk && columnOk) {
    reportedMissing_ = false;
    return true;
  }
  error_ = !tableOk ? tablePattern_.error() : columnPattern_.error();
  if (prompts_ && !reportedMissing_) {
    static const std::string missing = Cp936(u8"缺少文件!");
    prompts_->ShowMessage(missing, missing);
  }
  reportedMissing_ = true;
  return false;
}

std::vector<TableDesign> ScriptParser::ParseTables(const std::string& text, bool lineComments,
                                                   const ScriptClauses::Keywords* keywords) {
  error_.clear();
  fileOrder_.clear();
  std::vector<TableDesign> tables;
  if (!tablePattern_.regex() || !columnPattern_.regex()) {
    if (!LoadPatterns()) return tables;
  }
  RefreshTableHead();
  const boost::regex& columnRx = *columnPattern_.regex();

  ScriptClauses::Keywords ownKeywords;
  if (!keywords) ownKeywords = ScriptClauses::FindKeywords(text);
  const ScriptClauses::Keywords& places = keywords ? *keywords : ownKeywords;
  userTypes_ = ScriptClauses::FindUserTypes(text, places);
  std::map<std::string, const UserType*> typesByName;
  for (const UserType& type : userTypes_) typesByName.emplace(gbk::ToLowerAscii(type.name), &type);

  // Each search is bounded by the next CREATE TABLE, so an unclosed statement can
  // neither swallow the next table nor make the matcher scan the rest of the script.
  // Keyed by actual name, then owner: tables of one name under two owners are two tables.
  std::map<std::pair<std::string, std::string>, FoundTable> found;
  const std::vector<std::size_t>& starts = places.createTable;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const Iter begin = text.begin() + static_cast<std::ptrdiff_t>(starts[i]);
    const Iter end = i + 1 < starts.size()
                         ? text.begin() + static_cast<std::ptrdiff_t>(starts[i + 1])
                         : text.end();
    boost::smatch m;
    FoundTable table;
    try {
      if (!MatchTable(begin, end, m, table.body)) continue;
    } catch (const std::runtime_error& e) {
      error_ = Cp936(u8"脚本太复杂, 有的表没有读出来:\n") + e.what();
      continue;
    }
    table.owner = NameText(m, kOwner);
    if (lineComments) {
      table.displayName = Text(m, kTableDisplay);
      table.comment = Text(m, kTableComment);
    }
    std::string name = Cut(NameText(m, kTableName), width::kName);
    fileOrder_.push_back({Cut(table.owner, width::kName), name});
    std::string owner = gbk::ToLowerAscii(OwnerOrDbo(table.owner));
    found[{std::move(name), std::move(owner)}] = std::move(table);
  }

  for (auto& [key, foundTable] : found) {
    TableDesign table;
    table.actualName = key.first;
    table.owner = Cut(foundTable.owner, width::kName);
    table.displayName = Cut(foundTable.displayName, width::kName);
    const std::string comment = gbk::TrimChars(foundTable.comment, "\r\n");
    table.comment = Cut(comment, width::kComment);
    const std::size_t mark = comment.find(GroupMark());
    if (mark != std::string::npos)
      table.group = Cut(comment.substr(mark + GroupMark().size()), width::kName);

    const auto [bodyBegin, bodyEnd] = foundTable.body;
    // Columns mostly stand one to a line: room for them all saves moving them as they come.
    table.columns.reserve(static_cast<std::size_t>(std::count(bodyBegin, bodyEnd, '\n')) + 1);
    boost::smatch m;
    auto flags = boost::match_not_null;
    try {
      for (Iter it = bodyBegin; boost::regex_search(it, bodyEnd, m, columnRx, flags);
           it = m[0].second) {
        flags = flags | boost::match_prev_avail;
        if (m[kColumnName].matched) {
          table.columns.push_back(ReadColumn(m, lineComments));
          // A user type defined NOT NULL makes a column that says nothing NOT NULL.
          auto type = typesByName.find(gbk::ToLowerAscii(table.columns.back().typeName));
          if (type != typesByName.end() && type->second->notNull && !SaysNull(m)) {
            table.columns.back().nullable = false;
          }
        } else if (m[kComputedName].matched) {
          table.columns.push_back(ReadComputedColumn(m, lineComments));
        } else {
          ScriptClauses::ApplyConstraint(table, gbk::Trim(std::string(m[0].first, m[0].second)));
        }
      }
    } catch (const std::runtime_error& e) {
      error_ = Cp936(u8"脚本太复杂, 有的表没有读出来:\n") + e.what();
    }
    tables.push_back(std::move(table));
  }

  ScriptClauses::ApplyDescriptions(tables, text, places.addProperty);
  ScriptClauses::ApplyAlterTables(tables, text, places.alterTable);
  for (TableDesign& table : tables) {
    const std::string owner = table.owner.empty() ? "dbo" : table.owner;
    for (ColumnDesign& column : table.columns) {
      // The server keeps no NULL in key and identity columns.
      if (column.primaryKey || !column.identity.empty()) column.nullable = false;
      // A reference to the table's own owner names no owner of its own.
      if (column.foreignKeyRef && gbk::EqualsIgnoreCase(column.foreignKeyRef->refOwner, owner)) {
        column.foreignKeyRef->refOwner.clear();
      }
    }
  }
  return tables;
}

std::optional<TableDesign> ScriptParser::ParseTableText(const std::string& text) {
  error_.clear();
  if (text.empty()) return std::nullopt;
  if (!LoadPatterns()) return std::nullopt;
  std::vector<TableDesign> tables = ParseTables(ScriptClauses::NormaliseColons(text));
  if (tables.empty()) return std::nullopt;
  return std::move(tables.front());
}

}  // namespace tablora
