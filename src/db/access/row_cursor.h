#pragma once

#include <string>
#include <vector>

#include "db/access/ado_connection.h"
#include "db/access/result_set.h"

namespace tablora {

/// A result handed over one row at a time, so that a result of millions of rows need not be
/// held in memory. Values are code page 936 text as the driver gave them.
class RowCursor {
 public:
  virtual ~RowCursor() = default;

  /// The result's columns; empty for a statement that returns no rows.
  const std::vector<ResultColumn>& columns() const { return columns_; }
  /// Moves to the next row; false at the end of data and on failure (failed() tells).
  virtual bool Next() = 0;
  /// The current row's values, one per column; false on failure. Call at most once a row.
  virtual bool Read(std::vector<ResultCell>& row) = 0;
  /// True once reading failed; errors() holds the driver's diagnostics.
  bool failed() const { return failed_; }
  const std::vector<DiagnosticRecord>& errors() const { return errors_; }

 protected:
  std::vector<ResultColumn> columns_;
  std::vector<DiagnosticRecord> errors_;
  bool failed_ = false;
};

/// A cursor over a result set already in memory (taken over).
class ResultSetCursor : public RowCursor {
 public:
  explicit ResultSetCursor(ResultSet result);
  bool Next() override;
  bool Read(std::vector<ResultCell>& row) override;

 private:
  std::vector<std::vector<ResultCell>> rows_;
  std::size_t next_ = 0;  ///< one past the current row
};

}  // namespace tablora
