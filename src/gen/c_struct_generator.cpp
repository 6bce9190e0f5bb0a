#include "gen/c_struct_generator.h"

#include "gen/code_names.h"
#include "gen/generator_texts.h"

namespace tablora {

std::string CStructGenerator::Build(const std::vector<TableDesign>& tables, const TypeMapper& types,
                                    const GenerationOptions& options, int index) {
  return gen_text::BuildHeaderFile(tables, index, types, options, CodeLanguage::kC,
                                   &AppendTable);
}

void CStructGenerator::AppendTable(std::string& out, const TableDesign& table,
                                   const TypeMapper& types, const GenerationOptions& options) {
  const std::string typeName = CodeNames::TypeName(table, CodeLanguage::kC);
  out += gen_text::WithOriginalName(gen_text::TableHeader(table),
                                    CodeNames::OriginalNote(table.actualName, typeName));
  out += "\ntypedef struct{\n";
  const std::vector<std::string> members = CodeNames::MemberNames(table, CodeLanguage::kC);
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const ColumnDesign& column = table.columns[i];
    if (!gen_text::IsGenerated(column)) continue;
    const MappedType type = types.Resolve(column);
    out += types.CType(type);
    out += ' ';
    if (options.prefix) out += types.CPrefix(type);
    out += members[i];
    if (type.length > 0 && !type.unbounded) {
      out += '[';
      out += std::to_string(type.length);
      out += ']';
    }
    out += ";\t";
    out += gen_text::WithOriginalName(
        gen_text::ColumnComment(column, /*markNamelessColumns=*/true),
        CodeNames::OriginalNote(column.actualName, members[i]));
    out += '\n';
  }
  out += '}';
  out += typeName;
  out += ";\n\n";
}

}  // namespace tablora
