// The query window through the real program over an SQLite file: opened from a table
// window's menu and from the trees' menus (several side by side), run again with typed SQL,
// and fed by the statement builder. Menus are worked with the mouse and the keyboard.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <typeinfo>

#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/query_window.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/work_box.h"
#include "app/gui/work_box_commands.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/access/odbc_connection.h"
#include "db/connect/database_session.h"
#include "db/gui/connect_dialog.h"
#include "db/gui/data_link_dialog.h"
#include "db/gui/password_dialog.h"
#include "gen/gui/condition_dialog.h"
#include "gen/gui/join_dialog.h"
#include "gen/gui/order_by_dialog.h"
#include "gen/gui/statement_builder_dialog.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/gui/data_grid.h"
#include "ui/gui/design_canvas.h"
#include "ui/table_surface.h"
#include "ui/work_box_trees.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;
using W = WorkBoxTrees;
constexpr int kLong = 15000;  ///< generous: the machine is shared

/// The design: the three tables of the database, no groups.
const char* const kScript =
    "CREATE TABLE [dbo].[People] (\r\n\t[id] [int] NOT NULL ,\r\n\t[name] [varchar] (40) NULL "
    ",\r\n\t[price] [float] NULL\r\n) ON [PRIMARY]\r\nGO\r\n\r\n"
    "CREATE TABLE [dbo].[Orders] (\r\n\t[id] [int] NOT NULL ,\r\n\t[personId] [int] NOT NULL "
    ",\r\n\t[total] [int] NULL\r\n) ON [PRIMARY]\r\nGO\r\n\r\n"
    "CREATE TABLE [dbo].[big] (\r\n\t[id] [int] NOT NULL ,\r\n\t[name] [varchar] (20) NULL\r\n"
    ") ON [PRIMARY]\r\nGO\r\n\r\n";

/// Scripted prompts that also run `onMessage` as each message is shown, while the window
/// that shows it still stands as the user sees it then.
class WatchingPrompts : public ScriptedPrompts {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override {
    if (onMessage) onMessage();
    ScriptedPrompts::ShowMessage(text, caption);
  }
  std::function<void()> onMessage;
};

template <typename T>
std::vector<T*> Shown() {
  std::vector<T*> found;
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* d = dynamic_cast<T*>(w); d != nullptr && d->IsShown() && !d->IsBeingDeleted())
      found.push_back(d);
  }
  return found;
}

