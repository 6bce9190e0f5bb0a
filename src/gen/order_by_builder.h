#pragma once

#include <string>
#include <vector>

namespace tablora {

/// The ORDER BY window's state: a source list and an order list whose entries carry a
/// direction. Texts are code page 936 field entries ("EN(CN)", "a.EN(CN)" ...).
class OrderByBuilder {
 public:
  OrderByBuilder(std::vector<std::string> allFields, std::vector<std::string> chosenFields);

  struct OrderEntry {
    std::string text;
    bool descending = false;
  };

  const std::vector<std::string>& source() const { return source_; }
  const std::vector<OrderEntry>& order() const { return order_; }

  /// "Asc-->" / "Desc-->": the source entry moves to the end of the order list.
  void Move(std::size_t sourcePos, bool descending);
  /// "<": the order entry goes back to the end of the source list.
  void Back(std::size_t orderPos);
  /// "Asc>>" / "Desc>>": every field (chosen or all) in that direction; the source empties.
  void MoveAll(bool descending);
  /// "<<", "重置(&R)", and ticking "已选择的字段": the source refilled, the order emptied.
  void Refill();
  void setChosenOnly(bool on);
  void setHideAsc(bool on) { hideAsc_ = on; }

  /// "" when the order list is empty; else "ORDER BY a ASC , b DESC " and so on.
  std::string Result() const;

 private:
  const std::vector<std::string>& Fields() const { return chosenOnly_ ? chosen_ : all_; }

  std::vector<std::string> all_;
  std::vector<std::string> chosen_;
  std::vector<std::string> source_;
  std::vector<OrderEntry> order_;
  bool chosenOnly_ = false;
  bool hideAsc_ = false;
};

}  // namespace tablora
