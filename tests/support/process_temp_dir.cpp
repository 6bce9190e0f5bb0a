// Every test process gets a temporary folder of its own: ::testing::TempDir() answers it
// (through TEST_TMPDIR), so tests running in parallel, here or in another checkout, never
// share a file name. The folder goes when the process ends, unless
// TABLORA_KEEP_TEST_FILES is set.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

class ProcessTempDir {
 public:
  ProcessTempDir() {
    const char* base = std::getenv("TEST_TMPDIR");
    if (base == nullptr || *base == '\0') base = std::getenv("TMPDIR");
    std::string pattern = (base != nullptr && *base != '\0') ? base : "/tmp";
    if (pattern.back() != '/') pattern += '/';
    pattern += "tablora_test_XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror(pattern.c_str());
      return;
    }
    path_ = pattern;
    ::setenv("TEST_TMPDIR", path_.c_str(), 1);
  }
  ~ProcessTempDir() {
    if (path_.empty() || std::getenv("TABLORA_KEEP_TEST_FILES") != nullptr) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

 private:
  std::string path_;
};

const ProcessTempDir kProcessTempDir;

}  // namespace
