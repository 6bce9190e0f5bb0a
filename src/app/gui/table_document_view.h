#pragma once

#include <wx/scrolwin.h>

#include <functional>
#include <vector>

#include "app/design_session.h"

class wxListCtrl;

namespace tablora {

struct AppState;

/// The view of the document "表视图". While the design has no content it draws the welcome
/// text; afterwards it lists the design's tables (display name, actual name, columns).
class TableDocumentView : public wxScrolledWindow {
 public:
  using TableSource = std::function<std::vector<TableSummary>()>;

  TableDocumentView(wxWindow* parent, const AppState& state, TableSource tables);

  /// Re-reads the tables and repaints.
  void RefreshDesign();
  /// True while the welcome text is what the view shows.
  bool ShowsWelcome() const;
  /// The table list (nullptr until the design has content).
  wxListCtrl* tableList() const { return list_; }

  /// The welcome lines with their positions in 96-per-inch units, UTF-8.
  struct WelcomeLine {
    int x;
    int y;
    const char* text;
  };
  static const std::vector<WelcomeLine>& WelcomeLines();

 private:
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);

  const AppState& state_;
  TableSource tables_;
  wxListCtrl* list_ = nullptr;
};

}  // namespace tablora
