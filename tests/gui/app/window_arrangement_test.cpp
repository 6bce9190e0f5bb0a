// "窗口(&W)": the documents tiled side by side, a sash dragged, evened out, and back to tabs,
// all chosen from the window menu with the keyboard.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/tiled_documents.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "db/gui/procedure_view.h"
#include "design_window_fixture.h"
#include "model/design.h"
#include "ui/gui/design_canvas.h"

namespace tablora::testing {
namespace {

class WindowArrangement : public DesignWindowFixture {
 protected:
  void TearDown() override {
    // Tabs again for the tests after this one, however this one ended.
    if (Frame().tiles() != nullptr) Frame().ProcessCommand(ToWxId(cmd::kWindowCascade));
    DesignWindowFixture::TearDown();
  }
  /// "窗口(&W)" opened with Alt+W, then the item of `key`.
  void ChooseFromWindowMenu(char key) {
    Frame().Raise();
    PumpEvents(100);
    sim.Char('W', wxMOD_ALT);
    PumpEvents(400);
    sim.Char(key);
    PumpEvents(300);
  }
  /// Enabled and checked, as the menu shows them, for tile, cascade and arrange.
  std::string MenuState() {
    Frame().GetMenuBar()->UpdateMenus();
    std::string state;
    for (int id : {cmd::kWindowTile, cmd::kWindowCascade, cmd::kWindowArrange}) {
      const wxMenuItem* item = Frame().GetMenuBar()->FindItem(ToWxId(id));
      state += item->IsEnabled() ? "on" : "off";
      if (item->IsCheckable()) state += item->IsChecked() ? "+checked" : "";
      state += " ";
    }
    return state;
  }
  static bool Inside(const wxRect& outer, const wxRect& inner) {
    return outer.Contains(inner.GetTopLeft()) && outer.Contains(inner.GetBottomRight());
  }

  wxUIActionSimulator sim;
};

TEST_F(WindowArrangement, TiledSideBySideDraggedEvenedAndBackToTabs) {
  OpenEmptyDesign(prompts);
  OpenScriptFile(TABLORA_SOURCE_DIR "/tests/data/writer_sample.sql", 4);
  EXPECT_EQ("off off+checked off ", MenuState());  // one document: nothing to tile

  // A second window of the design and the procedure view showing a procedure.
  Frame().FindView(DocumentTitles::DesignView());
  ChooseFromWindowMenu('N');
  ASSERT_TRUE(WaitFor([] { return Frame().documents().size() == 2; }));
  TheDesign().procedures().push_back(
      {"p_orders", "dbo", "CREATE PROCEDURE p_orders AS\nSELECT 1\n", {}});
  DocumentFrame* procedures = Frame().FindView(DocumentTitles::ProcedureView());
  procedures->ShowProcedure(Frame(), 0);
  ASSERT_EQ(Frame().documents().size(), 3u);
  EXPECT_EQ("on off+checked off ", MenuState());

  ChooseFromWindowMenu('T');
  ASSERT_TRUE(WaitFor([] { return Frame().tiles() != nullptr; }));
  TiledDocuments& tiles = *Frame().tiles();
  PumpEvents(300);
  EXPECT_EQ("off+checked on off ", MenuState());
  EXPECT_FALSE(Frame().GetClientWindow()->IsShown());
  ASSERT_EQ(tiles.documents(), Frame().documents());
  // Three panes from left to right, each showing its document's whole view.
  const std::vector<DocumentFrame*> documents = Frame().documents();
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const wxRect pane = tiles.PaneScreenRect(i);
    EXPECT_NEAR(pane.width, tiles.GetClientSize().x / 3, 6);
    if (i > 0) {
      EXPECT_GT(pane.x, tiles.PaneScreenRect(i - 1).GetRight());
    }
    wxWindow* view = documents[i]->tableView() != nullptr
                         ? static_cast<wxWindow*>(documents[i]->tableView())
                         : documents[i]->procedureView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->IsShownOnScreen());
    EXPECT_TRUE(Inside(pane, view->GetScreenRect()));
  }
  // A click into the first pane makes its document the active one.
  const wxRect first = documents[0]->tableView()->GetScreenRect();
  sim.MouseMove(first.GetBottomRight() - wxPoint(30, 30));
  PumpEvents(60);
  sim.MouseClick();
  EXPECT_TRUE(WaitFor([&] { return Frame().ActiveDocument() == documents[0]; }));
  EXPECT_TRUE(
      WaitFor([] { return Frame().GetTitle() == wxString::FromUTF8(u8"Tablora - 表视图:1"); }));
  Shot("window_tiled");

