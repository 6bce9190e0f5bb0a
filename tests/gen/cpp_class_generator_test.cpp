#include "gen/cpp_class_generator.h"

#include <gtest/gtest.h>

#include "gen/sample_design.h"

namespace tablora {
namespace {

using testing::Column;
using testing::SampleTypeMaps;

TableDesign Goods() {
  TableDesign t;
  t.displayName = Cp936(u8"商品");
  t.actualName = "Goods";
  t.comment = Cp936(u8"在售商品");
  t.columns = {Column(u8"编号", "Id", "int", 0, u8"主键"), Column(u8"名称", "Name", "varchar", 20),
               Column("", "Price", "decimal", 18, u8"单价"), Column("", "Flag", "bit", 0),
               Column("", "Code", "money", 4)};
  return t;
}

TEST(CppClassGenerator, AccessorsWithPrefixes) {
  GenerationOptions options;
  options.prefix = true;
  options.accessors = true;
  const std::string expected = Cp936(
      u8"// 商品: 在售商品\n"
      u8"class Goods\n"
      u8"{\n"
      u8"private:\n"
      u8"int m_nId;\t// 编号:主键\n"
      u8"char m_acName[20];\t// 名称:\n"
      u8"double m_adbPrice[18];\t// 单价\n"
      u8"bool m_bFlag;\t\n"
      u8"money m_Code[4];\t\n"
      u8"\n"
      u8"public:\n"
      u8"Goods() { }\n"
      u8"~Goods() { }\n"
      u8"int GetId()\n{\nreturn m_nId;\n}\n "
      u8"void  SetId(const int nId)\n{\nm_nId = nId;\n}\n "
      u8"void GetName(char* acName)\n{\nstrcpy(acName, m_acName);\n}\n "
      u8"void  SetName(const char* acName)\n{\nstrcpy(m_acName, acName);\n}\n "
      u8"void GetPrice(double* adbPrice)\n{\nmemcpy(adbPrice, m_adbPrice, "
      u8"sizeof(m_adbPrice));\n}\n "
      u8"void  SetPrice(const double* adbPrice)\n{\nmemcpy(m_adbPrice, adbPrice, "
      u8"sizeof(m_adbPrice));\n}\n "
      u8"bool GetFlag()\n{\nreturn m_bFlag;\n}\n "
      u8"void  SetFlag(const bool bFlag)\n{\nm_bFlag = bFlag;\n}\n "
      u8"void GetCode(money* Code)\n{\nmemcpy(Code, m_Code, sizeof(m_Code));\n}\n "
      u8"void  SetCode(const money* Code)\n{\nmemcpy(m_Code, Code, sizeof(m_Code));\n}\n "
      u8"\n"
      u8"};\n"
      u8"\n");
  EXPECT_EQ(CppClassGenerator::Build({Goods()}, SampleTypeMaps(), options, 0), expected);
}

TEST(CppClassGenerator, CharacterArrayIsRecognisedEvenWithoutThePrefixOption) {
  TableDesign t;
  t.actualName = "T";
  t.columns = {Column("", "s", "varchar", 8), Column("", "c", "char", 0)};
  GenerationOptions options;
  options.accessors = true;
  EXPECT_EQ(CppClassGenerator::Build({t}, SampleTypeMaps(), options, 0),
            "\nclass T\n{\nprivate:\n"
            "char m_s[8];\t\n"
            "char m_c;\t\n"
            "\npublic:\nT() { }\n~T() { }\n"
            "void Gets(char* s)\n{\nstrcpy(s, m_s);\n}\n "
            "void  Sets(const char* s)\n{\nstrcpy(m_s, s);\n}\n "
            "char Getc()\n{\nreturn m_c;\n}\n "
            "void  Setc(const char c)\n{\nm_c = c;\n}\n "
            "\n};\n\n");
}

TEST(CppClassGenerator, PrefixWithoutAccessorsHasNoMemberMark) {
  TableDesign t;
  t.actualName = "T";
  t.columns = {Column("", "s", "varchar", 8), Column("", "x", "image", 8)};
  GenerationOptions options;
  options.prefix = true;
  EXPECT_EQ(CppClassGenerator::Build({t}, SampleTypeMaps(), options, 0),
            "\nclass T\n{\npublic:\nchar acs[8];\t\nimage x[8];\t\n\n};\n\n");
}

TEST(CppClassGenerator, TableWithoutColumnsHasNeitherAccessLineNorConstructor) {
  TableDesign t;
  t.actualName = "Empty";
  GenerationOptions options;
  options.prefix = true;
  options.accessors = true;
  EXPECT_EQ(CppClassGenerator::Build({t}, SampleTypeMaps(), options, 0),
            "\nclass Empty\n{\n\n};\n\n");
  EXPECT_EQ(CppClassGenerator::Build({t}, SampleTypeMaps(), {}, 0), "\nclass Empty\n{\n\n};\n\n");
}

TEST(CppClassGenerator, AllTablesFollowOneAnotherInListOrder) {
  const auto design = testing::SampleDesign();
  const Settings settings = SampleTypeMaps();
  GenerationOptions options;
  options.accessors = true;
  std::string joined;
  for (int i = 0; i < 3; ++i) joined += CppClassGenerator::Build(design, settings, options, i);
  EXPECT_EQ(CppClassGenerator::Build(design, settings, options, -1), joined);
  EXPECT_EQ(joined.find("class TUser"), joined.find("class"));
  EXPECT_LT(joined.find("class TEmpty"), joined.find("class TLog"));
  EXPECT_EQ(CppClassGenerator::Build(design, settings, options, 3), "");
}

}  // namespace
}  // namespace tablora
