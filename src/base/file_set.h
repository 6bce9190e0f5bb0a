#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tablora {

/// A set of files written together and made durable with one sync for the whole set:
/// a file that exists goes to a temporary file beside its path first, and Commit makes
/// every file durable, renames each temporary file over its path and syncs their folders
/// once. No existing file is ever half-written: a path holds its old content or its whole
/// new content. A file that does not exist yet is created and written at once (a set
/// dropped or failing before Commit removes it again). A file that already holds exactly
/// the new bytes is left as it is (a second generation into the same folder touches only
/// what changed). A device or pipe (and "-", standard output) is written in place at
/// Commit, in its turn.
class FileSet {
 public:
  FileSet();
  FileSet(const FileSet&) = delete;
  FileSet& operator=(const FileSet&) = delete;
  /// Removes the temporary files not yet committed.
  ~FileSet();

  /// Writes `bytes` for `path` (a link is written through to its target, which keeps its
  /// mode): to a temporary file, or to the new file itself; a device's bytes are kept for
  /// Commit. Stale temporary files of `path` left by a killed process are removed. False
  /// when it cannot be written; `error` then holds the system's reason and the set is as
  /// before the call.
  bool Add(const std::string& path, const std::string& bytes, std::string* error = nullptr);
  /// Syncs the new and temporary files, renames the temporary files over their paths and
  /// writes the devices in the order added, and syncs their folders (where the file system
  /// can). False at the first failure (`error` holds the reason and `failedPath()` the
  /// path): the files before it stay written, the others keep their old content (new ones
  /// are removed). The set is empty afterwards.
  bool Commit(std::string* error = nullptr);
  const std::string& failedPath() const { return failedPath_; }
  /// The paths committed by the last Commit, in order.
  const std::vector<std::string>& committed() const { return committed_; }

 private:
  struct Pending {
    enum Kind { kUnchanged, kTemporary, kCreated, kInPlace };
    std::string path;    ///< as given
    std::string target;  ///< the file written (a link's target)
    Kind kind = kUnchanged;
    std::string temp;   ///< kTemporary: the file renamed over `target`
    std::string bytes;  ///< kInPlace: what Commit writes
  };
  /// Removes the stale temporary files of `target`, listing each folder once per set.
  void RemoveStale(const std::string& target);
  /// Removes the temporary and new files of `pending` from `first` on.
  static void Discard(const std::vector<Pending>& pending, std::size_t first);

  std::vector<Pending> pending_;
  std::set<std::string> targets_;  ///< of pending_
  std::vector<std::string> committed_;
  std::string failedPath_;
  long pid_;  ///< this process's id, in the temporary files' names
  /// Per folder listed: its stale temporary files, as file name and temporary file.
  std::map<std::string, std::multimap<std::string, std::string>> stale_;
};

}  // namespace tablora
