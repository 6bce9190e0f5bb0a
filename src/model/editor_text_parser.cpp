#include "model/editor_text_parser.h"

#include <cstdlib>
#include <string_view>

#include "app/gbk_text.h"
#include "app/text_codec.h"

namespace tablora {

namespace {

using Pos = std::string::size_type;
constexpr Pos npos = std::string::npos;

/// The text between "[" at or after `from` and the next "]"; `next` is set past the "]".
std::optional<std::string> Bracketed(const std::string& text, Pos from, Pos limit, Pos* next) {
  const Pos open = text.find('[', from);
  if (open == npos || open >= limit) return std::nullopt;
  const Pos close = text.find(']', open + 1);
  if (close == npos || close >= limit) return std::nullopt;
  if (next) *next = close + 1;
  return text.substr(open + 1, close - open - 1);
}

/// The text inside the parentheses that open at `open`, up to the matching ")".
std::optional<std::string> Parenthesised(const std::string& text, Pos open, Pos* next) {
  int depth = 0;
  for (Pos i = open; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) {
      if (next) *next = i + 1;
      return text.substr(open + 1, i - open - 1);
    }
  }
  return std::nullopt;
}

/// Splits "display:rest" at the first ":"; without one the display part is empty.
void SplitComment(const std::string& comment, std::string& display, std::string& rest) {
  const Pos colon = comment.find(':');
  if (colon == npos) {
    display.clear();
    rest = comment;
  } else {
    display = comment.substr(0, colon);
    rest = comment.substr(colon + 1);
  }
}

ColumnDesign ParseColumnLine(const std::string& line) {
  ColumnDesign column;
  Pos at = 0;
  column.actualName = gbk::CutToWidth(Bracketed(line, 0, line.size(), &at).value_or(""), width::kName);
  while (at < line.size() && line[at] == ' ') ++at;
  if (at < line.size() && line[at] == '[') {
    const Pos close = line.find(']', at);
    if (close != npos) {
      column.typeName = line.substr(at + 1, close - at - 1);
      at = close + 1;
    }
  } else {
    const Pos end = line.find_first_of("( ,", at);
    column.typeName = line.substr(at, end == npos ? npos : end - at);
    at = end == npos ? line.size() : end;
  }
  column.typeName = gbk::CutToWidth(column.typeName, width::kTypeName);
  if (at < line.size() && line[at] == '(') {
    Pos after = at;
    if (auto size = Parenthesised(line, at, &after)) {
      const Pos comma = size->find(',');
      column.length = std::atoi(size->c_str());
      if (comma != npos) column.scale = std::atoi(size->c_str() + comma + 1);
      at = after;
    }
  }

  const Pos commentAt = line.find("--", at);
  const std::string body = line.substr(at, commentAt == npos ? npos : commentAt - at);
  const Pos identity = body.find("IDENTITY");
  if (identity != npos) {
    column.identity = body.compare(identity, 14, "IDENTITY (1,1)") == 0 ? "IDENTITY (1,1)" : "IDENTITY";
  }
  const Pos defaultAt = body.find("DEFAULT (");
  if (defaultAt != npos) {
    const auto value = Parenthesised(body, defaultAt + 8, nullptr);
    column.defaultValue = gbk::CutToWidth(value.value_or(""), width::kDefault);
  }
  column.nullable = body.find("NOT NULL") == npos && body.find("NULL") != npos;

  if (commentAt != npos) {
    std::string display, note;
    SplitComment(gbk::TrimChars(line.substr(commentAt + 2), "\r\n"), display, note);
    column.displayName = gbk::CutToWidth(display, width::kName);
    column.note = gbk::CutToWidth(note, width::kNote);
  }
  return column;
}

ColumnDesign* FindColumn(TableDesign& table, const std::string& name) {
  for (ColumnDesign& column : table.columns) {
    if (column.actualName == name) return &column;
  }
  return nullptr;
}

/// Applies the clauses of one ALTER TABLE statement to the table.
void ApplyConstraints(const std::string& statement, TableDesign& table) {
  Pos at = statement.find("CONSTRAINT [");
  while (at != npos) {
    Pos next = at + 1;
    const Pos keyAt = statement.find(" PRIMARY KEY", at);
    const Pos checkAt = statement.find(" CHECK (", at);
    const Pos foreignAt = statement.find(" FOREIGN KEY", at);
    const Pos nextClause = statement.find("CONSTRAINT [", at + 1);
    auto inClause = [&](Pos p) { return p != npos && (nextClause == npos || p < nextClause); };

    if (inClause(keyAt)) {
      const Pos open = statement.find('(', keyAt);
      const Pos close = open == npos ? npos : statement.find(')', open);
      Pos from = open;
      while (close != npos) {
        Pos after = from;
        const auto name = Bracketed(statement, from, close, &after);
        if (!name) break;
        if (ColumnDesign* column = FindColumn(table, *name)) column->primaryKey = true;
        from = after;
      }
    } else if (inClause(checkAt)) {
      Pos after = checkAt;
      const auto expression = Parenthesised(statement, checkAt + 7, &after);
      if (expression) {
        const auto name = Bracketed(*expression, 0, expression->size(), nullptr);
        ColumnDesign* column = name ? FindColumn(table, *name) : nullptr;
        if (column) column->checkExpression = gbk::CutToWidth(*expression, width::kCheck);
      }
    } else if (inClause(foreignAt)) {
      Pos after = at;
      const auto constraintName = Bracketed(statement, at, statement.size(), nullptr);
      const auto columnName = Bracketed(statement, foreignAt, statement.size(), &after);
      const Pos refAt = statement.find("REFERENCES ", after);
      if (constraintName && columnName && refAt != npos) {
        const Pos dot = statement.find(".[", refAt);
        Pos refNext = refAt;
        const auto refTable = dot == npos ? std::nullopt : Bracketed(statement, dot + 1, statement.size(), &refNext);
        const auto refColumn = refTable ? Bracketed(statement, refNext, statement.size(), nullptr) : std::nullopt;
        ColumnDesign* column = FindColumn(table, *columnName);
        if (column && refColumn) {
          column->foreignKey = true;
          column->foreignKeyRef = std::make_unique<ForeignKeyRef>(
              ForeignKeyRef{gbk::CutToWidth(*constraintName, width::kName),
                            gbk::CutToWidth(*refTable, width::kName), gbk::CutToWidth(*refColumn, width::kName)});
        }
      }
    }
    at = statement.find("CONSTRAINT [", next);
  }
}

}  // namespace

