#include "db/access/value_rules.h"

#include <sql.h>
#include <sqlext.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/gbk_text.h"

namespace tablora {

namespace {

std::string Format(const char* format, double value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

bool IsMoneyName(const std::string& typeName) {
  const std::string lower = gbk::ToLowerAscii(typeName);
  return lower == "money" || lower == "smallmoney" || lower == "currency";
}

int Clamp(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

long long LeadingInteger(const std::string& text) {
  errno = 0;
  const long long v = std::strtoll(text.c_str(), nullptr, 10);
  return v;
}

std::string DateText(const std::string& text) {
  // Drivers answer "YYYY-MM-DD hh:mm:ss[.fff]", "YYYY-MM-DD" or "hh:mm:ss".
  const std::string trimmed = gbk::Trim(text);
  if (trimmed.size() >= 19 && trimmed[4] == '-') return trimmed.substr(0, 19);
  if (trimmed.size() == 10 && trimmed[4] == '-') return trimmed + " 00:00:00";
  if (trimmed.size() >= 8 && trimmed[2] == ':') return "1899-12-30 " + trimmed.substr(0, 8);
  return trimmed;
}

bool BooleanValue(const std::string& text) {
  const std::string lower = gbk::ToLowerAscii(gbk::Trim(text));
  if (lower == "true" || lower == "yes") return true;
  return std::strtod(lower.c_str(), nullptr) != 0;
}

/// `text` read as a T and written back as the shortest text that reads as the same value;
/// a text that is no number stays as it is.
template <typename T>
std::string ShortestText(const std::string& text) {
  const std::string trimmed = gbk::Trim(text);
  const char* first = trimmed.data();
  const char* last = first + trimmed.size();
  if (first != last && *first == '+') ++first;
  T value{};
  const auto read = std::from_chars(first, last, value);
  if (read.ec != std::errc() || read.ptr != last) return trimmed;
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

}  // namespace

int ValueRules::AdoTypeOf(int sqlType, const std::string& typeName) {
  switch (sqlType) {
    case SQL_CHAR:
      return ado::kChar;
    case SQL_VARCHAR:
      return ado::kVarChar;
    case SQL_LONGVARCHAR:
      return ado::kLongVarChar;
    case SQL_WCHAR:
      return ado::kWChar;
    case SQL_WVARCHAR:
      return ado::kVarWChar;
    case SQL_WLONGVARCHAR:
      return ado::kLongVarWChar;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
      return IsMoneyName(typeName) ? ado::kCurrency : ado::kNumeric;
    case SQL_SMALLINT:
      return ado::kSmallInt;
    case SQL_INTEGER:
      return ado::kInteger;
    case SQL_REAL:
      return ado::kSingle;
    case SQL_FLOAT:
    case SQL_DOUBLE:
      return ado::kDouble;
    case SQL_BIT:
      return ado::kBoolean;
    case SQL_TINYINT:
      return ado::kUnsignedTinyInt;
    case SQL_BIGINT:
      return ado::kBigInt;
    case SQL_BINARY:
      return ado::kBinary;
    case SQL_VARBINARY:
      return ado::kVarBinary;
    case SQL_LONGVARBINARY:
      return ado::kLongVarBinary;
    case SQL_TYPE_DATE:
    case SQL_DATE:
      return ado::kDbDate;
    case SQL_TYPE_TIME:
    case SQL_TIME:
      return ado::kDbTime;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
      return ado::kDbTimeStamp;
    case SQL_GUID:
      return ado::kGuid;
    default:
      return ado::kVarChar;
  }
}

bool ValueRules::IsBinary(int adoType) {
  return adoType == ado::kBinary || adoType == ado::kVarBinary || adoType == ado::kLongVarBinary;
}

std::string ValueRules::Text(int adoType, const ResultCell& cell) {
  if (cell.null || adoType == ado::kEmpty) return "";
  const std::string& t = cell.text;
  switch (adoType) {
    case ado::kSmallInt:
    case ado::kInteger:
    case ado::kUnsignedSmallInt:
    case ado::kUnsignedInt:
    case ado::kBigInt:
    case ado::kUnsignedBigInt:
      return gbk::Trim(t);
    case ado::kTinyInt:
    case ado::kUnsignedTinyInt:
      return std::to_string(LeadingInteger(t) & 0xFF);
    case ado::kSingle:
      return Format("%.4f", std::strtod(t.c_str(), nullptr));
    case ado::kDouble:
      return Format("%.8f", std::strtod(t.c_str(), nullptr));
    case ado::kDecimal:
    case ado::kNumeric:
      return gbk::Trim(t);
    case ado::kCurrency:
      return Format("%.2f", std::strtod(t.c_str(), nullptr));
    case ado::kDate:
    case ado::kDbDate:
    case ado::kDbTime:
    case ado::kDbTimeStamp:
      return DateText(t);
    case ado::kBoolean:
      return BooleanValue(t) ? "TRUE" : "FALSE";
    case ado::kBinary:
    case ado::kVarBinary:
    case ado::kLongVarBinary:
      return "[BLOB]";
    default:
      return t;
  }
}

std::string ValueRules::ExactText(int adoType, const ResultCell& cell) {
  if (cell.null) return "";
  switch (adoType) {
    case ado::kSingle:
      return ShortestText<float>(cell.text);
    case ado::kDouble:
      return ShortestText<double>(cell.text);
    case ado::kCurrency:
      return gbk::Trim(cell.text);
    default:
      return Text(adoType, cell);
  }
}

int ValueRules::Integer(int adoType, const ResultCell& cell) {
  if (cell.null) return 0;
  const std::string& t = cell.text;
  switch (adoType) {
    case ado::kSmallInt:
    case ado::kUnsignedSmallInt:
      return static_cast<short>(LeadingInteger(t));
    case ado::kBoolean:
      return BooleanValue(t) ? -1 : 0;
    case ado::kInteger:
    case ado::kUnsignedInt:
    case ado::kBigInt:
    case ado::kUnsignedBigInt:
      return Clamp(LeadingInteger(t));
    case ado::kSingle:
    case ado::kDouble: {
      const double v = std::trunc(std::strtod(t.c_str(), nullptr) + 0.5);
      return std::isfinite(v) ? Clamp(static_cast<long long>(std::fmax(std::fmin(v, 9e18), -9e18)))
                              : 0;
    }
    case ado::kCurrency:
    case ado::kDecimal:
    case ado::kNumeric: {
      const double v = std::round(std::strtod(t.c_str(), nullptr));
      return std::isfinite(v) ? Clamp(static_cast<long long>(std::fmax(std::fmin(v, 9e18), -9e18)))
                              : 0;
    }
    case ado::kTinyInt:
    case ado::kUnsignedTinyInt:
      return static_cast<int>(LeadingInteger(t) & 0xFF);
    case ado::kBstr:
    case ado::kChar:
    case ado::kWChar:
    case ado::kVarChar:
    case ado::kLongVarChar:
    case ado::kVarWChar:
    case ado::kLongVarWChar:
      return Clamp(LeadingInteger(t));
    default:
      return 0;
  }
}

std::string ValueRules::CutDecimals(const std::string& text) {
  const std::size_t dot = text.rfind('.');
  if (dot == std::string::npos || dot + 3 >= text.size()) return text;
  return text.substr(0, dot + 3);
}

}  // namespace tablora
