#include "gen/statement_builder.h"

#include <ctime>
#include <map>

#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "gen/statement_generator.h"

namespace tablora {

namespace {

StampTime LocalNow() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

}  // namespace

StatementBuilder::StatementBuilder(StatementKind kind, int initialTable, Definitions definitions)
    : kind_(kind), definitions_(std::move(definitions)) {
  SelectTable(initialTable);
  Rebuild();
}

std::vector<std::string> StatementBuilder::TableBoxItems() const {
  std::vector<std::string> items;
  for (const TableDesign& table : definitions_()) {
    items.push_back(TreeText(table.actualName, table.displayName));
  }
  return items;
}

const TableDesign* StatementBuilder::Checked(const QueryTable& table) const {
  const std::vector<TableDesign>& defs = definitions_();
  if (table.index < 0 || static_cast<std::size_t>(table.index) >= defs.size()) return nullptr;
  const TableDesign& def = defs[static_cast<std::size_t>(table.index)];
  // The index may since name another table (one before it was removed).
  if (def.actualName.empty() || def.actualName != table.actualName || def.owner != table.owner)
    return nullptr;
  return &def;
}

void StatementBuilder::SelectTable(int index) {
  tables_.clear();
  const std::vector<TableDesign>& defs = definitions_();
  if (index >= 0 && static_cast<std::size_t>(index) < defs.size() &&
      !defs[static_cast<std::size_t>(index)].actualName.empty()) {
    const TableDesign& def = defs[static_cast<std::size_t>(index)];
    QueryTable table;
    table.index = index;
    table.actualName = def.actualName;
    table.owner = def.owner;
    tables_.push_back(table);
  }
  RefillAvailable();
}

std::string StatementBuilder::EntryText(const ColumnDesign& column, const std::string& tableName,
                                        bool severalTables) {
  std::string text = severalTables ? tableName + "." + column.actualName : column.actualName;
  if (!column.displayName.empty()) text += "(" + column.displayName + ")";
  return text;
}

void StatementBuilder::Fill(std::vector<FieldEntry>& target) {
  available_.clear();
  chosen_.clear();
  const bool several = tables_.size() > 1;
  for (std::size_t slot = 0; slot < tables_.size(); ++slot) {
    const TableDesign* def = Checked(tables_[slot]);
    if (def == nullptr) continue;
    const std::string& name =
        tables_[slot].alias.empty() ? tables_[slot].actualName : tables_[slot].alias;
    for (std::size_t c = 0; c < def->columns.size(); ++c) {
      FieldEntry entry;
      entry.slot = static_cast<int>(slot);
      entry.column = static_cast<int>(c);
      entry.copy = def->columns[c];
      entry.text = EntryText(entry.copy, name, several);
      target.push_back(std::move(entry));
    }
  }
}

void StatementBuilder::RefillAvailable() {
  Fill(available_);
  Rebuild();
}

void StatementBuilder::ChooseAll() {
  Fill(chosen_);
  Rebuild();
}

void StatementBuilder::Choose(std::size_t pos) {
  if (pos >= available_.size()) return;
  chosen_.push_back(available_[pos]);
  available_.erase(available_.begin() + static_cast<std::ptrdiff_t>(pos));
  Rebuild();
}

void StatementBuilder::Unchoose(std::size_t pos) {
  if (pos >= chosen_.size()) return;
  FieldEntry entry = chosen_[pos];
  entry.text = entry.text.substr(0, entry.text.find('='));
  available_.push_back(std::move(entry));
  chosen_.erase(chosen_.begin() + static_cast<std::ptrdiff_t>(pos));
  Rebuild();
}

void StatementBuilder::Reset() {
  Fill(available_);
  top_ = 0;
  statement_.clear();
}

void StatementBuilder::SetValue(std::size_t pos, const std::string& value) {
  if (pos >= chosen_.size()) return;
  std::string& text = chosen_[pos].text;
  text = text.substr(0, text.find('=')) + "=" + value;
  Rebuild();
}

void StatementBuilder::ApplyJoins(const JoinChoice& choice) {
  const std::vector<TableDesign>& defs = definitions_();
  std::vector<QueryTable> tables;
  for (const auto& [index, alias] : choice.tables) {
    if (index < 0 || static_cast<std::size_t>(index) >= defs.size()) break;
    const TableDesign& def = defs[static_cast<std::size_t>(index)];
    if (def.actualName.empty()) break;
    QueryTable table;
    table.index = index;
    table.actualName = def.actualName;
    table.owner = def.owner;
    table.alias = alias;
    tables.push_back(std::move(table));
    if (tables.size() == 6) break;
  }
  if (tables.empty()) return;
  if (tables.size() == 1) {
    SelectTable(tables.front().index);
    return;
  }
  for (std::size_t t = 1; t < tables.size() && t - 1 < choice.joins.size(); ++t) {
    tables[t].joinKeyword = choice.joins[t - 1].first;
    tables[t].onText = choice.joins[t - 1].second;
  }
  tables_ = std::move(tables);
  RefillAvailable();
}

StatementInput StatementBuilder::Input() const {
  StatementInput in;
  in.kind = kind_;
  in.databaseName = databaseName_;
  in.parameters = parameters_;
  in.noLineBreaks = noLineBreaks_;
  in.procedureHeader = procedureHeader_;
  in.top = kind_ == StatementKind::kSelect ? top_ : 0;
  in.where = where_;
  in.orderBy = kind_ == StatementKind::kSelect ? orderBy_ : std::string();
  in.now = now_ ? *now_ : LocalNow();
  std::vector<bool> valid;
  for (const QueryTable& table : tables_) {
    const TableDesign* def = Checked(table);
    valid.push_back(def != nullptr);
    if (def == nullptr) continue;
    in.tables.push_back(
        {def->actualName, def->owner, table.alias, table.joinKeyword, table.onText});
  }
  if (valid.empty() || !valid.front()) {
    in.tables.clear();
    return in;
  }
  const std::vector<TableDesign>& defs = definitions_();
  for (const FieldEntry& entry : chosen_) {
    if (!valid[static_cast<std::size_t>(entry.slot)]) continue;
    const TableDesign& def = defs[static_cast<std::size_t>(tables_[entry.slot].index)];
    if (static_cast<std::size_t>(entry.column) >= def.columns.size()) continue;
    const ColumnDesign& column = def.columns[static_cast<std::size_t>(entry.column)];
    if (column.actualName != entry.copy.actualName) continue;
    StatementField field;
    field.actualName = column.actualName;
    field.typeName = column.typeName;
    field.length = column.length;
    field.scale = column.scale;
    field.text = entry.text;
    in.fields.push_back(std::move(field));
  }
  return in;
}

const std::string& StatementBuilder::Rebuild() {
  if (std::optional<std::string> text = StatementGenerator::Build(Input())) {
    statement_ = std::move(*text);
  }
  return statement_;
}

bool StatementBuilder::ForTemplate(TemplateInput& input, CodeLanguage language) const {
  if (tables_.empty()) return false;
  const TableDesign* def = Checked(tables_.front());
  if (def == nullptr) return false;
  input = TemplateInput();
  input.language = language;
  input.tableName = def->actualName;
  input.tableNameCN = def->displayName;
  input.tableComment = def->comment;
  input.statement = statement_;
  std::map<const TableDesign*, std::vector<std::string>> memberNames;  // per query table
  for (const FieldEntry& entry : chosen_) {
    const TableDesign* owner = Checked(tables_[static_cast<std::size_t>(entry.slot)]);
    if (owner == nullptr || static_cast<std::size_t>(entry.column) >= owner->columns.size()) {
      continue;
    }
    const ColumnDesign& column = owner->columns[static_cast<std::size_t>(entry.column)];
    if (column.actualName != entry.copy.actualName) continue;
    auto members = memberNames.find(owner);
    if (members == memberNames.end())
      members = memberNames.emplace(owner, CodeNames::MemberNames(*owner, language)).first;
    input.fields.push_back({column.actualName, column.displayName, column.typeName, column.note,
                            column.length,
                            members->second[static_cast<std::size_t>(entry.column)]});
  }
  return true;
}

std::vector<std::string> StatementBuilder::AllFieldTexts() const {
  std::vector<std::string> texts;
  for (const FieldEntry& e : available_) texts.push_back(e.text);
  for (const FieldEntry& e : chosen_) texts.push_back(e.text);
  return texts;
}

std::vector<std::string> StatementBuilder::ChosenFieldTexts() const {
  std::vector<std::string> texts;
  for (const FieldEntry& e : chosen_) texts.push_back(e.text);
  return texts;
}

std::vector<std::string> StatementBuilder::ConditionFieldTexts() const {
  std::vector<std::string> texts;
  const bool several = tables_.size() > 1;
  for (const QueryTable& table : tables_) {
    const TableDesign* def = Checked(table);
    if (def == nullptr) continue;
    const std::string& name = table.alias.empty() ? table.actualName : table.alias;
    for (const ColumnDesign& column : def->columns) {
      texts.push_back(EntryText(column, name, several));
    }
  }
  return texts;
}

std::string StatementBuilder::ExecuteQuestion() const {
  if (tables_.empty()) return {};
  const std::string& name = tables_.front().actualName;
  const bool noWhere = StatementGenerator::CleanCondition(where_).empty();
  switch (kind_) {
    case StatementKind::kDrop:
      return Cp936(u8"确定要删除表 ") + name + Cp936(u8" 吗?");
    case StatementKind::kDelete:
      if (noWhere) return Cp936(u8"没有条件, 将删除表 ") + name + Cp936(u8" 的所有记录, 继续吗?");
      return {};
    case StatementKind::kUpdate:
      if (noWhere) return Cp936(u8"没有条件, 将更新表 ") + name + Cp936(u8" 的所有记录, 继续吗?");
      return {};
    default:
      return {};
  }
}

std::string StatementBuilder::ValueText(const std::string& typed, bool isString, bool currentTime,
                                        std::string& error) {
  error.clear();
  if (currentTime) return "GetDate()";
  if (typed.empty()) {
    error = Cp936(u8"请输入值或选择设置当前时间");
    return {};
  }
  if (!isString) return typed;
  return "'" + gbk::ReplaceAll(typed, "'", "''") + "'";
}

}  // namespace tablora
