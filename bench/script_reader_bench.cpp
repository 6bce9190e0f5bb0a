// Opening generated scripts through the whole open path (parse, AddTable with each
// editor's build-and-parse cycle, layout), and the parse alone for its throughput.
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "model/layout_block.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "support/editor_settings.h"

namespace {

using namespace tablora;

const std::string kProgramFolder = std::string(TABLORA_BENCH_SOURCE_DIR) + "/resources";

/// Answers yes (replace the open design) and keeps quiet.
class QuietPrompts : public SilentPrompts {
 public:
  QuietPrompts() : SilentPrompts(true, false) {}
};

/// A saved script of `tables` tables of 20 columns each, as the writer lays it out.
std::string Script(int tables) {
  const std::string display = Cp936(u8"显示名");
  const std::string note = Cp936(u8"说明, 含逗号");
  std::vector<LayoutRecord> layout;
  std::string body, extra;
  for (int t = 0; t < tables; ++t) {
    layout.push_back({t * 160 % 3000, t / 18 * 170, 0x000000FF, 0x0080FF80});
    const std::string name = "t" + std::to_string(t);
    body += "CREATE TABLE [dbo].[" + name + "] (\t\t\t--" + display + ":" + note + "\n";
    for (int c = 0; c < 20; ++c) {
      const std::string col = "col" + std::to_string(c);
      if (c == 0) {
        body += "[" + col + "] [int] IDENTITY (1,1) NOT NULL ,  --" + display + ":" + note + "\n";
      } else if (c % 3 == 0) {
        body += "[" + col + "] [decimal](10,2) DEFAULT (0) NULL ,  --" + display + ":\n";
      } else {
        body += "[" + col + "] [varchar](50) NULL " + std::string(c == 19 ? "  " : ",  ") + "--" +
                note + "\n";
      }
    }
    body += ") ON [PRIMARY]\n\n";
    extra += "\n\nALTER TABLE [dbo].[" + name + "] WITH NOCHECK ADD\nCONSTRAINT [PK_" + name +
             "] PRIMARY KEY  CLUSTERED\n(\n[col0]\n)\nON [PRIMARY]\nGO\n\n";
  }
  const std::string encoded = LayoutBlock::Encode(layout);
  return TextFile::ToCrLf("/* TABLORA V1.5 :" + std::to_string(encoded.size()) + ":" + encoded +
                          "      */\n\n\n\n\n\n\n\n" + body + extra);
}

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
  for (auto _ : state) {
    AppState app;
    app.settings = testing::EditorSettings();
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
