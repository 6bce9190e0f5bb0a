#include "gen/c_struct_generator.h"

#include <gtest/gtest.h>

#include "gen/sample_design.h"

namespace tablora {
namespace {

using testing::Column;
using testing::SampleDesign;
using testing::SampleTypeMaps;

TEST(CStructGenerator, WithoutPrefixOptionNamesStayBare) {
  const std::string expected = Cp936(
      u8"// 日志\n"
      u8"typedef struct{\n"
      u8"char Code[4];\t\n"
      u8"}TLog;\n"
      u8"\n");
  EXPECT_EQ(CStructGenerator::Build(SampleDesign(), SampleTypeMaps(), GenerationOptions{}, 2),
            expected);
}

TEST(CStructGenerator, OneTableByIndexAndNothingOutsideTheList) {
  const auto design = SampleDesign();
  const Settings settings = SampleTypeMaps();
  EXPECT_EQ(CStructGenerator::Build(design, settings, {}, 1), "\ntypedef struct{\n}TEmpty;\n\n");
  EXPECT_EQ(CStructGenerator::Build(design, settings, {}, 3), "");
  EXPECT_EQ(CStructGenerator::Build(design, settings, {}, -2), "");
  EXPECT_EQ(CStructGenerator::Build({}, settings, {}, -1), "");
}

TEST(CStructGenerator, AccessorAndSkipTimeOptionsDoNotApply) {
  GenerationOptions all;
  all.prefix = true;
  all.accessors = true;
  all.skipTime = true;
  GenerationOptions prefixOnly;
  prefixOnly.prefix = true;
  const auto design = SampleDesign();
  EXPECT_EQ(CStructGenerator::Build(design, SampleTypeMaps(), all, -1),
            CStructGenerator::Build(design, SampleTypeMaps(), prefixOnly, -1));
}

TEST(CStructGenerator, PrefixRules) {
  Settings s;
  s.typeC = {{"varchar", "char"}};
  s.prefixC = {{"char", "c"}};
  TableDesign t;
  t.actualName = "T";
  t.columns = {Column("", "a", "varchar", 20), Column("", "b", "varchar", 0),
               Column("", "c", "varchar", -1), Column("", "d", "money", 8),
               Column("", "e", "money", 0)};
  GenerationOptions options;
  options.prefix = true;
  // A mapped array gets "a" before the prefix; an unmapped type has no prefix even as array.
  EXPECT_EQ(CStructGenerator::Build({t}, s, options, 0),
            "\ntypedef struct{\n"
            "char aca[20];\t\n"
            "char cb;\t\n"
            "char cc;\t\n"
            "money d[8];\t\n"
            "money e;\t\n"
            "}T;\n\n");
}

TEST(CStructGenerator, NamelessColumnStillGetsItsCommentMarks) {
  Settings s;
  TableDesign t;
  t.actualName = "T";
  // Only the column with neither name gets "// :"; a note alone gets "// " before it.
  t.columns = {Column("", "", "int", 0), Column("", "", "int", 0, "n1"), Column("", "x", "int", 0),
               Column("", "y", "int", 0, "n2")};
  EXPECT_EQ(CStructGenerator::Build({t}, s, {}, 0),
            "\ntypedef struct{\n"
            "int ;\t// :\n"
            "int ;\t// :n1\n"
            "int x;\t\n"
            "int y;\t// n2\n"
            "}T;\n\n");
}

}  // namespace
}  // namespace tablora
