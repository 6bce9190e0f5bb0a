#pragma once

#include <string>
#include <string_view>

#include "doc/data_dictionary.h"
#include "doc/text_output.h"

namespace tablora {

/// Writes a data dictionary as one self-contained HTML page (UTF-8): styles and the search
/// script inline, the design's picture inline, nothing fetched from elsewhere. The page
/// prints without its search box.
class HtmlDictionaryWriter {
 public:
  /// `svg` is an SVG document (UTF-8) shown at the top; empty for none.
  static void Write(const DataDictionary& dictionary, std::string_view svg, TextOutput& out);

  /// `text` with "&", "<", ">" and '"' written as character references.
  static std::string Escape(std::string_view text);
  /// The root element of an SVG document without what precedes it (XML declaration,
  /// document type), with a viewBox from its width and height when it has none, so that
  /// the page can scale it. Empty when `svg` holds no svg element.
  static std::string InlineSvg(std::string_view svg);
};

}  // namespace tablora
