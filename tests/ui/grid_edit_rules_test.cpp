#include "ui/grid_edit_rules.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

TEST(GridEditStart, MouseAndEnterKeepTheTextWithTheCaretAtTheEnd) {
  EXPECT_EQ(GridEditRules::Start("name", EditStartKind::kMouse),
            (EditStart{"name", EditCaret::kAtEnd}));
  EXPECT_EQ(GridEditRules::Start("name", EditStartKind::kEnter),
            (EditStart{"name", EditCaret::kAtEnd}));
}

TEST(GridEditStart, BackspaceDropsTheLastCharacterEvenADoubleByteOne) {
  EXPECT_EQ(GridEditRules::Start("name", EditStartKind::kBackspace),
            (EditStart{"nam", EditCaret::kAtEnd}));
  EXPECT_EQ(GridEditRules::Start(Cp936(u8"a用户"), EditStartKind::kBackspace),
            (EditStart{Cp936(u8"a用"), EditCaret::kAtEnd}));
  // "乤" is 0x81 0x61: its second byte is 'a' and must not be taken for a character.
  EXPECT_EQ(GridEditRules::Start(Cp936(u8"x乤"), EditStartKind::kBackspace),
            (EditStart{"x", EditCaret::kAtEnd}));
  EXPECT_EQ(GridEditRules::Start("", EditStartKind::kBackspace),
            (EditStart{"", EditCaret::kAtEnd}));
}

TEST(GridEditStart, NavigationSelectsAllAndOtherCharactersReplaceTheText) {
  EXPECT_EQ(GridEditRules::Start("name", EditStartKind::kNavigation),
            (EditStart{"name", EditCaret::kSelectAll}));
  EXPECT_EQ(GridEditRules::Start("name", EditStartKind::kCharacter, "x"),
            (EditStart{"x", EditCaret::kAtEnd}));
  EXPECT_EQ(GridEditRules::Start("name", EditStartKind::kCharacter, Cp936(u8"表")),
            (EditStart{Cp936(u8"表"), EditCaret::kAtEnd}));
}

TEST(GridEditKeys, TabEnterEscapeAlwaysEndArrowsOnlyAfterAKeyOrWithCtrl) {
  for (bool byKey : {false, true}) {
    for (bool ctrl : {false, true}) {
      EXPECT_EQ(GridEditRules::OnKey(EditKey::kTab, byKey, ctrl), EditKeyAction::kEndKeep);
      EXPECT_EQ(GridEditRules::OnKey(EditKey::kEnter, byKey, ctrl), EditKeyAction::kEndKeep);
      EXPECT_EQ(GridEditRules::OnKey(EditKey::kEscape, byKey, ctrl), EditKeyAction::kEndRestore);
      EXPECT_EQ(GridEditRules::OnKey(EditKey::kOther, byKey, ctrl), EditKeyAction::kNone);
    }
  }
  EXPECT_EQ(GridEditRules::OnKey(EditKey::kArrowOrPage, false, false), EditKeyAction::kNone);
  EXPECT_EQ(GridEditRules::OnKey(EditKey::kArrowOrPage, true, false), EditKeyAction::kEndKeep);
  EXPECT_EQ(GridEditRules::OnKey(EditKey::kArrowOrPage, false, true), EditKeyAction::kEndKeep);
}

TEST(GridEditCanEdit, RefusesFixedReadOnlyMergedAndMissingCells) {
  GridModel grid;
  grid.SetRowCount(3);
  grid.SetColumnCount(3);
  grid.SetFixedRowCount(1);
  grid.SetFixedColumnCount(1);
  grid.Cell(1, 2)->state |= kCellReadOnly;
  ASSERT_TRUE(grid.MergeBlock(2, 1, 0, 1, 4));
  EXPECT_TRUE(GridEditRules::CanEdit(grid, true, 1, 1));
  EXPECT_FALSE(GridEditRules::CanEdit(grid, false, 1, 1)) << "grid not editable";
  EXPECT_FALSE(GridEditRules::CanEdit(grid, true, 0, 1)) << "fixed row";
  EXPECT_FALSE(GridEditRules::CanEdit(grid, true, 1, 0)) << "fixed column";
  EXPECT_FALSE(GridEditRules::CanEdit(grid, true, 1, 2)) << "read-only";
  EXPECT_FALSE(GridEditRules::CanEdit(grid, true, 2, 1)) << "merged";
  EXPECT_FALSE(GridEditRules::CanEdit(grid, true, 3, 1)) << "outside";
}

TEST(GridEditFollow, ColumnOneFollowsWhileItIsEmptyOrAPrefix) {
  EXPECT_EQ(GridEditRules::FollowColumnZero("u", ""), "u");
  EXPECT_EQ(GridEditRules::FollowColumnZero("us", "u"), "us");
  EXPECT_EQ(GridEditRules::FollowColumnZero("user", "use"), "user");
  EXPECT_EQ(GridEditRules::FollowColumnZero(Cp936(u8"用户"), Cp936(u8"用")), Cp936(u8"用户"));
  EXPECT_EQ(GridEditRules::FollowColumnZero("user", "id"), std::nullopt) << "not a prefix";
  EXPECT_EQ(GridEditRules::FollowColumnZero("user", "user"), std::nullopt) << "not shorter";
  EXPECT_EQ(GridEditRules::FollowColumnZero("us", "user"), std::nullopt) << "longer stays";
}

TEST(GridEditFollow, TypingKeyByKeyKeepsColumnOneEqualToTheTypedText) {
  std::string columnOne = "us";
  std::string typed;
  for (char c : std::string("user_id")) {
    typed += c;
    if (auto follow = GridEditRules::FollowColumnZero(typed, columnOne)) columnOne = *follow;
  }
  EXPECT_EQ(columnOne, "user_id");
}

TEST(GridEditAlignment, TakesOnlyTheHorizontalBits) {
  EXPECT_EQ(GridEditRules::Alignment(kFormatCenter | kFormatWordBreak), unsigned{kFormatCenter});
  EXPECT_EQ(GridEditRules::Alignment(kFormatRight | kFormatVCenter), unsigned{kFormatRight});
  EXPECT_EQ(GridEditRules::Alignment(kFormatVCenter | kFormatSingleLine), 0u);
}

}  // namespace
}  // namespace tablora
