#pragma once

#include <utility>
#include <vector>

#include "ui/arrange_layout.h"

namespace tablora {

/// Arrange by relations ("按关系排列"): tables joined by foreign keys are laid out group by
/// group in layers, referenced tables above the tables that refer to them; the tables no
/// relation joins follow below in the arrange grid. Windows get the sizes arrange gives
/// them and keep the margins between them.
class RelationLayout {
 public:
  /// `links`: (referencing table, referenced table) pairs; a table's reference to itself
  /// and repeated pairs count once. Nothing is placed when tables per row is below 1.
  static Arrangement Compute(const ArrangeOptions& options, const ArrangeMetrics& metrics,
                             const std::vector<std::pair<int, int>>& links,
                             const std::vector<ArrangeLayout::Content>& content);
};

}  // namespace tablora
