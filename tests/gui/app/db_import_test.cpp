#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>

#include "app/gui/design_layout_commands.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/work_box_commands.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/connect/database_session.h"
#include "db/gui/password_dialog.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "support/shared_fixtures.h"
#include "support/temp_folder.h"
#include "ui/gui/design_canvas.h"
#include "ui/table_surface.h"
#include "ui/work_box_trees.h"

namespace tablora {
namespace {

using testing::Frame;
using testing::PumpEvents;
using testing::WaitFor;

/// Presses OK in the password dialog the .mdb opening shows; `asked` tells whether it came.
/// Stops looking when `polling` turns false.
void PressOkForThePassword(std::shared_ptr<bool> asked, std::shared_ptr<bool> polling) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [asked, polling, poll]() {
    if (!*polling) return;
    for (wxWindow* w : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<PasswordDialog*>(w);
      if (dialog == nullptr || !dialog->IsModal() || !dialog->IsShown()) continue;
      *asked = true;
      EXPECT_EQ(1, dialog->kind());  // MS Access preselected
      PumpEvents(100);
      const wxRect r = dialog->FindWindow(wxID_OK)->GetScreenRect();
      wxUIActionSimulator sim;
      sim.MouseMove(r.GetLeft() + r.GetWidth() / 2, r.GetTop() + r.GetHeight() / 2);
      PumpEvents(60);
      sim.MouseClick();
      return;
    }
    wxTheApp->CallAfter(*poll);
  };
  wxTheApp->CallAfter(*poll);
}

/// An import test's window state, put back when the test ends however it ends: the next
/// test must not meet this one's session, prompts, trees' root text or password clicker.
struct ImportScene {
  testing::ScriptedPrompts prompts;
  std::shared_ptr<bool> passwordAsked = std::make_shared<bool>(false);
  std::shared_ptr<bool> polling = std::make_shared<bool>(true);

  ImportScene() {
    testing::ResetToOneDesignWindow();
    Frame().SetSession(CreateDesignSession(Frame()));
    Frame().SetPrompts(&prompts);
    Frame().FindView(DocumentTitles::DesignView());
    PumpEvents(50);
    PressOkForThePassword(passwordAsked, polling);
  }
  ~ImportScene() {
    *polling = false;
    Frame().SetPrompts(nullptr);
    Frame().SetSession(nullptr);
    Frame().appState().designHasContent = false;
    Frame().appState().lastDatabase.clear();
  }
};

TEST(DbImport, OpeningAnMdbAsksForThePasswordAndFillsTheDesignSurface) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  ImportScene scene;
  // The last confirmed connection names the trees' roots after the import.
  Frame().appState().lastDatabase = "Northwind";
  Frame().appState().lastHost.clear();
  ASSERT_TRUE(Frame().session()->OpenScript(nwind));
  Frame().appState().designHasContent = true;
  Frame().RefreshDesignViews();
  EXPECT_TRUE(*scene.passwordAsked);

  DesignCanvas* canvas = Frame().designWindow().Canvas();
  ASSERT_TRUE(WaitFor([&] { return canvas->surface() && canvas->surface()->Count() == 9; }, 5000));
  EXPECT_EQ(9, Frame().session()->design()->tableCount());
  EXPECT_EQ("Order Details", Frame().session()->design()->definitions()[0].actualName);
  EXPECT_TRUE(Frame().session()->database()->state().IsConnected());
  EXPECT_TRUE(scene.prompts.messages.empty());

  // The import arranged its windows: arranging again with the same choices moves none.
  std::vector<GridRect> imported;
  for (int t = 0; t < 9; ++t) imported.push_back(canvas->surface()->Rect(t));
  ArrangeOptions same;
  same.tablesPerRow = Frame().session()->design()->tablesPerRow();
  same.width = Frame().appState().settings.tableWinWidth;
  Frame().layoutCommands().ApplyArrange(same);
  for (int t = 0; t < 9; ++t) EXPECT_TRUE(imported[t] == canvas->surface()->Rect(t)) << t;
  // With the columns fitted to their texts no window is cut at the arranged width.
  ASSERT_TRUE(Frame().appState().settings.fitColumnWidths);
  for (int t = 0; t < 9; ++t) EXPECT_FALSE(canvas->surface()->ScrollBars(t).horizontal) << t;

  // Both trees hold every table, and their roots name the last confirmed database.
  WorkBoxTrees* trees = Frame().workBoxCommands().trees();
  ASSERT_NE(trees, nullptr);
  std::size_t grouped = 0;
  for (int group : trees->Groups()) grouped += trees->GroupTables(group).size();
  EXPECT_EQ(9u, grouped);
  for (WorkBoxTrees::Tree which : {WorkBoxTrees::kTableTree, WorkBoxTrees::kGroupTree}) {
    const TreeModel& tree = trees->tree(which);
    ASSERT_FALSE(tree.TopLevel().empty());
    EXPECT_EQ("Northwind", tree.Item(tree.TopLevel().front()).text);
  }
  // The progress dialog went away with the import.
  EXPECT_TRUE(WaitFor([] {
    for (wxWindow* w : wxTopLevelWindows)
      if (w->GetLabel() == wxString::FromUTF8(u8"请稍候") && !w->IsBeingDeleted()) return false;
    return true;
  }));
}

TEST(DbImport, ADamagedMdbIsRefusedAndTheUnsavedDesignStays) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  testing::TempFolder folder;
  const std::vector<std::string> damaged =
      testing::MakeDamagedMdbs(nwind, folder.path().string());
  ASSERT_FALSE(damaged.empty());
  const std::string script = (folder.path() / "shop.sql").string();
  ASSERT_TRUE(TextFile::WriteBytes(
      script, "CREATE TABLE [dbo].[t_user] (\r\n\t[id] [int] NOT NULL \r\n) ON [PRIMARY]\r\nGO\r\n"));
  ImportScene scene;
  ASSERT_TRUE(Frame().session()->OpenScript(script));
  // A table added since: the design holds work no file holds yet.
  Design& design = *Frame().session()->design();
  TableDesign added;
  added.actualName = "t_new";
  design.definitions().push_back(added);
  design.AddTable(false, static_cast<int>(design.definitions().size()) - 1);
  ASSERT_TRUE(Frame().session()->modified());

  EXPECT_FALSE(Frame().session()->OpenScript(damaged.front()));
  EXPECT_TRUE(*scene.passwordAsked);
  ASSERT_FALSE(scene.prompts.messages.empty());
  EXPECT_NE(std::string::npos,
            scene.prompts.messages.back().find(Cp936(u8"数据库文件已损坏: ") + damaged.front()))
      << scene.prompts.messages.back();
  EXPECT_EQ(2, design.tableCount());
  ASSERT_EQ(2u, design.definitions().size());
  EXPECT_EQ("t_new", design.definitions()[1].actualName);
  EXPECT_EQ(script, Frame().session()->currentPath());
  EXPECT_TRUE(Frame().session()->modified());
}

}  // namespace
}  // namespace tablora
