// The query window's grid model filled from a 100,000-row result: through the SQLite driver
// (counted, asked, run again and read), and from a result already in memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/result_grid_model.h"
#include "base/prompts.h"
#include "db/access/odbc_connection.h"
#include "db/access/recording_connection.h"
#include "db/query/query_runner.h"
#include "ui/grid_model.h"

namespace tablora {
namespace {

constexpr int kRows = 100000;
const char* const kSelect = "SELECT * FROM rows_100k";

/// An SQLite file with a table of 100,000 rows of six columns.
const std::string& Rows100k() {
  static const std::string connection = [] {
    const std::string path = "/tmp/tablora_bench_query_100k.db";
    std::remove(path.c_str());
    const std::string text = "Driver=SQLite3;NoCreat=0;Database=" + path;
    OdbcConnection db;
    db.Open(text);
    db.Execute(
        "CREATE TABLE rows_100k (id int, name varchar(40), city varchar(30), amount "
        "decimal(10,2), ratio double, created datetime)");
    db.Execute(
        "INSERT INTO rows_100k WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
        "WHERE i < 100000) SELECT i, 'customer ' || i, 'city ' || (i % 97), i * 1.25, i / 7.0, "
        "'2024-01-01 10:00:00' FROM n");
    return text;
  }();
  return connection;
}

void FillFromSqlite(benchmark::State& state) {
  OdbcConnection db;
  if (!db.Open(Rows100k())) state.SkipWithError("no SQLite driver");
  SilentPrompts yes(true, false);
  for (auto _ : state) {
    GridModel grid;
    ResultGridModel result(grid);
    const QueryOutcome outcome = QueryRunner(db, yes).Run(kSelect, result);
    if (outcome.shown != kRows) state.SkipWithError("not every row was shown");
    benchmark::DoNotOptimize(grid.GetRowCount());
  }
}
BENCHMARK(FillFromSqlite)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

/// The same rows answered from memory: the grid model's share alone.
void FillFromMemory(benchmark::State& state) {
  ResultSet rows;
  OdbcConnection db;
  if (!db.Open(Rows100k()) || !db.Query(kSelect, rows)) state.SkipWithError("no SQLite driver");
  RecordingConnection memory;
  memory.Open("memory");
  SilentPrompts yes(true, false);
  for (auto _ : state) {
    state.PauseTiming();
    memory.Answer(kSelect, rows);
    state.ResumeTiming();
    GridModel grid;
    ResultGridModel result(grid);
    const QueryOutcome outcome = QueryRunner(memory, yes).Run(kSelect, result);
    if (outcome.shown != kRows) state.SkipWithError("not every row was shown");
    benchmark::DoNotOptimize(grid.GetRowCount());
  }
}
BENCHMARK(FillFromMemory)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace tablora
