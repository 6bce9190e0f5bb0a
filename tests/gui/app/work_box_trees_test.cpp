// The work box trees, the edit-group, arrange and colour dialogs, driven through the real
// program with mouse and keyboard.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "app/gui/design_layout_commands.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/work_box.h"
#include "app/gui/work_box_commands.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "ui/gui/arrange_dialog.h"
#include "ui/gui/colour_dialog.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/group_edit_dialog.h"
#include "ui/tree_menus.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;
using W = WorkBoxTrees;
constexpr int kLong = 15000;  ///< generous: the machine is shared

/// `count` tables t00, t01, ... with three columns; table i is in group "G(i % groups)"
/// except every fourth, which has none; display names "表i".
std::string Script(int count, int groups) {
  std::string text;
  for (int t = 0; t < count; ++t) {
    char name[16];
    std::snprintf(name, sizeof name, "t%02d", t);
    std::string header = "--" + Cp936(u8"表") + std::to_string(t) + ":";
    if (t % 4 != 1) header += Cp936(u8"(组)") + "G" + std::to_string(t % groups);
    text += "CREATE TABLE [dbo].[" + std::string(name) + "] (\t\t\t" + header + "\r\n";
    for (int c = 0; c < 3; ++c) {
      text += "\t[c" + std::to_string(c) + "] [int] NOT NULL" + (c < 2 ? " ,\r\n" : "\r\n");
    }
    text += ") ON [PRIMARY]\r\nGO\r\n\r\n";
  }
  return text;
}

class WorkBoxTreesGui : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = Frame().appState().settings;
    Frame().appState().settings.currentHeaderStyle = 2;
    Frame().appState().settings.currentColumnStyle = 7;
    Frame().appState().designHasContent = false;
    OpenEmptyDesign(prompts);
    dir = fs::path(::testing::TempDir()) / ("work_box_trees_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    shots = fs::path(TABLORA_BUILD_DIR) / "screenshots";
    fs::create_directories(shots);
  }
  void TearDown() override {
    // A dialog a failed step left open would hold the next test.
    for (wxWindow* w : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<wxDialog*>(w);
      if (dialog != nullptr && dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
    }
    Frame().layoutCommands().SetColourChooser(nullptr);
    Frame().SetPrompts(nullptr);
    Frame().SetSession(nullptr);
    Frame().appState().settings = saved;
    Frame().appState().designHasContent = false;
    fs::remove_all(dir);
  }

  DesignCanvas* Canvas() { return Frame().designWindow().Canvas(); }
  Design& TheDesign() { return *Frame().session()->design(); }
  WorkBoxTrees& Trees() { return *Frame().workBoxCommands().trees(); }
  wxTreeCtrl* Tree(W::Tree which) {
    return which == W::kTableTree ? Frame().workBox().tableTree() : Frame().workBox().groupTree();
  }
  wxTreeItemId ControlItem(W::Tree which, int item) {
    return Frame().workBoxCommands().mirror(which).ControlItem(item);
  }

  void Open(int count, int groups) {
    const std::string path = (dir / "open.sql").string();
    ASSERT_TRUE(TextFile::WriteBytes(path, Script(count, groups)));
    Frame().FindView(DocumentTitles::DesignView());
    ASSERT_TRUE(Frame().session()->OpenScript(path));
    Frame().appState().designHasContent = true;
    Frame().RefreshDesignViews();
    ASSERT_TRUE(WaitFor(
        [&] { return Canvas()->surface() && Canvas()->surface()->Count() == count; }, kLong));
  }
  /// Shows a tree's page and returns the screen centre of an item, scrolled into view.
  wxPoint ItemOnScreen(W::Tree which, int item) {
    Frame().workBox().SetActivePage(which == W::kTableTree ? 0 : 1);
    wxTreeCtrl* tree = Tree(which);
    const wxTreeItemId id = ControlItem(which, item);
    tree->EnsureVisible(id);
    tree->Update();
    PumpEvents(100);
    wxRect rect;
    tree->GetBoundingRect(id, rect, true);

    return tree->ClientToScreen(
        wxPoint(rect.x + std::min(rect.width / 2, 20), rect.y + rect.height / 2));
  }
  void Shot(const std::string& name) {
    wxYield();
    const std::string command = "import -window root " + (shots / (name + ".png")).string();
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
  }
  /// Group tree as "group: members | ..." in UTF-8.
  std::string GroupTree() {
    std::string out;
    wxTreeCtrl* tree = Tree(W::kGroupTree);
    const wxTreeItemId node = ControlItem(W::kGroupTree, Trees().groupsNode());
    wxTreeItemIdValue cookie;
    for (wxTreeItemId g = tree->GetFirstChild(node, cookie); g.IsOk();
         g = tree->GetNextChild(node, cookie)) {
      if (!out.empty()) out += " | ";
      out += tree->GetItemText(g).utf8_string() + ":";
      wxTreeItemIdValue inner;
      for (wxTreeItemId m = tree->GetFirstChild(g, inner); m.IsOk();
           m = tree->GetNextChild(g, inner)) {
        out += " " + tree->GetItemText(m).utf8_string();
      }
    }
    return out;
  }

  Settings saved;
  ScriptedPrompts prompts;
  wxUIActionSimulator sim;
  fs::path dir;
  fs::path shots;
};

