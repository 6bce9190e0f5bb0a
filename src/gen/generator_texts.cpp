#include "gen/generator_texts.h"

#include <unordered_map>
#include <unordered_set>

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

std::vector<std::string> TypeNames(const std::vector<TableDesign>& tables, CodeLanguage language) {
  std::vector<std::string> plain(tables.size());
  std::unordered_map<std::string, int> uses;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    plain[i] = CodeNames::TypeName(tables[i], language);
    ++uses[gbk::ToLowerAscii(plain[i])];
  }
  std::vector<std::string> names(tables.size());
  std::vector<bool> shared(tables.size(), false);
  std::unordered_set<std::string> taken;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (tables[i].actualName.empty()) continue;
    if (uses[gbk::ToLowerAscii(plain[i])] == 1) {
      names[i] = plain[i];
      taken.insert(gbk::ToLowerAscii(plain[i]));
    } else {
      shared[i] = true;  // named below, once every plain name is taken
    }
  }
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (!shared[i]) continue;
    const std::string base = CodeNames::Identifier(
        OwnerOrDbo(tables[i].owner) + "_" + tables[i].actualName, language, true);
    std::string name = base;
    for (int k = 2; taken.count(gbk::ToLowerAscii(name)) != 0; ++k)
      name = base + "_" + std::to_string(k);
    taken.insert(gbk::ToLowerAscii(name));
    names[i] = name;
  }
  return names;
}

bool IsGenerated(const ColumnDesign& column) { return column.computedExpression.empty(); }

std::string SafeFileName(const std::string& name) {
  std::string safe;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (const std::size_t size = gbk::CharSize(name, i); size > 1) {
      safe.append(name, i, size);
      i += size - 1;
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
                            CodeLanguage language, AppendTableFn append) {
  std::string out;
  const std::vector<std::string> names = TypeNames(tables, language);
  for (const TableDesign* table : SelectTables(tables, index)) {
    const std::string& name = names[static_cast<std::size_t>(table - tables.data())];
    if (name == CodeNames::TypeName(*table, language)) {
      append(out, *table, types, options);
    } else {
      // Two tables of one name (under two owners, or alike once made identifiers): one
      // declaration each.
      TableDesign renamed = *table;
      renamed.actualName = name;
      append(out, renamed, types, options);
    }
  }
  return out;
}

}  // namespace tablora::gen_text
