#include "db/access/value_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace tablora {
namespace {

TEST(ValueRules, TextAndIntegerByType) {
  struct Case {
    int type;
    const char* text;  // null: a null value
    const char* expectedText;
    int expectedInt;
  };
  const Case cases[] = {
      {ado::kInteger, "42", "42", 42},
      {ado::kInteger, nullptr, "", 0},
      {ado::kVarChar, nullptr, "", 0},
      {ado::kBigInt, "5000000000", "5000000000", INT_MAX},
      {ado::kUnsignedInt, "4294967295", "4294967295", INT_MAX},
      {ado::kSmallInt, "-5", "-5", -5},
      {ado::kUnsignedSmallInt, "65535", "65535", -1},
      {ado::kTinyInt, "-1", "255", 255},
      {ado::kUnsignedTinyInt, "200", "200", 200},
      {ado::kSingle, "2.5", "2.5000", 3},
      {ado::kDouble, "3.14159265", "3.14159265", 3},
      {ado::kDouble, "-2.5", "-2.50000000", -2},
      {ado::kNumeric, "12345678901234567.89", "12345678901234567.89", INT_MAX},
      {ado::kNumeric, "2.5", "2.5", 3},
      {ado::kCurrency, "12.7500", "12.75", 13},
      {ado::kDbTimeStamp, "1994-11-16 00:00:00.000", "1994-11-16 00:00:00", 0},
      {ado::kDbDate, "2001-02-03", "2001-02-03 00:00:00", 0},
      {ado::kDbTime, "04:05:06", "1899-12-30 04:05:06", 0},
      {ado::kBoolean, "1", "TRUE", -1},
      {ado::kBoolean, "0", "FALSE", 0},
      {ado::kVarChar, "12abc", "12abc", 12},
      {ado::kVarChar, "abc", "abc", 0},
      {ado::kLongVarBinary, "", "[BLOB]", 0},
      {ado::kGuid, "{0A}", "{0A}", 0},
  };
  for (const Case& c : cases) {
    ResultCell cell;
    cell.null = c.text == nullptr;
    if (c.text != nullptr) cell.text = c.text;
    SCOPED_TRACE(std::to_string(c.type) + " " + (c.text ? c.text : "null"));
    EXPECT_EQ(c.expectedText, ValueRules::Text(c.type, cell));
    EXPECT_EQ(c.expectedInt, ValueRules::Integer(c.type, cell));
  }
}

// What leaves the program (CSV) keeps every digit the driver gave: reals as the shortest
// text that reads back to the same value.
TEST(ValueRules, ExactTextLosesNothing) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {ado::kDouble, "1.0e-10", "1e-10"},
      {ado::kDouble, "0.30000000000000004", "0.30000000000000004"},
      {ado::kDouble, "0.1", "0.1"},
      {ado::kDouble, "123456789.125", "123456789.125"},
      {ado::kDouble, "-2.5e300", "-2.5e+300"},
      {ado::kDouble, " +3.000 ", "3"},
      {ado::kDouble, "not a number", "not a number"},
      {ado::kSingle, "0.15000001", "0.15"},
      {ado::kSingle, "16777217", "16777216"},
      {ado::kCurrency, "12.7550", "12.7550"},
      {ado::kInteger, "42", "42"},
      {ado::kDouble, nullptr, ""},
  };
  for (const auto& [type, text, expected] : cases) {
    ResultCell cell;
    cell.null = text == nullptr;
    if (text != nullptr) cell.text = text;
    EXPECT_EQ(expected, ValueRules::ExactText(type, cell)) << type << " " << (text ? text : "null");
  }
}

TEST(ValueRules, CutDecimalsKeepsTwoDigitsAfterTheLastDot) {
  EXPECT_EQ("2.50", ValueRules::CutDecimals("2.50000000"));
  EXPECT_EQ("3.14", ValueRules::CutDecimals("3.14159265"));
  EXPECT_EQ("7.5", ValueRules::CutDecimals("7.5"));
  EXPECT_EQ("12", ValueRules::CutDecimals("12"));
}

}  // namespace
}  // namespace tablora
