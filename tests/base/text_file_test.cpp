#include "base/text_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cerrno>
#include <cstring>

#include <cstdio>
#include <string>

namespace tablora {
namespace {

std::string TempPath(const char* name) { return ::testing::TempDir() + "/" + name; }

TEST(TextFile, WriteTextStoresCrLfAndReadsBack) {
  const std::string path = TempPath("text_file_crlf.txt");
  ASSERT_TRUE(TextFile::WriteText(path, "a\nb\r\n"));
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
  EXPECT_EQ(bytes, "a\r\nb\r\r\n");
  std::remove(path.c_str());
}

TEST(TextFile, FailedWriteLeavesTheOldFileAlone) {
  const std::string dir = TempPath("text_file_ro");
  ::mkdir(dir.c_str(), 0755);
  const std::string path = dir + "/keep.txt";
  ASSERT_TRUE(TextFile::WriteBytes(path, "old"));
  // A folder where the file should be cannot be replaced by a file.
  std::string error;
  EXPECT_FALSE(TextFile::WriteBytes(dir, "new", &error));
  EXPECT_FALSE(error.empty());
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
  EXPECT_EQ(bytes, "old");
  EXPECT_FALSE(TextFile::WriteBytes(dir + "/missing/x.txt", "new", &error));
  std::remove(path.c_str());
}

TEST(TextFile, ReadingAMissingFileFails) {
  std::string bytes = "unchanged";
  std::string error;
  EXPECT_FALSE(TextFile::ReadBytes(TempPath("no_such_file.txt"), bytes, &error));
  EXPECT_EQ(bytes, "unchanged");
  EXPECT_EQ(error, std::strerror(ENOENT)) << "the system's reason; callers name the file";
}

}  // namespace
}  // namespace tablora
