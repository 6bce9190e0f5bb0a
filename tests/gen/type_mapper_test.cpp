#include "gen/type_mapper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gen/generator_texts.h"

namespace tablora {
namespace {

TEST(TypeMapperTest, TypesMapByBaseNameIgnoringCaseAndThroughUserTypes) {
  Settings settings;
  settings.typeC = {{"nvarchar", "char"},
                    {"int", "int"},
                    {"bit", "unsigned char"},
                    {"varbinary", "char"},
                    {"datetime", "double"}};
  settings.typeJava = {
      {"nvarchar", "String"}, {"int", "int"}, {"varbinary", "byte[]"}, {"bit", "boolean"}};
  settings.prefixC = {{"char", "c"}};
  const std::vector<UserType> userTypes = {{"Phone", "nvarchar(25)", false}, {"Flag", "BIT", true}};
  const TypeMapper types(settings, userTypes);
  struct Case {
    std::string typeName;
    int length;
    std::string cType, cPrefix, javaType;
    int arraySize;
  };
  const std::vector<Case> cases = {
      {"NVARCHAR", 50, "char", "ac", "String", 50},
      {"nvarchar(max)", 0, "const char*", "ac", "String", 0},
      {"VARBINARY(MAX)", 0, "const char*", "ac", "byte[]", 0},
      {"DateTime", 0, "double", "", "DateTime", 0},
      {"phone", 0, "char", "ac", "String", 25},
      {"Flag", 0, "unsigned char", "", "boolean", 0},
      {"money", 0, "money", "", "money", 0},  // unmapped: the type itself
  };
  for (const Case& c : cases) {
    ColumnDesign column;
    column.typeName = c.typeName;
    column.length = c.length;
    const MappedType type = types.Resolve(column);
    EXPECT_EQ(types.CType(type), c.cType) << c.typeName;
    EXPECT_EQ(types.CPrefix(type), c.cPrefix) << c.typeName;
    EXPECT_EQ(types.JavaType(type), c.javaType) << c.typeName;
    EXPECT_EQ(type.unbounded ? 0 : type.length, c.arraySize) << c.typeName;
  }
}

TEST(TypeMapperTest, FileNamesOfTablesStayInTheirFolder) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"../escape", "___escape"}, {"a/b\\c", "a_b_c"},      {"..", "__"},
      {"t.v1", "t.v1"},           {"\xB1\x5C", "\xB1\x5C"},  // a double-byte character whose second
                                                             // byte is "\"
  };
  for (const auto& [name, file] : cases) EXPECT_EQ(gen_text::SafeFileName(name), file) << name;
}

}  // namespace
}  // namespace tablora
