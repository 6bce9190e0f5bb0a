#include "app/gui/work_box.h"

#include <wx/display.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "base/settings.h"
#include "base/settings_loader.h"
#include "ui/gui/dock_preview.h"
#include "ui/gui/flat_tab_ctrl.h"
#include "ui/gui/work_bar.h"

namespace tablora {

namespace {
const char* const kCaptions[] = {u8"表设计(排序)", u8"表设计(分组)"};
constexpr long kTreeStyle = wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN;
const char* const kFloatingTitle = u8"工作框";

PixelRect ToPixels(const wxRect& r) { return PixelRect{r.x, r.y, r.width, r.height}; }
wxRect ToWx(const PixelRect& r) { return wxRect(r.x, r.y, r.width, r.height); }
}  // namespace

WorkBox::WorkBox(wxWindow* frame, Settings& settings)
    : frame_(frame),
      settings_(settings),
      place_(bar_place::Parse(settings.workBoxPlace)),
      preview_(std::make_unique<DockPreview>(frame)) {
  auto* bar = new WorkBar(frame, kBarId, wxSize(kDefaultWidth, kDefaultHeight));
  bar->SetName("bar1");
  // The filter field below the tab control, so that the trees keep their places.
  auto* client = new wxPanel(bar);
  filter_ = new wxTextCtrl(client, wxID_ANY);
  filter_->SetHint(wxString::FromUTF8(u8"筛选表"));
  auto* tabs = new FlatTabCtrl(client, kTabId, FlatTabCtrl::kBottom);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(tabs, 1, wxEXPAND);
  column->Add(filter_, 0, wxEXPAND | wxALL, 1);
  client->SetSizer(column);
  tableTree_ = new wxTreeCtrl(tabs, kTableTreeId, wxDefaultPosition, wxDefaultSize, kTreeStyle);
  groupTree_ = new wxTreeCtrl(tabs, kGroupTreeId, wxDefaultPosition, wxDefaultSize, kTreeStyle);
  tabs->AddPage(tableTree_, wxString::FromUTF8(kCaptions[0]));
  tabs->AddPage(groupTree_, wxString::FromUTF8(kCaptions[1]));
  tabs->UpdateLayout();
  bar->SetClient(client);
  bar->SetOnClose([this] {
    if (onClose_) onClose_();
  });
  bar->SetOnResized([this] {
    SyncSizes();
    if (onResized_) onResized_();
  });
  bar->SetOnGripperDrag([this](WorkBar::GripperDrag phase, const wxPoint& screen) {
    OnGripperDrag(static_cast<int>(phase), screen);
  });
  // After the click's own events: the bar changes its parent.
  bar->SetOnGripperDoubleClick([this] { frame_->CallAfter([this] { ToggleFloating(); }); });
  bar->SetWantedSize(wxSize(place_.sideWidth, place_.edgeHeight));
  bar->SetDock(place_.dock);
  bar_ = bar;
  tabs_ = tabs;
  // A sash drag is written to the settings once, when the button is released.
  bar->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    event.Skip();
    frame_->CallAfter([this] { SavePlace(); });
  });
  if (place_.floating) {
    // Floats once the frame is up, where it floated last time.
    const BarPlace saved = place_;
    place_.floating = false;
    frame_->CallAfter([this, saved] { MoveTo(saved); });
  }
}

WorkBox::~WorkBox() = default;

bool WorkBox::IsShown() const {
  if (floating_ != nullptr) return floating_->IsShown();
  return bar_->IsShown();
}

void WorkBox::Show(bool show) {
  if (floating_ != nullptr) {
    floating_->Show(show);
  } else {
    bar_->Show(show);
  }
}

wxRect WorkBox::Layout(const wxRect& area) {
  const PixelRect pixels = ToPixels(area);
  if (floating_ == nullptr && bar_->IsShown()) {
    bar_->SetSize(ToWx(bar_place::DockedRect(place_, place_.dock, pixels)));
  }
  return DocumentArea(area);
}

wxRect WorkBox::DocumentArea(const wxRect& area) const {
  return ToWx(bar_place::RestOf(place_, ToPixels(area), floating_ == nullptr && bar_->IsShown()));
}

wxFrame* WorkBox::floatingWindow() const { return floating_; }

wxRect WorkBox::GripperScreenRect() const {
  const wxRect rect = bar_->GetGripperRect();
  return wxRect(bar_->ClientToScreen(rect.GetTopLeft()), rect.GetSize());
}

void WorkBox::SetOnPlaceChanged(std::function<void()> f) { onPlaceChanged_ = std::move(f); }

wxRect WorkBox::ScreenArea() const {
  return wxRect(frame_->ClientToScreen(wxPoint(0, 0)), frame_->GetClientSize());
}

