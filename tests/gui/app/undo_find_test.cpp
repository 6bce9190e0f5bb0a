// Undo and redo with the keys and the edit menu, and the find bar over the design surface,
// driven through the real program with mouse and keyboard.
#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>

#include "app/command_table.h"
#include "app/design_history.h"
#include "app/gui/command_ids.h"
#include "app/gui/design_layout_commands.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/find_bar.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
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

/// Tables t0 ... t(count-1) with two columns; t3 is "客户" with the column "客户号". They
/// come sorted by name: t0, t1, t10 ... t19, t2, t20 ... t29, t3 (index 23), t30 ...
constexpr int kTables = 40;
std::string Script(int count) {
  std::string text;
  for (int t = 0; t < count; ++t) {
    const std::string header = t == 3 ? Cp936(u8"--客户:零售客户") : "";
    const std::string column = t == 3 ? Cp936(u8"  --客户号:编号") : "";
    text += "CREATE TABLE [dbo].[t" + std::to_string(t) + "] (\t\t\t" + header +
            "\r\n\t[a] [int] NOT NULL ," + column + "\r\n\t[b] [int] NULL \r\n) ON [PRIMARY]\r\nGO\r\n\r\n";
  }
  return text;
}

class UndoFindGui : public DesignWindowFixture {
 protected:
  void SetUp() override {
    DesignWindowFixture::SetUp();
    Frame().appState().databaseKind = kSqlServer;
    OpenEmptyDesign(prompts);
    path = (folder.path() / "undo.sql").string();
    ASSERT_TRUE(TextFile::WriteBytes(path, Script(kTables)));
    OpenScriptFile(path, kTables);
    plain = Frame().GetTitle().utf8_string();
  }
  void Key(int key, int modifiers = wxMOD_NONE) {
    sim.Char(key, modifiers);
    PumpEvents(120);
  }
  void ClickCanvasAt(int table) {
    const PixelRect r = Canvas()->surface()->Rect(table);
    sim.MouseMove(Screen(r.x + r.width / 2, r.y + r.height / 2));
    PumpEvents(60);
    sim.MouseClick();
    PumpEvents(120);
  }
  void Drag(wxPoint from, wxPoint to) {
    sim.MouseMove(from);
    PumpEvents(50);
    sim.MouseDown();
    PumpEvents(50);
    for (int i = 1; i <= 4; ++i) {
      sim.MouseMove(from + (to - from) * i / 4);
      PumpEvents(30);
    }
    sim.MouseUp();
    PumpEvents(100);
  }
  /// The edit menu's label of `id` as the menu shows it now (UTF-8).
  std::string MenuLabel(int id) {
    Frame().GetMenuBar()->UpdateMenus();
    wxMenuItem* item = Frame().GetMenuBar()->FindItem(ToWxId(id));
    return item != nullptr ? item->GetItemLabel().utf8_string() : "(none)";
  }
  bool ToolEnabled(int id) {
    Frame().GetToolBar()->UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    return Frame().GetToolBar()->GetToolEnabled(ToWxId(id));
  }

  TempFolder folder;
  std::string path;
  std::string plain;  ///< the frame's title without the changed mark
  wxUIActionSimulator sim;
};

