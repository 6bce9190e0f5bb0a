// Designs written by the script writer open again as the same designs.
//
// What the format carries, and so what these designs stay within:
// - free texts (display names, comments, notes, groups) are written on one line with their
//   colons as "-": line breaks come back as spaces, ":" and "：" as "-";
// - when a display name equals its actual name it is not written (it reads back empty);
// - no text holds "(组)";
// - names hold no "[" (names with "]" have a test of their own); actual table names
//   differ ignoring letter case, column names within a table differ;
// - defaults and CHECK expressions have balanced parentheses and quotes; a CHECK belongs
//   to the column its "CK_" name gives;
// - a foreign key is written only with its referenced column; an unnamed one gets the
//   name FK_<table>_<column>;
// - key and identity columns are NOT NULL;
// - MS Access scripts carry no owner, identity or default; Oracle scripts no identity.
#include <unistd.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "base/gbk_text.h"
#include "base/text_file.h"
#include "model/design.h"
#include "model/editor_record.h"
#include "model/script_clauses.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "model/script_writer.h"
#include "support/model_fixture.h"
#include "support/script_test_support.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

using gbk::ReplaceAll;
using testing::Describe;

/// What a user types for one column: the editor grid's cells 1..13.
struct ColumnInput {
  std::string display = {}, actual = {}, type = {}, defaultValue = {}, note = {}, fkName = {};
  std::string refOwner = {}, refTable = {}, refColumn = {}, check = {};
  std::string seed = {};  ///< identity seed and increment other than (1,1), e.g. "(100, 5)"
  bool nullable = false, identity = false, key = false, foreignKey = false;
};
/// A column with names and a type; every other field empty or false.
ColumnInput Column(std::string display, std::string actual, std::string type) {
  ColumnInput column;
  column.display = std::move(display);
  column.actual = std::move(actual);
  column.type = std::move(type);
  return column;
}
struct TableInput {
  std::string display, actual, comment, group, owner;
  std::vector<ColumnInput> columns;
};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  std::vector<TableInput> Design() {
    std::vector<TableInput> tables(Pick(1, 4));
    for (std::size_t t = 0; t < tables.size(); ++t) {
      TableInput& table = tables[t];
      table.actual = Name() + "_t" + std::to_string(t);  // unique ignoring case
      table.display = Chance(4) ? table.actual : Text(1, 3);
      table.comment = Chance(3) ? "" : Text(0, 6);
      table.group = Chance(2) ? "" : Text(1, 2);
      table.owner = Chance(2) ? "dbo" : "s" + Name();
      // Now and then a wide table.
      table.columns.resize(Chance(25) ? Pick(50, 300) : Pick(1, 6));
      for (std::size_t c = 0; c < table.columns.size(); ++c) {
        ColumnInput& col = table.columns[c];
        col.actual = Name() + std::to_string(c);
        col.display = Chance(3) ? col.actual : Text(1, 2);
        col.type = Type();
        col.nullable = Chance(2);
        col.identity = Chance(5);
        if (col.identity && Chance(2)) {
          col.seed =
              "(" + std::to_string(Pick(-5, 100000)) + ", " + std::to_string(Pick(1, 9)) + ")";
        }
        col.key = Chance(4);
        if (Chance(3))
          col.defaultValue = Pick({"0", "''", "'it''s, (x)'", "getdate()", "((1))",
                                   "CONVERT(varchar(10),getdate(),120)", "N'a:b'",
                                   "'" + std::string(Pick(120, 300), 'z') + "'"});
        col.note = Chance(3) ? "" : Text(1, 5);
        if (Chance(4)) {
          col.foreignKey = true;
          col.fkName = Chance(3) ? "" : "FK_" + Name();
          col.refOwner = Chance(3) ? "ref" + Name() : "";
          col.refTable = Name();
          col.refColumn = Name();
        }
        if (Chance(4))
          col.check = Pick(
              {"[" + col.actual + "] > 0", "[" + col.actual + "] IN (1,2)",
               "len([" + col.actual + "]) < 9 AND 1 = 1", "1 <> ','",
               "[" + col.actual + "] NOT IN ('" + std::string(Pick(130, 400), 'c') + "', '(]')"});
      }
    }
    return tables;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int oneIn) { return Pick(1, oneIn) == 1; }
  std::string Pick(std::initializer_list<std::string> items) {
    return *(items.begin() + Pick(0, static_cast<int>(items.size()) - 1));
  }

 private:
  std::string Name() {
    static const std::vector<std::string> parts = {
        "id", "name", "Order", "x", Cp936(u8"名称"), Cp936(u8"表"), "a_b", "Z9"};
    std::string name = parts[Pick(0, static_cast<int>(parts.size()) - 1)];
    if (Chance(2)) name += parts[Pick(0, static_cast<int>(parts.size()) - 1)];
    if (Chance(3)) name += AnyCharacter();
    return name;
  }
  /// One character drawn from all of Unicode beyond ASCII, as the core holds it: half from
  /// the basic plane (two-byte and four-byte sequences), half from the planes above it.
  std::string AnyCharacter() {
    char32_t code;
    do {
      code = Chance(2) ? static_cast<char32_t>(Pick(0x80, 0xFFFF))
                       : static_cast<char32_t>(Pick(0x10000, 0x10FFFF));
      // Surrogates are no characters; the full-width colon is read as ":" on purpose.
    } while ((code >= 0xD800 && code <= 0xDFFF) || code == 0xFF1A);
    std::string utf8;
    if (code < 0x800) {
      utf8 = {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
    } else if (code < 0x10000) {
      utf8 = {static_cast<char>(0xE0 | code >> 12), static_cast<char>(0x80 | (code >> 6 & 0x3F)),
              static_cast<char>(0x80 | (code & 0x3F))};
    } else {
      utf8 = {static_cast<char>(0xF0 | code >> 18), static_cast<char>(0x80 | (code >> 12 & 0x3F)),
              static_cast<char>(0x80 | (code >> 6 & 0x3F)), static_cast<char>(0x80 | (code & 0x3F))};
    }
    return Cp936(utf8);
  }
  std::string Type() {
    return Pick({"int", "varchar(" + std::to_string(Pick(1, 8000)) + ")",
                 "decimal(" + std::to_string(Pick(1, 38)) + "," + std::to_string(Pick(1, 9)) + ")",
                 "datetime", "nvarchar(max)", "char(10)", "money"});
  }
  /// Words of Chinese and ASCII text with colons and line breaks.
  std::string Text(int minWords, int maxWords) {
    static const std::vector<std::string> words = {Cp936(u8"用户"),
                                                   Cp936(u8"订单"),
                                                   "null",
                                                   "not null",
                                                   "it's",
                                                   "(a)",
                                                   "b)",
                                                   ",",
                                                   ", c",
                                                   "GO",
                                                   "--",
                                                   "/*",
                                                   "create table",
                                                   "x''y",
                                                   "N'q'",
                                                   "[k]",
                                                   Cp936(u8"中文说明"),
                                                   "DEFAULT (1)",
                                                   "100%",
                                                   "line\nbreak",
                                                   "cr\r\nlf",
                                                   Cp936(u8"全角：冒号"),
                                                   Cp936(u8"€ 😀")};
    std::string text;
    const int count = Pick(minWords, maxWords);
    for (int i = 0; i < count; ++i) {
      if (i > 0) text += Chance(3) ? " " : "";
      text += Chance(5) ? AnyCharacter() : words[Pick(0, static_cast<int>(words.size()) - 1)];
      if (Chance(4)) text += ":";
    }
    // A name cannot be all spaces and a display name must not start empty.
    return text.empty() ? "t" : text;
  }

  std::mt19937 random_;
};

