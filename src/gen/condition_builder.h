#pragma once

#include <string>
#include <vector>

namespace tablora {

/// The condition builder's state: a condition made of a left part, an operator and a right
/// part, and the conditions already joined with AND or OR. Texts are code page 936.
class ConditionBuilder {
 public:
  /// The operator list, in order.
  static const std::vector<std::string>& Operators();

  /// A field entry chosen on the left or right: its text up to the first "(".
  void ChooseLeft(const std::string& entry);
  void ChooseRight(const std::string& entry);
  void ChooseOperator(const std::string& op) { op_ = op; }
  /// Text typed into the value box becomes the right part as it is.
  void TypeValue(const std::string& value) { right_ = value; }
  /// "新建条件AND" / "新建条件OR": a non-empty current condition joins the finished list.
  void NewAnd() { Finish(" \r\nAND "); }
  void NewOr() { Finish(" \r\nOR "); }
  /// Clears the current condition; the finished ones stay.
  void Reset();

  /// "left op right", or "" when all three parts are empty.
  std::string Current() const;
  /// "WHERE " + the finished conditions + the current one, as the box shows it.
  std::string Shown() const;
  /// What OK hands back: the shown text made valid (no trailing AND or OR; "" instead of a
  /// bare WHERE).
  std::string Result() const;

 private:
  void Finish(const char* joiner);

  std::string left_;
  std::string op_;
  std::string right_;
  std::string finished_;
};

}  // namespace tablora
