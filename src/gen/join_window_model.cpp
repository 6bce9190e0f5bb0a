#include "gen/join_window_model.h"

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

JoinWindowModel::JoinWindowModel(int initialTable) {
  boxes_[0].table = initialTable;
  SetAliasTicked(0, true);
}

const std::vector<std::string>& JoinWindowModel::JoinTypes() {
  static const std::vector<std::string> kTypes = {
      Cp936(u8"INNER JOIN(内联接)"), Cp936(u8"LEFT OUTER JOIN(左向外联接)"),
      Cp936(u8"RIGHT OUTER JOIN(右向外联接)"), Cp936(u8"FULL OUTER JOIN(完整外部联接)"),
      Cp936(u8"CROSS JOIN(交叉联接)")};
  return kTypes;
}

void JoinWindowModel::SetTable(int box, int tableIndex) { boxes_[box].table = tableIndex; }

void JoinWindowModel::SetAliasTicked(int box, bool ticked) {
  boxes_[box].aliasTicked = ticked;
  if (ticked && boxes_[box].alias.empty()) boxes_[box].alias = std::string(1, 'a' + box);
}

bool JoinWindowModel::CanRelate(int pair, std::string& error) const {
  if (pair + 1 < kBoxes && boxes_[pair + 1].table >= 0) return true;
  error = Cp936(u8"请先选择表!");
  return false;
}

void JoinWindowModel::SetRelation(int pair, const std::string& joinTypeEntry,
                                  const std::string& condition) {
  std::string on = condition;
  const std::size_t where = on.find("WHERE");
  if (where != std::string::npos) on.replace(where, 5, "ON");
  on = gbk::ReplaceAll(on, "\r\n", " ");
  joins_[pair] = {joinTypeEntry.substr(0, joinTypeEntry.find('(')), on};
}

JoinChoice JoinWindowModel::Result() const {
  JoinChoice choice;
  for (int box = 0; box < kBoxes && boxes_[box].table >= 0; ++box) {
    choice.tables.push_back({boxes_[box].table, boxes_[box].alias});
  }
  for (const auto& join : joins_) choice.joins.push_back(join);
  return choice;
}

}  // namespace tablora