TEST_F(UndoFindGui, KeysUndoAndRedoMovesAndDeletesAndTheTitleFollows) {
  EXPECT_FALSE(ToolEnabled(cmd::kUndo));
  EXPECT_FALSE(ToolEnabled(cmd::kRedo));
  EXPECT_EQ(MenuLabel(cmd::kUndo), u8"撤销(&U)\tCtrl+Z");

  // A window dragged 60 pixels right and 40 down.
  const PixelRect start = Canvas()->surface()->Rect(0);
  Drag(Screen(start.x + 30, start.y + 40), Screen(start.x + 90, start.y + 80));
  const PixelRect moved = Canvas()->surface()->Rect(0);
  ASSERT_EQ(moved.x, start.x + 60);
  ASSERT_TRUE(WaitFor([&] { return Frame().GetTitle().utf8_string() == plain + " *"; }));
  EXPECT_EQ(MenuLabel(cmd::kUndo), u8"撤销(&U) 移动表 t0\tCtrl+Z");
  EXPECT_TRUE(ToolEnabled(cmd::kUndo));
  EXPECT_FALSE(ToolEnabled(cmd::kRedo));

  Key('Z', wxMOD_CONTROL);
  EXPECT_EQ(Canvas()->surface()->Rect(0).x, start.x);
  EXPECT_EQ(Canvas()->surface()->Rect(0).y, start.y);
  EXPECT_TRUE(WaitFor([&] { return Frame().GetTitle().utf8_string() == plain; }))
      << Frame().GetTitle();
  EXPECT_EQ(MenuLabel(cmd::kRedo), u8"重做(&R) 移动表 t0\tCtrl+Y");
  EXPECT_TRUE(ToolEnabled(cmd::kRedo));
  Key('Y', wxMOD_CONTROL);
  EXPECT_EQ(Canvas()->surface()->Rect(0).x, moved.x);
  EXPECT_TRUE(WaitFor([&] { return Frame().GetTitle().utf8_string() == plain + " *"; }));

  // The Delete key takes the clicked table out; Ctrl+Z puts it back at its place with
  // its window and tree item, Ctrl+Shift+Z (one step, not two) takes it out again.
  ClickCanvasAt(5);
  const PixelRect window5 = Canvas()->surface()->Rect(5);
  prompts.yesNoAnswers = {true};
  Key(WXK_DELETE);
  ASSERT_EQ(TheDesign().tableCount(), kTables - 1);
  EXPECT_EQ(TheDesign().definitions()[5].actualName, "t14");
  Key('Z', wxMOD_CONTROL);
  ASSERT_EQ(TheDesign().tableCount(), kTables);
  EXPECT_EQ(TheDesign().definitions()[5].actualName, "t13");
  EXPECT_EQ(Canvas()->surface()->Count(), kTables);
  EXPECT_EQ(Frame().workBox().tableTree()->GetCount(),
            static_cast<unsigned>(Frame().workBoxCommands().trees()->tableTree().Count()));
  EXPECT_TRUE(Canvas()->surface()->Rect(5) == window5);
  Key('Z', wxMOD_CONTROL);  // the move too
  EXPECT_EQ(Canvas()->surface()->Rect(0).x, start.x);
  EXPECT_TRUE(WaitFor([&] { return Frame().GetTitle().utf8_string() == plain; }));
  Key('Z', wxMOD_CONTROL | wxMOD_SHIFT);
  EXPECT_EQ(Canvas()->surface()->Rect(0).x, moved.x);
  EXPECT_EQ(TheDesign().tableCount(), kTables);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(Frame().session()->history()->RedoName()), u8"删除表 t13");
}

