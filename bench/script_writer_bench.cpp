// Cost of building designs through the table editors and of saving them as scripts.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "model/design.h"
#include "model/script_parser.h"
#include "model/script_writer.h"
#include "support/editor_settings.h"

namespace tablora {
namespace {

constexpr int kColumns = 20;

TableDesign BenchTable(int t) {
  TableDesign table;
  table.actualName = "t_" + std::to_string(t);
  table.displayName = "table " + std::to_string(t);
  table.comment = "comment of table " + std::to_string(t);
  for (int c = 0; c < kColumns; ++c) {
    ColumnDesign column;
    column.actualName = "col_" + std::to_string(c);
    column.displayName = "column " + std::to_string(c);
    column.typeName = c % 3 == 0 ? "int" : c % 3 == 1 ? "varchar" : "decimal";
    column.length = c % 3 == 1 ? 50 : c % 3 == 2 ? 10 : 0;
    column.scale = c % 3 == 2 ? 2 : 0;
    column.nullable = c % 2 == 1;
    column.primaryKey = c == 0;
    column.note = "note " + std::to_string(c);
    if (c == 1 && t > 0) {
      column.foreignKey = true;
      column.foreignKeyRef = std::make_unique<ForeignKeyRef>(
          ForeignKeyRef{"FK_" + std::to_string(t), "t_" + std::to_string(t - 1), "col_0"});
    }
    table.columns.push_back(std::move(column));
  }
  return table;
}

/// The shipped pattern files, beside this source in the repository.
std::string ProgramFolder() {
  const std::string source = __FILE__;
  return source.substr(0, source.find_last_of('/') + 1) + "../resources";
}

struct BenchDesign {
  AppState app;
  SilentPrompts prompts;
  ScriptParser parser{ProgramFolder()};
  Design design{app, prompts, parser};

  explicit BenchDesign(int tables) {
    app.settings = testing::EditorSettings();
    for (int t = 0; t < tables; ++t) {
      design.definitions().push_back(BenchTable(t));
      design.AddTable(false, t);
    }
  }
};

/// Appending definitions and creating their tables: each editor is filled, builds its
/// SQL text and parses it back.
void BM_BuildDesign(benchmark::State& state) {
  for (auto _ : state) {
    BenchDesign bench(static_cast<int>(state.range(0)));
    if (bench.design.definitions().empty() || bench.design.editor(0).tableText().empty()) {
      state.SkipWithError("no table was built");
    }
    benchmark::DoNotOptimize(bench.design.definitions().data());
  }
  state.SetComplexityN(state.range(0));
}

/// Saving every table: refresh of all definitions, layout block, tables, comment
/// statements, ALTER TABLE statements, CR LF file written and renamed.
void BM_SaveScript(benchmark::State& state) {
  BenchDesign bench(static_cast<int>(state.range(0)));
  const std::string path = "/tmp/tablora_writer_bench_" + std::to_string(::getpid()) + ".sql";
  const ScriptWriter writer(bench.app);
  for (auto _ : state) {
    if (!writer.SaveScript(bench.design, bench.prompts, path, -1))
      state.SkipWithError("save failed");
  }
  std::remove(path.c_str());
  state.SetComplexityN(state.range(0));
}

/// The script text alone (refresh included), without the file.
void BM_BuildScript(benchmark::State& state) {
  BenchDesign bench(static_cast<int>(state.range(0)));
  const ScriptWriter writer(bench.app);
  for (auto _ : state) {
    const std::string script = writer.BuildScript(bench.design, -1);
    if (script.empty()) state.SkipWithError("no script");
    benchmark::DoNotOptimize(script.data());
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_BuildDesign)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_BuildScript)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_SaveScript)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
}  // namespace tablora
