#include "gen/code_names.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

/// Names as each language takes them; valid names (Chinese ones too) come out unchanged.
TEST(CodeNames, NamesBecomeIdentifiersOfEachLanguage) {
  struct Case {
    const char* name;  ///< UTF-8
    const char* c;
    const char* cpp;
    const char* java;
  };
  const Case cases[] = {
      {"Order Details", "Order_Details", "Order_Details", "Order_Details"},
      {"Unit-Price.x", "Unit_Price_x", "Unit_Price_x", "Unit_Price_x"},
      {"2020Sales", "_2020Sales", "_2020Sales", "_2020Sales"},
      {"int", "int_", "int_", "int_"},
      {"class", "class", "class_", "class_"},
      {"and", "and", "and_", "and"},
      {"_Bool", "_Bool_", "_Bool", "_Bool"},
      {"typeof", "typeof_", "typeof_", "typeof"},
      {"synchronized", "synchronized", "synchronized", "synchronized_"},
      {"var", "var", "var", "var"},
      {"a$b", "a_b", "a_b", "a$b"},
      {u8"订单明细", u8"订单明细", u8"订单明细", u8"订单明细"},
      {u8"订单（新）", u8"订单_新_", u8"订单_新_", u8"订单_新_"},
      {u8"a·b、c", "a_b_c", "a_b_c", "a_b_c"},
      {u8"αβ_Жж", u8"αβ_Жж", u8"αβ_Жж", u8"αβ_Жж"},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = Cp936(c.name);
    EXPECT_EQ(Cp936(c.c), CodeNames::Identifier(name, CodeLanguage::kC));
    EXPECT_EQ(Cp936(c.cpp), CodeNames::Identifier(name, CodeLanguage::kCpp));
    EXPECT_EQ(Cp936(c.java), CodeNames::Identifier(name, CodeLanguage::kJava));
  }
  // Java keeps "var", "record", ... from type names only.
  EXPECT_EQ("var_", CodeNames::Identifier("var", CodeLanguage::kJava, true));
  EXPECT_EQ("record_", CodeNames::Identifier("record", CodeLanguage::kJava, true));
  // A byte that starts no character of code page 936 is no letter either.
  EXPECT_EQ("a_b", CodeNames::Identifier("a\x80" "b", CodeLanguage::kC));
}

TEST(CodeNames, MembersOfOneTableNeverShareAName) {
  TableDesign table;
  for (const char* name : {"Unit Price", "Unit_Price", "Unit-Price", "", "Unit_Price_2", "int"}) {
    ColumnDesign column;
    column.actualName = name;
    table.columns.push_back(column);
  }
  EXPECT_EQ((std::vector<std::string>{"Unit_Price", "Unit_Price_2", "Unit_Price_3", "",
                                      "Unit_Price_2_2", "int_"}),
            CodeNames::MemberNames(table, CodeLanguage::kJava));
  EXPECT_EQ("[Unit Price]", CodeNames::OriginalNote("Unit Price", "Unit_Price"));
  EXPECT_EQ("", CodeNames::OriginalNote("Id", "Id"));
}

}  // namespace
}  // namespace tablora
