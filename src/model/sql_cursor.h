#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/gbk_text.h"

namespace tablora {

/// A forward reader over a piece of SQL text (code page 936): keywords, names written
/// [bracketed], "quoted" or bare, parenthesised parts and literals. Never reads past
/// the end of its text; a failed read leaves the position unchanged.
class SqlCursor {
 public:
  explicit SqlCursor(std::string_view text, std::size_t pos = 0) : text_(text), pos_(pos) {}

  std::size_t pos() const { return pos_; }
  bool AtEnd() {
    SkipSpace();
    return pos_ >= text_.size();
  }
  /// Skips white space, "--" comments and "/* */" comments.
  void SkipSpace();
  /// Reads `keyword` (ASCII, any letter case, one space in it matching any white space)
  /// when it stands next as a whole word.
  bool Keyword(std::string_view keyword);
  /// Reads one character when it is `c`.
  bool Char(char c);
  /// A name without its brackets or quotes ("]]" inside brackets reads as "]").
  std::optional<std::string> Name();
  /// A dotted name ([db].[owner].[table]); the last part.
  std::optional<std::string> QualifiedName();
  /// A dotted name with its parts in order ([owner].[table] gives owner, table).
  std::optional<std::vector<std::string>> QualifiedNameParts();
  /// At "(": the text inside the matching ")" (literals and nested parentheses kept whole).
  std::optional<std::string> Parenthesised();
  /// At "(": the first name of each comma-separated item inside (ASC / DESC dropped).
  std::optional<std::vector<std::string>> NameList();
  /// A string literal N'...' or '...' with doubled apostrophes read as one.
  std::optional<std::string> Literal();
  /// The rest of the text from the current position.
  std::string_view Rest() const { return text_.substr(pos_ < text_.size() ? pos_ : text_.size()); }

  /// Splits at `separator` where it stands outside parentheses, literals, names and comments.
  static std::vector<std::string_view> SplitTopLevel(std::string_view text, char separator);
  /// The position just past the literal, name or comment that starts at `pos` ("]]" inside
  /// brackets belongs to the name), or `pos` when none starts there.
  static std::size_t SkipQuoted(std::string_view text, std::size_t pos);
  /// Position of the ")" matching the "(" at `open` outside literals, or npos.
  static std::size_t MatchingParen(std::string_view text, std::size_t open);
  /// Calls `visit(pos)` at each character of `text` from `from` on that stands outside
  /// literals, names and comments, until `visit` returns true: that position, or npos.
  template <typename Visit>
  static std::size_t FindInCode(std::string_view text, std::size_t from, Visit visit);

 private:
  std::string_view text_;
  std::size_t pos_;
};

template <typename Visit>
std::size_t SqlCursor::FindInCode(std::string_view text, std::size_t from, Visit visit) {
  std::size_t i = from;
  while (i < text.size()) {
    const std::size_t skipped = SkipQuoted(text, i);
    if (skipped != i) {
      i = skipped;
      continue;
    }
    if (visit(i)) return i;
    i += gbk::CharSize(text, i);
  }
  return std::string_view::npos;
}

}  // namespace tablora
