#include "doc/xlsx_dictionary_writer.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "base/text_file.h"
#include "doc/sheet_names.h"

namespace tablora {

namespace {

constexpr double kMaxWidth = 60;

/// The width of `text` in the spreadsheet's character units: wide (East Asian) characters
/// count two.
double TextWidth(const std::string& text) {
  double width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      width += 1.1;
      ++i;
    } else {
      width += lead >= 0xE1 ? 2.1 : 1.1;  // from U+1000 on: the CJK ranges
      i += lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    }
  }
  return width;
}

/// Column widths fitted to the widest text written, between the caption's and kMaxWidth.
class ColumnWidths {
 public:
  explicit ColumnWidths(std::size_t count) : widths_(count, 4) {}
  void Fit(std::size_t column, const std::string& text) {
    widths_[column] = std::max(widths_[column], std::min(TextWidth(text) + 1.5, kMaxWidth));
  }
  void Apply(lxw_worksheet* sheet) const {
    for (std::size_t c = 0; c < widths_.size(); ++c) {
      worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths_[c],
                           nullptr);
    }
  }

 private:
  std::vector<double> widths_;
};

/// The link to cell A1 of sheet `name`.
std::string SheetLink(const std::string& name) {
  std::string quoted;
  for (const char c : name) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return "internal:'" + quoted + "'!A1";
}

struct Formats {
  lxw_format* title;
  lxw_format* header;
  lxw_format* label;
  lxw_format* link;
};

Formats MakeFormats(lxw_workbook* book) {
  Formats f{};
  f.title = workbook_add_format(book);
  format_set_bold(f.title);
  format_set_font_size(f.title, 14);
  f.header = workbook_add_format(book);
  format_set_bold(f.header);
  format_set_bg_color(f.header, 0xDDE8F4);
  format_set_border(f.header, LXW_BORDER_THIN);
  format_set_bottom(f.header, LXW_BORDER_MEDIUM);
  f.label = workbook_add_format(book);
  format_set_font_color(f.label, 0x555555);
  f.link = workbook_add_format(book);
  format_set_font_color(f.link, 0x1A5FB4);
  format_set_underline(f.link, LXW_UNDERLINE_SINGLE);
  return f;
}

/// Writes what the sheets hold; the workbook is closed by the caller.
void WriteSheets(const DataDictionary& dictionary, lxw_workbook* book) {
  const Formats f = MakeFormats(book);
  SheetNames names;
  const std::string contentsName = names.Add(u8"目录");
  std::vector<std::string> sheetNames;
  sheetNames.reserve(dictionary.tables().size());
  for (const DataDictionary::Table& t : dictionary.tables()) {
    sheetNames.push_back(names.Add(t.actualName));
  }

  // The contents: one line per table in document order.
  lxw_worksheet* contents = workbook_add_worksheet(book, contentsName.c_str());
  worksheet_write_string(contents, 0, 0, dictionary.title().c_str(), f.title);
  const std::string summary = std::to_string(dictionary.tables().size()) + u8" 个表, " +
                              std::to_string(dictionary.groups().size()) + u8" 个分组, " +
                              std::to_string(dictionary.totalColumns()) + u8" 列";
  worksheet_write_string(contents, 1, 0, summary.c_str(), f.label);
  const std::array<std::string, 7> contentsCaptions = {
      u8"序号", u8"分组", u8"显示名称", u8"实际名称", u8"注释", u8"所有者", u8"列数"};
  ColumnWidths contentsWidths(contentsCaptions.size());
  constexpr lxw_row_t kContentsHeader = 3;
  for (std::size_t c = 0; c < contentsCaptions.size(); ++c) {
    worksheet_write_string(contents, kContentsHeader, static_cast<lxw_col_t>(c),
                           contentsCaptions[c].c_str(), f.header);
    contentsWidths.Fit(c, contentsCaptions[c]);
  }
  lxw_row_t row = kContentsHeader + 1;
  for (std::size_t i = 0; i < dictionary.tables().size(); ++i, ++row) {
    const DataDictionary::Table& t = dictionary.tables()[i];
    const std::array<const std::string*, 5> texts = {&t.group, &t.displayName, &t.actualName,
                                                     &t.comment, &t.owner};
    worksheet_write_number(contents, row, 0, static_cast<double>(i + 1), nullptr);
    for (std::size_t c = 0; c < texts.size(); ++c) {
      const auto col = static_cast<lxw_col_t>(c + 1);
      if (c == 1) {
        worksheet_write_url_opt(contents, row, col, SheetLink(sheetNames[i]).c_str(), f.link,
                                texts[c]->c_str(), nullptr);
      } else if (!texts[c]->empty()) {
        worksheet_write_string(contents, row, col, texts[c]->c_str(), nullptr);
      }
      contentsWidths.Fit(c + 1, *texts[c]);
    }
    worksheet_write_number(contents, row, 6, dictionary.ColumnCount(static_cast<int>(i)), nullptr);
  }
  contentsWidths.Apply(contents);
  worksheet_freeze_panes(contents, kContentsHeader + 1, 0);
  if (!dictionary.tables().empty()) {
    worksheet_autofilter(contents, kContentsHeader, 0, row - 1,
                         static_cast<lxw_col_t>(contentsCaptions.size() - 1));
  }

  // One sheet per table: a link back, the names, comment, group and owner, then the columns.
  constexpr lxw_row_t kHeader = 4;
  const auto& captions = dictionary.captions();
  const std::string contentsLink = SheetLink(contentsName);
  for (std::size_t i = 0; i < dictionary.tables().size(); ++i) {
    const DataDictionary::Table& t = dictionary.tables()[i];
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetNames[i].c_str());
    ColumnWidths widths(DataDictionary::kCellCount);
    worksheet_write_url_opt(sheet, 0, 0, contentsLink.c_str(), f.link, u8"目录", nullptr);
    worksheet_write_string(sheet, 0, 1, t.Heading().c_str(), f.title);
    const std::array<std::pair<const char*, const std::string*>, 3> facts = {
        {{u8"注释", &t.comment}, {u8"分组", &t.group}, {u8"所有者", &t.owner}}};
    for (std::size_t r = 0; r < facts.size(); ++r) {
      worksheet_write_string(sheet, static_cast<lxw_row_t>(r + 1), 0, facts[r].first, f.label);
      if (!facts[r].second->empty()) {
        worksheet_write_string(sheet, static_cast<lxw_row_t>(r + 1), 1, facts[r].second->c_str(),
                               nullptr);
      }
    }
    for (int c = 0; c < DataDictionary::kCellCount; ++c) {
      worksheet_write_string(sheet, kHeader, static_cast<lxw_col_t>(c), captions[c].c_str(),
                             f.header);
      widths.Fit(static_cast<std::size_t>(c), captions[c]);
    }
    const int columns = dictionary.ColumnCount(static_cast<int>(i));
    for (int c = 0; c < columns; ++c) {
      const DataDictionary::Row line = dictionary.ColumnRow(static_cast<int>(i), c);
      const lxw_row_t r = kHeader + 1 + static_cast<lxw_row_t>(c);
      worksheet_write_number(sheet, r, 0, c + 1, nullptr);
      for (int cell = 1; cell < DataDictionary::kCellCount; ++cell) {
        const std::string& text = line.cells[cell];
        const auto col = static_cast<lxw_col_t>(cell);
        if (cell == DataDictionary::kForeignKey && line.reference >= 0) {
          worksheet_write_url_opt(sheet, r, col, SheetLink(sheetNames[line.reference]).c_str(),
                                  f.link, text.c_str(), nullptr);
        } else if (!text.empty()) {
          worksheet_write_string(sheet, r, col, text.c_str(), nullptr);
        }
        widths.Fit(static_cast<std::size_t>(cell), text);
      }
    }
    widths.Apply(sheet);
    worksheet_freeze_panes(sheet, kHeader + 1, 0);
  }
}

}  // namespace

