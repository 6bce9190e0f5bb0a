#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Line and search helpers shared by the two conversions. Texts are code page 936 bytes:
/// a search matches only where a character starts, never at the trail byte of a
/// double-byte character (many end in "[", "]", "{", "}" or "|").
namespace tablora::source_text {

/// The non-empty lines of `text`, cut at each line feed; a carriage return right before
/// the line feed is dropped, any other character is kept. A last line without a line
/// feed is a line too.
std::vector<std::string_view> SplitLines(std::string_view text);

/// The first position at or after `from` where `needle` starts at a character start;
/// npos when there is none. `from` must be a character start. An empty needle is found
/// at `from`.
std::size_t Find(std::string_view text, std::string_view needle, std::size_t from = 0);

/// The first character start at or after `from` that is one of the single-byte `chars`;
/// npos when there is none.
std::size_t FindFirstOf(std::string_view text, std::string_view chars, std::size_t from = 0);

/// The last character start at or before `last` where `needle` starts; npos when none.
std::size_t FindLast(std::string_view text, std::string_view needle, std::size_t last);

/// True when `needle` occurs at a character start.
inline bool Contains(std::string_view text, std::string_view needle) {
  return Find(text, needle) != std::string_view::npos;
}

/// Every occurrence of `from` (non-empty, at character starts) replaced with `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

/// `text` without leading and trailing characters of `chars`.
std::string_view Trim(std::string_view text, std::string_view chars = " \t\r\n");

}  // namespace tablora::source_text