class QueryWindowGui : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = Frame().appState().settings;
    Frame().appState().settings.currentHeaderStyle = 2;  // actual table names
    Frame().appState().designHasContent = false;
    Frame().appState().databaseKind = kSqlServer;
    OpenEmptyDesign(prompts);

    const std::string connection = "Driver=SQLite3;NoCreat=0;Database=" + folder / "query.db";
    OdbcConnection setup;
    ASSERT_TRUE(setup.Open(connection)) << setup.ErrorsText();
    for (const char* sql : {
             "CREATE TABLE People (id int, name varchar(40), price float)",
             "INSERT INTO People WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
             "WHERE i < 12) SELECT i, 'person ' || i, i * 1.5 FROM n",
             "UPDATE People SET name = 'Olga' WHERE id = 1",
             "UPDATE People SET name = 'Otto' WHERE id = 2",
             "CREATE TABLE Orders (id int, personId int, total int)",
             "INSERT INTO Orders VALUES (1, 1, 30), (2, 2, 70), (3, 1, 50), (4, 3, 90)",
             "CREATE TABLE big (id int, name varchar(20))",
             "INSERT INTO big WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
             "WHERE i < 1001) SELECT i, 'row ' || i FROM n",
         })
      ASSERT_TRUE(setup.Execute(sql)) << sql << setup.ErrorsText();

    const std::string script = folder / "design.sql";
    ASSERT_TRUE(TextFile::WriteBytes(script, kScript));
    Frame().FindView(DocumentTitles::DesignView());
    ASSERT_TRUE(Frame().session()->OpenScript(script));
    Frame().appState().designHasContent = true;
    Frame().RefreshDesignViews();
    ASSERT_TRUE(WaitFor(
        [&] {
          return Canvas()->surface() != nullptr && Canvas()->surface()->Count() == 3 &&
                 !Canvas()->surface()->Window(0).fitDirty;
        },
        kLong));

    // The design's connection, as the connect dialog leaves it.
    ConnectionState& state = Frame().session()->database()->state();
    state.sharedConnection = std::make_unique<OdbcConnection>(&Frame().prompts());
    ASSERT_TRUE(state.sharedConnection->Open(connection));
    state.connected = true;
  }
  void TearDown() override {
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* d = dynamic_cast<wxDialog*>(w); d != nullptr && d->IsModal())
        d->EndModal(wxID_CANCEL);
    }
    for (QueryWindow* w : Shown<QueryWindow>()) w->Destroy();
    for (StatementBuilderDialog* w : Shown<StatementBuilderDialog>()) w->Destroy();
    PumpEvents(100);
    Frame().SetPrompts(nullptr);
    Frame().SetSession(nullptr);
    Frame().appState().settings = saved;
    Frame().appState().designHasContent = false;
  }

  DesignCanvas* Canvas() { return Frame().designWindow().Canvas(); }
  Design& TheDesign() { return *Frame().session()->design(); }
  WorkBoxTrees& Trees() { return *Frame().workBoxCommands().trees(); }
  int TableIndex(const std::string& name) {
    for (int t = 0; t < TheDesign().tableCount(); ++t)
      if (TheDesign().definitions()[t].actualName == name) return t;
    ADD_FAILURE() << "no table " << name;
    return 0;
  }

  /// Opens a menu with a right click at `at`, then goes `downs` entries down and presses
  /// Return once it is shown.
  void ChooseFromMenu(wxPoint at, int downs) {
    Later(
        [this, downs] {
          for (int i = 0; i < downs; ++i) sim.Char(WXK_DOWN);
          sim.Char(WXK_RETURN);
        },
        800);
    Click(at, wxMOUSE_BTN_RIGHT);
  }
  /// The screen centre of a table's window on the design surface.
  wxPoint WindowOnScreen(int table) {
    const PixelRect r = Canvas()->surface()->Rect(table);
    return Canvas()->ClientToScreen(
        Canvas()->ToClient({r.x + r.width / 2, r.y + std::min(r.height / 2, 30)}));
  }
  /// The screen point of a tree item, its page shown and the item scrolled into view.
  wxPoint ItemOnScreen(W::Tree which, int item) {
    Frame().workBox().SetActivePage(which == W::kTableTree ? 0 : 1);
    wxTreeCtrl* tree =
        which == W::kTableTree ? Frame().workBox().tableTree() : Frame().workBox().groupTree();
    const wxTreeItemId id = Frame().workBoxCommands().mirror(which).ControlItem(item);
    tree->EnsureVisible(id);
    tree->Update();
    PumpEvents(100);
    wxRect rect;
    tree->GetBoundingRect(id, rect, true);
    return tree->ClientToScreen(
        wxPoint(rect.x + std::min(rect.width / 2, 20), rect.y + rect.height / 2));
  }
  /// Waits for the `n`-th query window (counting from 1) and returns it.
  QueryWindow* WaitForWindow(std::size_t n) {
    if (!WaitFor([n] { return Shown<QueryWindow>().size() >= n; }, kLong)) return nullptr;
    PumpEvents(200);
    return Shown<QueryWindow>().back();
  }
  /// Types `sql` into a window's SQL box with the keyboard and presses "执行(&E)".
  void TypeAndExecute(QueryWindow* window, const std::string& sql) {
    auto* box = wxDynamicCast(window->FindWindow(QueryWindow::kSqlId), wxTextCtrl);
    // Without a window manager a click neither raises a window nor gives it the keyboard.
    window->Raise();
    PumpEvents(100);
    Click(box);
    box->SelectAll();  // the typed text replaces the whole old one
    sim.Text(sql.c_str());
    WaitFor([&] { return window->sqlText() == sql; });
    ASSERT_EQ(window->sqlText(), sql);
    Click(window->FindWindow(QueryWindow::kExecuteId));
  }
  void Shot(const std::string& name) {
    const fs::path shots = fs::path(TABLORA_BUILD_DIR) / "screenshots";
    fs::create_directories(shots);
    PumpEvents(300);
    const std::string command = "import -window root " + (shots / (name + ".png")).string();
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
  }

  Settings saved;
  WatchingPrompts prompts;
  wxUIActionSimulator sim;
  TempFolder folder;
};