TEST_F(WorkBoxTreesGui, LoadingFillsBothTreesAndClickingATableScrollsTheViewToIt) {
  Open(4, 2);  // groups G0, none, G0, G1... t00 G0, t01 none, t02 G0, t03 G1
  wxTreeCtrl* tables = Tree(W::kTableTree);
  const wxTreeItemId node = ControlItem(W::kTableTree, Trees().tablesNode());
  EXPECT_EQ(tables->GetItemText(node), wxString::FromUTF8(u8"表(4)"));
  EXPECT_TRUE(tables->IsBold(node));
  EXPECT_EQ(tables->GetChildrenCount(node), 4u);
  EXPECT_EQ(tables->GetItemText(ControlItem(W::kTableTree, Trees().TableItem(0))),
            wxString::FromUTF8(u8"t00(表0)"));
  EXPECT_EQ(GroupTree(), u8"G0: 表0 表2 | 其他表: 表1 | G1: 表3");
  EXPECT_EQ(tables->GetItemImage(ControlItem(W::kTableTree, Trees().TableItem(0))), 2);
  EXPECT_EQ(Tree(W::kGroupTree)->GetImageList()->GetImageCount(), 6);

  // Thirty tables: the last windows lie below the view.
  prompts.yesNoAnswers = {true};
  Open(30, 3);
  const int last = 20;  // below the view, and not so low that the view cannot scroll it to its top
  const int top = TheDesign().entry(last).window.top;
  ASSERT_GT(top, Canvas()->GetClientSize().y);
  Canvas()->Scroll(0, 0);
  Click(ItemOnScreen(W::kTableTree, Trees().TableItem(last)));
  ASSERT_TRUE(WaitFor([&] { return Canvas()->GetViewStart().y == top / 10; }, kLong))
      << Canvas()->GetViewStart().y << " " << top << " " << Canvas()->GetVirtualSize().y << " "
      << Tree(W::kTableTree)->GetItemText(Tree(W::kTableTree)->GetSelection());
  EXPECT_EQ(Canvas()->GetViewStart().x, 0);
  EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == Canvas(); }, kLong));
  EXPECT_EQ(Canvas()->surface()->ZOrder().back(), last);

  // The same from a table item of the group tree.
  const int group = Trees().FindGroup("G0");
  Tree(W::kGroupTree)->Expand(ControlItem(W::kGroupTree, group));
  const int member = Trees().groupTree().Children(group)[3];  // t09
  const int table = Trees().TableOf(W::kGroupTree, member);
  Canvas()->Scroll(0, 0);
  Click(ItemOnScreen(W::kGroupTree, member));
  ASSERT_TRUE(WaitFor(
      [&] { return Canvas()->GetViewStart().y == TheDesign().entry(table).window.top / 10; },
      kLong));
}

