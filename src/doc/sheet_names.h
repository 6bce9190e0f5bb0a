#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace tablora {

/// Worksheet names for a workbook: each one valid where spreadsheet programs look (at
/// most 31 characters, none of \ / ? * [ ] :, no apostrophe at either end) and unique
/// ignoring case. Texts are UTF-8.
class SheetNames {
 public:
  static constexpr std::size_t kMaxLength = 31;  ///< in UTF-16 units, as the programs count

  /// A valid name not given before, made from `wanted`: forbidden characters become "_",
  /// a name too long is cut at a character, a name already given gets "~2", "~3", ...
  std::string Add(std::string_view wanted);

 private:
  std::unordered_set<std::string> taken_;  ///< lower-case names given so far
};

}  // namespace tablora
