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

  /// Lines no wider than `width` where possible. A line may end after blanks (which are
  /// dropped there), at a line feed, and between a double-byte character and its
  /// neighbour, but never inside a run of single-byte characters ("ModifiedDate",
  /// "<pk,fk>", "decimal(18,2)") nor before a closing or after an opening bracket or
  /// punctuation mark next to a double-byte character. A piece with no break in it that
  /// is wider than the line keeps a line of its own and runs past the width. Every line
  /// holds at least one piece; empty text gives one empty line.
  static std::vector<std::string> Lines(std::string_view text, int width, const Measure& measure);
};

}  // namespace tablora
