#include "gen/java_class_generator.h"

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
               Column("", "Price", "decimal", 18, u8"单价"), Column("", "Added", "DateTime", 0),
               Column("", "Code", "money", 4)};
  return t;
}

const char* const kHeader =
    u8" /* <p>Title:商品</p>\n"
    u8" * <p>Description:在售商品</p>\n"
    u8" * <p>Copyright: Copyright (c) 2031</p>\n"
    u8" * <p>Company: </p>\n"
    u8" * @author Tablora1.5\n"
    u8" * @version 1.5\n"
    u8" */\n"
    u8"\n"
    u8"public class Goods\n"
    u8"{\n";

TEST(JavaClassGenerator, AccessorsPrefixesAndSkippedTimeField) {
  GenerationOptions options;
  options.prefix = true;
  options.accessors = true;
  options.skipTime = true;
  const std::string expected =
      Cp936(std::string(u8"package shop;\n") + kHeader +
            u8"private int nId;\t// 编号:主键\n"
            u8"private String strName;\t// 名称:[20]\n"
            u8"private double dbPrice;\t// 单价[18]\n"
            u8"private money Code;\t// [4]\n"
            u8"\n"
            u8"public int getId()\n{\nreturn nId;\n}\n "
            u8"public void  setId(int Id)\n{\nthis.nId = Id;\n}\n "
            u8"\n"
            u8"public String getName()\n{\nreturn strName;\n}\n "
            u8"public void  setName(String Name)\n{\nthis.strName = Name;\n}\n "
            u8"\n"
            u8"public double getPrice()\n{\nreturn dbPrice;\n}\n "
            u8"public void  setPrice(double Price)\n{\nthis.dbPrice = Price;\n}\n "
            u8"\n"
            u8"public money getCode()\n{\nreturn Code;\n}\n "
            u8"public void  setCode(money Code)\n{\nthis.Code = Code;\n}\n "
            u8"\n"
            u8"}\n"
            u8"\n");
  EXPECT_EQ(JavaClassGenerator::BuildClass(Goods(), SampleTypeMaps(), options, "shop", 2031),
            expected);
}

TEST(JavaClassGenerator, AccessorsWithoutPrefixUseTheBareName) {
  TableDesign t;
  t.actualName = "T";
  t.columns = {Column("", "id", "int", 0)};
  GenerationOptions options;
  options.accessors = true;
  EXPECT_EQ(JavaClassGenerator::BuildClass(t, SampleTypeMaps(), options, "p", 2000),
            "package p;\n"
            " /* <p>Title:</p>\n"
            " * <p>Description:</p>\n"
            " * <p>Copyright: Copyright (c) 2000</p>\n"
            " * <p>Company: </p>\n"
            " * @author Tablora1.5\n"
            " * @version 1.5\n"
            " */\n"
            "\n"
            "public class T\n{\n"
            "private int id;\t\n"
            "\npublic int getid()\n{\nreturn id;\n}\n "
            "public void  setid(int id)\n{\nthis.id = id;\n}\n "
            "\n}\n\n");
}

TEST(JavaClassGenerator, SkipTimeMatchesOnlyTypesBeginningWithDatetime) {
  TableDesign t;
  t.actualName = "T";
  t.columns = {Column("", "a", "datetime", 0), Column("", "b", "DATETIME2", 0),
               Column("", "c", "smalldatetime", 0), Column("", "d", "date", 0),
               Column("", "e", "datetim", 0)};
  GenerationOptions options;
  options.skipTime = true;
  const std::string text = JavaClassGenerator::BuildClass(t, Settings{}, options, "p", 2000);
  const std::string fields = text.substr(text.find("{\n") + 2);
  EXPECT_EQ(fields,
            "public smalldatetime c;\t\n"
            "public date d;\t\n"
            "public datetim e;\t\n"
            "\n}\n\n");
  // Without the option every column stays.
  const std::string all = JavaClassGenerator::BuildClass(t, Settings{}, {}, "p", 2000);
  EXPECT_NE(all.find("public datetime a;\t\n"), std::string::npos);
  EXPECT_NE(all.find("public DATETIME2 b;\t\n"), std::string::npos);
}

TEST(JavaClassGenerator, EmptyPackageNameLeavesOutThePackageLine) {
  TableDesign t;
  t.actualName = "T";
  const std::string text = JavaClassGenerator::BuildClass(t, Settings{}, {}, "", 2000);
  EXPECT_EQ(text,
            " /* <p>Title:</p>\n"
            " * <p>Description:</p>\n"
            " * <p>Copyright: Copyright (c) 2000</p>\n"
            " * <p>Company: </p>\n"
            " * @author Tablora1.5\n"
            " * @version 1.5\n"
            " */\n"
            "\n"
            "public class T\n{\n\n}\n\n");
}

TEST(JavaClassGenerator, OneSourcePerSelectedTableInListOrder) {
  const auto design = testing::SampleDesign();
  const auto all = JavaClassGenerator::Build(design, SampleTypeMaps(), {}, -1, "p", 2000);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].className, "TUser");
  EXPECT_EQ(all[1].className, "TEmpty");
  EXPECT_EQ(all[2].className, "TLog");
  EXPECT_EQ(all[2].text,
            JavaClassGenerator::BuildClass(design[2], SampleTypeMaps(), {}, "p", 2000));
  const auto one = JavaClassGenerator::Build(design, SampleTypeMaps(), {}, 1, "p", 2000);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].className, "TEmpty");
  EXPECT_TRUE(JavaClassGenerator::Build(design, SampleTypeMaps(), {}, 7, "p", 2000).empty());
}

TEST(JavaClassGenerator, PackageIsTheFolderLastComponent) {
  EXPECT_EQ(JavaClassGenerator::PackageNameOf("/home/ann/src/beans"), "beans");
  EXPECT_EQ(JavaClassGenerator::PackageNameOf("/home/ann/src/beans/"), "beans");
  EXPECT_EQ(JavaClassGenerator::PackageNameOf("C:\\work\\model"), "model");
  EXPECT_EQ(JavaClassGenerator::PackageNameOf("D:model"), "model");
  EXPECT_EQ(JavaClassGenerator::PackageNameOf("model"), "model");
  EXPECT_EQ(JavaClassGenerator::PackageNameOf("/"), "");
  EXPECT_EQ(JavaClassGenerator::PackageNameOf(""), "");
}

}  // namespace
}  // namespace tablora
