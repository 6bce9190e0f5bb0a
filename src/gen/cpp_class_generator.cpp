#include "gen/cpp_class_generator.h"

#include "gen/generator_texts.h"

namespace tablora {

std::string CppClassGenerator::Build(const std::vector<TableDesign>& tables,
                                     const TypeMapper& types, const GenerationOptions& options,
                                     int index) {
  return gen_text::BuildHeaderFile(tables, index, types, options, &AppendTable);
}

void CppClassGenerator::AppendTable(std::string& out, const TableDesign& table,
                                    const TypeMapper& types, const GenerationOptions& options) {
  out += gen_text::TableHeader(table);
  out += "\nclass ";
  out += table.actualName;
  out += "\n{\n";

  std::string methods;
  bool first = true;
  for (const ColumnDesign& column : table.columns) {
    if (!gen_text::IsGenerated(column)) continue;
    if (first) {
      out += options.accessors ? "private:\n" : "public:\n";
      if (options.accessors) {
        methods += "\npublic:\n" + table.actualName + "() { }\n~" + table.actualName + "() { }\n";
      }
      first = false;
    }
    const MappedType type = types.Resolve(column);
    const std::string cType = types.CType(type);
    const std::string cPrefix = types.CPrefix(type);
    const int length = type.unbounded ? 0 : type.length;
    out += cType;
    out += ' ';
    if (options.accessors) out += "m_";
    if (options.prefix) out += cPrefix;
    out += column.actualName;
    if (length > 0) {
      out += '[';
      out += std::to_string(length);
      out += ']';
    }
    out += ";\t";
    out += gen_text::ColumnComment(column);
    out += '\n';
    if (options.accessors) AppendAccessors(methods, column, length, cType, cPrefix, options);
  }
  out += methods;
  out += "\n};\n\n";
}

void CppClassGenerator::AppendAccessors(std::string& methods, const ColumnDesign& column,
                                        int length, const std::string& cType,
                                        const std::string& cPrefix,
                                        const GenerationOptions& options) {
  const std::string& name = column.actualName;
  const std::string param = options.prefix ? cPrefix + name : name;
  const std::string member = "m_" + param;
  const bool charArray = cPrefix == "ac" && length > 0;
  if (charArray) {
    methods += "void Get" + name + "(" + cType + "* " + param + ")\n{\nstrcpy(" + param + ", " +
               member + ");\n}\n ";
    methods += "void  Set" + name + "(const " + cType + "* " + param + ")\n{\nstrcpy(" + member +
               ", " + param + ");\n}\n ";
  } else if (length > 0) {
    // Any other array cannot be returned or assigned: its accessors copy the whole array.
    methods += "void Get" + name + "(" + cType + "* " + param + ")\n{\nmemcpy(" + param + ", " +
               member + ", sizeof(" + member + "));\n}\n ";
    methods += "void  Set" + name + "(const " + cType + "* " + param + ")\n{\nmemcpy(" + member +
               ", " + param + ", sizeof(" + member + "));\n}\n ";
  } else {
    methods += cType + " Get" + name + "()\n{\nreturn " + member + ";\n}\n ";
    // A pointer to constant text is taken as it is ("const const" is no type).
    const std::string paramType = cType.rfind("const ", 0) == 0 ? cType : "const " + cType;
    methods += "void  Set" + name + "(" + paramType + " " + param + ")\n{\n" + member + " = " +
               param + ";\n}\n ";
  }
}

}  // namespace tablora
