#pragma once

#include <string>
#include <vector>

namespace tablora {

/// The colours of procedure text.
enum class TextColour { kPlain, kDataType, kKeyword, kComment };

/// A stretch of text in one colour, in characters (a double-byte character counts as one).
struct ColourRun {
  int start = 0;
  int length = 0;
  TextColour colour = TextColour::kPlain;
  bool operator==(const ColourRun& o) const {
    return start == o.start && length == o.length && colour == o.colour;
  }
};

/// How the procedure view colours a procedure's text: data type names of the current
/// database kind, then SQL keywords, both as whole words in any letter case; then "--"
/// comments up to the line's end and "/* */" comments, which win over words.
class ProcedureColouring {
 public:
  /// The coloured stretches of `text` (code page 936) in text order; plain text has none.
  static std::vector<ColourRun> Runs(const std::string& text,
                                     const std::vector<std::string>& dataTypes,
                                     const std::vector<std::string>& keywords);
};

}  // namespace tablora
