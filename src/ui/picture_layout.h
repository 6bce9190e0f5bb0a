#pragma once

#include <cstdint>
#include <vector>

#include "ui/pixel_rect.h"

namespace tablora {

/// A table window's place in a picture of the whole design; positions are 64-bit because
/// windows pushed down by taller ones above them can end beyond the surface's range.
struct PictureRect {
  std::int64_t x = 0;
  std::int64_t y = 0;
  int width = 0;
  int height = 0;

  std::int64_t right() const { return x + width; }
  std::int64_t bottom() const { return y + height; }
  bool Overlaps(std::int64_t ax, std::int64_t ay, std::int64_t aw, std::int64_t ah) const {
    return x < ax + aw && ax < right() && y < ay + ah && ay < bottom();
  }
  bool operator==(const PictureRect& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
};

/// Where the windows of a design go in its picture (export and printing), where every
/// window is drawn whole: all its rows, no scroll bars. A window keeps its place on the
/// surface unless a window that grew would now cover it:
/// - first across: a window that grew wider pushes the windows to its right that share
///   rows of the surface with it right by as much as it grew (the gap between them stays);
/// - then down: a window that grew taller pushes the windows below it that share columns
///   of the picture with it down by as much as it grew (the gap between them stays).
/// A window is never moved left or up; windows that overlapped on the surface keep their
/// offset from each other.
class PictureLayout {
 public:
  /// The space left right of and below the windows.
  static constexpr int kMargin = 10;

  struct Window {
    PixelRect surface;  ///< the window on the surface
    int wholeWidth = 0;
    int wholeHeight = 0;
  };

  /// `windows` in table-list order; the result holds one rectangle per window, same order.
  static PictureLayout Lay(const std::vector<Window>& windows);

  const std::vector<PictureRect>& rects() const { return rects_; }
  /// The picture's size: the windows' right and bottom edges plus kMargin.
  std::int64_t width() const { return width_; }
  std::int64_t height() const { return height_; }

 private:
  std::vector<PictureRect> rects_;
  std::int64_t width_ = kMargin;
  std::int64_t height_ = kMargin;
};

}  // namespace tablora
