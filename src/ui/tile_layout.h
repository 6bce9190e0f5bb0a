#pragma once

#include <vector>

#include "ui/pixel_rect.h"

namespace tablora {

/// Documents side by side in one area: each pane takes a share of the width, with a sash
/// between neighbours that the user drags. Widths in pixels.
class TileLayout {
 public:
  static constexpr int kSashWidth = 6;

  /// `count` panes of equal width.
  void Reset(int count);
  /// One more pane at the end; every pane becomes equally wide.
  void Add() { Reset(count() + 1); }
  /// Pane `index` goes; its width goes to the panes that stay, in proportion.
  void Remove(int index);
  int count() const { return static_cast<int>(shares_.size()); }

  /// The panes' rectangles in an area of `width` x `height`, left to right.
  std::vector<PixelRect> Panes(int width, int height) const;
  /// The sash at `x` (its index: between pane i and i + 1), or -1.
  int SashAt(int x, int width) const;
  /// Moves sash `sash` so that it starts at `x`; its two neighbours share the same width
  /// as before, neither below zero.
  void DragSash(int sash, int x, int width);
  /// Every pane equally wide again.
  void EvenOut() { Reset(count()); }
  /// True when a pane is not as wide as an even share (one pixel of rounding aside).
  bool Uneven(int width) const;

 private:
  int PaneSpace(int width) const;
  std::vector<double> shares_;  ///< each pane's part of the width the sashes leave; sum 1
};

}  // namespace tablora
