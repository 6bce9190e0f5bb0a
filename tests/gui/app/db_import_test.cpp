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
#include "db/database_session.h"
#include "db/gui/password_dialog.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "ui/gui/design_canvas.h"
#include "ui/table_surface.h"
#include "ui/work_box_trees.h"

namespace tablora {
namespace {

using testing::Frame;
using testing::PumpEvents;
using testing::WaitFor;

std::string NwindPath() {
  const std::string near = TABLORA_SOURCE_DIR "/../shared/fixtures/nwind.mdb";
  return ::access(near.c_str(), R_OK) == 0 ? near
                                           : TABLORA_SOURCE_DIR "/../../shared/fixtures/nwind.mdb";
}

TEST(DbImport, OpeningAnMdbAsksForThePasswordAndFillsTheDesignSurface) {
  testing::ResetToOneDesignWindow();
  Frame().SetSession(CreateDesignSession(Frame()));
  testing::ScriptedPrompts prompts;
  Frame().SetPrompts(&prompts);
  Frame().FindView(DocumentTitles::DesignView());
  PumpEvents(50);

  bool passwordAsked = false;
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [&passwordAsked, poll]() {
    for (wxWindow* w : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<PasswordDialog*>(w);
      if (dialog == nullptr || !dialog->IsModal() || !dialog->IsShown()) continue;
      passwordAsked = true;
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
  // The last confirmed connection names the trees' roots after the import.
  Frame().appState().lastDatabase = "Northwind";
  Frame().appState().lastHost.clear();
  ASSERT_TRUE(Frame().session()->OpenScript(NwindPath()));
  Frame().appState().designHasContent = true;
  Frame().RefreshDesignViews();
  EXPECT_TRUE(passwordAsked);

  DesignCanvas* canvas = Frame().designWindow().Canvas();
  ASSERT_TRUE(WaitFor([&] { return canvas->surface() && canvas->surface()->Count() == 9; }, 5000));
  EXPECT_EQ(9, Frame().session()->design()->tableCount());
  EXPECT_EQ("Order Details", Frame().session()->design()->definitions()[0].actualName);
  EXPECT_TRUE(Frame().session()->database()->state().IsConnected());
  EXPECT_TRUE(prompts.messages.empty());

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

  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
  Frame().appState().lastDatabase.clear();
}

}  // namespace
}  // namespace tablora