TEST_F(WorkBoxTreesGui, KeysWalkTheTreeAndShowTablesWhileEnterOrADoubleClickGoesToThem) {
  Open(30, 3);
  wxTreeCtrl* tables = Tree(W::kTableTree);
  // Shown: scrolled into the view and on top of the others.
  const auto shows = [&](int table) {
    int unitX = 1;
    int unitY = 1;
    Canvas()->GetScrollPixelsPerUnit(&unitX, &unitY);
    const int viewTop = Canvas()->GetViewStart().y * unitY;
    const int top = TheDesign().entry(table).window.top;
    return Canvas()->surface()->ZOrder().back() == table && top >= viewTop &&
           top < viewTop + Canvas()->GetClientSize().y;
  };
  // A click on the tables node puts the keyboard in the tree.
  Click(ItemOnScreen(W::kTableTree, Trees().tablesNode()));
  ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == tables; }, kLong));
  const struct {
    int key;
    int table;
  } steps[] = {{WXK_DOWN, 0}, {WXK_DOWN, 1}, {WXK_END, 29}, {WXK_UP, 28}};
  for (const auto& step : steps) {
    sim.Char(step.key);
    EXPECT_TRUE(WaitFor([&] { return shows(step.table); }, kLong)) << "key " << step.key;
    PumpEvents(300);
    EXPECT_EQ(wxWindow::FindFocus(), tables) << "key " << step.key << ": the tree keeps the keys";
  }
  // Enter goes to the selected table's window.
  const int selected = Trees().TableOf(
      W::kTableTree, Frame().workBoxCommands().mirror(W::kTableTree).ModelItem(tables->GetSelection()));
  Canvas()->Scroll(0, 0);
  sim.Char(WXK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == Canvas(); }, kLong));
  EXPECT_TRUE(WaitFor([&] { return shows(selected); }, kLong));

  // A double-click on a table of the group tree goes to that table too.
  const int group = Trees().FindGroup("G1");
  Tree(W::kGroupTree)->Expand(ControlItem(W::kGroupTree, group));
  const int member = Trees().groupTree().Children(group)[2];
  const int table = Trees().TableOf(W::kGroupTree, member);
  const wxPoint item = ItemOnScreen(W::kGroupTree, member);
  Canvas()->Scroll(0, 0);
  PumpEvents(450);
  sim.MouseMove(item);
  PumpEvents(60);
  sim.MouseDblClick();
  EXPECT_TRUE(WaitFor([&] { return shows(table) && wxWindow::FindFocus() == Canvas(); }, kLong));
}

