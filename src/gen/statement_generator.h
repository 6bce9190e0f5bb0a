#pragma once

#include <optional>
#include <string>

#include "gen/statement_input.h"

namespace tablora {

/// Turns a builder's state into the text of one MS SQL Server statement (lines end in
/// CR LF; texts are code page 936).
class StatementGenerator {
 public:
  /// The statement, or nothing when no table is chosen (the shown text stays as it was).
  /// SELECT, INSERT and UPDATE without chosen fields give "".
  static std::optional<std::string> Build(const StatementInput& input);

  /// A WHERE (or ON) text made valid: trailing "AND", "OR" and blanks are dropped, and a
  /// text left with the bare keyword gives "".
  static std::string CleanCondition(const std::string& text);
  /// The text put before a table's actual name: "db.dbo.", "db.owner.", or "" (BACKUP
  /// without database: "dbo." or "owner.").
  static std::string TablePrefix(const StatementInput& input, const StatementTable& table);
  /// The BACKUP copy's suffix: year, month, day, hour and minute, each zero-padded.
  static std::string Stamp(const StampTime& time);
  /// The text of the entry up to its first "(" (and before any "=").
  static std::string FieldReference(const std::string& entryText);

 private:
  static std::string Select(const StatementInput& input);
  static std::string Insert(const StatementInput& input);
  static std::string Update(const StatementInput& input);
};

}  // namespace tablora
