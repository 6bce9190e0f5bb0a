// Taking tables out of the design, new tables in the trees, and tables an open shares with
// the design, driven through the real program with mouse and keyboard.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dialog.h"
#include "app/gui/table_conflict_dialog.h"
#include "app/gui/work_box.h"
#include "app/gui/work_box_commands.h"
#include "app_test_support.h"
#include "design_window_fixture.h"
#include "base/document_titles.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/table_editor_sheet.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;
using W = WorkBoxTrees;
constexpr int kLong = 15000;  ///< generous: the machine is shared

/// Tables t0, t1, ... with two columns; t1 is in group "G", t0 carries the comment
/// "零售客户" with the group tail "(组)销售" as this program writes it.
std::string Script(int count) {
  std::string text;
  for (int t = 0; t < count; ++t) {
    std::string header;
    if (t == 0) header = Cp936(u8"--客户:零售客户(组)销售");
    if (t == 1) header = Cp936(u8"--(组)G");
    text += "CREATE TABLE [dbo].[t" + std::to_string(t) + "] (\t\t\t" + header +
            "\r\n\t[a] [int] NOT NULL ,\r\n\t[b] [int] NULL \r\n) ON [PRIMARY]\r\nGO\r\n\r\n";
  }
  return text;
}

class RemoveTableGui : public DesignWindowFixture {
 protected:
  void SetUp() override {
    DesignWindowFixture::SetUp();
    Frame().appState().settings.currentHeaderStyle = 2;
    Frame().appState().settings.currentColumnStyle = 7;
    Frame().appState().designHasContent = false;
    Frame().appState().databaseKind = kSqlServer;
    OpenEmptyDesign(prompts);
  }
  WorkBoxTrees& Trees() { return *Frame().workBoxCommands().trees(); }
  wxTreeCtrl* Tree(W::Tree which) {
    return which == W::kTableTree ? Frame().workBox().tableTree() : Frame().workBox().groupTree();
  }

  void Open(const std::string& name, int count) {
    const std::string path = (folder.path() / name).string();
    ASSERT_TRUE(TextFile::WriteBytes(path, Script(count)));
    OpenScriptFile(path, count);
  }
  /// The items of a tree as the control shows them: "node: item item | node: ..." (UTF-8).
  std::string Shown(W::Tree which) {
    wxTreeCtrl* tree = Tree(which);
    const int node = which == W::kTableTree ? Trees().tablesNode() : Trees().groupsNode();
    const wxTreeItemId top = Frame().workBoxCommands().mirror(which).ControlItem(node);
    std::string out;
    const auto children = [&](wxTreeItemId parent, auto& self) -> void {
      wxTreeItemIdValue cookie;
      for (wxTreeItemId id = tree->GetFirstChild(parent, cookie); id.IsOk();
           id = tree->GetNextChild(parent, cookie)) {
        if (tree->GetChildrenCount(id, false) > 0 || (which == W::kGroupTree && parent == top)) {
          out += (out.empty() ? "" : " | ") + tree->GetItemText(id).utf8_string() + ":";
          self(id, self);
        } else {
          out += " " + tree->GetItemText(id).utf8_string();
        }
      }
    };
    if (which == W::kTableTree) out = tree->GetItemText(top).utf8_string() + ":";
    children(top, children);
    return out;
  }
  /// Screen point inside table `table`'s window, below its title.
  wxPoint InWindow(int table) {
    const PixelRect r = Canvas()->surface()->Rect(table);
    return Canvas()->ClientToScreen(Canvas()->ToClient({r.x + r.width / 2, r.y + 30}));
  }
  wxPoint OnTreeItem(W::Tree which, int item) {
    Frame().workBox().SetActivePage(which == W::kTableTree ? 0 : 1);
    wxTreeCtrl* tree = Tree(which);
    const wxTreeItemId id = Frame().workBoxCommands().mirror(which).ControlItem(item);
    tree->EnsureVisible(id);
    tree->Update();
    PumpEvents(100);
    wxRect rect;
    tree->GetBoundingRect(id, rect, true);
    return tree->ClientToScreen(
        wxPoint(rect.x + std::min(rect.width / 2, 20), rect.y + rect.height / 2));
  }
  /// A right click at `at` opens a popup menu, which runs its own loop: another process
  /// takes the screenshot `shot` (when given) and types `key`.
  void ChooseFromPopup(wxPoint at, char key, const std::string& shot = "") {
    const fs::path shots = fs::path(TABLORA_BUILD_DIR) / "screenshots";
    fs::create_directories(shots);
    const std::string pidFile = (folder.path() / "keys.pid").string();
    const std::string picture =
        shot.empty() ? "" : "import -window root " + (shots / (shot + ".png")).string() + "; ";
    const std::string keys = "(sleep 1.5; " + picture + "xdotool key " + std::string(1, key) +
                             "; sleep 6; xdotool key Escape) >/dev/null 2>&1 & echo $! >" + pidFile;
    int opened = 0;
    const auto type = [&](wxMenuEvent& event) {
      if (++opened == 1) {
        EXPECT_EQ(std::system(keys.c_str()), 0);
      }
      event.Skip();
    };
    wxWindow* target = wxFindWindowAtPoint(at);
    ASSERT_NE(target, nullptr);
    target->Bind(wxEVT_MENU_OPEN, type);
    sim.MouseMove(at);
    PumpEvents(80);
    sim.MouseClick(wxMOUSE_BTN_RIGHT);
    WaitFor([&] { return opened > 0 && prompts.questions.size() > asked; }, 12000);
    std::string pid;
    TextFile::ReadBytes(pidFile, pid);
    if (const int typist = std::atoi(pid.c_str()); typist > 0) kill(typist, SIGKILL);
    target->Unbind(wxEVT_MENU_OPEN, type);
    EXPECT_EQ(opened, 1);
    asked = prompts.questions.size();
  }
  std::string LastQuestion() {
    return prompts.questions.empty() ? "" : TextCodec::Cp936ToUtf8(prompts.questions.back());
  }

