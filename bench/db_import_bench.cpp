// Schema import: 5,000 SQLite tables of 20 columns into a design, the same without the
// design's table windows and editors (the database part), and the Northwind file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "base/settings_loader.h"
#include "db/access/connection_state.h"
#include "db/access/odbc_connection.h"
#include "db/import/schema_import.h"
#include "model/design.h"
#include "model/script_parser.h"

namespace tablora {
namespace {

const std::string kResources = TABLORA_BENCH_SOURCE_DIR "/resources";

/// A view that is closed: definitions are appended but no table is created.
class ClosedView : public HeadlessDesignView {
 public:
  bool IsOpen() const override { return false; }
};

const std::string& LargeSqlite() {
  static const std::string connection = [] {
    const std::string path = "/tmp/tablora_bench_5000.db";
    std::remove(path.c_str());
    const std::string text = "Driver=SQLite3;NoCreat=0;Database=" + path;
    OdbcConnection db;
    db.Open(text);
    db.Execute("BEGIN");
    for (int t = 0; t < 5000; ++t) {
      std::string sql = "CREATE TABLE t" + std::to_string(t) + " (id INTEGER PRIMARY KEY";
      for (int c = 1; c < 20; ++c)
        sql += ", c" + std::to_string(c) + (c % 3 == 0 ? " int" : " varchar(40) NOT NULL");
      db.Execute(sql + ")");
    }
    db.Execute("COMMIT");
    return text;
  }();
  return connection;
}

void Import(benchmark::State& state, const std::string& connection, int kind, bool windows) {
  SilentPrompts prompts(false, false);
  AppState app;
  app.settings = LoadSettingsFile(kResources);
  ScriptParser parser(kResources, &prompts);
  parser.LoadPatterns();
  std::size_t tables = 0;
  for (auto _ : state) {
    ClosedView closed;
    Design design(app, prompts, parser, windows ? nullptr : &closed);
    ConnectionState shared;
    shared.sharedConnection = std::make_unique<OdbcConnection>();
    ImportRequest request;
    request.kind = kind;
    if (kind == kAccess) {
      request.database = connection;
    } else {
      shared.connectionMode = ConnectionState::kDataLink;
      shared.sharedConnection->setConnectionString(connection);
    }
    if (!SchemaImport(design, shared).Run(request)) state.SkipWithError("import failed");
    tables = design.definitions().size();
  }
  state.counters["tables"] = static_cast<double>(tables);
}

void BM_ImportSqlite5000IntoDesign(benchmark::State& state) {
  Import(state, LargeSqlite(), kSqlServer, true);
}
void BM_ImportSqlite5000DatabasePart(benchmark::State& state) {
  Import(state, LargeSqlite(), kSqlServer, false);
}
/// The shared fixture beside the checkout, or beside a folder of worktrees.
std::string NwindPath() {
  const std::string near = TABLORA_BENCH_SOURCE_DIR "/../shared/fixtures/nwind.mdb";
  if (std::FILE* f = std::fopen(near.c_str(), "rb")) {
    std::fclose(f);
    return near;
  }
  return TABLORA_BENCH_SOURCE_DIR "/../../shared/fixtures/nwind.mdb";
}

void BM_ImportNorthwind(benchmark::State& state) {
  const std::string nwind = NwindPath();
  if (std::FILE* f = std::fopen(nwind.c_str(), "rb")) {
    std::fclose(f);
    Import(state, nwind, kAccess, true);
  } else {
    state.SkipWithError(("shared fixture " + nwind + " is missing").c_str());
  }
}

BENCHMARK(BM_ImportSqlite5000IntoDesign)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_ImportSqlite5000DatabasePart)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_ImportNorthwind)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace
}  // namespace tablora
