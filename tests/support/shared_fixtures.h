#pragma once

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Files the repository does not hold (a real MS Access database nobody here made) live in a
// shared fixtures folder beside the checkout, found by the build (TABLORA_SHARED_FIXTURES) or
// named by the environment variable of the same name. A test that needs one skips, naming
// the file, when it is absent; with TABLORA_REQUIRE_FIXTURES=1 (CI) it fails instead.

namespace tablora::testing {

/// The path of `name` in the shared fixtures folder (it may not exist).
inline std::string SharedFixturePath(const std::string& name) {
  const char* folder = std::getenv("TABLORA_SHARED_FIXTURES");
  return std::string(folder != nullptr && *folder != '\0' ? folder : TABLORA_SHARED_FIXTURES) +
         "/" + name;
}

/// True when a missing shared fixture fails the test instead of skipping it.
inline bool SharedFixturesRequired() {
  const char* required = std::getenv("TABLORA_REQUIRE_FIXTURES");
  return required != nullptr && std::string(required) == "1";
}

/// Whether a shared fixture can be read; `why` says which file is missing when not.
inline bool HaveSharedFixture(const std::string& path, std::string& why) {
  if (::access(path.c_str(), R_OK) == 0) return true;
  why = "shared fixture " + path + " is missing";
  return false;
}

/// The damaged copies of `original` (nwind.mdb) that tests/data/damaged_mdb.txt describes,
/// made in `folder` by tests/fuzz/damaged_mdb.sh: one path per line of the list, in order;
/// none when the script failed.
inline std::vector<std::string> MakeDamagedMdbs(const std::string& original,
                                                const std::string& folder) {
  const std::string list = TABLORA_SOURCE_DIR "/tests/data/damaged_mdb.txt";
  const std::string command = "'" TABLORA_SOURCE_DIR "/tests/fuzz/damaged_mdb.sh' make '" +
                              original + "' '" + list + "' '" + folder + "'";
  std::vector<std::string> paths;
  if (std::system(command.c_str()) != 0) return paths;
  std::ifstream in(list);
  for (std::string line; std::getline(in, line);) {
    std::string name;
    std::istringstream(line) >> name;
    if (!name.empty() && name[0] != '#') paths.push_back(folder + "/" + name + ".mdb");
  }
  return paths;
}

}  // namespace tablora::testing

/// Declares `var` as the path of the shared fixture `name`; when the file is absent the
/// test ends here, skipped (or failed under TABLORA_REQUIRE_FIXTURES=1) with the file named.
#define TABLORA_SHARED_FIXTURE(var, name)                                                 \
  const std::string var = ::tablora::testing::SharedFixturePath(name);                    \
  if (std::string why_##var; !::tablora::testing::HaveSharedFixture(var, why_##var)) {   \
    if (::tablora::testing::SharedFixturesRequired()) GTEST_FAIL() << why_##var;          \
    GTEST_SKIP() << why_##var << " (set TABLORA_SHARED_FIXTURES to its folder)";          \
  }

/// Declares `var` as the connection string of a test server that scripts/db-servers.sh
/// started and named in the environment variable `name`; without it the test ends here,
/// skipped (or failed under TABLORA_REQUIRE_FIXTURES=1) with the variable named.
#define TABLORA_TEST_SERVER(var, name)                                                    \
  const char* var##_env = std::getenv(name);                                              \
  const std::string var = var##_env != nullptr ? var##_env : "";                          \
  if (var.empty()) {                                                                      \
    const std::string why = std::string(name) + " is not set: no test server";            \
    if (::tablora::testing::SharedFixturesRequired()) GTEST_FAIL() << why;                \
    GTEST_SKIP() << why << " (scripts/db-servers.sh start DIR, then export DIR/servers.env)"; \
  }
