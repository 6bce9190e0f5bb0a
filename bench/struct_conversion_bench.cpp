// Structure-to-table conversion of 5,000 structures x 20 members into an empty design,
// beside opening the script those tables save to (the same tables through the open
// path), and the format conversion of many definition lines.
#include <benchmark/benchmark.h>

#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "convert/definition_conversion.h"
#include "convert/format_folder.h"
#include "convert/struct_conversion.h"
#include "model/design.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "model/script_writer.h"

namespace {

using namespace tablora;

const std::string kProgramFolder = std::string(TABLORA_BENCH_SOURCE_DIR) + "/resources";

Settings EditorSettings() {
  Settings s;
  for (int i = 0; i < 14; ++i) s.gridCaptions.push_back("c" + std::to_string(i));
  s.dropDownColumns = {4, 5, 6, 9, 10};
  for (int n : {5, 6, 9, 10}) s.dropDownLists[n] = {"No", "Yes"};
  return s;
}

/// `count` structures of 20 members: arrays, pointers, unsigned types, Chinese comments.
std::string Header(int count) {
  const std::string tableComment = Cp936(u8"// 表名:表的说明(组)分组\r\n");
  const std::string memberComment = Cp936(u8"  // 显示名:说明");
  std::string text;
  for (int s = 0; s < count; ++s) {
    text += tableComment + "typedef struct tag" + std::to_string(s) + " {\r\n";
    for (int m = 0; m < 20; ++m) {
      const std::string name = "m" + std::to_string(m);
      switch (m % 4) {
        case 0:
          text += "    unsigned long " + name + ";";
          break;
        case 1:
          text += "    char " + name + "[32];";
          break;
        case 2:
          text += "    char *" + name + ";";
          break;
        default:
          text += "    double " + name + ";";
          break;
      }
      text += memberComment + "\r\n";
    }
    text += "} S" + std::to_string(s) + ";\r\n\r\n";
  }
  return text;
}

void BM_StructToTables(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string text = Header(count);
  SilentPrompts prompts(true, false);
  ScriptParser parser(kProgramFolder, &prompts);
  parser.LoadPatterns();
  for (auto _ : state) {
    AppState app;
    app.settings = EditorSettings();
    Design design(app, prompts, parser);
    if (StructConversion::AddToDesign(design, text) != count) state.SkipWithError("failed");
    benchmark::DoNotOptimize(design.definitions().data());
  }
}
BENCHMARK(BM_StructToTables)->Arg(5000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

/// Opening the script the same converted tables save to.
void BM_OpenSavedScript(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  SilentPrompts prompts(true, false);
  ScriptParser parser(kProgramFolder, &prompts);
  parser.LoadPatterns();
  const std::string path = "/tmp/tablora_struct_bench_" + std::to_string(count) + ".sql";
  {
    AppState app;
    app.settings = EditorSettings();
    Design design(app, prompts, parser);
    StructConversion::AddToDesign(design, Header(count));
    ScriptWriter(app).SaveScript(design, prompts, path, -1);
  }
  for (auto _ : state) {
    AppState app;
    app.settings = EditorSettings();
    Design design(app, prompts, parser);
    if (!ScriptOpener(design, parser, prompts).OpenScript(path) || design.tableCount() != count)
      state.SkipWithError("open failed");
    benchmark::DoNotOptimize(design.definitions().data());
  }
}
BENCHMARK(BM_OpenSavedScript)->Arg(5000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DefinitionLines(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const FormatFolder folder(kProgramFolder);
  std::string script;
  folder.ReadSourceFormat("define", script);
  const std::string output = folder.OutputFormats().at(0).text;
  std::string source;
  for (int i = 0; i < lines; ++i) {
    source += "#define NAME_" + std::to_string(i) + "    0x" + std::to_string(i) +
              Cp936(u8"    // 说明 (注释)\r\n");
  }
  ScriptParser parser(kProgramFolder);
  for (auto _ : state) {
    const ConversionResult result = DefinitionConversion(parser).Convert(script, output, source);
    if (!result.ok()) state.SkipWithError("failed");
    benchmark::DoNotOptimize(result.text.data());
  }
  state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_DefinitionLines)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
