#include "ui/gui/design_picture.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <png.h>
#include <unistd.h>
#include <wx/dcgraph.h>
#include <wx/dcsvg.h>
#include <wx/filename.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/settings.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csetjmp>
#include <cstring>
#include <thread>
#include <vector>

#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "ui/design_relations.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/relation_painter.h"
#include "ui/picture_pages.h"
#include "ui/table_window_content.h"

namespace tablora {

namespace {
/// The welcome text's page: 800 x 560 units.
constexpr int kWelcomeWidth = 800;
constexpr int kWelcomeHeight = 560;
/// A PNG band holds about this many pixels (drawn in a bitmap, converted, then written).
constexpr std::int64_t kBandPixels = 4'000'000;
constexpr int kMaxBandRows = 4096;
/// Bitmaps wider than this are drawn in tiles (cairo's image surfaces stop at 32767).
constexpr int kTileWidth = 8192;
/// The bytes of one band's rows when a picture is wider than one tile.
constexpr std::int64_t kMaxBandBytes = 64'000'000;
/// The largest side of a PDF page in picture pixels: 200 inches, the limit of common viewers.
constexpr std::int64_t kPdfMaxSide = 200 * 96;

wxFont TableFont() { return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT); }

// libpng reports errors by a long jump: every call that can fail runs in a function of its
// own that holds nothing with a destructor.

struct PngOutput {
  int fd = -1;
  std::string pending;
  int error = 0;  ///< errno of a failed write
};

void PngWriteData(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
  out->pending.append(reinterpret_cast<const char*>(data), length);
  if (out->pending.size() < (1u << 20)) return;
  if (!TextFile::WriteAll(out->fd, out->pending)) {
    out->error = errno;
    png_error(png, "write");
  }
  out->pending.clear();
}

void PngFlush(png_structp) {}

void PngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void PngWarning(png_structp, png_const_charp) {}

bool PngBegin(png_structp png, png_infop info, png_uint_32 width, png_uint_32 height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);  // 96 per inch
  // A diagram is mostly runs of one colour: the "sub" filter alone and a light compression
  // make as small a file as trying every filter, in half the time.
  png_set_filter(png, 0, PNG_FILTER_SUB);
  png_set_compression_level(png, 3);
  png_write_info(png, info);
  return true;
}

bool PngRows(png_structp png, png_bytepp rows, png_uint_32 count) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_write_rows(png, rows, count);
  return true;
}

bool PngEnd(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_write_end(png, info);
  return true;
}

/// Writes `picture` as a PNG to `fd`, drawn band by band; false (errno set when the system
/// refused a write) when it failed.
bool WritePng(const DesignPicture& picture, int fd) {
  const std::int64_t width = picture.width();
  const std::int64_t height = picture.height();
  PngOutput out;
  out.fd = fd;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  bool ok = info != nullptr;
  if (ok) {
    png_set_write_fn(png, &out, PngWriteData, PngFlush);
    ok = PngBegin(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height));
  }
  const int tileWidth = static_cast<int>(std::min<std::int64_t>(width, kTileWidth));
  const int bandRows = static_cast<int>(std::clamp<std::int64_t>(
      std::min(kBandPixels / tileWidth, kMaxBandBytes / (3 * width)), 1, kMaxBandRows));
  // Bands and tiles end between windows where they can, so that few windows are drawn twice.
  std::vector<PicturePages::Span> across;
  std::vector<PicturePages::Span> down;
  for (const PictureRect& r : picture.layout().rects()) {
    across.emplace_back(r.x, r.right());
    down.emplace_back(r.y, r.bottom());
  }
  const std::vector<PicturePages::Span> tiles = PicturePages::Pieces(across, width, tileWidth);
  const bool tiled = tiles.size() > 1;
  std::vector<unsigned char> band(tiled ? static_cast<size_t>(3 * width * bandRows) : 0);
  std::vector<png_bytep> rows(bandRows);
  wxBitmap bitmap(tileWidth, bandRows, 24);
  for (const PicturePages::Span& stretch : PicturePages::Pieces(down, height, bandRows)) {
    if (!ok) break;
    const std::int64_t top = stretch.first;
    const int count = static_cast<int>(stretch.second - stretch.first);
    wxImage image;
    for (const PicturePages::Span& tile : tiles) {
      const std::int64_t left = tile.first;
      const int columns = static_cast<int>(tile.second - tile.first);
      {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        picture.DrawArea(dc, left, top, columns, count);
      }
      image = bitmap.ConvertToImage();
      if (!tiled) break;
      for (int row = 0; row < count; ++row) {
        std::memcpy(&band[(row * width + left) * 3], image.GetData() + row * tileWidth * 3,
                    static_cast<size_t>(columns) * 3);
      }
    }
    unsigned char* data = tiled ? band.data() : image.GetData();
    const std::int64_t stride = tiled ? width : tileWidth;
    for (int row = 0; row < count; ++row) rows[row] = data + row * stride * 3;
    ok = PngRows(png, rows.data(), static_cast<png_uint_32>(count));
  }
  if (ok) ok = PngEnd(png, info);
  png_destroy_write_struct(&png, &info);
  if (ok && !out.pending.empty()) {
    ok = TextFile::WriteAll(fd, out.pending);
  } else if (!ok && out.error != 0) {
    errno = out.error;
  } else if (!ok) {
    errno = EIO;
  }
  return ok;
}

