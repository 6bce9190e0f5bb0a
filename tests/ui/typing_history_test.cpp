#include "ui/typing_history.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

// Each row: what happens ("+text" typed to give text, "<" undo, ">" redo) and the text the
// field holds after it ("-" when an undo or redo had nothing to do and the field kept its text).
TEST(TypingUndoTest, UndoAndRedoWalkTheTextsTyped) {
  const std::pair<const char*, const char*> steps[] = {
      {"+a", "a"},  {"+ab", "ab"}, {"+abc", "abc"}, {"<", "ab"},  {"<", "a"},  {">", "ab"},
      {"+abX", "abX"},  // a change after an undo drops "abc"
      {">", "-"},   {"<", "ab"},   {"<", "a"},     {"<", ""},   {"<", "-"},  {">", "a"},
  };
  TypingHistory history;
  history.Reset("");
  std::string field;
  for (const auto& [action, expected] : steps) {
    std::string text = "-";
    if (action[0] == '+') {
      field = action + 1;
      history.Changed(field);
      text = field;
    } else if ((action[0] == '<' ? history.Undo(text) : history.Redo(text))) {
      field = text;
    }
    EXPECT_EQ(text, expected) << action;
  }
  // A new start forgets every step.
  history.Reset("name");
  std::string text;
  EXPECT_FALSE(history.Undo(text));
}

}  // namespace
}  // namespace tablora
