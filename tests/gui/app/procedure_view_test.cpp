// The procedure view: a procedure script opened, a procedure clicked in the table tree,
// its text coloured in the view, and the view's popup worked with mouse and keyboard.
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cstdlib>

#include "app/gui/document_frame.h"
#include "app/gui/main_frame.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/work_box.h"
#include "app/gui/work_box_commands.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "base/text_codec.h"
#include "db/gui/procedure_view.h"
#include "model/design.h"
#include "support/scripted_prompts.h"

namespace tablora::testing {
namespace {

constexpr int kLong = 15000;

class ProcedureViewGui : public ::testing::Test {
 protected:
  void SetUp() override { OpenEmptyDesign(prompts); }
  void TearDown() override {
    Frame().appState().databaseKind = kSqlServer;
    Frame().SetPrompts(nullptr);
    Frame().SetSession(nullptr);
  }

  void Click(wxPoint at, int button = wxMOUSE_BTN_LEFT) {
    sim.MouseMove(at);
    PumpEvents(60);
    sim.MouseClick(button);
    PumpEvents(100);
  }
  /// Opens the view's popup with a right click and picks its `n`-th command by keys.
  void PopupCommand(ProcedureView* view, int n) {
    Later(
        [this, n] {
          for (int i = 0; i < n; ++i) sim.Char(WXK_DOWN);
          sim.Char(WXK_RETURN);
        },
        800);
    const wxRect r = view->GetScreenRect();
    Click(wxPoint(r.x + r.width / 2, r.y + r.height - 40), wxMOUSE_BTN_RIGHT);
    PumpEvents(300);
  }

