#include "gen/generator_texts.h"

#include "base/gbk_text.h"

namespace tablora::gen_text {

std::string ColumnComment(const ColumnDesign& column, bool markNamelessColumns) {
  std::string text;
  if (!column.displayName.empty() || (markNamelessColumns && column.actualName.empty())) {
    text += "// ";
    text += column.displayName;
    text += ':';
  }
  if (!column.note.empty()) {
    if (text.empty()) text += "// ";
    text += column.note;
  }
  return text;
}

std::string TableHeader(const TableDesign& table) {
  std::string text;
  if (!table.displayName.empty()) {
    text += "// ";
    text += table.displayName;
    text += ':';
  }
  if (!table.comment.empty()) {
    text += text.empty() ? "// " : " ";
    text += table.comment;
  }
  return text;
}

bool IsDateTimeType(const std::string& typeName) {
  static const std::string kDateTime = "datetime";
  return typeName.size() >= kDateTime.size() &&
         gbk::EqualsIgnoreCase(std::string_view(typeName).substr(0, kDateTime.size()), kDateTime);
}

std::vector<const TableDesign*> SelectTables(const std::vector<TableDesign>& tables, int index) {
  std::vector<const TableDesign*> selected;
  if (index == -1) {
    selected.reserve(tables.size());
    for (const TableDesign& table : tables) selected.push_back(&table);
  } else if (index >= 0 && static_cast<std::size_t>(index) < tables.size()) {
    selected.push_back(&tables[static_cast<std::size_t>(index)]);
  }
  return selected;
}

}  // namespace tablora::gen_text
