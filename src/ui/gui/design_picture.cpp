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
#include <cstdio>
#include <regex>

#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "ui/design_relations.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/relation_painter.h"
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
    : surface_(surface), state_(state), relations_(state.settings.showRelations) {}

DesignPicture::DesignPicture(TableSurface& surface, const AppState& state, bool relations)
    : surface_(surface), state_(state), relations_(relations) {}

RelationLines DesignPicture::Lines() const {
  RelationLines lines;
  if (!relations_) return lines;
  const std::vector<TableDesign>& definitions = surface_.design().definitions();
  lines.SetRelations(DesignRelations::Collect(definitions));
  lines.Update(RelationLines::WindowsOf(surface_, definitions));
  return lines;
}

void DesignPicture::PrepareAll(const TextMeasurer& measurer) {
  surface_.Sync();
  surface_.PrepareAll(state_.settings, measurer);  // windows that grow move apart, as on screen
}

wxSize DesignPicture::Size() {
  if (!state_.designHasContent) return kWelcomeSize;
  wxBitmap bitmap(1, 1);
  wxMemoryDC dc(bitmap);
  PrepareAll(CachedTextMeasurer(dc, TableFont()));
  int right = surface_.Right();
  int bottom = surface_.Bottom();
  // Lines may pass right of or below the last windows.
  const RelationLines lines = Lines();
  for (const RelationLines::Line& line : lines.lines()) {
    right = std::max(right, line.box.right());
    bottom = std::max(bottom, line.box.bottom());
  }
  return wxSize(std::max(right + kMargin, 1), std::max(bottom + kMargin, 1));
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
  // The lines first: the windows cover any that found no free way.
  const RelationLines lines = Lines();
  for (const RelationLines::Line& line : lines.lines()) {
    RelationPainter::Draw(dc, line, RelationPainter::Look::kNormal);
  }
  for (int i = 0; i < surface_.Count(); ++i) {
    const PixelRect rect = surface_.Rect(i);
    painter.Draw(dc, surface_, i, rect.x, rect.y);
  }
}

bool DesignPicture::Export(const std::string& path, TableSurface& surface, const AppState& state,
                           std::string* error) {
  return Export(path, surface, state, error, state.settings.showRelations);
}

bool DesignPicture::Export(const std::string& path, TableSurface& surface, const AppState& state,
                           std::string* error, bool relations) {
  DesignPicture picture(surface, state, relations);
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
    if (!picture.WriteSvg(file, size)) return fail(u8"无法写入文件: " + TextCodec::Cp936ToUtf8(path));
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

namespace {

/// What a drawing of the SVG device holds between its head and its end, with its ids
/// made unique by `prefix`.
std::string SvgBody(const std::string& text, const std::string& prefix) {
  std::size_t begin = text.find("<svg");
  begin = begin == std::string::npos ? 0 : text.find('>', begin);
  begin = begin == std::string::npos ? 0 : begin + 1;
  std::size_t end = text.rfind("</svg>");
  if (end == std::string::npos || end < begin) end = text.size();
  std::string body = text.substr(begin, end - begin);
  // The device names its clip paths and images "clipN", "imageN" in every file alike.
  static const std::regex ids(R"((id="|url\(#|href="#))");
  return std::regex_replace(body, ids, "$1" + prefix);
}

}  // namespace

bool DesignPicture::WriteSvg(const wxString& file, wxSize size) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
      "version=\"1.1\" width=\"" + std::to_string(size.x) + "\" height=\"" + std::to_string(size.y) +
      "\" viewBox=\"0 0 " + std::to_string(size.x) + " " + std::to_string(size.y) + "\">\n"
      "<title>Tablora</title>\n"
      "<rect x=\"0\" y=\"0\" width=\"" + std::to_string(size.x) + "\" height=\"" +
      std::to_string(size.y) + "\" fill=\"#ffffff\"/>\n";
  if (!state_.designHasContent) {
    const wxString part = file + ".part.svg";
    {
      wxSVGFileDC dc(part, size.x, size.y, 96);
      if (!dc.IsOk()) return false;
      DesignCanvas::DrawWelcome(dc);
    }
    std::string text;
    TextFile::ReadBytes(path_from_wx(part), text);
    wxRemoveFile(part);
    out += SvgBody(text, "w") + "</svg>\n";
    return TextFile::WriteBytes(path_from_wx(file), out);
  }
  wxBitmap bitmap(1, 1);
  wxMemoryDC screen(bitmap);
  const CachedTextMeasurer measurer(screen, TableFont());
  PrepareAll(measurer);
  const TableWindowPainter painter(TableFont(), false, &measurer);
  const std::vector<TableDesign>& definitions = surface_.design().definitions();
  const RelationLines lines = Lines();
  out += "<g class=\"relations\">\n";
  for (const RelationLines::Line& line : lines.lines()) {
    out += RelationPainter::Svg(line, DesignRelations::QualifiedTableName(definitions[line.relation.child]),
                                DesignRelations::QualifiedTableName(definitions[line.relation.parent]));
  }
  out += "</g>\n";
  // Each window drawn alone by the SVG device, wrapped in its own group.
  const wxString part = file + ".part.svg";
  for (int i = 0; i < surface_.Count(); ++i) {
    const PixelRect r = surface_.Rect(i);
    {
      wxSVGFileDC dc(part, size.x, size.y, 96);
      if (!dc.IsOk()) return false;
      painter.Draw(dc, surface_, i, r.x, r.y);
    }
    std::string text;
    if (!TextFile::ReadBytes(path_from_wx(part), text)) return false;
    const std::string name =
        i < static_cast<int>(definitions.size()) ? DesignRelations::QualifiedTableName(definitions[i]) : "";
    std::string escaped;
    for (char c : TextCodec::Cp936ToUtf8(name)) {
      if (c == '&') escaped += "&amp;";
      else if (c == '<') escaped += "&lt;";
      else if (c == '"') escaped += "&quot;";
      else escaped += c;
    }
    out += "<g class=\"table\" data-table=\"" + escaped + "\">\n<rect x=\"" + std::to_string(r.x) +
           "\" y=\"" + std::to_string(r.y) + "\" width=\"" + std::to_string(r.width) + "\" height=\"" +
           std::to_string(r.height) + "\" fill=\"none\" stroke=\"none\"/>\n" +
           SvgBody(text, "t" + std::to_string(i) + "_") + "</g>\n";
  }
  wxRemoveFile(part);
  out += "</svg>\n";
  return TextFile::WriteBytes(path_from_wx(file), out);
}

}  // namespace tablora
