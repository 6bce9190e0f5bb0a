#include "gen/cpp_class_generator.h"

#include "gen/code_names.h"
#include "gen/generator_texts.h"

namespace tablora {

std::string CppClassGenerator::Build(const std::vector<TableDesign>& tables,
                                     const TypeMapper& types, const GenerationOptions& options,
                                     int index) {
  return gen_text::BuildHeaderFile(tables, index, types, options, CodeLanguage::kCpp,
                                   &AppendTable);
}

void CppClassGenerator::AppendTable(std::string& out, const TableDesign& table,
                                    const TypeMapper& types, const GenerationOptions& options) {
  const std::string className = CodeNames::TypeName(table, CodeLanguage::kCpp);
  out += gen_text::WithOriginalName(gen_text::TableHeader(table),
                                    CodeNames::OriginalNote(table.actualName, className));
  out += "\nclass ";
  out += className;
  out += "\n{\n";

  const std::vector<std::string> members = CodeNames::MemberNames(table, CodeLanguage::kCpp);
  std::string methods;
  bool first = true;
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const ColumnDesign& column = table.columns[i];
    if (!gen_text::IsGenerated(column)) continue;
    if (first) {
      out += options.accessors ? "private:\n" : "public:\n";
      if (options.accessors) {
        methods += "\npublic:\n" + className + "() { }\n~" + className + "() { }\n";
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
    out += members[i];
    if (length > 0) {
      out += '[';
      out += std::to_string(length);
      out += ']';
    }
    out += ";\t";
    out += gen_text::WithOriginalName(gen_text::ColumnComment(column),
                                      CodeNames::OriginalNote(column.actualName, members[i]));
    out += '\n';
    if (options.accessors) AppendAccessors(methods, members[i], length, cType, cPrefix, options);
  }
  out += methods;
  out += "\n};\n\n";
}

void CppClassGenerator::AppendAccessors(std::string& methods, const std::string& name,
                                        int length, const std::string& cType,
                                        const std::string& cPrefix,
                                        const GenerationOptions& options) {
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
