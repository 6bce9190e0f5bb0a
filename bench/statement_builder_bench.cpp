// Opening a statement builder and its join window on a large design: the table box texts,
// the first table's field lists, the first statement, and the join window's table lists.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "gen/join_window_model.h"
#include "gen/statement_builder.h"

namespace {

using tablora::ColumnDesign;
using tablora::TableDesign;

std::vector<TableDesign> Design(int tables) {
  std::vector<TableDesign> design(tables);
  for (int t = 0; t < tables; ++t) {
    TableDesign& table = design[t];
    table.actualName = "Table" + std::to_string(t);
    table.displayName = "\xB1\xED" + std::to_string(t);  // "表" in code page 936
    for (int c = 0; c < 20; ++c) {
      ColumnDesign column;
      column.actualName = "Field" + std::to_string(c);
      column.displayName = "\xD7\xD6\xB6\xCE" + std::to_string(c);  // "字段"
      column.typeName = c % 2 ? "varchar" : "int";
      column.length = c % 2 ? 20 : 0;
      table.columns.push_back(column);
    }
  }
  return design;
}

void BM_OpenBuilderAndJoinWindow(benchmark::State& state) {
  const std::vector<TableDesign> design = Design(static_cast<int>(state.range(0)));
  auto definitions = [&design]() -> const std::vector<TableDesign>& { return design; };
  for (auto _ : state) {
    tablora::StatementBuilder builder(tablora::StatementKind::kSelect, 0, definitions);
    builder.ChooseAll();
    benchmark::DoNotOptimize(builder.TableBoxItems());
    // The join window lists every table in each of its six boxes.
    tablora::JoinWindowModel join(0);
    std::vector<std::string> items;
    for (int box = 0; box < tablora::JoinWindowModel::kBoxes; ++box) {
      items = builder.TableBoxItems();
    }
    benchmark::DoNotOptimize(items);
    benchmark::DoNotOptimize(builder.Rebuild());
  }
}
BENCHMARK(BM_OpenBuilderAndJoinWindow)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
