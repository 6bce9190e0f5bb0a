#include <benchmark/benchmark.h>

#include <string>

#include "base/settings_loader.h"
#include "base/text_file.h"

namespace {

/// The shipped settings file, found beside this source file.
std::string ShippedBytes() {
  std::string path = __FILE__;
  path = path.substr(0, path.find_last_of('/') + 1) + "../resources/setting/Tablora.ini";
  std::string bytes;
  tablora::TextFile::ReadBytes(path, bytes);
  return bytes;
}

/// Indexing the shipped settings file and filling every setting from it.
void BM_LoadShippedSettings(benchmark::State& state) {
  const std::string bytes = ShippedBytes();
  if (bytes.empty()) state.SkipWithError("shipped settings file not found");
  for (auto _ : state) {
    tablora::Settings s = tablora::LoadSettings(tablora::IniFile::FromBytes(bytes), "/p");
    benchmark::DoNotOptimize(s);
  }
  state.SetBytesProcessed(static_cast<long long>(state.iterations()) * bytes.size());
}
BENCHMARK(BM_LoadShippedSettings)->Unit(benchmark::kMicrosecond);

/// Indexing one section of 40,000 keys (about 1 MB) and looking every key up: an index
/// keeps this well under a second where rescanning the text per key would take minutes.
void BM_LookupsInLargeSection(benchmark::State& state) {
  const int keys = 40000;
  std::string text = "[Big]\r\n";
  for (int i = 1; i <= keys; ++i) {
    text += "TypeA" + std::to_string(i) + "=value number " + std::to_string(i) + "\r\n";
  }
  for (auto _ : state) {
    const tablora::IniFile ini = tablora::IniFile::FromBytes(text);
    std::size_t total = 0;
    for (int i = 1; i <= keys; ++i) {
      total += ini.GetString("big", "typea" + std::to_string(i), "").size();
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_LookupsInLargeSection)->Unit(benchmark::kMillisecond);

}  // namespace
