#include "base/file_set.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <utility>

namespace tablora {

namespace {

void SetError(std::string* error) {
  if (error) *error = std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

/// Syncs the file system that holds `folder` (every file written on it so far); falls
/// back to syncing `files` one by one where the system has no such call.
bool SyncFileSystem(const std::string& folder, const std::vector<std::string>& files) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::syncfs(fd) == 0;
  ::close(fd);
  if (ok || errno != ENOSYS) return ok;
  for (const std::string& file : files) {
    const int f = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    ok = f >= 0 && ::fsync(f) == 0;
    if (f >= 0) ::close(f);
    if (!ok) return false;
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileSet::~FileSet() {
  for (const Pending& p : pending_) ::unlink(p.temp.c_str());
}

bool FileSet::Add(const std::string& path, const std::string& bytes, std::string* error) {
  // A link is written through to its target, which keeps its mode; a new file gets the
  // mode the process's file creation mask gives.
  std::string target = path;
  if (char* resolved = ::realpath(path.c_str(), nullptr)) {
    target = resolved;
    std::free(resolved);
  } else if (errno != ENOENT) {
    SetError(error);
    return false;
  }
  struct stat existing {};
  mode_t mode;
  if (::stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  // The process id and the file's place in the set keep the names of one set apart.
  const std::string temp =
      target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(pending_.size());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    SetError(error);
    return false;
  }
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  if (!ok) SetError(error);
  if (ok && ::fchmod(fd, mode) != 0) {
    ok = false;
    SetError(error);
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    SetError(error);
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  pending_.push_back({path, std::move(target), temp});
  return true;
}

bool FileSet::Commit(std::string* error) {
  committed_.clear();
  failedPath_.clear();
  std::vector<Pending> pending = std::move(pending_);
  pending_.clear();
  auto removeFrom = [&pending](std::size_t first) {
    for (std::size_t i = first; i < pending.size(); ++i) ::unlink(pending[i].temp.c_str());
  };

  // One sync per file system makes every temporary file durable before any is renamed.
  std::set<dev_t> synced;
  std::set<std::string> folders;
  for (const Pending& p : pending) folders.insert(FolderOf(p.target));
  for (const std::string& folder : folders) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && !synced.insert(info.st_dev).second) continue;
    std::vector<std::string> temps;
    for (const Pending& p : pending) {
      if (FolderOf(p.target) == folder) temps.push_back(p.temp);
    }
    if (!SyncFileSystem(folder, temps)) {
      SetError(error);
      failedPath_ = pending.front().path;
      removeFrom(0);
      return false;
    }
  }
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (std::rename(pending[i].temp.c_str(), pending[i].target.c_str()) != 0) {
      SetError(error);
      failedPath_ = pending[i].path;
      removeFrom(i);
      return false;
    }
    committed_.push_back(pending[i].path);
  }
  // The new names themselves are made durable, one folder at a time (where the file
  // system allows it: the files are whole either way).
  for (const std::string& folder : folders) SyncFolder(folder);
  return true;
}

}  // namespace tablora
