#pragma once

#include <string>

#include "db/access/result_set.h"

namespace tablora {

class AdoConnection;
class Prompts;

/// One result set, read whole when opened and walked row by row. Failures are return
/// values; only reading a value from a set that is not open tells the user (through the
/// prompts, when given).
class AdoRecordset {
 public:
  static constexpr int kClientCursor = 3;
  static constexpr int kStaticCursor = 3;
  static constexpr int kOptimisticLock = 3;

  explicit AdoRecordset(AdoConnection* connection = nullptr, Prompts* prompts = nullptr)
      : connection_(connection), prompts_(prompts) {}

  void SetConnection(AdoConnection* connection) { connection_ = connection; }
  /// Every set is held in memory, so every location is accepted.
  bool SetCursorLocation(int location) { return true; }
  /// Stores a non-empty `sql` (empty keeps the stored text); false without trying when
  /// there is no open connection or no text; closes the set first.
  bool Open(const std::string& sql, int options = 1, int cursorType = kStaticCursor,
            int lockType = kOptimisticLock);
  bool Close();
  bool IsOpen() const { return open_; }
  /// 1 when open, 0 when closed.
  int State() const { return open_ ? 1 : 0; }
  bool MoveFirst();
  bool MoveNext();
  /// True at the end of data, and for a set that is not open.
  bool IsEOF() const { return !open_ || row_ >= data_.rows.size(); }
  /// The number of rows read; -1 when the set is not open.
  int GetRecordCount() const;
  int GetFieldCount() const;
  std::string GetFieldName(int index) const;
  int GetFieldDefinedSize(int index) const;
  /// The ADO data type number; 0 on failure.
  int GetFieldType(int index) const;
  /// True when the field is auto-increment (false on failure).
  bool IsAutoIncrement(int index) const;
  /// The value of the current row by the text rule; 4- and 8-byte reals are cut two
  /// characters after the ".". False for a bad index, at the end of data (output
  /// untouched), and for a set that is not open (the user is told).
  bool GetValueText(int index, std::string& text);
  /// As by index, without cutting reals.
  bool GetValueText(const std::string& field, std::string& text);
  /// The value by the integer rule; 0 and false on failure.
  bool GetValueInt(const std::string& field, int& value);
  /// True when the current row's field is null (false on failure).
  bool IsNull(const std::string& field) const;

  const std::string& sql() const { return sql_; }
  const ResultSet& data() const { return data_; }

 private:
  bool ReadCell(int index, const ResultCell*& cell);

  AdoConnection* connection_;
  Prompts* prompts_;
  std::string sql_;
  ResultSet data_;
  std::size_t row_ = 0;
  bool open_ = false;
};

}  // namespace tablora
