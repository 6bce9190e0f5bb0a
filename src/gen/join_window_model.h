#pragma once

#include <array>
#include <string>
#include <vector>

#include "gen/statement_builder.h"

namespace tablora {

/// The join window's six table boxes with their aliases and the five relations between
/// neighbouring boxes. Texts are code page 936.
class JoinWindowModel {
 public:
  static constexpr int kBoxes = 6;

  /// Box 1 starts on `initialTable` with its alias ticked ("a").
  explicit JoinWindowModel(int initialTable);

  /// The relation list's entries, "INNER JOIN(内联接)" and so on.
  static const std::vector<std::string>& JoinTypes();

  void SetTable(int box, int tableIndex);  ///< box 0-5; -1 empties it
  int table(int box) const { return boxes_[box].table; }
  /// Ticking fills an empty alias with "a" ... "f"; unticking hides (and keeps) it.
  void SetAliasTicked(int box, bool ticked);
  bool aliasTicked(int box) const { return boxes_[box].aliasTicked; }
  void SetAlias(int box, const std::string& alias) { boxes_[box].alias = alias; }
  const std::string& alias(int box) const { return boxes_[box].alias; }

  /// False (with "请先选择表!" in `error`) when box `pair` + 1 has no table; the relation
  /// button between boxes `pair` and `pair` + 1 may then be used.
  bool CanRelate(int pair, std::string& error) const;
  /// Stores the relation of boxes `pair` and `pair` + 1 (pair 0-4): the join type entry and
  /// the condition builder's result ("WHERE ..." becomes "ON ...", line breaks blanks).
  void SetRelation(int pair, const std::string& joinTypeEntry, const std::string& condition);
  /// The keyword shown on the relation button ("INNER JOIN"), or "".
  const std::string& keyword(int pair) const { return joins_[pair].first; }
  const std::string& onText(int pair) const { return joins_[pair].second; }

  /// OK: the leading boxes with a table (stopping at the first empty one), the texts of
  /// their alias boxes and the relations.
  JoinChoice Result() const;

 private:
  struct Box {
    int table = -1;
    bool aliasTicked = false;
    std::string alias;
  };
  std::array<Box, kBoxes> boxes_;
  std::array<std::pair<std::string, std::string>, kBoxes - 1> joins_;
};

}  // namespace tablora
