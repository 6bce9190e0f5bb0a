#pragma once

#include <memory>

#include <wx/print.h>

#include "base/app_state.h"
#include "ui/picture_pages.h"
#include "ui/table_surface.h"

namespace tablora {

class DesignPicture;

/// The design's picture on paper at 96 picture pixels per inch (scaled by the printer's
/// resolution and, in a preview, by the preview's size) inside margins of kMarginMm: at
/// full size over as many pages as it needs, or fitted to one page.
class DesignPrintout : public wxPrintout {
 public:
  static constexpr double kMarginMm = 10.0;

  /// `surface` (not owned; may be null for an empty design) must outlive the printout.
  DesignPrintout(TableSurface* surface, const AppState& state, bool fitToPage = false);
  ~DesignPrintout() override;

  void OnPreparePrinting() override;
  bool OnPrintPage(int page) override;
  bool HasPage(int page) override;
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  /// The pages, known once printing or the preview has begun.
  int pageCount() const { return static_cast<int>(pages_.pages().size()); }
  const PicturePages& pages() const { return pages_; }
  /// The scale OnPrintPage last used (picture pixels to device pixels).
  double lastScale() const { return lastScale_; }

 private:
  /// Device pixels per picture pixel at full size.
  double DeviceScale();

  TableSurface* surface_;
  const AppState& state_;
  bool fitToPage_;
  std::unique_ptr<DesignPicture> picture_;
  PicturePages pages_;
  double lastScale_ = 0;
};

}  // namespace tablora
