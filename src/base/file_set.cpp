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

#include "base/text_file.h"

namespace tablora {

namespace {

void SetError(std::string* error) {
  if (error) *error = std::strerror(errno);
}

std::string FolderOf(const std::string& path) { return TextFile::FolderOf(path); }

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

/// True when the regular file `target` (of `size` bytes) holds exactly `bytes`.
bool HoldsAlready(const TextFile::WriteTarget& target, const std::string& bytes) {
  if (target.size != bytes.size()) return false;
  std::string held;
  return TextFile::ReadBytes(target.path, held) && held == bytes;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileSet::FileSet() : pid_(::getpid()) {}

FileSet::~FileSet() { Discard(pending_, 0); }

void FileSet::Discard(const std::vector<Pending>& pending, std::size_t first) {
  for (std::size_t i = first; i < pending.size(); ++i) {
    if (pending[i].kind == Pending::kTemporary) ::unlink(pending[i].temp.c_str());
    if (pending[i].kind == Pending::kCreated) ::unlink(pending[i].target.c_str());
  }
}

void FileSet::RemoveStale(const std::string& target) {
  const std::string folder = TextFile::FolderOf(target);
  auto listed = stale_.find(folder);
  if (listed == stale_.end()) {
    std::multimap<std::string, std::string> found;
    for (auto& [name, temp] : TextFile::StaleTemporaries(folder))
      found.emplace(std::move(name), std::move(temp));
    listed = stale_.emplace(folder, std::move(found)).first;
  }
  if (listed->second.empty()) return;
  const std::size_t slash = target.rfind('/');
  const auto range =
      listed->second.equal_range(slash == std::string::npos ? target : target.substr(slash + 1));
  for (auto it = range.first; it != range.second; ++it) ::unlink(it->second.c_str());
  listed->second.erase(range.first, range.second);
}

bool FileSet::Add(const std::string& path, const std::string& bytes, std::string* error) {
  TextFile::WriteTarget target;
  if (!TextFile::ResolveTarget(path, target, error)) return false;
  using Way = TextFile::WriteWay;
  if (target.way == Way::kStandardOutput || target.way == Way::kInPlace) {
    pending_.push_back({path, std::move(target.path), Pending::kInPlace, {}, bytes});
    return true;
  }
  RemoveStale(target.path);
  const auto write = [&bytes](int fd) { return TextFile::WriteAll(fd, bytes); };
  if (target.way == Way::kCreate) {
    bool exists = false;
    if (TextFile::WriteNew(target.path, write, false, error, &exists)) {
      targets_.insert(target.path);
      pending_.push_back({path, std::move(target.path), Pending::kCreated, {}, {}});
      return true;
    }
    // Made meanwhile by someone else, or a link to nowhere: replaced as any file is.
    if (!exists || !TextFile::ResolveTarget(path, target, error)) return false;
    if (target.way == Way::kInPlace) {
      pending_.push_back({path, std::move(target.path), Pending::kInPlace, {}, bytes});
      return true;
    }
  }
  // A path added before in this set is renamed over later: this one must follow it.
  const bool first = targets_.insert(target.path).second;
  if (first && HoldsAlready(target, bytes)) {
    pending_.push_back({path, std::move(target.path), Pending::kUnchanged, {}, {}});
    return true;
  }
  // The process id and the file's place in the set keep the names of one set apart.
  std::string temp =
      TextFile::TemporaryName(target.path, static_cast<int>(pending_.size()), pid_);
  const int mode = target.way == Way::kReplace ? static_cast<int>(target.mode) : -1;
  if (!TextFile::WriteTemporary(target.path, temp, write, false, error, mode)) return false;
  pending_.push_back({path, std::move(target.path), Pending::kTemporary, std::move(temp), {}});
  return true;
}

bool FileSet::Commit(std::string* error) {
  committed_.clear();
  failedPath_.clear();
  std::vector<Pending> pending = std::move(pending_);
  pending_.clear();
  targets_.clear();
  stale_.clear();

  // One sync per file system makes every new and temporary file durable before any is
  // renamed.
  std::set<dev_t> synced;
  std::set<std::string> folders;
  const auto written = [](const Pending& p) {
    return p.kind == Pending::kTemporary || p.kind == Pending::kCreated;
  };
  for (const Pending& p : pending) {
    if (written(p)) folders.insert(FolderOf(p.target));
  }
  for (const std::string& folder : folders) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && !synced.insert(info.st_dev).second) continue;
    std::vector<std::string> files;
    for (const Pending& p : pending) {
      if (written(p) && FolderOf(p.target) == folder)
        files.push_back(p.kind == Pending::kTemporary ? p.temp : p.target);
    }
    if (!SyncFileSystem(folder, files)) {
      SetError(error);
      failedPath_ = pending.front().path;
      Discard(pending, 0);
      return false;
    }
  }
  for (std::size_t i = 0; i < pending.size(); ++i) {
    const Pending& p = pending[i];
    bool ok = true;
    if (p.kind == Pending::kTemporary) {
      ok = std::rename(p.temp.c_str(), p.target.c_str()) == 0;
      if (!ok) SetError(error);
    } else if (p.kind == Pending::kInPlace) {
      ok = TextFile::WriteInPlace(
          p.target, [&p](int fd) { return TextFile::WriteAll(fd, p.bytes); }, error);
    }
    if (!ok) {
      failedPath_ = p.path;
      Discard(pending, i);
      return false;
    }
    committed_.push_back(p.path);
  }
  // The new names themselves are made durable, one folder at a time (where the file
  // system allows it: the files are whole either way).
  for (const std::string& folder : folders) SyncFolder(folder);
  return true;
}

}  // namespace tablora
