#pragma once

#include <string>
#include <string_view>

namespace tablora {

/// The comment of one line of C/C++ source (code page 936): the text after "//", or
/// between "/*" and "*/" (to the end of the line when "*/" is missing), whichever starts
/// first; `code` is the line without it.
struct CComment {
  bool found = false;
  std::string text;  ///< trimmed of blanks and tabs
  std::string code;  ///< the line with the comment cut out
  /// True when the line holds nothing but a comment.
  bool onlyComment() const;

  static CComment OfLine(std::string_view line);
  /// The comment that belongs to the line holding `position` of `text`: its own, else the
  /// comment of the line directly above when that line holds nothing but the comment.
  static std::string ForLineAt(std::string_view text, std::size_t position);
};

/// A structure comment: display name ":" comment "(组)" group. Line breaks are removed and
/// "：" reads as ":"; the display name is the text before the first ":" standing before
/// "(组)", and every further ":" of the comment becomes "-".
struct TableComment {
  std::string displayName;
  std::string comment;
  std::string group;
  static TableComment Parse(std::string_view text);
};

/// A member comment: display name ":" note; without ":" the whole text is the note.
/// "：" reads as ":", and every further ":" of the note becomes "-".
struct MemberComment {
  std::string displayName;
  std::string note;
  static MemberComment Parse(std::string_view text);
};

}  // namespace tablora
