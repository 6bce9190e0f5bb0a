#pragma once

#include <string>
#include <vector>

#include "ui/pixel_rect.h"
#include "ui/relation_router.h"

namespace tablora::testing {

/// What is wrong with a routed line, "" when nothing: a diagonal or empty path, an end that
/// is not beside its window within its band, a first or last segment that is not
/// horizontal, and (for a clear line) a segment that touches a window.
std::string LineFaults(const std::vector<PixelRect>& windows, const RouteRequest& request,
                       const RoutedLine& line);
/// The longest stretch two lines run on top of each other, in pixels (0 when they only
/// cross or touch).
int LongestOverlap(const RoutePath& a, const RoutePath& b);
int Bends(const RoutePath& path);
/// "(x,y) (x,y) ...": a path in a failure message.
std::string PathText(const RoutePath& path);

}  // namespace tablora::testing
