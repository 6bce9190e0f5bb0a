#include "ui/work_box_trees.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/script_design_session.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "support/scripted_prompts.h"
#include "ui/group_edit_lists.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

/// Passes the design's notes on to the trees, as the window side does.
class TreesView : public HeadlessDesignView {
 public:
  WorkBoxTrees* trees = nullptr;
  void TableAdded(int index, bool show) override { trees->TableAdded(index, show); }
  void TableTreeTextChanged(int index, const std::string& text) override {
    trees->SetTableItemText(index, text);
  }
  void DesignCleared() override { trees->DesignCleared(); }
  void TableChanged(int index) override { trees->FollowGroup(index); }
  void TableRemoved(int index) override { trees->TableRemoved(index); }
  void DesignLoaded() override { trees->DesignLoaded(); }
};

std::string Table(const std::string& actual, const std::string& header) {
  return "CREATE TABLE [dbo].[" + actual + "] (\t\t\t" + header +
         "\r\n\t[id] [int] NOT NULL \r\n) ON [PRIMARY]\r\nGO\r\n\r\n";
}

/// Four tables in table-list order a_orders (订单, group A), b_items (none), c_users
/// (group B), d_notes (group A).
std::string FourTables() {
  return Table("a_orders", Cp936(u8"--订单:(组)A")) + Table("b_items", Cp936(u8"--货品:")) +
         Table("c_users", Cp936(u8"--用户:(组)B")) + Table("d_notes", Cp936(u8"--(组)A"));
}

class WorkBoxTreesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("tablora_trees_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(folder);
    app.settings = LoadSettingsFile(TABLORA_SOURCE_DIR "/resources");
    app.settings.programFolder = TABLORA_SOURCE_DIR "/resources";
    app.databaseKind = kSqlServer;
    session = std::make_unique<ScriptDesignSession>(app, prompts, &view);
    trees = std::make_unique<WorkBoxTrees>(design());
    view.trees = trees.get();
  }
  void TearDown() override { fs::remove_all(folder); }

  Design& design() { return *session->design(); }
  void Open(const std::string& text, const std::string& name = "four.sql") {
    const std::string path = (folder / name).string();
    ASSERT_TRUE(TextFile::WriteBytes(path, text));
    ASSERT_TRUE(session->OpenScript(path)) << (prompts.messages.empty() ? "" : prompts.messages[0]);
  }
  std::string Text(WorkBoxTrees::Tree which, int item) {
    return TextCodec::Cp936ToUtf8(trees->tree(which).Item(item).text);
  }
  /// "group: member, member | group: ..." of the group tree, in UTF-8.
  std::string GroupTree() {
    std::string out;
    for (int group : trees->Groups()) {
      if (!out.empty()) out += " | ";
      out += Text(WorkBoxTrees::kGroupTree, group) + ":";
      for (int member : trees->groupTree().Children(group)) {
        out += " " + Text(WorkBoxTrees::kGroupTree, member);
      }
    }
    return out;
  }
  std::string TableTree() {
    std::string out = Text(WorkBoxTrees::kTableTree, trees->tablesNode()) + ":";
    for (int item : trees->tableTree().Children(trees->tablesNode())) {
      out += " " + Text(WorkBoxTrees::kTableTree, item);
    }
    return out;
  }

  fs::path folder;
  AppState app;
  testing::ScriptedPrompts prompts;
  TreesView view;
  std::unique_ptr<ScriptDesignSession> session;
  std::unique_ptr<WorkBoxTrees> trees;
};

