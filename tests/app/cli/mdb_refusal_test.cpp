// MS Access files the commands cannot use: each is refused with a message that says which
// file and why, exit code 1, nothing on standard output (no library chatter) and no output
// file; a damaged file neither crashes nor hangs the command.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/cli/cli_test.h"
#include "support/shared_fixtures.h"

namespace tablora::testing {
namespace {

namespace fs = std::filesystem;

class MdbRefusal : public CliTest {
 protected:
  /// Runs import and query on `path`; each must fail with `message` (UTF-8) in its error
  /// output. `asUser`: run as that user (to meet a permission the owner would not).
  void ExpectRefused(const std::string& path, const std::string& message,
                     const std::string& asUser = "") {
    const std::string out = (dir / "out.sql");
    for (const std::string& args : {"import '" + path + "' '" + out + "'",
                                    "query '" + path + "' 'SELECT 1'"}) {
      SCOPED_TRACE(args);
      const CliRun run =
          asUser.empty() ? Cli(args)
                         : RunProgram("runuser", "-u " + asUser + " -- '" TABLORA_CLI "' " + args);
      EXPECT_EQ(1, run.exitCode);
      EXPECT_EQ("", run.out);
      EXPECT_NE(std::string::npos, run.err.find(message)) << run.err;
      EXPECT_FALSE(fs::exists(out));
    }
  }

  /// A file that starts as an MS Access file does and is `size` bytes long.
  std::string JetHeaderFile(const std::string& name, std::size_t size) {
    std::string bytes(size, '\0');
    bytes.replace(4, 15, "Standard Jet DB");
    bytes[0x14] = 1;  // Jet 4: pages of 4 KB
    const std::string path = (dir / name);
    EXPECT_TRUE(TextFile::WriteBytes(path, bytes));
    return path;
  }
};

TEST_F(MdbRefusal, FilesThatCannotBeReadSayWhy) {
  const std::string folder = (dir / "folder.mdb");
  fs::create_directory(folder);
  const std::string loop = (dir / "loop.mdb");
  fs::create_symlink(loop, loop);
  const std::string fifo = (dir / "fifo.mdb");
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  const std::string text = (dir / "text.mdb");
  ASSERT_TRUE(TextFile::WriteBytes(text, "CREATE TABLE t (a int)\r\n"));
  const std::string cut = JetHeaderFile("cut.mdb", 5000);

  ExpectRefused(folder, u8"这是一个文件夹, 不是数据库文件: " + folder);
  ExpectRefused(loop, u8"无法读取数据库文件: " + loop + " (Too many levels of symbolic links)");
  ExpectRefused(fifo, u8"无法读取数据库文件: " + fifo + u8" (不是普通文件)");
  ExpectRefused(text, u8"不是MS Access数据库文件: " + text);
  ExpectRefused(cut, u8"数据库文件已损坏: " + cut + u8" (文件不完整)");

  // Permission: root reads every file, so as root the commands run as "nobody".
  const std::string locked = JetHeaderFile("locked.mdb", 8192);
  ASSERT_EQ(0, ::chmod(locked.c_str(), 0));
  ASSERT_EQ(0, ::chmod(dir.path().c_str(), 0755));  // the folder may be searched, not the file
  const bool root = ::geteuid() == 0;
  if (root && std::system("command -v runuser >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "running as root without runuser: the permission case cannot be met";
  ExpectRefused(locked, u8"无法读取数据库文件: " + locked + " (Permission denied)",
                root ? "nobody" : "");
}

TEST_F(MdbRefusal, DamagedCopiesOfNorthwindAreRefused) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  const std::vector<std::string> damaged = MakeDamagedMdbs(nwind, dir.path().string());
  ASSERT_EQ(4u, damaged.size());
  for (const std::string& path : damaged) ExpectRefused(path, u8"数据库文件已损坏: " + path);
}

}  // namespace
}  // namespace tablora::testing
