#include "model/table_editor.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "model/script_parser.h"
#include "support/model_fixture.h"

namespace tablora {

void PrintTo(const HighlightSpan& s, std::ostream* os) {
  *os << "[" << s.start << "," << s.end << ") rgb(" << int(s.colour.red) << ","
      << int(s.colour.green) << "," << int(s.colour.blue) << ")";
}

namespace {

class FakeHost : public TableEditorHost {
 public:
  std::vector<TableDesign> definitions;
  std::vector<std::string> treeTexts;
  int changes = 0;
  std::vector<TableDesign>& Definitions() override { return definitions; }
  void TreeTextChanged(int, const std::string& text) override { treeTexts.push_back(text); }
  void TableChanged(int) override { ++changes; }
};

ColumnDesign Column(const std::string& display, const std::string& actual, const std::string& type,
                    int length, int scale) {
  ColumnDesign c;
  c.displayName = display;
  c.actualName = actual;
  c.typeName = type;
  c.length = length;
  c.scale = scale;
  return c;
}

class TableEditorTest : public ::testing::Test {
 protected:
  TableEditorTest() { app.settings = testing::EditorSettings(); }

  /// An editor whose three pages exist, as AddTable makes a hidden one.
  TableEditor& Editor(int index = 0) {
    editor = std::make_unique<TableEditor>(app, parser, host, index);
    for (int page : {0, 1, 2}) editor->ActivatePage(page);
    return *editor;
  }

  void SetRow(int row, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i)
      editor->grid().SetCellText(row, static_cast<int>(i) + 1, cells[i]);
  }

