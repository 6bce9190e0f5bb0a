// Cost of building the comment script files of a large design.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/settings.h"
#include "db/writeback/comment_script.h"

namespace tablora {
namespace {

constexpr int kTables = 5000;
constexpr int kColumns = 20;

std::vector<TableDesign> BenchTables() {
  std::vector<TableDesign> tables(kTables);
  for (int t = 0; t < kTables; ++t) {
    TableDesign& table = tables[t];
    table.actualName = "t_" + std::to_string(t);
    table.displayName = "table " + std::to_string(t);
    table.comment = "comment of table " + std::to_string(t) + "(\xd7\xe9)group";
    table.owner = t % 2 == 0 ? "" : "sales";
    for (int c = 0; c < kColumns; ++c) {
      ColumnDesign column;
      column.actualName = "col_" + std::to_string(c);
      column.displayName = c % 4 == 0 ? column.actualName : "column " + std::to_string(c);
      column.note = c % 3 == 0 ? "" : "it's note " + std::to_string(c);
      table.columns.push_back(std::move(column));
    }
  }
  return tables;
}

/// Tables and columns of 5,000 tables, as "产生所有注释(&B)" writes them (argument: kind).
void BM_AllCommentScript(benchmark::State& state) {
  const std::vector<TableDesign> tables = BenchTables();
  const int kind = static_cast<int>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = CommentScript::Build(tables, kind, false);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_AllCommentScript)->Arg(kSqlServer)->Arg(kOracle)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tablora
