// Opening generated scripts through the whole open path the command-line tool takes
// (settings from the program folder, ScriptOpener::OpenScript), the parse alone for its
// throughput, and the floor both are held to: one Boost.Regex pass over the same text.
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "floor_reader.h"
#include "generated_script.h"
#include "model/design.h"
#include "model/layout_block.h"
#include "model/script_opener.h"
#include "model/script_parser.h"

namespace {

using namespace tablora;

const std::string kProgramFolder = std::string(TABLORA_BENCH_SOURCE_DIR) + "/resources";

/// Answers yes (replace the open design) and keeps quiet.
class QuietPrompts : public SilentPrompts {
 public:
  QuietPrompts() : SilentPrompts(true, false) {}
};

std::string Script(int tables) { return tablora::bench::GeneratedScript(tables); }

const std::string& ScriptFile(int tables) {
  static std::map<int, std::string> paths;
  auto& path = paths[tables];
  if (path.empty()) {
    path = "/tmp/tablora_reader_bench_" + std::to_string(tables) + ".sql";
    TextFile::WriteBytes(path, Script(tables));
  }
  return path;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void BM_OpenScript(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  const std::string& path = ScriptFile(tables);
  QuietPrompts prompts;
  ScriptParser parser(kProgramFolder, &prompts);
  parser.LoadPatterns();
  const Settings settings = LoadSettingsFile(kProgramFolder);
  for (auto _ : state) {
    AppState app;
    app.settings = settings;
    Design design(app, prompts, parser);
    ScriptOpener opener(design, parser, prompts);
    if (!opener.OpenScript(path) || design.tableCount() != tables)
      state.SkipWithError("open failed");
    benchmark::DoNotOptimize(design.definitions().data());
  }
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_OpenScript)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

/// The floor: the file read and one regex pass that yields tables, columns and keys.
void BM_FloorRead(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  const std::string& path = ScriptFile(tables);
  for (auto _ : state) {
    std::string text;
    TextFile::ReadBytes(path, text);
    const auto result = tablora::bench::FloorRead(text);
    if (static_cast<int>(result.size()) != tables || result.back().columns.size() != 20 ||
        !result.back().columns.front().key) {
      state.SkipWithError("floor read failed");
    }
  }
}
BENCHMARK(BM_FloorRead)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ParseTables(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  std::string text;
  ScriptOpener::DecodeFile(Script(tables), text);
  QuietPrompts prompts;
  ScriptParser parser(kProgramFolder, &prompts);
  parser.LoadPatterns();
  for (auto _ : state) {
    const auto result = parser.ParseTables(text);
    if (static_cast<int>(result.size()) != tables) state.SkipWithError("parse failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
  state.counters["script_MB"] = text.size() / 1048576.0;
}
BENCHMARK(BM_ParseTables)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

/// Hostile input: a 10 MB line that is one table of many columns (0), or a table body of
/// one character repeated that never closes: "[" (1), "'" (2), "(" (3); each followed by
/// a good table.
void BM_ParseTenMegabyteLine(benchmark::State& state) {
  const char* unit = state.range(0) == 0   ? ", [c] [int] DEFAULT ((1)) NULL"
                     : state.range(0) == 1 ? "["
                     : state.range(0) == 2 ? "'"
                                           : "(";
  std::string text =
      state.range(0) == 0 ? "CREATE TABLE [wide] ([a] [int] NULL" : "CREATE TABLE [j] (\n";
  while (text.size() < (10u << 20)) text += unit;
  text += state.range(0) == 0 ? ")\n" : "\n)\n";
  text += "CREATE TABLE [good] (\n[id] [int] NOT NULL\n)\n";
  QuietPrompts prompts;
  ScriptParser parser(kProgramFolder, &prompts);
  parser.LoadPatterns();
  for (auto _ : state) {
    const auto result = parser.ParseTables(text);
    if (result.empty()) state.SkipWithError("the good table was lost");
  }
}
BENCHMARK(BM_ParseTenMegabyteLine)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
