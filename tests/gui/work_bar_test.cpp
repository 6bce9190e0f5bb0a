#include "ui/gui/work_bar.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/panel.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>
#include <cstdlib>

#include "support/gui_test_support.h"
#include "ui/gui/flat_tab_ctrl.h"

namespace tablora {
namespace {

using testing::PumpEvents;

const wxString kSorted = wxString::FromUTF8(u8"表设计(排序)");
const wxString kGrouped = wxString::FromUTF8(u8"表设计(分组)");

class WorkBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = new wxFrame(nullptr, wxID_ANY, "bar", wxPoint(30, 30), wxSize(700, 420));
    // A frame stretches a lone child over its client area: the bar sits on a panel.
    host_ = new wxPanel(frame_);
    bar_ = new WorkBar(host_);
    bar_->SetPosition(wxPoint(0, 0));
    tabs_ = new FlatTabCtrl(bar_, 125, FlatTabCtrl::kBottom);
    sorted_ = MakeTree(102, u8"表");
    grouped_ = MakeTree(103, u8"分组");
    tabs_->AddPage(sorted_, kSorted);
    tabs_->AddPage(grouped_, kGrouped);
    bar_->SetClient(tabs_);
    tabs_->UpdateLayout();
    frame_->Show();
    PumpEvents(150);
  }
  void TearDown() override {
    frame_->Destroy();
    PumpEvents(50);
  }

  wxTreeCtrl* MakeTree(wxWindowID id, const char* node) {
    auto* tree = new wxTreeCtrl(tabs_, id, wxDefaultPosition, wxDefaultSize,
                                wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxBORDER_SUNKEN);
    const wxTreeItemId root = tree->AddRoot("Tablora");
    const wxTreeItemId child = tree->AppendItem(root, wxString::FromUTF8(node));
    tree->AppendItem(child, "Customers");
    tree->ExpandAll();
    return tree;
  }

  static wxPoint Centre(const wxRect& r) { return wxPoint(r.x + r.width / 2, r.y + r.height / 2); }

  /// Drags with the left button from `from` (bar client coordinates) by `by` pixels.
  void Drag(const wxPoint& from, const wxSize& by) {
    wxUIActionSimulator sim;
    const wxPoint start = bar_->ClientToScreen(from);
    sim.MouseMove(start);
    PumpEvents(50);
    sim.MouseDown();
    PumpEvents(50);
    for (int step = 1; step <= 4; ++step) {
      sim.MouseMove(start + wxPoint(by.x * step / 4, by.y * step / 4));
      PumpEvents(40);
    }
    sim.MouseUp();
    PumpEvents(100);
  }

  /// Copies what the screen shows of the bar into build/NAME.png (through ImageMagick's
  /// "import": the screen device context of GTK 3 keeps returning its first picture).
  wxImage Screenshot(const wxString& name) {
    bar_->Refresh();
    bar_->Update();
    PumpEvents(300);
    const wxRect onScreen(bar_->GetScreenPosition(), bar_->GetSize());
    const wxString path = wxString(TABLORA_BUILD_DIR) + "/" + name + ".png";
    wxRemoveFile(path);
    const wxString command =
        wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s", onScreen.width,
                         onScreen.height, onScreen.x, onScreen.y, path);
    // std::system rather than a synchronous wxExecute, which waits forever inside the
    // test runner's event loop.
    EXPECT_EQ(0, std::system(command.utf8_str())) << command.utf8_str();
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    wxImage image;
    image.LoadFile(path, wxBITMAP_TYPE_PNG);
    return image;
  }

  wxFrame* frame_ = nullptr;
  wxPanel* host_ = nullptr;
  WorkBar* bar_ = nullptr;
  FlatTabCtrl* tabs_ = nullptr;
  wxTreeCtrl* sorted_ = nullptr;
  wxTreeCtrl* grouped_ = nullptr;
};

TEST_F(WorkBarTest, StartsAtTheDefaultSizeWithTheClientFillingIt) {
  EXPECT_EQ(wxSize(230, 260), bar_->GetSize());
  EXPECT_EQ(wxSize(230, 260), bar_->GetBestSize());
  EXPECT_EQ(230, bar_->GetBestWidth());
  EXPECT_EQ("bar1", bar_->GetName());
  EXPECT_EQ(123, bar_->GetId());
  EXPECT_EQ(wxRect(2, 16, 221, 242), tabs_->GetRect());
  EXPECT_EQ(bar_->GetClientArea(), tabs_->GetRect());
  bar_->SetSize(300, 400);
  PumpEvents(50);
  EXPECT_EQ(wxRect(2, 16, 291, 382), tabs_->GetRect());
  bar_->SetDock(BarDock::kTop);
  EXPECT_EQ(wxRect(16, 2, 282, 391), tabs_->GetRect());
}