TEST_F(WorkBoxTreesTest, LoadingFillsBothTreesAndTheDisplayModesRenameTheTables) {
  Open(FourTables());
  EXPECT_EQ(TableTree(), u8"表(4): a_orders(订单) b_items(货品) c_users(用户) d_notes");
  EXPECT_EQ(GroupTree(), u8"A: 订单 d_notes | 其他表: 货品 | B: 用户");
  const TreeItem& node = trees->groupTree().Item(trees->groupsNode());
  EXPECT_TRUE(node.bold);
  EXPECT_TRUE(node.expanded);
  EXPECT_EQ(Text(WorkBoxTrees::kGroupTree, trees->groupTree().TopLevel()[0]), "Tablora");

  struct Case {
    TreeNameMode mode;
    const char* tableTree;
    const char* groupTree;
  } cases[] = {
      {TreeNameMode::kDisplayName, u8"表(4): 订单 货品 用户 d_notes",
       u8"A: 订单 d_notes | 其他表: 货品 | B: 用户"},
      {TreeNameMode::kActualName, u8"表(4): a_orders b_items c_users d_notes",
       u8"A: a_orders d_notes | 其他表: b_items | B: c_users"},
      {TreeNameMode::kBothNames, u8"表(4): a_orders(订单) b_items(货品) c_users(用户) d_notes",
       u8"A: 订单(a_orders) d_notes | 其他表: 货品(b_items) | B: 用户(c_users)"},
  };
  for (const Case& c : cases) {
    trees->ShowNames(WorkBoxTrees::kTableTree, c.mode);
    trees->ShowNames(WorkBoxTrees::kGroupTree, c.mode);
    EXPECT_EQ(TableTree(), c.tableTree);
    EXPECT_EQ(GroupTree(), c.groupTree);
  }
}

