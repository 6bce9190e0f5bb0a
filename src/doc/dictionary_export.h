#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "doc/data_dictionary.h"
#include "doc/dictionary_picture.h"

namespace tablora {

enum class DictionaryFormat { kHtml, kMarkdown, kXlsx, kPdf };

/// What a data dictionary is made of: the format, the one group it shows (code page 936,
/// empty for every group) and its title (code page 936, empty for the default title).
struct DictionaryOptions {
  DictionaryFormat format = DictionaryFormat::kHtml;
  std::string group;
  std::string title;
};

/// Writes a design's data dictionary to a file in one of the four formats.
class DictionaryExport {
 public:
  /// "html", "md", "xlsx" or "pdf" (the command line's names, also the file extensions).
  static bool ParseFormat(std::string_view name, DictionaryFormat& format);
  static const char* Extension(DictionaryFormat format);

  /// Writes the dictionary of `tables` to `path` (a file-system path). The picture (may be
  /// null) goes at the top of a page and on pages of its own in a PDF; Markdown links it as
  /// an SVG file written beside `path` with its name and the extension "svg". False with a
  /// message in the program's words (code page 936) in `error` when the group is not in
  /// the design or a file could not be written; a file is then left as it was.
  static bool Write(const std::vector<TableDesign>& tables, const Settings& settings,
                    const DictionaryOptions& options, const std::string& path,
                    const DictionaryPicture* picture, std::string* error);

  /// The picture file a Markdown dictionary at `path` links: its name with "svg" for the
  /// extension.
  static std::string PicturePath(const std::string& path);
};

}  // namespace tablora
