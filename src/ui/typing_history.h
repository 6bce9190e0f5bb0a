#pragma once

#include <string>
#include <vector>

namespace tablora {

/// The texts a field held while the user typed in it, for Ctrl+Z and Ctrl+Y in the field:
/// each change is a step; a change after an undo drops the steps undone.
class TypingHistory {
 public:
  /// Starts again from `text` (the field got the focus, or was filled by the program).
  void Reset(const std::string& text);
  /// The field now holds `text`.
  void Changed(const std::string& text);
  /// The text before the last change (after the last change undone); false when none.
  bool Undo(std::string& text);
  bool Redo(std::string& text);

 private:
  std::string current_;
  std::vector<std::string> undo_;
  std::vector<std::string> redo_;
};

}  // namespace tablora
