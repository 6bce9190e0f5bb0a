#include "ui/gui/flat_tab_ctrl.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

#include "support/gui_test_support.h"

namespace tablora {
namespace {

using testing::PumpEvents;

const wxString kSorted = wxString::FromUTF8(u8"表设计(排序)");
const wxString kGrouped = wxString::FromUTF8(u8"表设计(分组)");

class FlatTabCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = new wxFrame(nullptr, wxID_ANY, "tabs", wxPoint(40, 40), wxSize(500, 400));
    // A frame stretches a lone child over its client area: the controls sit on a panel.
    host_ = new wxPanel(frame_);
    frame_->Show();
    PumpEvents(100);
  }
  void TearDown() override {
    frame_->Destroy();
    PumpEvents(50);
  }

  /// A tab control with two panels, placed at the frame's top-left corner.
  FlatTabCtrl* MakeTabs(int style, const wxSize& size) {
    auto* tabs = new FlatTabCtrl(host_, 125, style);
    tabs->SetSize(wxRect(wxPoint(0, 0), size));
    first_ = new wxPanel(tabs, 102);
    second_ = new wxPanel(tabs, 103);
    tabs->AddPage(first_, kSorted);
    tabs->AddPage(second_, kGrouped);
    tabs->UpdateLayout();
    PumpEvents(100);
    return tabs;
  }

  void ClickAt(wxWindow* window, const wxPoint& client) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(client));
    PumpEvents(50);
    sim.MouseClick();
    PumpEvents(100);
  }

  static wxPoint Centre(const wxRect& r) { return wxPoint(r.x + r.width / 2, r.y + r.height / 2); }

  wxFrame* frame_ = nullptr;
  wxPanel* host_ = nullptr;
  wxPanel* first_ = nullptr;
  wxPanel* second_ = nullptr;
};

TEST_F(FlatTabCtrlTest, PagesStayHiddenUntilLayoutShowsTheFirst) {
  auto* tabs = new FlatTabCtrl(host_, 125, FlatTabCtrl::kBottom);
  tabs->SetSize(0, 0, 230, 240);
  auto* page = new wxPanel(host_);
  tabs->AddPage(page, kSorted);
  EXPECT_EQ(tabs, page->GetParent());
  EXPECT_FALSE(page->IsShown());
  EXPECT_EQ(-1, tabs->GetActivePage());
  tabs->UpdateLayout();
  EXPECT_EQ(0, tabs->GetActivePage());
  EXPECT_TRUE(page->IsShown());
  EXPECT_EQ(tabs->GetPageArea(), page->GetRect());
  EXPECT_EQ(wxRect(4, 4, 222, 211), tabs->GetPageArea());
  EXPECT_EQ(page, tabs->GetPageWindow(0));
  EXPECT_EQ(nullptr, tabs->GetPageWindow(1));
  EXPECT_EQ(nullptr, tabs->GetPageWindow(-1));
  tabs->AddPage(page, kGrouped);  // already a page
  EXPECT_EQ(1, tabs->GetPageCount());
}

TEST_F(FlatTabCtrlTest, ClickingATabShowsItsPage) {
  FlatTabCtrl* tabs = MakeTabs(FlatTabCtrl::kBottom, wxSize(300, 240));
  ASSERT_EQ(0, tabs->GetActivePage());
  ASSERT_TRUE(first_->IsShown());
  ASSERT_FALSE(second_->IsShown());

  ClickAt(tabs, Centre(tabs->GetTabRect(1)));
  EXPECT_EQ(1, tabs->GetActivePage());
  EXPECT_TRUE(second_->IsShown());
  EXPECT_FALSE(first_->IsShown());
  EXPECT_EQ(tabs->GetPageArea(), second_->GetRect());

  ClickAt(tabs, Centre(tabs->GetTabRect(0)));
  EXPECT_EQ(0, tabs->GetActivePage());
  EXPECT_TRUE(first_->IsShown());
  EXPECT_FALSE(second_->IsShown());
}

TEST_F(FlatTabCtrlTest, ClickingTheActiveTabOrOutsideTheTabsChangesNothing) {
  FlatTabCtrl* tabs = MakeTabs(FlatTabCtrl::kBottom | FlatTabCtrl::kSlide, wxSize(300, 240));
  const wxRect before = first_->GetRect();
  ClickAt(tabs, Centre(tabs->GetTabRect(0)));
  EXPECT_FALSE(tabs->IsSliding());
  EXPECT_EQ(0, tabs->GetActivePage());
  EXPECT_TRUE(first_->IsShown());
  EXPECT_FALSE(second_->IsShown());
  EXPECT_EQ(before, first_->GetRect());

  // Right of the last tab, still in the strip.
  const wxRect last = tabs->GetTabRect(1);
  ClickAt(tabs, wxPoint(last.GetRight() + 5, last.y + 5));
  EXPECT_EQ(0, tabs->GetActivePage());
  EXPECT_FALSE(tabs->IsSliding());

  // Indexes outside the pages are ignored.
  tabs->SetActivePage(2);
  tabs->SetActivePage(-1);
  EXPECT_EQ(0, tabs->GetActivePage());
  EXPECT_TRUE(first_->IsShown());
}