bool XlsxDictionaryWriter::Write(const DataDictionary& dictionary, const std::string& path,
                                 std::string* error) {
  TextFile::WriteTarget target;
  if (!TextFile::ResolveTarget(path, target, error)) return false;
  // The workbook is made in a file of its own beside its place (or in the temporary folder
  // for standard output and devices), then written as any file is.
  const bool inPlace = target.way == TextFile::WriteWay::kStandardOutput ||
                       target.way == TextFile::WriteWay::kInPlace;
  const std::string book = inPlace ? (std::filesystem::temp_directory_path() /
                                      ("tablora" + std::to_string(::getpid()) + ".xlsx"))
                                         .string()
                                   : TextFile::TemporaryName(target.path, 0);
  std::string folder = TextFile::FolderOf(book);
  lxw_workbook_options options{};
  // Not the streaming mode: it streams rows within a sheet, but a dictionary is many small
  // sheets, and it keeps an open temporary file and a row buffer for every sheet until the
  // workbook closes. At 5,000 sheets it used more memory than this mode (116 MB against 94 MB)
  // and ran out of file descriptors at sheet 1,019 under the usual limit of 1,024.
  options.constant_memory = LXW_FALSE;
  options.tmpdir = folder.data();
  options.use_zip64 = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(book.c_str(), &options);
  if (workbook == nullptr) {
    if (error != nullptr) *error = std::strerror(errno != 0 ? errno : ENOMEM);
    return false;
  }
  lxw_doc_properties properties{};
  std::string title = dictionary.title();
  properties.title = title.data();
  workbook_set_properties(workbook, &properties);
  WriteSheets(dictionary, workbook);
  const lxw_error closed = workbook_close(workbook);
  if (closed != LXW_NO_ERROR) {
    if (error != nullptr) *error = lxw_strerror(closed);
    std::remove(book.c_str());
    return false;
  }
  // Copied a piece at a time, so that a large workbook is not held in memory.
  const int in = ::open(book.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) {
    if (error != nullptr) *error = std::strerror(errno);
    std::remove(book.c_str());
    return false;
  }
  const bool written = TextFile::WriteFile(
      path,
      [in](int fd) {
        std::vector<char> piece(256 * 1024);
        for (;;) {
          const ssize_t got = ::read(in, piece.data(), piece.size());
          if (got < 0 && errno == EINTR) continue;
          if (got < 0) return false;
          if (got == 0) return true;
          if (!TextFile::WriteAll(fd,
                                  std::string_view(piece.data(), static_cast<std::size_t>(got)))) {
            return false;
          }
        }
      },
      error);
  ::close(in);
  std::remove(book.c_str());
  return written;
}

}  // namespace tablora