  wxUIActionSimulator sim;
  TempFolder folder;
  std::size_t asked = 0;  ///< questions seen so far
};

TEST_F(RemoveTableGui, TheWindowMenuTheTreeMenuAndTheDeleteKeyTakeATableOutWithItsItems) {
  Open("four.sql", 4);
  EXPECT_EQ(Shown(W::kGroupTree), u8"销售: 客户 | G: t1 | 其他表: t2 t3");
  const PixelRect t2 = Canvas()->surface()->Rect(2);
  const PixelRect t3 = Canvas()->surface()->Rect(3);

  // From the window's menu, by its mnemonic, with a question naming the table.
  prompts.yesNoAnswers = {true};
  ChooseFromPopup(InWindow(1), 'e', "remove_table_popup");
  ASSERT_TRUE(WaitFor([&] { return TheDesign().tableCount() == 3; }, kLong));
  EXPECT_EQ(LastQuestion(), u8"要从设计中删除表 t1 吗?\n(只删除设计中的表, 数据库中的表不受影响)");
  EXPECT_EQ(Canvas()->surface()->Count(), 3);
  // The later windows stay where they were.
  EXPECT_EQ(Canvas()->surface()->Rect(1).x, t2.x);
  EXPECT_EQ(Canvas()->surface()->Rect(1).y, t2.y);
  EXPECT_EQ(Canvas()->surface()->Rect(2).x, t3.x);
  EXPECT_EQ(Canvas()->surface()->Rect(2).y, t3.y);
  EXPECT_EQ(Shown(W::kTableTree), u8"表(3): t0(客户) t2 t3");
  EXPECT_EQ(Shown(W::kGroupTree), u8"销售: 客户 | 其他表: t2 t3");
  EXPECT_TRUE(Frame().session()->modified());

  // The Delete key on the window clicked last: no keeps it, yes takes it out.
  sim.MouseMove(InWindow(2));
  PumpEvents(80);
  sim.MouseClick();
  PumpEvents(150);
  ASSERT_EQ(Canvas()->selectedTable(), 2);
  prompts.yesNoAnswers = {false};
  sim.Char(WXK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return prompts.questions.size() == asked + 1; }, kLong));
  EXPECT_EQ(LastQuestion(), u8"要从设计中删除表 t3 吗?\n(只删除设计中的表, 数据库中的表不受影响)");
  EXPECT_EQ(TheDesign().tableCount(), 3);
  prompts.yesNoAnswers = {true};
  sim.Char(WXK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return TheDesign().tableCount() == 2; }, kLong));
  asked = prompts.questions.size();
  EXPECT_EQ(Shown(W::kTableTree), u8"表(2): t0(客户) t2");

  // From the table tree's menu.
  prompts.yesNoAnswers = {true};
  ChooseFromPopup(OnTreeItem(W::kTableTree, Trees().TableItem(0)), 'e', "remove_table_tree_popup");
  ASSERT_TRUE(WaitFor([&] { return TheDesign().tableCount() == 1; }, kLong));
  EXPECT_EQ(Shown(W::kTableTree), u8"表(1): t2");
  EXPECT_EQ(Shown(W::kGroupTree), u8"其他表: t2");
  EXPECT_EQ(TheDesign().definitions().at(0).actualName, "t2");
  EXPECT_EQ(Canvas()->surface()->Rect(0).y, t2.y);
}

