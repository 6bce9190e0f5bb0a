#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// The languages the generators write.
enum class CodeLanguage { kC, kCpp, kJava };

/// Table and column names as the names of generated code: every generator and template
/// names its types, members and files through here, so that they agree with each other.
/// Texts are code page 936.
class CodeNames {
 public:
  /// `name` made a valid identifier of `language`: a character the language does not
  /// take in a name becomes "_" (Chinese, Japanese, Greek and Cyrillic letters are taken),
  /// a leading digit gets "_" before it and a reserved word gets "_" after it. A name that
  /// already is a valid identifier comes back unchanged; so does an empty name (a column
  /// still being typed). `typeName`: the name of a type (Java also reserves "var",
  /// "record", ... for those).
  static std::string Identifier(const std::string& name, CodeLanguage language,
                                bool typeName = false);

  /// The name of the type generated for `table` (and of its file, without extension).
  static std::string TypeName(const TableDesign& table, CodeLanguage language);

  /// The member names of every column of `table`, in column order: each column's
  /// Identifier, with "_2", "_3", ... after a name an earlier column already took (two
  /// names that differ only in characters that became "_").
  static std::vector<std::string> MemberNames(const TableDesign& table, CodeLanguage language);

  /// The original name for a comment beside a name that had to change ("[Order Details]");
  /// empty when `identifier` is `name` itself.
  static std::string OriginalNote(const std::string& name, const std::string& identifier);
};

}  // namespace tablora
