#pragma once

#include <string>

#include "doc/data_dictionary.h"
#include "doc/dictionary_picture.h"

namespace tablora {

/// Writes a data dictionary as a PDF document (A4 landscape): a title page, the contents with page
/// numbers and links, the design's picture on pages of its own, then each table from a new
/// page, its columns continuing over as many pages as they need under a repeated header
/// row. Text is laid out with Pango and drawn with cairo, with the fonts embedded.
class PdfDictionaryWriter {
 public:
  /// Writes to `path` (a temporary file renamed over it when complete); `picture` may be
  /// null or without a drawing. False with the reason (UTF-8) in `error` when it could not
  /// be written.
  static bool Write(const DataDictionary& dictionary, const DictionaryPicture* picture,
                    const std::string& path, std::string* error);
};

}  // namespace tablora
