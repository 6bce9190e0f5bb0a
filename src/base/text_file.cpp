#include "base/text_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

namespace tablora {

namespace {
void SetError(std::string* error) {
  if (error) *error = std::strerror(errno);
}
}  // namespace

bool TextFile::ReadBytes(const std::string& path, std::string& bytes, std::string* error) {
  // Read straight into the result: the file's size first, then whatever it holds (a
  // file that grows or is not a regular file is read to its end).
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error);
    return false;
  }
  struct stat info {};
  std::string out;
  if (::fstat(fd, &info) != 0) info.st_mode = 0;
  if (S_ISREG(info.st_mode) && info.st_size > 0) out.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (true) {
    if (done == out.size()) out.resize(out.size() < 65536 ? 65536 : out.size() * 2);
    const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EISDIR) break;  // a folder reads as no bytes
    if (n < 0) {
      SetError(error);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  out.resize(done);
  bytes = std::move(out);
  return true;
}

bool TextFile::WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool TextFile::WriteBytes(const std::string& path, const std::string& bytes, std::string* error) {
  return WriteFile(
      path, [&bytes](int fd) { return WriteAll(fd, bytes); }, error);
}

std::string TextFile::FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool TextFile::ResolveTarget(const std::string& path, WriteTarget& target, std::string* error) {
  if (path == kStandardOutput) {
    target = {WriteWay::kStandardOutput, path};
    return true;
  }
  struct stat info {};
  bool link = false;
  if (::lstat(path.c_str(), &info) != 0 ||
      ((link = S_ISLNK(info.st_mode)) && ::stat(path.c_str(), &info) != 0)) {
    if (errno != ENOENT) {
      SetError(error);
      return false;
    }
    // Nothing there yet (or a link to nowhere, which the create finds taken).
    target = {WriteWay::kCreate, path};
    return true;
  }
  // A device, a pipe or a link to one is written where it stands: a file renamed over it
  // would take its place.
  if (!S_ISREG(info.st_mode)) {
    target = {WriteWay::kInPlace, path};
    return true;
  }
  target = {WriteWay::kReplace, path, static_cast<unsigned>(info.st_mode & 07777),
            static_cast<unsigned long long>(info.st_size)};
  if (!link) return true;
  // A link is written through to its target, which keeps its mode.
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    SetError(error);
    return false;
  }
  target.path = resolved;
  std::free(resolved);
  return true;
}

bool TextFile::WritesInPlace(const std::string& path) {
  WriteTarget target;
  return ResolveTarget(path, target) && (target.way == WriteWay::kStandardOutput ||
                                         target.way == WriteWay::kInPlace);
}

std::string TextFile::TemporaryName(const std::string& target, int n, long pid) {
  std::string temp = target + ".tmp" + std::to_string(pid != 0 ? pid : ::getpid());
  if (n >= 0) temp += "_" + std::to_string(n);
  return temp;
}

std::vector<std::pair<std::string, std::string>> TextFile::StaleTemporaries(
    const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> stale;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return stale;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    // "NAME.tmp" + process id, optionally "_" + a number, and nothing else.
    const std::size_t mark = name.rfind(".tmp");
    if (mark == std::string_view::npos || mark == 0) continue;
    std::size_t i = mark + 4;
    long long pid = 0;
    std::size_t digits = 0;
    while (i < name.size() && name[i] >= '0' && name[i] <= '9' && digits < 10) {
      pid = pid * 10 + (name[i++] - '0');
      ++digits;
    }
    if (digits == 0 || pid <= 0) continue;
    if (i < name.size() && name[i] == '_') {
      const std::size_t from = ++i;
      while (i < name.size() && name[i] >= '0' && name[i] <= '9') ++i;
      if (i == from) continue;
    }
    if (i != name.size() || pid > std::numeric_limits<pid_t>::max()) continue;
    // Only the temporary files of processes gone: a running save still needs its own.
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    const std::string path = (folder == "/" ? "" : folder) + "/" + std::string(name);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    stale.emplace_back(std::string(name.substr(0, mark)), path);
  }
  ::closedir(dir);
  return stale;
}

