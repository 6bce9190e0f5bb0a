// Costs of the grid core on a large query result: laying out and hit-testing on every
// paint and mouse move, and the clipboard texts of a big selection.
#include <benchmark/benchmark.h>

#include "ui/grid_clipboard.h"
#include "ui/grid_layout.h"
#include "ui/grid_selection.h"

namespace {

tablora::GridModel MakeResultGrid(int rows, int columns) {
  tablora::GridModel grid;
  grid.SetRowCount(rows);
  grid.SetColumnCount(columns);
  grid.SetFixedRowCount(1);
  grid.SetFixedColumnCount(1);
  for (int r = 1; r < rows; ++r)
    for (int c = 1; c < columns; ++c)
      grid.SetCellText(r, c, "value " + std::to_string(r * columns + c));
  return grid;
}

void LayoutAndHitTest(benchmark::State& state) {
  const tablora::GridModel grid = MakeResultGrid(static_cast<int>(state.range(0)), 14);
  for (auto _ : state) {
    const tablora::GridLayout layout(grid, 0, grid.ContentHeight() / 2);
    benchmark::DoNotOptimize(layout.HitTest(200, 300));
  }
}
BENCHMARK(LayoutAndHitTest)->Arg(1000)->Arg(10000)->Arg(100000);

void CopySelection(benchmark::State& state) {
  tablora::GridModel grid = MakeResultGrid(static_cast<int>(state.range(0)), 14);
  tablora::GridSelection(grid).SelectAll();
  for (auto _ : state) benchmark::DoNotOptimize(tablora::GridClipboard::CopyText(grid));
}
BENCHMARK(CopySelection)->Arg(1000)->Arg(10000);

void PasteLines(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < state.range(0); ++i) text += "a,b\tc,d\n";
  tablora::GridModel grid = MakeResultGrid(static_cast<int>(state.range(0)) + 1, 6);
  grid.SetFocusCellField({1, 1});
  for (auto _ : state) benchmark::DoNotOptimize(tablora::GridClipboard::Paste(grid, text));
}
BENCHMARK(PasteLines)->Arg(1000)->Arg(10000);

}  // namespace
