#include "ui/arrange_layout.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <numeric>

#include "base/text_codec.h"

namespace tablora {

Arrangement ArrangeLayout::Compute(const ArrangeOptions& options, const ArrangeMetrics& metrics,
                                   const std::vector<std::vector<int>>& runs,
                                   const std::vector<Content>& content) {
  Arrangement result;
  result.scrollHeight = metrics.scrollHeight;
  const int tableCount = static_cast<int>(content.size());
  if (options.tablesPerRow < 1 || tableCount == 0) return result;
  const int slots = std::min(options.tablesPerRow, tableCount);
  result.tablesPerRow = slots;

  std::vector<int> colY(slots, 0);
  std::vector<int> rowW(slots, 0);
  std::vector<bool> placed(tableCount, false);
  long long k = 0;
  int right = 0;
  bool firstRun = true;
  auto alignAll = [&] {
    std::fill(colY.begin(), colY.end(), *std::max_element(colY.begin(), colY.end()));
  };

  for (const std::vector<int>& run : runs) {
    bool started = false;
    for (int table : run) {
      if (table < 0 || table >= tableCount || placed[table]) continue;
      placed[table] = true;
      if (!started) {
        started = true;
        if (!firstRun && k % slots != 0) {
          alignAll();
          k += slots - k % slots;
        }
        firstRun = false;
      }
      const int j = static_cast<int>(k % slots);
      if (j == 0) std::fill(rowW.begin(), rowW.end(), 0);
      const int x = std::accumulate(rowW.begin(), rowW.end(), 0);
      const Content& c = content[table];
      ArrangedWindow window;
      window.table = table;
      if (options.wholeDisplay) {
        window.wholeBox = true;
        window.rect = {x, colY[j], c.width + 5, c.height + 5};
        rowW[j] = c.width + metrics.marginW + 5;
        colY[j] += c.height + metrics.marginH + 5;
      } else {
        int h = std::min(metrics.height, c.height + 5);
        // A window cut at the height has a vertical scroll bar: room for it, as the size
        // rule gives, so that it hides no column.
        const int natural = c.width + 5 + (h < c.height + 5 ? metrics.scrollBar : 0);
        if (options.width >= natural || metrics.contentWidth) {
          window.rect = {x, colY[j], natural, h};
          rowW[j] = natural + metrics.marginW;
        } else {
          // Cut at the width: a horizontal scroll bar, below the rows when all of them show.
          if (h == c.height + 5) h += metrics.scrollBar;
          window.rect = {x, colY[j], options.width, h};
          rowW[j] = options.width + metrics.marginW;
        }
        colY[j] += h + metrics.marginH;
      }
      right = std::max(right, window.rect.x + window.rect.width);
      result.windows.push_back(window);
      if (colY[j] > result.scrollHeight - 10) result.scrollHeight = colY[j] + 800;
      if (options.alignRows && slots > 1 && j == slots - 1) alignAll();
      ++k;
    }
  }
  result.scrollWidth = std::max(10000, right);
  return result;
}

std::vector<std::vector<int>> ArrangeLayout::GroupRuns(const std::vector<std::vector<int>>& groups,
                                                       int tableCount) {
  std::vector<std::vector<int>> runs;
  std::vector<bool> held(std::max(tableCount, 0), false);
  for (const std::vector<int>& group : groups) {
    if (group.empty()) continue;
    runs.push_back(group);
    for (int table : group) {
      if (table >= 0 && table < tableCount) held[table] = true;
    }
  }
  std::vector<int> rest;
  for (int i = 0; i < tableCount; ++i) {
    if (!held[i]) rest.push_back(i);
  }
  if (!rest.empty()) runs.push_back(std::move(rest));
  return runs;
}

namespace {
/// An int with optional blanks around it and an optional sign, nothing else.
bool ParseInt(const std::string& text, int& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(begin, &end, 10);
  if (end == begin || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  value = static_cast<int>(parsed);
  return true;
}
}  // namespace

std::string ArrangeLayout::ReadEntries(const std::string& tablesPerRow, const std::string& width,
                                       ArrangeOptions& options) {
  int perRow = 0;
  int w = 0;
  if (!ParseInt(tablesPerRow, perRow) || !ParseInt(width, w)) return Cp936(u8"请键入一个整数。");
  if (w < 1) return Cp936(u8"宽度不正确!要大于1");
  options.tablesPerRow = perRow;
  options.width = w;
  return {};
}

std::vector<std::vector<int>> ArrangeLayout::ListRun(int tableCount) {
  std::vector<int> all(std::max(tableCount, 0));
  std::iota(all.begin(), all.end(), 0);
  return {all};
}

}  // namespace tablora
