#include "app/gui/about_dialog.h"

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include "base/gui/wx_text.h"

namespace tablora {

namespace {
const wxColour kLineColour(0, 255, 125);
const wxColour kLineColourOnLight(0, 130, 64);

/// The bright green of the lines is unreadable on a light dialog colour: use a darker
/// green of the same hue there.
wxColour LineColourOn(const wxColour& background) {
  const double luminance =
      (0.299 * background.Red() + 0.587 * background.Green() + 0.114 * background.Blue()) / 255;
  return luminance > 0.6 ? kLineColourOnLight : kLineColour;
}
}  // namespace

AboutDialog::AboutDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"关于 Tablora")), timer_(this) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  canvas_ =
      new wxPanel(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(380, 260)), wxBORDER_SUNKEN);
  canvas_->SetBackgroundStyle(wxBG_STYLE_PAINT);
  sizer->Add(canvas_, 1, wxEXPAND | wxALL, 8);
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  ok->SetDefault();
  sizer->Add(ok, 0, wxALIGN_CENTER | wxBOTTOM, 8);
  SetSizerAndFit(sizer);
  CentreOnParent();

  scroller_ = std::make_unique<AboutScroller>(canvas_->GetClientSize().y);
  canvas_->Bind(wxEVT_PAINT, &AboutDialog::OnPaint, this);
  canvas_->Bind(wxEVT_LEFT_DOWN, &AboutDialog::OnLeftDown, this);
  canvas_->Bind(wxEVT_RIGHT_DOWN, &AboutDialog::OnRightDown, this);
  canvas_->Bind(wxEVT_RIGHT_DCLICK, &AboutDialog::OnRightDoubleClick, this);
  Bind(wxEVT_TIMER, &AboutDialog::OnTimer, this);
  timer_.Start(30);
}

void AboutDialog::DrawFrame() {
  const wxSize size = canvas_->GetClientSize();
  if (!frame_.IsOk() || frame_.GetSize() != size) frame_.Create(size);
  wxMemoryDC dc(frame_);
  dc.SetBackground(wxBrush(canvas_->GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Scaled(1.2f));
  dc.SetTextForeground(LineColourOn(canvas_->GetBackgroundColour()));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const auto& lines = scroller_->lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    dc.DrawText(to_wx(lines[i]), 0, scroller_->LineTop(static_cast<int>(i)));
  }
}

void AboutDialog::OnTimer(wxTimerEvent&) {
  if (scroller_->paused()) return;
  scroller_->Tick();
  canvas_->Refresh(false);
}

void AboutDialog::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(canvas_);
  DrawFrame();
  dc.DrawBitmap(frame_, 0, 0);
}

void AboutDialog::OnLeftDown(wxMouseEvent&) { scroller_->TogglePause(); }

void AboutDialog::ReplaceLines(void (AboutScroller::*change)()) {
  // Painting pauses while the lines change and the bitmap starts empty.
  timer_.Stop();
  ((*scroller_).*change)();
  frame_ = wxBitmap();
  canvas_->Refresh(false);
  timer_.Start(30);
}

void AboutDialog::OnRightDown(wxMouseEvent&) { ReplaceLines(&AboutScroller::RightClick); }

void AboutDialog::OnRightDoubleClick(wxMouseEvent&) {
  ReplaceLines(&AboutScroller::RightDoubleClick);
}

}  // namespace tablora
