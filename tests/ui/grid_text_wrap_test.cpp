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

TEST(GridTextWrapLines, CutsWordsTooLongForTheLine) {
  EXPECT_EQ(GridTextWrap::Lines("abcdefg", 30, Measure), (Lines{"abc", "def", "g"}));
  EXPECT_EQ(GridTextWrap::Lines("abc", 5, Measure), (Lines{"a", "b", "c"}))
      << "one character per line at least";
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