TEST_F(WorkBoxTreesGui, EachItemKindOpensItsOwnMenu) {
  Open(4, 2);
  WorkBoxCommands& commands = Frame().workBoxCommands();
  auto captions = [&](W::Tree which, int item) {
    std::string out;
    std::unique_ptr<wxMenu> menu = commands.BuildMenu(which, item);
    if (menu == nullptr) return std::string("none");
    for (wxMenuItem* entry : menu->GetMenuItems()) {
      if (entry->IsSeparator()) {
        out += "| ";
        continue;
      }
      out += entry->GetItemLabelText().utf8_string() + (entry->IsEnabled() ? " " : "(off) ");
    }
    return out;
  };
  TheDesign().procedures().push_back(
      {"p_list", "dbo", "create procedure p_list\r\nas select 1", {}});
  Trees().AddMissingProcedures();
  const int procedure = Trees().tableTree().Children(Trees().proceduresNode())[0];
  EXPECT_EQ(captions(W::kTableTree, Trees().tablesNode()),
            u8"新建表 | 只显示中文名 只显示实际表名 全显示 | ");
  EXPECT_EQ(captions(W::kTableTree, procedure), "none");
  const std::string tableMenu = captions(W::kTableTree, Trees().TableItem(1));
  EXPECT_EQ(tableMenu.substr(0, std::string(u8"属性 框全显示 | ").size()), u8"属性 框全显示 | ");
  EXPECT_NE(tableMenu.find(u8"选择1条记录"), std::string::npos);
  EXPECT_NE(tableMenu.find(u8"新建表"), std::string::npos);
  const int member = Trees().groupTree().Children(Trees().FindGroup("G1"))[0];
  EXPECT_EQ(captions(W::kGroupTree, member), tableMenu);
  EXPECT_EQ(
      captions(W::kGroupTree, Trees().groupsNode()).substr(0, std::string(u8"新建分组 | ").size()),
      u8"新建分组 | ");
  EXPECT_EQ(captions(W::kGroupTree, Trees().FindGroup("G0"))
                .substr(0, std::string(u8"编辑分组或改分组名 新建分组 | ").size()),
            u8"编辑分组或改分组名 新建分组 | ");

  // A right click on a procedure opens nothing; selecting it shows its text in the
  // procedure view.
  DocumentFrame* procedures = Frame().FindView(DocumentTitles::ProcedureView());
  Click(ItemOnScreen(W::kTableTree, procedure), wxMOUSE_BTN_RIGHT);
  EXPECT_TRUE(WaitFor(
      [&] { return procedures->ProcedureTextUtf8() == "create procedure p_list\nas select 1"; },
      kLong));

  // The groups node's menu, opened with the mouse: its first command makes a new group.
  Later(
      [&] {
        Shot("trees_group_popup");
        sim.Char(WXK_DOWN);
        sim.Char(WXK_RETURN);
      },
      800);
  Click(ItemOnScreen(W::kGroupTree, Trees().groupsNode()), wxMOUSE_BTN_RIGHT);
  ASSERT_TRUE(WaitFor([&] { return Trees().FindGroup(Cp936(u8"新分组")) >= 0; }, kLong));
  EXPECT_NE(GroupTree().find(u8"新分组:"), std::string::npos);
  // A table item's menu, "框全显示(&F)" chosen with the keyboard.
  ASSERT_TRUE(Frame().FindView(DocumentTitles::DesignView()));
  Later(
      [&] {
        Shot("trees_table_popup");
        sim.Char(WXK_DOWN);
        sim.Char(WXK_DOWN);
        sim.Char(WXK_RETURN);
      },
      800);
  Click(ItemOnScreen(W::kTableTree, Trees().TableItem(2)), wxMOUSE_BTN_RIGHT);
  EXPECT_TRUE(WaitFor([&] { return Canvas()->surface()->Window(2).wholeBox; }, kLong));
}

TEST_F(WorkBoxTreesGui, TheEditGroupDialogMovesTablesAndTheSavedFileKeepsThem) {
  Open(4, 2);
  const int g1 = Trees().FindGroup("G1");
  Later(
      [&] {
        GroupEditDialog* dialog = ModalDialog<GroupEditDialog>();
        if (dialog == nullptr) return;
        Shot("edit_group_dialog");
        // Left: 表0(t00) 表1(t01) 表2(t02); right: 表3(t03). Move 表0 over, rename, OK.
        Click(dialog->leftList());  // selects a row under the pointer
        dialog->leftList()->SetSelection(0);
        Click(dialog->FindWindow(GroupEditDialog::kMoveRightId));
        Click(dialog->nameEdit());
        dialog->nameEdit()->SelectAll();
        sim.Text("Sales");
        PumpEvents(200);
        Click(dialog->FindWindow(wxID_OK));
      },
      600);
  Frame().workBoxCommands().RunCommand(W::kGroupTree, tree_cmd::kEditGroup, g1);
  EXPECT_EQ(GroupTree(), u8"G0: 表2 | 其他表: 表1 | Sales: 表3 表0");
  EXPECT_EQ(TheDesign().editor(0).names().group, "Sales");

  const std::string path = (dir / "saved.sql").string();
  ASSERT_TRUE(Frame().session()->SaveScript(path));
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
  EXPECT_NE(bytes.find(Cp936(u8"--表0:(组)Sales")), std::string::npos);
}