TEST_F(FlatTabCtrlTest, SlideMovesThePageInFromTheLeftAndEndsInPlace) {
  FlatTabCtrl* tabs = MakeTabs(FlatTabCtrl::kBottom | FlatTabCtrl::kSlide, wxSize(300, 240));
  const wxRect area = tabs->GetPageArea();
  tabs->SetActivePage(1);
  EXPECT_TRUE(tabs->IsSliding());
  EXPECT_TRUE(second_->IsShown());
  EXPECT_FALSE(first_->IsShown());
  EXPECT_LT(second_->GetPosition().x, area.x);
  int previous = second_->GetPosition().x;
  bool moved = false;
  for (int i = 0; i < 100 && tabs->IsSliding(); ++i) {
    PumpEvents(5);
    const int x = second_->GetPosition().x;
    EXPECT_GE(x, previous);
    moved = moved || x > previous;
    previous = x;
  }
  EXPECT_TRUE(moved);
  EXPECT_FALSE(tabs->IsSliding());
  EXPECT_EQ(area, second_->GetRect());
}

TEST_F(FlatTabCtrlTest, NarrowControlCutsTabsToHalfAndShortensTitles) {
  FlatTabCtrl* tabs = MakeTabs(FlatTabCtrl::kBottom, wxSize(110, 200));
  const wxRect a = tabs->GetTabRect(0);
  const wxRect b = tabs->GetTabRect(1);
  const int half = (110 - 12) / 2;
  EXPECT_EQ(half, a.width);
  EXPECT_EQ(half, b.width);
  EXPECT_EQ(a.GetRight() + 2, b.x);
  for (int i = 0; i < 2; ++i) {
    const wxString shown = tabs->GetShownTitle(i);
    const wxString title = i == 0 ? kSorted : kGrouped;
    ASSERT_TRUE(shown.EndsWith("...")) << shown.utf8_str();
    EXPECT_TRUE(title.StartsWith(shown.Left(shown.length() - 3))) << shown.utf8_str();
    EXPECT_LE(tabs->GetTextExtent(shown).x + 9, half) << shown.utf8_str();
  }
  // Widened, the whole titles come back.
  tabs->SetSize(400, 200);
  PumpEvents(50);
  EXPECT_EQ(kSorted, tabs->GetShownTitle(0));
  EXPECT_EQ(kGrouped, tabs->GetShownTitle(1));
  EXPECT_EQ(tabs->GetTextExtent(kSorted).x + 9, tabs->GetTabRect(0).width);
  EXPECT_EQ(tabs->GetTabRect(0).GetRight() + 1, tabs->GetTabRect(1).x);
}

TEST_F(FlatTabCtrlTest, LayoutFollowsSizeBorderAndSide) {
  FlatTabCtrl* tabs = MakeTabs(FlatTabCtrl::kBottom, wxSize(300, 240));
  tabs->SetSize(260, 300);
  PumpEvents(50);
  EXPECT_EQ(wxRect(4, 4, 252, 271), first_->GetRect());
  EXPECT_EQ(300 - 24, tabs->GetTabRect(0).y);
  tabs->SetBorderStyle(2);
  EXPECT_EQ(wxRect(5, 5, 250, 269), first_->GetRect());

  FlatTabCtrl* top = MakeTabs(FlatTabCtrl::kTop, wxSize(300, 240));
  EXPECT_EQ(wxPoint(2, 0), top->GetTabRect(0).GetPosition());
  EXPECT_EQ(wxRect(4, 25, 292, 211), first_->GetRect());
}

TEST_F(FlatTabCtrlTest, OwnedPagesGoWithTheControlOthersAreHandedBack) {
  auto* holder = new wxPanel(host_);
  auto* tabs = new FlatTabCtrl(holder, 125, FlatTabCtrl::kBottom);
  auto* owned = new wxPanel(tabs);
  auto* kept = new wxPanel(tabs);
  bool ownedGone = false;
  bool keptGone = false;
  owned->Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& e) {
    if (e.GetWindow() == owned) ownedGone = true;
    e.Skip();
  });
  kept->Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& e) {
    if (e.GetWindow() == kept) keptGone = true;
    e.Skip();
  });
  tabs->AddPage(owned, "a", wxNullBitmap, true);
  tabs->AddPage(kept, "b", wxNullBitmap, false);
  tabs->UpdateLayout();
  delete tabs;
  EXPECT_TRUE(ownedGone);
  EXPECT_FALSE(keptGone);
  EXPECT_EQ(holder, kept->GetParent());
  EXPECT_FALSE(kept->IsShown());
  delete kept;
  EXPECT_TRUE(keptGone);
}

TEST_F(FlatTabCtrlTest, PageDestroyedElsewhereLeavesTheList) {
  FlatTabCtrl* tabs = MakeTabs(FlatTabCtrl::kBottom, wxSize(300, 240));
  delete first_;
  EXPECT_EQ(1, tabs->GetPageCount());
  EXPECT_EQ(second_, tabs->GetPageWindow(0));
  EXPECT_EQ(0, tabs->GetActivePage());
  EXPECT_TRUE(second_->IsShown());
  tabs->Refresh();
  PumpEvents(50);
}

TEST_F(FlatTabCtrlTest, IconMovesTheTitleRight) {
  auto* tabs = new FlatTabCtrl(host_, 125, FlatTabCtrl::kBottom);
  tabs->SetSize(0, 0, 300, 200);
  wxBitmap icon(16, 16);
  tabs->AddPage(new wxPanel(tabs), "ab", icon);
  tabs->AddPage(new wxPanel(tabs), "ab");
  tabs->UpdateLayout();
  EXPECT_EQ(tabs->GetTabRect(1).width + 18, tabs->GetTabRect(0).width);
}

}  // namespace
}  // namespace tablora
