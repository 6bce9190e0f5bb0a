#pragma once

#include <wx/print.h>

#include "base/app_state.h"
#include "ui/table_surface.h"

namespace tablora {

/// One page with the whole design, drawn as vectors at 96 design pixels per inch of paper
/// (scaled by the printer's resolution and, in a preview, by the preview's size).
class DesignPrintout : public wxPrintout {
 public:
  /// `surface` (not owned; may be null for an empty design) must outlive the printout.
  DesignPrintout(TableSurface* surface, const AppState& state);

  bool OnPrintPage(int page) override;
  bool HasPage(int page) override { return page == 1; }
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  /// The scale OnPrintPage last used (design pixels to device pixels).
  double lastScale() const { return lastScale_; }

 private:
  TableSurface* surface_;
  const AppState& state_;
  double lastScale_ = 0;
};

}  // namespace tablora
