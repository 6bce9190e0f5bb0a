#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Helpers for the core's GB18030 byte strings (code page 936 and its four-byte extension):
/// a byte of 0x81..0xFE followed by a digit 0x30..0x39, a byte of 0x81..0xFE and a digit is
/// one four-byte character; any other byte of 0x81..0xFE starts a two-byte character;
/// every other byte (0x80 included, code page 936's euro sign) is one character.
namespace tablora::gbk {

/// True when the byte starts a multi-byte character.
inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
/// True when the byte is the second or fourth byte of a four-byte character.
inline bool IsFourByteDigit(unsigned char c) { return c >= 0x30 && c <= 0x39; }

/// True when a four-byte character starts at `i`.
inline bool IsFourByteAt(std::string_view text, std::size_t i) {
  return i + 3 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])) &&
         IsFourByteDigit(static_cast<unsigned char>(text[i + 1])) &&
         IsLeadByte(static_cast<unsigned char>(text[i + 2])) &&
         IsFourByteDigit(static_cast<unsigned char>(text[i + 3]));
}

/// Bytes of the character that starts at `i` (< text.size()): 4, 2, or 1 (a lead byte
/// at the end of the text stands alone).
inline std::size_t CharSize(std::string_view text, std::size_t i) {
  if (!IsLeadByte(static_cast<unsigned char>(text[i])) || i + 1 >= text.size()) return 1;
  return IsFourByteAt(text, i) ? 4 : 2;
}

/// The longest prefix of `text` of at most `maxBytes` bytes that does not end inside
/// a multi-byte character.
std::string CutToBytes(std::string_view text, std::size_t maxBytes);

/// Cut to a record field of `fieldWidth` bytes including its terminating zero
/// (so at most fieldWidth - 1 bytes of text).
inline std::string CutToWidth(std::string_view text, std::size_t fieldWidth) {
  return CutToBytes(text, fieldWidth == 0 ? 0 : fieldWidth - 1);
}

/// Number of characters in the first `bytePos` bytes (a multi-byte character counts as
/// one), as rich-text selections count them.
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

/// ASCII-only case folding; multi-byte characters are left as they are.
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
