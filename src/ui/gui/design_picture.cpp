#include "ui/gui/design_picture.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/filename.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/settings.h>

#include <algorithm>

#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/table_window_painter.h"

namespace tablora {

namespace {
constexpr int kMargin = 10;
/// The welcome text's page: 800 x 560 units.
const wxSize kWelcomeSize(800, 560);
/// A PNG larger than this many pixels is refused (4 bytes each in memory).
constexpr long long kMaxBitmapPixels = 120'000'000;

wxFont TableFont() { return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT); }
}  // namespace

DesignPicture::DesignPicture(TableSurface& surface, const AppState& state)
    : surface_(surface), state_(state) {}

void DesignPicture::PrepareAll(const TextMeasurer& measurer) {
  surface_.Sync();
  surface_.PrepareAll(state_.settings, measurer);  // windows that grow move apart, as on screen
}

wxSize DesignPicture::Size() {
  if (!state_.designHasContent) return kWelcomeSize;
  wxBitmap bitmap(1, 1);
  wxMemoryDC dc(bitmap);
  PrepareAll(CachedTextMeasurer(dc, TableFont()));
  return wxSize(std::max(surface_.Right() + kMargin, 1), std::max(surface_.Bottom() + kMargin, 1));
}

void DesignPicture::Draw(wxDC& dc, bool clipThroughContext) {
  if (!state_.designHasContent) {
    DesignCanvas::DrawWelcome(dc);
    return;
  }
  // Laid out with the screen's text widths, drawn on devices that may draw text wider.
  wxBitmap bitmap(1, 1);
  wxMemoryDC screen(bitmap);
  const CachedTextMeasurer measurer(screen, TableFont());
  PrepareAll(measurer);
  const TableWindowPainter painter(TableFont(), clipThroughContext, &measurer);
  for (int i = 0; i < surface_.Count(); ++i) {
    const PixelRect rect = surface_.Rect(i);
    painter.Draw(dc, surface_, i, rect.x, rect.y);
  }
}

bool DesignPicture::Export(const std::string& path, TableSurface& surface, const AppState& state,
                           std::string* error) {
  DesignPicture picture(surface, state);
  const wxSize size = picture.Size();
  const wxString file = path_to_wx(path);
  const wxString extension = wxFileName(file).GetExt().Lower();
  const auto fail = [error](const std::string& utf8) {
    if (error != nullptr) *error = Cp936(utf8);
    return false;
  };
  if (extension == "png") {
    if (static_cast<long long>(size.x) * size.y > kMaxBitmapPixels) {
      return fail(u8"设计太大, 无法导出为PNG图片, 请导出为PDF或SVG.");
    }
    wxBitmap bitmap(size.x, size.y, 24);
    {
      wxMemoryDC dc(bitmap);
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      picture.Draw(dc);
    }
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    if (!bitmap.ConvertToImage().SaveFile(file, wxBITMAP_TYPE_PNG)) {
      return fail(u8"无法写入文件: " + TextCodec::Cp936ToUtf8(path));
    }
    return true;
  }
  if (extension == "svg") {
    wxSVGFileDC dc(file, size.x, size.y, 96);
    if (!dc.IsOk()) return fail(u8"无法写入文件: " + TextCodec::Cp936ToUtf8(path));
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    picture.Draw(dc);
    return true;
  }
  if (extension == "pdf") {
    // Points are 1/72 inch, the picture's pixels 1/96.
    const double scale = 72.0 / 96.0;
    cairo_surface_t* pdf =
        cairo_pdf_surface_create(file.utf8_str(), size.x * scale, size.y * scale);
    if (cairo_surface_status(pdf) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(pdf);
      return fail(u8"无法写入文件: " + TextCodec::Cp936ToUtf8(path));
    }
    cairo_t* cr = cairo_create(pdf);
    cairo_scale(cr, scale, scale);
    {
      wxGraphicsContext* context =
          wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr);
      wxGCDC dc(context);
      dc.SetBackground(*wxWHITE_BRUSH);
      picture.Draw(dc, true);
    }
    cairo_destroy(cr);
    cairo_surface_finish(pdf);
    const bool ok = cairo_surface_status(pdf) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(pdf);
    return ok ? true : fail(u8"无法写入文件: " + TextCodec::Cp936ToUtf8(path));
  }
  return fail(u8"图片文件的扩展名应为 .png, .pdf 或 .svg");
}

}  // namespace tablora
