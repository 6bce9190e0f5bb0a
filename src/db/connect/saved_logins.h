#pragma once

#include <string>
#include <vector>

namespace tablora {

/// One saved login; texts are code page 936, at most 127 bytes each.
struct LoginEntry {
  std::string host;
  std::string database;
  std::string user;
  std::string password;  ///< decoded; empty when not saved
};

/// The saved logins file "logintmp.ini" (section "LogIn": Count, Host%d, DBName%d, User%d,
/// Pass%d with Base64 passwords). The file holds reversible passwords, so it is created and
/// rewritten readable and writable by its owner only.
class SavedLogins {
 public:
  /// The text a missing file is created with.
  static const char* const kDefaultText;

  /// `programFolder`/logintmp.ini when that folder is writable; otherwise
  /// $XDG_CONFIG_HOME/tablora/logintmp.ini (default ~/.config), the folder made as needed.
  static std::string FilePath(const std::string& programFolder);

  /// Reads the file at `path`, creating it with the default text when missing. False (with
  /// `error`) when it can be neither read nor created; the entries are then empty.
  bool Load(const std::string& path, std::string* error = nullptr);
  const std::vector<LoginEntry>& entries() const { return entries_; }

  /// Writes the four keys of entry `number` (from 1): the password encoded when
  /// `savePassword`, else empty. "Count" is not changed.
  bool Store(int number, const LoginEntry& entry, bool savePassword, std::string* error = nullptr);

  /// Base64 of the password's bytes and one zero byte, with the layout block's line breaks.
  static std::string EncodePassword(const std::string& password);
  /// Decodes Base64 (skipping bytes outside the alphabet) up to the first zero byte.
  static std::string DecodePassword(const std::string& encoded);

 private:
  std::string path_;
  std::vector<LoginEntry> entries_;
};

}  // namespace tablora