  AppState app;
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  FakeHost host;
  std::unique_ptr<TableEditor> editor;
  const std::string yonghu = Cp936(u8"用户");
};

TEST_F(TableEditorTest, ActualNameFollowsDisplayNameUntilTheUserTypesInIt) {
  TableEditor e(app, parser, host, 0);
  e.Show();
  EXPECT_TRUE(e.visible());
  EXPECT_EQ(e.activePage(), TableEditor::kNamePage);
  EXPECT_FALSE(e.following());

  e.DisplayNameChanged("u");
  e.ActualNameChanged("u", false);  // the page shows its members again: not the user
  e.DisplayNameChanged("us");
  EXPECT_EQ(e.names().actualName, "us");
  EXPECT_TRUE(e.following());

  e.ActualNameChanged("t_user", true);
  EXPECT_FALSE(e.following());
  e.DisplayNameChanged(yonghu);
  EXPECT_EQ(e.names().actualName, "t_user");
  EXPECT_EQ(e.names().displayName, yonghu);
  EXPECT_EQ(host.treeTexts, (std::vector<std::string>{"u", "us", "t_user(" + yonghu + ")"}));

  // Emptying the actual name lets the display name fill it again.
  e.ActualNameChanged("", true);
  e.DisplayNameChanged("v");
  EXPECT_EQ(e.names().actualName, "v");
  EXPECT_TRUE(e.following());
}

TEST_F(TableEditorTest, NamePageOwnerDependsOnTheDatabaseKind) {
  const std::pair<int, const char*> cases[] = {
      {kSqlServer, "dbo"}, {kAccess, ""}, {kOracle, "SYSTEM"}};
  for (const auto& [kind, owner] : cases) {
    app.databaseKind = kind;
    TableEditor e(app, parser, host, 0);
    e.Show();
    EXPECT_EQ(e.names().owner, owner) << "kind " << kind;
  }
}

TEST_F(TableEditorTest, DesignPageGridHasFiftyRowsAndTheSettingsCaptions) {
  const EditorGridLayout layout = TableEditor::GridLayout(app.settings);
  EXPECT_EQ(layout.rowCount, 50);
  EXPECT_EQ(layout.captions, app.settings.gridCaptions);
  ASSERT_EQ(layout.widths.size(), 14u);
  EXPECT_EQ(layout.widths[1], 80);
  EXPECT_EQ(layout.widths[3], 90);
  EXPECT_EQ(layout.widths[2], -1);

  TableEditor& e = Editor();
  EXPECT_EQ(e.grid().GetRowCount(), 50);
  EXPECT_EQ(e.grid().GetColumnCount(), 14);
  EXPECT_EQ(e.grid().GetCellText(0, 13), Cp936(u8"检查"));
  EXPECT_EQ(e.grid().GetCellText(1, 1), "");
}

TEST_F(TableEditorTest, FillFromDefinitionFillsNamesAndOneRowPerColumn) {
  TableDesign t;
  t.actualName = "t_order";
  t.comment = Cp936(u8"订单(组)销售");
  t.group = Cp936(u8"销售");
  ColumnDesign id = Column("", "id", "int", 0, 0);
  id.identity = "IDENTITY (1,1)";
  id.primaryKey = true;
  ColumnDesign amount = Column(Cp936(u8"金额"), "amount", "decimal", 10, 2);
  amount.nullable = true;
  amount.defaultValue = "0";
  amount.note = "n";
  amount.checkExpression = "[amount] >= 0";
  ColumnDesign user = Column("user", "user_id", "int", 0, 0);
  user.foreignKey = true;
  user.foreignKeyRef = std::make_unique<ForeignKeyRef>(ForeignKeyRef{"FK_o_u", "t_user", "id"});
  t.columns = {id, amount, user};

  TableEditor& e = Editor();
  e.OwnerChanged("sales");
  e.DisplayNameChanged("old");
  e.ActualNameChanged("old", false);
  e.FillFromDefinition({t}, 0);
  // The record's empty display name and owner leave the page's values.
  EXPECT_EQ(e.names(), (TableNames{"old", "t_order", t.comment, t.group, "sales"}));

  const std::vector<std::vector<std::string>> expected = {
      {"", "id", "id", "int", "No", "Yes", "", "", "Yes", "No", "", "", "", ""},
      {"", Cp936(u8"金额"), "amount", "decimal(10,2)", "Yes", "No", "0", "n", "No", "No", "", "",
       "", "[amount] >= 0"},
      {"", "user", "user_id", "int", "No", "No", "", "", "No", "Yes", "FK_o_u", "t_user", "id", ""},
  };
  for (int row = 1; row <= 3; ++row) {
    for (int c = 0; c < 14; ++c) {
      EXPECT_EQ(e.grid().GetCellText(row, c), expected[row - 1][c]) << row << "," << c;
    }
  }
  EXPECT_EQ(e.grid().GetCellText(4, 1), "");

  // A fresh page takes the actual name as display name when the record has none.
  TableEditor& fresh = Editor();
  fresh.FillFromDefinition({t}, 0);
  EXPECT_EQ(fresh.names().displayName, "t_order");
  EXPECT_EQ(fresh.names().owner, "dbo");
}

TEST_F(TableEditorTest, TheGridGrowsToHoldEveryColumnWithSpareRows) {
  // {columns, rows the grid then has}: never fewer than 50, always 10 empty rows below.
  const std::vector<std::pair<int, int>> cases = {
      {3, 50}, {39, 50}, {40, 51}, {60, 71}, {1024, 1035}};
  for (const auto& [columns, rows] : cases) {
    TableDesign t;
    t.actualName = "wide";
    for (int i = 1; i <= columns; ++i)
      t.columns.push_back(Column("", "c" + std::to_string(i), "int", 0, 0));
    TableEditor& e = Editor();
    e.FillFromDefinition({t}, 0);
    EXPECT_EQ(e.grid().GetRowCount(), rows) << columns;
    EXPECT_EQ(e.grid().GetCellText(columns, 2), "c" + std::to_string(columns)) << columns;
    EXPECT_EQ(e.grid().GetCellText(columns + 1, 2), "") << columns;
  }
  // An index outside the list changes nothing.
  TableEditor& e = Editor();
  e.FillFromDefinition({}, 0);
  EXPECT_EQ(e.names().actualName, "");
}

TEST_F(TableEditorTest, ClearGridEmptiesEveryRowBelowTheHeader) {
  TableEditor& e = Editor();
  for (int row = 1; row <= 3; ++row) SetRow(row, {"n", "n", "int", "No"});
  e.grid().SetCellText(4, 0, "4");
  e.grid().SetCellText(4, 2, "past a blank row");
  e.grid().SetCellText(49, 1, "last");
  e.ClearGrid();
  for (int row = 1; row < e.grid().GetRowCount(); ++row) {
    for (int c = 0; c < 14; ++c) EXPECT_EQ(e.grid().GetCellText(row, c), "") << row;
  }
  EXPECT_EQ(e.grid().GetCellText(0, 1), Cp936(u8"名称"));
}

TEST_F(TableEditorTest, SqlPageBuildsTextAndParsesItIntoTheDefinition) {
  TableEditor& e = Editor(0);
  EXPECT_EQ(e.tableText(), "");  // no actual name yet: nothing built
  e.DisplayNameChanged(yonghu);
  e.ActualNameChanged("t_user", true);
  SetRow(1, {"id", "id", "int", "No", "Yes", "", "", "Yes"});
  SetRow(2, {Cp936(u8"名字"), "name", "varchar(20)", "Yes"});
  e.ActivatePage(TableEditor::kDesignPage);
  e.ActivatePage(TableEditor::kSqlPage);

  const std::string table = Cp936(
      u8"CREATE TABLE [dbo].[t_user] (\t\t\t--用户:\n"
      u8"[id] [int] IDENTITY (1,1) NOT NULL ,  \n"
      u8"[name] [varchar](20) NULL   --名字:\n"
      u8") ON [PRIMARY]");
  const std::string extra =
      "\n\nALTER TABLE [dbo].[t_user] WITH NOCHECK ADD\nCONSTRAINT [PK_T_USER] PRIMARY KEY  "
      "CLUSTERED\n(\n[id]\n)\n"
      "ON [PRIMARY]\nGO\n\n";
  EXPECT_EQ(e.tableText(), table);
  EXPECT_EQ(e.extraStatements(), extra);
  EXPECT_EQ(e.shownText(), table);
  ASSERT_EQ(host.definitions.size(), 1u);
  const TableDesign& d = host.definitions[0];
  EXPECT_EQ(d.actualName, "t_user");
  EXPECT_EQ(d.displayName, yonghu);
  ASSERT_EQ(d.columns.size(), 2u);
  EXPECT_TRUE(d.columns[0].primaryKey);
  EXPECT_EQ(d.columns[0].identity, "IDENTITY (1,1)");
  EXPECT_EQ(d.columns[1].displayName, Cp936(u8"名字"));
  EXPECT_EQ(d.columns[1].length, 20);
  EXPECT_TRUE(d.columns[1].nullable);
  EXPECT_EQ(host.changes, 1);
}

TEST_F(TableEditorTest, ApplyTakesTheEditedTextAndRefillsTheGrid) {
  TableEditor& e = Editor(0);
  e.DisplayNameChanged("t");
  SetRow(1, {"a", "a", "int", "No"});
  e.ActivatePage(TableEditor::kDesignPage);
  e.ActivatePage(TableEditor::kSqlPage);
  ASSERT_EQ(host.definitions.size(), 1u);

  e.EditShownText(
      "CREATE TABLE [dbo].[t] (\t\t\t\n[a] [bigint] NOT NULL ,  \n[b] [char](2) NULL   \n) ON "
      "[PRIMARY]");
  e.ApplySqlText();
  ASSERT_EQ(host.definitions[0].columns.size(), 2u);
  EXPECT_EQ(host.definitions[0].columns[0].typeName, "bigint");
  EXPECT_EQ(e.grid().GetCellText(1, 3), "bigint");
  EXPECT_EQ(e.grid().GetCellText(2, 3), "char(2)");
  EXPECT_EQ(e.tableText(),
            "CREATE TABLE [dbo].[t] (\t\t\t\n[a] [bigint] NOT NULL ,  \n[b] [char](2) NULL   \n) "
            "ON [PRIMARY]");
}

TEST_F(TableEditorTest, TypedTextWithoutATableIsKeptAndTheSheetStaysOpen) {
  TableEditor& e = Editor(0);
  e.Show();
  e.DisplayNameChanged("t");
  SetRow(1, {"a", "a", "int", "No"});
  e.ActivatePage(TableEditor::kSqlPage);
  const std::string built = e.tableText();
  e.EditShownText("select 1");
  EXPECT_FALSE(e.ApplySqlText());
  EXPECT_EQ(e.shownText(), "select 1");
  EXPECT_EQ(e.tableText(), built);
  EXPECT_FALSE(e.Close());
  EXPECT_TRUE(e.visible());
  e.EditShownText(built);
  EXPECT_TRUE(e.Close());
  EXPECT_FALSE(e.visible());
  EXPECT_EQ(host.definitions[0].columns.size(), 1u);
}

TEST_F(TableEditorTest, ApplyWithExtraStatementsShownDiscardsTheEditsAndUnticks) {
  TableEditor& e = Editor(0);
  e.DisplayNameChanged("t");
  SetRow(1, {"a", "a", "int", "No", "No", "", "", "Yes"});
  e.ActivatePage(TableEditor::kDesignPage);
  e.ActivatePage(TableEditor::kSqlPage);
  const std::string table = e.tableText();
  const std::string extra = e.extraStatements();
  ASSERT_FALSE(extra.empty());

  e.SetShowExtraStatements(true);
  EXPECT_EQ(e.shownText(), table + extra);
  e.EditShownText("CREATE TABLE [dbo].[edited] (\n[z] [int] NULL\n) ON [PRIMARY]");
  e.ApplySqlText();
  EXPECT_FALSE(e.showExtraStatements());
  EXPECT_EQ(e.shownText(), table);
  EXPECT_EQ(e.tableText(), table);
  EXPECT_EQ(e.extraStatements(), extra);
  ASSERT_EQ(host.definitions.size(), 1u);
  EXPECT_EQ(host.definitions[0].actualName, "t");
}

TEST_F(TableEditorTest, UntickingKeepsTheExtraStatementsApart) {
  TableEditor& e = Editor(0);
  e.DisplayNameChanged("t");
  SetRow(1, {"a", "a", "int", "No", "No", "", "", "Yes"});
  e.ActivatePage(TableEditor::kDesignPage);
  e.ActivatePage(TableEditor::kSqlPage);
  const std::string table = e.tableText();
  const std::string extra = e.extraStatements();

  e.SetShowExtraStatements(true);
  e.SetShowExtraStatements(false);
  EXPECT_EQ(e.tableText(), table);
  EXPECT_EQ(e.SqlText(), table + extra);

  // Text typed while ticked is kept when unticking.
  e.SetShowExtraStatements(true);
  e.EditShownText("-- mine\n" + table + extra);
  e.SetShowExtraStatements(false);
  EXPECT_EQ(e.tableText(), "-- mine\n" + table);
  EXPECT_EQ(e.shownText(), "-- mine\n" + table);
}

TEST_F(TableEditorTest, CloseAppliesTheTextAndHides) {
  TableEditor e(app, parser, host, 0);
  e.Show();
  e.DisplayNameChanged("t");
  e.ActivatePage(TableEditor::kDesignPage);
  e.grid().SetCellText(1, 1, "a");
  e.grid().SetCellText(1, 2, "a");
  e.grid().SetCellText(1, 3, "int");
  e.Close();
  EXPECT_FALSE(e.visible());
  EXPECT_EQ(e.activePage(), TableEditor::kSqlPage);
  ASSERT_EQ(host.definitions.size(), 1u);
  ASSERT_EQ(host.definitions[0].columns.size(), 1u);
  EXPECT_EQ(host.definitions[0].columns[0].actualName, "a");
}

TEST_F(TableEditorTest, SqlPageShownBeforeTheGridExistsCreatesEveryPage) {
  TableEditor e(app, parser, host, 0);
  e.Show();
  e.DisplayNameChanged("t");
  e.ActivatePage(TableEditor::kSqlPage);
  EXPECT_TRUE(e.PageExists(TableEditor::kDesignPage));
  EXPECT_EQ(e.activePage(), TableEditor::kSqlPage);
  EXPECT_EQ(e.tableText(), "CREATE TABLE [dbo].[t] (\t\t\t\n) ON [PRIMARY]");
}

TEST_F(TableEditorTest, AttachedGridReceivesTheCells) {
  TableEditor& e = Editor();
  SetRow(1, {"a", "a", "int"});
  CellGrid window(50, 14);
  e.AttachGrid(&window);
  EXPECT_EQ(window.GetCellText(1, 3), "int");
  EXPECT_EQ(window.GetCellText(0, 1), Cp936(u8"名称"));
  e.grid().SetCellText(2, 1, "b");
  EXPECT_EQ(window.GetCellText(2, 1), "b");
}

class HighlightTest : public ::testing::Test {
 protected:
  std::vector<HighlightSpan> Spans(const std::string& text) {
    return TableEditor::Highlight(text, {"int", "char", "varchar"}, blue, green);
  }
  const Rgb blue{0, 0, 255};
  const Rgb green{51, 153, 0};
};

TEST_F(HighlightTest, TypeNamesStandingAloneAreColoured) {
  // "int" in [int] and (int); not in pint, int_x or varchar's "char".
  EXPECT_EQ(Spans("[int] pint int_x (int) varchar"),
            (std::vector<HighlightSpan>{{1, 4, blue}, {18, 21, blue}, {23, 30, blue}}));
  // 0xB0 0x69 is one character whose second byte reads as "i"; a character before a
  // type name is not a letter, digit or "_".
  EXPECT_EQ(Spans("\xB0int int"), (std::vector<HighlightSpan>{{4, 7, blue}}));
  EXPECT_EQ(Spans("\xB0\xA1int"), (std::vector<HighlightSpan>{{1, 4, blue}}));
}

TEST_F(HighlightTest, CommentsAreColouredInCharacterPositions) {
  EXPECT_EQ(Spans(Cp936(u8"--用户\n[int]")),
            (std::vector<HighlightSpan>{{6, 9, blue}, {0, 4, green}}));
  // A "--" comment on the last line without a line feed is not coloured.
  EXPECT_EQ(Spans("a --one\nb --two"), (std::vector<HighlightSpan>{{2, 7, green}}));
  // 0x81 0x2D is no valid character but is read as one: the comment starts inside it.
  EXPECT_EQ(Spans("a\x81--b\n"), (std::vector<HighlightSpan>{{1, 4, green}}));
  EXPECT_EQ(Spans("/* a */ x /* open"), (std::vector<HighlightSpan>{{0, 7, green}}));
  EXPECT_EQ(Spans("/**/"), (std::vector<HighlightSpan>{{0, 4, green}}));
}

TEST_F(HighlightTest, EditorColoursItsShownTextWithTheKindsTypes) {
  AppState app;
  app.settings = testing::EditorSettings();
  app.databaseKind = kOracle;
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  FakeHost host;
  TableEditor e(app, parser, host, 0);
  for (int page : {0, 1, 2}) e.ActivatePage(page);
  e.DisplayNameChanged("t");
  e.grid().SetCellText(1, 1, "a");
  e.grid().SetCellText(1, 2, "a");
  e.grid().SetCellText(1, 3, "NUMBER(5)");
  e.ActivatePage(1);
  e.ActivatePage(2);
  // CREATE TABLE [SYSTEM].[t] (\t\t\t\n[a] [NUMBER](5) NOT NULL   \n) ON [PRIMARY]
  EXPECT_EQ(e.highlights(), (std::vector<HighlightSpan>{{36, 42, Rgb{0, 0, 255}}}));
}

}  // namespace
}  // namespace tablora