TEST_F(WorkBoxTreesTest, ItemsAnswerTheirTableProcedureAndPopup) {
  Open(FourTables());
  trees->AddProcedureItem(0, "p_list");
  design().procedures().push_back({"p_list", "dbo", "create procedure p_list as select 1", {}});
  const int tableItem = trees->TableItem(2);
  const int group = trees->FindGroup("B");
  const int member = trees->groupTree().Children(group)[0];
  const int procedure = trees->tableTree().Children(trees->proceduresNode())[0];
  using W = WorkBoxTrees;
  struct Case {
    W::Tree tree;
    int item;
    int table;
    TreePopup popup;
  } cases[] = {
      {W::kTableTree, trees->tableTree().TopLevel()[0], -1, TreePopup::kTableTreeNode},
      {W::kTableTree, trees->tablesNode(), -1, TreePopup::kTableTreeNode},
      {W::kTableTree, trees->proceduresNode(), -1, TreePopup::kTableTreeNode},
      {W::kTableTree, tableItem, 2, TreePopup::kTable},
      {W::kTableTree, procedure, -1, TreePopup::kNone},
      {W::kGroupTree, trees->groupTree().TopLevel()[0], -1, TreePopup::kGroupTreeNode},
      {W::kGroupTree, trees->groupsNode(), -1, TreePopup::kGroupTreeNode},
      {W::kGroupTree, group, -1, TreePopup::kGroup},
      {W::kGroupTree, member, 2, TreePopup::kTable},
      {W::kGroupTree, 9999, -1, TreePopup::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(trees->TableOf(c.tree, c.item), c.table) << c.item;
    EXPECT_EQ(trees->PopupFor(c.tree, c.item), c.popup) << c.item;
  }
  EXPECT_EQ(trees->ProcedureOf(procedure), 0);
  EXPECT_EQ(trees->ProcedureOf(tableItem), -1);
  EXPECT_EQ(Text(W::kTableTree, trees->proceduresNode()), u8"存储过程");
}

TEST_F(WorkBoxTreesTest, NewTablesJoinBothTreesAtOnceAndFollowTheirGroup) {
  Open(FourTables());
  const int index = design().AddTable(true, -1);
  ASSERT_EQ(index, 4);
  EXPECT_EQ(TableTree(), u8"表(5): a_orders(订单) b_items(货品) c_users(用户) d_notes 新表5");
  EXPECT_EQ(GroupTree(), u8"A: 订单 d_notes | 其他表: 货品 新表5 | B: 用户");
  design().editor(index).DisplayNameChanged(Cp936(u8"客户"));
  EXPECT_EQ(Text(WorkBoxTrees::kTableTree, trees->TableItem(index)), u8"客户");
  EXPECT_EQ(GroupTree(), u8"A: 订单 d_notes | 其他表: 货品 客户 | B: 用户");
  // A group typed on the name page moves the table once its editor builds its text; a
  // group left empty goes.
  GridCells& grid = design().editor(index).grid();
  for (int c = 1; c <= 3; ++c) grid.SetCellText(1, c, c < 3 ? "id" : "int");
  design().editor(index).GroupChanged("B");
  ASSERT_TRUE(design().editor(index).Close());
  EXPECT_EQ(GroupTree(), u8"A: 订单 d_notes | 其他表: 货品 | B: 用户 客户");
  design().editor(1).GroupChanged("A");
  design().editor(1).BuildSqlText();
  EXPECT_EQ(GroupTree(), u8"A: 订单 d_notes 货品 | B: 用户 客户");
  trees->RebuildGroupTree();
  EXPECT_EQ(GroupTree(), u8"A: 订单 货品 d_notes | B: 用户 客户");

  // Opening more tables into the design (not replacing it) lists every table once.
  prompts.yesNoAnswers = {false};
  Open(Table("e_more", Cp936(u8"--(组)B")), "more.sql");
  EXPECT_EQ(GroupTree(), u8"A: 订单 货品 d_notes | B: 用户 客户 e_more");
  prompts.yesNoAnswers = {true};
  Open(Table("z", ""), "z.sql");
  EXPECT_EQ(TableTree(), u8"表(1): z");
  EXPECT_EQ(GroupTree(), u8"其他表: z");
}

TEST_F(WorkBoxTreesTest, ARemovedTableLeavesBothTreesAndTheLaterItemsNameTheirNewIndexes) {
  Open(FourTables());
  design().RemoveTable(1);  // b_items, the only one of 其他表
  EXPECT_EQ(TableTree(), u8"表(3): a_orders(订单) c_users(用户) d_notes");
  EXPECT_EQ(GroupTree(), u8"A: 订单 d_notes | B: 用户");
  EXPECT_EQ(trees->TableOf(WorkBoxTrees::kTableTree, trees->TableItem(2)), 2);
  EXPECT_EQ(Text(WorkBoxTrees::kTableTree, trees->TableItem(2)), "d_notes");
  EXPECT_EQ(trees->GroupTables(trees->FindGroup("A")), (std::vector<int>{0, 2}));
  EXPECT_EQ(trees->FindGroup(Cp936(u8"其他表")), -1);
  // Names typed later reach the right items.
  design().editor(2).DisplayNameChanged(Cp936(u8"备注"));
  EXPECT_EQ(GroupTree(), u8"A: 订单 备注 | B: 用户");
}

TEST_F(WorkBoxTreesTest, NewGroupsAreAllNamedAlikeAndTheFirstOfANameTakesNewMembers) {
  Open(FourTables());
  const int first = trees->NewGroup();
  const int second = trees->NewGroup();
  EXPECT_NE(first, second);
  EXPECT_EQ(GroupTree(), u8"A: 订单 d_notes | 其他表: 货品 | B: 用户 | 新分组: | 新分组:");
  design().editor(1).GroupChanged(Cp936(u8"新分组"));
  trees->AddToGroupTree(1);
  EXPECT_EQ(trees->GroupTables(first), std::vector<int>{1});
  EXPECT_TRUE(trees->GroupTables(second).empty());
  // Renaming the first makes the second the one found by that name.
  trees->ApplyGroupEdit(first, "C", {1});
  EXPECT_EQ(trees->FindGroup(Cp936(u8"新分组")), second);
  EXPECT_EQ(trees->FindGroup("C"), first);
}

TEST_F(WorkBoxTreesTest, EditingGroupsMovesTablesAndTheSavedFileKeepsTheNewGroups) {
  Open(FourTables());
  const int b = trees->FindGroup("B");
  // a_orders moves from A into B, which is renamed to "Sales".
  trees->ApplyGroupEdit(b, "Sales", {2, 0});
  EXPECT_EQ(GroupTree(), u8"A: d_notes | 其他表: 货品 | Sales: 用户 订单");
  EXPECT_EQ(design().editor(0).names().group, "Sales");
  EXPECT_TRUE(session->modified());

  // Saving refreshes every definition from its editor's SQL text.
  const std::string saved = (folder / "saved.sql").string();
  ASSERT_TRUE(session->SaveScript(saved));
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(saved, bytes));
  EXPECT_NE(bytes.find(Cp936(u8"--订单:(组)Sales")), std::string::npos);
  EXPECT_EQ(bytes.find(Cp936(u8"(组)B")), std::string::npos);
  prompts.yesNoAnswers = {true};
  ASSERT_TRUE(session->OpenScript(saved));
  EXPECT_EQ(GroupTree(), u8"Sales: 订单 用户 | 其他表: 货品 | A: d_notes");
}