TEST_F(QueryWindowGui, TableQueriesFromTheWindowMenuAndTheTreesOpenSideBySide) {
  // The table window's menu: "选择前10条记录" is its tenth entry.
  ChooseFromMenu(WindowOnScreen(TableIndex("People")), 10);
  QueryWindow* first = WaitForWindow(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetTitle(), wxString::FromUTF8(u8"结果集"));
  // "执行(&E)" and "退出" show their pictures from the program folder's icons.
  for (int id : {QueryWindow::kExecuteId, QueryWindow::kQuitId}) {
    auto* button = wxDynamicCast(first->FindWindow(id), wxButton);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->GetBitmap().IsOk()) << id;
  }
  EXPECT_EQ(first->sqlText(), "SELECT * FROM [People] LIMIT 10");
  EXPECT_EQ(first->countText(), Cp936(u8"受影响记录:10"));
  const GridModel& ten = first->grid().Model();
  ASSERT_EQ(ten.GetRowCount(), 11);
  ASSERT_EQ(ten.GetColumnCount(), 3);
  EXPECT_EQ(ten.GetCellText(0, 1), "name");
  EXPECT_EQ(ten.GetCellText(1, 1), "Olga");
  EXPECT_EQ(ten.GetCellText(2, 2), "3.00");  // reals cut two places after the point
  EXPECT_EQ(ten.GetCellText(10, 0), "10");

  // A table item of the table tree: "选择所有记录" is its fifth entry. The first window stays.
  ChooseFromMenu(ItemOnScreen(W::kTableTree, Trees().TableItem(TableIndex("People"))), 5);
  QueryWindow* second = WaitForWindow(2);
  ASSERT_NE(second, nullptr);
  ASSERT_NE(second, first);
  EXPECT_EQ(second->sqlText(), "SELECT * FROM [People]");
  EXPECT_EQ(second->countText(), Cp936(u8"受影响记录:12"));
  EXPECT_EQ(second->grid().Model().GetRowCount(), 13);
  EXPECT_EQ(first->grid().Model().GetRowCount(), 11);
  // Both on screen, the second over the first (without a window manager the tree's click
  // brought the main window forward).
  first->Raise();
  second->Raise();
  Shot("query_window");

  // Typed SQL runs in its own window only.
  TypeAndExecute(second, "SELECT name, price FROM People WHERE id > 10");
  EXPECT_EQ(second->countText(), Cp936(u8"受影响记录:2"));
  EXPECT_EQ(second->grid().Model().GetCellText(2, 0), "person 12");
  EXPECT_EQ(second->grid().Model().GetCellText(2, 1), "18.00");
  EXPECT_EQ(first->grid().Model().GetRowCount(), 11);

  // A text the driver rejects: its error is shown, count and grid are emptied.
  TypeAndExecute(second, "SELECT * FROM Nobody");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], Cp936(u8"执行SQL语句失败:\r\n") + "no such table: Nobody (1)");
  EXPECT_EQ(second->countText(), "");
  EXPECT_EQ(second->grid().Model().GetRowCount(), 0);

  // 1,001 rows from a table item of the group tree: the question, answered no, shows 100.
  prompts.yesNoAnswers = {false};
  const int group = Trees().FindGroup(Cp936(u8"其他表"));
  ASSERT_GE(group, 0);
  Frame().workBox().groupTree()->Expand(
      Frame().workBoxCommands().mirror(W::kGroupTree).ControlItem(group));
  int bigItem = -1;
  for (int item : Trees().groupTree().Children(group))
    if (Trees().TableOf(W::kGroupTree, item) == TableIndex("big")) bigItem = item;
  ASSERT_GE(bigItem, 0);
  ChooseFromMenu(ItemOnScreen(W::kGroupTree, bigItem), 5);
  QueryWindow* third = WaitForWindow(3);
  ASSERT_NE(third, nullptr);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_NE(prompts.questions[0].find(Cp936(u8"有1001条")), std::string::npos);
  EXPECT_EQ(third->countText(), Cp936(u8"受影响记录:1001"));
  // Only the rows shown are made: no million empty rows after a "no".
  EXPECT_EQ(third->grid().Model().GetRowCount(), 101);
  EXPECT_EQ(third->grid().Model().GetCellText(100, 1), "row 100");
  EXPECT_EQ(Shown<QueryWindow>().size(), 3u);

  // "退出" closes one window (brought forward first: the others overlap it); the others stay.
  first->Raise();
  PumpEvents(100);
  Click(first->FindWindow(QueryWindow::kQuitId));
  EXPECT_TRUE(WaitFor([] { return Shown<QueryWindow>().size() == 2; }, kLong));
}

