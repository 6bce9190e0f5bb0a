// Costs of the work box on large designs: arranging every table window, and rebuilding
// the group tree of many tables in many groups.
#include <benchmark/benchmark.h>

#include <string>

#include "model/script_parser.h"
#include "ui/arrange_layout.h"
#include "ui/work_box_trees.h"

namespace {

class SilentPrompts : public tablora::Prompts {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  void ShowMessage(const std::string&, const std::string&) override {}
  std::string ChooseSaveFile(const tablora::FileDialogSpec&) override { return {}; }
  std::string ChooseOpenFile(const tablora::FileDialogSpec&) override { return {}; }
  std::string ChooseFolder(const std::string&) override { return {}; }
  bool ChooseDatabaseKind(int&) override { return true; }
};

void ArrangeTables(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::vector<tablora::ArrangeLayout::Content> content;
  std::vector<std::vector<int>> groups(count / 3);
  for (int i = 0; i < count; ++i) {
    content.push_back({80 + i % 200, 40 + (i * 7) % 400});
    groups[(i * 13) % groups.size()].push_back(i);
  }
  tablora::ArrangeOptions options;
  options.order = 2;
  options.alignRows = true;
  options.tablesPerRow = 8;
  for (auto _ : state) {
    const auto runs = tablora::ArrangeLayout::GroupRuns(groups, count);
    benchmark::DoNotOptimize(
        tablora::ArrangeLayout::Compute(options, tablora::ArrangeMetrics{}, runs, content));
  }
}
BENCHMARK(ArrangeTables)->Arg(5000)->Unit(benchmark::kMillisecond);

void RebuildGroupTree(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const int groupCount = static_cast<int>(state.range(1));
  tablora::AppState app;
  SilentPrompts prompts;
  tablora::ScriptParser parser(TABLORA_BENCH_SOURCE_DIR "/resources");
  tablora::Design design(app, prompts, parser);
  for (int i = 0; i < count; ++i) {
    design.AddTable(true, -1);
    design.editor(i).DisplayNameChanged("t" + std::to_string(i));
    design.editor(i).GroupChanged("group " + std::to_string((i * 7) % groupCount));
  }
  tablora::WorkBoxTrees trees(design);
  for (auto _ : state) {
    trees.RebuildGroupTree();
    benchmark::DoNotOptimize(trees.groupTree().Count());
  }
  state.counters["groups"] = static_cast<double>(trees.Groups().size());
}
BENCHMARK(RebuildGroupTree)->Args({5000, 2000})->Unit(benchmark::kMillisecond);

}  // namespace
