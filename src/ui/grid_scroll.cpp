#include "ui/grid_scroll.h"

#include <algorithm>

namespace tablora {

ScrollAxis GridScroll::Axis(int clientExtent, int fixedExtent, int contentExtent) {
  ScrollAxis axis;
  axis.page = std::max(clientExtent - fixedExtent, 0);
  const int scrollable = contentExtent - fixedExtent;
  axis.range = scrollable > axis.page ? scrollable - 1 : 0;
  return axis;
}

WheelScroll GridScroll::Wheel(int delta, int wheelLines) {
  if (wheelLines == kWheelPage) return {true, -(delta / kWheelDelta)};
  return {false, -(delta * wheelLines / kWheelDelta)};
}

}  // namespace tablora
