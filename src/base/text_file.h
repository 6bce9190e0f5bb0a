#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tablora {

/// Whole-file reads and writes. Paths are file-system paths; contents are bytes.
class TextFile {
 public:
  /// Reads the whole file into `bytes`. False when it cannot be read; `error` then holds
  /// the system's reason (its own words, without the path). The same holds for writes.
  static bool ReadBytes(const std::string& path, std::string& bytes, std::string* error = nullptr);
  /// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when
  /// everything was written; on failure an existing file is left as it was.
  static bool WriteBytes(const std::string& path, const std::string& bytes,
                         std::string* error = nullptr);
  /// As WriteBytes, with every line feed stored as CR LF (a text-mode file).
  static bool WriteText(const std::string& path, const std::string& text,
                        std::string* error = nullptr);
  /// What WriteBytes does with the content written to the temporary file (open as `fd`)
  /// by `writeContent`, which returns false (errno set) when a write failed.
  static bool WriteFile(const std::string& path, const std::function<bool(int fd)>& writeContent,
                        std::string* error = nullptr);
  /// `path` with its links followed (`path` itself when no file stands there yet); false
  /// when it cannot be resolved.
  static bool ResolveTarget(const std::string& path, std::string& target,
                            std::string* error = nullptr);
  /// Writes the file `temp`, meant to be renamed over `target` (a resolved path), with
  /// what `writeContent` writes and `target`'s mode (for a new file, the mode the
  /// process's creation mask gives); made durable first when `sync`. On failure nothing
  /// is left behind.
  static bool WriteTemporary(const std::string& target, const std::string& temp,
                             const std::function<bool(int fd)>& writeContent, bool sync,
                             std::string* error = nullptr);
  /// Writes all of `bytes` to `fd`; false (errno set) when the system refuses.
  static bool WriteAll(int fd, std::string_view bytes);
  /// Every "\n" becomes "\r\n" (a "\r\n" already present becomes "\r\r\n", as a text-mode
  /// stream writes it).
  static std::string ToCrLf(const std::string& text);
};

}  // namespace tablora
