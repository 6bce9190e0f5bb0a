#include "gen/cpp_class_generator.h"

#include "gen/generator_texts.h"

namespace tablora {

std::string CppClassGenerator::Build(const std::vector<TableDesign>& tables,
                                     const Settings& settings, const GenerationOptions& options,
                                     int index) {
  std::string out;
  for (const TableDesign* table : gen_text::SelectTables(tables, index)) {
    AppendTable(out, *table, settings, options);
  }
  return out;
}

void CppClassGenerator::AppendTable(std::string& out, const TableDesign& table,
                                    const Settings& settings, const GenerationOptions& options) {
  out += gen_text::TableHeader(table);
  out += "\nclass ";
  out += table.actualName;
  out += "\n{\n";

  std::string methods;
  bool first = true;
  for (const ColumnDesign& column : table.columns) {
    if (first) {
      out += options.accessors ? "private:\n" : "public:\n";
      if (options.accessors) {
        methods += "\npublic:\n" + table.actualName + "() { }\n~" + table.actualName + "() { }\n";
      }
      first = false;
    }
    const std::string cType = settings.LookupCType(column.typeName);
    const std::string cPrefix = settings.LookupCPrefix(cType, column.length);
    out += cType;
    out += ' ';
    if (options.accessors) out += "m_";
    if (options.prefix) out += cPrefix;
    out += column.actualName;
    if (column.length > 0) {
      out += '[';
      out += std::to_string(column.length);
      out += ']';
    }
    out += ";\t";
    out += gen_text::ColumnComment(column);
    out += '\n';
    if (options.accessors) AppendAccessors(methods, column, cType, cPrefix, options);
  }
  out += methods;
  out += "\n};\n\n";
}

void CppClassGenerator::AppendAccessors(std::string& methods, const ColumnDesign& column,
                                        const std::string& cType, const std::string& cPrefix,
                                        const GenerationOptions& options) {
  const std::string& name = column.actualName;
  const std::string param = options.prefix ? cPrefix + name : name;
  const std::string member = "m_" + param;
  const bool charArray = cPrefix == "ac" && column.length > 0;
  if (charArray) {
    methods += "void Get" + name + "(" + cType + "* " + param + ")\n{\nstrcpy(" + param + ", " +
               member + ");\n}\n ";
    methods += "void  Set" + name + "(const " + cType + "* " + param + ")\n{\nstrcpy(" + member +
               ", " + param + ");\n}\n ";
  } else if (column.length > 0) {
    // Any other array cannot be returned or assigned: its accessors copy the whole array.
    methods += "void Get" + name + "(" + cType + "* " + param + ")\n{\nmemcpy(" + param + ", " +
               member + ", sizeof(" + member + "));\n}\n ";
    methods += "void  Set" + name + "(const " + cType + "* " + param + ")\n{\nmemcpy(" + member +
               ", " + param + ", sizeof(" + member + "));\n}\n ";
  } else {
    methods += cType + " Get" + name + "()\n{\nreturn " + member + ";\n}\n ";
    methods += "void  Set" + name + "(const " + cType + " " + param + ")\n{\n" + member + " = " +
               param + ";\n}\n ";
  }
}

}  // namespace tablora
