#pragma once

#include <string>
#include <vector>

namespace tablora {

class AdoConnection;
class Prompts;
class ResultGrid;

/// What one run of a query text gave.
struct QueryOutcome {
  bool ok = false;
  /// Rows of the result as counted while reading them; -1 for a statement without rows.
  int count = 0;
  /// Rows put into the grid.
  int shown = 0;
  /// The driver's message after a failure (code page 936).
  std::string error;
};

/// Runs a query text into a result grid as the query window does: the rows are counted
/// as they are read (drivers answer 0 for a SELECT's row count), the grid is sized once,
/// row 0 holds the field names and each value is shown by the text rule. Above 1,000 rows
/// the user is asked whether to show them all or the first 100 before the grid is sized;
/// until then only the first 1,000 rows' values are kept. A failure is shown to the user
/// and leaves the grid empty.
class QueryRunner {
 public:
  static constexpr int kAskAbove = 1000;
  static constexpr int kShortRows = 100;

  QueryRunner(AdoConnection& connection, Prompts& prompts)
      : connection_(connection), prompts_(prompts) {}

  QueryOutcome Run(const std::string& sql, ResultGrid& grid);

  /// The count line: "受影响记录:%d", or empty after a failure.
  static std::string CountText(const QueryOutcome& outcome);
  /// The question asked above 1,000 rows.
  static std::string TooManyQuestion(int count);
  /// True for a lone SELECT statement, which may be run a second time to read rows that
  /// were counted but not kept; any other text keeps every row it returns.
  static bool IsPlainSelect(const std::string& sql);

 private:
  QueryOutcome Fail(QueryOutcome outcome, ResultGrid& grid);

  AdoConnection& connection_;
  Prompts& prompts_;
};

}  // namespace tablora