std::optional<TableDesign> EditorTextParser::ParseFirstTable(const std::string& text) {
  static const std::string groupMark = Cp936(u8"(组)");
  const Pos start = text.find("CREATE TABLE [");
  if (start == npos) return std::nullopt;
  Pos lineEnd = text.find('\n', start);
  if (lineEnd == npos) lineEnd = text.size();
  const std::string header = text.substr(start, lineEnd - start);

  TableDesign table;
  Pos at = 0;
  const auto first = Bracketed(header, 0, header.size(), &at);
  if (!first) return std::nullopt;
  if (header.compare(at, 2, ".[") == 0) {
    table.owner = *first;
    table.actualName = Bracketed(header, at, header.size(), &at).value_or("");
  } else {
    table.actualName = *first;
  }
  if (table.actualName.empty()) return std::nullopt;
  table.actualName = gbk::CutToWidth(table.actualName, width::kName);
  const Pos commentAt = header.find("--", at);
  if (commentAt != npos) {
    SplitComment(gbk::TrimChars(header.substr(commentAt + 2), "\r\n"), table.displayName, table.comment);
    const Pos mark = table.comment.find(groupMark);
    if (mark != npos) table.group = table.comment.substr(mark + groupMark.size());
  }

  Pos lineStart = lineEnd + 1;
  Pos bodyEnd = text.size();
  while (lineStart < text.size()) {
    Pos end = text.find('\n', lineStart);
    if (end == npos) end = text.size();
    const std::string line = gbk::TrimChars(text.substr(lineStart, end - lineStart), " \t\r");
    if (!line.empty() && line[0] == ')') {
      bodyEnd = end;
      break;
    }
    if (!line.empty() && line[0] == '[') table.columns.push_back(ParseColumnLine(line));
    lineStart = end + 1;
  }

  for (Pos alter = text.find("ALTER TABLE [", bodyEnd); alter != npos;
       alter = text.find("ALTER TABLE [", alter + 1)) {
    Pos end = text.find("\nGO", alter);
    const std::string statement = text.substr(alter, end == npos ? npos : end - alter);
    const Pos dot = statement.find(".[");
    const auto name = dot == npos ? std::nullopt : Bracketed(statement, dot + 1, statement.size(), nullptr);
    if (name && gbk::EqualsIgnoreCase(*name, table.actualName)) ApplyConstraints(statement, table);
  }
  return table;
}

}  // namespace tablora
