#include "ui/tab_layout.h"

#include <algorithm>

#include "base/gbk_text.h"

namespace tablora {

namespace {

int TextWidth(const TextMeasurer& measure, std::string_view text) {
  return text.empty() ? 0 : measure.TextExtent(std::string(text), false).width;
}

PixelRect Span(int left, int top, int right, int bottom) {
  return PixelRect{left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

/// Byte length of every character of a text, in order. A lead byte at
/// the very end (a cut-off text) counts as one character.
std::vector<std::size_t> CharLengths(std::string_view text) {
  std::vector<std::size_t> lengths;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = gbk::CharSize(text, i);
    lengths.push_back(n);
    i += n;
  }
  return lengths;
}

/// Drops up to two bytes from the end without splitting a character: one double-byte
/// character, or up to two single-byte ones.
std::string DropTwoBytes(std::string_view text) {
  std::vector<std::size_t> lengths = CharLengths(text);
  std::size_t keep = text.size();
  if (lengths.empty()) return std::string();
  const std::size_t last = lengths.back();
  keep -= last;
  lengths.pop_back();
  if (last == 1 && !lengths.empty() && lengths.back() == 1) keep -= 1;
  return std::string(text.substr(0, keep));
}

}  // namespace

namespace tab_layout {

int NormalizeStyle(int style) {
  const int bits = style & 0x0F;
  return bits == 0 ? 1 : bits;
}

bool TabsAtBottom(int style) {
  const int bits = NormalizeStyle(style);
  return (bits & 2) != 0 && (bits & 1) == 0;
}

PixelRect PageFrame(const PixelRect& client, int style) {
  const int left = client.x + 2;
  const int right = client.right() - 2;
  if (TabsAtBottom(style)) return Span(left, client.y + 2, right, client.bottom() - kStripHeight);
  return Span(left, client.y + kStripHeight, right, client.bottom() - 2);
}

PixelRect PageArea(const PixelRect& client, int style, int borderStyle) {
  const PixelRect frame = PageFrame(client, style);
  const int inset = std::max(0, borderStyle) + 1;
  return Span(frame.x + inset, frame.y + inset, frame.right() - inset, frame.bottom() - inset);
}

PixelRect TabStrip(const PixelRect& client, int style) {
  if (TabsAtBottom(style)) {
    const int bottom = client.bottom() - 1;
    return Span(client.x + 6, bottom - kStripHeight, client.right() - 6, bottom);
  }
  return Span(client.x + 2, client.y, client.right() - 6, client.y + kStripHeight);
}

std::vector<PixelRect> TabRects(const PixelRect& strip, int style,
                                const std::vector<std::string>& titles,
                                const std::vector<bool>& hasIcon, const TextMeasurer& measure) {
  std::vector<PixelRect> tabs;
  const int count = static_cast<int>(titles.size());
  if (count == 0) return tabs;
  const int share = std::max(0, strip.width / count);
  std::vector<int> widths;
  if (NormalizeStyle(style) & 4) {
    widths.assign(titles.size(), share);
  } else {
    int total = 0;
    for (std::size_t i = 0; i < titles.size(); ++i) {
      const bool icon = i < hasIcon.size() && hasIcon[i];
      widths.push_back(TextWidth(measure, titles[i]) + (icon ? kIconTextPadding : kTextPadding));
      total += widths.back();
    }
    if (total > strip.width) {
      for (int& w : widths) w = std::min(w, share);
      int x = strip.x;
      for (int w : widths) {
        tabs.push_back(PixelRect{x, strip.y, w, strip.height});
        x += w + 1;
      }
      return tabs;
    }
  }
  int x = strip.x;
  for (int w : widths) {
    tabs.push_back(PixelRect{x, strip.y, w, strip.height});
    x += w;
  }
  return tabs;
}

std::string ShortenTitle(std::string_view title, int available, const TextMeasurer& measure) {
  if (TextWidth(measure, title) <= available) return std::string(title);
  static const std::string kEllipsis = "...";
  std::string text(title);
  int steps = 0;
  do {
    text = DropTwoBytes(text);
    ++steps;
  } while (steps < kMaxShortenSteps && !text.empty() &&
           TextWidth(measure, text + kEllipsis) > available);
  return text + kEllipsis;
}

TabContent LayoutTabContent(int tabWidth, bool hasIcon, std::string_view title,
                            const TextMeasurer& measure) {
  TabContent content;
  content.drawIcon = hasIcon && tabWidth - kIconLeft > kIconSize;
  content.iconX = kIconLeft;
  content.iconY = kIconTop;
  content.textX = kTextLeft + (content.drawIcon ? kTextAfterIcon : 0);
  content.textY = kTextTop;
  // The right margin matches the padding a tab gets beyond its title.
  const int available = tabWidth - content.textX - (kTextPadding - kTextLeft);
  // Titles are drawn on one line: line breaks show as spaces.
  std::string line(title);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  content.shownTitle = ShortenTitle(line, available, measure);
  return content;
}

int TabAt(const std::vector<PixelRect>& tabs, int x, int y) {
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    if (tabs[i].Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<int> SlideOffsets(int pageWidth) {
  const int width = std::max(0, pageWidth);
  std::vector<int> offsets;
  for (int step = 1; step <= kSlideSteps; ++step) {
    offsets.push_back(-width + step * width / kSlideSteps);
  }
  return offsets;
}

}  // namespace tab_layout

namespace bar_layout {

BarLayout Compute(int width, int height, BarDock dock, bool floating) {
  BarLayout layout;
  PixelRect inner{0, 0, std::max(0, width), std::max(0, height)};
  if (floating) {
    dock = BarDock::kLeft;
    inner.height = std::max(0, inner.height - kSashSize);
    layout.lowerSash = Span(0, inner.bottom(), std::max(0, inner.right() - kSashSize),
                            inner.bottom() + kSashSize);
  }
  switch (dock) {
    case BarDock::kLeft:
      layout.sash = Span(inner.right() - kSashSize, 0, inner.right(), inner.bottom());
      inner.width = std::max(0, inner.width - kSashSize);
      break;
    case BarDock::kRight:
      layout.sash = Span(0, 0, kSashSize, inner.bottom());
      inner = Span(kSashSize, 0, inner.right(), inner.bottom());
      break;
    case BarDock::kTop:
      layout.sash = Span(0, inner.bottom() - kSashSize, inner.right(), inner.bottom());
      inner.height = std::max(0, inner.height - kSashSize);
      break;
    case BarDock::kBottom:
      layout.sash = Span(0, 0, inner.right(), kSashSize);
      inner = Span(0, kSashSize, inner.right(), inner.bottom());
      break;
  }
  if (dock == BarDock::kLeft || dock == BarDock::kRight) {
    // Docked at a side: the gripper runs along the top, the close button at its right end.
    layout.linesHorizontal = true;
    layout.gripper = Span(inner.x + kMargin, inner.y + kMargin, inner.right() - kMargin,
                          inner.y + kMargin + kGripperSize);
    layout.close = PixelRect{std::max(inner.x, layout.gripper.right() - kCloseSize),
                             inner.y + kMargin - 1, kCloseSize, kCloseSize};
    layout.lines =
        Span(layout.gripper.x, layout.gripper.y, layout.close.x - kMargin, layout.gripper.bottom());
    layout.client = Span(inner.x + kMargin, layout.gripper.bottom() + kMargin,
                         inner.right() - kMargin, inner.bottom() - kMargin);
  } else {
    // Docked at the top or bottom: the gripper runs down the left edge, the close
    // button at its top end.
    layout.linesHorizontal = false;
    layout.gripper = Span(inner.x + kMargin, inner.y + kMargin, inner.x + kMargin + kGripperSize,
                          inner.bottom() - kMargin);
    layout.close = PixelRect{inner.x + kMargin - 1, inner.y + kMargin, kCloseSize, kCloseSize};
    layout.lines = Span(layout.gripper.x, layout.close.bottom() + kMargin, layout.gripper.right(),
                        layout.gripper.bottom());
    layout.client = Span(layout.gripper.right() + kMargin, inner.y + kMargin,
                         inner.right() - kMargin, inner.bottom() - kMargin);
  }
  return layout;
}

BarHit HitTest(const BarLayout& layout, int x, int y) {
  if (layout.close.Contains(x, y)) return BarHit::kClose;
  if (layout.sash.Contains(x, y)) return BarHit::kSash;
  if (layout.lowerSash.Contains(x, y)) return BarHit::kLowerSash;
  if (layout.gripper.Contains(x, y)) return BarHit::kGripper;
  if (layout.client.Contains(x, y)) return BarHit::kClient;
  return BarHit::kNowhere;
}

int DraggedExtent(BarDock dock, int startExtent, int dx, int dy, int minimum, int maximum) {
  int extent = startExtent;
  switch (dock) {
    case BarDock::kLeft:
      extent += dx;
      break;
    case BarDock::kRight:
      extent -= dx;
      break;
    case BarDock::kTop:
      extent += dy;
      break;
    case BarDock::kBottom:
      extent -= dy;
      break;
  }
  return std::max(minimum, std::min(extent, std::max(minimum, maximum)));
}

}  // namespace bar_layout

}  // namespace tablora
