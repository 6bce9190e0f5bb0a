#pragma once

#include <vector>

#include "ui/pixel_rect.h"

namespace tablora {

/// Moves table windows apart after some of them grew, the way a grid of cells widens:
/// a window that lay wholly right of another moves right by at least as much as that one
/// grew wider, and one wholly below another moves down by at least as much as it grew
/// taller. Windows keep their order on the surface and the gaps between them, so two
/// windows that did not overlap before do not overlap after; windows that shrank move
/// nothing.
class WindowSpread {
 public:
  /// `before[i]` and `after[i]`: window i's rectangle before and after its size changed
  /// (the same top-left corner). Returns `after` with the corners moved.
  static std::vector<PixelRect> Spread(const std::vector<PixelRect>& before,
                                       const std::vector<PixelRect>& after);
};

}  // namespace tablora
