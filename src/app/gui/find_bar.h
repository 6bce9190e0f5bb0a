#pragma once

#include <wx/panel.h>

#include <string>
#include <vector>

#include "ui/table_finder.h"

class wxStaticText;
class wxTextCtrl;

namespace tablora {

class DesignCanvas;
class MainFrame;

/// The bar above the design surface that finds tables as one types ("查找:"): the
/// tables found are framed on the surface, the first is scrolled into view, Enter and
/// F3 go to the next, Shift+Enter and Shift+F3 to the previous, Escape closes the bar.
/// It is not modal: the surface and the menus stay usable.
class FindBar : public wxPanel {
 public:
  static constexpr const char* kName = "tablora_find_bar";

  /// The bar of the design window that holds `canvas`, made (hidden) on first use.
  static FindBar* Of(MainFrame& frame, DesignCanvas& canvas);

  /// Shows the bar with its text selected and the focus in it.
  void Open();
  /// Hides the bar and takes the marks away; the focus goes back to the surface.
  void Close();
  /// Goes to the next (`step` 1) or previous (-1) table found; opens the bar when hidden.
  void Step(int step);
  /// Finds `text` (as typed) again.
  void Search();

  wxTextCtrl* text() const { return text_; }
  const std::vector<int>& found() const { return found_; }
  /// The table shown now, or -1.
  int current() const { return current_ >= 0 ? found_[current_] : -1; }
  /// "第 2/5 个", "没有找到" or empty, UTF-8.
  std::string StatusUtf8() const;

 private:
  FindBar(wxWindow* parent, MainFrame& frame, DesignCanvas& canvas);
  void ShowCurrent();
  void OnKey(wxKeyEvent& event);

  MainFrame& frame_;
  DesignCanvas& canvas_;
  wxTextCtrl* text_ = nullptr;
  wxStaticText* status_ = nullptr;
  TableFinder finder_;
  std::vector<int> found_;
  int current_ = -1;
};

}  // namespace tablora
