#pragma once

#include <string>
#include <vector>

#include "gen/statement_kind.h"

namespace tablora {

/// One table of a query, as the builder shows it. Texts are code page 936.
struct StatementTable {
  std::string actualName;
  std::string owner;        ///< empty: the default owner
  std::string alias;        ///< may be empty
  std::string joinKeyword;  ///< tables 2 to 6: e.g. "INNER JOIN"; empty joins with ", "
  std::string onText;       ///< tables 2 to 6: "ON ..." without line breaks
};

/// One chosen field: the parts of its column the statements use and the entry's text.
struct StatementField {
  std::string actualName;
  std::string typeName;
  int length = 0;  ///< 0 or less: none
  int scale = 0;   ///< 0 or less: none
  /// The list entry: "EN(CN)", "alias.EN(CN)" ...; INSERT and UPDATE entries may end in
  /// "=" and a set value.
  std::string text;

  /// True when the entry's text holds "=" (a set value follows it).
  bool HasValue() const { return text.find('=') != std::string::npos; }
  /// The text after the first "=", or "".
  std::string Value() const;
};

/// The local time a BACKUP copy is stamped with.
struct StampTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

/// Everything a statement is made from: a copy of what the builder window shows.
struct StatementInput {
  StatementKind kind = StatementKind::kSelect;
  /// The query tables; the first is the current table. Empty: no table is chosen.
  std::vector<StatementTable> tables;
  std::vector<StatementField> fields;
  std::string databaseName;      ///< empty: no database prefix
  bool parameters = false;       ///< "加入参数"
  bool noLineBreaks = false;     ///< "去换行符"
  bool procedureHeader = false;  ///< "加入存储过程头"
  int top = 0;                   ///< SELECT TOP count; 0: all rows
  std::string where;             ///< "WHERE ..." or empty
  std::string orderBy;           ///< "ORDER BY ..." or empty
  StampTime now;                 ///< BACKUP only
};

}  // namespace tablora
