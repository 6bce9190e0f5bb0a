#include "convert/struct_reader.h"

#include <cstdlib>

#include "base/gbk_text.h"
#include "convert/c_comment.h"
#include "convert/source_text.h"

namespace tablora {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kTypedefStruct = "typedef struct";
constexpr std::string_view kStruct = "struct ";

/// A structure name: trimmed and cut at the first comma, blank, tab or "{".
std::string_view CutName(std::string_view text) {
  text = source_text::Trim(text);
  return text.substr(0, std::min(text.size(), text.find_first_of(", \t{")));
}

/// The rest of the line after `from`, without its line end and its comment; nothing when
/// no line feed follows.
std::optional<std::string> RestOfLine(std::string_view text, std::size_t from) {
  std::size_t end = text.find('\n', from);
  if (end == npos) return std::nullopt;
  if (end > from && text[end - 1] == '\r') --end;
  return CComment::OfLine(text.substr(from, end - from)).code;
}

/// Reads the structure whose keyword stands at `at` (the body from the next "{" to the
/// "}" after it) into `tables`; `resume` is where scanning goes on. False when the text
/// has no further body.
bool ReadStructure(std::string_view text, std::size_t at, std::size_t keywordLength,
                   std::string_view candidate, std::vector<TableDesign>& tables,
                   std::size_t& resume) {
  const std::size_t open = source_text::Find(text, "{", at + keywordLength);
  if (open == npos) return false;
  const std::size_t close = source_text::Find(text, "}", open + 1);
  if (close == npos) return false;
  resume = close + 1;
  std::string_view name = candidate;
  if (name.empty()) {
    // The ";" that ends this declaration, not one of a later structure.
    const std::size_t semicolon = source_text::FindFirstOf(text, ";{", close + 1);
    if (semicolon != npos && text[semicolon] == ';') {
      name = text.substr(close + 1, semicolon - close - 1);
    }
  }
  name = CutName(name);
  if (name.empty()) return true;

  TableDesign table;
  table.actualName = gbk::CutToWidth(name, width::kName);
  table.columns = StructReader::ReadBody(text.substr(open + 1, close - open - 1));
  const TableComment comment = TableComment::Parse(CComment::ForLineAt(text, at));
  if (!comment.displayName.empty())
    table.displayName = gbk::CutToWidth(comment.displayName, width::kName);
  if (!comment.comment.empty()) table.comment = gbk::CutToWidth(comment.comment, width::kComment);
  if (!comment.group.empty()) table.group = gbk::CutToWidth(comment.group, width::kName);
  tables.push_back(std::move(table));
  return true;
}

}  // namespace

std::vector<TableDesign> StructReader::Read(std::string_view text) {
  std::vector<TableDesign> tables;
  // Pass 1: "typedef struct", named after the closing brace. A typedef of a structure
  // declared elsewhere ("typedef struct tagA A;") has no body of its own.
  for (std::size_t at = source_text::Find(text, kTypedefStruct); at != npos;) {
    std::size_t resume = at + kTypedefStruct.size();
    const auto rest = RestOfLine(text, resume);
    if (!rest || rest->find(';') == std::string::npos) {
      if (!ReadStructure(text, at, kTypedefStruct.size(), {}, tables, resume)) break;
    }
    at = source_text::Find(text, kTypedefStruct, resume);
  }
  // Pass 2: every other "struct " whose line declares nothing (no ";").
  for (std::size_t at = source_text::Find(text, kStruct); at != npos;) {
    std::size_t resume = at + kStruct.size();
    // "typedef" and one separator before it: pass 1 read it.
    const bool typedefBefore = at >= 8 && text.substr(at - 8, 7) == "typedef";
    const auto rest = typedefBefore ? std::nullopt : RestOfLine(text, resume);
    if (rest && rest->find(';') == std::string::npos) {
      if (!ReadStructure(text, at, kStruct.size(), CutName(*rest), tables, resume)) break;
    }
    at = source_text::Find(text, kStruct, resume);
  }
  return tables;
}

std::optional<ColumnDesign> StructReader::ReadMember(std::string_view code,
                                                     std::string_view comment) {
  const std::size_t semicolon = code.find(';');
  if (semicolon == npos) return std::nullopt;
  std::size_t end = semicolon;
  std::optional<std::string_view> array;
  const std::size_t close = source_text::FindLast(code.substr(0, semicolon), "]", semicolon);
  if (close != npos) {
    const std::size_t open = source_text::FindLast(code.substr(0, close), "[", close);
    if (open != npos) {
      array = code.substr(open + 1, close - open - 1);
      end = open;
    }
  }
  while (end > 0 && (code[end - 1] == ' ' || code[end - 1] == '\t')) --end;
  const std::size_t blank = end == 0 ? npos : code.find_last_of(" \t", end - 1);
  if (blank == npos) return std::nullopt;
  std::string name(code.substr(blank + 1, end - blank - 1));

  std::string type;
  for (char c : code.substr(0, blank)) {
    if (c != ':') type += c;
  }
  type = std::string(source_text::Trim(type, " \t"));
  if (!type.empty() && (type.back() == '*' || type.back() == '&')) {
    name.insert(name.begin(), type.back());
    type.pop_back();
    type = std::string(source_text::Trim(type, " \t"));
  }
  if (type.empty()) return std::nullopt;
  std::string joined;  // runs of blanks and tabs become one "+"
  for (char c : type) {
    const bool blank = c == ' ' || c == '\t';
    if (!blank)
      joined += c;
    else if (joined.back() != '+')
      joined += '+';
  }

  ColumnDesign column;
  column.actualName = gbk::CutToWidth(name, width::kName);
  column.typeName = gbk::CutToWidth(joined, width::kTypeName);
  if (array) {
    column.length = std::atoi(std::string(*array).c_str());
    if (column.length == 0) column.defaultValue = gbk::CutToWidth(*array, width::kDefault);
  }
  if (!comment.empty()) {
    const MemberComment parts = MemberComment::Parse(comment);
    if (!parts.displayName.empty())
      column.displayName = gbk::CutToWidth(parts.displayName, width::kName);
    if (!parts.note.empty()) column.note = gbk::CutToWidth(parts.note, width::kNote);
  }
  return column;
}

std::vector<ColumnDesign> StructReader::ReadBody(std::string_view body) {
  std::vector<ColumnDesign> columns;
  std::string commentAbove;  // the comment of the line above when it holds nothing else
  for (std::string_view line : source_text::SplitLines(body)) {
    const CComment comment = CComment::OfLine(line);
    const std::string& own = comment.found ? comment.text : commentAbove;
    if (auto column = ReadMember(comment.code, own)) columns.push_back(std::move(*column));
    // The rest of the line of "{" belongs to the structure, not to its first member.
    const bool firstPiece = line.data() == body.data();
    commentAbove = comment.onlyComment() && !firstPiece ? comment.text : std::string();
  }
  return columns;
}

}  // namespace tablora
