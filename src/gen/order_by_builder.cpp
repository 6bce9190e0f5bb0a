#include "gen/order_by_builder.h"

namespace tablora {

OrderByBuilder::OrderByBuilder(std::vector<std::string> allFields,
                               std::vector<std::string> chosenFields)
    : all_(std::move(allFields)), chosen_(std::move(chosenFields)) {
  Refill();
}

void OrderByBuilder::Move(std::size_t pos, bool descending) {
  if (pos >= source_.size()) return;
  order_.push_back({source_[pos], descending});
  source_.erase(source_.begin() + static_cast<std::ptrdiff_t>(pos));
}

void OrderByBuilder::Back(std::size_t pos) {
  if (pos >= order_.size()) return;
  source_.push_back(order_[pos].text);
  order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(pos));
}

void OrderByBuilder::MoveAll(bool descending) {
  order_.clear();
  for (const std::string& text : Fields()) order_.push_back({text, descending});
  source_.clear();
}

void OrderByBuilder::Refill() {
  source_ = Fields();
  order_.clear();
}

void OrderByBuilder::setChosenOnly(bool on) {
  chosenOnly_ = on;
  Refill();
}

std::string OrderByBuilder::Result() const {
  if (order_.empty()) return {};
  std::string text = "ORDER BY ";
  for (std::size_t i = 0; i < order_.size(); ++i) {
    text += order_[i].text.substr(0, order_[i].text.find('('));
    if (order_[i].descending) {
      text += " DESC ";
    } else if (!hideAsc_) {
      text += " ASC ";
    }
    text += i + 1 < order_.size() ? ", " : " ";
  }
  return text;
}

}  // namespace tablora