struct PdfOutput {
  int fd = -1;
  int error = 0;  ///< errno of a failed write
};

cairo_status_t CairoWrite(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<PdfOutput*>(closure);
  if (TextFile::WriteAll(out->fd, std::string_view(reinterpret_cast<const char*>(data), length))) {
    return CAIRO_STATUS_SUCCESS;
  }
  out->error = errno;
  return CAIRO_STATUS_WRITE_ERROR;
}

/// Writes `picture` as a PDF to `fd`: one page of the picture's size, or, for a picture
/// larger than kPdfMaxSide, pages no larger than that, cut between windows where possible
/// (viewers refuse larger pages, and cairo holds a whole page in memory until it is done).
/// False (errno set) when it failed.
bool WritePdf(const DesignPicture& picture, int fd) {
  // Points are 1/72 inch, the picture's pixels 1/96.
  const double scale = 72.0 / 96.0;
  std::vector<PicturePages::Page> pages;
  if (picture.width() <= kPdfMaxSide && picture.height() <= kPdfMaxSide) {
    pages.push_back({0, 0, picture.width(), picture.height(), 1.0});
  } else {
    pages = PicturePages::Cut(picture.layout(), kPdfMaxSide, kPdfMaxSide, false).pages();
  }
  PdfOutput out;
  out.fd = fd;
  cairo_surface_t* pdf = cairo_pdf_surface_create_for_stream(
      CairoWrite, &out, pages.front().width * scale, pages.front().height * scale);
  if (cairo_surface_status(pdf) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(pdf);
    errno = EIO;
    return false;
  }
  for (const PicturePages::Page& page : pages) {
    cairo_pdf_surface_set_size(pdf, page.width * scale, page.height * scale);
    cairo_t* cr = cairo_create(pdf);
    cairo_scale(cr, scale, scale);
    {
      wxGraphicsContext* context =
          wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr);
      wxGCDC dc(context);
      dc.SetBackground(*wxWHITE_BRUSH);
      if (pages.size() > 1) {
        context->Clip(0, 0, static_cast<double>(page.width), static_cast<double>(page.height));
      }
      picture.DrawArea(dc, page.x, page.y, page.width, page.height, true);
    }
    cairo_show_page(cr);
    cairo_destroy(cr);
  }
  cairo_surface_finish(pdf);
  const bool ok = cairo_surface_status(pdf) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(pdf);
  if (!ok) errno = out.error != 0 ? out.error : EIO;
  return ok;
}

