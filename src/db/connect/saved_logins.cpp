#include "db/connect/saved_logins.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "base/text_file.h"
#include "model/layout_block.h"

namespace tablora {

namespace {

constexpr const char* kSection = "LogIn";

std::string Key(const char* name, int number) { return name + std::to_string(number); }

/// Writes `bytes` to `path` through a temporary file created with mode 0600.
bool WritePrivate(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string temp = path + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) {
    if (error) *error = "cannot create " + temp + ": " + std::strerror(errno);
    return false;
  }
  ::fchmod(fd, 0600);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const bool ok = done == bytes.size() && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok || std::rename(temp.c_str(), path.c_str()) != 0) {
    if (error) *error = "cannot write " + path;
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

bool MakeFolders(const std::string& folder) {
  for (std::size_t p = 1; p <= folder.size(); ++p) {
    if (p == folder.size() || folder[p] == '/') {
      const std::string part = folder.substr(0, p);
      if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

}  // namespace

const char* const SavedLogins::kDefaultText =
    "[LogIn]\r\nCount=2\r\nHost1=(local)\r\nDBName1=Northwind\r\nUser1=sa\r\nPass1=\r\n\r\n"
    "Host2=(local)\r\nDBName2=Northwind\r\nUser2=sa\r\nPass2=\r\n";

std::string SavedLogins::FilePath(const std::string& programFolder) {
  if (!programFolder.empty()) {
    const std::string inFolder = programFolder + "/logintmp.ini";
    if (::access(inFolder.c_str(), W_OK) == 0) return inFolder;
    // Whether a file can be made there: permissions alone do not tell (root, read-only mounts).
    const std::string probe = programFolder + "/.logintmp.probe" + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
      ::close(fd);
      ::unlink(probe.c_str());
      return inFolder;
    }
  }
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != 0) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != 0) {
    base = std::string(home) + "/.config";
  } else {
    base = "/tmp";
  }
  const std::string folder = base + "/tablora";
  MakeFolders(folder);
  return folder + "/logintmp.ini";
}

bool SavedLogins::Load(const std::string& path, std::string* error) {
  path_ = path;
  entries_.clear();
  std::string bytes;
  if (!TextFile::ReadBytes(path, bytes)) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
      if (error) *error = "cannot read " + path;
      return false;
    }
    bytes = kDefaultText;
    if (!WritePrivate(path, bytes, error)) return false;
  }
  const IniFile ini = IniFile::FromBytes(bytes);
  const int count = ini.GetInt(kSection, "Count", 0);
  for (int n = 1; n <= count && n <= 1000; ++n) {
    LoginEntry e;
    e.host = ini.GetString(kSection, Key("Host", n), "127.0.0.1", 128);
    e.database = ini.GetString(kSection, Key("DBName", n), "Northwind", 128);
    e.user = ini.GetString(kSection, Key("User", n), "sa", 128);
    e.password =
        gbk::CutToBytes(DecodePassword(ini.GetString(kSection, Key("Pass", n), "", 256)), 127);
    entries_.push_back(std::move(e));
  }
  return true;
}

bool SavedLogins::Store(int number, const LoginEntry& entry, bool savePassword,
                        std::string* error) {
  std::string bytes;
  TextFile::ReadBytes(path_, bytes);
  IniFile ini = IniFile::FromBytes(bytes);
  ini.WriteString(kSection, Key("Host", number), gbk::CutToBytes(entry.host, 127));
  ini.WriteString(kSection, Key("DBName", number), gbk::CutToBytes(entry.database, 127));
  ini.WriteString(kSection, Key("User", number), gbk::CutToBytes(entry.user, 127));
  // A long password's Base64 carries line breaks; the file keeps one value per line.
  const std::string encoded =
      savePassword
          ? gbk::ReplaceAll(gbk::ReplaceAll(EncodePassword(entry.password), "\r", ""), "\n", "")
          : "";
  ini.WriteString(kSection, Key("Pass", number), encoded);
  if (!WritePrivate(path_, ini.bytes(), error)) return false;
  if (number >= 1 && static_cast<std::size_t>(number) <= entries_.size()) {
    LoginEntry& e = entries_[number - 1];
    e = entry;
    if (!savePassword) e.password.clear();
  }
  return true;
}

std::string SavedLogins::EncodePassword(const std::string& password) {
  return LayoutBlock::Base64(password + std::string(1, '\0'));
}

std::string SavedLogins::DecodePassword(const std::string& encoded) {
  const std::string out = LayoutBlock::FromBase64(encoded);
  const std::size_t zero = out.find('\0');
  return zero == std::string::npos ? out : out.substr(0, zero);
}

}  // namespace tablora
