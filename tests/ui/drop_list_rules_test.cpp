#include "ui/drop_list_rules.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

TEST(DropListRules, ShowsAllItemsUpToTwelve) {
  const std::pair<int, int> cases[] = {{0, 0}, {2, 2}, {12, 12}, {35, 12}};
  for (const auto& [count, shown] : cases) EXPECT_EQ(DropListRules::ShownItems(count), shown);
}

TEST(DropListRules, PlacesTheListWhereTheScreenHasRoomForIt) {
  // Items of 20 pixels in a one-pixel frame: twelve take 242 pixels.
  const PixelRect screen{0, 0, 1280, 1024};
  struct Case {
    const char* what;
    PixelRect cell;
    int width;
    int items;
    PixelRect screen;
    DropPlacement expected;
  };
  const Case cases[] = {
      {"below the cell", {100, 200, 80, 20}, 150, 35, screen, {{100, 220, 150, 242}, 12}},
      {"a short list is as long as its items", {100, 200, 80, 20}, 60, 2, screen,
       {{100, 220, 60, 42}, 2}},
      {"above a cell near the bottom", {100, 900, 80, 20}, 150, 35, screen,
       {{100, 658, 150, 242}, 12}},
      {"exactly filling the room below", {100, 762, 80, 20}, 150, 35, screen,
       {{100, 782, 150, 242}, 12}},
      {"shifted left at the right edge", {1230, 200, 50, 20}, 150, 35, screen,
       {{1130, 220, 150, 242}, 12}},
      {"never past the left edge", {10, 200, 50, 20}, 1400, 35, screen,
       {{0, 220, 1400, 242}, 12}},
      {"a screen starting right of zero", {1950, 40, 60, 20}, 150, 2, {1280, 0, 800, 600},
       {{1930, 60, 150, 42}, 2}},
      {"no room either way: the roomier side with fewer items", {100, 100, 80, 20}, 150, 35,
       {0, 0, 800, 300}, {{100, 120, 150, 162}, 8}},
      {"roomier above", {100, 200, 80, 20}, 150, 35, {0, 0, 800, 300},
       {{100, 18, 150, 182}, 9}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DropListRules::Place(c.cell, c.width, c.items, 20, 1, c.screen), c.expected)
        << c.what;
  }
}

TEST(DropListRules, TypingFindsTheFirstItemByItsBeginningOrItsReadingInitials) {
  const std::vector<std::string> types = {"bigint",   "char",          "date",
                                          "datetime", "datetime2",     "decimal",
                                          "int",      Cp936(u8"日期"), "varchar"};
  const std::vector<std::string> yesNo = {Cp936(u8"否"), Cp936(u8"是")};
  struct Case {
    const std::vector<std::string>* items;
    std::string typed;
    TypeAheadMatch expected;
  };
  const Case cases[] = {
      {&types, "d", {2, false}},
      {&types, "datet", {3, false}},
      {&types, "datetime", {3, false}},
      {&types, "DE", {5, false}},
      {&types, "varchar(50)", {}},
      {&types, "x", {}},
      {&types, "", {}},
      {&types, "rq", {7, true}},
      {&types, Cp936(u8"日"), {7, false}},
      {&yesNo, "s", {1, true}},
      {&yesNo, "F", {0, true}},
      {&yesNo, Cp936(u8"是"), {1, false}},
      {&yesNo, "y", {}},
      {&yesNo, "s1", {}},
      {&yesNo, "sf", {0, true}},  // each letter picks again
      {&types, "rqx", {}},
      {&types, "vd", {}},  // a Latin item is never named by initials
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DropListRules::TypeAhead(*c.items, c.typed), c.expected)
        << TextCodec::Cp936ToUtf8(c.typed);
  }
}

TEST(DropListRules, InitialsFollowTheReadingsOfCommonCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {u8"是否主键允许空", "sfzjyxk"},
      {u8"啊八擦搭蛾发噶哈击喀垃妈拿哦啪期然撒塌挖昔压匝", "abcdefghjklmnopqrstwxyz"},
      {u8"ID号", "idh"},
      {u8"座", "z"},
      {u8"a_b", "a"},
      {u8"（注）", ""},
  };
  for (const auto& [text, initials] : cases) {
    EXPECT_EQ(DropListRules::Initials(Cp936(text)), initials) << text;
  }
}

}  // namespace
}  // namespace tablora
