// The work box's bar dragged by its gripper to every edge and out to float, double-clicked
// back, hidden and shown with Ctrl+L, and found where it was by a main window made anew.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <memory>

#include "app/gui/document_frame.h"
#include "app/gui/main_frame.h"
#include "app/gui/work_box.h"
#include "app_test_support.h"
#include "base/app_state.h"
#include "base/ini_file.h"
#include "base/settings_loader.h"
#include "design_window_fixture.h"
#include "support/temp_folder.h"
#include "ui/gui/dock_preview.h"

namespace tablora::testing {
namespace {

class WorkBoxDockingTest : public DesignWindowFixture {
 protected:
  void SetUp() override {
    DesignWindowFixture::SetUp();
    ResetToOneDesignWindow();
    // Places are written to a copy of the shipped settings, not the build's own file.
    ini_ = folder_ / "Tablora.ini";
    std::filesystem::copy_file(std::filesystem::path(saved.settingsPath), ini_);
    Frame().appState().settings.settingsPath = ini_;
    if (!Frame().IsWorkBoxShown()) Frame().workBox().Show(true);
    Frame().SendSizeEvent();
    Frame().Raise();
    PumpEvents(100);
  }

  void TearDown() override {
    // Where every other test expects it, even after a failure half-way.
    if (Box().place().floating || Box().place().dock != BarDock::kLeft) Box().MoveTo(BarPlace{});
    if (!Frame().IsWorkBoxShown()) Frame().workBox().Show(true);
    Frame().SendSizeEvent();
    PumpEvents(50);
    DesignWindowFixture::TearDown();
  }

  WorkBox& Box() { return Frame().workBox(); }

  /// The frame's client area on the screen.
  static wxRect Area() {
    return wxRect(Frame().ClientToScreen(wxPoint(0, 0)), Frame().GetClientSize());
  }

  /// Presses the gripper 40 pixels along from its start, drags it to `to` in steps and,
  /// before releasing it, gives back the outline shown (and keeps a screenshot of it).
  wxRect DragGripper(const wxPoint& to, const char* shot = nullptr) {
    const wxRect grip = Box().GripperScreenRect();
    const bool across = grip.width > grip.height;
    const wxPoint from = across ? wxPoint(grip.x + 40, grip.y + grip.height / 2)
                                : wxPoint(grip.x + grip.width / 2, grip.y + 40);
    wxUIActionSimulator sim;
    sim.MouseMove(from);
    PumpEvents(50);
    sim.MouseDown();
    PumpEvents(50);
    for (int step = 1; step <= 8; ++step) {
      sim.MouseMove(from + (to - from) * step / 8);
      PumpEvents(30);
    }
    WaitFor([&] { return Box().preview().IsShown(); }, 1000);
    const wxRect outline = Box().preview().IsShown() ? Box().preview().rect() : wxRect();
    if (shot != nullptr) Shot(shot);
    sim.MouseUp();
    PumpEvents(100);
    return outline;
  }

  bool DockedAt(BarDock dock) {
    return WaitFor([&] {
      return !Box().place().floating && Box().place().dock == dock &&
             Box().floatingWindow() == nullptr && Box().bar()->IsShownOnScreen();
    });
  }

  std::string PlaceInFile() {
    return IniFile::Load(ini_).GetString("WorkBox", "Place", "");
  }

  /// The documents' window on the screen.
  static wxRect Documents() { return Frame().GetClientWindow()->GetScreenRect(); }

