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

std::string WithOriginalName(const std::string& comment, const std::string& originalNote) {
  if (originalNote.empty()) return comment;
  if (comment.empty()) return "// " + originalNote;
  return "// " + originalNote + " " + comment.substr(3);
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
    for (const TableDesign& table : tables) {
      if (!table.actualName.empty()) selected.push_back(&table);
    }
  } else if (index >= 0 && static_cast<std::size_t>(index) < tables.size() &&
             !tables[static_cast<std::size_t>(index)].actualName.empty()) {
    selected.push_back(&tables[static_cast<std::size_t>(index)]);
  }
  return selected;
}

bool IsGenerated(const ColumnDesign& column) { return column.computedExpression.empty(); }

std::string SafeFileName(const std::string& name) {
  std::string safe;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (gbk::IsLeadByte(c) && i + 1 < name.size()) {
      safe.append(name, i, 2);
      ++i;
    } else if (c == '/' || c == '\\' || c == '\0') {
      safe += '_';
    } else {
      safe += static_cast<char>(c);
    }
  }
  return gbk::ReplaceAll(safe, "..", "__");
}

std::string BuildHeaderFile(const std::vector<TableDesign>& tables, int index,
                            const TypeMapper& types, const GenerationOptions& options,
                            AppendTableFn append) {
  std::string out;
  for (const TableDesign* table : SelectTables(tables, index)) append(out, *table, types, options);
  return out;
}

}  // namespace tablora::gen_text
