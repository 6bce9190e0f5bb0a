#include "model/design.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "model/script_parser.h"
#include "support/model_fixture.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

class DesignTest : public ::testing::Test {
 protected:
  DesignTest() : design(app, prompts, parser, &view) { app.settings = testing::EditorSettings(); }

  /// A definition of `name` with one key column and one note column.
  static TableDesign Definition(const std::string& name) {
    TableDesign t;
    t.displayName = name + "_d";
    t.actualName = name;
    ColumnDesign id;
    id.actualName = "id";
    id.typeName = "int";
    id.primaryKey = true;
    ColumnDesign note;
    note.displayName = "n";
    note.actualName = "note";
    note.typeName = "varchar";
    note.length = 40;
    note.nullable = true;
    t.columns = {id, note};
    return t;
  }

  AppState app;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  testing::RecordingDesignView view;
  Design design;
};

TEST_F(DesignTest, TablesArePlacedRowByRowInTheViewWidth) {
  view.clientWidth = 500;  // 500 / (150 + 10): three tables per row
  for (int i = 0; i < 5; ++i) ASSERT_EQ(design.AddTable(true, -1), i);
  EXPECT_EQ(design.tablesPerRow(), 3);
  const auto at = [&](int i) {
    const TableWindowState& w = design.entry(i).window;
    return std::vector<int>{w.left, w.top, w.right, w.bottom};
  };
  EXPECT_EQ(at(0), (std::vector<int>{0, 0, 150, 150}));
  EXPECT_EQ(at(2), (std::vector<int>{320, 0, 470, 150}));
  EXPECT_EQ(at(3), (std::vector<int>{0, 170, 150, 320}));
  EXPECT_EQ(at(4), (std::vector<int>{160, 170, 310, 320}));
  EXPECT_EQ(design.entry(4).tableIndex, 4);
  EXPECT_EQ(design.entry(4).window.bkColour, 0x0080FF80u);
  EXPECT_EQ(design.entry(4).window.textColour, 0u);
}

TEST_F(DesignTest, AViewNarrowerThanOneTableStillHoldsOnePerRow) {
  view.clientWidth = 100;
  design.AddTable(true, -1);
  design.AddTable(true, -1);
  EXPECT_EQ(design.tablesPerRow(), 1);
  EXPECT_EQ(design.entry(1).window.left, 0);
  EXPECT_EQ(design.entry(1).window.top, 170);
}

TEST_F(DesignTest, TablesPerRowFollowTheCurrentViewWidth) {
  view.clientWidth = 500;
  design.AddTable(true, -1);
  view.clientWidth = 1000;  // 1000 / 160 = 6
  design.AddTable(true, -1);
  EXPECT_EQ(design.tablesPerRow(), 6);
  EXPECT_EQ(design.entry(1).window.left, 160);
}

TEST_F(DesignTest, AColumnStyleWiderThanACellWidensTheCellsSoWindowsDoNotOverlap) {
  // The shipped sizes (Width 180, MarginW 20: cells 200 wide) and word widths; a window is
  // its words' widths + 5 wide.
  app.settings.tableWinWidth = 180;
  app.settings.marginW = 20;
  app.settings.columnWidths = {{"N", "90"}, {"T", "100"}, {"K", "50"}, {"E", "30"}};
  app.settings.columnStyles = {"N T E K", "N T", "N T K", "X N", "", "N T E"};
  struct Case {
    int style;
    int clientWidth;
    std::vector<int> lefts;  ///< of tables 0 to 3
    int perRow;
    int top3;  ///< of table 3
    bool fit = false;  ///< columns fitted to their texts
  };
  const std::vector<Case> cases = {
      {1, 900, {0, 295, 590, 0}, 3, 170},  // 275 wide: cells of 275 + 20
      {2, 800, {0, 200, 400, 600}, 4, 0},  // 195 wide: fits its cell, the cells stay
      {3, 800, {0, 265, 530, 0}, 3, 170},  // 245 wide
      {6, 800, {0, 245, 490, 0}, 3, 170},  // 225 wide
      {1, 200, {0, 0, 0, 0}, 1, 510},      // narrower than one cell: still one per row
      {4, 800, {0, 200, 400, 600}, 4, 0},  // first word without a width: titles only
      {5, 800, {0, 200, 400, 600}, 4, 0},  // an empty style: no columns
      {0, 900, {0, 295, 590, 0}, 3, 170},  // no current style: the first, as the view shows
      // Fitted to their texts, windows get their widths later (the view moves them apart).
      {1, 900, {0, 200, 400, 600}, 4, 0, true},
  };
  for (const Case& c : cases) {
    app.settings.currentColumnStyle = c.style;
    app.settings.fitColumnWidths = c.fit;
    view.clientWidth = c.clientWidth;
    Design placed(app, prompts, parser, &view);
    std::vector<int> lefts;
    for (int i = 0; i < 4; ++i) {
      placed.AddTable(true, -1);
      lefts.push_back(placed.entry(i).window.left);
      EXPECT_EQ(placed.entry(i).window.right - placed.entry(i).window.left, 180);
    }
    EXPECT_EQ(lefts, c.lefts) << "style " << c.style;
    EXPECT_EQ(placed.tablesPerRow(), c.perRow) << "style " << c.style;
    EXPECT_EQ(placed.entry(3).window.top, c.top3) << "style " << c.style;
  }
}

