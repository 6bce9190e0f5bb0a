#pragma once

#include <string>
#include <string_view>

#include "ui/pixel_rect.h"
#include "ui/tab_layout.h"

namespace tablora {

/// Where a docking bar stands and its size in each state: docked at an edge of its
/// owner's client area, or floating as a small window of its own.
struct BarPlace {
  static constexpr int kDefaultWidth = 230;
  static constexpr int kDefaultHeight = 260;

  BarDock dock = BarDock::kLeft;   ///< the edge it docks to (while floating: the last one)
  bool floating = false;
  int sideWidth = kDefaultWidth;   ///< width when docked left or right
  int edgeHeight = kDefaultHeight; ///< height when docked at the top or bottom
  /// The floating window in screen coordinates; `floatPlaced` false until it has a place.
  PixelRect floatRect{0, 0, kDefaultWidth, kDefaultHeight};
  bool floatPlaced = false;

  bool operator==(const BarPlace& o) const;
};

/// What dropping a dragged gripper at a point means.
struct BarDrop {
  bool floating = false;
  BarDock dock = BarDock::kLeft;  ///< the edge, when not floating
  bool operator==(const BarDrop& o) const { return floating == o.floating && dock == o.dock; }
};

namespace bar_place {

/// A drop this close to an edge of the owner's client area (inside or outside it) docks.
constexpr int kDockZone = 32;
/// The gripper must move this far before a press becomes a drag.
constexpr int kDragThreshold = 4;
/// Smallest width or height a bar is given, docked or floating.
constexpr int kMinimumExtent = 60;
/// Largest width or height taken from the settings.
constexpr int kMaximumExtent = 4000;

/// What a drop at (x, y) means; `area` is the owner's client area and `docked` the bar's
/// docked rectangle (empty while it floats), both in the coordinates of the point. A point
/// inside `docked` keeps the bar where it is; otherwise the nearest edge of `area` within
/// kDockZone of the point docks it there; anywhere else it floats.
BarDrop DropAt(const BarPlace& place, const PixelRect& area, const PixelRect& docked, int x,
               int y);

/// The rectangle the bar takes when docked at `dock` in `area`: a strip along that edge,
/// as wide (or high) as the place says but leaving at least kMinimumExtent of the area.
PixelRect DockedRect(const BarPlace& place, BarDock dock, const PixelRect& area);

/// What is left of `area` beside the bar docked where `place` says (all of it while the
/// bar floats or `shown` is false).
PixelRect RestOf(const BarPlace& place, const PixelRect& area, bool shown);

/// Where the bar would land for `drop`: the docked strip, or the floating window's size
/// with its top-left corner at the pointer (x, y) less the grab offset inside the gripper.
PixelRect PreviewRect(const BarPlace& place, const BarDrop& drop, const PixelRect& area, int x,
                      int y, int grabX, int grabY);

/// Where the pointer holds a floating bar when it took hold of the gripper at (grabX,
/// grabY) of the bar standing as `place` says: as far along the gripper (kept inside the
/// floating bar's width) and in the middle of the gripper's band, so that the floating
/// window lands with its gripper under the pointer. Sets *x and *y.
void FloatingGrab(const BarPlace& place, int grabX, int grabY, int* x, int* y);

/// The place after a drop whose preview was `preview`.
BarPlace Dropped(BarPlace place, const BarDrop& drop, const PixelRect& preview);

/// The floating rectangle (at least kMinimumExtent each way) moved inside `screen`, or
/// with its top-left corner on it when it is larger than the screen.
PixelRect KeepOnScreen(const PixelRect& rect, const PixelRect& screen);

/// The settings text of a place: "where,side width,edge height,x,y,width,height", where is
/// left, right, top, bottom or float; x and y are left out while the floating window has
/// no place of its own yet.
std::string Format(const BarPlace& place);
/// The place a settings text describes. An unknown or empty "where" docks at the left; a
/// missing or unreadable number, or a size outside [kMinimumExtent, kMaximumExtent], keeps
/// its default; x and y count only as a pair.
BarPlace Parse(std::string_view text);

}  // namespace bar_place

}  // namespace tablora
