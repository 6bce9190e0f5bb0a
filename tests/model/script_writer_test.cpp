#include "model/script_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text_codec.h"
#include "model/cell_grid.h"
#include "support/model_fixture.h"

namespace tablora {
namespace {

/// Cells 1..13 of one grid row, in grid column order.
void SetRow(CellGrid& grid, int row, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i)
    grid.SetCellText(row, static_cast<int>(i) + 1, cells[i]);
}

class ScriptWriterTest : public ::testing::Test {
 protected:
  ScriptWriterTest() : grid(50, 14) { app.settings = testing::EditorSettings(); }

  ColumnLines Build(const TableNames& names) {
    return ScriptWriter(app).BuildColumnLines(grid, names);
  }

  AppState app;
  CellGrid grid;
  const std::string bianhao = Cp936(u8"编号");
  const std::string zhujian = Cp936(u8"主键");
};

TEST_F(ScriptWriterTest, HeaderCarriesDisplayNameCommentAndGroup) {
  const ScriptWriter writer(app);
  TableNames names{Cp936(u8"用户"), "t_user", Cp936(u8"用户表"), Cp936(u8"基础"), "dbo"};
  EXPECT_EQ(
      writer.BuildTableHeader(names),
      Cp936(u8"CREATE TABLE [dbo].[t_user] (\t\t\t--用户:用户表(组)基础\n%content%) ON [PRIMARY]"));

  // A comment that still carries its group tail is cut before it; the group field wins.
  names.comment = Cp936(u8"用户表(组)旧组");
  EXPECT_EQ(
      writer.BuildTableHeader(names),
      Cp936(u8"CREATE TABLE [dbo].[t_user] (\t\t\t--用户:用户表(组)基础\n%content%) ON [PRIMARY]"));

  // Equal names, no comment, no group: no comment mark at all; no owner means dbo.
  EXPECT_EQ(writer.BuildTableHeader({"t", "t", "", "", ""}),
            "CREATE TABLE [dbo].[t] (\t\t\t\n%content%) ON [PRIMARY]");
  // Names that differ only in case are different names.
  EXPECT_EQ(writer.BuildTableHeader({"T", "t", "", "", "sales"}),
            "CREATE TABLE [sales].[t] (\t\t\t--T:\n%content%) ON [PRIMARY]");
  // Equal names with a group only.
  EXPECT_EQ(writer.BuildTableHeader({"t", "t", "", "g", ""}),
            Cp936(u8"CREATE TABLE [dbo].[t] (\t\t\t--(组)g\n%content%) ON [PRIMARY]"));
  EXPECT_EQ(writer.BuildTableHeader({Cp936(u8"用户"), "", "c", "g", "dbo"}), "");
}

TEST_F(ScriptWriterTest, AccessHeaderHasNoOwner) {
  app.databaseKind = kAccess;
  EXPECT_EQ(ScriptWriter(app).BuildTableHeader({"t", "t", "", "", "dbo"}),
            "CREATE TABLE [t] (\t\t\t\n%content%) ON [PRIMARY]");
}

TEST_F(ScriptWriterTest, ColumnLinesOfTheWorkedExamples) {
  SetRow(grid, 1, {bianhao, "id", "int", "No", "Yes", "", zhujian});
  SetRow(grid, 2, {"name", "name", "varchar(50)", "Yes", "No", "''", ""});
  const ColumnLines out = Build({"t", "t", "", "", "dbo"});
  EXPECT_EQ(out.lines, Cp936(u8"[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键\n") +
                           "[name] [varchar](50) DEFAULT ('') NULL   \n");
  EXPECT_EQ(out.extraStatements, "");
}

TEST_F(ScriptWriterTest, NotesAndNamesDecideTheCommentTail) {
  SetRow(grid, 1, {bianhao, "id", "int", "No", "No", "", ""});        // names differ, no note
  SetRow(grid, 2, {"code", "code", "char(4)", "No", "No", "", "n"});  // equal names, a note
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_EQ(out.lines,
            Cp936(u8"[id] [int] NOT NULL ,  --编号:\n") + "[code] [char](4) NOT NULL   --n\n");
}

TEST_F(ScriptWriterTest, DataTypeTextIsSplitIntoTypeAndSize) {
  SetRow(grid, 1, {"a", "a", "decimal( 10 , 2 )", "Yes"});
  SetRow(grid, 2, {"b", "b", "char(10", "Yes"});
  SetRow(grid, 3, {"c", "c", " int ", "Yes"});
  SetRow(grid, 4, {"d", "d", " varchar ( 20 ) ", "Yes"});
  SetRow(grid, 5, {"e", "e", "numeric(8)x,y", "Yes"});
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_EQ(out.lines,
            "[a] [decimal](10,2) NULL ,  \n"
            "[b] [char] NULL ,  \n"
            "[c] [ int ] NULL ,  \n"
            "[d] [varchar](20) NULL ,  \n"
            "[e] [numeric](8) NULL   \n");
}

TEST_F(ScriptWriterTest, AccessUsesTheSecondTemplateOnEveryLine) {
  app.databaseKind = kAccess;
  SetRow(grid, 1, {bianhao, "id", "Long", "No", "Yes", "0", zhujian});
  SetRow(grid, 2, {"name", "name", "Text(50)", "Yes", "No", "''", ""});
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_EQ(out.lines,
            Cp936(u8"[id] Long  NOT NULL,  --编号:主键\n") + "[name] Text(50) NULL,  \n");
}

TEST_F(ScriptWriterTest, OracleKeepsTheFirstTemplateWithoutIdentityText) {
  app.databaseKind = kOracle;
  SetRow(grid, 1, {bianhao, "id", "NUMBER(10)", "No", "Yes", "", zhujian});
  const ColumnLines out = Build({"t", "t", "", "", "SYSTEM"});
  EXPECT_EQ(out.lines, Cp936(u8"[id] [NUMBER](10)  NOT NULL   --编号:主键\n"));
}

TEST_F(ScriptWriterTest, YesTextsCompareWithoutCaseAndIdentityIgnoresLeadingSpace) {
  SetRow(grid, 1, {"a", "a", "int", "yes", "  YES", "", "", "yES"});
  SetRow(grid, 2, {"b", "b", "int", " Yes", "no", "", "", "Yes "});
  SetRow(grid, 3, {"c", "c", "int", "yEs"});
  const ColumnLines out = Build({"t", "t", "", "", ""});
  // Identity and key columns are NOT NULL whatever their nullable cell says.
  EXPECT_EQ(out.lines,
            "[a] [int] IDENTITY (1,1) NOT NULL ,  \n[b] [int] NOT NULL ,  \n[c] [int] NULL   \n");
  EXPECT_EQ(out.extraStatements,
            "\n\nALTER TABLE [dbo].[t] WITH NOCHECK ADD\nCONSTRAINT [PK_T] PRIMARY KEY  "
            "CLUSTERED\n(\n[a]\n)\n"
            "ON [PRIMARY]\nGO\n\n");

  // Without yes-texts in the settings no cell counts as yes, not even an empty one.
  app.settings.dropDownLists = {};
  CellGrid empty(50, 14);
  SetRow(empty, 1, {"a", "a", "int"});
  const ColumnLines bare = ScriptWriter(app).BuildColumnLines(empty, {"t", "t", "", "", ""});
  EXPECT_EQ(bare.lines, "[a] [int] NOT NULL   \n");
  EXPECT_EQ(bare.extraStatements, "");
}

TEST_F(ScriptWriterTest, SeveralKeyColumnsShareOneKeyClause) {
  SetRow(grid, 1, {"a", "a", "int", "No", "No", "", "", "Yes"});
  SetRow(grid, 2, {"b", "b", "int", "No", "No", "", "", "No", "", "", "", "", "[b] > 0"});
  SetRow(grid, 3, {"c", "c", "int", "No", "No", "", "", "Yes"});
  const ColumnLines out = Build({"x", "t_x", "", "", ""});
  EXPECT_EQ(out.extraStatements,
            "\n\nALTER TABLE [dbo].[t_x] WITH NOCHECK ADD"
            "\nCONSTRAINT [PK_T_X] PRIMARY KEY  CLUSTERED\n(\n[a],\n[c]\n)\nON [PRIMARY]"
            ",\nCONSTRAINT [CK_b] CHECK ([b] > 0)\n"
            "\nGO\n\n");
}

TEST_F(ScriptWriterTest, ChecksBeforeTheFirstKeyKeepTheirRowOrder) {
  SetRow(grid, 1, {"a", "a", "int", "No", "No", "", "", "No", "", "", "", "", "[a] <> 1"});
  SetRow(grid, 2, {"b", "b", "int", "No", "No", "", "", "Yes"});
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_EQ(out.extraStatements,
            "\n\nALTER TABLE [dbo].[t] WITH NOCHECK ADD"
            "\nCONSTRAINT [CK_a] CHECK ([a] <> 1)\n"
            ",\nCONSTRAINT [PK_T] PRIMARY KEY  CLUSTERED\n(\n[b]\n)\nON [PRIMARY]"
            "\nGO\n\n");
}

TEST_F(ScriptWriterTest, ForeignKeysUseTheOwnerAndNeedAReferencedColumn) {
  SetRow(grid, 1,
         {"u", "user_id", "int", "No", "No", "", "", "No", "Yes", "FK_o_u", "t_user", "id"});
  SetRow(grid, 2, {"s", "shop_id", "int", "No", "No", "", "", "No", "Yes", "FK_o_s", "t_shop", ""});
  SetRow(grid, 3,
         {"g", "good_id", "int", "No", "No", "", "", "No", "yes", "FK_o_g", "t_good", "gid"});
  SetRow(grid, 4, {"h", "h_id", "int", "No", "No", "", "", "No", "No", "FK_o_h", "t_h", "hid"});
  const ColumnLines out = Build({"o", "t_order", "", "", "sales"});
  EXPECT_EQ(
      out.extraStatements,
      "\n\nALTER TABLE [sales].[t_order] ADD"
      "\nCONSTRAINT [FK_o_u] FOREIGN KEY\n(\n[user_id]\n) REFERENCES [sales].[t_user] (\n[id]\n)"
      ","
      "\nCONSTRAINT [FK_o_g] FOREIGN KEY\n(\n[good_id]\n) REFERENCES [sales].[t_good] (\n[gid]\n)"
      "\nGO\n\n");
}

TEST_F(ScriptWriterTest, KeyStatementComesBeforeForeignKeyStatement) {
  SetRow(grid, 1, {"a", "a", "int", "No", "No", "", "", "Yes", "Yes", "FK_a", "t2", "id"});
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_EQ(out.extraStatements,
            "\n\nALTER TABLE [dbo].[t] WITH NOCHECK ADD\nCONSTRAINT [PK_T] PRIMARY KEY  "
            "CLUSTERED\n(\n[a]\n)\n"
            "ON [PRIMARY]\nGO\n\n"
            "\n\nALTER TABLE [dbo].[t] ADD\nCONSTRAINT [FK_a] FOREIGN KEY\n(\n[a]\n) REFERENCES "
            "[dbo].[t2] (\n[id]\n)"
            "\nGO\n\n");
}

TEST_F(ScriptWriterTest, ForeignKeyTextsAreCutAtACharacterBoundary) {
  const std::string longName = std::string(126, 'k') + Cp936(u8"键");  // 128 bytes
  SetRow(grid, 1, {"a", "a", "int", "No", "No", "", "", "No", "Yes", longName, "t2", "id"});
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_NE(out.extraStatements.find("CONSTRAINT [" + std::string(126, 'k') + "] FOREIGN KEY"),
            std::string::npos);
}

TEST_F(ScriptWriterTest, StatementsAreWrittenWhenEveryRowHoldsAColumn) {
  for (int row = 1; row < 50; ++row) {
    const std::string name = "c" + std::to_string(row);
    SetRow(grid, row, {name, name, "int", "No", "No", "", "", row == 1 ? "Yes" : "No"});
  }
  const ColumnLines out = Build({"t", "t", "", "", ""});
  const std::string tail = ",  \n[c49] [int] NOT NULL   \n";
  ASSERT_GT(out.lines.size(), tail.size());
  EXPECT_EQ(out.lines.substr(out.lines.size() - tail.size()), tail);
  EXPECT_EQ(out.extraStatements,
            "\n\nALTER TABLE [dbo].[t] WITH NOCHECK ADD\nCONSTRAINT [PK_T] PRIMARY KEY  "
            "CLUSTERED\n(\n[c1]\n)\n"
            "ON [PRIMARY]\nGO\n\n");
}

TEST_F(ScriptWriterTest, PercentSignsInCellsAreNotPlaceholders) {
  SetRow(grid, 1, {"%note%", "a%type%", "int", "No", "No", "'%,%'", "50%"});
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_EQ(out.lines, "[a%type%] [int] DEFAULT ('%,%') NOT NULL   --%note%:50%\n");
}

TEST_F(ScriptWriterTest, AnEmptyGridGivesNothing) {
  const ColumnLines out = Build({"t", "t", "", "", ""});
  EXPECT_EQ(out.lines, "");
  EXPECT_EQ(out.extraStatements, "");
}

// What the server would reject or the reader misread is written soundly.
TEST_F(ScriptWriterTest, RowsAreWrittenAsTheServerAndTheReaderTakeThem) {
  struct Case {
    const char* what;
    std::vector<std::vector<std::string>> rows;  ///< rows 1.., cells 1..13; {} is a blank row
    std::string lines;
    std::string extra;
  };
  const std::string alterAdd = "\n\nALTER TABLE [dbo].[t] ADD";
  const std::vector<Case> cases = {
      {"blank rows are skipped, not the end",
       {{"a", "a", "int", "Yes"}, {}, {"b", "b", "int", "Yes"}, {"", "c", "int", "Yes"}},
       "[a] [int] NULL ,  \n[b] [int] NULL ,  \n[c] [int] NULL   \n",
       ""},
      {"line breaks and colons of free texts",
       {{"x:y", "a", "int", "Yes", "", "", "one\r\ntwo\nthree: four"}},
       "[a] [int] NULL   --x-y:one two three- four\n",
       ""},
      {"identity seed and increment",
       {{"a", "a", "int", "No", "Yes (100000, 1)"}, {"b", "b", "int", "No", "Yes"}},
       "[a] [int] IDENTITY (100000, 1) NOT NULL ,  \n[b] [int] IDENTITY (1,1) NOT NULL   \n",
       ""},
      {"foreign keys: other owner, no name, one composite key",
       {{"a", "a", "int", "Yes", "", "", "", "", "Yes", "", "Person.Person", "id"},
        {"b", "b", "int", "Yes", "", "", "", "", "Yes", "FK_x", "pair", "x"},
        {"c", "c", "int", "Yes", "", "", "", "", "Yes", "FK_x", "pair", "y"}},
       "[a] [int] NULL ,  \n[b] [int] NULL ,  \n[c] [int] NULL   \n",
       alterAdd +
           "\nCONSTRAINT [FK_t_a] FOREIGN KEY\n(\n[a]\n) REFERENCES [Person].[Person] (\n[id]\n),"
           "\nCONSTRAINT [FK_x] FOREIGN KEY\n(\n[b],\n[c]\n) REFERENCES [dbo].[pair] (\n[x],\n[y]"
           "\n)\nGO\n\n"},
      {"computed columns and types of several words",
       {{"t", "total", "AS ([q]*[p]) PERSISTED", "No"},
        {"v", "v", "as [q] + 1", "Yes", "Yes", "0"},
        {"d", "d", "double precision", "Yes"}},
       "[total] AS ([q]*[p]) PERSISTED NOT NULL ,  --t:\n"
       "[v] as [q] + 1 ,  \n"
       "[d] double precision NULL   \n",
       ""},
  };
  for (const Case& c : cases) {
    CellGrid rows(50, 14);
    for (std::size_t r = 0; r < c.rows.size(); ++r)
      SetRow(rows, static_cast<int>(r) + 1, c.rows[r]);
    const ColumnLines out = ScriptWriter(app).BuildColumnLines(rows, {"t", "t", "", "", ""});
    EXPECT_EQ(out.lines, c.lines) << c.what;
    EXPECT_EQ(out.extraStatements, c.extra) << c.what;
  }
}

}  // namespace
}  // namespace tablora