// Not yet connected: "选择前10条记录" goes through the connect dialog's ODBC route, whose kind
// chooser starts at the kind the driver implies (SQLite: MS SQL Server, not Oracle). A run
// that fails afterwards does not leave the last count standing beside its error.
TEST_F(QueryWindowGui, TheDriverChoosesTheKindAndAFailedRunClearsTheCount) {
  ConnectionState& state = Frame().session()->database()->state();
  const std::string connection = state.sharedConnection->connectionString();
  state.sharedConnection = std::make_unique<OdbcConnection>(&Frame().prompts());
  state.connected = false;
  Frame().appState().databaseKind = kSqlServer;

  int preselected = -1;
  WhenModal<ConnectDialog>([&](ConnectDialog& connect) {
    WhenModal<DataLinkDialog>([&](DataLinkDialog& link) {
      wxDynamicCast(link.FindWindow(DataLinkDialog::kStringId), wxTextCtrl)->SetValue(connection);
      WhenModal<PasswordDialog>([&](PasswordDialog& password) {
        preselected = password.kind();
        Click(password.FindWindow(wxID_OK));
      });
      Click(link.FindWindow(wxID_OK));
    });
    Click(connect.FindWindow(ConnectDialog::kDataLinkId));
  });
  ChooseFromMenu(WindowOnScreen(TableIndex("People")), 10);
  QueryWindow* window = WaitForWindow(1);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(preselected, kSqlServer);
  ASSERT_TRUE(WaitFor([&] { return !window->countText().empty(); }, kLong));
  EXPECT_EQ(window->sqlText(), "SELECT * FROM [People] LIMIT 10");
  EXPECT_EQ(window->countText(), Cp936(u8"受影响记录:10"));

  std::vector<std::string> countWhileTold;
  prompts.onMessage = [&] { countWhileTold.push_back(window->countText()); };
  TypeAndExecute(window, "SELECT * FROM Nobody");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(countWhileTold, std::vector<std::string>{""});
  EXPECT_EQ(window->countText(), "");
  prompts.onMessage = nullptr;
  Shot("query_window_failed_run");
}

