#include "ui/gui/design_printout.h"

#include <wx/intl.h>

#include "ui/gui/design_canvas.h"
#include "ui/gui/design_picture.h"

namespace tablora {

DesignPrintout::DesignPrintout(TableSurface* surface, const AppState& state)
    : wxPrintout("Tablora"), surface_(surface), state_(state) {}

void DesignPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = *maxPage = *pageFrom = *pageTo = 1;
}

bool DesignPrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (dc == nullptr || page != 1) return false;
  int ppiX = 0;
  int ppiY = 0;
  GetPPIPrinter(&ppiX, &ppiY);
  int pageWidth = 0;
  int pageHeight = 0;
  GetPageSizePixels(&pageWidth, &pageHeight);
  int dcWidth = 0;
  int dcHeight = 0;
  dc->GetSize(&dcWidth, &dcHeight);
  // 96 design pixels make an inch of paper; a preview's DC is smaller than the page.
  const double preview = pageWidth > 0 ? static_cast<double>(dcWidth) / pageWidth : 1.0;
  lastScale_ = (ppiX > 0 ? ppiX / 96.0 : 1.0) * preview;
  dc->SetUserScale(lastScale_, lastScale_);
  dc->SetDeviceOrigin(0, 0);
  if (surface_ == nullptr || !state_.designHasContent) {
    DesignCanvas::DrawWelcome(*dc);
    return true;
  }
  DesignPicture(*surface_, state_).Draw(*dc);
  return true;
}

}  // namespace tablora
