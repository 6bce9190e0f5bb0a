#pragma once

#include <string>
#include <string_view>

namespace tablora {

/// Converts text between the core's byte strings and Unicode encodings through iconv.
/// The core's texts are GB18030: every code page 936 (GBK) text reads as the same
/// characters, and a character GBK lacks is a four-byte sequence. The single byte 0x80
/// keeps the meaning code page 936 gives it (the euro sign), both ways, so that every text
/// GBK can hold is written byte for byte as before. (The "Cp936" names stay: the texts of
/// code page 936 are exactly the GB18030 texts without four-byte sequences.)
/// Every conversion is lenient: a byte sequence that cannot be converted becomes "?" and
/// the rest of the text still comes through.
class TextCodec {
 public:
  static std::string Cp936ToUtf8(std::string_view gb18030);
  static std::string Utf8ToCp936(std::string_view utf8);
  /// Raw UTF-16 little-endian bytes (no byte-order mark) to the core's text.
  static std::string Utf16LeToCp936(std::string_view utf16le);
  /// The core's text to raw UTF-16 little-endian bytes (the ODBC wide calls' text).
  static std::string Cp936ToUtf16Le(std::string_view gb18030);
  /// True when `bytes` are well-formed UTF-8 (no overlong forms, no surrogates).
  static bool IsUtf8(std::string_view bytes);
  /// True when the core's text holds a four-byte sequence (a character GBK lacks).
  static bool HasFourByteCharacters(std::string_view gb18030);

 private:
  static std::string Convert(const char* to, const char* from, std::string_view input,
                             std::size_t unitSize);
};

}  // namespace tablora

namespace tablora {

/// A UTF-8 literal of the source (a message, a caption) as the text the core works with.
/// Hot paths keep the result in a static.
inline std::string Cp936(std::string_view utf8) { return TextCodec::Utf8ToCp936(utf8); }

}  // namespace tablora
