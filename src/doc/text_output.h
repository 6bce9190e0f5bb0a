#pragma once

#include <string>
#include <string_view>

namespace tablora {

/// Text written in large pieces to a file descriptor, or appended to a string. A failed
/// write is remembered; what follows it is dropped.
class TextOutput {
 public:
  /// Writes to `fd` (not owned) a piece at a time.
  explicit TextOutput(int fd) : fd_(fd) {}
  /// Appends to `text` (not owned).
  explicit TextOutput(std::string* text) : text_(text) {}
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;

  TextOutput& operator<<(std::string_view text);
  /// Writes what is still held; false (errno set) when any write failed.
  bool Finish();

 private:
  static constexpr std::size_t kPiece = 256 * 1024;
  void Flush();

  int fd_ = -1;
  std::string* text_ = nullptr;
  std::string buffer_;
  bool ok_ = true;
};

}  // namespace tablora
