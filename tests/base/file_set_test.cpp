#include "base/file_set.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "support/temp_folder.h"

namespace tablora {
namespace {

std::set<std::string> Names(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.insert(entry.path().filename().string());
  return names;
}

std::string Read(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(path, bytes)) << path;
  return bytes;
}

TEST(FileSetTest, WritesTheWholeSetOrLeavesTheOldFilesAndNoTemporaryFiles) {
  const std::string dir = ::testing::TempDir() + "/file_set_" + std::to_string(::getpid());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(TextFile::WriteBytes(dir + "/old.java", "old"));
  ASSERT_EQ(::chmod((dir + "/old.java").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("old.java", (dir + "/link.java").c_str()), 0);

  {  // Dropped without Commit: nothing is written, no temporary file stays.
    FileSet unused;
    ASSERT_TRUE(unused.Add(dir + "/old.java", "lost"));
    ASSERT_TRUE(unused.Add(dir + "/never.java", "lost"));
  }
  EXPECT_EQ(Names(dir), (std::set<std::string>{"old.java", "link.java"}));
  EXPECT_EQ(Read(dir + "/old.java"), "old");

  FileSet files;
  ASSERT_TRUE(files.Add(dir + "/a.java", "first"));
  ASSERT_TRUE(files.Add(dir + "/link.java", "through the link"));
  std::string error;
  // A file that cannot be written is refused with the system's reason; the set stands.
  EXPECT_FALSE(files.Add(dir + "/missing/b.java", "x", &error));
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  ASSERT_TRUE(files.Add(dir + "/c.java", std::string(100000, 'c')));
  ASSERT_TRUE(files.Commit(&error)) << error;

  EXPECT_EQ(files.committed(),
            (std::vector<std::string>{dir + "/a.java", dir + "/link.java", dir + "/c.java"}));
  EXPECT_EQ(Names(dir), (std::set<std::string>{"a.java", "c.java", "old.java", "link.java"}));
  EXPECT_EQ(Read(dir + "/a.java"), "first");
  EXPECT_EQ(Read(dir + "/old.java"), "through the link");
  EXPECT_EQ(Read(dir + "/c.java"), std::string(100000, 'c'));
  struct stat info {};
  ASSERT_EQ(::lstat((dir + "/link.java").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ASSERT_EQ(::stat((dir + "/old.java").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);

  // A rename that fails stops the set there: the files before it are written, the one
  // that failed and those after keep their old content.
  std::filesystem::create_directories(dir + "/taken.java");
  FileSet blocked;
  ASSERT_TRUE(blocked.Add(dir + "/a.java", "second"));
  ASSERT_TRUE(blocked.Add(dir + "/taken.java", "cannot replace a folder"));
  ASSERT_TRUE(blocked.Add(dir + "/c.java", "second"));
  EXPECT_FALSE(blocked.Commit(&error));
  EXPECT_EQ(blocked.failedPath(), dir + "/taken.java");
  EXPECT_EQ(blocked.committed(), (std::vector<std::string>{dir + "/a.java"}));
  EXPECT_EQ(Read(dir + "/a.java"), "second");
  EXPECT_EQ(Read(dir + "/c.java"), std::string(100000, 'c'));
  EXPECT_EQ(Names(dir),
            (std::set<std::string>{"a.java", "c.java", "old.java", "link.java", "taken.java"}));
  std::filesystem::remove_all(dir);
}

TEST(FileSetTest, AFileHoldingTheBytesAlreadyIsLeftAsItIs) {
  const std::string dir = ::testing::TempDir() + "/file_set_same_" + std::to_string(::getpid());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto inode = [&](const std::string& name) {
    struct stat info {};
    EXPECT_EQ(::stat((dir + "/" + name).c_str(), &info), 0) << name;
    return info.st_ino;
  };
  for (const char* name : {"same", "changed", "longer", "twice"})
    ASSERT_TRUE(TextFile::WriteBytes(dir + "/" + name, "held"));
  const auto same = inode("same"), changed = inode("changed");

  FileSet files;
  ASSERT_TRUE(files.Add(dir + "/same", "held"));
  ASSERT_TRUE(files.Add(dir + "/changed", "hold"));
  ASSERT_TRUE(files.Add(dir + "/longer", "held!"));
  // Added twice: the later bytes win even though the file holds them before the set.
  ASSERT_TRUE(files.Add(dir + "/twice", "other"));
  ASSERT_TRUE(files.Add(dir + "/twice", "held"));
  std::string error;
  ASSERT_TRUE(files.Commit(&error)) << error;

  EXPECT_EQ(files.committed().size(), 5u);
  EXPECT_EQ(inode("same"), same);
  EXPECT_NE(inode("changed"), changed);
  EXPECT_EQ(Read(dir + "/changed"), "hold");
  EXPECT_EQ(Read(dir + "/longer"), "held!");
  EXPECT_EQ(Read(dir + "/twice"), "held");
  EXPECT_EQ(Names(dir), (std::set<std::string>{"same", "changed", "longer", "twice"}));
  std::filesystem::remove_all(dir);
}

TEST(FileSetTest, NewFilesAreWrittenAtOnceAPipeAtCommitAndStaleTemporariesGo) {
  testing::TempFolder dir;
  const pid_t child = ::fork();  // ended: stands for a killed generation
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  ASSERT_TRUE(TextFile::WriteBytes(dir / ("b.java.tmp" + std::to_string(child) + "_0"), "half"));
  const std::string pipe = dir / "pipe.java";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  ASSERT_TRUE(TextFile::WritesInPlace(pipe));
  {
    FileSet files;
    std::string received;
    std::thread reader([&] { TextFile::ReadBytes(pipe, received); });
    ASSERT_TRUE(files.Add(dir / "a.java", "a"));
    ASSERT_TRUE(files.Add(pipe, "p"));
    ASSERT_TRUE(files.Add(dir / "b.java", "b"));
    // The new files stand already, without temporary files; the pipe waits for Commit.
    EXPECT_EQ(Names(dir.path().string()),
              (std::set<std::string>{"a.java", "b.java", "pipe.java"}));
    EXPECT_EQ(received, "");
    std::string error;
    EXPECT_TRUE(files.Commit(&error)) << error;
    reader.join();
    EXPECT_EQ(received, "p");
    EXPECT_EQ(Read(dir / "b.java"), "b");
  }
  // A set that fails removes the new files it did not reach.
  std::filesystem::create_directories(dir / "taken.java");
  FileSet blocked;
  ASSERT_TRUE(blocked.Add(dir / "c.java", "c"));
  ASSERT_TRUE(blocked.Add(dir / "taken.java", "cannot write a folder"));
  ASSERT_TRUE(blocked.Add(dir / "d.java", "d"));
  EXPECT_FALSE(blocked.Commit());
  EXPECT_EQ(blocked.committed(), (std::vector<std::string>{dir / "c.java"}));
  EXPECT_EQ(Names(dir.path().string()),
            (std::set<std::string>{"a.java", "b.java", "c.java", "pipe.java", "taken.java"}));
}

}  // namespace
}  // namespace tablora
