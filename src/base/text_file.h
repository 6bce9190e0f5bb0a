#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tablora {

/// Whole-file reads and writes. Paths are file-system paths; contents are bytes.
class TextFile {
 public:
  /// The path that writes go to standard output.
  static constexpr const char* kStandardOutput = "-";

  /// How a write reaches its file.
  enum class WriteWay {
    kStandardOutput,  ///< the path "-"
    kInPlace,         ///< an existing file that is not a regular file (a device, a pipe)
    kCreate,          ///< no file yet: created exclusively and written
    kReplace,         ///< a regular file: a temporary file beside it renamed over it
  };
  struct WriteTarget {
    WriteWay way = WriteWay::kCreate;
    /// The file written: for a link to a regular file, the link's target; otherwise the
    /// path as given (opening it follows its links).
    std::string path;
    unsigned mode = 0;           ///< kReplace: the file's permission bits
    unsigned long long size = 0; ///< kReplace: the file's size in bytes
  };

  /// Reads the whole file into `bytes`. False when it cannot be read; `error` then holds
  /// the system's reason (its own words, without the path). The same holds for writes.
  static bool ReadBytes(const std::string& path, std::string& bytes, std::string* error = nullptr);
  /// Writes `bytes` to `path` as ResolveTarget says: a regular file is replaced only when
  /// everything was written (on failure it is left as it was), a new file is removed again
  /// when a write fails, a device or pipe is written in place, "-" is standard output.
  static bool WriteBytes(const std::string& path, const std::string& bytes,
                         std::string* error = nullptr);
  /// As WriteBytes, with every line feed stored as CR LF (a text-mode file).
  static bool WriteText(const std::string& path, const std::string& text,
                        std::string* error = nullptr);
  /// What WriteBytes does with the content `writeContent` writes to the open file `fd`;
  /// it returns false (errno set) when a write failed.
  static bool WriteFile(const std::string& path, const std::function<bool(int fd)>& writeContent,
                        std::string* error = nullptr);
  /// How a write to `path` goes; false when `path` cannot be looked at.
  static bool ResolveTarget(const std::string& path, WriteTarget& target,
                            std::string* error = nullptr);
  /// True when a write to `path` goes to standard output or into an existing device or
  /// pipe, so that a failure cannot promise the old content.
  static bool WritesInPlace(const std::string& path);
  /// Writes the file `temp`, meant to be renamed over `target` (a resolved path), with
  /// what `writeContent` writes and `mode` (-1: `target`'s mode, or for a new file the
  /// mode the process's creation mask gives); made durable first when `sync`. On failure
  /// nothing is left behind.
  static bool WriteTemporary(const std::string& target, const std::string& temp,
                             const std::function<bool(int fd)>& writeContent, bool sync,
                             std::string* error = nullptr, int mode = -1);
  /// Creates `path`, which must not exist, with the mode the creation mask gives and
  /// writes it; made durable when `sync`. On failure the file is removed again; `exists`
  /// is set when a file stood at `path` after all (nothing was touched then).
  static bool WriteNew(const std::string& path, const std::function<bool(int fd)>& writeContent,
                       bool sync, std::string* error = nullptr, bool* exists = nullptr);
  /// Writes into the existing file `path` (standard output for "-") without replacing it.
  static bool WriteInPlace(const std::string& path,
                           const std::function<bool(int fd)>& writeContent,
                           std::string* error = nullptr);
  /// The temporary file of a write to `target` by this process ("TARGET.tmpPID"), and of
  /// the n-th file of a set ("TARGET.tmpPID_n"); `pid` 0 is this process's.
  static std::string TemporaryName(const std::string& target, int n = -1, long pid = 0);
  /// The temporary files left in `folder` by writes of processes that no longer run (a
  /// killed save): file names "NAME.tmpPID" or "NAME.tmpPID_n", as pairs of NAME and the
  /// temporary file's full path.
  static std::vector<std::pair<std::string, std::string>> StaleTemporaries(
      const std::string& folder);
  /// Removes the stale temporary files (StaleTemporaries) of `target`.
  static void RemoveStaleTemporaries(const std::string& target);
  /// Writes all of `bytes` to `fd`; false (errno set) when the system refuses.
  static bool WriteAll(int fd, std::string_view bytes);
  /// Every "\n" becomes "\r\n" (a "\r\n" already present becomes "\r\r\n", as a text-mode
  /// stream writes it).
  static std::string ToCrLf(const std::string& text);
  /// The folder part of a path ("." for a bare name).
  static std::string FolderOf(const std::string& path);
};

}  // namespace tablora
