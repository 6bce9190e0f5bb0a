#include "ui/gui/design_printout.h"

#include <wx/intl.h>

#include "ui/gui/design_canvas.h"
#include "ui/gui/design_picture.h"

namespace tablora {

namespace {
constexpr double kMmPerInch = 25.4;
}  // namespace

DesignPrintout::DesignPrintout(TableSurface* surface, const AppState& state, bool fitToPage)
    : wxPrintout("Tablora"), surface_(surface), state_(state), fitToPage_(fitToPage) {}

DesignPrintout::~DesignPrintout() = default;

double DesignPrintout::DeviceScale() {
  int ppiX = 0;
  int ppiY = 0;
  GetPPIPrinter(&ppiX, &ppiY);
  int pageWidth = 0;
  int pageHeight = 0;
  GetPageSizePixels(&pageWidth, &pageHeight);
  int dcWidth = pageWidth;
  int dcHeight = pageHeight;
  if (wxDC* dc = GetDC()) dc->GetSize(&dcWidth, &dcHeight);
  // 96 picture pixels make an inch of paper; a preview's DC is smaller than the page.
  const double preview = pageWidth > 0 ? static_cast<double>(dcWidth) / pageWidth : 1.0;
  return (ppiX > 0 ? ppiX / 96.0 : 1.0) * preview;
}

void DesignPrintout::OnPreparePrinting() {
  if (surface_ != nullptr && state_.designHasContent) {
    picture_ = std::make_unique<DesignPicture>(*surface_, state_);
  }
  // The page inside its margins, in picture pixels.
  int ppiX = 0;
  int ppiY = 0;
  GetPPIPrinter(&ppiX, &ppiY);
  int pageWidth = 0;
  int pageHeight = 0;
  GetPageSizePixels(&pageWidth, &pageHeight);
  const double toPicture = ppiX > 0 ? 96.0 / ppiX : 1.0;
  const double toPictureY = ppiY > 0 ? 96.0 / ppiY : 1.0;
  const double margin = kMarginMm / kMmPerInch * 96.0;
  const double printableWidth = pageWidth * toPicture - 2 * margin;
  const double printableHeight = pageHeight * toPictureY - 2 * margin;
  pages_ = picture_
               ? PicturePages::Cut(picture_->layout(), printableWidth, printableHeight, fitToPage_)
               : PicturePages::Cut(PictureLayout(), printableWidth, printableHeight, true);
}

bool DesignPrintout::HasPage(int page) { return page >= 1 && page <= pageCount(); }

void DesignPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = *pageFrom = 1;
  *maxPage = *pageTo = std::max(pageCount(), 1);
}

bool DesignPrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (dc == nullptr || !HasPage(page)) return false;
  const PicturePages::Page& part = pages_.pages()[page - 1];
  const double scale = DeviceScale();
  lastScale_ = scale * part.scale;
  const int margin = static_cast<int>(kMarginMm / kMmPerInch * 96.0 * scale);
  dc->SetDeviceOrigin(margin, margin);
  dc->SetUserScale(lastScale_, lastScale_);
  if (!picture_) {
    DesignCanvas::DrawWelcome(*dc);
    return true;
  }
  dc->SetClippingRegion(0, 0, static_cast<int>(part.width), static_cast<int>(part.height));
  picture_->DrawArea(*dc, part.x, part.y, part.width, part.height);
  dc->DestroyClippingRegion();
  return true;
}

}  // namespace tablora
