#pragma once

#include <set>
#include <string>
#include <vector>

namespace tablora {

/// A set of files written together and made durable with one sync for the whole set:
/// each file goes to a temporary file beside its path first; Commit makes every
/// temporary file durable, renames each over its path and syncs their folders once. No
/// file is ever half-written: a path holds its old content or its whole new content. A
/// file that already holds exactly the new bytes is left as it is (a second generation
/// into the same folder touches only what changed).
class FileSet {
 public:
  FileSet() = default;
  FileSet(const FileSet&) = delete;
  FileSet& operator=(const FileSet&) = delete;
  /// Removes the temporary files not yet committed.
  ~FileSet();

  /// Writes `bytes` to a temporary file for `path` (a link is written through to its
  /// target, which keeps its mode). False when it cannot be written; `error` then holds
  /// the system's reason and the set is as before the call.
  bool Add(const std::string& path, const std::string& bytes, std::string* error = nullptr);
  /// Syncs the temporary files, renames them over their paths in the order added and
  /// syncs their folders (where the file system can). False at the first failure (`error` holds the
  /// reason and `failedPath()` the path): the files renamed before it stay written, the others keep
  /// their old content. The set is empty afterwards.
  bool Commit(std::string* error = nullptr);
  const std::string& failedPath() const { return failedPath_; }
  /// The paths committed by the last Commit, in order.
  const std::vector<std::string>& committed() const { return committed_; }

 private:
  struct Pending {
    std::string path;    ///< as given
    std::string target;  ///< the file renamed over (a link's target)
    std::string temp;    ///< empty when the file holds the bytes already
  };
  std::vector<Pending> pending_;
  std::set<std::string> targets_;  ///< of pending_
  std::vector<std::string> committed_;
  std::string failedPath_;
};

}  // namespace tablora
