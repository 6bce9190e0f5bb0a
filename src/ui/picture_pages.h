#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "ui/picture_layout.h"

namespace tablora {

/// How a design's picture is cut into printed pages. At full size the picture is cut into
/// strips a page wide, left to right, and each strip into pieces a page high, top to bottom;
/// a cut moves back to the edge of a window it would run through as long as the page stays
/// at least half full, so that windows are cut only when they cannot be kept whole. Pieces
/// that show no window are left out (a design with no window still prints one page).
/// Fit to page puts the whole picture on one page, made smaller when it does not fit.
class PicturePages {
 public:
  /// One page: the part of the picture it shows (picture pixels) and the scale it is
  /// drawn at (page pixels per picture pixel, 1 = full size).
  struct Page {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    double scale = 1.0;
  };

  /// `printableWidth` x `printableHeight`: the page inside its margins, in picture pixels.
  static PicturePages Cut(const PictureLayout& picture, double printableWidth,
                          double printableHeight, bool fitToPage);

  const std::vector<Page>& pages() const { return pages_; }

  /// A stretch [first, end) of picture pixels along one axis.
  using Span = std::pair<std::int64_t, std::int64_t>;
  /// Cuts [0, total) into pieces of at most `piece` (at least 1), each cut moved back to the
  /// start of a span it would run through while the piece keeps at least half its length.
  static std::vector<Span> Pieces(const std::vector<Span>& spans, std::int64_t total,
                                  std::int64_t piece);

 private:
  std::vector<Page> pages_;
};

}  // namespace tablora