TEST_F(UndoFindGui, FindBarFramesTheTablesFoundAndStepsThroughThem) {
  ClickCanvasAt(0);
  Key('F', wxMOD_CONTROL);
  FindBar* bar = FindBar::Of(Frame(), *Canvas());
  ASSERT_TRUE(WaitFor([&] { return bar->IsShown(); }));
  EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == bar->text(); }));
  sim.Text("T3");
  PumpEvents(200);
  // t3, t30 ... t39: the actual names, either case.
  std::vector<int> t3s;
  for (int i = 23; i <= 33; ++i) t3s.push_back(i);
  ASSERT_EQ(bar->found(), t3s);
  EXPECT_EQ(bar->current(), 23);
  EXPECT_EQ(Canvas()->foundTables(), bar->found());
  EXPECT_EQ(bar->StatusUtf8(), u8"第 1/11 个");
  Key(WXK_F3);
  EXPECT_EQ(bar->current(), 24);
  Key(WXK_RETURN);
  EXPECT_EQ(bar->current(), 25);
  Key(WXK_F3, wxMOD_SHIFT);
  EXPECT_EQ(bar->current(), 24);
  // Far down the surface: the table shown was scrolled into view.
  const PixelRect shown = Canvas()->surface()->Rect(24);
  const wxPoint topLeft = Canvas()->ToClient({shown.x, shown.y});
  EXPECT_GT(shown.y, Canvas()->GetClientSize().y);
  EXPECT_GE(topLeft.y, 0);
  EXPECT_LE(topLeft.y + 30, Canvas()->GetClientSize().y);
  Shot("find_bar");

  // Chinese: the display name and a column's display name.
  bar->text()->SetValue(wxString::FromUTF8(u8"客户号"));
  PumpEvents(100);
  EXPECT_EQ(bar->found(), std::vector<int>{23});
  bar->text()->SetValue(wxString::FromUTF8(u8"没有的表"));
  PumpEvents(100);
  EXPECT_TRUE(bar->found().empty());
  EXPECT_EQ(bar->StatusUtf8(), u8"没有找到");

  Key(WXK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return !bar->IsShown(); }));
  EXPECT_TRUE(Canvas()->foundTables().empty());

  // The work box's filter: typing keeps only the tables found, clearing brings all back.
  wxTreeCtrl* tree = Frame().workBox().tableTree();
  const unsigned all = tree->GetCount();
  Frame().workBox().filter()->SetValue("t1");
  PumpEvents(100);
  EXPECT_EQ(tree->GetCount(), all - (kTables - 11));
  Frame().workBox().filter()->SetValue(wxString::FromUTF8(u8"客户"));
  PumpEvents(100);
  EXPECT_EQ(tree->GetCount(), all - (kTables - 1));
  Frame().workBox().filter()->SetValue("");
  PumpEvents(100);
  EXPECT_EQ(tree->GetCount(), all);
}

TEST_F(UndoFindGui, CtrlZInTheEditorSheetUndoesTypingBeforeTheChangeIsApplied) {
  Frame().designWindow().ShowSheet(0);
  TableEditorSheet* sheet = Frame().designWindow().Sheet(0);
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(WaitFor([&] { return sheet->IsShown(); }));
  PumpEvents(400);
  wxTextCtrl* box = sheet->groupBox();
  const wxRect rect = box->GetScreenRect();
  sim.MouseMove(rect.x + rect.width / 2, rect.y + rect.height / 2);
  PumpEvents(60);
  sim.MouseClick();
  sheet->Raise();
  box->SetFocus();
  ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == box; }));
  box->SetInsertionPointEnd();
  const std::size_t steps = Frame().session()->history()->size();
  // Under Xvfb without a window manager the sheet does not get the keyboard from XTest:
  // the keys are given to the box as its key events, the text as typing makes it.
  const auto press = [&](int key, int modifiers) {
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = key;
    down.SetControlDown((modifiers & wxMOD_CONTROL) != 0);
    down.SetShiftDown((modifiers & wxMOD_SHIFT) != 0);
    down.SetEventObject(box);
    return box->GetEventHandler()->ProcessEvent(down);
  };
  for (const char c : std::string("ab")) {
    press(c, wxMOD_NONE);
    box->AppendText(wxString(c));
  }
  ASSERT_EQ(box->GetValue(), "ab");
  press('Z', wxMOD_CONTROL);
  EXPECT_EQ(box->GetValue(), "a");
  press('Z', wxMOD_CONTROL);
  EXPECT_EQ(box->GetValue(), "");
  press('Y', wxMOD_CONTROL);
  EXPECT_EQ(box->GetValue(), "a");
  press('Z', wxMOD_CONTROL | wxMOD_SHIFT);
  EXPECT_EQ(box->GetValue(), "ab");
  press('Z', wxMOD_CONTROL);
  // The editor took the text as if typed; the design's history has no step for typing.
  EXPECT_EQ(TheDesign().editor(0).names().group, "a");
  EXPECT_EQ(Frame().session()->history()->size(), steps);
  sheet->Hide();
}

