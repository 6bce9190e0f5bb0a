#pragma once

#include <string>
#include <string_view>

#include "doc/data_dictionary.h"
#include "doc/text_output.h"

namespace tablora {

/// Writes a data dictionary as GitHub-flavoured Markdown (UTF-8): the contents as a list of
/// links, one heading with an anchor per table and its columns as a table, foreign keys as
/// links to the referenced table's heading.
class MarkdownDictionaryWriter {
 public:
  /// `pictureLink` is the relative path of the design's picture shown at the top; empty for
  /// none.
  static void Write(const DataDictionary& dictionary, std::string_view pictureLink,
                    TextOutput& out);

  /// `text` as literal Markdown text inside a line: every character that acts as markup
  /// there escaped with a backslash, line breaks as "<br>".
  static std::string Escape(std::string_view text);
};

}  // namespace tablora