TEST_F(QueryWindowGui, TheBuilderFromTheGroupTreeJoinsFiltersOrdersAndExecutes) {
  const int group = Trees().FindGroup(Cp936(u8"其他表"));
  ASSERT_GE(group, 0);
  Frame().workBox().groupTree()->Expand(
      Frame().workBoxCommands().mirror(W::kGroupTree).ControlItem(group));
  int peopleItem = -1;
  for (int item : Trees().groupTree().Children(group))
    if (Trees().TableOf(W::kGroupTree, item) == TableIndex("People")) peopleItem = item;
  ASSERT_GE(peopleItem, 0);
  // "选择语句(SELECT)" is the sixth entry of a table item's menu.
  ChooseFromMenu(ItemOnScreen(W::kGroupTree, peopleItem), 6);
  ASSERT_TRUE(WaitFor([] { return !Shown<StatementBuilderDialog>().empty(); }, kLong));
  StatementBuilderDialog* builder = Shown<StatementBuilderDialog>().front();
  PumpEvents(200);

  const int orders = TableIndex("Orders");
  bool joined = false;
  WhenModal<JoinDialog>([&](JoinDialog& join) {
    join.ChooseTable(1, orders);
    auto* alias = wxDynamicCast(join.FindWindow(JoinDialog::kAliasBoxId + 1), wxCheckBox);
    alias->SetValue(true);
    wxCommandEvent ticked(wxEVT_CHECKBOX, alias->GetId());
    alias->GetEventHandler()->ProcessEvent(ticked);
    Press(join, JoinDialog::kRelationId);
    WhenModal<ConditionDialog>([&](ConditionDialog& condition) {
      Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kLeftId), wxListBox), "a.id");
      Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kOperatorId), wxListBox), "=");
      Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kRightId), wxListBox), "b.personId");
      condition.EndModal(wxID_OK);
    });
    join.ChooseJoinType(0, 0);
    joined = true;
    join.EndModal(wxID_OK);
  });
  Click(builder->FindWindow(StatementBuilderDialog::kJoinsId));
  ASSERT_TRUE(joined);

  auto* available =
      wxDynamicCast(builder->FindWindow(StatementBuilderDialog::kAvailableId), wxListBox);
  ASSERT_EQ(available->GetCount(), 6u);
  available->SetSelection(available->FindString("a.name"));
  Click(builder->FindWindow(StatementBuilderDialog::kChooseId));
  available->SetSelection(available->FindString("b.total"));
  Click(builder->FindWindow(StatementBuilderDialog::kChooseId));

  WhenModal<ConditionDialog>([&](ConditionDialog& condition) {
    Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kLeftId), wxListBox), "a.name");
    Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kOperatorId), wxListBox), "LIKE");
    Press(condition, ConditionDialog::kSwitchId);
    wxDynamicCast(condition.FindWindow(ConditionDialog::kValueId), wxTextCtrl)->SetValue("'O%'");
    condition.EndModal(wxID_OK);
  });
  Click(builder->FindWindow(StatementBuilderDialog::kConditionId));

  WhenModal<OrderByDialog>([&](OrderByDialog& order) {
    Pick(wxDynamicCast(order.FindWindow(OrderByDialog::kSourceId), wxListBox), "b.total");
    Press(order, OrderByDialog::kDescId);
    order.EndModal(wxID_OK);
  });
  Click(builder->FindWindow(StatementBuilderDialog::kOrderId));
  const std::string statement =
      "SELECT a.name, b.total \r\nFROM People a \r\nINNER JOIN Orders b ON a.id = b.personId\r\n"
      " \r\nWHERE a.name LIKE 'O%' \r\nORDER BY b.total DESC";
  ASSERT_EQ(builder->shownStatement(), statement);

  Click(builder->FindWindow(StatementBuilderDialog::kExecuteId));
  QueryWindow* window = WaitForWindow(1);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->countText(), Cp936(u8"受影响记录:3"));
  const GridModel& grid = window->grid().Model();
  ASSERT_EQ(grid.GetRowCount(), 4);
  const std::vector<std::string> rows = {grid.GetCellText(1, 0) + " " + grid.GetCellText(1, 1),
                                         grid.GetCellText(2, 0) + " " + grid.GetCellText(2, 1),
                                         grid.GetCellText(3, 0) + " " + grid.GetCellText(3, 1)};
  EXPECT_EQ(rows, (std::vector<std::string>{"Otto 70", "Olga 50", "Olga 30"}));
  EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(QueryWindowGui, TheTableTreesInsertBuilderIsModalTheGroupTreesIsNot) {
  const int people = TableIndex("People");
  // Kind and table of a builder: an INSERT builder shows no text until fields are chosen.
  const auto insertOnPeople = [people](StatementBuilderDialog& builder) {
    return builder.builder().kind() == StatementKind::kInsert &&
           builder.builder().currentTable() == people;
  };
  bool answered = false;
  bool modalInsert = false;
  WhenModal<StatementBuilderDialog>([&](StatementBuilderDialog& builder) {
    modalInsert = insertOnPeople(builder);
    answered = true;
    Press(builder, StatementBuilderDialog::kQuitId);
  });
  // The trees' "插入语句(INSERT)" as their menus run it (the clicks to a menu's entry are
  // another test's): from the table tree it returns only once the builder is closed.
  Frame().workBoxCommands().RunCommand(W::kTableTree, table_cmd::kInsertStatement,
                                       Trees().TableItem(people));
  ASSERT_TRUE(answered);
  EXPECT_TRUE(modalInsert);
  EXPECT_TRUE(WaitFor([] { return Shown<StatementBuilderDialog>().empty(); }));

  const int group = Trees().FindGroup(Cp936(u8"其他表"));
  ASSERT_GE(group, 0);
  int peopleItem = -1;
  for (int item : Trees().groupTree().Children(group))
    if (Trees().TableOf(W::kGroupTree, item) == people) peopleItem = item;
  ASSERT_GE(peopleItem, 0);
  Frame().workBoxCommands().RunCommand(W::kGroupTree, table_cmd::kInsertStatement, peopleItem);
  ASSERT_TRUE(WaitFor([] { return !Shown<StatementBuilderDialog>().empty(); }, kLong));
  EXPECT_FALSE(Shown<StatementBuilderDialog>().front()->IsModal());
  EXPECT_TRUE(insertOnPeople(*Shown<StatementBuilderDialog>().front()));
}

TEST_F(QueryWindowGui, DroppingATableFromTheBuilderAsksFirst) {
  const int big = TableIndex("big");
  Frame().tableCommands().RunTableCommand(table_cmd::kDropStatement, big);
  ASSERT_TRUE(WaitFor([] { return !Shown<StatementBuilderDialog>().empty(); }, kLong));
  StatementBuilderDialog* builder = Shown<StatementBuilderDialog>().front();
  EXPECT_EQ(builder->shownStatement(), "DROP TABLE big");

  prompts.yesNoAnswers = {false};
  Click(builder->FindWindow(StatementBuilderDialog::kExecuteId));
  ASSERT_EQ(prompts.questions, std::vector<std::string>{Cp936(u8"确定要删除表 big 吗?")});
  PumpEvents(200);
  EXPECT_TRUE(Shown<QueryWindow>().empty());

  prompts.yesNoAnswers = {true};
  Click(builder->FindWindow(StatementBuilderDialog::kExecuteId));
  QueryWindow* window = WaitForWindow(1);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->countText(), Cp936(u8"受影响记录:-1"));
  TypeAndExecute(window, "SELECT * FROM big");
  EXPECT_EQ(window->countText(), "");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("no such table: big"), std::string::npos);
}

}  // namespace
}  // namespace tablora::testing
