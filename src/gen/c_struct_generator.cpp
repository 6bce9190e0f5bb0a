#include "gen/c_struct_generator.h"

#include "gen/generator_texts.h"

namespace tablora {

std::string CStructGenerator::Build(const std::vector<TableDesign>& tables, const TypeMapper& types,
                                    const GenerationOptions& options, int index) {
  return gen_text::BuildHeaderFile(tables, index, types, options, &AppendTable);
}

void CStructGenerator::AppendTable(std::string& out, const TableDesign& table,
                                   const TypeMapper& types, const GenerationOptions& options) {
  out += gen_text::TableHeader(table);
  out += "\ntypedef struct{\n";
  for (const ColumnDesign& column : table.columns) {
    if (!gen_text::IsGenerated(column)) continue;
    const MappedType type = types.Resolve(column);
    out += types.CType(type);
    out += ' ';
    if (options.prefix) out += types.CPrefix(type);
    out += column.actualName;
    if (type.length > 0 && !type.unbounded) {
      out += '[';
      out += std::to_string(type.length);
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
