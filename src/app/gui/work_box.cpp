#include "app/gui/work_box.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>

#if __has_include("ui/gui/work_bar.h") && __has_include("ui/gui/flat_tab_ctrl.h")
#define TABLORA_HAS_WORK_BAR 1
#include "ui/gui/flat_tab_ctrl.h"
#include "ui/gui/work_bar.h"
#else
#define TABLORA_HAS_WORK_BAR 0
#endif

namespace tablora {

namespace {
const char* const kCaptions[] = {u8"表设计(排序)", u8"表设计(分组)"};
constexpr long kTreeStyle =
    wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN;
}  // namespace

#if TABLORA_HAS_WORK_BAR

WorkBox::WorkBox(wxWindow* frame) {
  auto* bar = new WorkBar(frame, kBarId, wxSize(kDefaultWidth, kDefaultHeight));
  bar->SetName("bar1");
  auto* tabs = new FlatTabCtrl(bar, kTabId, FlatTabCtrl::kBottom);
  tableTree_ = new wxTreeCtrl(tabs, kTableTreeId, wxDefaultPosition, wxDefaultSize, kTreeStyle);
  groupTree_ = new wxTreeCtrl(tabs, kGroupTreeId, wxDefaultPosition, wxDefaultSize, kTreeStyle);
  tabs->AddPage(tableTree_, wxString::FromUTF8(kCaptions[0]));
  tabs->AddPage(groupTree_, wxString::FromUTF8(kCaptions[1]));
  tabs->UpdateLayout();
  bar->SetClient(tabs);
  bar->SetOnClose([this] { if (onClose_) onClose_(); });
  bar->SetOnResized([this] { if (onResized_) onResized_(); });
  bar_ = bar;
  tabs_ = tabs;
}

int WorkBox::PageCount() const { return static_cast<FlatTabCtrl*>(tabs_)->GetPageCount(); }
int WorkBox::ActivePage() const { return static_cast<FlatTabCtrl*>(tabs_)->GetActivePage(); }
void WorkBox::SetActivePage(int page) { static_cast<FlatTabCtrl*>(tabs_)->SetActivePage(page); }
int WorkBox::WantedWidth() const { return static_cast<WorkBar*>(bar_)->GetBestWidth(); }

wxRect WorkBox::CloseButtonScreenRect() const {
  const wxRect rect = static_cast<WorkBar*>(bar_)->GetCloseButtonRect();
  return wxRect(bar_->ClientToScreen(rect.GetTopLeft()), rect.GetSize());
}

#else

// Until the docking bar and its tab control are part of the build: a panel with a title
// strip and close button over a notebook with its tabs at the bottom.
WorkBox::WorkBox(wxWindow* frame) {
  auto* bar = new wxPanel(frame, kBarId, wxDefaultPosition, wxSize(kDefaultWidth, kDefaultHeight),
                          wxTAB_TRAVERSAL | wxBORDER_NONE, "bar1");
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* strip = new wxBoxSizer(wxHORIZONTAL);
  strip->Add(new wxStaticText(bar, wxID_ANY, "bar1"), 1, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
  auto* close = new wxButton(bar, wxID_CLOSE, wxString::FromUTF8(u8"×"), wxDefaultPosition,
                             wxDefaultSize, wxBU_EXACTFIT | wxBORDER_NONE);
  close->SetToolTip(wxString::FromUTF8(u8"关闭"));
  close->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { if (onClose_) onClose_(); });
  strip->Add(close, 0, wxALIGN_CENTER_VERTICAL);
  sizer->Add(strip, 0, wxEXPAND | wxALL, 1);
  auto* tabs = new wxNotebook(bar, kTabId, wxDefaultPosition, wxDefaultSize, wxNB_BOTTOM);
  tableTree_ = new wxTreeCtrl(tabs, kTableTreeId, wxDefaultPosition, wxDefaultSize, kTreeStyle);
  groupTree_ = new wxTreeCtrl(tabs, kGroupTreeId, wxDefaultPosition, wxDefaultSize, kTreeStyle);
  tabs->AddPage(tableTree_, wxString::FromUTF8(kCaptions[0]), true);
  tabs->AddPage(groupTree_, wxString::FromUTF8(kCaptions[1]));
  sizer->Add(tabs, 1, wxEXPAND);
  bar->SetSizer(sizer);
  bar_ = bar;
  tabs_ = tabs;
  closeButton_ = close;
}

int WorkBox::PageCount() const { return static_cast<int>(static_cast<wxNotebook*>(tabs_)->GetPageCount()); }
int WorkBox::ActivePage() const { return static_cast<wxNotebook*>(tabs_)->GetSelection(); }
void WorkBox::SetActivePage(int page) { static_cast<wxNotebook*>(tabs_)->SetSelection(page); }
int WorkBox::WantedWidth() const { return kDefaultWidth; }
wxRect WorkBox::CloseButtonScreenRect() const { return closeButton_->GetScreenRect(); }

#endif

void WorkBox::SetOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }
void WorkBox::SetOnResized(std::function<void()> onResized) { onResized_ = std::move(onResized); }

}  // namespace tablora