TEST_F(DesignTest, ScrollHeightGrowsByOneClientHeightWhenATableReachesTheEnd) {
  view.clientWidth = 500;
  view.clientHeight = 300;
  std::vector<int> heights;
  for (int i = 0; i < 22; ++i) {
    design.AddTable(true, -1);
    heights.push_back(view.scrollHeight);
  }
  // Row 5 (tables 15..17) ends at 1000 > 1000 - 10; row 7 (tables 21..) ends at 1340 > 1290.
  EXPECT_EQ(heights[14], 1000);
  EXPECT_EQ(heights[15], 1300);
  EXPECT_EQ(heights[20], 1300);
  EXPECT_EQ(heights[21], 1600);
}

TEST_F(DesignTest, HeadlessViewIsAThousandPixelsWide) {
  Design headless(app, prompts, parser);
  for (int i = 0; i < 7; ++i) headless.AddTable(true, -1);
  EXPECT_EQ(headless.tablesPerRow(), 6);
  EXPECT_EQ(headless.entry(6).window.top, 170);
  EXPECT_EQ(headless.view().ClientHeight(), 700);
  EXPECT_EQ(headless.view().ScrollHeight(), 1000);
}

TEST_F(DesignTest, OnlyTheFirstNewTableAsksForTheDatabaseKind) {
  prompts.databaseKinds = {kOracle, kAccess};
  design.AddTable(true, -1);
  EXPECT_EQ(prompts.databaseKindDialogs, 1);
  EXPECT_EQ(app.databaseKind, kOracle);
  EXPECT_EQ(design.editor(0).names().owner, "SYSTEM");
  design.AddTable(true, -1);
  EXPECT_EQ(prompts.databaseKindDialogs, 1);

  design.ClearDesign();
  design.definitions().push_back(Definition("t"));
  design.AddTable(false, 0);  // loaded tables never ask
  EXPECT_EQ(prompts.databaseKindDialogs, 1);
}

TEST_F(DesignTest, CancellingTheKindQuestionKeepsTheKindAndStillMakesTheTable) {
  app.databaseKind = kAccess;
  prompts.databaseKinds = {-1};
  EXPECT_EQ(design.AddTable(true, -1), 0);
  EXPECT_EQ(prompts.databaseKindDialogs, 1);
  EXPECT_EQ(app.databaseKind, kAccess);
  EXPECT_EQ(design.tableCount(), 1);
}

TEST_F(DesignTest, NoOpenViewMakesNoTable) {
  view.open = false;
  EXPECT_EQ(design.AddTable(true, -1), -1);
  EXPECT_EQ(design.tableCount(), 0);
  EXPECT_TRUE(view.events.empty());
}

TEST_F(DesignTest, NewTableShowsItsEditorAndHasNoDefinitionYet) {
  design.AddTable(true, -1);
  EXPECT_TRUE(design.editor(0).visible());
  EXPECT_EQ(design.editor(0).activePage(), TableEditor::kNamePage);
  EXPECT_TRUE(design.RefreshTableDefinitions().empty());
  EXPECT_EQ(view.events, (std::vector<std::string>{"added 0 show"}));
}

