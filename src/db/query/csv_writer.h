#pragma once

#include <string>
#include <vector>

#include "db/access/result_set.h"

namespace tablora {

/// Result rows as CSV (RFC 4180) in UTF-8: CR LF after each record; a field holding a
/// comma, a quote, a CR or an LF is quoted with its quotes doubled; a null is an empty
/// field and an empty text is "", so the two stay apart. Values lose nothing
/// (ValueRules::ExactText): the grid's display texts round reals, CSV does not.
class CsvWriter {
 public:
  /// The record of the columns' names.
  static std::string Header(const std::vector<ResultColumn>& columns);
  /// The record of one row's values (code page 936 in, UTF-8 out).
  static std::string Row(const std::vector<ResultColumn>& columns,
                         const std::vector<ResultCell>& cells);
  /// One field of UTF-8 text, quoted when it must be.
  static std::string Field(const std::string& utf8);
};

}  // namespace tablora
