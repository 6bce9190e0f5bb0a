#include "base/settings.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

TEST(SettingsLookup, CPrefixAddsAForArraysOfMappedTypesOnly) {
  Settings s;
  s.typeC = {{"varchar", "char"}};
  s.prefixC = {{"char", "c"}};
  EXPECT_EQ(s.LookupCType("varchar"), "char");
  EXPECT_EQ(s.LookupCType("money"), "money");
  EXPECT_EQ(s.LookupCPrefix("char", 20), "ac");
  EXPECT_EQ(s.LookupCPrefix("char", 0), "c");
  EXPECT_EQ(s.LookupCPrefix("money", 20), "");
}

TEST(SettingsLookup, WidthsAreMinusOneWhenUnknown) {
  Settings s;
  s.columnWidths = {{"CN", "80"}};
  EXPECT_EQ(s.StyleWordWidth("CN"), 80);
  EXPECT_EQ(s.StyleWordWidth("EN"), -1);
  EXPECT_EQ(s.GridColumnWidth("x"), -1);
}

TEST(SettingsLookup, SplitCurrentColumnStyle) {
  Settings s;
  s.columnWidths = {{"CN", "80"}, {"TYPE", "60"}};
  s.columnStyles = {"CN TYPE", "", "EN"};
  s.currentColumnStyle = 1;
  auto words = s.SplitCurrentColumnStyle();
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].word, "CN");
  EXPECT_EQ(words[1].width, 60);
  s.currentColumnStyle = 2;
  EXPECT_TRUE(s.SplitCurrentColumnStyle().empty());
  s.currentColumnStyle = 3;
  ASSERT_EQ(s.SplitCurrentColumnStyle().size(), 1u);
  EXPECT_EQ(s.SplitCurrentColumnStyle()[0].width, -1);
  s.currentColumnStyle = 0;
  EXPECT_TRUE(s.SplitCurrentColumnStyle().empty());
  s.currentColumnStyle = 9;
  EXPECT_TRUE(s.SplitCurrentColumnStyle().empty());
}

TEST(SettingsLookup, ColourTextCountsNonHexDigitsAsZero) {
  EXPECT_EQ(Settings::ParseColour("0077ZZ"), (Rgb{0x00, 0x77, 0x00}));
  EXPECT_EQ(Settings::ParseColour("ff77FF"), (Rgb{0xFF, 0x77, 0xFF}));
  EXPECT_EQ(Settings::ParseColour("12"), (Rgb{0x12, 0, 0}));
}

TEST(SettingsLookup, DropDownColumnsAreOneBased) {
  Settings s;
  s.dropDownColumns = {4, 5};
  s.dropDownLists[5] = {"no", "yes"};
  EXPECT_TRUE(s.HasDropDown(4));
  EXPECT_TRUE(s.HasDropDown(3));
  EXPECT_FALSE(s.HasDropDown(5));
  EXPECT_EQ(s.YesText(4), "yes");
  EXPECT_EQ(s.NoText(4), "no");
  EXPECT_EQ(s.YesText(7), "");
}

}  // namespace
}  // namespace tablora
