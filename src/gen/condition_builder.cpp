#include "gen/condition_builder.h"

#include "gen/statement_generator.h"

namespace tablora {

const std::vector<std::string>& ConditionBuilder::Operators() {
  static const std::vector<std::string> kOperators = {
      "=", "<", "<=", ">", ">=", "<>", "!=", "And", "Or", "Not", "LIKE", "In", "Is", "Is Not"};
  return kOperators;
}

void ConditionBuilder::ChooseLeft(const std::string& entry) {
  left_ = entry.substr(0, entry.find('('));
}

void ConditionBuilder::ChooseRight(const std::string& entry) {
  right_ = entry.substr(0, entry.find('('));
}

void ConditionBuilder::Reset() { left_.clear(), op_.clear(), right_.clear(); }

std::string ConditionBuilder::Current() const {
  if (left_.empty() && op_.empty() && right_.empty()) return {};
  return left_ + " " + op_ + " " + right_;
}

std::string ConditionBuilder::Shown() const { return "WHERE " + finished_ + Current(); }

std::string ConditionBuilder::Result() const { return StatementGenerator::CleanCondition(Shown()); }

void ConditionBuilder::Finish(const char* joiner) {
  const std::string current = Current();
  if (current.empty()) return;
  finished_ += current + joiner;
  Reset();
}

}  // namespace tablora
