// The two pattern files: their stored form, reloading, and the capture groups they promise.
#include "model/pattern_file.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "support/script_test_support.h"

namespace tablora {
namespace {

TEST(ScriptPatternFileTest, CommentsAndLineBreaksAreRemoved) {
  EXPECT_EQ(PatternFile::StripComments("// title\r\n(a)// one\r\n\r\n|b//two\nc"), "(a)|bc");
  EXPECT_EQ(PatternFile::StripComments("x // keeps the space before the comment"), "x ");
  EXPECT_EQ(PatternFile::StripComments(""), "");
}

TEST(ScriptPatternFileTest, CompilesOnceAndReloadsOnlyWhenTheFileChanges) {
  const std::string path = ::testing::TempDir() + "reader_pattern.dat";
  ASSERT_TRUE(TextFile::WriteBytes(path, "// one group\n(a+)\n"));
  PatternFile file(path);
  ASSERT_TRUE(file.Refresh());
  const boost::regex* first = file.regex();
  ASSERT_TRUE(file.Refresh());
  EXPECT_EQ(file.loadCount(), 1);
  EXPECT_EQ(file.regex(), first);
  EXPECT_TRUE(boost::regex_match(std::string("aaa"), *file.regex()));

  ASSERT_TRUE(TextFile::WriteBytes(path, "// now b\n(b+)|(c)\n"));
  ASSERT_TRUE(file.Refresh());
  EXPECT_EQ(file.loadCount(), 2);
  EXPECT_TRUE(boost::regex_match(std::string("bb"), *file.regex()));
  EXPECT_FALSE(boost::regex_match(std::string("aaa"), *file.regex()));

  ASSERT_TRUE(TextFile::WriteBytes(path, "(unclosed\n"));
  EXPECT_FALSE(file.Refresh());
  EXPECT_EQ(file.regex(), nullptr);
  EXPECT_NE(file.error(), "");
  ASSERT_TRUE(TextFile::WriteBytes(path, "// nothing but comments\n"));
  EXPECT_FALSE(file.Refresh());

  PatternFile missing(::testing::TempDir() + "reader_no_such_pattern.dat");
  EXPECT_FALSE(missing.Refresh());
  EXPECT_EQ(missing.regex(), nullptr);
}

std::vector<std::string> Groups(const boost::smatch& m, std::initializer_list<int> groups) {
  std::vector<std::string> texts;
  for (int g : groups) texts.push_back(m[g].matched ? m[g].str() : "<unmatched>");
  return texts;
}

TEST(ScriptPatternFileTest, TablePatternGivesOwnerNameDisplayCommentAndBody) {
  PatternFile table(testing::ResourceFolder() + "/setting/e1.dat");
  ASSERT_TRUE(table.Refresh()) << table.error();
  const std::string text = Cp936(
      u8"CREATE TABLE [dbo].[t_user] (\t\t\t--用户:用户表(组)基础\n[id] [int] NULL\n) ON "
      u8"[PRIMARY]");
  boost::smatch m;
  ASSERT_TRUE(boost::regex_search(text, m, *table.regex()));
  EXPECT_EQ(Groups(m, {2, 3, 6, 7, 9}),
            (std::vector<std::string>{"dbo", "t_user", Cp936(u8"用户"), Cp936(u8"用户表(组)基础"),
                                      "[id] [int] NULL\n"}));
  const std::string bare = "create table orders (id int)";
  ASSERT_TRUE(boost::regex_search(bare, m, *table.regex()));
  EXPECT_EQ(
      Groups(m, {2, 3, 6, 7, 9}),
      (std::vector<std::string>{"<unmatched>", "orders", "<unmatched>", "<unmatched>", "id int"}));
}

TEST(ScriptPatternFileTest, ColumnPatternGivesEveryFieldOfBothTemplates) {
  PatternFile column(testing::ResourceFolder() + "/setting/e2.dat");
  ASSERT_TRUE(column.Refresh()) << column.error();
  boost::smatch m;
  const std::string first =
      Cp936(u8"[id] [decimal](10,2) IDENTITY (1,1) DEFAULT ((0)) NOT NULL ,  --编号:主键");
  ASSERT_TRUE(boost::regex_search(first, m, *column.regex()));
  EXPECT_EQ(Groups(m, {1, 2, 4, 6, 7, 8, 10, 12, 15, 16}),
            (std::vector<std::string>{"id", "decimal", "<unmatched>", "10", "2", "IDENTITY (1,1)",
                                      "(0)", "NOT", Cp936(u8"编号"), Cp936(u8"主键")}));
  const std::string second = "[name] varchar(50)  NULL,  --note only";
  ASSERT_TRUE(boost::regex_search(second, m, *column.regex()));
  EXPECT_EQ(Groups(m, {1, 2, 4, 6, 8, 10, 12, 15, 16}),
            (std::vector<std::string>{"name", "varchar", "50", "<unmatched>", "<unmatched>",
                                      "<unmatched>", "<unmatched>", "<unmatched>", "note only"}));
  const std::string constraint = "CONSTRAINT [PK_t] PRIMARY KEY ([a], [b]), [c] int";
  ASSERT_TRUE(boost::regex_search(constraint, m, *column.regex()));
  EXPECT_FALSE(m[1].matched);
  EXPECT_EQ(m[0].str(), "CONSTRAINT [PK_t] PRIMARY KEY ([a], [b])");
}

}  // namespace
}  // namespace tablora
