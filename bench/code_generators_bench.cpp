#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/settings.h"
#include "gen/c_struct_generator.h"
#include "gen/cpp_class_generator.h"
#include "gen/java_class_generator.h"

namespace {

using tablora::ColumnDesign;
using tablora::GenerationOptions;
using tablora::Settings;
using tablora::TableDesign;

Settings TypeMaps() {
  Settings s;
  s.typeC = {{"varchar", "char"}, {"int", "int"}, {"decimal", "double"}, {"datetime", "time_t"}};
  s.prefixC = {{"char", "c"}, {"int", "n"}, {"double", "db"}, {"time_t", "tm"}};
  s.typeJava = {{"varchar", "String"},
                {"int", "int"},
                {"decimal", "double"},
                {"datetime", "java.sql.Timestamp"}};
  s.prefixJava = {{"String", "str"}, {"int", "n"}, {"double", "db"}};
  return s;
}

/// `tables` tables of 20 columns with display names, notes and a mix of scalar and array types.
std::vector<TableDesign> Design(int tables) {
  static const char* const kTypes[] = {"varchar", "int", "decimal", "datetime"};
  std::vector<TableDesign> design(tables);
  for (int t = 0; t < tables; ++t) {
    TableDesign& table = design[t];
    table.actualName = "Table" + std::to_string(t);
    table.displayName = "\xB1\xED" + std::to_string(t);  // "表" in code page 936
    table.comment = "comment of table " + std::to_string(t);
    for (int c = 0; c < 20; ++c) {
      ColumnDesign column;
      column.actualName = "Column" + std::to_string(c);
      column.displayName = "\xC1\xD0" + std::to_string(c);  // "列"
      column.typeName = kTypes[c % 4];
      column.length = c % 4 == 0 ? 32 : 0;
      if (c % 3 == 0) column.note = "note";
      table.columns.push_back(column);
    }
  }
  return design;
}

void BM_CppClassesWithAccessors(benchmark::State& state) {
  const auto design = Design(static_cast<int>(state.range(0)));
  const Settings settings = TypeMaps();
  GenerationOptions options;
  options.prefix = true;
  options.accessors = true;
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = tablora::CppClassGenerator::Build(design, settings, options, -1);
    bytes = text.size();
    benchmark::DoNotOptimize(text);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CppClassesWithAccessors)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_CStructs(benchmark::State& state) {
  const auto design = Design(static_cast<int>(state.range(0)));
  const Settings settings = TypeMaps();
  GenerationOptions options;
  options.prefix = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tablora::CStructGenerator::Build(design, settings, options, -1));
  }
}
BENCHMARK(BM_CStructs)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_JavaClassesWithAccessors(benchmark::State& state) {
  const auto design = Design(static_cast<int>(state.range(0)));
  const Settings settings = TypeMaps();
  GenerationOptions options;
  options.prefix = true;
  options.accessors = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        tablora::JavaClassGenerator::Build(design, settings, options, -1, "beans", 2026));
  }
}
BENCHMARK(BM_JavaClassesWithAccessors)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
