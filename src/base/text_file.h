#pragma once

#include <functional>
#include <string>

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
  /// Every "\n" becomes "\r\n" (a "\r\n" already present becomes "\r\r\n", as a text-mode
  /// stream writes it).
  static std::string ToCrLf(const std::string& text);
};

}  // namespace tablora