/// Writes `picture` as an SVG to `fd`: each window a group of class "table" whose first
/// rectangle is its frame, the lines paths of class "relation" under the windows.
///
/// The SVG device writes its shapes into the file as they are drawn, each inside a style
/// group it keeps open until its pen or brush changes. It is given a pipe to write to; the
/// groups of this picture go into the same pipe between the windows, each time closing the
/// device's open group and leaving an empty one for it to close, and a changed pen makes
/// the device open a styled group again. A thread copies the pipe into the file.
/// False (errno set) when it failed.
bool WriteSvg(const DesignPicture& picture, const std::vector<TableDesign>& definitions, int fd) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  int copyError = 0;
  std::thread copier([&copyError, in = pipeEnds[0], fd]() {
    std::vector<char> buffer(1 << 16);
    for (;;) {
      const ssize_t got = read(in, buffer.data(), buffer.size());
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      // After a failed write the pipe is still drained, so that the drawing never waits.
      if (copyError == 0 && !TextFile::WriteAll(fd, std::string_view(buffer.data(), got))) {
        copyError = errno != 0 ? errno : EIO;
      }
    }
    close(in);
  });
  const int out = pipeEnds[1];
  bool ok = true;
  const auto put = [&ok, out](wxDC& dc, const std::string& text) {
    ok = ok && TextFile::WriteAll(out, text);
    dc.SetPen(*wxBLACK_PEN);  // the device starts a styled group at its next shape
  };
  {
    wxSVGFileDC dc(wxString::Format("/dev/fd/%d", out), static_cast<int>(picture.width()),
                   static_cast<int>(picture.height()), 96);
    ok = dc.IsOk();
    if (ok) {
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      // The welcome text, or a design without tables, is drawn as it is.
      if (picture.layout().rects().empty())
        picture.DrawArea(dc, 0, 0, picture.width(), picture.height());
      std::string lines = "</g>\n<g class=\"relations\">\n";
      for (const RelationLines::Line& line : picture.lines().lines()) {
        lines += RelationPainter::Svg(
            line, DesignRelations::QualifiedTableName(definitions[line.relation.child]),
            DesignRelations::QualifiedTableName(definitions[line.relation.parent]));
      }
      put(dc, lines + "</g>\n<g>\n");
      const std::vector<PictureRect>& rects = picture.layout().rects();
      for (int i = 0; ok && i < static_cast<int>(rects.size()); ++i) {
        const PictureRect& r = rects[i];
        const std::string name = i < static_cast<int>(definitions.size())
                                     ? DesignRelations::QualifiedTableName(definitions[i])
                                     : std::string();
        put(dc, "</g>\n<g class=\"table\" data-table=\"" + RelationPainter::SvgText(name) +
                    "\">\n<rect x=\"" + std::to_string(r.x) + "\" y=\"" + std::to_string(r.y) +
                    "\" width=\"" + std::to_string(r.width) + "\" height=\"" +
                    std::to_string(r.height) + "\" fill=\"none\" stroke=\"none\"/>\n<g>\n");
        picture.DrawWindow(dc, i, 0, 0);
        put(dc, "</g>\n</g>\n<g>\n");
      }
    }
    ok = ok && dc.IsOk();
  }
  close(out);
  copier.join();
  if (ok && copyError == 0) return true;
  errno = copyError != 0 ? copyError : EIO;
  return false;
}

std::string Message(const std::string& utf8) { return Cp936(utf8); }

}  // namespace

DesignPicture::DesignPicture(TableSurface& surface, const AppState& state)
    : DesignPicture(surface, state, state.settings.showRelations) {}

DesignPicture::DesignPicture(TableSurface& surface, const AppState& state, bool relations)
    : surface_(surface), state_(state), font_(TableFont()), measureBitmap_(1, 1) {
  measureDc_.SelectObject(measureBitmap_);
  measurer_ = std::make_unique<CachedTextMeasurer>(measureDc_, font_);
  if (welcome()) return;
  surface_.Sync();
  // Every window fitted first, windows that grow moving apart as on screen.
  surface_.PrepareAll(state_.settings, *measurer_);
  std::vector<PictureLayout::Window> windows;
  windows.reserve(surface_.Count());
  for (int i = 0; i < surface_.Count(); ++i) {
    const GridModel& grid = surface_.Window(i).grid;
    const PixelRect rect = surface_.Rect(i);
    const TableSurface::Bars bars = surface_.ScrollBars(i);
    const TableWindowContent::Size whole = TableWindowContent::WindowSize(
        grid.ContentWidth(), grid.ContentHeight(), state_.settings.tableWinHeight, true,
        TableSurface::kScrollBar);
    // A window the user made larger than its content keeps its size, less its scroll bars.
    windows.push_back(
        {rect, std::max(whole.width, rect.width - (bars.vertical ? TableSurface::kScrollBar : 0)),
         std::max(whole.height, rect.height - (bars.horizontal ? TableSurface::kScrollBar : 0))});
  }
  layout_ = PictureLayout::Lay(windows);
  // Lines are routed where the windows are drawn, in the surface's pixel range.
  if (!relations || layout_.width() > INT_MAX || layout_.height() > INT_MAX) return;
  const std::vector<TableDesign>& definitions = surface_.design().definitions();
  std::vector<Relation> keys = DesignRelations::Collect(definitions);
  if (keys.empty()) return;
  std::vector<RelationWindow> placed;
  placed.reserve(surface_.Count());
  for (int i = 0; i < surface_.Count(); ++i) {
    const PictureRect& r = layout_.rects()[i];
    const int columns = i < static_cast<int>(definitions.size())
                            ? static_cast<int>(definitions[i].columns.size())
                            : 0;
    placed.push_back(RelationLines::WholeWindow(
        {static_cast<int>(r.x), static_cast<int>(r.y), r.width, r.height}, surface_.Window(i).grid,
        columns, surface_.Window(i).titlesOnly));
  }
  lines_.SetRelations(std::move(keys));
  lines_.Update(placed);
  for (const RelationLines::Line& line : lines_.lines()) {
    right_ = std::max<std::int64_t>(right_, line.box.right() + PictureLayout::kMargin);
    bottom_ = std::max<std::int64_t>(bottom_, line.box.bottom() + PictureLayout::kMargin);
  }
}

