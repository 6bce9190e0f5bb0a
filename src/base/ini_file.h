#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tablora {

/// An INI file (code page 936 bytes, CR LF or LF line ends) read and written the way the
/// Windows private-profile functions do it:
/// - a line "[name]" opens a section (the name runs to the last "]" of the line and is
///   trimmed); keys before the first section belong to a section with the empty name;
/// - a line "key=value" is a key; the key and the value are trimmed of blanks, tabs and CR;
///   surrounding quotes are kept;
/// - blank lines, lines starting with ";" and lines without "=" are not keys;
/// - of two sections with the same name only the first is read, and in a section the first
///   of two equal keys wins.
/// The file is indexed once when it is loaded (and again after each write).
class IniFile {
 public:
  IniFile();

  static IniFile FromBytes(std::string bytes);
  /// A missing or unreadable file gives an empty IniFile; *ok (when given) tells which.
  static IniFile Load(const std::string& path, bool* ok = nullptr);

  /// Section and key names compare without regard to ASCII case; the first of two equal
  /// keys wins; the value is trimmed; missing gives defaultValue (with trailing blanks
  /// removed); the result is cut to bufferSize - 1 bytes at a character boundary.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view defaultValue, std::size_t bufferSize = 128) const;
  /// Leading decimal digits (optional sign) of the value, clamped to the int range; a value
  /// without digits gives 0; a missing key or an empty value gives defaultValue.
  int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

  /// The leading decimal digits (optional sign, leading blanks skipped) of a text as an int,
  /// clamped to the int range; 0 when there are none.
  static int ParseInt(std::string_view text);

  /// Number of distinct keys the section holds (0 when it is missing).
  std::size_t KeyCount(std::string_view section) const;

  /// Changes one key keeping every other byte (comments, order, other keys, line ends);
  /// adds the key (or the section) when missing. A CR or LF in the section, key or value
  /// becomes a blank, so that one write never adds lines of its own.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInt(std::string_view section, std::string_view key, int value);  // "%d"

  const std::string& bytes() const { return bytes_; }
  /// Saves through TextFile::WriteBytes (temp file + rename).
  bool Save(const std::string& path, std::string* error = nullptr) const;

 private:
  /// Byte offsets into bytes_ of one key's value.
  struct Entry {
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
  };
  struct Section {
    /// Where a new key goes: just after the last non-blank line of the section.
    std::size_t insertAt = 0;
    /// True when the line that ends at insertAt has no line end (the end of the file).
    bool lastLineOpen = false;
    std::unordered_map<std::string, Entry> keys;  ///< folded key name -> first entry
  };

  void Index();
  const Section* FindSection(std::string_view name) const;
  const Entry* Find(std::string_view section, std::string_view key) const;
  std::string LineEnd() const;

  std::string bytes_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  ///< folded name -> first
};

}  // namespace tablora
