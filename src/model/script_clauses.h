#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// The parts of a script that refine the tables after their CREATE TABLE statements:
/// constraint clauses (in ALTER TABLE statements or inside the column list) and the
/// MS_Description extended properties. Texts are code page 936.
class ScriptClauses {
 public:
  /// Where the statements that refine a script's tables start, found in one pass (each as
  /// FindCodeWords finds it).
  struct Keywords {
    std::vector<std::size_t> createTable;  ///< "create table"
    std::vector<std::size_t> createType;   ///< "create type"
    std::vector<std::size_t> addType;      ///< "sp_addtype"
    std::vector<std::size_t> alterTable;   ///< "alter table"
    std::vector<std::size_t> addProperty;  ///< "sp_addextendedproperty"
    /// Statements the design does not keep, when asked for: CREATE and ALTER of anything
    /// but tables and types (views, procedures, functions, triggers, indexes, ...), data
    /// loads and changes (INSERT, UPDATE, DELETE, MERGE, TRUNCATE), permissions (GRANT,
    /// DENY, REVOKE) and EXEC of any procedure but those of descriptions and types. USE,
    /// SET and GO are not content and are not counted.
    std::vector<std::size_t> unkept;
  };
  /// `unkept`: also look for the statements the design does not keep.
  static Keywords FindKeywords(std::string_view text, bool unkept = false);

  /// One constraint clause ("CONSTRAINT [n] PRIMARY KEY (...)", "FOREIGN KEY (...)
  /// REFERENCES ...", "CHECK (...)", "DEFAULT (...) FOR [c]"), applied to `table`'s columns
  /// by exact actual name. Anything else is ignored. A foreign key to a table of
  /// `statementOwner` (the owner an ALTER TABLE names) keeps no owner of its own.
  static void ApplyConstraint(TableDesign& table, std::string_view clause,
                              std::string_view statementOwner = {});

  /// The constraints written inside a column definition (`options` is the text after its
  /// type): PRIMARY KEY, REFERENCES t (c) with an optional CONSTRAINT name before it.
  static void ApplyColumnConstraints(ColumnDesign& column, std::string_view options);

  /// Every "ALTER TABLE name [WITH [NO]CHECK] ADD clause, clause, ..." statement of `text`
  /// (ending at the next line "GO", the next ALTER TABLE or the end), applied to the
  /// table of that name (ignoring letter case); statements for other tables are ignored.
  /// `starts` are the statements' places (Keywords::alterTable).
  static void ApplyAlterTables(std::vector<TableDesign>& tables, std::string_view text,
                               const std::vector<std::size_t>& starts);

  /// Every "sp_addextendedproperty" call naming MS_Description (positional or @name=
  /// arguments; literals, NULL, bare or bracketed names): a table description
  /// "display:comment(组)group" goes to every table of that name (ignoring case), a column
  /// description "display:note" to the first such table's column of exactly that name;
  /// further colons of the comment or note read as "-". Descriptions of anything else (a
  /// schema, a constraint, an index) are ignored. Doubled apostrophes read as one.
  /// `calls` are the calls' places (Keywords::addProperty).
  static void ApplyDescriptions(std::vector<TableDesign>& tables, std::string_view text,
                                const std::vector<std::size_t>& calls);

  /// The user-defined types of `text` ("CREATE TYPE ... FROM ..." and "sp_addtype"), in
  /// text order; a name defined twice keeps its first definition.
  static std::vector<UserType> FindUserTypes(std::string_view text, const Keywords& keywords);

  /// Case-insensitive find of an ASCII word in code page 936 text (a trail byte is never
  /// taken for a letter); npos when absent.
  static std::size_t FindWord(std::string_view text, std::string_view word, std::size_t from = 0);

  /// Where `word` (as for FindWord) stands as code: outside "--" comments, closed "/* */"
  /// comments and '...' literals. A literal is taken to end at its line's end at the
  /// latest, so that a stray apostrophe cannot hide the rest of a script.
  static std::vector<std::size_t> FindCodeWords(std::string_view text, std::string_view word);
  /// The first of FindCodeWords, found without reading further; npos when there is none.
  static std::size_t FindFirstCodeWord(std::string_view text, std::string_view word);

  /// Every full-width colon ("：") as ":", replaced at character boundaries only.
  static std::string NormaliseColons(std::string_view text);
};

}  // namespace tablora
