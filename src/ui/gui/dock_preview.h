#pragma once

#include <wx/gdicmn.h>

class wxPopupWindow;
class wxWindow;

namespace tablora {

/// The outline drawn on the screen while a bar is dragged, showing where it will land:
/// four thin strips of their own, so that it shows above every window of the program.
class DockPreview {
 public:
  explicit DockPreview(wxWindow* owner);
  ~DockPreview();
  DockPreview(const DockPreview&) = delete;
  DockPreview& operator=(const DockPreview&) = delete;

  /// Shows the outline around `screenRect` (moves it when already shown).
  void Show(const wxRect& screenRect);
  void Hide();
  bool IsShown() const { return shown_; }
  /// The rectangle last shown.
  wxRect rect() const { return rect_; }

  static constexpr int kThickness = 3;

 private:
  wxWindow* owner_;
  wxPopupWindow* strips_[4] = {};
  wxRect rect_;
  bool shown_ = false;
};

}  // namespace tablora
