#pragma once

#include <string>
#include <string_view>

/// Names written between delimiters in SQL text (code page 936): SQL Server's rule that
/// the closing delimiter inside a name is written twice. The second byte of a double-byte
/// character is never taken for a delimiter.
namespace tablora::sql_names {

/// `name` between `open` and `close`, each `close` inside doubled: "[a]]b]", "\"a\"\"b\"".
std::string Quoted(std::string_view name, char open, char close);

/// `name` as it stands between "[" and "]": every "]" doubled.
std::string InsideBrackets(std::string_view name);

/// `name` written [bracketed]: "[" + InsideBrackets(name) + "]".
inline std::string Bracketed(std::string_view name) { return Quoted(name, '[', ']'); }

/// `text` as it stands between apostrophes in a '...' literal: every "'" doubled.
std::string InsideLiteral(std::string_view text);
/// The text between "[" and "]" read back as the name: each "]]" as one "]".
std::string FromInsideBrackets(std::string_view inside);

}  // namespace tablora::sql_names
