#pragma once

#include <string>
#include <string_view>

namespace tablora {

/// Converts text between code page 936 and Unicode encodings through iconv. Every
/// conversion is lenient: a byte sequence that cannot be converted becomes "?" and
/// the rest of the text still comes through.
class TextCodec {
 public:
  static std::string Cp936ToUtf8(std::string_view cp936);
  static std::string Utf8ToCp936(std::string_view utf8);
  /// Raw UTF-16 little-endian bytes (no byte-order mark) to code page 936.
  static std::string Utf16LeToCp936(std::string_view utf16le);

 private:
  static std::string Convert(const char* to, const char* from, std::string_view input,
                             std::size_t unitSize);
};

}  // namespace tablora

namespace tablora {

/// A UTF-8 literal of the source (a message, a caption) as the code page 936 text the
/// core works with. Hot paths keep the result in a static.
inline std::string Cp936(std::string_view utf8) { return TextCodec::Utf8ToCp936(utf8); }

}  // namespace tablora