TEST_F(WorkBoxTreesGui, ArrangeWithEachOptionGivesTheComputedPositions) {
  Open(7, 3);
  struct Case {
    const char* name;
    bool whole;
    bool align;
    bool byGroup;
  } cases[] = {
      {"list", false, false, false},
      {"whole", true, false, false},
      {"aligned by group", false, true, true},
  };
  for (const Case& c : cases) {
    bool shown = false;
    Later(
        [&] {
          ArrangeDialog* dialog = ModalDialog<ArrangeDialog>();
          if (dialog == nullptr) return;
          if (!shown) Shot("arrange_dialog");
          shown = true;
          auto* perRow = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(ArrangeDialog::kPerRowId));
          // Text that is no integer is refused and the dialog stays open.
          perRow->SetValue("two");
          Click(dialog->FindWindow(wxID_OK));
          perRow->SetValue("2");
          if (c.whole) Click(dialog->FindWindow(ArrangeDialog::kWholeId));
          if (c.align) Click(dialog->FindWindow(ArrangeDialog::kAlignId));
          if (c.byGroup) Click(dialog->FindWindow(ArrangeDialog::kByGroupId));
          Click(dialog->FindWindow(wxID_OK));
        },
        600);
    prompts.messages.clear();
    Frame().layoutCommands().Arrange();
    ASSERT_EQ(prompts.messages.size(), 1u) << c.name;
    EXPECT_EQ(TextCodec::Cp936ToUtf8(prompts.messages[0]), u8"请键入一个整数。");

    ArrangeOptions options;
    options.wholeDisplay = c.whole;
    options.alignRows = c.align;
    options.order = c.byGroup ? 2 : 1;
    options.tablesPerRow = 2;
    options.width = Frame().appState().settings.tableWinWidth;
    std::vector<std::vector<int>> groups;
    for (int g : Trees().Groups()) groups.push_back(Trees().GroupTables(g));
    const Settings& s = Frame().appState().settings;
    const Arrangement expected = ArrangeLayout::Compute(
        options, {s.tableWinHeight, s.marginW, s.marginH, 1000, s.fitColumnWidths},
        c.byGroup ? ArrangeLayout::GroupRuns(groups, 7) : ArrangeLayout::ListRun(7),
        Canvas()->ContentSizes());
    ASSERT_EQ(expected.windows.size(), 7u);
    for (const ArrangedWindow& w : expected.windows) {
      EXPECT_EQ(Canvas()->surface()->Rect(w.table), w.rect) << c.name << " table " << w.table;
      if (c.whole) {
        EXPECT_TRUE(Canvas()->surface()->Window(w.table).wholeBox);
      }
    }
    EXPECT_EQ(TheDesign().tablesPerRow(), 2);
  }
}

