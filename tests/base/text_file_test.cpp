#include "base/text_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "support/temp_folder.h"

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

TEST(TextFile, WritingKeepsTheModeAndWritesThroughLinks) {
  const std::string dir = TempPath("text_file_modes");
  ::mkdir(dir.c_str(), 0755);
  const std::string target = dir + "/design.sql";
  const std::string link = dir + "/link.sql";
  std::remove(target.c_str());
  std::remove(link.c_str());
  ASSERT_TRUE(TextFile::WriteBytes(target, "old"));
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  ASSERT_EQ(::symlink("design.sql", link.c_str()), 0);

  ASSERT_TRUE(TextFile::WriteBytes(link, "new"));
  struct stat info {};
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));  // still a link
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(target, bytes));
  EXPECT_EQ(bytes, "new");

  // The failure says why, in the system's words.
  std::string error;
  EXPECT_FALSE(TextFile::WriteBytes(dir + "/missing/x.txt", "x", &error));
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  std::remove(link.c_str());
  std::remove(target.c_str());
}

std::set<std::string> Names(const std::filesystem::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.insert(entry.path().filename().string());
  return names;
}

/// What `path` is: "file", "link", "fifo", "device" or "missing".
std::string Kind(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return "missing";
  if (S_ISLNK(info.st_mode)) return "link";
  if (S_ISFIFO(info.st_mode)) return "fifo";
  if (S_ISCHR(info.st_mode)) return "device";
  return S_ISREG(info.st_mode) ? "file" : "other";
}

TEST(TextFile, WhatIsNotARegularFileIsWrittenWhereItStands) {
  testing::TempFolder dir;
  // A pipe: its reader gets the bytes, and it stays a pipe.
  const std::string fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Without a writer the reader would wait for ever.
  ASSERT_TRUE(TextFile::WritesInPlace(fifo));
  std::string received;
  std::thread reader([&] { TextFile::ReadBytes(fifo, received); });
  EXPECT_TRUE(TextFile::WriteText(fifo, "a\nb"));
  reader.join();
  EXPECT_EQ(received, "a\r\nb");
  EXPECT_EQ(Kind(fifo), "fifo");

  // A device, named directly and through a link: it stays a device and the link stays.
  const std::string link = dir / "null.sql";
  ASSERT_EQ(::symlink("/dev/null", link.c_str()), 0);
  for (const std::string& path : {std::string("/dev/null"), link}) {
    TextFile::WriteTarget target;
    ASSERT_TRUE(TextFile::ResolveTarget(path, target));
    // Checked before writing: a rename over a device would replace it on this machine.
    ASSERT_EQ(target.way, TextFile::WriteWay::kInPlace) << path;
    EXPECT_TRUE(TextFile::WritesInPlace(path));
    EXPECT_TRUE(TextFile::WriteBytes(path, "gone")) << path;
  }
  EXPECT_EQ(Kind("/dev/null"), "device");
  EXPECT_EQ(Kind(link), "link");
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"pipe", "null.sql"}));
  // A device that refuses says why.
  std::string error;
  if (Kind("/dev/full") == "device" && TextFile::WritesInPlace("/dev/full")) {
    EXPECT_FALSE(TextFile::WriteBytes("/dev/full", "x", &error));
    EXPECT_EQ(error, std::strerror(ENOSPC));
    EXPECT_EQ(Kind("/dev/full"), "device");
  }

  // "-" is standard output, after what was printed before.
  const std::string captured = dir / "stdout.txt";
  std::fflush(stdout);
  const int saved = ::dup(STDOUT_FILENO);
  const int file = ::open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(file, 0);
  ::dup2(file, STDOUT_FILENO);
  ::close(file);
  std::fputs("before ", stdout);
  const bool written = TextFile::WriteText("-", "x\n");
  std::fflush(stdout);
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  EXPECT_TRUE(written);
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(captured, bytes));
  EXPECT_EQ(bytes, "before x\r\n");
  EXPECT_FALSE(TextFile::WritesInPlace(captured));
}

TEST(TextFile, ANewFileIsWrittenDirectlyAndAnExistingOneThroughATemporaryFile) {
  struct Case {
    bool exists;
    bool writeFails;
  };
  for (const Case c : {Case{false, false}, Case{false, true}, Case{true, false}, Case{true, true}}) {
    SCOPED_TRACE(std::string(c.exists ? "existing" : "new") + (c.writeFails ? ", failing" : ""));
    testing::TempFolder dir;
    const std::string path = dir / "design.sql";
    if (c.exists) {
      ASSERT_TRUE(TextFile::WriteBytes(path, "old"));
    }
    std::set<std::string> seenWhileWriting;
    std::string error;
    const bool ok = TextFile::WriteFile(
        path,
        [&](int fd) {
          seenWhileWriting = Names(dir.path());
          if (!TextFile::WriteAll(fd, "new")) return false;
          errno = EIO;
          return !c.writeFails;
        },
        &error);
    EXPECT_EQ(ok, !c.writeFails);
    const std::string temp = "design.sql.tmp" + std::to_string(::getpid());
    const std::set<std::string> expected =
        c.exists ? std::set<std::string>{"design.sql", temp} : std::set<std::string>{"design.sql"};
    EXPECT_EQ(seenWhileWriting, expected);
    std::string bytes;
    if (c.exists || !c.writeFails) {
      ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
      EXPECT_EQ(bytes, c.writeFails ? "old" : "new");
      EXPECT_EQ(Names(dir.path()), std::set<std::string>{"design.sql"});
    } else {
      EXPECT_EQ(error, std::strerror(EIO));
      EXPECT_TRUE(Names(dir.path()).empty()) << "a new file that failed is removed";
    }
  }
}

TEST(TextFile, StaleTemporaryFilesOfTheTargetGoOnTheNextWrite) {
  testing::TempFolder dir;
  // A process that has ended stands for a killed save.
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child);
  const std::string live = std::to_string(::getpid());
  const std::set<std::string> kept = {
      "out.sql.tmp" + live,            // a save running now
      "other.sql.tmp" + dead,          // another target's
      "out.sql.tmp",                   // not our pattern: no process id
      "out.sql.tmp" + dead + "x",      // not our pattern: more after it
      "out.sql.tmp" + dead + "_",      // not our pattern: no number after "_"
      "out.sql.tmp" + dead + ".bak",   // not our pattern
  };
  for (const std::string& name : kept) ASSERT_TRUE(TextFile::WriteBytes(dir / name, "x"));
  for (const std::string& name : {"out.sql.tmp" + dead, "out.sql.tmp" + dead + "_12"})
    ASSERT_TRUE(TextFile::WriteBytes(dir / name, "half"));
  EXPECT_EQ(TextFile::StaleTemporaries(dir.path().string()).size(), 3u)
      << "two of out.sql, one of other.sql";

  ASSERT_TRUE(TextFile::WriteBytes(dir / "out.sql", "whole"));
  std::set<std::string> expected = kept;
  expected.insert("out.sql");
  EXPECT_EQ(Names(dir.path()), expected);
}

}  // namespace
}  // namespace tablora
