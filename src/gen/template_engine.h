#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/settings.h"
#include "gen/code_names.h"
#include "gen/template_markers.h"

namespace tablora {

/// A chosen field as the template engine sees it (a copy of its column).
struct TemplateField {
  std::string actualName;
  std::string displayName;
  std::string typeName;
  std::string note;
  int length = 0;
  /// The column's member name in the generated record (CodeNames::MemberNames of its
  /// table); empty: the actual name made an identifier.
  std::string memberName;
};

/// The five code boxes of a builder window, paired with the markers classname,
/// funcionbegin, funcionend, tablevariable and databasename.
struct TemplateBoxes {
  std::string className;
  std::string functionPrefix;
  std::string functionSuffix;
  std::string tableVariable;
  std::string databaseName;
};

/// What a template is filled from. Texts are code page 936.
struct TemplateInput {
  /// The language of the template: names of types and members follow its rules.
  CodeLanguage language = CodeLanguage::kC;
  std::string tableName;  ///< actual name
  std::string tableNameCN;
  std::string tableComment;
  std::string statement;  ///< the builder's statement, CR LF line ends
  std::vector<TemplateField> fields;
};

/// One code kind of a kind folder: the name shown and the real file name.
struct CodeKindFile {
  std::string name;  ///< the file name without its extension
  std::string file;  ///< the file name as it is on disk ("C_ODBC.H")
};

/// Fills code templates: markers, repeat blocks and numbering.
class TemplateEngine {
 public:
  /// The template files of `folder` (a kind folder's path): plain files whose extension is
  /// ".h" in any case, sorted by name. False (with a message) when the folder is missing.
  static bool ListCodeKinds(const std::string& folder, std::vector<CodeKindFile>& kinds,
                            std::string& error);
  /// Reads a template with CR LF turned into LF. False (with a message) when it cannot.
  static bool ReadTemplate(const std::string& path, std::string& text, std::string& error);

  /// The language a code kind's templates are written in, by the kind's name: "Java..."
  /// (any case) is Java, "CPP..." or "C++..." C++, anything else C.
  static CodeLanguage LanguageOf(const std::string& codeKind);

  /// Fills `text`. Boxes that hold text set their markers' defaults; empty boxes receive
  /// the defaults. The table's name ($tablename$) and the members ($field_EN$,
  /// $field_struct_c$, $fieldaddress_struct_c$) are named as the generators name the
  /// record's type and members.
  static std::string Expand(const std::string& text, TemplateMarkers& markers,
                            const TemplateInput& input, TemplateBoxes& boxes,
                            const Settings& settings);

  /// The statement on one line for a string literal: line comments become block comments,
  /// each line break becomes a blank where the words would otherwise run together, and
  /// "\\" and "\"" are escaped.
  static std::string SingleLine(const std::string& statement);
  /// The Java type in a JDBC accessor name: "String", "Int", "Bytes" for "byte[]".
  static std::string JavaAccessorType(const std::string& javaType);
  /// `text` without its last character (one or two bytes of code page 936).
  static std::string DropLastCharacter(const std::string& text);

 private:
  static std::string ExpandBlock(const std::string& block, const TemplateMarkers& markers,
                                 const TemplateInput& input, const Settings& settings);
};

}  // namespace tablora