DesignPicture::~DesignPicture() {
  measurer_.reset();
  measureDc_.SelectObject(wxNullBitmap);
}

std::int64_t DesignPicture::width() const {
  return welcome() ? kWelcomeWidth : std::max(layout_.width(), right_);
}

std::int64_t DesignPicture::height() const {
  return welcome() ? kWelcomeHeight : std::max(layout_.height(), bottom_);
}

void DesignPicture::DrawArea(wxDC& dc, std::int64_t left, std::int64_t top, std::int64_t width,
                             std::int64_t height, bool clipThroughContext) const {
  if (welcome()) {
    const wxPoint origin = dc.GetLogicalOrigin();
    dc.SetLogicalOrigin(origin.x + static_cast<int>(left), origin.y + static_cast<int>(top));
    DesignCanvas::DrawWelcome(dc);
    dc.SetLogicalOrigin(origin.x, origin.y);
    return;
  }
  // The lines first: the windows cover any that found no free way.
  DrawLines(dc, left, top, width, height);
  const std::vector<PictureRect>& rects = layout_.rects();
  for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
    if (rects[i].Overlaps(left, top, width, height)) {
      DrawWindow(dc, i, left, top, clipThroughContext);
    }
  }
}

void DesignPicture::DrawWindow(wxDC& dc, int table, std::int64_t left, std::int64_t top,
                               bool clipThroughContext) const {
  const TableWindowPainter painter(font_, clipThroughContext, measurer_.get());
  const PictureRect& r = layout_.rects()[table];
  painter.DrawWhole(dc, surface_.Window(table), static_cast<int>(r.x - left),
                    static_cast<int>(r.y - top), r.width, r.height);
}

void DesignPicture::DrawLines(wxDC& dc, std::int64_t left, std::int64_t top, std::int64_t width,
                              std::int64_t height) const {
  if (lines_.empty()) return;
  const std::vector<int> shown =
      lines_.LinesIn({static_cast<int>(left), static_cast<int>(top),
                      static_cast<int>(std::min<std::int64_t>(width, INT_MAX - left)),
                      static_cast<int>(std::min<std::int64_t>(height, INT_MAX - top))});
  if (shown.empty()) return;
  const wxPoint origin = dc.GetLogicalOrigin();
  dc.SetLogicalOrigin(origin.x + static_cast<int>(left), origin.y + static_cast<int>(top));
  for (int i : shown) RelationPainter::Draw(dc, lines_.lines()[i], RelationPainter::Look::kNormal);
  dc.SetLogicalOrigin(origin.x, origin.y);
}

bool DesignPicture::Export(const std::string& path, TableSurface& surface, const AppState& state,
                           std::string* error) {
  return Export(path, surface, state, error, state.settings.showRelations);
}

bool DesignPicture::Export(const std::string& path, TableSurface& surface, const AppState& state,
                           std::string* error, bool relations) {
  const auto fail = [error](const std::string& cp936) {
    if (error != nullptr) *error = cp936;
    return false;
  };
  const wxString extension = wxFileName(path_to_wx(path)).GetExt().Lower();
  if (extension != "png" && extension != "pdf" && extension != "svg") {
    return fail(Message(u8"图片文件的扩展名应为 .png, .pdf 或 .svg"));
  }
  const DesignPicture picture(surface, state, relations);
  const std::string size =
      std::to_string(picture.width()) + " x " + std::to_string(picture.height());
  if (extension == "png" && (picture.width() > kPngMaxSide || picture.height() > kPngMaxSide)) {
    return fail(Message(u8"PNG图片的宽和高最多2147483647像素, 这个设计的图片有 ") + size +
                Message(u8" 像素. 请导出为PDF或SVG."));
  }
  if (extension == "png" && 3 * picture.width() > kMaxBandBytes) {
    return fail(Message(u8"图片太宽(") + size +
                Message(u8" 像素), 无法导出为PNG图片, 请导出为PDF或SVG."));
  }
  if (picture.width() > INT_MAX || picture.height() > INT_MAX) {
    return fail(Message(u8"图片太大(") + size + Message(u8" 像素), 无法导出."));
  }
  std::string reason;
  bool ok = false;
  const std::vector<TableDesign>& definitions = surface.design().definitions();
  ok = TextFile::WriteFile(
      path,
      [&](int fd) {
        if (extension == "svg") return WriteSvg(picture, definitions, fd);
        return extension == "png" ? WritePng(picture, fd) : WritePdf(picture, fd);
      },
      &reason);
  if (ok) return true;
  std::string message = Message(u8"无法写入文件: ") + path;
  if (!reason.empty()) message += "\n" + reason;
  return fail(message);
}

}  // namespace tablora
