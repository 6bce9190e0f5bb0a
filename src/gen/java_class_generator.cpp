#include "gen/java_class_generator.h"

#include "base/gbk_text.h"
#include "gen/code_names.h"
#include "gen/generator_texts.h"

namespace tablora {

namespace {

/// Text inside the class comment: "*/" would end it.
std::string InComment(const std::string& text) { return gbk::ReplaceAll(text, "*/", "* /"); }

}  // namespace

std::vector<JavaSource> JavaClassGenerator::Build(const std::vector<TableDesign>& tables,
                                                  const TypeMapper& types,
                                                  const GenerationOptions& options, int index,
                                                  const std::string& packageName, int year) {
  std::vector<JavaSource> sources;
  // Two tables of one name under two owners get a class and a file each.
  const std::vector<std::string> names = gen_text::TypeNames(tables, CodeLanguage::kJava);
  for (const TableDesign* table : gen_text::SelectTables(tables, index)) {
    const std::string& name = names[static_cast<std::size_t>(table - tables.data())];
    if (name == CodeNames::TypeName(*table, CodeLanguage::kJava)) {
      sources.push_back({name, BuildClass(*table, types, options, packageName, year)});
    } else {
      TableDesign renamed = *table;
      renamed.actualName = name;
      sources.push_back({name, BuildClass(renamed, types, options, packageName, year)});
    }
  }
  return sources;
}

std::string JavaClassGenerator::BuildClass(const TableDesign& table, const TypeMapper& types,
                                           const GenerationOptions& options,
                                           const std::string& packageName, int year) {
  std::string out;
  if (!packageName.empty()) out += "package " + packageName + ";\n";
  const std::string className = CodeNames::TypeName(table, CodeLanguage::kJava);
  out += " /* <p>Title:" + InComment(table.displayName) + "</p>\n";
  out += " * <p>Description:" + InComment(table.comment) + "</p>\n";
  const std::string original = CodeNames::OriginalNote(table.actualName, className);
  if (!original.empty()) out += " * <p>Table:" + InComment(original) + "</p>\n";
  out += " * <p>Copyright: Copyright (c) " + std::to_string(year) + "</p>\n";
  out +=
      " * <p>Company: </p>\n"
      " * @author Tablora1.5\n"
      " * @version 1.5\n"
      " */\n"
      "\n";
  out += "public class " + className + "\n{\n";

  const std::vector<std::string> members = CodeNames::MemberNames(table, CodeLanguage::kJava);
  std::string methods;
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const ColumnDesign& column = table.columns[i];
    if (!gen_text::IsGenerated(column)) continue;
    const MappedType type = types.Resolve(column);
    if (options.skipTime && gen_text::IsDateTimeType(type.designType)) continue;
    const std::string javaType = types.JavaType(type);
    const std::string prefix = options.prefix ? types.JavaPrefix(javaType) : "";
    const std::string& name = members[i];

    out += options.accessors ? "private " : "public ";
    out += javaType;
    out += ' ';
    out += prefix;
    out += name;
    out += ";\t";
    const std::string comment = gen_text::WithOriginalName(
        gen_text::ColumnComment(column), CodeNames::OriginalNote(column.actualName, name));
    out += comment;
    if (type.length > 0 && !type.unbounded) {
      if (comment.empty()) out += "// ";
      out += '[';
      out += std::to_string(type.length);
      out += ']';
    }
    out += '\n';

    if (options.accessors) {
      methods +=
          "\npublic " + javaType + " get" + name + "()\n{\nreturn " + prefix + name + ";\n}\n ";
      methods += "public void  set" + name + "(" + javaType + " " + name + ")\n{\nthis." + prefix +
                 name + " = " + name + ";\n}\n ";
    }
  }
  out += methods;
  out += "\n}\n\n";
  return out;
}

std::string JavaClassGenerator::PackageNameOf(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  const std::size_t cut = path.find_last_of("/\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace tablora
