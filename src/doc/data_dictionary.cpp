#include "doc/data_dictionary.h"

#include <unordered_map>
#include <unordered_set>

#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "model/script_writer.h"

namespace tablora {

namespace {

std::string U(const std::string& cp936) { return TextCodec::Cp936ToUtf8(cp936); }

const std::string& OtherTables() {
  static const std::string name = Cp936(u8"其他表");
  return name;
}

/// The editor grid column each cell shows (its caption and its yes and no texts).
constexpr int kGridColumn[DataDictionary::kCellCount] = {
    0, grid_column::kDisplayName, grid_column::kActualName, grid_column::kType,
    grid_column::kNullable, grid_column::kIdentity, grid_column::kDefault,
    grid_column::kPrimaryKey, grid_column::kForeignKey, grid_column::kNote};
/// The captions of the shipped settings, for settings that lack some.
constexpr const char* kDefaultCaptions[DataDictionary::kCellCount] = {
    u8"序号", u8"显示名称", u8"实际名称", u8"数据类型", u8"允许空",
    u8"自动增长", u8"默认值", u8"主键", u8"外键", u8"说明"};

/// The comment without a "(组)" tail naming `group` (the tail a script may still carry).
std::string CommentWithoutGroup(const std::string& comment, const std::string& group) {
  static const std::string mark = Cp936(u8"(组)");
  const std::size_t at = comment.rfind(mark);
  if (at == std::string::npos || comment.compare(at + mark.size(), std::string::npos, group) != 0) {
    return comment;
  }
  return comment.substr(0, at);
}

/// An anchor made of the bytes of `name` that need no quoting anywhere (letters, digits,
/// "_", "-"), every other byte written as "." and two hex digits.
std::string AnchorOf(const std::string& name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string anchor = "table-";
  for (const char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (gbk::IsWordChar(b) || b == '-') {
      anchor += c;
    } else {
      anchor += '.';
      anchor += kHex[b >> 4];
      anchor += kHex[b & 15];
    }
  }
  return anchor;
}

std::array<std::string, 2> YesNo(const Settings& settings, int column) {
  std::string no = settings.NoText(column);
  std::string yes = settings.YesText(column);
  return {U(no.empty() ? Cp936(u8"否") : no), U(yes.empty() ? Cp936(u8"是") : yes)};
}

}  // namespace

std::string DataDictionary::Table::Heading() const {
  return displayName == actualName ? actualName : displayName + " (" + actualName + ")";
}

std::vector<std::string> DataDictionary::GroupNames(const std::vector<TableDesign>& tables) {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (const TableDesign& t : tables) {
    if (t.actualName.empty()) continue;
    const std::string& name = t.group.empty() ? OtherTables() : t.group;
    if (seen.insert(name).second) names.push_back(name);
  }
  return names;
}

std::string DataDictionary::DefaultTitle(const std::string& designPath) {
  std::string name = designPath.substr(designPath.rfind('/') + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  const std::string suffix = Cp936(u8"数据字典");
  return name.empty() ? suffix : TextCodec::Utf8ToCp936(name) + " " + suffix;
}

DataDictionary::DataDictionary(const std::vector<TableDesign>& tables, const Settings& settings,
                               const std::string& group, const std::string& title)
    : title_(U(title)),
      nullableTexts_(YesNo(settings, grid_column::kNullable)),
      identityTexts_(YesNo(settings, grid_column::kIdentity)),
      primaryKeyTexts_(YesNo(settings, grid_column::kPrimaryKey)) {
  for (int c = 0; c < kCellCount; ++c) {
    const auto grid = static_cast<std::size_t>(kGridColumn[c]);
    captions_[c] = grid < settings.gridCaptions.size() && !settings.gridCaptions[grid].empty()
                       ? U(settings.gridCaptions[grid])
                       : std::string(kDefaultCaptions[c]);
  }

  // Groups in the order the group tree lists them, then each group's tables in order.
  std::vector<std::string> names;
  std::unordered_map<std::string, std::vector<const TableDesign*>> members;
  for (const TableDesign& t : tables) {
    if (t.actualName.empty()) continue;
    const std::string& name = t.group.empty() ? OtherTables() : t.group;
    if (!group.empty() && name != group) continue;
    auto [it, added] = members.try_emplace(name);
    if (added) names.push_back(name);
    it->second.push_back(&t);
  }
  std::unordered_set<std::string> anchors;
  for (const std::string& name : names) {
    Group g;
    g.name = U(name);
    for (const TableDesign* t : members[name]) {
      Table entry;
      entry.design = t;
      entry.actualName = U(t->actualName);
      entry.displayName = t->displayName.empty() ? entry.actualName : U(t->displayName);
      entry.comment = U(CommentWithoutGroup(t->comment, t->group));
      entry.group = g.name;
      entry.owner = U(t->owner);
      std::string anchor = AnchorOf(t->actualName);
      for (int n = 2; !anchors.insert(anchor).second; ++n) {
        anchor = AnchorOf(t->actualName) + "-" + std::to_string(n);
      }
      entry.anchor = std::move(anchor);
      byLowerName_.emplace(gbk::ToLowerAscii(t->actualName), static_cast<int>(tables_.size()));
      g.tables.push_back(static_cast<int>(tables_.size()));
      totalColumns_ += t->columns.size();
      tables_.push_back(std::move(entry));
    }
    groups_.push_back(std::move(g));
  }
}

int DataDictionary::ColumnCount(int table) const {
  return static_cast<int>(tables_.at(table).design->columns.size());
}

int DataDictionary::FindReference(const ForeignKeyRef& ref, const std::string& owner) const {
  // The same name and owner first, then the same name, then the name ignoring case as the
  // server compares it.
  const auto [from, to] = byLowerName_.equal_range(gbk::ToLowerAscii(ref.refTable));
  const std::string& refOwner = ref.refOwner.empty() ? owner : ref.refOwner;
  int sameName = -1;
  int ignoringCase = -1;
  for (auto it = from; it != to; ++it) {
    const TableDesign& t = *tables_[it->second].design;
    if (t.actualName != ref.refTable) {
      if (ignoringCase < 0 || it->second < ignoringCase) ignoringCase = it->second;
    } else if (t.owner == refOwner) {
      return it->second;
    } else if (sameName < 0 || it->second < sameName) {
      sameName = it->second;
    }
  }
  return sameName >= 0 ? sameName : ignoringCase;
}

DataDictionary::Row DataDictionary::ColumnRow(int table, int column) const {
  const Table& t = tables_.at(table);
  const ColumnDesign& c = t.design->columns.at(column);
  Row row;
  row.cells[kNumber] = std::to_string(column + 1);
  row.cells[kActualName] = U(c.actualName);
  row.cells[kDisplayName] = c.displayName.empty() ? row.cells[kActualName] : U(c.displayName);
  row.cells[kType] = U(TypeText(c));
  row.cells[kNullable] = nullableTexts_[c.nullable ? 1 : 0];
  row.cells[kIdentity] = identityTexts_[c.identity.empty() ? 0 : 1];
  row.cells[kDefault] = U(c.defaultValue);
  row.cells[kPrimaryKey] = primaryKeyTexts_[c.primaryKey ? 1 : 0];
  if (c.foreignKey && c.foreignKeyRef) {
    const ForeignKeyRef& ref = *c.foreignKeyRef;
    row.cells[kForeignKey] = U(ref.refTable) + "." + U(ref.refColumn);
    row.reference = FindReference(ref, t.design->owner);
  }
  row.cells[kNote] = U(c.note);
  return row;
}

}  // namespace tablora
