#include "ui/picture_pages.h"

#include <algorithm>
#include <utility>

namespace tablora {

std::vector<PicturePages::Span> PicturePages::Pieces(const std::vector<Span>& spans,
                                                     std::int64_t total, std::int64_t piece) {
  const std::int64_t page = std::max<std::int64_t>(piece, 1);
  std::vector<Span> pieces;
  for (std::int64_t start = 0; start < total;) {
    std::int64_t end = start + page;
    if (end >= total) {
      pieces.emplace_back(start, total);
      break;
    }
    for (;;) {
      std::int64_t earliest = end;
      for (const Span& s : spans) {
        if (s.first < end && end < s.second) earliest = std::min(earliest, s.first);
      }
      if (earliest == end || earliest <= start + page / 2) break;
      end = earliest;
    }
    pieces.emplace_back(start, end);
    start = end;
  }
  return pieces;
}

PicturePages PicturePages::Cut(const PictureLayout& picture, double printableWidth,
                               double printableHeight, bool fitToPage) {
  PicturePages result;
  const std::int64_t width = picture.width();
  const std::int64_t height = picture.height();
  if (fitToPage) {
    const double scale = std::min({1.0, std::max(printableWidth, 1.0) / static_cast<double>(width),
                                   std::max(printableHeight, 1.0) / static_cast<double>(height)});
    result.pages_.push_back({0, 0, width, height, scale});
    return result;
  }
  // Whole picture pixels per page, so that neighbouring pages neither overlap nor leave a gap.
  const auto pageWidth = std::max<std::int64_t>(1, static_cast<std::int64_t>(printableWidth));
  const auto pageHeight = std::max<std::int64_t>(1, static_cast<std::int64_t>(printableHeight));
  std::vector<Span> across;
  for (const PictureRect& r : picture.rects()) {
    if (r.width > 0 && r.height > 0) across.emplace_back(r.x, r.right());
  }
  for (const Span& strip : Pieces(across, width, pageWidth)) {
    std::vector<Span> down;
    for (const PictureRect& r : picture.rects()) {
      if (r.width > 0 && r.height > 0 && r.x < strip.second && strip.first < r.right()) {
        down.emplace_back(r.y, r.bottom());
      }
    }
    for (const Span& piece : Pieces(down, height, pageHeight)) {
      const Page page{strip.first, piece.first, strip.second - strip.first,
                      piece.second - piece.first, 1.0};
      const bool shows = std::any_of(down.begin(), down.end(), [&](const Span& s) {
        return s.first < piece.second && piece.first < s.second;
      });
      if (shows) result.pages_.push_back(page);
    }
  }
  if (result.pages_.empty()) result.pages_.push_back({0, 0, pageWidth, pageHeight, 1.0});
  return result;
}

}  // namespace tablora