TEST_F(RemoveTableGui, CtrlNThenEscapeLeavesNoTableBehindAndANewTableJoinsTheGroupTreeAtOnce) {
  Open("two.sql", 2);
  ASSERT_FALSE(Frame().session()->modified());
  for (const bool named : {false, true}) {
    Canvas()->SetFocus();
    PumpEvents(100);
    sim.Char('N', wxMOD_CONTROL);
    ASSERT_TRUE(WaitFor(
        [&] {
          TableEditorSheet* sheet = Frame().designWindow().Sheet(2);
          return sheet != nullptr && sheet->IsShown();
        },
        kLong));
    EXPECT_EQ(Shown(W::kGroupTree), u8"销售: 客户 | G: t1 | 其他表: 新表3");
    TableEditorSheet& sheet = *Frame().designWindow().Sheet(2);
    if (named) {
      sheet.displayNameBox()->SetFocus();
      PumpEvents(100);
      sim.Text("t_new");
      ASSERT_TRUE(WaitFor([&] { return sheet.displayNameBox()->GetValue() == "t_new"; }));
      EXPECT_EQ(Shown(W::kGroupTree), u8"销售: 客户 | G: t1 | 其他表: t_new");
    }
    sim.Char(WXK_ESCAPE);
    // A blank table's sheet goes with its table.
    ASSERT_TRUE(WaitFor(
        [&] {
          TableEditorSheet* shown = Frame().designWindow().Sheet(2);
          return shown == nullptr || !shown->IsShown();
        },
        kLong));
    PumpEvents(200);
    if (!named) {
      EXPECT_EQ(TheDesign().tableCount(), 2);
      EXPECT_EQ(Canvas()->surface()->Count(), 2);
      EXPECT_EQ(Frame().designWindow().Sheet(2), nullptr);
      EXPECT_EQ(Shown(W::kTableTree), u8"表(2): t0(客户) t1");
      EXPECT_EQ(Shown(W::kGroupTree), u8"销售: 客户 | G: t1");
      EXPECT_FALSE(Frame().session()->modified());
    } else {
      EXPECT_EQ(TheDesign().tableCount(), 3);
      EXPECT_EQ(Shown(W::kTableTree), u8"表(3): t0(客户) t1 t_new");
      EXPECT_TRUE(Frame().session()->modified());
    }
  }
}

TEST_F(RemoveTableGui, TheCommentBoxShowsTheCommentWithoutTheGroupTheFileCarries) {
  Open("one.sql", 1);
  Frame().designWindow().ShowSheet(0);
  TableEditorSheet& sheet = *Frame().designWindow().Sheet(0);
  EXPECT_EQ(sheet.commentBox()->GetValue(), wxString::FromUTF8(u8"零售客户"));
  EXPECT_EQ(sheet.groupBox()->GetValue(), wxString::FromUTF8(u8"销售"));
  sheet.CloseSheet();
  EXPECT_EQ(TheDesign().definitions()[0].comment, Cp936(u8"零售客户(组)销售"));
  const std::string path = (folder.path() / "saved.sql").string();
  ASSERT_TRUE(Frame().session()->SaveScript(path));
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
  EXPECT_NE(bytes.find(Cp936(u8"--客户:零售客户(组)销售\r\n")), std::string::npos);

  // A comment typed into the box keeps the table's group.
  Frame().designWindow().ShowSheet(0);
  sheet.GetBookCtrl()->SetSelection(TableEditor::kNamePage);
  PumpEvents(50);
  ASSERT_EQ(TheDesign().editor(0).activePage(), TableEditor::kNamePage);
  sheet.commentBox()->SetValue(wxString::FromUTF8(u8"批发客户"));
  sheet.CloseSheet();
  ASSERT_TRUE(Frame().session()->SaveScript(path));
  ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
  EXPECT_NE(bytes.find(Cp936(u8"--客户:批发客户(组)销售\r\n")), std::string::npos);
}

TEST_F(RemoveTableGui, TablesAnOpenSharesWithTheDesignAreAskedAboutOnceForAll) {
  Open("two.sql", 2);
  Frame().SetPrompts(nullptr);  // the program's own dialogs
  int conflictDialogs = 0;
  WhenModal<MessageDialog>([](MessageDialog& box) { Press(box, wxID_NO); });  // keep the design
  WhenModal<TableConflictDialog>([&](TableConflictDialog& dialog) {
    ++conflictDialogs;
    EXPECT_EQ(dialog.GetTitle(), wxString::FromUTF8(u8"表已存在"));
    ASSERT_NE(dialog.forAllBox(), nullptr);
    EXPECT_EQ(dialog.forAllBox()->GetLabel(), wxString::FromUTF8(u8"其余 1 个同名的表也这样处理"));
    dialog.forAllBox()->SetValue(true);
    PumpEvents(100);
    const fs::path shots = fs::path(TABLORA_BUILD_DIR) / "screenshots";
    fs::create_directories(shots);
    EXPECT_EQ(
        std::system(("import -window root " + (shots / "table_conflict.png").string()).c_str()), 0);
    Press(dialog, TableConflictDialog::kRenameId);
  });
  const std::string path = (folder.path() / "two.sql").string();
  ASSERT_TRUE(Frame().session()->OpenScript(path));
  Frame().SetPrompts(&prompts);
  EXPECT_EQ(conflictDialogs, 1);
  std::vector<std::string> names;
  for (const TableDesign& t : TheDesign().definitions()) names.push_back(t.actualName);
  EXPECT_EQ(names, (std::vector<std::string>{"t0", "t1", "t0_1", "t1_1"}));
}

}  // namespace
}  // namespace tablora::testing
