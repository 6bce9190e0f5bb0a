#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tablora {

/// Position and colours of one table window, as a saved script stores them.
struct LayoutRecord {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::uint32_t textColour = 0;  ///< COLORREF 0x00BBGGRR
  std::uint32_t bkColour = 0;    ///< COLORREF 0x00BBGGRR
  bool operator==(const LayoutRecord& o) const {
    return left == o.left && top == o.top && textColour == o.textColour && bkColour == o.bkColour;
  }
};

/// The window layout block of a saved script's first comment: a little-endian 32-bit
/// count, four 32-bit values per table, one zero byte; stored as Base64.
class LayoutBlock {
 public:
  /// The binary block (4 + 16 x N + 1 bytes).
  static std::string Pack(const std::vector<LayoutRecord>& records);
  /// Base64 of the packed block with CR LF inserted each time an output line reaches
  /// 76 characters (after full three-byte groups only, never after the padded group).
  static std::string Encode(const std::vector<LayoutRecord>& records);
  /// The Base64 form of any bytes, with the same line breaks as Encode.
  static std::string Base64(std::string_view bytes);
  /// The bytes of Base64 text, skipping every byte outside the alphabet; a last group of
  /// two or three letters gives one or two bytes.
  static std::string FromBase64(std::string_view base64Text);
  /// Decodes Base64 text, skipping every byte outside the alphabet, and reads the records
  /// within the decoded bytes: a count larger than the data yields only the whole records
  /// present; a negative count yields none.
  static std::vector<LayoutRecord> Decode(std::string_view base64Text);
};

}  // namespace tablora