  TempFolder folder_;
  std::string ini_;
};

TEST_F(WorkBoxDockingTest, GripperDocksAtEveryEdgeFloatsAndIsFoundAgainAfterARestart) {
  wxRect area = Area();
  ASSERT_TRUE(DockedAt(BarDock::kLeft));

  // To the right edge: the outline is the strip the bar then fills.
  const wxRect rightOutline =
      DragGripper(wxPoint(area.GetRight() - 8, area.y + area.height / 2), "work_box_drag_right");
  EXPECT_EQ(rightOutline, wxRect(area.GetRight() + 1 - 230, area.y, 230, area.height));
  ASSERT_TRUE(DockedAt(BarDock::kRight));
  PumpEvents(100);
  EXPECT_EQ(Box().bar()->GetScreenRect(), rightOutline);
  EXPECT_EQ(Documents().x, area.x);
  EXPECT_EQ(Documents().GetRight(), area.GetRight() - 230);
  EXPECT_EQ(PlaceInFile(), "right,230,260,,,230,260");
  Shot("work_box_docked_right");

  // To the bottom: as wide as the frame, 260 high.
  area = Area();
  DragGripper(wxPoint(area.x + area.width / 2, area.GetBottom() - 6));
  ASSERT_TRUE(DockedAt(BarDock::kBottom));
  PumpEvents(100);
  EXPECT_EQ(Box().bar()->GetScreenRect(),
            wxRect(area.x, area.GetBottom() + 1 - 260, area.width, 260));
  EXPECT_EQ(Documents().GetBottom(), area.GetBottom() - 260);
  EXPECT_EQ(Documents().width, area.width);
  Shot("work_box_docked_bottom");

  // Into the middle: a window of its own, with the gripper where the pointer let go.
  area = Area();
  const wxPoint middle(area.x + area.width / 2, area.y + area.height / 3);
  const wxRect floatOutline = DragGripper(middle);
  ASSERT_TRUE(WaitFor([&] {
    return Box().floatingWindow() != nullptr && Box().floatingWindow()->IsShownOnScreen();
  }));
  PumpEvents(100);
  EXPECT_TRUE(Box().place().floating);
  EXPECT_EQ(Box().floatingWindow()->GetScreenRect(), floatOutline);
  EXPECT_EQ(floatOutline.GetSize(), wxSize(230, 260));
  EXPECT_TRUE(Box().GripperScreenRect().Contains(middle));
  EXPECT_EQ(Documents().width, area.width);
  EXPECT_EQ(Documents().height, area.height);
  EXPECT_EQ(PlaceInFile().rfind("float,230,260,", 0), 0u) << PlaceInFile();
  Shot("work_box_floating");

  // Its lower edge makes it taller, and the new height is written at once.
  wxUIActionSimulator sim;
  const wxRect before = Box().floatingWindow()->GetScreenRect();
  sim.MouseMove(before.x + 60, before.GetBottom() - 2);
  PumpEvents(50);
  sim.MouseDown();
  for (int step = 1; step <= 4; ++step) {
    sim.MouseMove(before.x + 60, before.GetBottom() - 2 + 10 * step);
    PumpEvents(30);
  }
  sim.MouseUp();
  EXPECT_TRUE(WaitFor([&] {
    return Box().floatingWindow()->GetScreenRect() ==
           wxRect(before.GetPosition(), before.GetSize() + wxSize(0, 40));
  }));
  EXPECT_TRUE(WaitFor([&] { return PlaceInFile().find(",230,300") != std::string::npos; }))
      << PlaceInFile();

  // Ctrl+L hides the floating window and shows it again where it was.
  const wxRect floating = Box().floatingWindow()->GetScreenRect();
  sim.MouseMove(area.x + area.width - 40, area.y + area.height - 40);
  Frame().documents().front()->SetFocus();
  PumpEvents(50);
  sim.Char('L', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return !Frame().IsWorkBoxShown(); }));
  sim.Char('L', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return Frame().IsWorkBoxShown(); }));
  ASSERT_NE(Box().floatingWindow(), nullptr);
  EXPECT_EQ(Box().floatingWindow()->GetScreenRect(), floating);

  // A main window made anew from the settings file floats its work box at the same place.
  {
    AppState state = Frame().appState();
    state.settings = LoadSettings(IniFile::Load(ini_), saved.programFolder);
    state.settings.settingsPath = ini_;
    auto* again = new MainFrame(state, nullptr);
    again->Show();
    EXPECT_TRUE(WaitFor([&] {
      return again->workBox().floatingWindow() != nullptr &&
             again->workBox().floatingWindow()->IsShownOnScreen();
    }));
    if (again->workBox().floatingWindow() != nullptr) {
      EXPECT_EQ(again->workBox().floatingWindow()->GetScreenRect(), floating);
    }
    again->Destroy();
    PumpEvents(100);
  }

  // Double-clicking the gripper docks it at the edge it last docked to; Ctrl+L hides it
  // and shows it there again.
  const wxRect grip = Box().GripperScreenRect();
  sim.MouseMove(grip.x + 40, grip.y + grip.height / 2);
  PumpEvents(50);
  sim.MouseDblClick();
  ASSERT_TRUE(DockedAt(BarDock::kBottom));
  PumpEvents(450);  // no triple click
  area = Area();
  sim.MouseMove(area.x + area.width / 2, area.y + 40);
  Frame().documents().front()->SetFocus();
  PumpEvents(50);
  sim.Char('L', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return !Frame().IsWorkBoxShown(); }));
  EXPECT_TRUE(WaitFor([&] { return Documents().height == area.height; }));
  sim.Char('L', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return Frame().IsWorkBoxShown(); }));
  EXPECT_TRUE(DockedAt(BarDock::kBottom));
  EXPECT_EQ(Box().bar()->GetScreenRect().y, area.GetBottom() + 1 - 260);

  // Restarted while docked at the bottom, it starts there.
  {
    AppState state = Frame().appState();
    state.settings = LoadSettings(IniFile::Load(ini_), saved.programFolder);
    state.settings.settingsPath = ini_;
    auto* again = new MainFrame(state, nullptr);
    again->Show();
    PumpEvents(200);
    EXPECT_FALSE(again->workBox().place().floating);
    EXPECT_EQ(again->workBox().place().dock, BarDock::kBottom);
    EXPECT_EQ(again->workBox().floatingWindow(), nullptr);
    again->Destroy();
    PumpEvents(100);
  }

  // Back to the left, where every other test expects it.
  Frame().Raise();
  area = Area();
  DragGripper(wxPoint(area.x + 6, area.y + 30));
  ASSERT_TRUE(DockedAt(BarDock::kLeft));
  EXPECT_TRUE(WaitFor([&] { return Documents().x == area.x + 230; }));
  EXPECT_EQ(PlaceInFile(), "left,230,260," + std::to_string(floating.x) + "," +
                               std::to_string(floating.y) + ",230,300");
}

}  // namespace
}  // namespace tablora::testing
