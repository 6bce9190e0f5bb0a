#include "doc/pdf_dictionary_writer.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "base/text_file.h"
#include "doc/text_output.h"

namespace tablora {

namespace {

// Points (1/72 inch). An A4 page in landscape: a table's ten columns need the width.
constexpr double kPageWidth = 841.89;
constexpr double kPageHeight = 595.276;
constexpr double kMarginX = 42;
constexpr double kMarginTop = 46;
constexpr double kMarginBottom = 54;
constexpr const char* kFamily = "WenQuanYi Micro Hei,Noto Sans CJK SC,Sans";
constexpr double kCellSize = 7.5;
constexpr double kBodySize = 9;
constexpr double kHeadingSize = 14;
constexpr double kTitleSize = 26;
constexpr double kCellPadX = 3;
constexpr double kCellPadY = 2.5;
constexpr double kContentsLine = 15;
/// The width of each row cell; the note takes what is left of the line.
constexpr double kCellWidth[DataDictionary::kCellCount] = {24, 92, 112, 72, 32, 40, 62, 26, 124, 0};
constexpr double kPicturePoints = 0.75;  ///< points per pixel at 100 %
constexpr double kMinPictureScale = 0.3;
constexpr int kMaxPicturePages = 100;
constexpr std::size_t kCachedLayouts = 4096;

struct Colour {
  double r, g, b;
};
constexpr Colour kText{0.13, 0.13, 0.13};
constexpr Colour kGrey{0.35, 0.35, 0.35};
constexpr Colour kLink{0.10, 0.37, 0.71};
constexpr Colour kRule{0.70, 0.76, 0.84};
constexpr Colour kHeaderFill{0.87, 0.91, 0.96};

cairo_status_t WritePiece(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<TextOutput*>(closure);
  *out << std::string_view(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

/// Lays out the pages twice over one code path: a first pass counts pages (no drawing),
/// so that the contents, drawn first, know the page of every table.
class PdfDictionary {
 public:
  PdfDictionary(const DataDictionary& dictionary, const DictionaryPicture* picture,
                cairo_surface_t* surface);
  ~PdfDictionary();
  PdfDictionary(const PdfDictionary&) = delete;
  PdfDictionary& operator=(const PdfDictionary&) = delete;

  void Run();

 private:
  struct RowFit {
    double height = 0;
    std::array<bool, DataDictionary::kCellCount> wraps{};
  };

  PangoLayout* NewLayout(double size, bool bold) const;
  /// The height of `text` in `layout` wrapped to `width` (points).
  double TextHeight(PangoLayout* layout, const std::string& text, double width) const;
  /// Draws `text` with `layout` at (x, y), wrapped to `width` when it is positive.
  void Show(PangoLayout* layout, const std::string& text, double x, double y, double width,
            const Colour& colour);
  /// An upper estimate of the width of one line of `text` in the cell font, from the
  /// advance of each character (measured once).
  double CellTextWidth(const std::string& text);
  RowFit FitRow(const DataDictionary::Row& row);

  void NewPage();
  void TitlePage();
  void Contents();
  void PicturePages();
  void TablePages(int table);
  void TableHead(int table, bool continued);
  /// Starts the grid of a page: the header row.
  void HeaderRow();
  /// Draws the lines of the grid begun by HeaderRow.
  void GridLines();
  void DrawRow(const DataDictionary::Row& row, const RowFit& fit);
  void AddOutline();

  static double bottom() { return kPageHeight - kMarginBottom; }

  const DataDictionary& dictionary_;
  const DictionaryPicture* picture_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
  PangoContext* context_;
  PangoLayout* cell_;
  PangoLayout* cellBold_;
  PangoLayout* body_;
  PangoLayout* heading_;
  PangoLayout* title_;
  PangoLayout* small_;
  PangoLayout* contents_;       ///< a line of the contents, cut with an ellipsis
  PangoLayout* contentsGroup_;
  std::unordered_map<std::string, PangoLayout*> cached_;  ///< short repeated cell texts
  std::unordered_map<std::uint32_t, double> advance_;
  std::array<double, 128> asciiAdvance_{};
  double cellLine_ = 0;  ///< the height of one line of cell text
  double headerHeight_ = 0;
  std::array<double, DataDictionary::kCellCount> cellX_{};
  std::array<double, DataDictionary::kCellCount> cellWidth_{};

  bool drawing_ = false;
  int page_ = 0;
  double y_ = 0;
  int pageCount_ = 0;
  int contentsPage_ = 0;
  int picturePage_ = 0;
  int picturePages_ = 0;
  double pictureScale_ = 0;
  int pictureColumns_ = 0;
  std::vector<int> tablePage_;
  double gridTop_ = 0;
  std::vector<double> rowLines_;  ///< the lower edges of the page's header and rows
};

PdfDictionary::PdfDictionary(const DataDictionary& dictionary, const DictionaryPicture* picture,
                             cairo_surface_t* surface)
    : dictionary_(dictionary),
      picture_(picture != nullptr && picture->draw && picture->width > 0 && picture->height > 0
                   ? picture
                   : nullptr),
      surface_(surface),
      cr_(cairo_create(surface)),
      context_(pango_cairo_create_context(cr_)) {
  // One unit of the surface is one point: fonts are sized in points.
  pango_cairo_context_set_resolution(context_, 72);
  // Glyphs where the font puts them: a printed page needs no pixel grid.
  pango_context_set_round_glyph_positions(context_, FALSE);
  cell_ = NewLayout(kCellSize, false);
  cellBold_ = NewLayout(kCellSize, true);
  body_ = NewLayout(kBodySize, false);
  heading_ = NewLayout(kHeadingSize, true);
  title_ = NewLayout(kTitleSize, true);
  small_ = NewLayout(kCellSize, false);
  contents_ = NewLayout(kBodySize, false);
  contentsGroup_ = NewLayout(kBodySize, true);
  pango_layout_set_ellipsize(contents_, PANGO_ELLIPSIZE_END);
  pango_layout_set_ellipsize(contentsGroup_, PANGO_ELLIPSIZE_END);
  pango_layout_set_wrap(cell_, PANGO_WRAP_WORD_CHAR);
  pango_layout_set_text(cell_, u8"Ag汉", -1);
  int w = 0;
  int h = 0;
  pango_layout_get_size(cell_, &w, &h);
  cellLine_ = static_cast<double>(h) / PANGO_SCALE;

  double x = kMarginX;
  double used = 0;
  for (double width : kCellWidth) used += width;
  for (int c = 0; c < DataDictionary::kCellCount; ++c) {
    cellX_[c] = x;
    cellWidth_[c] = kCellWidth[c] > 0 ? kCellWidth[c] : kPageWidth - 2 * kMarginX - used;
    x += cellWidth_[c];
  }
  double header = 0;
  for (int c = 0; c < DataDictionary::kCellCount; ++c) {
    header = std::max(header, TextHeight(cellBold_, dictionary_.captions()[c],
                                         cellWidth_[c] - 2 * kCellPadX));
  }
  headerHeight_ = header + 2 * kCellPadY;
}

PdfDictionary::~PdfDictionary() {
  for (auto& [text, layout] : cached_) g_object_unref(layout);
  for (PangoLayout* layout : {cell_, cellBold_, body_, heading_, title_, small_, contents_, contentsGroup_}) {
    g_object_unref(layout);
  }
  g_object_unref(context_);
  cairo_destroy(cr_);
}

PangoLayout* PdfDictionary::NewLayout(double size, bool bold) const {
  PangoLayout* layout = pango_layout_new(context_);
  PangoFontDescription* font = pango_font_description_from_string(kFamily);
  pango_font_description_set_size(font, static_cast<int>(size * PANGO_SCALE));
  if (bold) pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  return layout;
}

double PdfDictionary::TextHeight(PangoLayout* layout, const std::string& text,
                                 double width) const {
  pango_layout_set_width(layout, width > 0 ? static_cast<int>(width * PANGO_SCALE) : -1);
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  int w = 0;
  int h = 0;
  pango_layout_get_size(layout, &w, &h);
  return static_cast<double>(h) / PANGO_SCALE;
}

void PdfDictionary::Show(PangoLayout* layout, const std::string& text, double x, double y,
                         double width, const Colour& colour) {
  if (!drawing_ || text.empty()) return;
  pango_layout_set_width(layout, width > 0 ? static_cast<int>(width * PANGO_SCALE) : -1);
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  cairo_set_source_rgb(cr_, colour.r, colour.g, colour.b);
  cairo_move_to(cr_, x, y);
  pango_cairo_show_layout(cr_, layout);
}

double PdfDictionary::CellTextWidth(const std::string& text) {
  double width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    double* advance = nullptr;
    if (lead < 0x80) {
      advance = &asciiAdvance_[lead];
    } else {
      std::uint32_t key = 0;
      for (std::size_t k = 0; k < length && i + k < text.size(); ++k) {
        key = (key << 8) | static_cast<unsigned char>(text[i + k]);
      }
      advance = &advance_[key];
    }
    if (*advance == 0) {
      int w = 0;
      int h = 0;
      pango_layout_set_width(small_, -1);
      pango_layout_set_text(small_, text.data() + i, static_cast<int>(std::min(length, text.size() - i)));
      pango_layout_get_size(small_, &w, &h);
      *advance = std::max(static_cast<double>(w) / PANGO_SCALE, 0.01);
    }
    width += *advance;
    i += length;
  }
  // Kerning and rounding are not counted: leave room for them.
  return width * 1.03 + 0.5;
}

PdfDictionary::RowFit PdfDictionary::FitRow(const DataDictionary::Row& row) {
  RowFit fit;
  double lines = cellLine_;
  for (int c = 0; c < DataDictionary::kCellCount; ++c) {
    const std::string& text = row.cells[c];
    if (text.empty()) continue;
    const double inner = cellWidth_[c] - 2 * kCellPadX;
    if (text.find('\n') == std::string::npos && CellTextWidth(text) <= inner) continue;
    fit.wraps[c] = true;
    lines = std::max(lines, TextHeight(cell_, text, inner));
  }
  fit.height = lines + 2 * kCellPadY;
  return fit;
}

void PdfDictionary::NewPage() {
  if (page_ > 0 && drawing_) cairo_show_page(cr_);
  ++page_;
  y_ = kMarginTop;
  if (!drawing_) return;
  if (page_ == 1) return;  // the title page has no footer
  const double footer = kPageHeight - kMarginBottom + 20;
  Show(small_, dictionary_.title(), kMarginX, footer, kPageWidth / 2 - kMarginX, kGrey);
  const std::string number = std::to_string(page_) + " / " + std::to_string(pageCount_);
  pango_layout_set_alignment(small_, PANGO_ALIGN_RIGHT);
  Show(small_, number, kPageWidth / 2, footer, kPageWidth / 2 - kMarginX, kGrey);
  pango_layout_set_alignment(small_, PANGO_ALIGN_LEFT);
}

void PdfDictionary::TitlePage() {
  NewPage();
  const double width = kPageWidth - 2 * kMarginX;
  pango_layout_set_alignment(title_, PANGO_ALIGN_CENTER);
  pango_layout_set_alignment(body_, PANGO_ALIGN_CENTER);
  const double top = kPageHeight * 0.36;
  Show(title_, dictionary_.title(), kMarginX, top, width, kText);
  const double below = drawing_ ? TextHeight(title_, dictionary_.title(), width) : 0;
  const std::string summary = std::to_string(dictionary_.tables().size()) + u8" 个表, " +
                              std::to_string(dictionary_.groups().size()) + u8" 个分组, " +
                              std::to_string(dictionary_.totalColumns()) + u8" 列";
  Show(body_, summary, kMarginX, top + below + 18, width, kGrey);
  pango_layout_set_alignment(title_, PANGO_ALIGN_LEFT);
  pango_layout_set_alignment(body_, PANGO_ALIGN_LEFT);
}

void PdfDictionary::Contents() {
  NewPage();
  contentsPage_ = page_;
  Show(heading_, u8"目录", kMarginX, y_, 0, kText);
  y_ += 30;
  const double width = kPageWidth - 2 * kMarginX;
  // One line of the contents: its text indented, its page at the right, a link to it.
  const auto line = [&](const std::string& text, int page, bool group) {
    if (y_ + kContentsLine > bottom()) NewPage();
    if (drawing_) {
      cairo_tag_begin(cr_, CAIRO_TAG_LINK, ("page=" + std::to_string(page)).c_str());
      const double indent = group ? 0 : 14;
      Show(group ? contentsGroup_ : contents_, text, kMarginX + indent, y_,
           width - indent - 40, group ? kText : kLink);
      pango_layout_set_alignment(body_, PANGO_ALIGN_RIGHT);
      Show(body_, std::to_string(page), kPageWidth - kMarginX - 40, y_, 40, kGrey);
      pango_layout_set_alignment(body_, PANGO_ALIGN_LEFT);
      cairo_tag_end(cr_, CAIRO_TAG_LINK);
    }
    y_ += kContentsLine;
  };
  if (picture_ != nullptr) line(u8"关系图", picturePage_, true);
  for (const DataDictionary::Group& group : dictionary_.groups()) {
    line(group.name, tablePage_[group.tables.front()], true);
    for (const int t : group.tables) line(dictionary_.tables()[t].Heading(), tablePage_[t], false);
  }
}

void PdfDictionary::PicturePages() {
  if (picture_ == nullptr) return;
  const double width = kPageWidth - 2 * kMarginX;
  const double height = kPageHeight - kMarginTop - kMarginBottom - 24;
  // As large as 100 % allows and the page's width asks, never so small that it cannot be
  // read, unless the picture would need too many pages.
  double scale = std::max(std::min(kPicturePoints, width / picture_->width), kMinPictureScale);
  int columns = 0;
  int rows = 0;
  for (;;) {
    columns = static_cast<int>(std::ceil(picture_->width * scale / width - 1e-9));
    rows = static_cast<int>(std::ceil(picture_->height * scale / height - 1e-9));
    if (columns * rows <= kMaxPicturePages) break;
    scale *= 0.9;
  }
  pictureScale_ = scale;
  pictureColumns_ = columns;
  picturePages_ = columns * rows;

  cairo_surface_t* recording = nullptr;
  if (drawing_) {
    const cairo_rectangle_t extents{0, 0, static_cast<double>(picture_->width),
                                    static_cast<double>(picture_->height)};
    recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
    cairo_t* cr = cairo_create(recording);
    picture_->draw(cr);
    cairo_destroy(cr);
  }
  for (int p = 0; p < picturePages_; ++p) {
    NewPage();
    if (p == 0) picturePage_ = page_;
    const std::string caption = picturePages_ == 1 ? std::string(u8"关系图")
                                                   : u8"关系图 (" + std::to_string(p + 1) + "/" +
                                                         std::to_string(picturePages_) + ")";
    Show(heading_, caption, kMarginX, y_, 0, kText);
    if (!drawing_) continue;
    const double top = y_ + 24;
    cairo_save(cr_);
    cairo_rectangle(cr_, kMarginX, top, width, height);
    cairo_clip(cr_);
    cairo_translate(cr_, kMarginX - (p % columns) * width, top - (p / columns) * height);
    cairo_scale(cr_, scale, scale);
    cairo_set_source_surface(cr_, recording, 0, 0);
    cairo_paint(cr_);
    cairo_restore(cr_);
  }
  if (recording != nullptr) cairo_surface_destroy(recording);
}

void PdfDictionary::TableHead(int table, bool continued) {
  const DataDictionary::Table& t = dictionary_.tables()[table];
  const double width = kPageWidth - 2 * kMarginX;
  if (continued) {
    const std::string text = t.Heading() + u8" (续)";
    Show(body_, text, kMarginX, y_, width, kGrey);
    y_ += TextHeight(body_, text, width) + 4;
    return;
  }
  Show(heading_, t.displayName, kMarginX, y_, width, kText);
  y_ += TextHeight(heading_, t.displayName, width) + 2;
  std::vector<std::string> facts;
  if (t.displayName != t.actualName) facts.push_back(u8"实际名称: " + t.actualName);
  if (!t.comment.empty()) facts.push_back(u8"注释: " + t.comment);
  std::string line = u8"分组: " + t.group;
  if (!t.owner.empty()) line += u8"    所有者: " + t.owner;
  facts.push_back(line);
  for (const std::string& fact : facts) {
    Show(body_, fact, kMarginX, y_, width, kGrey);
    y_ += TextHeight(body_, fact, width) + 1;
  }
  y_ += 6;
}

void PdfDictionary::HeaderRow() {
  gridTop_ = y_;
  if (drawing_) {
    cairo_set_source_rgb(cr_, kHeaderFill.r, kHeaderFill.g, kHeaderFill.b);
    cairo_rectangle(cr_, kMarginX, y_, kPageWidth - 2 * kMarginX, headerHeight_);
    cairo_fill(cr_);
    for (int c = 0; c < DataDictionary::kCellCount; ++c) {
      Show(cellBold_, dictionary_.captions()[c], cellX_[c] + kCellPadX, y_ + kCellPadY,
           cellWidth_[c] - 2 * kCellPadX, kText);
    }
  }
  y_ += headerHeight_;
  rowLines_.push_back(y_);
}

void PdfDictionary::GridLines() {
  if (drawing_ && !rowLines_.empty()) {
    // One path for the page's part of the table: every row's lower edge and every column's
    // edge, from the header's top down to the last row.
    cairo_new_path(cr_);
    const double right = cellX_.back() + cellWidth_.back();
    cairo_move_to(cr_, kMarginX, gridTop_);
    cairo_line_to(cr_, right, gridTop_);
    for (const double y : rowLines_) {
      cairo_move_to(cr_, kMarginX, y);
      cairo_line_to(cr_, right, y);
    }
    for (int c = 0; c <= DataDictionary::kCellCount; ++c) {
      const double x = c < DataDictionary::kCellCount ? cellX_[c] : right;
      cairo_move_to(cr_, x, gridTop_);
      cairo_line_to(cr_, x, rowLines_.back());
    }
    cairo_set_source_rgb(cr_, kRule.r, kRule.g, kRule.b);
    cairo_set_line_width(cr_, 0.5);
    cairo_stroke(cr_);
  }
  rowLines_.clear();
}

void PdfDictionary::DrawRow(const DataDictionary::Row& row, const RowFit& fit) {
  if (drawing_) {
    for (int c = 0; c < DataDictionary::kCellCount; ++c) {
      const std::string& text = row.cells[c];
      if (text.empty()) continue;
      const double x = cellX_[c] + kCellPadX;
      const double y = y_ + kCellPadY;
      const bool link = c == DataDictionary::kForeignKey && row.reference >= 0;
      if (link) {
        const std::string target = "page=" + std::to_string(tablePage_[row.reference]);
        cairo_tag_begin(cr_, CAIRO_TAG_LINK, target.c_str());
      }
      const Colour& colour = link ? kLink : kText;
      if (fit.wraps[c]) {
        Show(cell_, text, x, y, cellWidth_[c] - 2 * kCellPadX, colour);
      } else if (c != DataDictionary::kDisplayName && c != DataDictionary::kActualName &&
                 c != DataDictionary::kNote && text.size() <= 24) {
        // Types, yes and no, numbers and defaults repeat: their layouts are kept.
        auto it = cached_.find(text);
        if (it == cached_.end() && cached_.size() < kCachedLayouts) {
          PangoLayout* layout = NewLayout(kCellSize, false);
          pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
          it = cached_.emplace(text, layout).first;
        }
        if (it != cached_.end()) {
          cairo_set_source_rgb(cr_, colour.r, colour.g, colour.b);
          cairo_move_to(cr_, x, y);
          pango_cairo_show_layout(cr_, it->second);
        } else {
          Show(cell_, text, x, y, 0, colour);
        }
      } else {
        Show(cell_, text, x, y, 0, colour);
      }
      if (link) cairo_tag_end(cr_, CAIRO_TAG_LINK);
    }
  }
  y_ += fit.height;
  rowLines_.push_back(y_);
}

void PdfDictionary::TablePages(int table) {
  NewPage();
  tablePage_[table] = page_;
  TableHead(table, false);
  const int columns = dictionary_.ColumnCount(table);
  if (columns == 0) {
    Show(body_, u8"(没有列)", kMarginX, y_, 0, kGrey);
    return;
  }
  HeaderRow();
  for (int c = 0; c < columns; ++c) {
    const DataDictionary::Row row = dictionary_.ColumnRow(table, c);
    const RowFit fit = FitRow(row);
    if (y_ + fit.height > bottom()) {
      GridLines();
      NewPage();
      TableHead(table, true);
      HeaderRow();
    }
    DrawRow(row, fit);
  }
  GridLines();
}

void PdfDictionary::AddOutline() {
  const auto link = [](int page) { return "page=" + std::to_string(page); };
  cairo_pdf_surface_add_outline(surface_, CAIRO_PDF_OUTLINE_ROOT, u8"目录",
                                link(contentsPage_).c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN);
  if (picture_ != nullptr) {
    cairo_pdf_surface_add_outline(surface_, CAIRO_PDF_OUTLINE_ROOT, u8"关系图",
                                  link(picturePage_).c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN);
  }
  for (const DataDictionary::Group& group : dictionary_.groups()) {
    if (group.tables.empty()) continue;
    const int parent = cairo_pdf_surface_add_outline(
        surface_, CAIRO_PDF_OUTLINE_ROOT, group.name.c_str(),
        link(tablePage_[group.tables.front()]).c_str(), static_cast<cairo_pdf_outline_flags_t>(0));
    for (const int t : group.tables) {
      cairo_pdf_surface_add_outline(surface_, parent, dictionary_.tables()[t].Heading().c_str(),
                                    link(tablePage_[t]).c_str(),
                                    static_cast<cairo_pdf_outline_flags_t>(0));
    }
  }
}

void PdfDictionary::Run() {
  tablePage_.assign(dictionary_.tables().size(), 0);
  for (const bool drawing : {false, true}) {
    drawing_ = drawing;
    page_ = 0;
    TitlePage();
    Contents();
    PicturePages();
    for (std::size_t t = 0; t < dictionary_.tables().size(); ++t) {
      TablePages(static_cast<int>(t));
    }
    pageCount_ = page_;
  }
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, dictionary_.title().c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, "Tablora");
  AddOutline();
}

}  // namespace

bool PdfDictionaryWriter::Write(const DataDictionary& dictionary, const DictionaryPicture* picture,
                                const std::string& path, std::string* error) {
  std::string cairoError;
  const bool written = TextFile::WriteFile(
      path,
      [&](int fd) {
        TextOutput out(fd);
        cairo_surface_t* surface =
            cairo_pdf_surface_create_for_stream(WritePiece, &out, kPageWidth, kPageHeight);
        {
          PdfDictionary document(dictionary, picture, surface);
          document.Run();
        }
        cairo_surface_finish(surface);
        const cairo_status_t status = cairo_surface_status(surface);
        cairo_surface_destroy(surface);
        if (status != CAIRO_STATUS_SUCCESS) {
          cairoError = cairo_status_to_string(status);
          errno = EIO;
          return false;
        }
        return out.Finish();
      },
      error);
  if (!written && !cairoError.empty() && error != nullptr) *error = cairoError;
  return written;
}

}  // namespace tablora
