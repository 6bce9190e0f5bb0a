#pragma once

#include <string>

#include "db/access/result_set.h"

namespace tablora {

/// ADO data type numbers that result sets and imports use.
namespace ado {
constexpr int kEmpty = 0, kSmallInt = 2, kInteger = 3, kSingle = 4, kDouble = 5, kCurrency = 6,
              kDate = 7, kBstr = 8, kBoolean = 11, kDecimal = 14, kTinyInt = 16,
              kUnsignedTinyInt = 17, kUnsignedSmallInt = 18, kUnsignedInt = 19, kBigInt = 20,
              kUnsignedBigInt = 21, kGuid = 72, kBinary = 128, kChar = 129, kWChar = 130,
              kNumeric = 131, kDbDate = 133, kDbTime = 134, kDbTimeStamp = 135, kVarChar = 200,
              kLongVarChar = 201, kVarWChar = 202, kLongVarWChar = 203, kVarBinary = 204,
              kLongVarBinary = 205;
}  // namespace ado

/// Turns values, read from the driver as text, into display text and integers by the
/// value's ADO type.
class ValueRules {
 public:
  /// The ADO type number of an ODBC SQL type; `typeName` (the driver's TYPE_NAME) tells
  /// money apart from other decimals. Unknown SQL types read as variable text.
  static int AdoTypeOf(int sqlType, const std::string& typeName);
  /// True for the types whose values are binary and show as "[BLOB]".
  static bool IsBinary(int adoType);
  /// The display text: null is ""; integers print their whole value; 4-byte reals "%.4f",
  /// 8-byte reals "%.8f"; decimals keep the driver's exact text; currency two decimals;
  /// dates "%Y-%m-%d %H:%M:%S"; booleans "TRUE"/"FALSE"; binary "[BLOB]"; text as it is.
  static std::string Text(int adoType, const ResultCell& cell);
  /// The text with nothing of the value lost, for data that leaves the program: reals as
  /// the shortest text that reads back to the same value (a 4-byte real as a float),
  /// currency as the driver's own digits; other types as Text.
  static std::string ExactText(int adoType, const ResultCell& cell);
  /// The integer: 2-byte types and booleans (true is -1) as signed 16-bit; reals rounded
  /// by truncating value + 0.5; decimals and currency rounded; text by its leading digits;
  /// bytes unsigned; larger integers clamped to the int range; anything else 0.
  static int Integer(int adoType, const ResultCell& cell);
  /// A real's text cut two characters after its last "." (2.50000000 becomes 2.50).
  static std::string CutDecimals(const std::string& text);
};

}  // namespace tablora
