#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "support/temp_folder.h"

namespace tablora::testing {

/// What one run of tablora-cli gave.
struct CliRun {
  int exitCode = -1;
  std::string out;  ///< standard output
  std::string err;  ///< standard error
};

/// Runs tablora-cli in a fresh temporary folder of its own per test.
class CliTest : public ::testing::Test {
 protected:
  /// Runs tablora-cli with `args` (shell words) from the test's folder.
  CliRun Cli(const std::string& args) const { return RunProgram(TABLORA_CLI, args); }
  /// Runs `program` (a copy of tablora-cli elsewhere, say) the same way.
  CliRun RunProgram(const std::string& program, const std::string& args) const {
    const std::string errPath = dir / "stderr.txt";
    const std::string command =
        "cd '" + dir.path().string() + "' && '" + program + "' " + args + " 2>'" + errPath + "'";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    TextFile::ReadBytes(errPath, run.err);
    return run;
  }
  /// The bytes of `path`; a missing file fails the test.
  static std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(TextFile::ReadBytes(path, bytes)) << path;
    return bytes;
  }
  static std::string Fixture(const std::string& name) {
    return std::string(TABLORA_TEST_DATA) + "/" + name;
  }

  TempFolder dir;
};

}  // namespace tablora::testing
