#include "db/connect/saved_logins.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/text_file.h"

namespace tablora {
namespace {

std::string Bytes(const std::string& path) {
  std::string bytes;
  TextFile::ReadBytes(path, bytes);
  return bytes;
}

int Mode(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_mode & 0777;
}

TEST(SavedLogins, FirstStartStoreAndClear) {
  const std::string path = ::testing::TempDir() + "logintmp.ini";
  std::remove(path.c_str());
  SavedLogins logins;
  ASSERT_TRUE(logins.Load(path));
  EXPECT_EQ(SavedLogins::kDefaultText, Bytes(path));
  EXPECT_EQ(0600, Mode(path));
  ASSERT_EQ(2u, logins.entries().size());
  for (const LoginEntry& e : logins.entries()) {
    EXPECT_EQ("(local)", e.host);
    EXPECT_EQ("Northwind", e.database);
    EXPECT_EQ("sa", e.user);
    EXPECT_EQ("", e.password);
  }

  ASSERT_TRUE(logins.Store(1, {"10.0.0.5", "shop", "admin", "abc"}, true));
  EXPECT_EQ(
      "[LogIn]\r\nCount=2\r\nHost1=10.0.0.5\r\nDBName1=shop\r\nUser1=admin\r\nPass1=YWJjAA==\r\n"
      "\r\nHost2=(local)\r\nDBName2=Northwind\r\nUser2=sa\r\nPass2=\r\n",
      Bytes(path));
  EXPECT_EQ(0600, Mode(path));
  SavedLogins again;
  ASSERT_TRUE(again.Load(path));
  EXPECT_EQ("abc", again.entries()[0].password);

  ASSERT_TRUE(again.Store(1, {"10.0.0.5", "shop", "admin", "abc"}, false));
  SavedLogins cleared;
  ASSERT_TRUE(cleared.Load(path));
  EXPECT_EQ("", cleared.entries()[0].password);
  EXPECT_EQ("10.0.0.5", cleared.entries()[0].host);
}

TEST(SavedLogins, MissingKeysTakeDefaults) {
  const std::string path = ::testing::TempDir() + "logintmp_partial.ini";
  ASSERT_TRUE(TextFile::WriteBytes(path, "[LogIn]\r\nCount=1\r\n"));
  SavedLogins logins;
  ASSERT_TRUE(logins.Load(path));
  ASSERT_EQ(1u, logins.entries().size());
  EXPECT_EQ("127.0.0.1", logins.entries()[0].host);
  EXPECT_EQ("Northwind", logins.entries()[0].database);
  EXPECT_EQ("sa", logins.entries()[0].user);
}

TEST(SavedLogins, UnwritableProgramFolderMovesTheFileToTheConfigFolder) {
  const std::string config = ::testing::TempDir() + "logins_config";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  EXPECT_EQ(::testing::TempDir() + "logins_config/tablora/logintmp.ini",
            SavedLogins::FilePath("/proc"));
  struct stat st {};
  EXPECT_EQ(0, stat((config + "/tablora").c_str(), &st));
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(::testing::TempDir() + "/logintmp.ini", SavedLogins::FilePath(::testing::TempDir()));
}

TEST(SavedLogins, PasswordEncoding) {
  EXPECT_EQ("YWJjAA==", SavedLogins::EncodePassword("abc"));
  EXPECT_EQ("AA==", SavedLogins::EncodePassword(""));
  const std::string gbk = "\xC3\xDC\xC2\xEB;}x";
  EXPECT_EQ(gbk, SavedLogins::DecodePassword(SavedLogins::EncodePassword(gbk)));
  EXPECT_EQ("abc", SavedLogins::DecodePassword("YW\r\nJj*AA=="));
  const std::string longPassword(100, 'p');
  EXPECT_EQ(longPassword, SavedLogins::DecodePassword(SavedLogins::EncodePassword(longPassword)));
}

}  // namespace
}  // namespace tablora