TEST_F(UndoFindGui, WindowsSelectedTogetherMoveTakeAColourAndGoTogetherOneStepEach) {
  Canvas()->Scroll(0, 0);
  Canvas()->Refresh();
  PumpEvents(200);  // the windows are fitted to their content when drawn
  TableSurface& surface = *Canvas()->surface();
  const PixelRect r0 = surface.Rect(0);
  const PixelRect r2 = surface.Rect(2);
  // Ctrl+click on two windows, then a drag of one of them.
  ClickCanvasAt(0);
  sim.MouseMove(Screen(r2.x + r2.width / 2, r2.y + r2.height / 2));
  PumpEvents(60);
  // XTest's Control key does not reach the mouse events' state here: the click with
  // Control held is given to the canvas as its mouse events.
  for (const wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
    wxMouseEvent click(type);
    click.SetPosition(Canvas()->ToClient({r2.x + r2.width / 2, r2.y + r2.height / 2}));
    click.SetControlDown(true);
    click.SetLeftDown(type == wxEVT_LEFT_DOWN);
    click.SetEventObject(Canvas());
    Canvas()->GetEventHandler()->ProcessEvent(click);
  }
  PumpEvents(120);
  ASSERT_EQ(Canvas()->together().tables(), (std::vector<int>{0, 2}))
      << "selected " << Canvas()->selectedTable() << " hit "
      << surface.HitTest(r2.x + r2.width / 2, r2.y + r2.height / 2).table;
  PumpEvents(600);  // no double-click with the click on window 0
  Drag(Screen(r0.x + r0.width / 2, r0.y + r0.height / 2),
       Screen(r0.x + r0.width / 2 + 50, r0.y + r0.height / 2 + 30));
  EXPECT_EQ(surface.Rect(0).x, r0.x + 50);
  EXPECT_EQ(surface.Rect(2).x, r2.x + 50);
  EXPECT_EQ(surface.Rect(2).y, r2.y + 30);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(Frame().session()->history()->UndoName()), u8"移动 2 个表");
  Key('Z', wxMOD_CONTROL);
  EXPECT_TRUE(surface.Rect(0) == r0);
  EXPECT_TRUE(surface.Rect(2) == r2);

  // One colour for both from the context menu's command.
  Frame().layoutCommands().SetColourChooser([](wxWindow*, std::uint32_t& colour) {
    colour = 0x00FFC0C0;
    return true;
  });
  Frame().tableCommands().RunTableCommand(table_cmd::kBackColour, 2);
  Frame().layoutCommands().SetColourChooser(nullptr);
  EXPECT_EQ(TheDesign().entry(0).window.bkColour, 0x00FFC0C0u);
  EXPECT_EQ(TheDesign().entry(2).window.bkColour, 0x00FFC0C0u);
  EXPECT_NE(TheDesign().entry(1).window.bkColour, 0x00FFC0C0u);
  Key('Z', wxMOD_CONTROL);
  EXPECT_NE(TheDesign().entry(0).window.bkColour, 0x00FFC0C0u);
  EXPECT_NE(TheDesign().entry(2).window.bkColour, 0x00FFC0C0u);

  // A band dragged from the empty surface below the first window up over the first two.
  int below = r0.bottom() + 1;
  while (surface.HitTest(5, below).table >= 0) ++below;
  const PixelRect r1 = surface.Rect(1);
  Drag(Screen(5, below), Screen(r1.x + 10, r1.y + 10));
  const std::vector<int> banded = Canvas()->together().tables();
  EXPECT_TRUE(Canvas()->together().Contains(0) && Canvas()->together().Contains(1));
  EXPECT_FALSE(Canvas()->together().Contains(2));

  // Delete takes them all out after one question; one undo brings them all back.
  prompts.yesNoAnswers = {true};
  Key(WXK_DELETE);
  EXPECT_EQ(TheDesign().tableCount(), kTables - static_cast<int>(banded.size()));
  Key('Z', wxMOD_CONTROL);
  EXPECT_EQ(TheDesign().tableCount(), kTables);
  EXPECT_EQ(TheDesign().definitions()[1].actualName, "t1");

  // Ctrl+A selects every window.
  Canvas()->SetFocus();
  Key('A', wxMOD_CONTROL);
  EXPECT_EQ(Canvas()->together().tables().size(), static_cast<std::size_t>(kTables));
}

}  // namespace
}  // namespace tablora::testing
