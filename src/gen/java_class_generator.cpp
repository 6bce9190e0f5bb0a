#include "gen/java_class_generator.h"

#include "gen/generator_texts.h"

namespace tablora {

std::vector<JavaSource> JavaClassGenerator::Build(const std::vector<TableDesign>& tables,
                                                  const TypeMapper& types,
                                                  const GenerationOptions& options, int index,
                                                  const std::string& packageName, int year) {
  std::vector<JavaSource> sources;
  // Two tables of one name under two owners get a class and a file each.
  const std::vector<std::string> names = gen_text::TypeNames(tables);
  for (const TableDesign* table : gen_text::SelectTables(tables, index)) {
    const std::string& name = names[static_cast<std::size_t>(table - tables.data())];
    if (name == table->actualName) {
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
  out += " /* <p>Title:" + table.displayName + "</p>\n";
  out += " * <p>Description:" + table.comment + "</p>\n";
  out += " * <p>Copyright: Copyright (c) " + std::to_string(year) + "</p>\n";
  out +=
      " * <p>Company: </p>\n"
      " * @author Tablora1.5\n"
      " * @version 1.5\n"
      " */\n"
      "\n";
  out += "public class " + table.actualName + "\n{\n";

  std::string methods;
  for (const ColumnDesign& column : table.columns) {
    if (!gen_text::IsGenerated(column)) continue;
    const MappedType type = types.Resolve(column);
    if (options.skipTime && gen_text::IsDateTimeType(type.designType)) continue;
    const std::string javaType = types.JavaType(type);
    const std::string prefix = options.prefix ? types.JavaPrefix(javaType) : "";
    const std::string& name = column.actualName;

    out += options.accessors ? "private " : "public ";
    out += javaType;
    out += ' ';
    out += prefix;
    out += name;
    out += ";\t";
    const std::string comment = gen_text::ColumnComment(column);
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