void TextFile::RemoveStaleTemporaries(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  for (const auto& [of, temp] : StaleTemporaries(FolderOf(target))) {
    if (of == name) ::unlink(temp.c_str());
  }
}

bool TextFile::WriteTemporary(const std::string& target, const std::string& temp,
                              const std::function<bool(int)>& writeContent, bool sync,
                              std::string* error, int knownMode) {
  struct stat existing {};
  mode_t mode;
  if (knownMode >= 0) {
    mode = static_cast<mode_t>(knownMode);
  } else if (::stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    SetError(error);
    return false;
  }
  bool ok = writeContent(fd);
  if (!ok) SetError(error);
  if (ok && ::fchmod(fd, mode) != 0) {
    ok = false;
    SetError(error);
  }
  if (ok && sync && ::fsync(fd) != 0) {
    ok = false;
    SetError(error);
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    SetError(error);
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

bool TextFile::WriteNew(const std::string& path, const std::function<bool(int)>& writeContent,
                        bool sync, std::string* error, bool* exists) {
  if (exists != nullptr) *exists = false;
  // Nothing stands there to protect: no temporary file, no rename.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (exists != nullptr) *exists = errno == EEXIST;
    SetError(error);
    return false;
  }
  bool ok = writeContent(fd);
  if (!ok) SetError(error);
  if (ok && sync && ::fsync(fd) != 0) {
    ok = false;
    SetError(error);
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    SetError(error);
  }
  if (!ok) ::unlink(path.c_str());
  return ok;
}

bool TextFile::WriteInPlace(const std::string& path,
                            const std::function<bool(int)>& writeContent, std::string* error) {
  if (path == kStandardOutput) {
    // What was printed before comes first.
    std::fflush(stdout);
    const bool ok = writeContent(STDOUT_FILENO);
    if (!ok) SetError(error);
    return ok;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error);
    return false;
  }
  bool ok = writeContent(fd);
  if (!ok) SetError(error);
  if (::close(fd) != 0 && ok) {
    ok = false;
    SetError(error);
  }
  return ok;
}

bool TextFile::WriteFile(const std::string& path, const std::function<bool(int)>& writeContent,
                         std::string* error) {
  WriteTarget target;
  if (!ResolveTarget(path, target, error)) return false;
  if (target.way == WriteWay::kStandardOutput || target.way == WriteWay::kInPlace)
    return WriteInPlace(target.path, writeContent, error);
  RemoveStaleTemporaries(target.path);
  if (target.way == WriteWay::kCreate) {
    bool exists = false;
    if (WriteNew(target.path, writeContent, true, error, &exists)) return true;
    // Another process made the file meanwhile, or a link to nowhere stands there: it is
    // replaced as any existing file is.
    if (!exists || !ResolveTarget(path, target, error)) return false;
    if (target.way == WriteWay::kInPlace) return WriteInPlace(target.path, writeContent, error);
  }
  const std::string temp = TemporaryName(target.path);
  const int mode = target.way == WriteWay::kReplace ? static_cast<int>(target.mode) : -1;
  if (!WriteTemporary(target.path, temp, writeContent, true, error, mode)) return false;
  if (std::rename(temp.c_str(), target.path.c_str()) != 0) {
    SetError(error);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

bool TextFile::WriteText(const std::string& path, const std::string& text, std::string* error) {
  // Converted and written a piece at a time: a large text is never held twice.
  constexpr std::size_t kPiece = 1 << 20;
  return WriteFile(
      path,
      [&text](int fd) {
        std::string piece;
        for (std::size_t from = 0; from < text.size(); from += kPiece) {
          piece = ToCrLf(text.substr(from, kPiece));
          if (!WriteAll(fd, piece)) return false;
        }
        return true;
      },
      error);
}

std::string TextFile::ToCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  std::size_t from = 0;
  for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', from)) {
    out.append(text, from, nl - from);
    out += "\r\n";
    from = nl + 1;
  }
  out.append(text, from, std::string::npos);
  return out;
}

}  // namespace tablora
