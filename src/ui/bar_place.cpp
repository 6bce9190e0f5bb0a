#include "ui/bar_place.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tablora {

bool BarPlace::operator==(const BarPlace& o) const {
  return dock == o.dock && floating == o.floating && sideWidth == o.sideWidth &&
         edgeHeight == o.edgeHeight && floatRect == o.floatRect && floatPlaced == o.floatPlaced;
}

namespace bar_place {

namespace {

constexpr int kCoordinateLimit = 100000;

struct EdgeName {
  const char* name;
  BarDock dock;
};
constexpr EdgeName kEdges[] = {{"left", BarDock::kLeft},
                               {"right", BarDock::kRight},
                               {"top", BarDock::kTop},
                               {"bottom", BarDock::kBottom}};
constexpr const char* kFloat = "float";

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

/// The whole text as an integer within [low, high]; false for anything else.
bool ReadNumber(std::string_view text, int low, int high, int* out) {
  text = Trim(text);
  if (text.empty() || text.size() > 9) return false;
  std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) return false;
  long value = 0;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
    value = value * 10 + (text[k] - '0');
  }
  if (text[0] == '-') value = -value;
  if (value < low || value > high) return false;
  *out = static_cast<int>(value);
  return true;
}

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, std::max(low, high))); }

}  // namespace

BarDrop DropAt(const BarPlace& place, const PixelRect& area, const PixelRect& docked, int x,
               int y) {
  if (!place.floating && docked.Contains(x, y)) return BarDrop{false, place.dock};
  const PixelRect reach{area.x - kDockZone, area.y - kDockZone, area.width + 2 * kDockZone,
                        area.height + 2 * kDockZone};
  if (!reach.Contains(x, y)) return BarDrop{true, place.dock};
  const int distance[] = {std::abs(x - area.x), std::abs(area.right() - 1 - x),
                          std::abs(y - area.y), std::abs(area.bottom() - 1 - y)};
  const BarDock edges[] = {BarDock::kLeft, BarDock::kRight, BarDock::kTop, BarDock::kBottom};
  int best = 0;
  for (int i = 1; i < 4; ++i) {
    if (distance[i] < distance[best]) best = i;
  }
  if (distance[best] > kDockZone) return BarDrop{true, place.dock};
  return BarDrop{false, edges[best]};
}

PixelRect DockedRect(const BarPlace& place, BarDock dock, const PixelRect& area) {
  // The documents beside it keep at least kMinimumExtent pixels.
  const int width = std::min(place.sideWidth, std::max(0, area.width - kMinimumExtent));
  const int height = std::min(place.edgeHeight, std::max(0, area.height - kMinimumExtent));
  switch (dock) {
    case BarDock::kLeft:
      return PixelRect{area.x, area.y, width, area.height};
    case BarDock::kRight:
      return PixelRect{area.right() - width, area.y, width, area.height};
    case BarDock::kTop:
      return PixelRect{area.x, area.y, area.width, height};
    case BarDock::kBottom:
      return PixelRect{area.x, area.bottom() - height, area.width, height};
  }
  return area;
}

PixelRect RestOf(const BarPlace& place, const PixelRect& area, bool shown) {
  if (!shown || place.floating) return area;
  const PixelRect bar = DockedRect(place, place.dock, area);
  switch (place.dock) {
    case BarDock::kLeft:
      return PixelRect{bar.right(), area.y, area.width - bar.width, area.height};
    case BarDock::kRight:
      return PixelRect{area.x, area.y, area.width - bar.width, area.height};
    case BarDock::kTop:
      return PixelRect{area.x, bar.bottom(), area.width, area.height - bar.height};
    case BarDock::kBottom:
      return PixelRect{area.x, area.y, area.width, area.height - bar.height};
  }
  return area;
}

PixelRect PreviewRect(const BarPlace& place, const BarDrop& drop, const PixelRect& area, int x,
                      int y, int grabX, int grabY) {
  if (!drop.floating) return DockedRect(place, drop.dock, area);
  return PixelRect{x - grabX, y - grabY, place.floatRect.width, place.floatRect.height};
}

void FloatingGrab(const BarPlace& place, int grabX, int grabY, int* x, int* y) {
  const bool across = place.floating || place.dock == BarDock::kLeft || place.dock == BarDock::kRight;
  const int along = across ? grabX : grabY;
  const int room = std::max(0, place.floatRect.width - bar_layout::kCloseSize - 2 * bar_layout::kMargin - 1);
  *x = Clamp(along, bar_layout::kMargin, room);
  *y = bar_layout::kMargin + bar_layout::kGripperSize / 2;
}

BarPlace Dropped(BarPlace place, const BarDrop& drop, const PixelRect& preview) {
  place.floating = drop.floating;
  if (drop.floating) {
    place.floatRect = preview;
    place.floatPlaced = true;
  } else {
    place.dock = drop.dock;
  }
  return place;
}

PixelRect KeepOnScreen(const PixelRect& rect, const PixelRect& screen) {
  PixelRect out = rect;
  out.width = std::max(out.width, kMinimumExtent);
  out.height = std::max(out.height, kMinimumExtent);
  // Inside the screen where it fits; otherwise its top-left corner on the screen.
  out.x = Clamp(out.x, screen.x, screen.right() - out.width);
  out.y = Clamp(out.y, screen.y, screen.bottom() - out.height);
  return out;
}

std::string Format(const BarPlace& place) {
  std::string where = kFloat;
  if (!place.floating) {
    for (const EdgeName& edge : kEdges) {
      if (edge.dock == place.dock) where = edge.name;
    }
  }
  std::string text = where + "," + std::to_string(place.sideWidth) + "," +
                     std::to_string(place.edgeHeight) + ",";
  if (place.floatPlaced) {
    text += std::to_string(place.floatRect.x) + "," + std::to_string(place.floatRect.y);
  } else {
    text += ",";
  }
  return text + "," + std::to_string(place.floatRect.width) + "," +
         std::to_string(place.floatRect.height);
}

BarPlace Parse(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    fields.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  fields.resize(std::max<std::size_t>(fields.size(), 7));

  BarPlace place;
  const std::string where = Lower(Trim(fields[0]));
  if (where == kFloat) place.floating = true;
  for (const EdgeName& edge : kEdges) {
    if (where == edge.name) place.dock = edge.dock;
  }
  ReadNumber(fields[1], kMinimumExtent, kMaximumExtent, &place.sideWidth);
  ReadNumber(fields[2], kMinimumExtent, kMaximumExtent, &place.edgeHeight);
  int x = 0;
  int y = 0;
  if (ReadNumber(fields[3], -kCoordinateLimit, kCoordinateLimit, &x) &&
      ReadNumber(fields[4], -kCoordinateLimit, kCoordinateLimit, &y)) {
    place.floatRect.x = x;
    place.floatRect.y = y;
    place.floatPlaced = true;
  }
  ReadNumber(fields[5], kMinimumExtent, kMaximumExtent, &place.floatRect.width);
  ReadNumber(fields[6], kMinimumExtent, kMaximumExtent, &place.floatRect.height);
  return place;
}

}  // namespace bar_place

}  // namespace tablora
