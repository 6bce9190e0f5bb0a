#include "db/access/ado_recordset.h"

#include "base/prompts.h"
#include "base/text_codec.h"
#include "db/access/ado_connection.h"
#include "db/access/value_rules.h"

namespace tablora {

bool AdoRecordset::Open(const std::string& sql, int options, int cursorType, int lockType) {
  if (!sql.empty()) sql_ = sql;
  if (connection_ == nullptr || sql_.empty() || !connection_->IsOpen()) return false;
  Close();
  ResultSet data;
  if (!connection_->Query(sql_, data)) return false;
  data_ = std::move(data);
  row_ = 0;
  open_ = true;
  return true;
}

bool AdoRecordset::Close() {
  if (!open_) return true;
  open_ = false;
  data_ = ResultSet{};
  row_ = 0;
  return true;
}

bool AdoRecordset::MoveFirst() {
  if (!open_) return false;
  row_ = 0;
  return true;
}

bool AdoRecordset::MoveNext() {
  if (!open_ || row_ >= data_.rows.size()) return false;
  ++row_;
  return true;
}

int AdoRecordset::GetRecordCount() const {
  return open_ ? static_cast<int>(data_.rows.size()) : -1;
}

int AdoRecordset::GetFieldCount() const {
  return open_ ? static_cast<int>(data_.columns.size()) : -1;
}

std::string AdoRecordset::GetFieldName(int index) const {
  if (!open_ || index < 0 || index >= GetFieldCount()) return "";
  return data_.columns[index].name;
}

int AdoRecordset::GetFieldDefinedSize(int index) const {
  if (!open_ || index < 0 || index >= GetFieldCount()) return -1;
  return data_.columns[index].definedSize;
}

int AdoRecordset::GetFieldType(int index) const {
  if (!open_ || index < 0 || index >= GetFieldCount()) return 0;
  return data_.columns[index].adoType;
}

bool AdoRecordset::IsAutoIncrement(int index) const {
  if (!open_ || index < 0 || index >= GetFieldCount()) return false;
  return data_.columns[index].autoIncrement;
}

bool AdoRecordset::ReadCell(int index, const ResultCell*& cell) {
  if (index < 0 || (open_ && index >= GetFieldCount())) return false;
  if (!open_) {
    if (prompts_ != nullptr) {
      static const std::string message = Cp936(u8"数据库可能已经断开,\n请重新连接数据库后再试!");
      static const std::string caption = Cp936(u8"提示");
      prompts_->ShowMessage(message, caption);
    }
    return false;
  }
  if (row_ >= data_.rows.size()) return false;
  cell = &data_.rows[row_][index];
  return true;
}

bool AdoRecordset::GetValueText(int index, std::string& text) {
  const ResultCell* cell = nullptr;
  if (!ReadCell(index, cell)) return false;
  const int type = data_.columns[index].adoType;
  text = ValueRules::Text(type, *cell);
  if (type == ado::kSingle || type == ado::kDouble) text = ValueRules::CutDecimals(text);
  return true;
}

bool AdoRecordset::GetValueText(const std::string& field, std::string& text) {
  const int index = data_.ColumnIndex(field);
  const ResultCell* cell = nullptr;
  if (!ReadCell(open_ ? index : 0, cell) || index < 0) return false;
  text = ValueRules::Text(data_.columns[index].adoType, *cell);
  return true;
}

bool AdoRecordset::GetValueInt(const std::string& field, int& value) {
  value = 0;
  const int index = data_.ColumnIndex(field);
  const ResultCell* cell = nullptr;
  if (index < 0 || !open_ || row_ >= data_.rows.size()) return false;
  cell = &data_.rows[row_][index];
  value = ValueRules::Integer(data_.columns[index].adoType, *cell);
  return true;
}

bool AdoRecordset::IsNull(const std::string& field) const {
  const int index = data_.ColumnIndex(field);
  if (index < 0 || !open_ || row_ >= data_.rows.size()) return false;
  return data_.rows[row_][index].null;
}

}  // namespace tablora
