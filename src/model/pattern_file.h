#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <boost/regex.hpp>

namespace tablora {

/// One regular expression stored as plain text: "//" to the end of a line is a comment,
/// line feeds and carriage returns are removed, so a pattern may span commented lines.
/// Compiled once with Perl syntax (case-sensitive) and reloaded only when the file's size
/// or modification time changed.
class PatternFile {
 public:
  explicit PatternFile(std::string path) : path_(std::move(path)) {}

  /// Loads the file when it is not loaded yet or changed on disk. False when it cannot be
  /// read or does not compile; then error() says why and regex() is null.
  bool Refresh();

  /// The compiled pattern; null until a Refresh succeeded.
  const boost::regex* regex() const { return regex_.get(); }
  /// The text regex() was compiled from.
  const std::string& pattern() const { return pattern_; }
  const std::string& path() const { return path_; }
  /// Why the last Refresh failed (code page 936 / file-system bytes); empty after success.
  const std::string& error() const { return error_; }
  /// How many times the file was read and compiled.
  int loadCount() const { return loadCount_; }

  /// The pattern text of a stored file: comments and line breaks removed.
  static std::string StripComments(const std::string& stored);

 private:
  std::string path_;
  std::unique_ptr<boost::regex> regex_;
  std::string pattern_;
  std::int64_t size_ = -1;
  std::int64_t mtimeNs_ = -1;
  std::uint64_t inode_ = 0;  ///< a file replaced by a rename has a new one
  std::string error_;
  int loadCount_ = 0;
};

}  // namespace tablora
