#include "base/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

bool TextFile::ResolveTarget(const std::string& path, std::string& target, std::string* error) {
  // A link is written through to its target, which keeps its mode.
  if (char* resolved = ::realpath(path.c_str(), nullptr)) {
    target = resolved;
    std::free(resolved);
    return true;
  }
  if (errno != ENOENT) {
    SetError(error);
    return false;
  }
  target = path;
  return true;
}

bool TextFile::WriteTemporary(const std::string& target, const std::string& temp,
                              const std::function<bool(int)>& writeContent, bool sync,
                              std::string* error) {
  struct stat existing {};
  mode_t mode;
  if (::stat(target.c_str(), &existing) == 0) {
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

bool TextFile::WriteFile(const std::string& path, const std::function<bool(int)>& writeContent,
                         std::string* error) {
  std::string target;
  if (!ResolveTarget(path, target, error)) return false;
  const std::string temp = target + ".tmp" + std::to_string(::getpid());
  if (!WriteTemporary(target, temp, writeContent, true, error)) return false;
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
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
