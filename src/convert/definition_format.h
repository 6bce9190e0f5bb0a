#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// How one source line is taken apart: the fields with their extraction rules and the
/// separators between them. A format is written as a script of two tables: the first
/// (by actual name) holds the fields, the second the separators.
class DefinitionFormat {
 public:
  /// One field: its name (a placeholder "%name%" in the output format) and its rule.
  struct Field {
    enum class Rule {
      kWord,          ///< up to the next blank or tab
      kBefore,        ///< up to the next `delimiter` (or the end of the line)
      kAfter,         ///< after the last `delimiter` at or before the position
      kPrelineAfter,  ///< as kAfter; when blank, taken from the previous line
    };
    std::string name;
    Rule rule = Rule::kWord;
    std::string delimiter;
  };
  /// One separator: applied before field `field` (1-based) is extracted.
  struct Separator {
    int field = 0;
    bool blanks = false;  ///< "space": skip blanks and tabs; otherwise `text` must follow
    std::string text;     ///< the literal text, or the rule text as written ("space")
    bool optional = false;
  };

  DefinitionFormat() = default;
  DefinitionFormat(std::vector<Field> fields, std::vector<Separator> separators)
      : fields_(std::move(fields)), separators_(std::move(separators)) {}

  /// The format the two tables describe: each column of `fields` is a field (actual name,
  /// rule in its default value), each column of `separators` a separator (field number in
  /// its display name, "space" or the literal text in its default value, optional when
  /// nullable).
  static DefinitionFormat FromTables(const TableDesign& fields, const TableDesign& separators);

  /// `outputFormat` with every "%field%" of the line's fields replaced, or nothing when a
  /// required separator is missing. `previousLine` is the non-empty line before `line`.
  std::optional<std::string> ConvertLine(std::string_view line, std::string_view previousLine,
                                         const std::string& outputFormat) const;

  /// Every non-empty line of `source` converted, each followed by CR LF; lines that do not
  /// fit the format give nothing.
  std::string Convert(std::string_view source, const std::string& outputFormat) const;

  const std::vector<Field>& fields() const { return fields_; }
  const std::vector<Separator>& separators() const { return separators_; }

 private:
  std::string Extract(const Field& field, std::string_view line, std::string_view previousLine,
                      std::size_t& position) const;

  std::vector<Field> fields_;
  std::vector<Separator> separators_;
};

}  // namespace tablora
