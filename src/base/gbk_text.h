#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Helpers for code page 936 (GBK) byte strings: a byte of 0x81..0xFE starts a
/// two-byte character; every other byte is one character.
namespace tablora::gbk {

/// True when the byte starts a double-byte character.
inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

/// The longest prefix of `text` of at most `maxBytes` bytes that does not end inside
/// a double-byte character.
std::string CutToBytes(std::string_view text, std::size_t maxBytes);

/// Cut to a record field of `fieldWidth` bytes including its terminating zero
/// (so at most fieldWidth - 1 bytes of text).
inline std::string CutToWidth(std::string_view text, std::size_t fieldWidth) {
  return CutToBytes(text, fieldWidth == 0 ? 0 : fieldWidth - 1);
}

/// Number of characters in the first `bytePos` bytes (a byte of 128 or more and the
/// byte after it count as one character), as rich-text selections count them.
std::size_t CharIndex(std::string_view text, std::size_t bytePos);

/// ASCII letters, digits and "_": what a word of SQL or program text is made of.
inline bool IsWordChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
/// A byte of an unquoted SQL name: word characters, "@", "#", "$", and with `withDoubleByte`
/// every byte of 0x80 or more (double-byte characters are names too).
inline bool IsSqlNameByte(unsigned char c, bool withDoubleByte = true) {
  return IsWordChar(c) || c == '@' || c == '#' || c == '$' || (withDoubleByte && c >= 0x80);
}
/// White space of SQL text: space, tab, CR, LF, form feed and vertical tab.
inline bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
/// ASCII case folding of one byte; other bytes are left as they are.
inline char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// ASCII-only case folding; double-byte characters are left as they are.
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

/// Trims spaces, tabs, CR and LF at both ends.
std::string Trim(std::string_view text);
/// Trims only the given characters at both ends.
std::string TrimChars(std::string_view text, std::string_view chars);

/// Replaces every occurrence of `from` (non-empty) with `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace tablora::gbk