void WorkBox::ToggleFloating() {
  BarPlace next = place_;
  next.floating = !place_.floating;
  if (next.floating && !next.floatPlaced) {
    // The first time: where the bar stood, at its floating size.
    const wxPoint at = bar_->GetScreenPosition();
    next.floatRect.x = at.x;
    next.floatRect.y = at.y;
    next.floatPlaced = true;
  }
  MoveTo(next);
}

void WorkBox::OnGripperDrag(int phase, const wxPoint& screen) {
  const auto drag = static_cast<WorkBar::GripperDrag>(phase);
  if (drag == WorkBar::GripperDrag::kCancel) {
    preview_->Hide();
    return;
  }
  const PixelRect area = ToPixels(ScreenArea());
  PixelRect docked;
  if (floating_ == nullptr) docked = ToPixels(wxRect(bar_->GetScreenPosition(), bar_->GetSize()));
  const BarDrop drop = bar_place::DropAt(place_, area, docked, screen.x, screen.y);
  const wxPoint grab = bar_->GetGrabOffset();
  int grabX = 0;
  int grabY = 0;
  bar_place::FloatingGrab(place_, grab.x, grab.y, &grabX, &grabY);
  const PixelRect landing =
      bar_place::PreviewRect(place_, drop, area, screen.x, screen.y, grabX, grabY);
  if (drag == WorkBar::GripperDrag::kMove) {
    preview_->Show(ToWx(landing));
    return;
  }
  preview_->Hide();
  const BarPlace next = bar_place::Dropped(place_, drop, landing);
  frame_->CallAfter([this, next] { MoveTo(next); });
}

void WorkBox::MoveTo(const BarPlace& wanted) {
  BarPlace next = wanted;
  const bool wasShown = IsShown();
  if (next.floating) {
    const int index = wxDisplay::GetFromPoint(wxPoint(next.floatRect.x, next.floatRect.y));
    const wxRect screen = wxDisplay(index == wxNOT_FOUND ? 0 : index).GetClientArea();
    next.floatRect = bar_place::KeepOnScreen(next.floatRect, ToPixels(screen));
    if (floating_ == nullptr) {
      floating_ = new wxFrame(frame_, wxID_ANY, wxString::FromUTF8(kFloatingTitle),
                              wxDefaultPosition, wxDefaultSize,
                              wxFRAME_TOOL_WINDOW | wxFRAME_NO_TASKBAR | wxFRAME_FLOAT_ON_PARENT |
                                  wxBORDER_NONE);
      // Closed from outside (a window manager's menu): hidden, as the close button does.
      floating_->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (!event.CanVeto()) {
          event.Skip();
          return;
        }
        Show(false);
        if (onPlaceChanged_) onPlaceChanged_();
      });
      bar_->Reparent(floating_);
      bar_->SetFloating(true);
      bar_->Show();
    }
    floating_->SetSize(ToWx(next.floatRect));
    bar_->SetSize(floating_->GetClientSize());
    floating_->Show(wasShown);
  } else {
    bar_->SetFloating(false);
    bar_->SetDock(next.dock);
    if (floating_ != nullptr) {
      bar_->Reparent(frame_);
      floating_->Destroy();
      floating_ = nullptr;
    }
    bar_->Show(wasShown);
  }
  place_ = next;
  SavePlace();
  if (onPlaceChanged_) onPlaceChanged_();
}

void WorkBox::SyncSizes() {
  if (floating_ != nullptr) {
    const wxRect rect = floating_->GetRect();
    place_.floatRect = ToPixels(rect);
  } else {
    place_.sideWidth = bar_->GetBestWidth();
    place_.edgeHeight = bar_->GetBestHeight();
  }
}

void WorkBox::SavePlace() {
  const std::string text = bar_place::Format(place_);
  if (text == settings_.workBoxPlace) return;
  settings_.workBoxPlace = text;
  if (!settings_.settingsPath.empty()) {
    WriteSettingString(settings_.settingsPath, "WorkBox", "Place", text);
  }
}

wxWindow* WorkBox::bar() const { return bar_; }
int WorkBox::PageCount() const { return tabs_->GetPageCount(); }
int WorkBox::ActivePage() const { return tabs_->GetActivePage(); }
void WorkBox::SetActivePage(int page) { tabs_->SetActivePage(page); }
int WorkBox::WantedWidth() const { return bar_->GetBestWidth(); }

wxRect WorkBox::CloseButtonScreenRect() const {
  const wxRect rect = bar_->GetCloseButtonRect();
  return wxRect(bar_->ClientToScreen(rect.GetTopLeft()), rect.GetSize());
}

void WorkBox::SetOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }
void WorkBox::SetOnResized(std::function<void()> onResized) { onResized_ = std::move(onResized); }

}  // namespace tablora
