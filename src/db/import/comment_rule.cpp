#include "db/import/comment_rule.h"

#include "base/gbk_text.h"
#include "model/script_clauses.h"

namespace tablora {

namespace {

std::string Normalise(const std::string& text) {
  std::string t = gbk::ReplaceAll(gbk::ReplaceAll(text, "\n", ""), "\r", "");
  return ScriptClauses::NormaliseColons(t);
}

TableDesign* FindTable(std::vector<TableDesign>& tables, const std::string& name) {
  for (TableDesign& t : tables)
    if (gbk::EqualsIgnoreCase(t.actualName, name)) return &t;
  return nullptr;
}

void Set(std::string& field, const std::string& value, std::size_t width) {
  if (!value.empty()) field = gbk::CutToWidth(value, width);
}

}  // namespace

void CommentRule::ApplyToTable(std::vector<TableDesign>& tables, const std::string& table,
                               const std::string& text) {
  if (TableDesign* t = FindTable(tables, table)) ApplyToTable(*t, text);
}

void CommentRule::ApplyToTable(TableDesign& table, const std::string& text) {
  static const std::string kGroupMark = "(\xD7\xE9)";  // "(组)"
  TableDesign* t = &table;
  const std::string comment = Normalise(text);
  std::string rest = comment;
  std::string group;
  const std::size_t mark = comment.find(kGroupMark);
  if (mark != std::string::npos) {
    group = comment.substr(mark + kGroupMark.size());
    rest = comment.substr(0, mark);
  }
  std::string display;
  const std::size_t colon = rest.find(':');
  if (colon != std::string::npos) {
    display = rest.substr(0, colon);
    rest = rest.substr(colon + 1);
  }
  Set(t->displayName, display, width::kName);
  Set(t->comment, gbk::ReplaceAll(rest, ":", "-"), width::kComment);
  Set(t->group, group, width::kName);
}

void CommentRule::ApplyToColumn(std::vector<TableDesign>& tables, const std::string& table,
                                const std::string& column, const std::string& text) {
  if (TableDesign* t = FindTable(tables, table)) ApplyToColumn(*t, column, text);
}

void CommentRule::ApplyToColumn(TableDesign& table, const std::string& column,
                                const std::string& text) {
  TableDesign* t = &table;
  const std::string comment = Normalise(text);
  std::string display;
  std::string note = comment;
  const std::size_t colon = comment.find(':');
  if (colon != std::string::npos) {
    display = comment.substr(0, colon);
    note = comment.substr(colon + 1);
  }
  for (ColumnDesign& c : t->columns) {
    if (c.actualName != column) continue;
    Set(c.displayName, display, width::kName);
    Set(c.note, gbk::ReplaceAll(note, ":", "-"), width::kNote);
    return;
  }
}

}  // namespace tablora
