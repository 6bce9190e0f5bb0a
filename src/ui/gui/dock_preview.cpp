#include "ui/gui/dock_preview.h"

#include <wx/popupwin.h>
#include <wx/settings.h>

#include <algorithm>

namespace tablora {

DockPreview::DockPreview(wxWindow* owner) : owner_(owner) {}

DockPreview::~DockPreview() {
  for (wxPopupWindow* strip : strips_) {
    if (strip != nullptr) strip->Destroy();
  }
}

void DockPreview::Show(const wxRect& screenRect) {
  if (strips_[0] == nullptr) {
    for (wxPopupWindow*& strip : strips_) {
      strip = new wxPopupWindow(owner_, wxBORDER_NONE);
      strip->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW));
    }
  }
  const int t = kThickness;
  const wxRect r = screenRect;
  const int w = std::max(r.width, 2 * t);
  const int h = std::max(r.height, 2 * t);
  const wxRect parts[4] = {wxRect(r.x, r.y, w, t), wxRect(r.x, r.y + h - t, w, t),
                           wxRect(r.x, r.y + t, t, h - 2 * t),
                           wxRect(r.x + w - t, r.y + t, t, h - 2 * t)};
  for (int i = 0; i < 4; ++i) {
    strips_[i]->SetSize(parts[i]);
    if (!strips_[i]->IsShown()) strips_[i]->Show();
    strips_[i]->Raise();
  }
  rect_ = screenRect;
  shown_ = true;
}

void DockPreview::Hide() {
  for (wxPopupWindow* strip : strips_) {
    if (strip != nullptr) strip->Hide();
  }
  shown_ = false;
}

}  // namespace tablora