TEST_F(DesignTest, LoadedTableFillsItsHiddenEditorAndIsParsedBack) {
  TableDesign t = Definition("t_user");
  t.columns[0].checkExpression = "[id] > 0";
  design.definitions().push_back(t);
  ASSERT_EQ(design.AddTable(false, 0), 0);
  TableEditor& editor = design.editor(0);
  EXPECT_FALSE(editor.visible());
  EXPECT_EQ(editor.names().displayName, "t_user_d");
  EXPECT_EQ(editor.grid().GetCellText(2, 3), "varchar(40)");
  EXPECT_EQ(editor.tableText(),
            "CREATE TABLE [dbo].[t_user] (\t\t\t--t_user_d:\n"
            "[id] [int] NOT NULL ,  \n"
            "[note] [varchar](40) NULL   --n:\n"
            ") ON [PRIMARY]");
  EXPECT_EQ(editor.extraStatements(),
            "\n\nALTER TABLE [dbo].[t_user] WITH NOCHECK ADD\nCONSTRAINT [PK_T_USER] PRIMARY KEY  "
            "CLUSTERED\n"
            "(\n[id]\n)\nON [PRIMARY],\nCONSTRAINT [CK_id] CHECK ([id] > 0)\n\nGO\n\n");
  // What the text carries comes back whole; the owner is the page's default.
  TableDesign expected = t;
  expected.owner = "dbo";
  EXPECT_EQ(design.definitions()[0], expected);
  EXPECT_EQ(view.events, (std::vector<std::string>{"added 0 hidden"}));
  // A later build that finds the table as it was tells nothing; one after an edit is told.
  editor.ActivatePage(TableEditor::kDesignPage);
  editor.ActivatePage(TableEditor::kSqlPage);
  EXPECT_EQ(view.events, (std::vector<std::string>{"added 0 hidden"}));
  editor.ActivatePage(TableEditor::kDesignPage);
  editor.grid().SetCellText(2, 3, "varchar(41)");
  editor.ActivatePage(TableEditor::kSqlPage);
  EXPECT_EQ(view.events, (std::vector<std::string>{"added 0 hidden", "changed 0"}));
}

TEST_F(DesignTest, RefreshSeesTheLastBuiltTextNotLaterGridEdits) {
  design.definitions().push_back(Definition("t"));
  design.AddTable(false, 0);
  TableEditor& editor = design.editor(0);
  editor.grid().SetCellText(2, 3, "char(8)");
  EXPECT_EQ(design.RefreshTableDefinitions()[0].columns[1].typeName, "varchar");
  EXPECT_EQ(editor.grid().GetCellText(2, 3), "char(8)");  // the edit is not lost

  editor.ActivatePage(TableEditor::kDesignPage);
  editor.ActivatePage(TableEditor::kSqlPage);
  const TableDesign& refreshed = design.RefreshTableDefinitions()[0];
  EXPECT_EQ(refreshed.columns[1].typeName, "char");
  EXPECT_EQ(refreshed.columns[1].length, 8);
}

TEST_F(DesignTest, RefreshTakesUpTextTypedIntoAnEditorOnlyWhenApplied) {
  design.definitions().push_back(Definition("t"));
  design.AddTable(false, 0);
  TableEditor& editor = design.editor(0);
  editor.EditShownText("CREATE TABLE [dbo].[t] (\t\t\t\n[only] [int] NULL   \n) ON [PRIMARY]");
  EXPECT_EQ(design.RefreshTableDefinitions()[0].columns.size(), 2u);
  editor.ApplySqlText();
  ASSERT_EQ(design.RefreshTableDefinitions()[0].columns.size(), 1u);
  EXPECT_EQ(design.definitions()[0].columns[0].actualName, "only");
}

TEST_F(DesignTest, DefinitionsStayIndexedByTableWhenALaterTableIsBuiltFirst) {
  design.AddTable(true, -1);
  design.AddTable(true, -1);
  TableEditor& second = design.editor(1);
  second.DisplayNameChanged("second");
  second.Close();
  ASSERT_EQ(design.definitions().size(), 2u);
  EXPECT_EQ(design.definitions()[0].actualName, "");
  EXPECT_EQ(design.definitions()[1].actualName, "second");

  TableEditor& first = design.editor(0);
  first.DisplayNameChanged("first");
  first.Close();
  EXPECT_EQ(design.definitions()[0].actualName, "first");
  EXPECT_EQ(design.definitions()[1].actualName, "second");
}

