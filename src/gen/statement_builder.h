#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gen/statement_input.h"
#include "gen/template_engine.h"
#include "model/table_design.h"

namespace tablora {

/// An entry of the builder's field lists: where its column is and a copy of what it shows.
struct FieldEntry {
  int slot = 0;    ///< position of its table among the query tables
  int column = 0;  ///< position of its column in that table
  ColumnDesign copy;
  std::string text;  ///< "EN(CN)", "alias.EN(CN)" ...; may end in "=" and a value
};

/// A query table: its index in the definition list and a copy of its names.
struct QueryTable {
  int index = -1;
  std::string actualName;
  std::string owner;
  std::string alias;
  std::string joinKeyword;  ///< tables 2 to 6
  std::string onText;
};

/// What the join window hands back: up to six tables with aliases and the pairs' joins.
struct JoinChoice {
  std::vector<std::pair<int, std::string>> tables;         ///< index and alias, leading boxes
  std::vector<std::pair<std::string, std::string>> joins;  ///< keyword and ON text, pairs 1-5
};

/// The state of one statement builder window and the commands behind its buttons. It
/// holds indexes into the design's table list and copies of what it shows, never pointers:
/// every use checks the indexes against the list, so tables added, changed or cleared
/// while the window is open never leave it pointing at freed records.
class StatementBuilder {
 public:
  /// Answers the design's current table definition list.
  using Definitions = std::function<const std::vector<TableDesign>&()>;

  StatementBuilder(StatementKind kind, int initialTable, Definitions definitions);

  StatementKind kind() const { return kind_; }
  /// The table box's texts, one per definition ("actual(display)" or "actual").
  std::vector<std::string> TableBoxItems() const;
  /// The selected table box entry, or -1.
  int currentTable() const { return tables_.empty() ? -1 : tables_.front().index; }
  /// Table box selection change: the table becomes query table 1 (joins are dropped), the
  /// available list is refilled and the chosen list emptied.
  void SelectTable(int index);

  const std::vector<FieldEntry>& available() const { return available_; }
  const std::vector<FieldEntry>& chosen() const { return chosen_; }
  const std::vector<QueryTable>& queryTables() const { return tables_; }

  void Choose(std::size_t availablePos);  ///< ">"
  void Unchoose(std::size_t chosenPos);   ///< "<"
  void ChooseAll();                       ///< ">>"
  void RefillAvailable();                 ///< "<<"
  void Reset();                           ///< "重置(&R)": lists refilled, TOP 0, statement ""
  /// Sets the value of a chosen INSERT or UPDATE entry: its text up to "=" + "=" + value.
  void SetValue(std::size_t chosenPos, const std::string& value);
  /// The join window's OK.
  void ApplyJoins(const JoinChoice& choice);

  void setTop(int top) { top_ = top; }
  void setParameters(bool on) { parameters_ = on; }
  void setNoLineBreaks(bool on) { noLineBreaks_ = on; }
  void setProcedureHeader(bool on) { procedureHeader_ = on; }
  void setDatabaseName(const std::string& name) { databaseName_ = name; }
  void setWhere(const std::string& where) { where_ = where; }
  void setOrderBy(const std::string& orderBy) { orderBy_ = orderBy; }
  void setNow(const StampTime& now) { now_ = now; }
  bool parameters() const { return parameters_; }
  int top() const { return top_; }
  const std::string& where() const { return where_; }
  const std::string& orderBy() const { return orderBy_; }

  /// Rebuilds the statement from the checked state; with no table the text stays.
  const std::string& Rebuild();
  const std::string& statement() const { return statement_; }

  /// The checked state as the generators take it (no tables when the current table is
  /// gone or not built yet).
  StatementInput Input() const;
  /// The current table and chosen fields as the template engine takes them, members named
  /// for `language`; false when there is no current table.
  bool ForTemplate(TemplateInput& input, CodeLanguage language = CodeLanguage::kC) const;
  /// Texts of the available entries followed by those of the chosen ones (ORDER BY).
  std::vector<std::string> AllFieldTexts() const;
  std::vector<std::string> ChosenFieldTexts() const;
  /// The field entries of every query table without set values (the condition builder's
  /// lists).
  std::vector<std::string> ConditionFieldTexts() const;
  /// The question to ask before running the statement: DROP TABLE, and DELETE or UPDATE
  /// without a WHERE text; "" when it can run without asking.
  std::string ExecuteQuestion() const;

  /// Text of a field entry: "EN(CN)" or "EN" with one table, "T.EN(CN)" or "T.EN" with
  /// several (T: the alias, or the actual name when the alias is empty).
  static std::string EntryText(const ColumnDesign& column, const std::string& tableName,
                               bool severalTables);
  /// The value dialog's value: "GetDate()" with the current-time box; a number as typed;
  /// a string quoted with its apostrophes doubled. Empty (and `error` set) when nothing
  /// was typed.
  static std::string ValueText(const std::string& typed, bool isString, bool currentTime,
                               std::string& error);

 private:
  /// The definition a query table points at when it still is the table copied; else null.
  const TableDesign* Checked(const QueryTable& table) const;
  void Fill(std::vector<FieldEntry>& target);

  StatementKind kind_;
  Definitions definitions_;
  std::vector<QueryTable> tables_;
  std::vector<FieldEntry> available_;
  std::vector<FieldEntry> chosen_;
  int top_ = 0;
  bool parameters_ = false;
  bool noLineBreaks_ = false;
  bool procedureHeader_ = false;
  std::string databaseName_;
  std::string where_;
  std::string orderBy_;
  std::optional<StampTime> now_;  ///< unset: the local time of each build
  std::string statement_;
};

}  // namespace tablora
