#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tablora {

/// The body rule of the table pattern (the column list up to the parenthesis that closes
/// it) matched by hand. The rule is the tail of setting/e1.dat as shipped; a pattern that
/// still ends with it is matched in two steps: its head by the regular expression, then
/// the body by FindEnd, which reads each byte once where the matcher would push a
/// backtracking state per element. The result is the one the whole pattern gives.
class TableBodyScanner {
 public:
  /// The shipped body rule, as PatternFile leaves it (comments and line breaks removed).
  static std::string_view Rule();

  /// `pattern` without its trailing Rule(), or nothing when it does not end with it (an
  /// edited body rule is then matched by the whole pattern).
  static std::optional<std::string> HeadOf(std::string_view pattern);

  /// The closing parenthesis of the body that starts at `begin`, searched no further
  /// than `end`. Null when the rule does not match there or when the body is longer or
  /// deeper than the scanner takes on: the whole pattern then decides (it may still match
  /// by giving back part of the header comment, and it keeps its own limits on
  /// pathological bodies).
  static const char* FindEnd(const char* begin, const char* end);
};

}  // namespace tablora
