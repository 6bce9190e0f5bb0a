#include "ui/relation_layout.h"

#include <algorithm>
#include <numeric>

namespace tablora {

namespace {

/// Sweeps that reorder each layer by the mean place of its neighbours in the layers next.
constexpr int kOrderSweeps = 4;

struct Graph {
  std::vector<std::vector<int>> parents;   ///< tables each table refers to
  std::vector<std::vector<int>> children;  ///< tables that refer to each table
};

/// Members of each group of tables that relations join, groups of two or more only, each
/// in table order; the largest group first.
std::vector<std::vector<int>> Groups(const Graph& graph, int count) {
  std::vector<int> root(count);
  std::iota(root.begin(), root.end(), 0);
  const auto find = [&root](int v) {
    while (root[v] != v) v = root[v] = root[root[v]];
    return v;
  };
  for (int v = 0; v < count; ++v) {
    for (int p : graph.parents[v]) root[find(v)] = find(p);
  }
  std::vector<int> slot(count, -1);
  std::vector<std::vector<int>> groups;
  for (int v = 0; v < count; ++v) {
    const int r = find(v);
    if (slot[r] < 0) {
      slot[r] = static_cast<int>(groups.size());
      groups.emplace_back();
    }
    groups[slot[r]].push_back(v);
  }
  groups.erase(std::remove_if(groups.begin(), groups.end(),
                              [](const std::vector<int>& g) { return g.size() < 2; }),
               groups.end());
  std::stable_sort(groups.begin(), groups.end(),
                   [](const std::vector<int>& a, const std::vector<int>& b) { return a.size() > b.size(); });
  return groups;
}

/// The layer of each member: 0 for tables that refer to none, each other table one below
/// the lowest table it refers to; a table referred to only lower down moves down to sit
/// just above the highest table that refers to it. References that close a cycle are left
/// out (found by a depth-first walk in table order).
void Layers(const Graph& graph, const std::vector<int>& members, std::vector<int>& layer) {
  // Depth-first order over "refers to": a reference to a table still on the walk's path
  // closes a cycle.
  std::vector<int> state(layer.size(), 0);  // 0 unseen, 1 on the path, 2 done
  std::vector<int> finished;
  std::vector<std::pair<int, std::size_t>> stack;
  std::vector<std::vector<int>> kept(layer.size());
  for (int start : members) {
    if (state[start] != 0) continue;
    stack.push_back({start, 0});
    state[start] = 1;
    while (!stack.empty()) {
      auto& [v, next] = stack.back();
      if (next < graph.parents[v].size()) {
        const int p = graph.parents[v][next++];
        if (state[p] == 1) continue;  // closes a cycle
        kept[v].push_back(p);
        if (state[p] == 0) {
          state[p] = 1;
          stack.push_back({p, 0});
        }
        continue;
      }
      state[v] = 2;
      finished.push_back(v);
      stack.pop_back();
    }
  }
  // Finished order puts every referenced table before the tables that refer to it.
  for (int v : finished) {
    layer[v] = 0;
    for (int p : kept[v]) layer[v] = std::max(layer[v], layer[p] + 1);
  }
  std::vector<int> nearestChild(layer.size(), -1);
  for (int v : finished) {
    for (int p : kept[v]) {
      nearestChild[p] = nearestChild[p] < 0 ? layer[v] : std::min(nearestChild[p], layer[v]);
    }
  }
  for (auto it = finished.rbegin(); it != finished.rend(); ++it) {
    const int v = *it;
    if (kept[v].empty() && nearestChild[v] > 0) layer[v] = nearestChild[v] - 1;
  }
}

/// Orders each layer so that tables sit near the tables they are joined to.
void OrderLayers(const Graph& graph, std::vector<std::vector<int>>& layers,
                 const std::vector<int>& layer) {
  std::vector<double> place(layer.size(), 0.0);
  const auto number = [&place](const std::vector<int>& row) {
    for (std::size_t i = 0; i < row.size(); ++i) place[row[i]] = (i + 0.5) / row.size();
  };
  for (const auto& row : layers) number(row);
  const auto sortBy = [&](std::vector<int>& row, bool fromAbove) {
    std::vector<std::pair<double, int>> keyed;
    for (int v : row) {
      double sum = 0;
      int n = 0;
      for (int u : graph.parents[v]) {
        if ((layer[u] < layer[v]) == fromAbove && layer[u] != layer[v]) sum += place[u], ++n;
      }
      for (int u : graph.children[v]) {
        if ((layer[u] < layer[v]) == fromAbove && layer[u] != layer[v]) sum += place[u], ++n;
      }
      keyed.push_back({n > 0 ? sum / n : place[v], v});
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = keyed[i].second;
    number(row);
  };
  for (int sweep = 0; sweep < kOrderSweeps; ++sweep) {
    for (std::size_t l = 1; l < layers.size(); ++l) sortBy(layers[l], true);
    for (std::size_t l = layers.size(); l-- > 1;) sortBy(layers[l - 1], false);
  }
}

}  // namespace

Arrangement RelationLayout::Compute(const ArrangeOptions& options, const ArrangeMetrics& metrics,
                                    const std::vector<std::pair<int, int>>& links,
                                    const std::vector<ArrangeLayout::Content>& content) {
  Arrangement result;
  result.scrollHeight = metrics.scrollHeight;
  const int count = static_cast<int>(content.size());
  if (options.tablesPerRow < 1 || count == 0) return result;
  const int perRow = options.tablesPerRow;

  // The sizes arrange gives each window.
  ArrangeOptions single = options;
  single.tablesPerRow = 1;
  single.alignRows = false;
  const Arrangement sized =
      ArrangeLayout::Compute(single, metrics, ArrangeLayout::ListRun(count), content);
  std::vector<ArrangedWindow> window(count);
  for (const ArrangedWindow& w : sized.windows) window[w.table] = w;

  Graph graph;
  graph.parents.resize(count);
  graph.children.resize(count);
  for (const auto& [child, parent] : links) {
    if (child == parent || child < 0 || parent < 0 || child >= count || parent >= count) continue;
    auto& up = graph.parents[child];
    if (std::find(up.begin(), up.end(), parent) != up.end()) continue;
    up.push_back(parent);
    graph.children[parent].push_back(child);
  }

  std::vector<int> layer(count, 0);
  std::vector<bool> placed(count, false);
  int shelfX = 0;
  int shelfY = 0;
  int shelfBottom = 0;
  const int band = perRow * (options.width + metrics.marginW);
  int right = 0;
  for (const std::vector<int>& group : Groups(graph, count)) {
    Layers(graph, group, layer);
    int deepest = 0;
    for (int v : group) deepest = std::max(deepest, layer[v]);
    std::vector<std::vector<int>> layers(deepest + 1);
    for (int v : group) layers[layer[v]].push_back(v);
    OrderLayers(graph, layers, layer);

    // Each layer in rows of at most `perRow` windows, as even as they come.
    struct Row {
      std::vector<int> tables;
      int width = 0;
      int height = 0;
    };
    std::vector<Row> rows;
    for (const std::vector<int>& tables : layers) {
      if (tables.empty()) continue;
      const int n = static_cast<int>(tables.size());
      const int rowCount = (n + perRow - 1) / perRow;
      const int size = (n + rowCount - 1) / rowCount;
      for (int start = 0; start < n; start += size) {
        Row row;
        for (int i = start; i < std::min(n, start + size); ++i) {
          const PixelRect& r = window[tables[i]].rect;
          row.width += (row.tables.empty() ? 0 : metrics.marginW) + r.width;
          row.height = std::max(row.height, r.height);
          row.tables.push_back(tables[i]);
        }
        rows.push_back(std::move(row));
      }
    }
    int width = 0;
    int height = 0;
    for (const Row& row : rows) {
      width = std::max(width, row.width);
      height += (height == 0 ? 0 : metrics.marginH) + row.height;
    }
    // Groups side by side on a shelf as wide as the rows arrange would make.
    if (shelfX > 0 && shelfX + width > band) {
      shelfX = 0;
      shelfY = shelfBottom + metrics.marginH;
    }
    int y = shelfY;
    for (const Row& row : rows) {
      int x = shelfX + (width - row.width) / 2;
      for (int t : row.tables) {
        ArrangedWindow w = window[t];
        w.rect.x = x;
        w.rect.y = y;
        x += w.rect.width + metrics.marginW;
        right = std::max(right, w.rect.right());
        result.windows.push_back(w);
        placed[t] = true;
      }
      y += row.height + metrics.marginH;
    }
    shelfBottom = std::max(shelfBottom, shelfY + height);
    shelfX += width + 2 * metrics.marginW;
  }

  // The rest in the arrange grid below.
  std::vector<int> rest;
  for (int t = 0; t < count; ++t) {
    if (!placed[t]) rest.push_back(t);
  }
  const int top = result.windows.empty() ? 0 : shelfBottom + metrics.marginH;
  result.tablesPerRow = std::min(perRow, count);
  if (!rest.empty()) {
    const Arrangement grid = ArrangeLayout::Compute(options, metrics, {rest}, content);
    for (ArrangedWindow w : grid.windows) {
      w.rect.y += top;
      right = std::max(right, w.rect.right());
      result.windows.push_back(w);
    }
  }
  int bottom = 0;
  for (const ArrangedWindow& w : result.windows) bottom = std::max(bottom, w.rect.bottom());
  if (bottom > result.scrollHeight - 10) result.scrollHeight = bottom + 800;
  result.scrollWidth = std::max(10000, right);
  return result;
}

}  // namespace tablora
