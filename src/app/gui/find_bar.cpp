#include "app/gui/find_bar.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "app/gui/main_frame.h"
#include "base/gui/wx_text.h"
#include "ui/gui/design_canvas.h"

namespace tablora {

FindBar* FindBar::Of(MainFrame& frame, DesignCanvas& canvas) {
  wxWindow* document = canvas.GetParent();
  if (auto* bar = dynamic_cast<FindBar*>(wxWindow::FindWindowByName(kName, document))) return bar;
  auto* bar = new FindBar(document, frame, canvas);
  // The bar goes above the surface, which takes the rest of the window.
  wxSizer* sizer = document->GetSizer();
  if (sizer == nullptr) {
    sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(&canvas, 1, wxEXPAND);
    document->SetSizer(sizer);
  }
  sizer->Insert(0, bar, 0, wxEXPAND);
  bar->Hide();
  document->Layout();
  return bar;
}

FindBar::FindBar(wxWindow* parent, MainFrame& frame, DesignCanvas& canvas)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, kName),
      frame_(frame),
      canvas_(canvas) {
  SetBackgroundColour(wxColour(255, 250, 220));
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"查找:")), 0,
           wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 6);
  text_ = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(FromDIP(220), -1),
                         wxTE_PROCESS_ENTER);
  text_->SetToolTip(wxString::FromUTF8(u8"表名、实际表名、注释或字段名"));
  row->Add(text_, 0, wxALIGN_CENTER_VERTICAL | wxTOP | wxBOTTOM, 3);
  auto* previous = new wxButton(this, wxID_ANY, wxString::FromUTF8(u8"上一个(&P)"));
  auto* next = new wxButton(this, wxID_ANY, wxString::FromUTF8(u8"下一个(&N)"));
  auto* close = new wxButton(this, wxID_ANY, wxString::FromUTF8(u8"关闭"), wxDefaultPosition,
                             wxDefaultSize, wxBU_EXACTFIT);
  row->Add(previous, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
  row->Add(next, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 2);
  status_ = new wxStaticText(this, wxID_ANY, "");
  row->Add(status_, 1, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
  row->Add(close, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  SetSizer(row);

  text_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { Search(); });
  text_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
    Step(wxGetKeyState(WXK_SHIFT) ? -1 : 1);
  });
  previous->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Step(-1); });
  next->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Step(1); });
  close->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
  Bind(wxEVT_CHAR_HOOK, &FindBar::OnKey, this);
}

void FindBar::OnKey(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_ESCAPE) {
    Close();
    return;
  }
  event.Skip();
}

void FindBar::Open() {
  if (!IsShown()) {
    Show();
    GetParent()->Layout();
    Search();
  }
  text_->SetFocus();
  text_->SelectAll();
}

void FindBar::Close() {
  found_.clear();
  current_ = -1;
  canvas_.SetFoundTables({}, -1);
  Hide();
  GetParent()->Layout();
  canvas_.SetFocus();
}

void FindBar::Search() {
  const Design* design = frame_.session() != nullptr ? frame_.session()->design() : nullptr;
  found_.clear();
  current_ = -1;
  if (design != nullptr) {
    // The texts are taken again at each keystroke: the design may have changed since.
    finder_.Build(*design);
    found_ = finder_.Find(from_wx(text_->GetValue()));
  }
  if (!found_.empty()) current_ = 0;
  ShowCurrent();
}

void FindBar::Step(int step) {
  if (!IsShown()) Open();
  if (found_.empty()) return;
  const int n = static_cast<int>(found_.size());
  current_ = ((current_ + step) % n + n) % n;
  ShowCurrent();
}

void FindBar::ShowCurrent() {
  canvas_.SetFoundTables(found_, current());
  status_->SetLabel(wxString::FromUTF8(StatusUtf8()));
  const int table = current();
  TableSurface* surface = canvas_.surface();
  if (table < 0 || surface == nullptr || table >= surface->Count()) return;
  // The window in sight, a little away from the edges, and on top of the others.
  const PixelRect rect = surface->Rect(table);
  int unitX = 1;
  int unitY = 1;
  canvas_.GetScrollPixelsPerUnit(&unitX, &unitY);
  const wxSize client = canvas_.GetClientSize();
  const wxPoint origin = canvas_.ToSurface(wxPoint(0, 0));
  const bool inSight = rect.x >= origin.x && rect.y >= origin.y &&
                       rect.x + rect.width <= origin.x + client.x &&
                       rect.y + rect.height <= origin.y + client.y;
  if (!inSight) {
    // Windows within the first screen's width keep the surface's left edge in sight.
    const int left = rect.x + rect.width + 20 <= client.x ? 0 : std::max(0, rect.x - 20);
    canvas_.Scroll(left / std::max(unitX, 1),
                   std::max(0, rect.y - 20) / std::max(unitY, 1));
  }
  surface->BringToTop(table);
  canvas_.Refresh();
}

std::string FindBar::StatusUtf8() const {
  if (text_->GetValue().empty()) return {};
  if (found_.empty()) return u8"没有找到";
  return u8"第 " + std::to_string(current_ + 1) + "/" + std::to_string(found_.size()) + u8" 个";
}

}  // namespace tablora
