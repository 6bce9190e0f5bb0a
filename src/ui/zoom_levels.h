#pragma once

namespace tablora {

/// The design view's display scale in per cent: from kMin to kMax, stepped through a fixed
/// ladder by the zoom commands and the wheel; "fit" may land between two steps.
class ZoomLevels {
 public:
  static constexpr int kMin = 25;
  static constexpr int kMax = 200;
  static constexpr int kActual = 100;

  static int Clamp(int percent);
  /// The next step above (below) `percent`; the limit itself at the limit.
  static int Larger(int percent);
  static int Smaller(int percent);
  /// The largest scale at which `contentWidth` x `contentHeight` pixels fit a client area of
  /// `clientWidth` x `clientHeight`, within the limits; kActual when there is no content.
  static int Fit(int contentWidth, int contentHeight, int clientWidth, int clientHeight);
};

}  // namespace tablora