std::string YesNo(const Settings& s, int column, bool yes) {
  return yes ? s.YesText(column) : s.NoText(column);
}

/// Types the tables into new editors as a user would and closes each editor.
void Enter(Design& design, const std::vector<TableInput>& tables) {
  const Settings& s = design.app().settings;
  for (const TableInput& table : tables) {
    const int index = design.AddTable(true, -1);
    ASSERT_GE(index, 0);
    TableEditor& editor = design.editor(index);
    editor.DisplayNameChanged(table.display);
    editor.ActualNameChanged(table.actual, true);
    editor.CommentChanged(table.comment);
    editor.GroupChanged(table.group);
    editor.OwnerChanged(table.owner);
    editor.ActivatePage(TableEditor::kDesignPage);
    GridCells& grid = editor.grid();
    // The user adds rows to the grid for a wide table.
    grid.SetRowCount(TableEditor::GridRowsFor(table.columns.size()));
    for (std::size_t r = 0; r < table.columns.size(); ++r) {
      const ColumnInput& c = table.columns[r];
      const int row = static_cast<int>(r) + 1;
      const std::string cells[] = {c.display,
                                   c.actual,
                                   c.type,
                                   YesNo(s, 4, c.nullable),
                                   YesNo(s, 5, c.identity) + (c.seed.empty() ? "" : " " + c.seed),
                                   c.defaultValue,
                                   c.note,
                                   YesNo(s, 8, c.key),
                                   YesNo(s, 9, c.foreignKey),
                                   c.fkName,
                                   c.refOwner.empty() ? c.refTable : c.refOwner + "." + c.refTable,
                                   c.refColumn,
                                   c.check};
      for (int col = 1; col <= 13; ++col) grid.SetCellText(row, col, cells[col - 1]);
    }
    editor.Close();
  }
}

