#include "ui/zoom_levels.h"

#include <algorithm>
#include <iterator>

namespace tablora {

namespace {
constexpr int kSteps[] = {25, 33, 50, 67, 75, 90, 100, 110, 125, 150, 175, 200};
}  // namespace

int ZoomLevels::Clamp(int percent) { return std::clamp(percent, kMin, kMax); }

int ZoomLevels::Larger(int percent) {
  for (int step : kSteps) {
    if (step > percent) return step;
  }
  return kMax;
}

int ZoomLevels::Smaller(int percent) {
  for (auto it = std::rbegin(kSteps); it != std::rend(kSteps); ++it) {
    if (*it < percent) return *it;
  }
  return kMin;
}

int ZoomLevels::Fit(int contentWidth, int contentHeight, int clientWidth, int clientHeight) {
  if (contentWidth <= 0 || contentHeight <= 0) return kActual;
  const long long across = 100LL * std::max(clientWidth, 0) / contentWidth;
  const long long down = 100LL * std::max(clientHeight, 0) / contentHeight;
  return Clamp(static_cast<int>(std::min({across, down, static_cast<long long>(kMax)})));
}

}  // namespace tablora
