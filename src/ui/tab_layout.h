#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/pixel_rect.h"
#include "ui/text_measurer.h"

/// Layout arithmetic of the tab control and the work box bar, free of any window
/// system: rectangles in pixels, texts in code page 936.
namespace tablora {

/// What is drawn inside one tab.
struct TabContent {
  bool drawIcon = false;
  int iconX = 0;  // 16 x 16, relative to the tab's left edge
  int iconY = 0;  // relative to the tab's top edge
  int textX = 0;
  int textY = 0;
  std::string shownTitle;  // code page 936; ends in "..." when shortened
};

namespace tab_layout {

constexpr int kStripHeight = 23;
constexpr int kIconSize = 16;
constexpr int kIconLeft = 5;
constexpr int kIconTop = 3;
constexpr int kTextLeft = 5;
constexpr int kTextTop = 5;
constexpr int kTextAfterIcon = 18;
constexpr int kTextPadding = 9;       // a tab is its title's width plus this
constexpr int kIconTextPadding = 27;  // ... or plus this with an icon
constexpr int kSlideSteps = 10;
constexpr int kMaxShortenSteps = 10;

/// The low four bits of a style, with 0 counting as 1 (tabs at the top).
int NormalizeStyle(int style);
/// Tabs run along the bottom edge when bit 2 is set without bit 1.
bool TabsAtBottom(int style);

/// The rectangle the active page fills inside the client rectangle.
PixelRect PageArea(const PixelRect& client, int style, int borderStyle);
/// The page area before it is shrunk by the border: where the 3D frame is drawn.
PixelRect PageFrame(const PixelRect& client, int style);
/// The band the tabs are laid in.
PixelRect TabStrip(const PixelRect& client, int style);

/// One tab rectangle per title, laid from the strip's left edge. `hasIcon[i]` tells
/// whether page i has an icon (a shorter vector means no icons for the rest).
std::vector<PixelRect> TabRects(const PixelRect& strip, int style,
                                const std::vector<std::string>& titles,
                                const std::vector<bool>& hasIcon, const TextMeasurer& measure);

/// The title shortened until it fits `available` pixels: each step drops the last two
/// bytes (one double-byte character or two single-byte ones, never half a character),
/// at most ten steps; a shortened title ends in "...".
std::string ShortenTitle(std::string_view title, int available, const TextMeasurer& measure);

/// Where the icon and the title go in a tab of the given width; line breaks in the
/// title become spaces.
TabContent LayoutTabContent(int tabWidth, bool hasIcon, std::string_view title,
                            const TextMeasurer& measure);

/// Index of the tab containing the point, or -1.
int TabAt(const std::vector<PixelRect>& tabs, int x, int y);

/// The page's horizontal offsets from the page area's left edge for each of the ten
/// slide steps; the last one is 0.
std::vector<int> SlideOffsets(int pageWidth);

}  // namespace tab_layout

/// The edge of the owner a bar is docked to.
enum class BarDock { kLeft, kRight, kTop, kBottom };

/// Where the parts of a docking bar are, relative to the bar's top-left corner.
struct BarLayout {
  PixelRect gripper;            // the band holding the two 3D lines and the close button
  PixelRect lines;              // the part of the gripper the two lines are drawn along
  PixelRect close;              // 13 x 13 close button at the end of the gripper
  PixelRect sash;               // the inner edge the user drags (floating: the right edge)
  PixelRect lowerSash;          // floating only: the bottom edge, dragged for the height
  PixelRect client;             // what the one child fills
  bool linesHorizontal = true;  // lines run along the top edge (docked left or right)
};

/// What a point of the bar is over.
enum class BarHit { kNowhere, kClient, kGripper, kClose, kSash, kLowerSash };

namespace bar_layout {

constexpr int kGripperSize = 12;
constexpr int kCloseSize = 13;
constexpr int kSashSize = 5;
constexpr int kMargin = 2;

/// A floating bar is laid out as one docked at the left (gripper along the top, sash on
/// the right) with a second sash along its bottom edge.
BarLayout Compute(int width, int height, BarDock dock, bool floating = false);
BarHit HitTest(const BarLayout& layout, int x, int y);
/// The bar's extent (width when docked left or right, else height) after the sash was
/// dragged by (dx, dy) pixels from `startExtent`, kept within [minimum, maximum].
int DraggedExtent(BarDock dock, int startExtent, int dx, int dy, int minimum, int maximum);

}  // namespace bar_layout

}  // namespace tablora
