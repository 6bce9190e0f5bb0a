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

}  // namespace