/// The record the format is expected to carry for one typed table.
/// A free text as the format carries it: on one line, colons as "-".
std::string OneLine(const std::string& text) {
  std::string out = ReplaceAll(ReplaceAll(text, "\r\n", " "), "\n", " ");
  out = ReplaceAll(ReplaceAll(out, ":", "-"), Cp936(u8"："), "-");
  return out;
}

TableDesign Expected(const TableInput& in, int kind) {
  static const std::string groupMark = Cp936(u8"(组)");
  TableDesign t;
  t.actualName = in.actual;
  t.displayName = in.display == in.actual ? "" : OneLine(in.display);
  t.comment = OneLine(in.comment) + (in.group.empty() ? "" : groupMark + OneLine(in.group));
  t.group = OneLine(in.group);
  t.owner = kind == kAccess ? "" : in.owner;
  for (const ColumnInput& c : in.columns) {
    ColumnDesign col;
    col.actualName = c.actual;
    col.displayName = c.display == c.actual ? "" : OneLine(c.display);
    const std::size_t open = c.type.find('(');
    col.typeName = open == std::string::npos ? c.type : c.type.substr(0, open);
    if (c.type == "nvarchar(max)") {
      col.typeName = c.type;
    } else if (open != std::string::npos) {
      col.length = std::atoi(c.type.c_str() + open + 1);
      const std::size_t comma = c.type.find(',');
      if (comma != std::string::npos) col.scale = std::atoi(c.type.c_str() + comma + 1);
    }
    const bool identity = c.identity && kind == kSqlServer;
    col.nullable = c.nullable && !c.key && !identity;
    if (identity) col.identity = "IDENTITY " + (c.seed.empty() ? "(1,1)" : c.seed);
    if (kind != kAccess) col.defaultValue = c.defaultValue;
    col.note = OneLine(c.note);
    col.primaryKey = c.key;
    if (c.foreignKey) {
      col.foreignKey = true;
      const std::string name = c.fkName.empty() ? "FK_" + in.actual + "_" + c.actual : c.fkName;
      col.foreignKeyRef =
          std::make_unique<ForeignKeyRef>(ForeignKeyRef{name, c.refTable, c.refColumn, c.refOwner});
    }
    col.checkExpression = c.check;
    t.columns.push_back(std::move(col));
  }
  return t;
}

/// The settings, prompts and parser a design of one database kind is typed, saved and
/// opened with.
struct Workbench {
  explicit Workbench(int kind = kSqlServer) {
    app.settings = testing::EditorSettings();
    app.databaseKind = kind;
  }
  AppState app;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{testing::ResourceFolder(), &prompts};
};

class RoundTripTest : public ::testing::TestWithParam<int> {};

