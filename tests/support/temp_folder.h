#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace tablora::testing {

/// A fresh, empty folder under the test temporary folder, removed with everything in it
/// when the object goes (kept when TABLORA_KEEP_TEST_FILES is set, to look at them). Each
/// test gets its own, so parallel runs never share a file.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = ::testing::TempDir() + "tablora_XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create " << pattern;
    path_ = pattern;
  }
  ~TempFolder() {
    if (std::getenv("TABLORA_KEEP_TEST_FILES") != nullptr) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  /// The full path of `name` inside the folder.
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace tablora::testing
