#include "gen/c_struct_generator.h"

#include "gen/generator_texts.h"

namespace tablora {

std::string CStructGenerator::Build(const std::vector<TableDesign>& tables,
                                    const Settings& settings, const GenerationOptions& options,
                                    int index) {
  std::string out;
  for (const TableDesign* table : gen_text::SelectTables(tables, index)) {
    AppendTable(out, *table, settings, options);
  }
  return out;
}

void CStructGenerator::AppendTable(std::string& out, const TableDesign& table,
                                   const Settings& settings, const GenerationOptions& options) {
  out += gen_text::TableHeader(table);
  out += "\ntypedef struct{\n";
  for (const ColumnDesign& column : table.columns) {
    const std::string cType = settings.LookupCType(column.typeName);
    out += cType;
    out += ' ';
    if (options.prefix) out += settings.LookupCPrefix(cType, column.length);
    out += column.actualName;
    if (column.length > 0) {
      out += '[';
      out += std::to_string(column.length);
      out += ']';
    }
    out += ";\t";
    out += gen_text::ColumnComment(column, /*markNamelessColumns=*/true);
    out += '\n';
  }
  out += '}';
  out += table.actualName;
  out += ";\n\n";
}

}  // namespace tablora