TEST_F(DesignTest, RemovingATableMovesTheLaterOnesDownAndHandsBackWhatAReinsertNeeds) {
  for (const char* name : {"a", "b", "c"}) design.definitions().push_back(Definition(name));
  for (int i = 0; i < 3; ++i) design.AddTable(false, i);
  design.AddTable(true, -1);  // a new table, no definition yet
  TableEditor* third = &design.editor(2);
  view.events.clear();

  const std::string question =
      Cp936(u8"要从设计中删除表 b(b_d) 吗?\n(只删除设计中的表, 数据库中的表不受影响)");
  prompts.yesNoAnswers = {false, true};
  EXPECT_FALSE(design.AskRemoveTable(1));
  EXPECT_EQ(design.tableCount(), 4);
  ASSERT_TRUE(design.AskRemoveTable(1));
  EXPECT_EQ(prompts.questions, (std::vector<std::string>{question, question}));
  EXPECT_EQ(view.events, (std::vector<std::string>{"removed 1"}));

  ASSERT_EQ(design.tableCount(), 3);
  ASSERT_EQ(design.definitions().size(), 2u);
  EXPECT_EQ(design.definitions()[1].actualName, "c");
  EXPECT_EQ(&design.editor(1), third);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(design.entry(i).tableIndex, i);
    EXPECT_EQ(design.editor(i).tableIndex(), i);
  }
  // The editors after it read and write their own definitions at their new indexes.
  design.editor(1).grid().SetCellText(1, 3, "bigint");
  design.editor(1).ActivatePage(TableEditor::kDesignPage);
  design.editor(1).ActivatePage(TableEditor::kSqlPage);
  EXPECT_EQ(design.definitions()[1].columns[0].typeName, "bigint");
  EXPECT_EQ(design.definitions()[0].columns[0].typeName, "int");
  EXPECT_EQ(design.editor(2).names().actualName, "");  // the new table moved down too

  // The new table, as it was made, is blank; named, it is not.
  EXPECT_TRUE(design.IsBlankTable(2));
  EXPECT_FALSE(design.IsBlankTable(0));
  design.editor(2).DisplayNameChanged("x");
  EXPECT_FALSE(design.IsBlankTable(2));
  EXPECT_FALSE(design.IsBlankTable(3));
  // A table once read stays, even emptied.
  design.editor(0).ActualNameChanged("", true);
  design.editor(0).DisplayNameChanged("");
  design.editor(0).ClearGrid();
  EXPECT_FALSE(design.IsBlankTable(0));

  // The removed table, as its editor last built it, with its window.
  design.entry(0).window.left = 777;
  Design::RemovedTable removed = design.RemoveTable(0);
  EXPECT_EQ(removed.index, 0);
  EXPECT_TRUE(removed.hadDefinition);
  TableDesign a = Definition("a");
  a.owner = "dbo";
  EXPECT_EQ(removed.definition, a);
  EXPECT_EQ(removed.window.left, 777);
  EXPECT_EQ(design.RemoveTable(5).index, -1);
  removed = design.RemoveTable(1);  // the new table: its editor built no text
  EXPECT_FALSE(removed.hadDefinition);
  EXPECT_EQ(design.tableCount(), 1);
}

TEST_F(DesignTest, ClearDesignReleasesEverything) {
  design.definitions().push_back(Definition("t"));
  design.AddTable(false, 0);
  design.procedures().push_back(ProcedureDesign{"p", "dbo", "create proc p as select 1", {}});
  design.ClearDesign();
  EXPECT_EQ(design.tableCount(), 0);
  EXPECT_TRUE(design.definitions().empty());
  EXPECT_TRUE(design.procedures().empty());
  EXPECT_EQ(view.events.back(), "cleared");
  // The next table starts again at the origin.
  design.AddTable(true, -1);
  EXPECT_EQ(design.entry(0).window.left, 0);
  EXPECT_EQ(design.entry(0).window.top, 0);
}

}  // namespace
}  // namespace tablora
