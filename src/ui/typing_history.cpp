#include "ui/typing_history.h"

namespace tablora {

void TypingHistory::Reset(const std::string& text) {
  current_ = text;
  undo_.clear();
  redo_.clear();
}

void TypingHistory::Changed(const std::string& text) {
  if (text == current_) return;
  undo_.push_back(std::move(current_));
  redo_.clear();
  current_ = text;
}

bool TypingHistory::Undo(std::string& text) {
  if (undo_.empty()) return false;
  redo_.push_back(std::move(current_));
  current_ = std::move(undo_.back());
  undo_.pop_back();
  text = current_;
  return true;
}

bool TypingHistory::Redo(std::string& text) {
  if (redo_.empty()) return false;
  undo_.push_back(std::move(current_));
  current_ = std::move(redo_.back());
  redo_.pop_back();
  text = current_;
  return true;
}

}  // namespace tablora