TEST_P(RoundTripTest, WrittenDesignsOpenAsTheSameDesigns) {
  const int kind = GetParam();
  const std::string path = ::testing::TempDir() + "reader_round_trip_" +
                           std::to_string(::getpid()) + "_" + std::to_string(kind) + ".sql";
  Generator generator(20261207u + static_cast<unsigned>(kind));
  for (int round = 0; round < 100; ++round) {
    const std::vector<TableInput> input = generator.Design();
    Workbench bench(kind);
    auto& [app, prompts, parser] = bench;
    Design written(app, prompts, parser);
    Enter(written, input);
    // Windows moved and recoloured by the user.
    for (int i = 0; i < written.tableCount(); ++i) {
      TableWindowState& w = written.entry(i).window;
      w.left = generator.Pick(-50, 3000);
      w.top = generator.Pick(0, 9000);
      w.textColour = static_cast<std::uint32_t>(generator.Pick(0, 0xFFFFFF));
      w.bkColour = static_cast<std::uint32_t>(generator.Pick(0, 0xFFFFFF));
    }
    ASSERT_TRUE(ScriptWriter(app).SaveScript(written, prompts, path, -1));

    Design opened(app, prompts, parser);
    ScriptOpener opener(opened, parser, prompts);
    ASSERT_TRUE(opener.OpenScript(path)) << opener.error();
    EXPECT_TRUE(prompts.messages.empty()) << "round " << round;

    // Tables come back sorted by actual name; each keeps its own window.
    std::vector<std::size_t> order(input.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return input[a].actual < input[b].actual; });
    ASSERT_EQ(opened.tableCount(), static_cast<int>(input.size())) << "round " << round;
    for (std::size_t i = 0; i < order.size(); ++i) {
      const TableDesign expected = Expected(input[order[i]], kind);
      const TableDesign& actual = opened.definitions()[i];
      ASSERT_EQ(expected, actual) << "round " << round << "\nexpected:\n"
                                  << Describe(expected) << "actual:\n"
                                  << Describe(actual);
      EXPECT_EQ(written.definitions()[order[i]], actual) << "round " << round;
      const TableWindowState& before = written.entry(static_cast<int>(order[i])).window;
      const TableWindowState& after = opened.entry(static_cast<int>(i)).window;
      EXPECT_EQ(
          (std::vector<long long>{before.left, before.top, before.textColour, before.bkColour}),
          (std::vector<long long>{after.left, after.top, after.textColour, after.bkColour}))
          << "round " << round << " table " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, RoundTripTest, ::testing::Values(kSqlServer, kAccess, kOracle));

// Where the format cannot carry a design, this is what comes back.
TEST(RoundTripLimitsTest, TextsBeyondTheFormatComeBackAsFollows) {
  Workbench bench;
  auto& [app, prompts, parser] = bench;
  Design written(app, prompts, parser);
  const std::string groupMark = Cp936(u8"(组)");
  TableInput groupMarkInComment{"d", "t2", "before" + groupMark + "after", "", "dbo", {}};
  groupMarkInComment.columns.push_back(Column("y", "y", "int"));
  TableInput checkOfAnother{"t3", "t3", "", "", "dbo", {}};
  checkOfAnother.columns.push_back(Column("p", "p", "int"));
  checkOfAnother.columns.back().check = "[q] > 0";
  checkOfAnother.columns.push_back(Column("q", "q", "int"));
  Enter(written, {groupMarkInComment, checkOfAnother});

  const std::string path =
      ::testing::TempDir() + "reader_round_trip_limits_" + std::to_string(::getpid()) + ".sql";
  ASSERT_TRUE(ScriptWriter(app).SaveScript(written, prompts, path, -1));
  Design opened(app, prompts, parser);
  ScriptOpener opener(opened, parser, prompts);
  ASSERT_TRUE(opener.OpenScript(path));
  const auto& tables = opened.definitions();
  ASSERT_EQ(tables.size(), 2u);
  // The comment is written up to its first "(组)": without a group the rest is lost.
  EXPECT_EQ(tables[0].comment, "before");
  EXPECT_EQ(tables[0].group, "");
  // A CHECK stays with the column of its "CK_" name, whatever columns it mentions.
  EXPECT_EQ(tables[1].columns[0].checkExpression, "[q] > 0");
  EXPECT_EQ(tables[1].columns[1].checkExpression, "");
}

// A record read from a whole script and settled to its editor's form opens exactly as one
// that passes through its editor's build-and-parse cycle: same definitions, same editor
// names, texts, colouring and grid, same saved script, and the same after edits.
class SettledOpen {
 public:
  explicit SettledOpen(AppState& app)
      : parser_(testing::ResourceFolder(), &prompts_),
        cycled_(app, prompts_, parser_),
        settled_(app, prompts_, parser_) {}

  /// Opens `text` (decoded, after its layout block) into both designs; returns how many
  /// tables were settled.
  int Open(const std::string& text) {
    const std::string normalised = ScriptClauses::NormaliseColons(text);
    const bool lineComments =
        text.compare(0, 10, "/* TABLORA") == 0 ||
        ScriptClauses::FindCodeWords(normalised, "sp_addextendedproperty").empty();
    std::vector<TableDesign> tables = parser_.ParseTables(normalised, lineComments);
    const EditorRecord rules(cycled_.app());
    int count = 0;
    for (TableDesign& table : tables) {
      cycled_.definitions().push_back(table);
      cycled_.AddTable(false, cycled_.tableCount());
      const bool settled = rules.Settle(table);
      settled_.definitions().push_back(std::move(table));
      if (settled) {
        settled_.AddSettledTable(settled_.tableCount());
        ++count;
      } else {
        settled_.AddTable(false, settled_.tableCount());
      }
    }
    return count;
  }

  void ExpectSame(const std::string& where) {
    ASSERT_EQ(cycled_.tableCount(), settled_.tableCount()) << where;
    for (int i = 0; i < cycled_.tableCount(); ++i) {
      const std::string at = where + " table " + std::to_string(i);
      const TableEditor& a = cycled_.editor(i);
      const TableEditor& b = settled_.editor(i);
      ASSERT_EQ(cycled_.definitions()[i], settled_.definitions()[i])
          << at << "\ncycled:\n"
          << testing::Describe(cycled_.definitions()[i]) << "settled:\n"
          << testing::Describe(settled_.definitions()[i]);
      EXPECT_EQ(a.names(), b.names()) << at;
      EXPECT_EQ(a.tableText(), b.tableText()) << at;
      EXPECT_EQ(a.extraStatements(), b.extraStatements()) << at;
      EXPECT_EQ(a.shownText(), b.shownText()) << at;
      EXPECT_EQ(a.highlights(), b.highlights()) << at;
      EXPECT_EQ(std::make_tuple(a.activePage(), a.PageExists(0), a.PageExists(1), a.PageExists(2),
                                a.visible(), a.following()),
                std::make_tuple(b.activePage(), b.PageExists(0), b.PageExists(1), b.PageExists(2),
                                b.visible(), b.following()))
          << at;
      ASSERT_EQ(a.grid().GetRowCount(), b.grid().GetRowCount()) << at;
      ASSERT_EQ(a.grid().GetColumnCount(), b.grid().GetColumnCount()) << at;
      for (int r = 0; r < a.grid().GetRowCount(); ++r) {
        for (int c = 0; c < a.grid().GetColumnCount(); ++c)
          ASSERT_EQ(a.grid().GetCellText(r, c), b.grid().GetCellText(r, c)) << at << " cell " << r;
      }
    }
    const ScriptWriter writer(cycled_.app());
    EXPECT_EQ(writer.BuildScript(cycled_, -1), writer.BuildScript(settled_, -1)) << where;
  }

  /// The same edits in both designs, each made before anything was built from the record.
  template <typename Edit>
  void EditBoth(const Edit& edit) {
    edit(cycled_);
    edit(settled_);
  }

  int tableCount() const { return cycled_.tableCount(); }
  std::vector<TableDesign> RefreshedCycled() { return cycled_.RefreshTableDefinitions(); }
  std::vector<TableDesign> RefreshedSettled() { return settled_.RefreshTableDefinitions(); }

 private:
  testing::ScriptedPrompts prompts_;
  ScriptParser parser_;
  Design cycled_;
  Design settled_;
};

/// Hand-written variations of a saved script that the writer itself would not produce.
std::string Vary(std::string text, Generator& generator) {
  const std::string groupMark = Cp936(u8"(组)");
  if (generator.Chance(3)) text = ReplaceAll(text, "CREATE TABLE [dbo].", "CREATE TABLE ");
  if (generator.Chance(3)) text = ReplaceAll(text, "IDENTITY (1,1)", "identity(1, 1)");
  if (generator.Chance(3)) text = ReplaceAll(text, "IDENTITY (1,1)", "IDENTITY");
  if (generator.Chance(3)) text = ReplaceAll(text, "] (\t\t\t--", "] (\t\t\t--" + groupMark);
  if (generator.Chance(3))
    text = ReplaceAll(text, "\n) ON [PRIMARY]", groupMark + "\n) ON [PRIMARY]");
  if (generator.Chance(3)) text = ReplaceAll(text, "[varchar]", "varchar");
  if (generator.Chance(3)) text = ReplaceAll(text, " DEFAULT (", " default ");
  if (generator.Chance(4)) text = ReplaceAll(text, "NOT NULL", "NOT  NULL");
  if (generator.Chance(4)) text = ReplaceAll(text, "--", "-- ");
  return text;
}

TEST(SettledOpenTest, SettledRecordsOpenAsTheirEditorsCycleWouldGiveThem) {
  Workbench bench;
  auto& [app, prompts, parser] = bench;
  const std::string path =
      ::testing::TempDir() + "settled_open_" + std::to_string(::getpid()) + ".sql";
  Generator generator(20261208u);
  int tables = 0, settled = 0;
  for (int round = 0; round < 60; ++round) {
    Design written(app, prompts, parser);
    Enter(written, generator.Design());
    ASSERT_TRUE(ScriptWriter(app).SaveScript(written, prompts, path, -1));
    std::string bytes, text;
    ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
    ASSERT_TRUE(ScriptOpener::DecodeFile(bytes, text));
    text.erase(0, ScriptOpener::ReadLayout(text).textStart);
    if (round % 2 == 1) text = Vary(text, generator);

    SettledOpen open(app);
    settled += open.Open(text);
    tables += written.tableCount();
    const std::string where = "round " + std::to_string(round);
    open.ExpectSame(where);
    // Edits after the open: a name typed, a group chosen in the work box, the database
    // kind changed; each reaches both the same way.
    const int pick = generator.Pick(0, written.tableCount() - 1);
    open.EditBoth([&](Design& d) {
      d.editor(pick).DisplayNameChanged("typed");
      d.editor(pick == 0 ? 0 : pick - 1).GroupChanged("g");
      d.definitions()[pick == 0 ? 0 : pick - 1].group = "g";
    });
    app.databaseKind = round % 4 == 1 ? kOracle : kSqlServer;  // both designs' kind
    EXPECT_EQ(open.RefreshedCycled(), open.RefreshedSettled()) << where;
    open.ExpectSame(where + " after edits");
    open.EditBoth([&](Design& d) {
      d.editor(pick).ActivatePage(TableEditor::kDesignPage);
      d.editor(pick).ActivatePage(TableEditor::kSqlPage);
    });
    open.ExpectSame(where + " after the text was rebuilt");
    app.databaseKind = kSqlServer;
  }
  // The written designs are settled, variations and all.
  EXPECT_EQ(settled, tables);

  // Scripts of other tools and hand-written ones.
  int fixtureTables = 0, fixtureSettled = 0;
  for (const char* name :
       {"reader_descriptions.sql", "reader_gbk_crlf.sql", "reader_handwritten_mssql.sql",
        "reader_long_checks.sql", "reader_one_table.sql", "reader_server_tools_70.sql",
        "reader_utf16_bom.sql", "reader_utf8_bom.sql", "reader_wide_tables.sql",
        "writer_sample.sql"}) {
    std::string bytes, text;
    ASSERT_TRUE(
        TextFile::ReadBytes(std::string(TABLORA_SOURCE_DIR) + "/tests/data/" + name, bytes));
    ASSERT_TRUE(ScriptOpener::DecodeFile(bytes, text));
    text.erase(0, ScriptOpener::ReadLayout(text).textStart);
    SettledOpen open(app);
    fixtureSettled += open.Open(text);
    fixtureTables += open.tableCount();
    open.ExpectSame(name);
  }
  // Some of their tables are settled, others hold what only the cycle can settle.
  EXPECT_GT(fixtureSettled, 0);
  EXPECT_LT(fixtureSettled, fixtureTables);
}

// A "]" in a name is written doubled ("]]") and read back as one, wherever the name stands.
TEST(ClosingBracketNamesTest, NamesHoldingClosingBracketsOpenUnchanged) {
  const std::string wide = "\x81\x5D";  // a double-byte character whose second byte is "]"
  auto key = [](ColumnInput c, std::string check = {}) {
    c.key = true;
    c.check = std::move(check);
    return c;
  };
  auto reference = [](ColumnInput c, std::string name, std::string owner, std::string table,
                      std::string column) {
    c.foreignKey = true;
    c.fkName = std::move(name);
    c.refOwner = std::move(owner);
    c.refTable = std::move(table);
    c.refColumn = std::move(column);
    return c;
  };
  const std::vector<std::pair<const char*, TableInput>> cases = {
      {"table, owner, columns, key, CHECK, named and unnamed foreign keys",
       {"d",
        "t]1",
        "",
        "",
        "o]w",
        {key(Column("k", "k]", "int"), "[k]]] > 0"),
         reference(Column("r", "]r]", "int"), "FK]r", "ro]", "]p", "i]d"),
         reference(Column("u", "u", "varchar(10)"), "", "", "p]", "id")}}},
      {"double-byte characters ending in ] next to a ]",
       {wide,
        wide + "]",
        "",
        "",
        "dbo",
        {key(Column(wide, wide + "]" + wide, "int")),
         reference(Column("x", "x" + wide, "int"), "", "", wide, wide + "]")}}},
      {"names of nothing but ]", {"]", "]", "", "", "]]", {key(Column("]]]", "]]]", "int"))}}},
      {"a user type", {"t", "t", "", "", "dbo", {Column("a", "a]", "my]type")}}},
      {"a ] before the characters that end a body's plain run",
       {"p",
        "p](",
        "",
        "",
        "dbo",
        {key(Column("x", "x](y", "int")), Column("q", "q])'\"--z", "int")}}},
  };
  const std::string path =
      ::testing::TempDir() + "closing_brackets_" + std::to_string(::getpid()) + ".sql";
  for (const int kind : {kSqlServer, kAccess, kOracle}) {
    for (const auto& [what, input] : cases) {
      // MS Access scripts write types bare: a type holding "]" cannot be read back.
      if (kind == kAccess && input.columns[0].type == "my]type") continue;
      const std::string where = std::string(what) + ", kind " + std::to_string(kind);
      Workbench bench(kind);
      auto& [app, prompts, parser] = bench;
      Design written(app, prompts, parser);
      Enter(written, {input});
      ASSERT_TRUE(ScriptWriter(app).SaveScript(written, prompts, path, -1)) << where;

      Design opened(app, prompts, parser);
      ScriptOpener opener(opened, parser, prompts);
      ASSERT_TRUE(opener.OpenScript(path)) << where << opener.error();
      EXPECT_TRUE(prompts.messages.empty()) << where;
      ASSERT_EQ(opened.tableCount(), 1) << where;
      const TableDesign expected = Expected(input, kind);
      EXPECT_EQ(expected, opened.definitions()[0]) << where << "\nexpected:\n"
                                                   << Describe(expected) << "actual:\n"
                                                   << Describe(opened.definitions()[0]);
      if (kind != kSqlServer) continue;
      // Opened settled or through the editor's cycle, the table comes back the same.
      std::string bytes, text;
      ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
      ASSERT_TRUE(ScriptOpener::DecodeFile(bytes, text));
      text.erase(0, ScriptOpener::ReadLayout(text).textStart);
      SettledOpen open(app);
      open.Open(text);
      open.ExpectSame(where);
    }
  }
}

}  // namespace
}  // namespace tablora
