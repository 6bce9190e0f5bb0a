#pragma once

#include <optional>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "model/pattern_file.h"
#include "model/script_clauses.h"
#include "model/table_design.h"
#include "model/table_text_parser.h"

namespace tablora {

class Prompts;

/// Reads CREATE TABLE scripts (code page 936) back into table records: the tables and
/// their columns through the two pattern files (setting/e1.dat, setting/e2.dat), then the
/// MS_Description extended properties and the ALTER TABLE constraints.
///
/// One parser serves both the open command (whole scripts) and the table editors'
/// build-and-parse cycle (one table). Patterns are compiled once and reloaded only when
/// their file changed on disk.
class ScriptParser : public TableTextParser {
 public:
  /// `programFolder` holds setting/e1.dat and setting/e2.dat. `prompts` (may be null)
  /// shows "缺少文件!" when a pattern file cannot be read; it is shown once per failure,
  /// not on every parse while the file stays missing.
  explicit ScriptParser(std::string programFolder, Prompts* prompts = nullptr);

  /// Loads (or reloads when changed on disk) both patterns. False when either is missing,
  /// unreadable or does not compile; error() then tells which.
  bool LoadPatterns();

  /// Every table found in `text`, sorted by actual name (byte order), tables of one name by
  /// owner; a table is its owner (ASCII case ignored, none is "dbo") and actual name, and one
  /// defined twice keeps its last definition. Empty when the patterns are missing or the text
  /// holds no table; error() is set when a search failed (for example a pathological
  /// input exhausting the matcher), and the tables found before it are still returned.
  /// Without `lineComments` the "--" comments after a table's "(" and after its columns
  /// are not read as display names, comments and notes (scripts not written by this
  /// program); descriptions are read either way.
  /// `keywords`, when given, holds ScriptClauses::FindKeywords(text).
  std::vector<TableDesign> ParseTables(const std::string& text, bool lineComments = true,
                                       const ScriptClauses::Keywords* keywords = nullptr);

  /// The one-table parse for a table editor: full-width colons read as ":", patterns
  /// refreshed, the first table of `text` or nothing.
  std::optional<TableDesign> ParseTableText(const std::string& text);

  std::optional<TableDesign> ParseFirstTable(const std::string& text) override {
    return ParseTableText(text);
  }

  /// The owner (empty when the statement names none) and actual name of a CREATE TABLE.
  struct TableName {
    std::string owner;
    std::string actualName;
  };
  /// The tables of the last ParseTables in the order their CREATE TABLE statements stand in
  /// the text (a table defined twice appears twice).
  const std::vector<TableName>& fileOrder() const { return fileOrder_; }

  /// The user-defined types of the last ParseTables, in the order of the text.
  const std::vector<UserType>& userTypes() const { return userTypes_; }

  /// The last failure, code page 936; empty when the last call succeeded.
  const std::string& error() const { return error_; }

 private:
  using Iter = std::string::const_iterator;
  /// The table pattern matched at `begin` (searching no further than `end`): `m` holds
  /// its groups up to the body's, `body` the body's range.
  bool MatchTable(Iter begin, Iter end, boost::smatch& m, std::pair<Iter, Iter>& body);
  /// The table pattern's head (see TableBodyScanner) for the pattern loaded now.
  void RefreshTableHead();

  PatternFile tablePattern_;
  std::unique_ptr<boost::regex> tableHead_;
  int tableHeadLoad_ = -1;  ///< tablePattern_.loadCount() the head was made from
  PatternFile columnPattern_;
  Prompts* prompts_;
  bool reportedMissing_ = false;
  std::string error_;
  std::vector<TableName> fileOrder_;
  std::vector<UserType> userTypes_;
};

}  // namespace tablora
