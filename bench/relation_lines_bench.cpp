// Relationship lines on a design of 5,000 tables and 5,000 foreign keys: routing every
// line, one step of a window dragged with its lines, and the arrangement by relations.
#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "ui/arrange_layout.h"
#include "ui/relation_layout.h"
#include "ui/relation_lines.h"

namespace {

constexpr int kTables = 5000;
constexpr int kKeys = 5000;
constexpr int kRow = 17;

struct Design {
  std::vector<tablora::ArrangeLayout::Content> content;
  std::vector<tablora::Relation> relations;
  std::vector<std::pair<int, int>> links;
  std::vector<int> columns;
};

/// Tables of 3 to 14 columns; most keys refer to a table near the child in the list (as
/// tables of one module are), a few to itself and, with `hubs`, 15 % to the first ten
/// tables (those everything refers to: lines across the whole design).
Design Make(bool hubs) {
  Design d;
  std::mt19937 random(28);
  for (int t = 0; t < kTables; ++t) {
    d.columns.push_back(3 + static_cast<int>(random() % 12));
    d.content.push_back({230, kRow * (d.columns.back() + 1)});
  }
  for (int k = 0; k < kKeys; ++k) {
    tablora::Relation r;
    r.child = static_cast<int>(random() % kTables);
    const int kind = static_cast<int>(random() % 20);
    r.parent = kind == 0 ? r.child
               : hubs && kind < 4
                   ? static_cast<int>(random() % 10)
                   : std::clamp(r.child + static_cast<int>(random() % 41) - 20, 0, kTables - 1);
    r.childColumns = {1 + static_cast<int>(random() % (d.columns[r.child] - 1))};
    r.parentColumns = {0};
    r.optional = random() % 3 == 0;
    d.relations.push_back(r);
    d.links.emplace_back(r.child, r.parent);
  }
  return d;
}

const Design& MakeDesign(bool hubs = true) {
  static const Design withHubs = Make(true);
  static const Design local = Make(false);
  return hubs ? withHubs : local;
}

tablora::ArrangeOptions Options() {
  tablora::ArrangeOptions options;
  options.tablesPerRow = 40;
  options.width = 240;
  options.wholeDisplay = true;
  return options;
}

const tablora::ArrangeMetrics kMetrics{150, 20, 30, 1000};

/// The windows as lines see them: a title row, then one row per column.
std::vector<tablora::RelationWindow> Windows(const tablora::Arrangement& arrangement) {
  const Design& d = MakeDesign();
  std::vector<tablora::RelationWindow> windows(kTables);
  for (const tablora::ArrangedWindow& a : arrangement.windows) {
    tablora::RelationWindow& w = windows[a.table];
    w.rect = a.rect;
    w.title = {a.rect.y + 2, a.rect.y + kRow};
    for (int c = 0; c < d.columns[a.table]; ++c) {
      const int top = a.rect.y + 2 + kRow * (c + 1);
      w.columns.push_back({top + 2, top + kRow - 3});
    }
  }
  return windows;
}

const tablora::Arrangement& Grid() {
  static const tablora::Arrangement grid = tablora::ArrangeLayout::Compute(
      Options(), kMetrics, tablora::ArrangeLayout::ListRun(kTables), MakeDesign().content);
  return grid;
}

void RouteAllLines(benchmark::State& state) {
  const bool hubs = state.range(0) != 0;
  const std::vector<tablora::RelationWindow> windows = Windows(Grid());
  int clear = 0;
  for (auto _ : state) {
    tablora::RelationLines lines;
    lines.SetRelations(MakeDesign(hubs).relations);
    lines.Update(windows);
    clear = 0;
    for (const auto& line : lines.lines()) clear += line.route.clear ? 1 : 0;
    benchmark::DoNotOptimize(clear);
  }
  state.counters["lines"] = kKeys;
  state.counters["clear"] = clear;
}
BENCHMARK(RouteAllLines)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

/// One pointer step of a window dragged 7 pixels right and down: the lines routed again
/// as the view does while a window moves.
void DragStep(benchmark::State& state) {
  std::vector<tablora::RelationWindow> windows = Windows(Grid());
  tablora::RelationLines lines;
  lines.SetRelations(MakeDesign().relations);
  lines.Update(windows);
  const int moving = 2 * 40 + 17;  // a window inside the grid, with neighbours on all sides
  int step = 0;
  for (auto _ : state) {
    const int d = (step++ % 2 == 0) ? 7 : -7;
    tablora::RelationWindow& w = windows[moving];
    w.rect.x += d;
    w.rect.y += d;
    w.title.first += d;
    w.title.second += d;
    for (auto& band : w.columns) band.first += d, band.second += d;
    benchmark::DoNotOptimize(lines.Update(windows, moving));
  }
}
BENCHMARK(DragStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void ArrangeByRelations(benchmark::State& state) {
  const Design& d = MakeDesign();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        tablora::RelationLayout::Compute(Options(), kMetrics, d.links, d.content));
  }
}
BENCHMARK(ArrangeByRelations)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
