#include "base/file_set.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <utility>

#include "base/text_file.h"

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

/// True when `target` is a file that holds exactly `bytes`.
bool HoldsAlready(const std::string& target, const std::string& bytes) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<std::uint64_t>(info.st_size) != bytes.size()) {
    return false;
  }
  std::string held;
  return TextFile::ReadBytes(target, held) && held == bytes;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileSet::~FileSet() {
  for (const Pending& p : pending_) {
    if (!p.temp.empty()) ::unlink(p.temp.c_str());
  }
}

bool FileSet::Add(const std::string& path, const std::string& bytes, std::string* error) {
  std::string target;
  if (!TextFile::ResolveTarget(path, target, error)) return false;
  // A path added before in this set is renamed over later: this one must follow it.
  const bool first = targets_.insert(target).second;
  if (first && HoldsAlready(target, bytes)) {
    pending_.push_back({path, std::move(target), std::string()});
    return true;
  }
  // The process id and the file's place in the set keep the names of one set apart.
  std::string temp =
      target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(pending_.size());
  const auto write = [&bytes](int fd) { return TextFile::WriteAll(fd, bytes); };
  if (!TextFile::WriteTemporary(target, temp, write, false, error)) return false;
  pending_.push_back({path, std::move(target), std::move(temp)});
  return true;
}

bool FileSet::Commit(std::string* error) {
  committed_.clear();
  failedPath_.clear();
  std::vector<Pending> pending = std::move(pending_);
  pending_.clear();
  targets_.clear();
  auto removeFrom = [&pending](std::size_t first) {
    for (std::size_t i = first; i < pending.size(); ++i) {
      if (!pending[i].temp.empty()) ::unlink(pending[i].temp.c_str());
    }
  };

  // One sync per file system makes every temporary file durable before any is renamed.
  std::set<dev_t> synced;
  std::set<std::string> folders;
  for (const Pending& p : pending) {
    if (!p.temp.empty()) folders.insert(FolderOf(p.target));
  }
  for (const std::string& folder : folders) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && !synced.insert(info.st_dev).second) continue;
    std::vector<std::string> temps;
    for (const Pending& p : pending) {
      if (!p.temp.empty() && FolderOf(p.target) == folder) temps.push_back(p.temp);
    }
    if (!SyncFileSystem(folder, temps)) {
      SetError(error);
      failedPath_ = pending.front().path;
      removeFrom(0);
      return false;
    }
  }
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (!pending[i].temp.empty() &&
        std::rename(pending[i].temp.c_str(), pending[i].target.c_str()) != 0) {
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
