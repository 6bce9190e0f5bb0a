#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tablora {

/// Breaks code page 936 text into lines for word-broken cells.
class GridTextWrap {
 public:
  using Measure = std::function<int(std::string_view)>;

  /// Lines no wider than `width` where possible: breaks after blanks, between any two
  /// double-byte characters and at line feeds; a word wider than the line is cut
  /// between characters. Every line holds at least one character; the blanks at a
  /// break are dropped. Empty text gives one empty line.
  static std::vector<std::string> Lines(std::string_view text, int width, const Measure& measure);
};

}  // namespace tablora