  // The first sash dragged to the left edge pushes the first pane out of view.
  const wxRect sash = tiles.SashScreenRect(0);
  sim.MouseMove(sash.GetLeft() + 2, sash.y + sash.height / 2);
  PumpEvents(60);
  sim.MouseDown();
  PumpEvents(60);
  for (int x = sash.x; x >= tiles.GetScreenPosition().x - 20; x -= 40) {
    sim.MouseMove(x, sash.y + sash.height / 2);
    PumpEvents(30);
  }
  sim.MouseUp();
  PumpEvents(200);
  EXPECT_EQ(tiles.PaneScreenRect(0).width, 0);
  EXPECT_FALSE(documents[0]->tableView()->IsShownOnScreen());
  EXPECT_EQ("off+checked on on ", MenuState());
  Shot("window_tiled_sash_dragged");

  ChooseFromWindowMenu('A');
  EXPECT_TRUE(WaitFor([&] { return documents[0]->tableView()->IsShownOnScreen(); }));
  EXPECT_NEAR(tiles.PaneScreenRect(0).width, tiles.GetClientSize().x / 3, 6);
  EXPECT_EQ("off+checked on off ", MenuState());

  // Back to tabs: every view is in its own document again, the active one on screen.
  ChooseFromWindowMenu('C');
  ASSERT_TRUE(WaitFor([] { return Frame().tiles() == nullptr; }));
  PumpEvents(300);
  EXPECT_EQ("on off+checked off ", MenuState());
  EXPECT_TRUE(Frame().GetClientWindow()->IsShown());
  for (DocumentFrame* document : documents) EXPECT_EQ(document->body()->GetParent(), document);
  EXPECT_EQ(Frame().ActiveDocument(), documents[0]);
  EXPECT_TRUE(WaitFor([&] { return documents[0]->tableView()->IsShownOnScreen(); }));
  EXPECT_FALSE(documents[2]->procedureView()->IsShownOnScreen());
  Shot("window_tabs_again");

  ResetToOneDesignWindow();
}

TEST_F(WindowArrangement, DocumentsOpenedAndClosedWhileTiledTakeAndLeavePanes) {
  OpenEmptyDesign(prompts);
  Frame().FindView(DocumentTitles::ProcedureView());
  ChooseFromWindowMenu('T');
  ASSERT_TRUE(WaitFor([] { return Frame().tiles() != nullptr; }));
  TiledDocuments& tiles = *Frame().tiles();

  DocumentFrame* added = Frame().NewDocument();
  ASSERT_EQ(tiles.documents().size(), 3u);
  EXPECT_EQ(tiles.documents().back(), added);
  EXPECT_EQ(added->body()->GetParent(), &tiles);

  // Closing the active document ("关闭", Ctrl+F4 in the file menu) takes its pane away.
  added->Activate();
  Frame().ProcessCommand(ToWxId(cmd::kFileClose));
  ASSERT_TRUE(WaitFor([] { return Frame().documents().size() == 2; }));
  EXPECT_EQ(tiles.documents(), Frame().documents());
  EXPECT_FALSE(tiles.Uneven());

  ResetToOneDesignWindow();  // closes the procedure view: one pane is left, still tiled
  ASSERT_NE(Frame().tiles(), nullptr);
  EXPECT_EQ(Frame().tiles()->documents().size(), 1u);
  ChooseFromWindowMenu('C');
  ASSERT_TRUE(WaitFor([] { return Frame().tiles() == nullptr; }));
  EXPECT_TRUE(Frame().designWindow().Canvas()->IsShownOnScreen());
}

}  // namespace
}  // namespace tablora::testing
