#include "base/program_folder.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace tablora {
namespace {

struct FakeDisk {
  std::set<std::string> files;
  std::vector<std::string> asked;
  std::function<bool(const std::string&)> Exists() {
    return [this](const std::string& path) {
      asked.push_back(path);
      return files.count(path) != 0;
    };
  }
};

const std::vector<std::string> kInstalled = {"/usr/local/share/tablora", "/usr/share/tablora"};

TEST(ProgramFolder, ExecutableFolderWinsWhenItHoldsTheSettings) {
  FakeDisk disk;
  disk.files = {"/opt/t/build/setting/Tablora.ini", "/usr/share/tablora/setting/Tablora.ini"};
  EXPECT_EQ(ProgramFolder::Choose("/opt/t/build", kInstalled, "/home/u", disk.Exists()),
            "/opt/t/build");
  EXPECT_EQ(disk.asked, (std::vector<std::string>{"/opt/t/build/setting/Tablora.ini"}));
}

TEST(ProgramFolder, InstalledFoldersAreTriedInOrder) {
  FakeDisk disk;
  disk.files = {"/usr/share/tablora/setting/Tablora.ini"};
  EXPECT_EQ(ProgramFolder::Choose("/usr/bin", kInstalled, "/home/u", disk.Exists()),
            "/usr/share/tablora");
  EXPECT_EQ(disk.asked, (std::vector<std::string>{"/usr/bin/setting/Tablora.ini",
                                                  "/usr/local/share/tablora/setting/Tablora.ini",
                                                  "/usr/share/tablora/setting/Tablora.ini"}));
}

TEST(ProgramFolder, LaunchFolderWhenNoSettingsAnywhere) {
  FakeDisk disk;
  EXPECT_EQ(ProgramFolder::Choose("/usr/bin", kInstalled, "/home/u", disk.Exists()), "/home/u");
  EXPECT_EQ(ProgramFolder::Choose("", {}, "/home/u", disk.Exists()), "/home/u");
}

TEST(ProgramFolder, JoinAddsOneSeparator) {
  EXPECT_EQ(ProgramFolder::Join("/a", "help/index.htm"), "/a/help/index.htm");
  EXPECT_EQ(ProgramFolder::Join("/a/", "help/index.htm"), "/a/help/index.htm");
  EXPECT_EQ(ProgramFolder::Join("", "help/index.htm"), "help/index.htm");
}

TEST(ProgramFolder, RealCheckWantsARegularSettingsFile) {
  char pattern[] = "/tmp/tablora_folder_XXXXXX";
  const std::string root = ::mkdtemp(pattern);
  const std::string withFolderOnly = root + "/a";
  const std::string withFile = root + "/b";
  std::filesystem::create_directories(withFolderOnly + "/setting/Tablora.ini");  // a folder
  std::filesystem::create_directories(withFile + "/setting");
  std::ofstream(withFile + "/setting/Tablora.ini") << "[Dialog]\n";
  EXPECT_EQ(ProgramFolder::Choose(withFile, "/launch"), withFile);
  EXPECT_EQ(ProgramFolder::Choose(withFolderOnly, "/launch"), "/launch");
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace tablora
