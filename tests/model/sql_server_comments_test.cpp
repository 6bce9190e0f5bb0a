#include "model/sql_server_comments.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

ColumnDesign Column(const std::string& display, const std::string& actual,
                    const std::string& note) {
  ColumnDesign c;
  c.displayName = display;
  c.actualName = actual;
  c.note = note;
  return c;
}

std::vector<TableDesign> UserTables() {
  TableDesign user;
  user.displayName = Cp936(u8"用户");
  user.actualName = "t_user";
  user.comment = Cp936(u8"用户表(组)基础");
  user.columns.push_back(Column(Cp936(u8"编号"), "id", Cp936(u8"主键")));
  user.columns.push_back(Column("name", "name", ""));
  TableDesign log;
  log.displayName = "t_log";
  log.actualName = "t_log";
  log.owner = "audit";
  log.columns.push_back(Column("at", "at", "when"));
  return {user, log};
}

TEST(SqlServerComments, OneTableGivesDropsThenAdds) {
  std::string out = "head";
  BuildSqlServerComments(UserTables(), out, false, true, 0);
  EXPECT_EQ(out,
            "head" + Cp936(u8"\n\nexec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', "
                           u8"N'table', N't_user'\nGO\n"
                           u8"exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', "
                           u8"N'table', N't_user', N'column', N'id'\nGO\n"
                           u8"exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', "
                           u8"N'table', N't_user', N'column', N'name'\nGO\n"
                           u8"\n\nexec sp_addextendedproperty N'MS_Description', "
                           u8"N'用户:用户表(组)基础', N'user', N'dbo', N'table', N't_user'\nGO\n"
                           u8"exec sp_addextendedproperty N'MS_Description', N'编号:主键', "
                           u8"N'user', N'dbo', N'table', N't_user', N'column', N'id'\nGO\n"));
}

TEST(SqlServerComments, WithoutGoOnlyTableStatementsLoseTheGoLine) {
  std::string out;
  BuildSqlServerComments(UserTables(), out, false, false, 1);
  EXPECT_EQ(
      out,
      "\n\nexec sp_dropextendedproperty N'MS_Description', N'user', N'audit', N'table', N't_log'\n"
      "exec sp_dropextendedproperty N'MS_Description', N'user', N'audit', N'table', N't_log', "
      "N'column', N'at'\nGO\n"
      "exec sp_addextendedproperty N'MS_Description', N'when', N'user', N'audit', N'table', "
      "N't_log', N'column', N'at'\nGO\n");
}

TEST(SqlServerComments, TablesOnlyLeavesOutColumnsForEveryTable) {
  std::string out;
  BuildSqlServerComments(UserTables(), out, true, true, -1);
  EXPECT_EQ(out, Cp936(u8"\n\nexec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', "
                       u8"N'table', N't_user'\nGO\n"
                       u8"\n\nexec sp_addextendedproperty N'MS_Description', "
                       u8"N'用户:用户表(组)基础', N'user', N'dbo', N'table', N't_user'\nGO\n"
                       u8"\n\nexec sp_dropextendedproperty N'MS_Description', N'user', N'audit', "
                       u8"N'table', N't_log'\nGO\n"));
}

TEST(SqlServerComments, ApostrophesAreDoubledInsideLiterals) {
  TableDesign t;
  t.displayName = "Bob's";
  t.actualName = "o't";
  t.comment = "it's";
  t.owner = "o'wner";
  t.columns.push_back(Column("a'b", "c'd", "n'"));
  std::string out;
  BuildSqlServerComments({t}, out, false, false, -1);
  EXPECT_EQ(
      out,
      "\n\nexec sp_dropextendedproperty N'MS_Description', N'user', N'o''wner', N'table', N'o''t'\n"
      "exec sp_dropextendedproperty N'MS_Description', N'user', N'o''wner', N'table', N'o''t', "
      "N'column', N'c''d'\nGO\n"
      "\n\nexec sp_addextendedproperty N'MS_Description', N'Bob''s:it''s', N'user', N'o''wner', "
      "N'table', N'o''t'\n"
      "exec sp_addextendedproperty N'MS_Description', N'a''b:n''', N'user', N'o''wner', N'table', "
      "N'o''t', N'column', N'c''d'\nGO\n");
}

TEST(SqlServerComments, IndexOutsideTheListAndUnnamedTablesGiveNothing) {
  std::string out;
  BuildSqlServerComments(UserTables(), out, false, true, 2);
  BuildSqlServerComments({TableDesign{}}, out, false, true, -1);
  BuildSqlServerComments({}, out, false, true, -1);
  EXPECT_EQ(out, "");
}

TEST(SqlServerComments, CommentTextsNameTheDisplayNameOnlyWhenItDiffers) {
  TableDesign t;
  t.actualName = "t";
  t.comment = "c";
  EXPECT_EQ(TableCommentText(t), "c");
  t.displayName = "t";
  EXPECT_EQ(TableCommentText(t), "c");
  t.displayName = "T";
  EXPECT_EQ(TableCommentText(t), "T:c");
  EXPECT_EQ(ColumnCommentText(Column("x", "y", "")), "x:");
  EXPECT_EQ(ColumnCommentText(Column("", "y", "n")), "n");
}

}  // namespace
}  // namespace tablora
