#include "ui/grid_text_wrap.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

using Lines = std::vector<std::string>;

/// 10 pixels per byte: a double-byte character is 20 wide.
int Measure(std::string_view text) { return static_cast<int>(text.size()) * 10; }

TEST(GridTextWrapLines, BreaksAfterBlanksAndDropsThem) {
  EXPECT_EQ(GridTextWrap::Lines("ab cd ef", 50, Measure), (Lines{"ab cd", "ef"}));
  EXPECT_EQ(GridTextWrap::Lines("ab cd ef", 40, Measure), (Lines{"ab", "cd", "ef"}));
  EXPECT_EQ(GridTextWrap::Lines("ab cd ef", 200, Measure), (Lines{"ab cd ef"}));
}

TEST(GridTextWrapLines, NeverBreaksInsideALatinWordNorBesideItsPunctuation) {
  struct Case {
    const char* text;  // UTF-8
    int width;
    Lines lines;  // UTF-8
  };
  const Case cases[] = {
      // A word wider than the line keeps a line of its own and runs past the width.
      {"ModifiedDate", 50, {"ModifiedDate"}},
      {"abc BusinessEntityID k", 50, {"abc", "BusinessEntityID", "k"}},
      {"abc", 5, {"abc"}},
      // Runs of single-byte characters hold together whatever they hold.
      {"<pk,fk>", 40, {"<pk,fk>"}},
      {"decimal(18,2) NULL", 60, {"decimal(18,2)", "NULL"}},
      // A Latin run after a double-byte character moves down whole.
      {u8"客户(CustomerID)", 50, {u8"客户", "(CustomerID)"}},
      // Brackets and punctuation stay with the character they close or open.
      {u8"名称(客户)", 50, {u8"名称", u8"(客", u8"户)"}},
      {u8"数量，单价", 45, {u8"数", u8"量，", u8"单价"}},
      {u8"（单价）元", 45, {u8"（单", u8"价）", u8"元"}},
      {u8"主键 <pk>", 45, {u8"主键", "<pk>"}},
  };
  for (const Case& c : cases) {
    Lines expected;
    for (const std::string& line : c.lines) expected.push_back(Cp936(line.c_str()));
    EXPECT_EQ(GridTextWrap::Lines(Cp936(c.text), c.width, Measure), expected) << c.text;
  }
}

TEST(GridTextWrapLines, BreaksBetweenDoubleByteCharactersButNeverInside) {
  const std::string text = Cp936(u8"用户编号表");
  EXPECT_EQ(GridTextWrap::Lines(text, 45, Measure),
            (Lines{Cp936(u8"用户"), Cp936(u8"编号"), Cp936(u8"表")}));
  EXPECT_EQ(GridTextWrap::Lines(text, 10, Measure).size(), 5u);
  EXPECT_EQ(GridTextWrap::Lines(Cp936(u8"ab用户"), 45, Measure),
            (Lines{Cp936(u8"ab用"), Cp936(u8"户")}));
  EXPECT_EQ(GridTextWrap::Lines(Cp936(u8"用ab"), 35, Measure), (Lines{Cp936(u8"用"), "ab"}))
      << "a Latin word after a double-byte character moves down whole";
}

TEST(GridTextWrapLines, KeepsLineFeedsAndEmptyLines) {
  EXPECT_EQ(GridTextWrap::Lines("a\r\n\nb", 100, Measure), (Lines{"a", "", "b"}));
  EXPECT_EQ(GridTextWrap::Lines("", 100, Measure), (Lines{""}));
}

}  // namespace
}  // namespace tablora
