#include "app/gui/work_box.h"

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "ui/gui/flat_tab_ctrl.h"
#include "ui/gui/work_bar.h"

namespace tablora {

namespace {
const char* const kCaptions[] = {u8"表设计(排序)", u8"表设计(分组)"};
constexpr long kTreeStyle = wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN;
}  // namespace

WorkBox::WorkBox(wxWindow* frame) {
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
    if (onResized_) onResized_();
  });
  bar_ = bar;
  tabs_ = tabs;
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