TEST_F(WorkBoxTreesTest, ATableTakenOutOfItsGroupShowsUnderOtherTablesOnlyWhenThatGroupExists) {
  struct Case {
    const char* script;  ///< which design: with a table of no group, or without
    const char* after;
  } cases[] = {
      {"with", u8"A: d_notes | 其他表: 订单 货品 | B: 用户"},
      {"without", u8"A: d_notes | B: 用户"},
  };
  for (const Case& c : cases) {
    prompts.yesNoAnswers = {true};
    if (std::string(c.script) == "with") {
      Open(FourTables());
    } else {
      Open(Table("a_orders", Cp936(u8"--订单:(组)A")) + Table("c_users", Cp936(u8"--用户:(组)B")) +
           Table("d_notes", Cp936(u8"--(组)A")));
    }
    const int a = trees->FindGroup("A");
    const int orders = 0;
    std::vector<int> rest = trees->GroupTables(a);
    rest.erase(std::find(rest.begin(), rest.end(), orders));
    trees->ApplyGroupEdit(a, "A", rest);
    EXPECT_EQ(GroupTree(), c.after) << c.script;
    EXPECT_EQ(design().editor(orders).names().group, "") << c.script;
    EXPECT_EQ(design().RefreshTableDefinitions()[orders].group, "") << c.script;
  }
}

TEST_F(WorkBoxTreesTest, TheEditGroupListsMoveTablesAsTheButtonsDo) {
  Open(FourTables());
  GroupEditLists lists(design(), trees->GroupTables(trees->FindGroup("A")));
  EXPECT_EQ(lists.left(), (std::vector<int>{1, 2}));
  EXPECT_EQ(lists.right(), (std::vector<int>{0, 3}));
  EXPECT_EQ(TextCodec::Cp936ToUtf8(lists.ItemText(0)), u8"订单(a_orders)");
  EXPECT_EQ(lists.ItemText(3), "d_notes(d_notes)");
  // Repeated ">" moves the following items; past the end nothing is selected.
  EXPECT_EQ(lists.MoveRight(0), 0);
  EXPECT_EQ(lists.MoveRight(0), -1);
  EXPECT_EQ(lists.right(), (std::vector<int>{0, 3, 1, 2}));
  EXPECT_EQ(lists.MoveLeft(1), 1);
  EXPECT_EQ(lists.left(), std::vector<int>{3});
  EXPECT_EQ(lists.MoveLeft(7), -1);
  lists.MoveAllRight();
  EXPECT_EQ(lists.right(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_TRUE(lists.left().empty());
  lists.MoveAllLeft();
  EXPECT_EQ(lists.left(), (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace tablora