  ScriptedPrompts prompts;
  wxUIActionSimulator sim;
};

TEST_F(ProcedureViewGui, AClickedProcedureShowsColouredAndItsPopupCopiesSavesAndUpdates) {
  ASSERT_TRUE(
      Frame().session()->OpenScript(TABLORA_SOURCE_DIR "/tests/data/procedures_sample.sql"));
  Design& design = *Frame().session()->design();
  ASSERT_EQ(design.procedures().size(), 2u);  // "goto" at a line's start ends nothing

  // A real click on the first procedure's item in the table tree.
  ASSERT_EQ(Frame().documents().size(), 1u);
  WorkBoxTrees& trees = *Frame().workBoxCommands().trees();
  Frame().workBox().SetActivePage(0);
  wxTreeCtrl* tree = Frame().workBox().tableTree();
  const wxTreeItemId item = Frame()
                                .workBoxCommands()
                                .mirror(WorkBoxTrees::kTableTree)
                                .ControlItem(trees.tableTree().Children(trees.proceduresNode())[0]);
  tree->EnsureVisible(item);
  PumpEvents(100);
  wxRect rect;
  ASSERT_TRUE(tree->GetBoundingRect(item, rect, true));
  Click(tree->ClientToScreen(wxPoint(rect.x + 10, rect.y + rect.height / 2)));
  // The click opens the procedure view (only the design window was open).
  ProcedureView* view = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        DocumentFrame* active = Frame().ActiveDocument();
        view = active != nullptr && active->title() == DocumentTitles::ProcedureView()
                   ? active->procedureView()
                   : nullptr;
        return view != nullptr;
      },
      kLong));
  const std::string text = view->GetText().utf8_string();
  std::string shown = design.procedures()[0].text;
  shown.erase(std::remove(shown.begin(), shown.end(), '\r'), shown.end());
  EXPECT_EQ(text, TextCodec::Cp936ToUtf8(shown));
  EXPECT_EQ(view->GetCurrentPos(), 0);

  // Styles at byte offsets: each probe is (text to find, byte offset in it, style).
  struct Probe {
    const char* find;
    int offset;
    int style;
  };
  const std::vector<Probe> probes = {
      {"CREATE PROCEDURE", 0, ProcedureView::kKeywordStyle},
      {"CREATE PROCEDURE", 15, ProcedureView::kKeywordStyle},
      {u8"p_订单查询", 2, ProcedureView::kPlainStyle},
      {"nvarchar(40)", 0, ProcedureView::kDataTypeStyle},
      {"nvarchar(40)", 7, ProcedureView::kDataTypeStyle},
      {"nvarchar(40)", 8, ProcedureView::kPlainStyle},
      {u8"-- 客户名称", 0, ProcedureView::kCommentStyle},
      {u8"-- 客户名称", 12, ProcedureView::kCommentStyle},  // the last Chinese character
      {u8"/* 按客户", 0, ProcedureView::kCommentStyle},
      {u8"@数量 行 */", 13, ProcedureView::kCommentStyle},  // the closing "/"
      // After Chinese text on the same line the byte offsets run ahead of the characters.
      {u8"as 名称, count", 0, ProcedureView::kKeywordStyle},
      {u8"as 名称, count", 1, ProcedureView::kKeywordStyle},
      {u8"as 名称, count", 3, ProcedureView::kPlainStyle},
      {u8"from [订单]", 0, ProcedureView::kKeywordStyle},
      {u8"from [订单]", 3, ProcedureView::kKeywordStyle},
      {u8"from [订单]", 4, ProcedureView::kPlainStyle},
      {u8"[客户] = @客户", 0, ProcedureView::kPlainStyle},
  };
  for (const Probe& p : probes) {
    const std::size_t at = text.find(p.find);
    ASSERT_NE(at, std::string::npos) << p.find;
    EXPECT_EQ(view->GetStyleAt(static_cast<int>(at) + p.offset), p.style)
        << p.find << " +" << p.offset;
  }
  const Settings& settings = Frame().appState().settings;
  EXPECT_EQ(view->StyleGetForeground(ProcedureView::kKeywordStyle),
            wxColour(settings.keywordColour.red, settings.keywordColour.green,
                     settings.keywordColour.blue));
  const wxString shots = TABLORA_BUILD_DIR "/screenshots";
  wxYield();
  EXPECT_EQ(
      std::system(("mkdir -p " + shots + " && import -window root " + shots + "/procedure_view.png")
                      .utf8_str()),
      0);

  // "复制全部内容(&A)": the whole text on the real clipboard.
  if (wxTheClipboard->Open()) {
    wxTheClipboard->Clear();
    wxTheClipboard->Close();
  }
  PopupCommand(view, 1);
  wxTextDataObject copied;
  ASSERT_TRUE(wxTheClipboard->Open());
  EXPECT_TRUE(wxTheClipboard->GetData(copied));
  wxTheClipboard->Close();
  EXPECT_EQ(copied.GetText().utf8_string(), text);

  // "保存内容(&B)": a line typed at the end becomes the procedure's text.
  const wxRect r = view->GetScreenRect();
  Click(wxPoint(r.x + r.width / 2, r.y + r.height - 40));
  view->DocumentEnd();
  PumpEvents(100);
  sim.Text("-- edited");
  ASSERT_TRUE(WaitFor([&] { return view->GetText().EndsWith("-- edited"); }, kLong));
  // Typed text is coloured too.
  EXPECT_TRUE(WaitFor(
      [&] { return view->GetStyleAt(view->GetLength() - 1) == ProcedureView::kCommentStyle; },
      kLong));
  PopupCommand(view, 2);
  EXPECT_EQ(design.procedures()[0].text, Cp936(text + "-- edited"));

  // "更新到数据库(&C)" on MS Access: refused with one clear message, nothing connected.
  Frame().appState().databaseKind = kAccess;
  PopupCommand(view, 3);
  ASSERT_TRUE(WaitFor([&] { return !prompts.messages.empty(); }, kLong));
  EXPECT_EQ(TextCodec::Cp936ToUtf8(prompts.messages.back()),
            u8"MS Access 数据库只能读取: 本系统没有可写入 MS Access 文件的驱动");
}

}  // namespace
}  // namespace tablora::testing
