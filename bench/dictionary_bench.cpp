// Writing the data dictionary of a large design: 1,000 and 5,000 tables of 20 columns in
// 12 groups, one foreign key a table, in each format to a file (the design already open).
// The counter extra_MB is the peak resident memory the write added to what the process
// held before it (the peak is reset through /proc/self/clear_refs): it stays flat as the
// tables grow where the format lets the writer stream.
// Medians: dictionary_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "base/text_codec.h"
#include "doc/dictionary_export.h"
#include "support/editor_settings.h"

namespace tablora {
namespace {

const std::vector<TableDesign>& Design(int tables) {
  static std::map<int, std::vector<TableDesign>> designs;
  auto& design = designs[tables];
  if (!design.empty()) return design;
  const std::string display = Cp936(u8"显示名");
  const std::string note = Cp936(u8"说明, 含逗号");
  for (int t = 0; t < tables; ++t) {
    TableDesign table;
    table.actualName = "t" + std::to_string(t);
    table.displayName = Cp936(u8"表") + std::to_string(t);
    table.comment = Cp936(u8"第") + std::to_string(t) + Cp936(u8"个表的注释");
    table.group = Cp936(u8"分组") + std::to_string(t % 12);
    table.owner = "dbo";
    for (int c = 0; c < 20; ++c) {
      ColumnDesign column;
      column.actualName = "col" + std::to_string(c);
      column.displayName = display + std::to_string(c);
      column.typeName = c % 3 == 0 ? "decimal" : "varchar";
      column.length = c % 3 == 0 ? 10 : 50;
      column.scale = c % 3 == 0 ? 2 : 0;
      column.nullable = c > 0;
      column.primaryKey = c == 0;
      column.note = note;
      if (c == 1 && t > 0) {
        column.foreignKey = true;
        column.foreignKeyRef = std::make_unique<ForeignKeyRef>(
            ForeignKeyRef{"FK_t" + std::to_string(t), "t" + std::to_string(t / 2), "col0"});
      }
      table.columns.push_back(std::move(column));
    }
    design.push_back(std::move(table));
  }
  return design;
}

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  }
  return 0;
}

void Dictionary(benchmark::State& state) {
  const auto format = static_cast<DictionaryFormat>(state.range(1));
  const std::vector<TableDesign>& design = Design(static_cast<int>(state.range(0)));
  const Settings settings = testing::EditorSettings();
  char folder[] = "/tmp/tablora_dictionary_XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string path =
      std::string(folder) + "/dictionary." + DictionaryExport::Extension(format);
  DictionaryOptions options;
  options.format = format;
  double extraMb = 0;
  for (auto _ : state) {
    ::malloc_trim(0);  // memory freed by the last write goes back, or it would hide this one's
    { std::ofstream("/proc/self/clear_refs") << "5"; }  // resets the peak to the current size
    const long before = StatusKb("VmRSS:");
    std::string error;
    if (!DictionaryExport::Write(design, settings, options, path, nullptr, &error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    extraMb = static_cast<double>(StatusKb("VmHWM:") - before) / 1024;
  }
  state.counters["extra_MB"] = extraMb;
  state.counters["file_MB"] =
      static_cast<double>(std::filesystem::file_size(path)) / (1024 * 1024);
  std::filesystem::remove_all(folder);
}

BENCHMARK(Dictionary)
    ->ArgNames({"tables", "format"})
    ->ArgsProduct({{1000, 5000}, {0, 1, 2, 3}})  // html, md, xlsx, pdf
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace tablora