TEST_F(WorkBarTest, CloseButtonReleasedInsideCallsTheOwner) {
  int closes = 0;
  bar_->SetOnClose([&] { ++closes; });
  const wxRect close = bar_->GetCloseButtonRect();
  Drag(Centre(close), wxSize(0, 0));
  EXPECT_EQ(1, closes);
  EXPECT_TRUE(bar_->IsShown());  // hiding is the owner's business

  // Pressed on the button but released away from it: no close.
  Drag(Centre(close), wxSize(-60, 40));
  EXPECT_EQ(1, closes);
  // Pressed elsewhere and released on the button: no close either.
  Drag(wxPoint(50, 8), wxSize(Centre(close).x - 50, 0));
  EXPECT_EQ(1, closes);
  EXPECT_TRUE(bar_->IsShown());

  // With no owner listening the bar hides itself.
  bar_->SetOnClose(nullptr);
  Drag(Centre(close), wxSize(0, 0));
  EXPECT_FALSE(bar_->IsShown());
}

TEST_F(WorkBarTest, DraggingTheSashChangesTheWidth) {
  int resized = 0;
  bar_->SetOnResized([&] { ++resized; });
  Drag(wxPoint(100, 8), wxSize(60, 0));  // the gripper is no handle
  EXPECT_EQ(230, bar_->GetSize().x);
  EXPECT_EQ(0, resized);

  const wxRect sash = bar_->GetSashRect();
  EXPECT_EQ(wxRect(225, 0, 5, 260), sash);
  Drag(Centre(sash), wxSize(60, 0));
  EXPECT_EQ(290, bar_->GetSize().x);
  EXPECT_EQ(290, bar_->GetBestWidth());
  EXPECT_EQ(260, bar_->GetSize().y);
  EXPECT_GE(resized, 1);
  EXPECT_EQ(bar_->GetClientArea(), tabs_->GetRect());
  EXPECT_EQ(wxRect(2, 16, 281, 242), tabs_->GetRect());

  // Far to the left: the bar keeps its minimum width.
  Drag(Centre(bar_->GetSashRect()), wxSize(-400, 0));
  EXPECT_EQ(WorkBar::kMinimumExtent, bar_->GetSize().x);
  EXPECT_EQ(WorkBar::kMinimumExtent, bar_->GetBestWidth());
}

TEST_F(WorkBarTest, ScreenshotsOfBothPagesShowChineseTabs) {
  bar_->SetSize(230, 260);
  PumpEvents(50);
  const wxImage sortedShot = Screenshot("work_bar_sorted");
  tabs_->SetActivePage(1);
  const wxImage groupedShot = Screenshot("work_bar_grouped");
  ASSERT_TRUE(sortedShot.IsOk());
  ASSERT_TRUE(groupedShot.IsOk());
  // The two pictures differ (another page and another active tab) and are not blank.
  const wxRect strip = tabs_->GetTabRect(0).Union(tabs_->GetTabRect(1));
  const wxPoint origin = tabs_->GetPosition();
  int differing = 0;
  int dark = 0;
  for (int y = strip.y; y < strip.GetBottom(); ++y) {
    for (int x = strip.x; x < strip.GetRight(); ++x) {
      const int sx = origin.x + x;
      const int sy = origin.y + y;
      if (sortedShot.GetRed(sx, sy) != groupedShot.GetRed(sx, sy)) ++differing;
      if (sortedShot.GetRed(sx, sy) < 80) ++dark;
    }
  }
  EXPECT_GT(differing, 20);
  EXPECT_GT(dark, 40);  // glyph strokes and 3D edges

  // Narrow: both titles shortened.
  bar_->SetSize(140, 260);
  PumpEvents(50);
  EXPECT_TRUE(tabs_->GetShownTitle(0).EndsWith("..."));
  EXPECT_TRUE(tabs_->GetShownTitle(1).EndsWith("..."));
  Screenshot("work_bar_narrow_grouped");
  tabs_->SetActivePage(0);
  Screenshot("work_bar_narrow_sorted");
}

}  // namespace
}  // namespace tablora