TEST_F(WorkBoxTreesGui, TheColourDialogRecoloursOneTableThenAllAndASaveKeepsTheColours) {
  Open(3, 2);
  std::uint32_t next = 0x000000C0;
  Frame().layoutCommands().SetColourChooser([&](wxWindow*, std::uint32_t& colour) {
    colour = next;
    return true;
  });
  Later(
      [&] {
        ColourDialog* dialog = ModalDialog<ColourDialog>();
        if (dialog == nullptr) return;
        // Opened from table 1's menu: table 1 with its colour as the swatch.
        EXPECT_EQ(dialog->tableList()->GetSelection(), 1);
        EXPECT_TRUE(dialog->swatch()->IsShown());
        EXPECT_EQ(dialog->GetTitle(), wxString::FromUTF8(u8"请选择背景颜色"));
        Click(dialog->chooseButton());
        Shot("colour_dialog");
        Click(dialog->FindWindow(wxID_OK));
        // Then every table, with another colour.
        dialog->tableList()->SetSelection(3);
        wxCommandEvent pick(wxEVT_CHOICE, dialog->tableList()->GetId());
        pick.SetInt(3);
        dialog->tableList()->GetEventHandler()->ProcessEvent(pick);
        EXPECT_FALSE(dialog->swatch()->IsShown());
        Click(dialog->FindWindow(wxID_OK));  // no colour chosen: nothing changes
        next = 0x00C0FFC0;
        Click(dialog->chooseButton());
        Click(dialog->FindWindow(wxID_OK));
        Click(dialog->FindWindow(wxID_CANCEL));
      },
      600);
  const std::uint32_t textBefore = TheDesign().entry(0).window.textColour;
  Frame().tableCommands().RunTableCommand(table_cmd::kBackColour, 1);
  for (int t = 0; t < 3; ++t) EXPECT_EQ(TheDesign().entry(t).window.bkColour, 0x00C0FFC0u) << t;
  EXPECT_EQ(TheDesign().entry(0).window.textColour, textBefore);

  // From the main menu: "<<全部表>>" and text colour; the first table in red.
  Later(
      [&] {
        ColourDialog* dialog = ModalDialog<ColourDialog>();
        if (dialog == nullptr) return;
        EXPECT_EQ(dialog->tableList()->GetSelection(), 3);
        EXPECT_FALSE(dialog->swatch()->IsShown());
        dialog->tableList()->SetSelection(0);
        wxCommandEvent pick(wxEVT_CHOICE, dialog->tableList()->GetId());
        pick.SetInt(0);
        dialog->tableList()->GetEventHandler()->ProcessEvent(pick);
        next = 0x000000FF;
        Click(dialog->chooseButton());
        Click(dialog->FindWindow(wxID_OK));
        Click(dialog->FindWindow(wxID_CANCEL));
      },
      600);
  wxCommandEvent command(wxEVT_MENU, ToWxId(cmd::kTextColour));
  Frame().GetEventHandler()->ProcessEvent(command);
  EXPECT_EQ(TheDesign().entry(0).window.textColour, 0x000000FFu);
  EXPECT_EQ(TheDesign().entry(1).window.textColour, textBefore);

  const std::string path = (dir / "colours.sql").string();
  ASSERT_TRUE(Frame().session()->SaveScript(path));
  Frame().SetSession(CreateDesignSession(Frame()));
  ASSERT_TRUE(Frame().session()->OpenScript(path));
  EXPECT_EQ(TheDesign().entry(0).window.textColour, 0x000000FFu);
  EXPECT_EQ(TheDesign().entry(2).window.bkColour, 0x00C0FFC0u);
}

TEST_F(WorkBoxTreesGui, AHundredTablesArrangedByGroupForTheRecord) {
  Open(100, 9);
  ArrangeOptions options;
  options.order = 2;
  options.tablesPerRow = 6;
  options.width = 150;
  Frame().layoutCommands().ApplyArrange(options);
  Frame().workBox().SetActivePage(1);
  Tree(W::kGroupTree)->ExpandAll();
  Canvas()->Refresh();
  PumpEvents(600);
  Shot("arranged_by_group_100");
  // Every table was placed, none overlapping another.
  TableSurface& surface = *Canvas()->surface();
  for (int a = 0; a < 100; ++a) {
    for (int b = a + 1; b < 100; ++b) {
      const PixelRect ra = surface.Rect(a);
      const PixelRect rb = surface.Rect(b);
      const bool overlap = ra.x < rb.x + rb.width && rb.x < ra.x + ra.width &&
                           ra.y < rb.y + rb.height && rb.y < ra.y + ra.height;
      ASSERT_FALSE(overlap) << a << " " << b;
    }
  }
}

}  // namespace
}  // namespace tablora::testing
