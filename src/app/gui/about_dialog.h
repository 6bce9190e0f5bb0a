#pragma once

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/timer.h>

#include <memory>

#include "app/about_scroller.h"

namespace tablora {

/// "关于 Tablora": lines that scroll upwards, drawn into an off-screen bitmap every 30 ms
/// on the user-interface thread. Left button: pause or resume; right button: switch the
/// lines; right double-click over the credits: one line only.
class AboutDialog : public wxDialog {
 public:
  explicit AboutDialog(wxWindow* parent);

  const AboutScroller& scroller() const { return *scroller_; }
  wxWindow* canvas() const { return canvas_; }

 private:
  void OnTimer(wxTimerEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnRightDoubleClick(wxMouseEvent& event);
  void ReplaceLines(void (AboutScroller::*change)());
  void DrawFrame();

  wxWindow* canvas_ = nullptr;
  std::unique_ptr<AboutScroller> scroller_;
  wxBitmap frame_;
  wxTimer timer_;
};

}  // namespace tablora
