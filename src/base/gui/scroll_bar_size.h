#pragma once

#include <wx/gdicmn.h>

#include <algorithm>

namespace tablora::scroll_bars {

/// GTK lays out a window's scroll bars in no less than this many pixels a side: a window with
/// scroll bars that GTK lays out smaller (wx's default 20 x 20, given to a window created
/// without a size before a sizer or its frame has sized it) logs an assertion about each bar.
inline constexpr int kSmallestSide = 64;

/// The size to create a window with scroll bars at: each default (-1) or smaller side raised
/// to kSmallestSide.
inline wxSize StartSize(const wxSize& wanted = wxDefaultSize) {
  return wxSize(std::max(wanted.x, kSmallestSide), std::max(wanted.y, kSmallestSide));
}

/// One side passed to DoSetSize, raised to kSmallestSide; a negative side (keep) stays.
inline int SizeSide(int side) { return side < 0 ? side : std::max(side, kSmallestSide); }

}  // namespace tablora::scroll_bars
